#include "common/texthelpers.h"

#include "common/regional.h"

namespace {
bool isAsciiAlnum(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

QString LetrasENumeros(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (isAsciiAlnum(c.unicode()))
            out.append(c);
    return out;
}

QString TrimControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

QString LPad(const QString& text, QChar pad, int width) {
    const QString trimmed = TrimControls(text);
    if (trimmed.size() >= width)
        return trimmed;
    return QString(width - trimmed.size(), pad) + trimmed;
}

QString TrazSomenteNumeros(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (c.unicode() >= '0' && c.unicode() <= '9')
            out.append(c);
    return out;
}

int32_t Str2IntDef(const QString& text, int32_t defaultValue) {
    if (text.isEmpty())
        return defaultValue;
    return regional::strToInt(text);
}

int32_t Str2Int(const QString& text) {
    return Str2IntDef(text, 0);
}
