#include "cenario.h"
#include "cenarioload.h"
#include "tlsoptions.h"

#include "common/companykeys.h"
#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <QXmlStreamWriter>

#include <set>

namespace {

const char* const kScenarioUsage =
    "uso: testador-cli cenario ARQUIVO [--url BASE] [--empresa N] [--keys ARQUIVO]\n"
    "                          [--junit ARQUIVO] [--atualizar] [--ruido [N]]\n"
    "                          [--guardar-arquivos]\n"
    "                          [--usuarios N --duracao SEGUNDOS [--ritmo R] [--json]]\n"
    "      executa os passos do cenário em ordem e compara cada resposta com a gravada;\n"
    "      --junit grava um relatório JUnit; --atualizar grava as respostas obtidas como\n"
    "      esperadas; --ruido executa N vezes (padrão 2) e aprende os membros que mudam;\n"
    "      --guardar-arquivos grava ao lado do cenário, na pasta ARQUIVO.arquivos, os\n"
    "      arquivos das respostas gravadas (base64 de 4 KiB ou mais);\n"
    "      --usuarios executa o cenário em laço por N usuários durante SEGUNDOS, até R\n"
    "      execuções por segundo, e mostra os números de carga (--json: em JSON)\n"
    "      --ca, --cert, --chave e --inseguro: HTTPS, como em call (testador-cli --help)\n"
    "  saída: 0 tudo igual, 1 alguma diferença, 2 uso, arquivo ou falha de conexão\n";

struct Usage {
    QString message;
};

struct ScenarioOptions {
    QString file;
    ReplayTarget target;
    QString keys;
    QString junit;
    bool update = false;
    bool keepFiles = false;
    int noiseRuns = 0;
    LoadOptions load;
    TlsOptions tls;
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
    o.target.baseUrl = QStringLiteral("http://localhost:8080/datasnap/rest/");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw Usage{QStringLiteral("falta o valor de %1").arg(a)};
            return args[++i];
        };
        if (a == QLatin1String("--url"))
            o.target.baseUrl = value();
        else if (a == QLatin1String("--empresa"))
            o.target.companyCode = value();
        else if (a == QLatin1String("--keys"))
            o.keys = value();
        else if (a == QLatin1String("--junit"))
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
        } else if (a == QLatin1String("--usuarios"))
            o.load.users = positiveNumber(a, value());
        else if (a == QLatin1String("--duracao"))
            o.load.seconds = positiveNumber(a, value());
        else if (a == QLatin1String("--ritmo"))
            o.load.rate = positiveNumber(a, value());
        else if (a == QLatin1String("--json"))
            o.load.json = true;
        else if (takeTlsOption(a, value, o.tls))
            continue;
        else if (a.startsWith(QLatin1String("--")))
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
    if (const QString refused = settleTlsOptions(o.tls, nullptr); !refused.isEmpty())
        throw Usage{refused};
    o.target.tls = o.tls.settings;
    o.target.clientPassword = o.tls.clientPassword;
    return o;
}

// The failure text of a step: its differences, one a line, or its error.
QString failureText(const StepOutcome& out) {
    if (out.verdict == Verdict::Error)
        return out.error;
    QStringList lines;
    for (const Difference& d : out.comparison.differences)
        lines.append(differenceLine(d));
    return lines.join(u'\n');
}

void writeJunit(const QString& fileName, const Scenario& s,
                const std::vector<StepOutcome>& outcomes) {
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw EFileError(
            QStringLiteral("Não foi possível gravar '%1': %2").arg(fileName, f.errorString()));
    int failures = 0, errors = 0;
    double total = 0;
    for (const StepOutcome& o : outcomes) {
        failures += o.verdict == Verdict::Different;
        errors += o.verdict == Verdict::Error;
        total += o.elapsedMs;
    }
    const QString suite = s.name.isEmpty() ? QFileInfo(fileName).baseName() : s.name;
    QXmlStreamWriter x(&f);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("testsuites"));
    x.writeStartElement(QStringLiteral("testsuite"));
    x.writeAttribute(QStringLiteral("name"), suite);
    x.writeAttribute(QStringLiteral("tests"), QString::number(outcomes.size()));
    x.writeAttribute(QStringLiteral("failures"), QString::number(failures));
    x.writeAttribute(QStringLiteral("errors"), QString::number(errors));
    x.writeAttribute(QStringLiteral("time"), QString::number(total / 1000, 'f', 3));
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const StepOutcome& o = outcomes[i];
        x.writeStartElement(QStringLiteral("testcase"));
        x.writeAttribute(QStringLiteral("classname"), suite);
        x.writeAttribute(QStringLiteral("name"),
                         QStringLiteral("%1 %2").arg(i + 1).arg(stepLabel(s, i)));
        x.writeAttribute(QStringLiteral("time"), QString::number(o.elapsedMs / 1000, 'f', 3));
        if (o.verdict != Verdict::Equal) {
            const bool error = o.verdict == Verdict::Error;
            x.writeStartElement(error ? QStringLiteral("error") : QStringLiteral("failure"));
            x.writeAttribute(
                QStringLiteral("message"),
                error ? o.error
                      : QStringLiteral("%1 diferença(s)").arg(o.comparison.differences.size()));
            x.writeCharacters(failureText(o));
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    if (!f.commit())
        throw EFileError(
            QStringLiteral("Não foi possível gravar '%1': %2").arg(fileName, f.errorString()));
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

int replayAndCompare(Scenario& s, const ScenarioOptions& o, const CliIo& io) {
    const std::vector<StepOutcome> outcomes = replayScenario(s, o.target);
    int equal = 0, different = 0, errors = 0, ignored = 0, noise = 0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const StepOutcome& out = outcomes[i];
        equal += out.verdict == Verdict::Equal;
        different += out.verdict == Verdict::Different;
        errors += out.verdict == Verdict::Error;
        ignored += out.comparison.ignored;
        noise += out.comparison.noiseSkipped;
        QString line =
            QStringLiteral("[%1] %2: %3").arg(i + 1).arg(stepLabel(s, i), verdictName(out.verdict));
        if (out.verdict == Verdict::Error)
            line += QStringLiteral(": ") + out.error;
        line += u'\n';
        for (const Difference& d : out.comparison.differences)
            line += QStringLiteral("    ") + differenceLine(d) + u'\n';
        for (const QString& note : out.comparison.notes)
            line += QStringLiteral("    nota: ") + note + u'\n';
        io.out(line.toUtf8());
    }
    io.out(QStringLiteral("%1 passo(s): %2 igual(is), %3 diferente(s), %4 erro(s); %5 membro(s) "
                          "ignorado(s), %6 ruído(s) aprendido(s)\n")
               .arg(outcomes.size())
               .arg(equal)
               .arg(different)
               .arg(errors)
               .arg(ignored)
               .arg(noise)
               .toUtf8());
    if (!o.junit.isEmpty())
        writeJunit(o.junit, s, outcomes);
    if (o.update) {
        int updated = 0;
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            updated += acceptAnswer(s.steps[i], outcomes[i]);
        saveScenario(s, o.file, o.keepFiles);
        io.out(QStringLiteral("%1 resposta(s) esperada(s) atualizada(s) em %2\n")
                   .arg(updated)
                   .arg(o.file)
                   .toUtf8());
    }
    if (errors > 0)
        return 2;
    return different > 0 ? 1 : 0;
}

} // namespace

int runScenarioCommand(const QStringList& args, const CliIo& io) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        io.out(kScenarioUsage);
        return 0;
    }
    try {
        const ScenarioOptions o = parse(args);
        if (!o.keys.isEmpty())
            CompanyKeys::loadFile(o.keys);
        Scenario s = loadScenario(o.file);
        io.err(tlsReport(o.target.tls, {}));
        if (o.load.users > 0)
            return runLoad(s, o.target, o.load, io);
        if (o.noiseRuns > 0)
            return learnNoiseCommand(s, o, io);
        return replayAndCompare(s, o, io);
    } catch (const Usage& e) {
        io.err("testador-cli: " + e.message.toUtf8() + '\n');
        io.err(kScenarioUsage);
        return 2;
    } catch (const std::exception& e) {
        io.err(QByteArray("testador-cli: ") + e.what() + '\n');
        return 2;
    }
}

void recordIntoScenario(const QString& fileName, const QString& method, const QString& path,
                        const QByteArray& request, bool authenticated, int status,
                        const QByteArray& answer, const QByteArray& contentType, bool keepFiles) {
    Scenario s;
    if (QFileInfo::exists(fileName))
        s = loadScenario(fileName);
    else
        s.name = QFileInfo(fileName).baseName();
    ScenarioStep step =
        stepFromExchange(method, path, request, authenticated, status, answer, contentType);
    step.name = freshStepName(s, path);
    s.steps.push_back(std::move(step));
    saveScenario(s, fileName, keepFiles);
}
