#pragma once

#include <QString>

#include <cstdint>

// The characters "0"-"9", "A"-"Z" and "a"-"z" of the text, in order.
QString LetrasENumeros(const QString& text);
// Trims blanks and control characters, then pads in front up to width; never cuts.
QString LPad(const QString& text, QChar pad, int width);
// The decimal digits of the text, in order.
QString TrazSomenteNumeros(const QString& text);
// An empty text gives the default; anything else must be an integer (conversion error).
int32_t Str2IntDef(const QString& text, int32_t defaultValue);
int32_t Str2Int(const QString& text);
inline QString iif(bool condition, const QString& ifTrue, const QString& ifFalse) {
    return condition ? ifTrue : ifFalse;
}
// Trims characters up to and including the blank (code 32) at both ends.
QString TrimControls(const QString& text);
