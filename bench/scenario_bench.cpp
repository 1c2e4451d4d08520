// Replay overhead: a 1,000-step scenario run by the command-line companion against the stand-in,
// against the same requests posted by a plain libcurl loop (one handle, the bodies signed
// beforehand) in the same process. Prints both times and their ratio, best of five.
#include "cli.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/scenario.h"
#include "simserver.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>

namespace {

size_t discard(char*, size_t size, size_t count, void*) {
    return size * count;
}

constexpr int kSteps = 1000;

json::JsonValue dadosOf(int i) {
    return *json::parse("{\"CNPJ\":\"11222333000181\",\"Passo\":" + std::to_string(i) +
                        ",\"Texto\":\"ação de teste\"}")
                .value;
}

} // namespace

int main() {
    sim::MiddlewareSim server;
    server.start();
    const QString base = server.baseUrl();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mil.json"));

    // The scenario, recorded from one real answer per step.
    Scenario s;
    s.name = QStringLiteral("mil passos");
    s.ignore = {QStringLiteral("result.conteudo.date")};
    const QString path = QStringLiteral("TConexaoAPI/Sobre");
    std::vector<QByteArray> bodies;
    {
        for (int i = 0; i < kSteps; ++i) {
            ScenarioStep step;
            step.name = QStringLiteral("passo %1").arg(i + 1);
            step.path = path;
            step.dados = dadosOf(i);
            step.expected.status = 200;
            s.steps.push_back(std::move(step));
            bodies.push_back(QByteArray::fromStdString(json::toWireText(
                buildEnvelope(QStringLiteral("1001"), QStringLiteral("0"), dadosOf(i)))));
        }
    }
    // Expected answers from one replay, so every later step compares equal.
    saveScenario(s, file);
    CliIo io;
    io.readStdin = [](qint64) { return QByteArray(); };
    io.out = [](const QByteArray&) {};
    io.err = [](const QByteArray&) {};
    runCli({QStringLiteral("cenario"), file, QStringLiteral("--url"), base,
            QStringLiteral("--atualizar")},
           io);

    const QByteArray url = (base + path).toUtf8();
    const HttpCredentials credentials = credentialsForCompany(0);
    const QByteArray user = credentials.user.toUtf8();
    const QByteArray password = credentials.password.toUtf8();
    double bestCli = 1e18, bestCurl = 1e18;
    int code = -1;
    int failures = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        code = runCli({QStringLiteral("cenario"), file, QStringLiteral("--url"), base}, io);
        bestCli = std::min(bestCli, double(t.nsecsElapsed()) / 1e6);

        t.restart();
        CURL* c = curl_easy_init();
        curl_slist* h = curl_slist_append(nullptr, "Content-Type: application/json;charset=UTF-8");
        curl_easy_setopt(c, CURLOPT_URL, url.constData());
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, h);
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, discard);
        for (const QByteArray& body : bodies) {
            curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.constData());
            curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, long(body.size()));
            curl_easy_perform(c);
            long status = 0;
            curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
            failures += status != 200;
        }
        curl_slist_free_all(h);
        curl_easy_cleanup(c);
        bestCurl = std::min(bestCurl, double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("cenário de %d passos (cenario, exit %d): %.1f ms\n", kSteps, code, bestCli);
    std::printf("laço libcurl, mesmas requisições:      %.1f ms\n", bestCurl);
    std::printf("respostas não 200 no laço: %d; primeira resposta esperada: %s\n", failures,
                json::toWireText(*loadScenario(file).steps[0].expected.json).c_str());
    std::printf("razão: %.2fx\n", bestCli / bestCurl);
    return code == 0 ? 0 : 1;
}
