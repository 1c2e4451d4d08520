// Scenarios recorded with `call --gravar` and replayed with `cenario` against the stand-in:
// equal runs, learned noise, a scripted difference, ignored paths, captures, a new baseline
// and the refusals made before anything is sent.
#include "clirun.h"
#include "exchange/credentials.h"
#include "exchange/scenario.h"
#include "simserver.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

class ScenarioCli : public ::testing::Test {
protected:
    void SetUp() override {
        sim.start();
        file = dir.filePath(u"cenario.json"_s);
    }
    CliRun record(const QString& service, const QByteArray& dados, bool plain = false) {
        QStringList args{u"call"_s, u"--url"_s, sim.baseUrl(), u"--gravar"_s, file};
        if (plain)
            args << u"--plain"_s;
        args << service;
        if (!dados.isEmpty())
            args << u"-"_s;
        return run(args, dados);
    }
    CliRun replay(QStringList extra = {}) {
        return run(QStringList{u"cenario"_s, file, u"--url"_s, sim.baseUrl()} + extra);
    }
    // The file changed by hand, as a person would edit it.
    void edit(const std::function<void(Scenario&)>& change) {
        Scenario s = loadScenario(file);
        change(s);
        saveScenario(s, file);
    }
    sim::MiddlewareSim sim;
    QTemporaryDir dir;
    QString file;
};

} // namespace

TEST_F(ScenarioCli, RecordedExchangesReplayEqualAndADifferenceIsReportedByItsPath) {
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    ASSERT_EQ(record(u"TNFeAPI/CancelarNFe"_s, R"({"Chave":"123","Motivo":"ação"})").code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/TestaComunicacao"_s, R"({"eco":[1,2.50,"três"]})", true).code,
              0);
    const Scenario recorded = loadScenario(file);
    ASSERT_EQ(recorded.steps.size(), 3u);
    EXPECT_EQ(recorded.steps[2].travel, Travel::Plain);
    // The stand-in stamps every result with the time: a path ignored by hand.
    edit([](Scenario& s) { s.ignore = {u"result.conteudo.date"_s}; });

    sim.clearReceived();
    const CliRun equal = replay();
    EXPECT_EQ(equal.code, 0) << equal.out.constData() << equal.err.constData();
    EXPECT_EQ(equal.out.count("igual"), 4) << equal.out.constData(); // three steps, the summary
    // A session was opened first and the envelopes were signed with it.
    const auto got = sim.received();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].path, "TConexaoAPI/ConectaMiddleware");
    EXPECT_NE(got[1].body.find(R"("Id":1)"), std::string::npos) << got[1].body;
    EXPECT_EQ(got[3].body, R"({"eco":[1,2.50,"tr\u00EAs"]})");

    // One member answered differently: exactly that path, exit 1, the JUnit file names it.
    sim.enqueue("TConexaoAPI/TestaComunicacao",
                sim::Answer{200, R"({"result":{"eco":[1,2.5,"três"]}})", "application/json"});
    const QString junit = dir.filePath(u"relatorio.xml"_s);
    const CliRun different = replay({u"--junit"_s, junit});
    EXPECT_EQ(different.code, 1);
    EXPECT_TRUE(
        different.out.contains("[3] TestaComunicacao: diferente\n    result.eco[1]: 2.50 → 2.5 "
                               "(mesmo número, outro texto)\n"))
        << different.out.constData();
    EXPECT_EQ(different.out.count("    result."), 1) << different.out.constData();
    QFile report(junit);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray xml = report.readAll();
    EXPECT_EQ(xml.count("<testcase "), 3) << xml.constData();
    EXPECT_EQ(xml.count("<failure "), 1);
    EXPECT_TRUE(xml.contains("result.eco[1]: 2.50 → 2.5")) << xml.constData();

    // The same member ignored by the step: no longer reported.
    sim.enqueue("TConexaoAPI/TestaComunicacao",
                sim::Answer{200, R"({"result":{"eco":[1,2.5,"três"]}})", "application/json"});
    edit([](Scenario& s) { s.steps[2].ignore = {u"result.eco[*]"_s}; });
    const CliRun ignored = replay();
    EXPECT_EQ(ignored.code, 0) << ignored.out.constData();
}

TEST_F(ScenarioCli, NoiseIsLearnedByRepeatedRunsAndItsKindStillChecked) {
    ASSERT_EQ(record(u"TCommerceAPI/ProximoCodigo"_s, R"({"CodigoTabela":"7"})").code, 0);
    edit([](Scenario& s) { s.ignore = {u"result.conteudo.date"_s}; });
    // The counter moved on since the recording.
    const CliRun before = replay();
    EXPECT_EQ(before.code, 1);
    EXPECT_TRUE(before.out.contains("result.conteudo.livre.Codigo: 1 → 2"))
        << before.out.constData();

    const CliRun learn = replay({u"--ruido"_s, u"3"_s});
    EXPECT_EQ(learn.code, 0) << learn.out.constData() << learn.err.constData();
    const Scenario learned = loadScenario(file);
    EXPECT_TRUE(learned.steps[0].noise.contains(u"result.conteudo.livre.Codigo"_s))
        << learned.steps[0].noise.join(u',').toStdString();
    EXPECT_TRUE(learned.steps[0].ignore.isEmpty());

    const CliRun quiet = replay();
    EXPECT_EQ(quiet.code, 0) << quiet.out.constData();
    EXPECT_TRUE(quiet.out.contains("result.conteudo.livre.Codigo: ignorado: ruído aprendido"))
        << quiet.out.constData();

    // A number that turns into text is still reported.
    sim.enqueue("TCommerceAPI/ProximoCodigo",
                sim::resultEnvelope(false, "", u"Próximo código da tabela 7: 9."_s,
                                    *json::parse(R"({"Codigo":"indisponível"})").value));
    const CliRun turned = replay();
    EXPECT_EQ(turned.code, 1);
    EXPECT_TRUE(turned.out.contains("result.conteudo.livre.Codigo: 1 → \"indisponível\""))
        << turned.out.constData();
}

TEST_F(ScenarioCli, TimeStampsToTheSecondAreLearnedAsNoise) {
    // Two runs of one quick step: the middleware's date moves on between them all the same.
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    const CliRun learn = replay({u"--ruido"_s, u"2"_s});
    EXPECT_EQ(learn.code, 0) << learn.out.constData() << learn.err.constData();
    EXPECT_TRUE(loadScenario(file).steps[0].noise.contains(u"result.conteudo.date"_s))
        << learn.out.constData();
}

TEST_F(ScenarioCli, CapturesCarryValuesAndUpdateMakesANewBaseline) {
    ASSERT_EQ(record(u"TCommerceAPI/ProximoCodigo"_s, R"({"CodigoTabela":"9"})").code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/TestaComunicacao"_s, R"({"Ref":"x"})", true).code, 0);
    edit([](Scenario& s) {
        s.ignore = {u"result.conteudo.date"_s};
        s.steps[0].captures = {{u"codigo"_s, u"result.conteudo.livre.Codigo"_s}};
        s.steps[1].dados = *json::parse(R"({"Ref":"código ${codigo}"})").value;
    });
    sim.clearReceived();
    EXPECT_EQ(replay().code, 1); // the counter and the echo moved on
    EXPECT_EQ(sim.received().back().body, R"({"Ref":"c\u00F3digo 2"})");

    const CliRun update = replay({u"--atualizar"_s});
    EXPECT_EQ(update.code, 1);
    EXPECT_TRUE(update.out.contains("2 resposta(s) esperada(s) atualizada(s)"))
        << update.out.constData();
    const Scenario updated = loadScenario(file);
    EXPECT_EQ(updated.steps[0].captures.size(), 1u); // captures and ignored paths kept
    EXPECT_EQ(updated.ignore, QStringList{u"result.conteudo.date"_s});
    // The baseline holds the third code; the next run is equal once the counter is back there.
    sim.enqueue("TCommerceAPI/ProximoCodigo",
                sim::resultEnvelope(false, "", u"Próximo código da tabela 9: 3."_s,
                                    *json::parse(R"({"Codigo":3})").value));
    const CliRun equal = replay();
    EXPECT_EQ(equal.code, 0) << equal.out.constData();
    EXPECT_EQ(sim.received().back().body, R"({"Ref":"c\u00F3digo 3"})");
}

TEST_F(ScenarioCli, RefusalsSendNothing) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"{\"passos\": [\n oops", "linha 2, coluna 2"},
        {R"({"passos":[{"nome":"a","servico":"TConexaoAPI/Sobre/../../../x"}]})",
         "passo \"a\": serviço inválido"},
        {R"({"passos":[{"nome":"b","servico":"TConexaoAPI/Sobre","envio":"fax"}]})",
         "passo \"b\": forma de envio desconhecida"},
        {R"({"passos":[{"nome":"c","servico":"TConexaoAPI/Sobre","dados":"${nada}"}]})",
         "passo \"c\": usa ${nada}"},
    };
    for (const auto& c : cases) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        sim.clearReceived();
        const CliRun r = replay();
        EXPECT_EQ(r.code, 2) << c.text;
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.constData();
        EXPECT_TRUE(sim.received().empty()) << c.text;
    }
    EXPECT_EQ(run({u"cenario"_s}).code, 2);
    EXPECT_EQ(run({u"cenario"_s, dir.filePath(u"nenhum.json"_s)}).code, 2);
}

TEST_F(ScenarioCli, LoadReportsFiguresPerStepAndInTotal) {
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    const CliRun load = replay({u"--usuarios"_s, u"3"_s, u"--duracao"_s, u"1"_s, u"--json"_s});
    EXPECT_EQ(load.code, 0) << load.err.constData();
    const auto figures = json::parse(load.out.toStdString());
    ASSERT_TRUE(figures.value) << load.out.constData();
    const json::JsonValue* total = figures.value->find("total");
    ASSERT_NE(total, nullptr);
    EXPECT_NE(total->find("requisicoes")->text(), "0");
    EXPECT_EQ(total->find("falhas")->text(), "0");
    EXPECT_TRUE(load.err.contains("execuções")) << load.err.constData(); // the progress line
}

TEST_F(ScenarioCli, FileMembersBytesAreKeptBesideTheFileOnlyWhenAsked) {
    QByteArray pdf(6000, '\0');
    for (qsizetype i = 0; i < pdf.size(); ++i)
        pdf[i] = char(i * 7);
    const std::string answer =
        R"({"result":{"pdf":")" + pdf.toBase64().toStdString() + R"(","n":1}})";
    const auto enqueue = [&] {
        sim.enqueue("TConexaoAPI/Sobre", sim::Answer{200, answer, "application/json"});
    };
    enqueue();
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    const QString kept = dir.filePath(u"cenario.arquivos"_s);
    EXPECT_FALSE(QDir(kept).exists());

    // Recorded again with the option: the bytes beside the file, named by the scenario.
    QFile::remove(file);
    enqueue();
    CliRun r = run({u"call"_s, u"--url"_s, sim.baseUrl(), u"--gravar"_s, file,
                    u"--guardar-arquivos"_s, u"TConexaoAPI/Sobre"_s});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Sha256).toHex());
    QFile bytes(kept + u'/' + digest + u".bin"_s);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes.readAll(), pdf);
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains(
        (u"\"guardado\": \"cenario.arquivos/"_s + digest + u".bin\""_s).toUtf8()));

    // The reference does not make the member another file; other bytes do.
    enqueue();
    r = replay();
    EXPECT_EQ(r.code, 0) << r.out.constData();
    pdf[100] = 'x';
    sim.enqueue("TConexaoAPI/Sobre",
                sim::Answer{200,
                            R"({"result":{"pdf":")" + pdf.toBase64().toStdString() + R"(","n":1}})",
                            "application/json"});
    r = replay();
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.contains("result.pdf: ")) << r.out.constData();
}

TEST_F(ScenarioCli, CapturesAreSubstitutedOnceAndAFailedOneStopsTheStepsUsingIt) {
    ASSERT_EQ(record(u"TCommerceAPI/ProximoCodigo"_s, R"({"CodigoTabela":"9"})").code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/TestaComunicacao"_s, R"({"Ref":"x"})", true).code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    edit([](Scenario& s) {
        s.steps[0].captures = {{u"codigo"_s, u"result.conteudo.livre.Codigo"_s},
                               {u"b"_s, u"result.conteudo.livre.B"_s}};
        s.steps[1].dados = *json::parse(R"({"Ref":"${codigo}|${b}"})").value;
    });
    // A captured value holding ${b} goes out as it came: it is not read again.
    sim.enqueue("TCommerceAPI/ProximoCodigo",
                sim::resultEnvelope(false, "", u"ok"_s,
                                    *json::parse(R"({"Codigo":"x${b}y","B":"zz"})").value));
    sim.clearReceived();
    replay();
    ASSERT_GE(sim.received().size(), 3u);
    EXPECT_EQ(sim.received()[2].body, R"({"Ref":"x${b}y|zz"})");

    // Nothing to capture: the step that uses it is not sent, the others are; exit 2.
    sim.enqueue("TCommerceAPI/ProximoCodigo",
                sim::resultEnvelope(false, "", u"ok"_s, *json::parse(R"({"B":"zz"})").value));
    sim.clearReceived();
    const CliRun failed = replay();
    EXPECT_EQ(failed.code, 2);
    EXPECT_TRUE(failed.out.contains(
        "[2] TestaComunicacao: erro: não executado: a captura codigo falhou no passo 1\n"))
        << failed.out.constData();
    EXPECT_TRUE(failed.out.contains("[3] Sobre: ")) << failed.out.constData();
    for (const sim::Request& r : sim.received())
        EXPECT_NE(r.path, "TConexaoAPI/TestaComunicacao") << r.body;
}

TEST_F(ScenarioCli, AHungServerTimesOutAndTheReportIsJunitACiReads) {
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    ASSERT_EQ(record(u"TCommerceAPI/ProximoCodigo"_s, R"({"CodigoTabela":"9"})").code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/TestaComunicacao"_s, R"({"Ref":"x"})", true).code, 0);
    ASSERT_EQ(record(u"TConexaoAPI/Sobre"_s, "").code, 0);
    edit([](Scenario& s) {
        s.ignore = {u"result.conteudo.date"_s};
        s.steps[0].name = u"sobre"_s;
        s.steps[3].name = u"sobre"_s; // repeated: made unique in the report
        s.steps[1].expected.json = *json::parse(R"({"r":"x\u0001","z":1})").value;
    });
    // The code answers with a control character; the echo hangs until the test ends.
    sim.enqueue("TCommerceAPI/ProximoCodigo",
                sim::Answer{200, R"({"z":1,"r":"x"})", "application/json"});
    std::atomic<bool> release = false;
    sim.setHandler("TConexaoAPI/TestaComunicacao",
                   [&](const sim::Request&, const json::JsonValue*) {
                       for (int i = 0; i < 600 && !release; ++i)
                           std::this_thread::sleep_for(std::chrono::milliseconds(50));
                       return sim::Answer{200, "{}", "application/json"};
                   });
    const QString junit = dir.filePath(u"relatorio.xml"_s);
    const auto started = std::chrono::steady_clock::now();
    const CliRun r = replay({u"--timeout"_s, u"2"_s, u"--junit"_s, junit});
    const auto took = std::chrono::steady_clock::now() - started;
    release = true;
    EXPECT_LT(took, std::chrono::seconds(20)); // the hang lasts 30 s
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.contains("[1] sobre: igual\n")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("[3] TestaComunicacao: erro: tempo esgotado")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("[4] sobre: igual\n")) << r.out.constData();

    QFile report(junit);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&report);
    QStringList cases;
    QString failureMessage, errorType, systemOut;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"testcase")
            cases << x.attributes().value(QLatin1String("name")).toString();
        else if (x.name() == u"failure") {
            EXPECT_EQ(x.attributes().value(QLatin1String("type")), u"diferente");
            failureMessage = x.attributes().value(QLatin1String("message")).toString();
        } else if (x.name() == u"error")
            errorType = x.attributes().value(QLatin1String("type")).toString();
        else if (x.name() == u"system-out")
            systemOut = x.readElementText();
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    EXPECT_EQ(cases,
              (QStringList{u"sobre"_s, u"ProximoCodigo"_s, u"TestaComunicacao"_s, u"sobre (2)"_s}));
    // The first difference with both values, its control character escaped.
    EXPECT_TRUE(failureMessage.startsWith(u"r: \"x\\x01\" → \"x\""_s))
        << failureMessage.toStdString();
    EXPECT_EQ(errorType, u"erro"_s);
    EXPECT_TRUE(systemOut.contains(u"[ProximoCodigo] nota: "_s)) << systemOut.toStdString();

    const QString schema = QStringLiteral(JUNIT_XSD);
    if (!QFile::exists(schema) || QStandardPaths::findExecutable(u"xmllint"_s).isEmpty())
        GTEST_SKIP() << "sem o esquema JUnit (" << schema.toStdString() << ") ou sem xmllint";
    QProcess lint;
    lint.start(u"xmllint"_s, {u"--noout"_s, u"--schema"_s, schema, junit});
    ASSERT_TRUE(lint.waitForFinished(30000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().constData();
}

TEST_F(ScenarioCli, RecordingIntoAFileThatCannotBeReadSendsNothing) {
    for (const QByteArray& broken :
         {QByteArray("não é JSON"), QByteArray(R"({"passos":[{"servico":"a/../../b"}]})")}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(broken);
        f.close();
        sim.clearReceived();
        const CliRun r = record(u"TConexaoAPI/Sobre"_s, "");
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.contains("nada foi enviado")) << r.err.constData();
        EXPECT_TRUE(sim.received().empty());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), broken);
        f.close();
    }
}

TEST(ServiceCatalogue, EveryPagesPathIsAScenarioStepTheReaderTakes) {
    const CliRun listed = run({u"servicos"_s, u"--json"_s});
    if (listed.code == 2 && listed.err.contains("não traz o catálogo"))
        GTEST_SKIP() << "compilação sem a janela: sem catálogo";
    ASSERT_EQ(listed.code, 0) << listed.err.constData();
    const auto pages = json::parse(listed.out.toStdString());
    ASSERT_TRUE(pages.value && pages.value->isArray());
    EXPECT_GT(pages.value->size(), 150u);
    Scenario s;
    QStringList paths;
    for (std::size_t i = 0; i < pages.value->size(); ++i) {
        const json::JsonValue& page = pages.value->at(i);
        ASSERT_TRUE(page.find("pagina") && page.find("descricao")) << i;
        for (std::size_t k = 0; k < page.find("servicos")->size(); ++k) {
            const QString path = page.find("servicos")->at(k).find("caminho")->toQString();
            if (!path.contains(u'/'))
                continue; // a path the page builds from its fields
            paths << path;
            ScenarioStep step;
            step.path = path;
            step.page = page.find("pagina")->toQString();
            step.name = freshStepName(s, path);
            step.expected.status = 200;
            s.steps.push_back(std::move(step));
        }
    }
    EXPECT_TRUE(paths.contains(u"TNFeAPI/CancelarNFeSefaz"_s));
    QTemporaryDir dir;
    const QString file = dir.filePath(u"todas.json"_s);
    saveScenario(s, file);
    EXPECT_EQ(loadScenario(file).steps.size(), s.steps.size());
    // The plain listing names the same pages.
    const CliRun plain = run({u"servicos"_s});
    EXPECT_EQ(plain.code, 0);
    EXPECT_TRUE(plain.out.contains("ts_ConectaMiddleware (")) << plain.out.left(400).constData();
}

TEST_F(ScenarioCli, GeneratedValuesTheCompanyKeptAndARunPerRowOfATable) {
    const CliRun recorded =
        run({u"call"_s, u"--url"_s, sim.baseUrl(), u"--empresa"_s, u"3"_s, u"--plain"_s,
             u"--gravar"_s, file, u"TConexaoAPI/TestaComunicacao"_s, u"-"_s},
            R"({"Ref":"x"})");
    ASSERT_EQ(recorded.code, 0) << recorded.err.constData();
    EXPECT_EQ(loadScenario(file).company, u"3"_s);
    edit([](Scenario& s) {
        s.parameters = {u"cnpj"_s};
        s.steps[0].dados =
            *json::parse(R"({"Ref":"${cnpj}|${sequencia}|${hoje}|${uuid}|${agora:yyyy}"})").value;
    });
    // Parameters need their table.
    const CliRun without = replay();
    EXPECT_EQ(without.code, 2);
    EXPECT_TRUE(without.err.contains("--dados")) << without.err.constData();

    const QString table = dir.filePath(u"tabela.csv"_s);
    {
        QFile f(table);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("cnpj;nome\r\n111;Ana\r\n\"22;2\";\"B\xEA\"\r\n"); // Windows-1252
    }
    sim.clearReceived();
    const QString junit = dir.filePath(u"linhas.xml"_s);
    const CliRun rows = replay({u"--dados"_s, table, u"--junit"_s, junit});
    EXPECT_EQ(rows.code, 1) << rows.out.constData(); // the echo differs from the recording
    EXPECT_TRUE(rows.out.contains("== linha 2: cnpj=22;2, nome=Bê\n")) << rows.out.constData();
    std::vector<sim::Request> got;
    for (const sim::Request& r : sim.received())
        if (r.path == "TConexaoAPI/TestaComunicacao")
            got.push_back(r);
    ASSERT_EQ(got.size(), 2u);
    const QString today = QDate::currentDate().toString(u"dd/MM/yyyy"_s);
    const QString year = QString::number(QDate::currentDate().year());
    for (std::size_t i = 0; i < 2; ++i) {
        const auto sent = json::parse(got[i].body).value;
        ASSERT_TRUE(sent) << got[i].body;
        const QStringList parts = sent->find("Ref")->toQString().split(u'|');
        ASSERT_EQ(parts.size(), 5) << got[i].body;
        EXPECT_EQ(parts[0], i == 0 ? u"111"_s : u"22;2"_s);
        EXPECT_EQ(parts[1], QString::number(i + 1));
        EXPECT_EQ(parts[2], today);
        EXPECT_EQ(parts[3].size(), 36);
        EXPECT_EQ(parts[4], year);
        // The company the scenario was recorded with.
        EXPECT_EQ(QString::fromStdString(got[i].authUser), credentialsForCompany(3).user);
    }
    // The sequence goes on from the file on the next run.
    EXPECT_EQ(loadScenario(file).sequence, 2);
    QFile report(junit);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray xml = report.readAll();
    EXPECT_TRUE(xml.contains("name=\"cenario [linha 1]\"")) << xml.constData();
    EXPECT_TRUE(xml.contains("name=\"cenario [linha 2]\"")) << xml.constData();
}
