// The files of the replay and load benchmarks, written with the program's own code against the
// stand-in running as its own process: a scenario of N steps whose expected answers are those the
// stand-in gives (recorded by one replay), and the same requests' signed bodies, one a line, for
// the libcurl loop and wrk. Prints the service's address, the user and the password they post
// with.
//
//   bench_scenario_files BASE FOLDER STEPS
#include "cli.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/scenario.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

// A request's data as the pages send them: a few short members, accents, numbers, a short list.
json::JsonValue dadosOf(int i) {
    const std::string n = std::to_string(i);
    return *json::parse(R"({"CNPJ":"11222333000181","Passo":)" + n +
                        R"(,"Texto":"ação de teste nº )" + n +
                        R"(","Itens":[{"cProd":"P1","xProd":"AÇÚCAR 1KG","qCom":2.0000,)"
                        R"("vUnCom":4.99},{"cProd":"P2","xProd":"CAFÉ 500G","qCom":1,)"
                        R"("vUnCom":17.90}],"Obs":null,"Ativo":true})")
                .value;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "uso: bench_scenario_files BASE PASTA PASSOS\n");
        return 2;
    }
    const QString base = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int steps = std::atoi(argv[3]);
    const QString path = QStringLiteral("TConexaoAPI/Sobre");
    const QString file = folder + QStringLiteral("/cenario.json");

    Scenario s;
    s.name = QStringLiteral("%1 passos").arg(steps);
    s.ignore = {QStringLiteral("result.conteudo.date")};
    QFile bodies(folder + QStringLiteral("/corpos.txt"));
    if (!bodies.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < steps; ++i) {
        ScenarioStep step;
        step.name = QStringLiteral("passo %1").arg(i + 1);
        step.path = path;
        step.dados = dadosOf(i);
        step.expected.status = 200;
        s.steps.push_back(std::move(step));
        bodies.write(QByteArray::fromStdString(json::toWireText(
                         buildEnvelope(QStringLiteral("1001"), QStringLiteral("0"), dadosOf(i)))) +
                     '\n');
    }
    bodies.close();
    saveScenario(s, file);
    // The expected answers, from one replay (which finds them different from none).
    CliIo io;
    io.readStdin = [](qint64) { return QByteArray(); };
    io.out = [](const QByteArray&) {};
    io.err = [](const QByteArray& b) {
        std::fwrite(b.constData(), 1, std::size_t(b.size()), stderr);
    };
    if (runCli({QStringLiteral("cenario"), file, QStringLiteral("--url"), base,
                QStringLiteral("--atualizar")},
               io) > 1)
        return 1;
    const HttpCredentials credentials = credentialsForCompany(0);
    std::printf("%s %s %s\n", (base + path).toUtf8().constData(),
                credentials.user.toUtf8().constData(), credentials.password.toUtf8().constData());
    return 0;
}
