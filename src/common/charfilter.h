#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of the hosts the middleware serves (Windows-1252) and the
// valid-character filter that every string sent or read goes through.

// The 163-character text that defines the valid set (158 distinct characters).
const QString& GetCaracteresValidos();

// Converts to the 8-bit code page, drops every character that is not in the valid set and
// converts back. A character the code page cannot represent arrives as "?".
QString LimpaString(const QString& text);

// Windows-1252 conversions; a character the code page cannot represent becomes "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

// Every character above code 127 becomes "?" (one per UTF-16 code unit).
QByteArray toAscii(const QString& text);
