// Parse + GetStr of a 50 MB answer whose "conteudo"."str" holds base64: throughput and the
// peak memory the reading adds.
#include "common/tjsonutil.h"
#include "exchange/utf8step.h"
#include "widgets/pageroutines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {
long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
} // namespace

int main() {
    const qsizetype payload = 50 * 1024 * 1024;
    QByteArray raw(payload / 4 * 3, '\0');
    for (qsizetype i = 0; i < raw.size(); ++i)
        raw[i] = char((i * 7919) & 0xFF);
    const QByteArray base64 = raw.toBase64();
    raw.clear();
    raw.squeeze();
    const QByteArray body =
        R"({"result":{"controle":{"err":false,"cod":"","msg":""},"conteudo":{"int":0,"str":")" +
        base64 + R"(","curr":0,"bool":true}}})";
    const long before = peakKb();
    QElapsedTimer t;
    t.start();
    const auto answer = parseUtf8Answer(body);
    const double parseMs = double(t.nsecsElapsed()) / 1e6;
    const JsonValue* conteudo = TJSONUtil::GetObj(
        TJSONUtil::GetObj(&*answer, QStringLiteral("result")), QStringLiteral("conteudo"));
    const QString str = TJSONUtil::GetStr(conteudo, QStringLiteral("str"));
    const double totalMs = double(t.nsecsElapsed()) / 1e6;
    const QByteArray decoded = QByteArray::fromBase64(str.toLatin1());
    const double decodeMs = double(t.nsecsElapsed()) / 1e6 - totalMs;
    const double mb = double(body.size()) / (1024 * 1024);
    std::printf("answer: %.1f MB (base64 of %.1f MB)\n", mb,
                double(decoded.size()) / (1024 * 1024));
    std::printf("parse: %.0f ms (%.0f MB/s)\n", parseMs, mb / (parseMs / 1000));
    std::printf("parse + GetStr: %.0f ms (%.0f MB/s)\n", totalMs, mb / (totalMs / 1000));
    std::printf("base64 decode: %.0f ms (%.0f MB/s)\n", decodeMs, mb / (decodeMs / 1000));
    std::printf("peak memory added while reading: %.0f MB (%.1f x the answer)\n",
                double(peakKb() - before) / 1024, double(peakKb() - before) / 1024 / mb);
    const bool sameSize = str.size() == base64.size();

    // The whole save as a page runs it: parse, read the envelope, decode, write.
    const QTemporaryDir work;
    QDir::setCurrent(work.path());
    const long beforeSave = peakKb();
    t.restart();
    const QString saved = ResultDecodeBase64(QStringLiteral("Grande"), QStringLiteral("bin"), body);
    const double saveMs = double(t.nsecsElapsed()) / 1e6;
    std::printf("ResultDecodeBase64 (parse, decode, write %s): %.0f ms (%.0f MB/s of answer)\n",
                qPrintable(saved), saveMs, mb / (saveMs / 1000));
    std::printf("peak memory added by the save beyond the reading above: %.0f MB\n",
                double(peakKb() - beforeSave) / 1024);
    return sameSize && !saved.isEmpty() ? 0 : 1;
}
