#pragma once

#include "simserver.h"

#include <QByteArray>
#include <QString>

// Pieces the stand-in's answers are built from.
namespace sim {

// A ZIP archive holding one file, in base64.
QString zippedBase64(const QString& entryName, const QByteArray& content);
// {"result":<result>}
Answer wrapped(json::JsonValue result);
// A result envelope whose "conteudo"."str" is the file in base64 (what form-A readings save).
Answer contentFile(const QByteArray& bytes, const QString& msg);
// A result envelope whose "conteudo"."livre" is a file record {"Nome","Base64"} (form B).
Answer fileRecord(const QString& name, const QByteArray& bytes, const QString& msg);
// True when the request asks for a rejection: a branch key ("CODFIL", "FILIAL", "Filial", …)
// holding "999".
bool asksForError(const json::JsonValue* dados);
// The handler, answering a rejection when the request asks for one.
ServiceHandler orError(ServiceHandler handler);

} // namespace sim
