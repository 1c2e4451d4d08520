#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
// The value of a hexadecimal digit (either case), or -1.
inline int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
inline QString iif(bool condition, const QString& ifTrue, const QString& ifFalse) {
    return condition ? ifTrue : ifFalse;
}
// Trims characters up to and including the blank (code 32) at both ends.
QString TrimControls(const QString& text);

// The bytes with every control character made visible: C0 controls and DEL as \xNN, C1
// controls (U+0080 to U+009F) as \uNNNN, bytes that are not UTF-8 as \xNN; with
// keepLineBreaks, line feed and tab stay as they are. Nothing a terminal or a log reader
// would act on is left.
QByteArray escapeControls(QByteArrayView bytes, bool keepLineBreaks = false);
