// One loopback round trip through the exchange against the stand-in middleware, interleaved with
// bare libcurl posting the same body.
#include "common/tjsonutil.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "simserver.h"

#include <QElapsedTimer>

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <thread>
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

    // Interleaved: the exchange on the calling thread, the exchange as the window runs it (a new
    // client per request, on a helper thread the UI thread waits for), then bare libcurl (a new
    // handle, same headers and credentials), round after round.
    std::vector<double> ours, inline_, bare, ratios, inlineRatios;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        std::thread worker([&] {
            MiddlewareHttpClient client(credentialsForCompany(0));
            client.post(url, body);
        });
        worker.join();
        ours.push_back(double(t.nsecsElapsed()) / 1e3);

        t.restart();
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
        QElapsedTimer direct;
        direct.start();
        {
            MiddlewareHttpClient client(credentialsForCompany(0));
            client.post(url, body);
        }
        inline_.push_back(double(direct.nsecsElapsed()) / 1e3);
        ratios.push_back(ours.back() / bare.back());
        inlineRatios.push_back(inline_.back() / bare.back());
    }
    // "<exchange us> <libcurl us> <median of the pairs' ratios> <the same on the calling
    // thread: us> <its ratio>"
    std::printf("%.1f %.1f %.3f %.1f %.3f\n", median(ours), median(bare), median(ratios),
                median(inline_), median(inlineRatios));
    return 0;
}
