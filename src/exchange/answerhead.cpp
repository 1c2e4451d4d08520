#include "exchange/answerhead.h"

namespace {

// The value of a header named name (case-insensitive, with its colon), or nothing.
bool headerValue(QByteArrayView line, QByteArrayView name, QByteArrayView& value) {
    if (line.size() <= name.size() || line[name.size()] != ':' ||
        line.first(name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    value = line.sliced(name.size() + 1).trimmed();
    return true;
}

} // namespace

void readHeaderLine(QByteArrayView given, AnswerHead& head) {
    const QByteArrayView line = given.trimmed();
    QByteArrayView value;
    if (line.startsWith("HTTP/")) {
        head = AnswerHead{};
        head.statusLine = line.toByteArray();
    } else if (headerValue(line, "content-type", value)) {
        head.contentType = value.toByteArray();
    } else if (headerValue(line, "content-length", value)) {
        bool ok = false;
        const qint64 length = value.toLongLong(&ok);
        head.contentLength = ok && length >= 0 ? length : -1;
    }
}
