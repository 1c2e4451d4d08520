// One loopback round trip through the exchange against the stand-in middleware, side by side
// with the curl command-line tool and with bare libcurl posting the same body.
#include "common/tjsonutil.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "simserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

size_t discard(char*, size_t size, size_t count, void*) {
    return size * count;
}

} // namespace

int main() {
    sim::MiddlewareSim server;
    server.start();
    const QString url = serviceUrl(server.baseUrl(), QStringLiteral("TConexaoAPI/Sobre"));
    JsonValue dados = TJSONUtil::NewJSONObjet();
    TJSONUtil::Add(dados, QStringLiteral("CNPJ"),
                   TJSONUtil::SetStr(QStringLiteral("11222333000181")));
    const QByteArray body = QByteArray::fromStdString(json::toWireText(
        buildEnvelope(QStringLiteral("0"), QStringLiteral("0"), std::move(dados))));
    const int rounds = 300;

    // The exchange as a page uses it: a new client per request.
    std::vector<double> ours;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        MiddlewareHttpClient client(credentialsForCompany(0));
        client.post(url, body);
        ours.push_back(double(t.nsecsElapsed()) / 1e3);
    }

    // Bare libcurl, new handle per request, same headers and credentials.
    std::vector<double> bare;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        CURL* c = curl_easy_init();
        curl_slist* h = curl_slist_append(nullptr, "Content-Type: application/json;charset=UTF-8");
        const QByteArray u = url.toUtf8();
        curl_easy_setopt(c, CURLOPT_URL, u.constData());
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, h);
        curl_easy_setopt(c, CURLOPT_USERPWD, "quorva:908070");
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.constData());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, long(body.size()));
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &discard);
        curl_easy_perform(c);
        curl_slist_free_all(h);
        curl_easy_cleanup(c);
        bare.push_back(double(t.nsecsElapsed()) / 1e3);
    }

    // The curl tool: a process per request, as a script would post it.
    QTemporaryDir dir;
    QFile bodyFile(dir.filePath(QStringLiteral("body.json")));
    bodyFile.open(QIODevice::WriteOnly);
    bodyFile.write(body);
    bodyFile.close();
    std::vector<double> tool;
    for (int i = 0; i < rounds / 5; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess curlTool;
        curlTool.start(QStringLiteral("curl"),
                       {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                        QStringLiteral("-u"), QStringLiteral("quorva:908070"), QStringLiteral("-H"),
                        QStringLiteral("Content-Type: application/json;charset=UTF-8"),
                        QStringLiteral("--data-binary"), QLatin1Char('@') + bodyFile.fileName(),
                        url});
        if (!curlTool.waitForFinished(10000)) {
            std::printf("curl tool not available\n");
            break;
        }
        tool.push_back(double(t.nsecsElapsed()) / 1e3);
    }

    std::printf("round trip, median of %d (body %lld bytes):\n", rounds,
                static_cast<long long>(body.size()));
    std::printf("  exchange (new client each time): %8.1f us\n", median(ours));
    std::printf("  bare libcurl (new handle):       %8.1f us  ratio exchange/libcurl %.2f\n",
                median(bare), median(ours) / median(bare));
    if (!tool.empty())
        std::printf("  curl tool (process per request): %8.1f us  ratio exchange/curl tool %.2f\n",
                    median(tool), median(ours) / median(tool));
    return 0;
}
