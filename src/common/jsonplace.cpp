#include "common/jsonplace.h"

#include "common/jsonvalue.h"

#include <algorithm>

namespace json {

std::pair<qsizetype, qsizetype> lineAndColumn(QByteArrayView text, qsizetype offset) {
    const QByteArrayView before = text.first(std::clamp<qsizetype>(offset, 0, text.size()));
    return {before.count('\n') + 1, before.size() - before.lastIndexOf('\n')};
}

QString placeIn(QByteArrayView text, qsizetype offset) {
    const auto [line, column] = lineAndColumn(text, offset);
    return QStringLiteral("linha %1, coluna %2").arg(line).arg(column);
}

QString whyNotJson(QByteArrayView utf8) {
    const ParseResult parsed = parse(std::string_view(utf8.data(), std::size_t(utf8.size())));
    if (parsed.value)
        return QString();
    QString reason = QString::fromStdString(parsed.error);
    while (reason.endsWith(u'.')) // the caller ends the sentence
        reason.chop(1);
    return placeIn(utf8, qsizetype(parsed.errorOffset)) + QStringLiteral(": ") + reason;
}

} // namespace json
