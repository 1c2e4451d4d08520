// The signing path of a large Dados (an XML in a string member), step by step, beside MD5 of
// the same bytes measured interleaved: value from the text, envelope with signature, wire text.
// Prints one line per size: "<MB> value_ms sign_ms wire_ms md5_ms" (medians).
#include "common/md5.h"
#include "common/tjsonutil.h"
#include "exchange/envelope.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QString sampleXml(qsizetype bytes) {
    const QString unit = QString::fromUtf8("<det nItem=\"1\"><prod><xProd>AÇÚCAR CRISTAL "
                                           "1KG</xProd><vProd>4.99</vProd></prod></det>\r\n");
    QString xml;
    xml.reserve(bytes + unit.size());
    while (xml.size() < bytes)
        xml += unit;
    return xml;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1, 10, 20, 100};
    for (const int mb : sizes) {
        const QString xml = sampleXml(qsizetype(mb) << 20);
        std::vector<double> value, sign, wire, md5;
        const int sizeRuns = mb < 10 ? runs * 5 : mb >= 100 ? std::max(3, runs / 3) : runs;
        for (int r = 0; r < sizeRuns; ++r) {
            QElapsedTimer t;
            t.start();
            JsonValue dados = TJSONUtil::NewJSONObjet();
            TJSONUtil::Add(dados, QStringLiteral("XML"), TJSONUtil::SetStr(xml, true));
            value.push_back(msSince(t));
            // MD5 of the same bytes the value holds, between the steps.
            const std::string& bytes = dados.at(0).text();
            t.restart();
            Md5Stream plain;
            plain.update(bytes);
            const QString digest = plain.finish();
            md5.push_back(msSince(t));
            t.restart();
            const JsonValue envelope =
                buildEnvelope(QStringLiteral("1001"), QStringLiteral("0"), std::move(dados));
            sign.push_back(msSince(t));
            t.restart();
            const std::string text = json::toWireText(envelope);
            wire.push_back(msSince(t));
            if (text.size() < std::size_t(mb) << 20 || digest.isEmpty())
                return 1;
        }
        std::printf("%d %.2f %.2f %.2f %.2f\n", mb, median(value), median(sign), median(wire),
                    median(md5));
        std::fflush(stdout);
    }
    return 0;
}
