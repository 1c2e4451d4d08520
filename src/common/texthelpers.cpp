#include "common/texthelpers.h"

#include "common/regional.h"

#include <utility>

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

namespace {
// The length of the valid UTF-8 sequence at the start of the bytes (0 when there is none) and
// its code point.
std::pair<qsizetype, char32_t> utf8Sequence(QByteArrayView b) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, min = 0x10000;
    } else {
        return {0, 0};
    }
    if (b.size() < length)
        return {0, 0};
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (byte(i) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {0, 0};
    return {length, cp};
}
} // namespace

QByteArray escapeControls(QByteArrayView bytes, bool keepLineBreaks) {
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if ((c < 0x20 || c == 0x7F) && !(keepLineBreaks && (c == '\n' || c == '\t')))
                out += "\\x" + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
            else
                out += char(c);
            ++i;
            continue;
        }
        const auto [length, cp] = utf8Sequence(bytes.sliced(i));
        if (length == 0) {
            out += "\\x" + QByteArray::number(c, 16).toUpper();
            ++i;
        } else if (cp >= 0x80 && cp <= 0x9F) {
            out += "\\u00" + QByteArray::number(uint(cp), 16).toUpper();
            i += length;
        } else {
            out += bytes.sliced(i, length).toByteArray();
            i += length;
        }
    }
    return out;
}
