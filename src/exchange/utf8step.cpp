#include "exchange/utf8step.h"

#include "common/exception.h"

QString utf8Step(const QByteArray& body) {
    return QString::fromUtf8(body);
}

std::optional<json::JsonValue> parseUtf8Answer(const QByteArray& body) {
    auto parsed = json::parse(std::string_view(body.constData(), std::size_t(body.size())));
    if (parsed.tooDeep())
        throw Exception(json::tooDeepMessage());
    return std::move(parsed.value);
}

QString answerDisplayText(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray type = contentType.toLower();
    const qsizetype at = type.indexOf("charset=");
    if (at >= 0) {
        QByteArray charset = type.mid(at + 8).trimmed();
        if (const qsizetype end = charset.indexOf(';'); end >= 0)
            charset.truncate(end);
        charset.replace('"', "");
        if (charset == "utf-8" || charset == "utf8")
            return QString::fromUtf8(body);
    }
    return QString::fromLatin1(body);
}
