#include "common/xmltext.h"

#include "common/filekind.h"
#include "common/jsonvalue.h"

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
