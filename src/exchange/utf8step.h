#pragma once

#include "common/jsonvalue.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The answer body decoded as UTF-8 (malformed sequences as U+FFFD).
QString utf8Step(const QByteArray& body);
// The answer body parsed as UTF-8 JSON; nothing when it is not JSON. An answer nested deeper
// than json::kMaxDepth raises, saying so.
std::optional<json::JsonValue> parseUtf8Answer(const QByteArray& body);
// The text the response pane shows: decoded by the character set the answer names (UTF-8 or
// Latin-1), or one character per byte when it names none.
QString answerDisplayText(const QByteArray& body, const QByteArray& contentType);
