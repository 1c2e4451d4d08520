#include "cenario.h"
#include "cenarioload.h"
#include "servertarget.h"

#include "common/companykeys.h"
#include "common/csvtable.h"
#include "common/exception.h"
#include "exchange/junitreport.h"
#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <map>
#include <set>

namespace {

const char* const kScenarioUsage =
    "uso: testador-cli cenario ARQUIVO [--url BASE] [--empresa N] [--keys ARQUIVO]\n"
    "                          [--ambiente NOME [--producao]] [--timeout SEGUNDOS]\n"
    "                          [--junit ARQUIVO] [--atualizar] [--ruido [N]]\n"
    "                          [--guardar-arquivos] [--max-cenario BYTES] [--dados TABELA.csv]\n"
    "                          [--usuarios N --duracao SEGUNDOS [--ritmo R] [--json]]\n"
    "      executa os passos do cenário em ordem e compara cada resposta com a gravada,\n"
    "      uma linha por passo assim que ele termina;\n"
    "      --timeout desiste de um pedido depois de tantos segundos (erro: tempo esgotado);\n"
    "      --ambiente usa o servidor, a empresa, as credenciais, as chaves e o tempo limite\n"
    "      de um ambiente do testador; um ambiente de produção exige --producao;\n"
    "      --junit grava um relatório JUnit; --atualizar grava as respostas obtidas como\n"
    "      esperadas; --ruido executa N vezes (padrão 2) e aprende os membros que mudam;\n"
    "      --guardar-arquivos grava ao lado do cenário, na pasta ARQUIVO.arquivos, os\n"
    "      arquivos das respostas gravadas (base64 de 4 KiB ou mais);\n"
    "      --max-cenario recusa um arquivo de cenário maior (padrão: 256 MiB);\n"
    "      --dados executa o cenário uma vez por linha da tabela CSV (cabeçalho, ; ou ,),\n"
    "      com as colunas como ${coluna}; cada linha é uma suíte no relatório JUnit;\n"
    "      --usuarios executa o cenário em laço por N usuários (até 1000) durante SEGUNDOS,\n"
    "      até R execuções por segundo, e mostra os números de carga (--json: em JSON); no\n"
    "      fim, espera as requisições em andamento até o --timeout (5 s sem ele) e conta as\n"
    "      que não terminaram como sem resposta; com --ritmo, a latência conta desde o\n"
    "      horário previsto de cada requisição;\n"
    "      --ca, --cert, --chave e --inseguro: HTTPS, como em call (testador-cli --help)\n"
    "  saída: 0 tudo igual, 1 alguma diferença, 2 uso, arquivo, falha de conexão, tempo\n"
    "         esgotado ou passo não executado; na carga: 0 tudo respondido e igual, 1 alguma\n"
    "         falha, rejeição, diferença ou requisição sem resposta, 2 uso\n";

using Usage = CliUsageError;

struct ScenarioOptions {
    QString file;
    ServerTarget server;
    ReplayTarget target;
    QString junit;
    bool update = false;
    bool keepFiles = false;
    int noiseRuns = 0;
    qint64 maxScenarioBytes = kDefaultMaxScenarioBytes;
    QString dataTable; // --dados: a run per row
    LoadOptions load;
};

int positiveNumber(const QString& option, const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n <= 0)
        throw Usage{QStringLiteral("%1 precisa de um número positivo").arg(option)};
    return n;
}

ScenarioOptions parse(const QStringList& args) {
    ScenarioOptions o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw Usage{QStringLiteral("falta o valor de %1").arg(a)};
            return args[++i];
        };
        if (o.server.take(a, value))
            continue;
        if (a == QLatin1String("--junit"))
            o.junit = value();
        else if (a == QLatin1String("--atualizar"))
            o.update = true;
        else if (a == QLatin1String("--guardar-arquivos"))
            o.keepFiles = true;
        else if (a == QLatin1String("--ruido")) {
            o.noiseRuns = 2;
            bool count = false;
            if (i + 1 < args.size())
                args[i + 1].toInt(&count);
            if (count)
                o.noiseRuns = positiveNumber(a, value());
        } else if (a == QLatin1String("--usuarios")) {
            o.load.users = positiveNumber(a, value());
            if (o.load.users > kMaxLoadUsers)
                throw Usage{QStringLiteral("--usuarios aceita no máximo %1").arg(kMaxLoadUsers)};
        } else if (a == QLatin1String("--duracao"))
            o.load.seconds = positiveNumber(a, value());
        else if (a == QLatin1String("--ritmo"))
            o.load.rate = positiveNumber(a, value());
        else if (a == QLatin1String("--json"))
            o.load.json = true;
        else if (a == QLatin1String("--dados"))
            o.dataTable = value();
        else if (a == QLatin1String("--max-cenario")) {
            bool ok = false;
            o.maxScenarioBytes = value().toLongLong(&ok);
            if (!ok || o.maxScenarioBytes <= 0)
                throw Usage{QStringLiteral("--max-cenario precisa de um número de bytes")};
        } else if (a.startsWith(QLatin1String("--")))
            throw Usage{QStringLiteral("opção desconhecida: %1").arg(a)};
        else if (o.file.isEmpty())
            o.file = a;
        else
            throw Usage{QStringLiteral("cenario aceita um só arquivo")};
    }
    if (o.file.isEmpty())
        throw Usage{QStringLiteral("falta o arquivo do cenário")};
    if (o.noiseRuns == 1)
        throw Usage{QStringLiteral("--ruido precisa de pelo menos 2 execuções")};
    if ((o.load.users > 0) != (o.load.seconds > 0))
        throw Usage{QStringLiteral("use --usuarios com --duracao")};
    if (o.load.users > 0 && (o.update || o.noiseRuns > 0))
        throw Usage{QStringLiteral("a carga não atualiza nem aprende o cenário")};
    if (o.keepFiles && !o.update && o.noiseRuns == 0)
        throw Usage{QStringLiteral("use --guardar-arquivos com --atualizar ou --ruido")};
    if (o.update && o.noiseRuns > 0)
        throw Usage{QStringLiteral("use --atualizar ou --ruido, não os dois")};
    if (!o.dataTable.isEmpty() && (o.update || o.noiseRuns > 0 || o.load.users > 0))
        throw Usage{QStringLiteral("--dados não se usa com --atualizar, --ruido ou --usuarios")};
    return o;
}

// Where the options and the environment say to send.
void settleTarget(ScenarioOptions& o, const CliIo& io) {
    o.server.settle(io);
    o.target.baseUrl = o.server.url;
    o.target.companyCode = o.server.empresa;
    o.target.timeoutSeconds = o.server.timeoutSeconds;
    o.target.credentials = o.server.credentials;
    o.target.tls = o.server.tls.settings;
    o.target.clientPassword = o.server.tls.clientPassword;
    io.err(tlsReport(o.target.tls, {}));
}

// The step's verdict line with its differences and notes, as printed.
QString stepReport(const Scenario& s, std::size_t i, const StepOutcome& out) {
    QString line =
        QStringLiteral("[%1] %2: %3").arg(i + 1).arg(stepLabel(s, i), verdictName(out.verdict));
    if (out.verdict == Verdict::Error)
        line += QStringLiteral(": ") + out.error;
    line += u'\n';
    for (const Difference& d : out.comparison.differences)
        line += QStringLiteral("    ") + differenceLine(d) + u'\n';
    for (const QString& note : out.comparison.notes)
        line += QStringLiteral("    nota: ") + note + u'\n';
    return line;
}

// Runs the scenario as many times as asked and learns, per step, the members that differed
// between the runs.
int learnNoiseCommand(Scenario& s, const ScenarioOptions& o, const CliIo& io) {
    std::vector<std::vector<StepOutcome>> runs;
    QElapsedTimer sinceLastRun;
    for (int r = 0; r < o.noiseRuns; ++r) {
        if (r > 0)
            QThread::msleep(static_cast<unsigned long>(noiseRunPauseMs(sinceLastRun.elapsed())));
        sinceLastRun.start();
        runs.push_back(replayScenario(s, o.target));
        ++s.sequence; // each run sends the next ${sequencia}
        for (std::size_t i = 0; i < runs.back().size(); ++i)
            if (runs.back()[i].verdict == Verdict::Error) {
                io.err(QStringLiteral("[%1] %2: erro: %3\n")
                           .arg(i + 1)
                           .arg(stepLabel(s, i), runs.back()[i].error)
                           .toUtf8());
                return 2;
            }
    }
    const std::vector<QStringList> learnedPaths = learnNoise(s, runs);
    qsizetype learned = 0;
    for (std::size_t i = 0; i < learnedPaths.size(); ++i)
        for (const QString& path : learnedPaths[i]) {
            ++learned;
            io.out(QStringLiteral("[%1] %2: ruído aprendido: %3\n")
                       .arg(i + 1)
                       .arg(stepLabel(s, i), path)
                       .toUtf8());
        }
    saveScenario(s, o.file, o.keepFiles);
    io.out(QStringLiteral("%1 execuções, %2 caminho(s) de ruído aprendido(s)\n")
               .arg(o.noiseRuns)
               .arg(learned)
               .toUtf8());
    return 0;
}

// The counts of one or more replays.
struct Tally {
    int equal = 0, different = 0, errors = 0, ignored = 0, noise = 0, steps = 0;
    void add(const StepOutcome& out) {
        ++steps;
        equal += out.verdict == Verdict::Equal;
        different += out.verdict == Verdict::Different;
        errors += out.verdict == Verdict::Error;
        ignored += out.comparison.ignored;
        noise += out.comparison.noiseSkipped;
    }
};

// One replay, each step's verdict printed as soon as it is known: a job killed on a hung
// server still shows how far the replay got.
std::vector<StepOutcome> replayPrinting(Scenario& s, const ReplayTarget& target, Tally& tally,
                                        const CliIo& io) {
    std::vector<StepOutcome> outcomes;
    ScenarioReplay replay(s, target);
    while (replay.hasNext()) {
        const std::size_t i = replay.nextIndex();
        outcomes.push_back(replay.runNext());
        tally.add(outcomes.back());
        io.out(stepReport(s, i, outcomes.back()).toUtf8());
        if (io.flush)
            io.flush();
    }
    s.sequence = replay.sequence();
    return outcomes;
}

// The rows of the data table, each the values of the scenario's parameters; one empty row
// when the scenario takes none.
std::vector<std::map<QString, QString>> dataRows(const Scenario& s, const ScenarioOptions& o) {
    if (o.dataTable.isEmpty()) {
        if (!s.parameters.isEmpty())
            throw CliInputError{QStringLiteral("o cenário usa os parâmetros %1: dê --dados "
                                               "TABELA.csv com uma coluna para cada um")
                                    .arg(s.parameters.join(QStringLiteral(", ")))};
        return {{}};
    }
    QFile f(o.dataTable);
    if (!f.open(QIODevice::ReadOnly))
        throw CliInputError{
            QStringLiteral("Não foi possível abrir '%1': %2").arg(o.dataTable, f.errorString())};
    const QByteArray bytes = f.read(o.maxScenarioBytes + 1);
    if (bytes.size() > o.maxScenarioBytes)
        throw CliInputError{QStringLiteral("a tabela %1 passa de %2 bytes (o limite de "
                                           "--max-cenario)")
                                .arg(o.dataTable)
                                .arg(o.maxScenarioBytes)};
    CsvTable table;
    try {
        table = readCsvTable(bytes);
    } catch (const Exception& e) {
        throw CliInputError{o.dataTable + QStringLiteral(": ") + e.message()};
    }
    QStringList missing;
    for (const QString& p : s.parameters)
        if (!table.columns.contains(p))
            missing << p;
    if (!missing.isEmpty())
        throw CliInputError{QStringLiteral("a tabela %1 não tem as colunas %2")
                                .arg(o.dataTable, missing.join(QStringLiteral(", ")))};
    std::vector<std::map<QString, QString>> rows;
    for (const QStringList& row : table.rows) {
        std::map<QString, QString> values;
        for (qsizetype c = 0; c < table.columns.size(); ++c)
            values[table.columns[c]] = row[c];
        rows.push_back(std::move(values));
    }
    if (rows.empty())
        throw CliInputError{QStringLiteral("a tabela %1 não tem linhas").arg(o.dataTable)};
    return rows;
}

bool usesSequence(const Scenario& s) {
    for (const ScenarioStep& step : s.steps)
        if (captureNames(step.dados).contains(QLatin1String("sequencia")))
            return true;
    return false;
}

int replayAndCompare(Scenario& s, const ScenarioOptions& o, const CliIo& io) {
    const std::vector<std::map<QString, QString>> rows = dataRows(s, o);
    const QString name = s.name.isEmpty() ? QFileInfo(o.file).baseName() : s.name;
    Tally tally;
    std::vector<std::vector<StepOutcome>> runs;
    std::vector<QDateTime> started;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ReplayTarget target = o.target;
        target.parameters = rows[r];
        if (!o.dataTable.isEmpty()) {
            QStringList values;
            for (const auto& [column, value] : rows[r])
                values << column + u'=' + value;
            io.out(QStringLiteral("== linha %1: %2\n")
                       .arg(r + 1)
                       .arg(values.join(QStringLiteral(", ")))
                       .toUtf8());
        }
        started.push_back(QDateTime::currentDateTime());
        runs.push_back(replayPrinting(s, target, tally, io));
    }
    io.out(QStringLiteral("%1 passo(s): %2 igual(is), %3 diferente(s), %4 erro(s); %5 membro(s) "
                          "ignorado(s), %6 ruído(s) aprendido(s)\n")
               .arg(tally.steps)
               .arg(tally.equal)
               .arg(tally.different)
               .arg(tally.errors)
               .arg(tally.ignored)
               .arg(tally.noise)
               .toUtf8());
    if (!o.junit.isEmpty()) {
        std::vector<JunitSuite> suites;
        for (std::size_t r = 0; r < runs.size(); ++r)
            suites.push_back(JunitSuite{
                o.dataTable.isEmpty() ? name : QStringLiteral("%1 [linha %2]").arg(name).arg(r + 1),
                &s, &runs[r], started[r], o.target.baseUrl});
        writeJunitReport(o.junit, suites);
    }
    if (o.update) {
        int updated = 0;
        for (std::size_t i = 0; i < runs.front().size(); ++i)
            updated += acceptAnswer(s.steps[i], runs.front()[i]);
        saveScenario(s, o.file, o.keepFiles);
        io.out(QStringLiteral("%1 resposta(s) esperada(s) atualizada(s) em %2\n")
                   .arg(updated)
                   .arg(o.file)
                   .toUtf8());
    } else if (usesSequence(s)) {
        saveScenario(s, o.file); // the sequence goes on from here next time
    }
    if (tally.errors > 0)
        return 2;
    return tally.different > 0 ? 1 : 0;
}

} // namespace

int runScenarioCommand(const QStringList& args, const CliIo& io) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        io.out(kScenarioUsage);
        return 0;
    }
    try {
        ScenarioOptions o = parse(args);
        settleTarget(o, io);
        if (!o.server.keys.isEmpty())
            CompanyKeys::loadFile(o.server.keys);
        Scenario s = loadScenario(o.file, o.maxScenarioBytes);
        // The company the scenario was recorded with, unless one is given.
        if (!o.server.given.contains(QLatin1String("--empresa")) && !s.company.isEmpty())
            o.target.companyCode = s.company;
        if (o.load.users > 0)
            return runLoad(s, o.target, o.load, io);
        if (o.noiseRuns > 0)
            return learnNoiseCommand(s, o, io);
        return replayAndCompare(s, o, io);
    } catch (const Usage& e) {
        io.err("testador-cli: " + e.message.toUtf8() + '\n');
        io.err(kScenarioUsage);
        return 2;
    } catch (const CliInputError& e) {
        io.err("testador-cli: " + e.message.toUtf8() + '\n');
        return 2;
    } catch (const std::exception& e) {
        io.err(QByteArray("testador-cli: ") + e.what() + '\n');
        return 2;
    }
}
