#pragma once

#include <QByteArrayView>
#include <QString>

#include <utility>

// Where JSON text goes wrong, told as people find it in an editor.
namespace json {

// Line and column (both from 1; the column in bytes) of a byte offset in a text.
std::pair<qsizetype, qsizetype> lineAndColumn(QByteArrayView text, qsizetype offset);
// "linha 3, coluna 7" of a byte offset in a text.
QString placeIn(QByteArrayView text, qsizetype offset);
// Why a text is not JSON, and where: "linha 3, coluna 7: Missing a comma or ']' after an array
// element"; "" when it is JSON.
QString whyNotJson(QByteArrayView utf8);

} // namespace json
