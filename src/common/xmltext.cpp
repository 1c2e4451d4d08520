#include "common/xmltext.h"

#include "common/filekind.h"
#include "common/indexedtext.h"
#include "common/jsonvalue.h"

#include <algorithm>
#include <cstring>
#include <string.h> // memrchr

namespace xmltext {

namespace {

// A quote that ends or starts a string literal: not escaped by an odd run of backslashes.
bool isBareQuote(const QString& text, qint64 at) {
    if (text.at(at) != u'"')
        return false;
    qint64 slashes = 0;
    while (at - slashes > 0 && text.at(at - slashes - 1) == u'\\')
        ++slashes;
    return slashes % 2 == 0;
}

} // namespace

bool isXml(QStringView text) {
    return filekind::ofBytes(text.first(std::min<qsizetype>(text.size(), 64)).toUtf8()) ==
           filekind::Kind::Xml;
}

namespace {

// The literal whose opening quote is the last bare quote at or before the offset.
std::optional<QString> literalFrom(const QString& text, qint64 offset) {
    // Inside a literal every quote is escaped: the bare quotes either side are its ends.
    qint64 open = offset;
    while (open >= 0 && !isBareQuote(text, open))
        --open;
    if (open < 0)
        return std::nullopt;
    qint64 close = open + 1;
    while (close < text.size() && !isBareQuote(text, close))
        ++close;
    if (close >= text.size() || !isXml(QStringView(text).sliced(open + 1, close - open - 1)))
        return std::nullopt; // between two literals, or not XML
    const QByteArray literal = QStringView(text).sliced(open, close - open + 1).toUtf8();
    const json::ParseResult parsed =
        json::parse(std::string_view(literal.constData(), std::size_t(literal.size())));
    if (!parsed.value || !parsed.value->isString())
        return std::nullopt;
    return parsed.value->toQString();
}

} // namespace

std::optional<QString> stringAt(const QString& text, qint64 offset) {
    if (offset < 0 || offset >= text.size())
        return std::nullopt;
    if (auto found = literalFrom(text, offset))
        return found;
    // On a closing quote: the literal it ends.
    if (offset > 0 && isBareQuote(text, offset))
        return literalFrom(text, offset - 1);
    return std::nullopt;
}

namespace {

// The same search in UTF-8 bytes: quotes and backslashes are single bytes there.
bool isBareQuote(const QByteArray& bytes, qint64 at) {
    if (bytes.at(at) != '"')
        return false;
    qint64 slashes = 0;
    while (at - slashes > 0 && bytes.at(at - slashes - 1) == '\\')
        ++slashes;
    return slashes % 2 == 0;
}

std::optional<QString> literalFrom(const QByteArray& bytes, qint64 at) {
    qint64 open = at;
    while (open >= 0 && !isBareQuote(bytes, open)) {
        const void* quote =
            open > 0 ? ::memrchr(bytes.constData(), '"', std::size_t(open)) : nullptr;
        open = quote ? static_cast<const char*>(quote) - bytes.constData() : -1;
    }
    if (open < 0)
        return std::nullopt;
    qint64 close = open + 1;
    while (close < bytes.size() && !isBareQuote(bytes, close)) {
        const void* quote =
            std::memchr(bytes.constData() + close + 1, '"', std::size_t(bytes.size() - close - 1));
        close = quote ? static_cast<const char*>(quote) - bytes.constData() : bytes.size();
    }
    if (close >= bytes.size())
        return std::nullopt;
    // The first characters tell XML: 64 of them take at most 256 bytes.
    const QString head =
        QString::fromUtf8(bytes.constData() + open + 1, std::min<qint64>(close - open - 1, 256));
    if (!isXml(QStringView(head).first(std::min<qsizetype>(head.size(), 64))))
        return std::nullopt;
    const json::ParseResult parsed =
        json::parse(std::string_view(bytes.constData() + open, std::size_t(close - open + 1)));
    if (!parsed.value || !parsed.value->isString())
        return std::nullopt;
    return parsed.value->toQString();
}

} // namespace

std::optional<QString> stringAt(const IndexedText& text, qint64 offset) {
    if (!text.isUtf8())
        return stringAt(text.utf16(), offset);
    if (offset < 0 || offset >= text.size())
        return std::nullopt;
    const QByteArray& bytes = text.utf8();
    const qint64 at = text.byteAt(offset);
    if (auto found = literalFrom(bytes, at))
        return found;
    if (at > 0 && isBareQuote(bytes, at))
        return literalFrom(bytes, at - 1);
    return std::nullopt;
}

std::optional<QString> ofField(const QString& text) {
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
        QString inner = text.sliced(1, text.size() - 2);
        // The fiscal readings escape the quotes and nothing else: undoing that is exact.
        inner.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        if (isXml(inner))
            return inner;
        return std::nullopt;
    }
    if (isXml(text))
        return text;
    return std::nullopt;
}

} // namespace xmltext
