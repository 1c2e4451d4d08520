#include "common/filekind.h"

#include <QByteArray>

namespace filekind {

namespace {

bool startsWith(QByteArrayView bytes, QByteArrayView mark) {
    return bytes.size() >= mark.size() && bytes.first(mark.size()) == mark;
}

bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// A declaration or an element, after a byte order mark and blanks.
bool looksLikeXml(QByteArrayView bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    bytes = bytes.sliced(i);
    return startsWith(bytes, "<?xml") ||
           (bytes.size() >= 2 && bytes[0] == '<' && (isNameStart(bytes[1]) || bytes[1] == '!'));
}

// Enough base64 characters for every mark above, blanks and a byte order mark included.
constexpr std::size_t kLeadingChars = 64;

} // namespace

Kind ofBytes(QByteArrayView head) {
    if (startsWith(head, "%PDF-"))
        return Kind::Pdf;
    if (startsWith(head, "PK\x03\x04") || startsWith(head, "PK\x05\x06"))
        return Kind::Zip;
    if (startsWith(head, "\x89PNG\r\n\x1A\n"))
        return Kind::Png;
    if (startsWith(head, "\xFF\xD8\xFF"))
        return Kind::Jpeg;
    if (looksLikeXml(head))
        return Kind::Xml;
    return Kind::None;
}

Kind ofBase64(std::string_view base64) {
    QByteArray leading;
    leading.reserve(qsizetype(kLeadingChars));
    for (const char c : base64) {
        if (c == '\r' || c == '\n')
            continue;
        if (std::size_t(leading.size()) == kLeadingChars)
            break;
        leading.append(c);
    }
    // kLeadingChars is a whole number of groups; a shorter text is decoded whole, padding and
    // all, so a bad ending is refused.
    const auto decoded =
        QByteArray::fromBase64Encoding(leading, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return Kind::None;
    return ofBytes(*decoded);
}

QString name(Kind kind) {
    switch (kind) {
    case Kind::Pdf:
        return QStringLiteral("PDF");
    case Kind::Zip:
        return QStringLiteral("ZIP");
    case Kind::Png:
        return QStringLiteral("PNG");
    case Kind::Jpeg:
        return QStringLiteral("JPEG");
    case Kind::Xml:
        return QStringLiteral("XML");
    case Kind::None:
        break;
    }
    return QString();
}

QString extension(Kind kind) {
    switch (kind) {
    case Kind::Pdf:
        return QStringLiteral("pdf");
    case Kind::Zip:
        return QStringLiteral("zip");
    case Kind::Png:
        return QStringLiteral("png");
    case Kind::Jpeg:
        return QStringLiteral("jpg");
    case Kind::Xml:
        return QStringLiteral("xml");
    case Kind::None:
        break;
    }
    return QString();
}

} // namespace filekind
