#include "common/charfilter.h"

#include <array>

namespace {

// Unicode characters that Windows-1252 places at codes 128 to 159 (0 where the code is unused).
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178};

// Code-page byte of a UTF-16 code unit, or -1 when the code page has no such character.
int cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    if (c >= 0x80 && c <= 0x9F) {
        // The five unused codes map to themselves; the other C1 controls have no equivalent.
        return kCp1252High[c - 0x80] == 0 ? c : -1;
    }
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

struct ValidSet {
    std::array<bool, 256> valid{};
    QString text;
    ValidSet() {
        text = QString::fromUtf8("ÁÀÃÂÄÉÈÊËÍÌÎÏÓÒÕÔÖÚÙÛÜÝÇÑ") + u' ' +
               QString::fromUtf8("áàãâäéèêëíìîïóòõôöúùûüýçñ") + u'\'' + u'\n' + u'\r' +
               QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVXWYZabcdefghijklmnopqrstuvxwyz1234567890-=") +
               QString::fromUtf8("´~[],.;/") + u'\\' + u'"' + QString::fromUtf8("!@#$%¨&*()_+") +
               u'`' + QString::fromUtf8("^{}<>:?|¹²³£¢¬§ªº") + QStringLiteral("\\\\fim");
        for (const QChar c : text)
            valid[c.unicode()] = true; // every character of the set is below 256
    }
};

const ValidSet& validSet() {
    static const ValidSet set;
    return set;
}

} // namespace

const QString& GetCaracteresValidos() {
    return validSet().text;
}

QString LimpaString(const QString& text) {
    const auto& valid = validSet().valid;
    // Fast path: nothing to remove or replace.
    qsizetype i = 0;
    const qsizetype n = text.size();
    const QChar* data = text.constData();
    while (i < n && data[i].unicode() < 256 && valid[data[i].unicode()])
        ++i;
    if (i == n)
        return text;
    QString out;
    out.reserve(n);
    out.append(data, i);
    for (; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n &&
            QChar::isLowSurrogate(data[i + 1].unicode())) {
            out.append(u'?'); // one character outside the code page
            ++i;
            continue;
        }
        const int b = cp1252Byte(c);
        if (b < 0)
            out.append(u'?'); // no equivalent in the code page (C1 controls included)
        else if (valid[std::size_t(b)])
            out.append(QChar(c)); // every character of the set is its own code-page byte
        // Characters of the code page outside the valid set (curly quotes, euro sign) are dropped.
    }
    return out;
}

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const int b = cp1252Byte(ch.unicode());
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0)
            out.append(QChar(kCp1252High[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

QByteArray toAscii(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text)
        out.append(ch.unicode() < 128 ? char(ch.unicode()) : '?');
    return out;
}
