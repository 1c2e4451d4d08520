// The head of an answer as a server may send it, line by line as libcurl hands the lines
// over: a status line starts anew, the type and the length are read or left empty.
#include "exchange/answerhead.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray head(reinterpret_cast<const char*>(data), qsizetype(size));
    AnswerHead read;
    for (const QByteArray& line : head.split('\n')) {
        readHeaderLine(line + '\n', read);
        if (read.contentLength < -1)
            std::abort();
        if (line.trimmed().startsWith("HTTP/") && read.statusLine != line.trimmed())
            std::abort();
    }
    return 0;
}
