#include "harness.h"

#include "exchange/envelope.h"
#include "tables/memtable.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringEncoder>

class NumberingPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    MemTable& faixas() { return dm->table(QStringLiteral("vt_InutilizaSEFAZFaixas")); }
    void batchMode() {
        window->selectPage(QStringLiteral("ts_InutilizaSEFAZ"));
        find<QRadioButton>(QStringLiteral("rg_InutilizaSEFAZTipo_1"))->setChecked(true);
    }
    void addRange(const QVariant& first, const QVariant& last) {
        faixas().append();
        if (first.isValid())
            faixas().setValue(QStringLiteral("NumeroInicial"), first);
        if (last.isValid())
            faixas().setValue(QStringLiteral("NumeroFinal"), last);
        faixas().post();
    }
};

TEST_F(NumberingPagesTest, EachPageSendsItsDataValue) {
    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> edits;
        const char* path;
        const char* dados;
    } cases[] = {
        {"bt_TestarHoraSefazOnline",
         {{"ed_CNPJHoraSefazOnline", QStringLiteral("11.222\t333")}},
         "TNFeAPI/HoraSefazOnline",
         "\"11.222\\t333\""},
        {"bt_TestarInutilizaSEFAZ",
         {},
         "TNFeAPI/InutilizaSEFAZ",
         R"({"CNPJ":"11222333000181","Justificativa":"Teste de Inutiliza\u00E7\u00E3o","Serie":0,"NumeroInicial":0,"NumeroFinal":0,"ModeloFiscal":"55"})"},
        {"bt_TestarGetProximaNota",
         {{"ed_QuantidadeGetProximaNota", QString()}},
         "TNFeAPI/GetProximaNota",
         R"({"Filial":"001","Serie":"1","Quantidade":0})"},
        {"bt_TestarSetProximaNota",
         {{"ed_ProximaSetProximaNota", QStringLiteral("77")}},
         "TNFeAPI/SetProximaNota",
         R"({"Filial":"001","Serie":"1","Proxima":77})"},
        {"bt_TestarZerarNumeroNota", {}, "TNFeAPI/ZerarNumeroNota", R"({"Filial":"001"})"},
        {"btSefazOnline",
         {},
         "TNFeAPI/SefazOnLine",
         R"({"CNPJ":"11222333000181","TIPOEMISSAO":0,"MODELONOTA":"55"})"},
        {"bt_GetUltimaNotaTestar", {}, "TNFeAPI/GetUltimaNota", R"({"Filial":"001","Serie":"1"})"},
    };
    for (const auto& c : cases) {
        sim.clearReceived();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
        EXPECT_TRUE(seen().empty()) << c.button << ": " << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u) << c.button;
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(dadosOf(received()[0]), c.dados) << c.button;
    }
    // Positions and typed text of the drop-downs.
    auto* tipo = find<QComboBox>(QStringLiteral("cb_TipoEmissaoSefazOnline"));
    tipo->setCurrentIndex(2);
    click(QStringLiteral("btSefazOnline"));
    EXPECT_EQ(dadosOf(received().back()),
              R"({"CNPJ":"11222333000181","TIPOEMISSAO":2,"MODELONOTA":"55"})");
    tipo->setEditText(QStringLiteral("Outro"));
    click(QStringLiteral("btSefazOnline"));
    EXPECT_EQ(dadosOf(received().back()),
              R"({"CNPJ":"11222333000181","TIPOEMISSAO":-1,"MODELONOTA":"55"})");
    find<QComboBox>(QStringLiteral("cb_ModeloInutilizaSEFAZ"))->setCurrentIndex(1);
    click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    EXPECT_NE(dadosOf(received().back()).find(R"("ModeloFiscal":"65")"), std::string::npos);
    setText(QStringLiteral("ed_QuantidadeGetProximaNota"), QStringLiteral("x"));
    sim.clearReceived();
    click(QStringLiteral("bt_TestarGetProximaNota"));
    EXPECT_TRUE(received().empty());
    expectMessage(QStringLiteral("'x' is not a valid integer value"));
}

TEST_F(NumberingPagesTest, SingleModeChecksInOrder) {
    const struct {
        const char* field;
        const char* message;
    } cases[] = {
        {"ed_CNPJInutilizaSEFAZ", "Informe o CNPJ."},
        {"ed_JustificativaInutilizaSEFAZ", "Informe a justificativa."},
        {"ed_SerieInutilizaSEFAZ", "Informe a série."},
        {"ed_NumeracaoInicialInutilizaSEFAZ", "Informe a numeração inicial."},
        {"ed_NumeracaoFinalInutilizaSEFAZ", "Informe a numeração final."},
    };
    for (const auto& c : cases) {
        setText(QString::fromLatin1(c.field), QStringLiteral("  "));
        click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
        ASSERT_FALSE(seen().empty());
        EXPECT_EQ(seen().back().text, QString::fromUtf8(c.message));
        setText(QString::fromLatin1(c.field), QStringLiteral("1"));
    }
    EXPECT_TRUE(received().empty());
}

TEST_F(NumberingPagesTest, ModeSwitchShowsTheGridAndHidesTheSingleRange) {
    window->selectPage(QStringLiteral("ts_InutilizaSEFAZ"));
    auto* box = find<QGroupBox>(QStringLiteral("gb_InutilizaSEFAZFaixas"));
    auto* first = find<QLineEdit>(QStringLiteral("ed_NumeracaoInicialInutilizaSEFAZ"));
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(first->isVisible());
    batchMode();
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(first->isVisible());
    find<QRadioButton>(QStringLiteral("rg_InutilizaSEFAZTipo_0"))->setChecked(true);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(NumberingPagesTest, BatchRowChecksAndDeclinedConfirmationSendNothing) {
    batchMode();
    const struct {
        QVariant first, last;
        const char* message;
    } cases[] = {
        {QVariant(), QVariant(), "Informe pelo menos uma faixa para inutilizar"},
        {10, 5, "Número Inicial [10]  não pode ser maior que o Número Final [5] . Verifique!"},
        {0, 5, "Número da faixa não pode ser zero. Verifique!"},
        {QVariant(), 5, "Número da faixa não pode ser zero. Verifique!"},
    };
    for (const auto& c : cases) {
        faixas().removeAll();
        if (c.first.isValid() || c.last.isValid())
            addRange(c.first, c.last);
        click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
        ASSERT_FALSE(seen().empty());
        EXPECT_EQ(seen().back().text, QString::fromUtf8(c.message));
    }
    faixas().removeAll();
    addRange(1, 5);
    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    EXPECT_EQ(recorded->confirmations.back(),
              QStringLiteral("Deseja realmente inutilizar todas essas faixas de numeração?"));
    EXPECT_TRUE(received().empty());
}

TEST_F(NumberingPagesTest, ImportThenRunMarksEachRow) {
    batchMode();
    // Blanks around the numbers, a line without ";" and, in a second file, a line with letters.
    recorded->fileAnswers.push_back(
        fixture(QStringLiteral("faixas.txt"), "  1 ; 5  \r\n10;5000\r\n\r\n 7 \r\n"));
    click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
    ASSERT_EQ(faixas().recordCount(), 4);
    faixas().first();
    EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroInicial")), 1);
    EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroFinal")), 5);
    faixas().moveTo(3);
    EXPECT_TRUE(faixas().isNull(QStringLiteral("NumeroInicial")));
    EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroFinal")), 7);
    EXPECT_TRUE(recorded->confirmations.empty()); // the grid was empty

    recorded->fileAnswers.push_back(fixture(QStringLiteral("ruim.txt"), "1;2\r\nabc;3\r\n"));
    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
    EXPECT_EQ(faixas().recordCount(), 4); // declined: unchanged
    recorded->fileAnswers.push_back(fixture(QStringLiteral("ruim.txt"), "1;2\r\nabc;3\r\n"));
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
    EXPECT_EQ(seen().back().text,
              QStringLiteral(
                  "Ocorreu um erro na leitura do arquivo: 'abc' is not a valid integer value"));
    EXPECT_EQ(faixas().recordCount(), 1); // the rows before the failing line stay

    recorded->fileAnswers.push_back(
        fixture(QStringLiteral("boas.txt"), "1;5\r\n10;5000\r\n20;30\r\n"));
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
    ASSERT_EQ(faixas().recordCount(), 3);
    // An earlier outcome that would no longer hold.
    faixas().moveTo(2);
    faixas().setReadOnly(QStringLiteral("Situacao"), false);
    faixas().setValue(QStringLiteral("Situacao"), QStringLiteral("OK"));
    faixas().post();
    faixas().setReadOnly(QStringLiteral("Situacao"), true);
    sim.enqueue("TNFeAPI/InutilizaSEFAZ",
                sim::Answer{200, R"({"result":{"controle":{"err":false}}})"});
    sim.enqueue("TNFeAPI/InutilizaSEFAZ",
                sim::Answer{200, R"({"result":{"controle":{"err": false}}})"});
    sim.enqueue("TNFeAPI/InutilizaSEFAZ", sim::Answer{500, "falhou", "text/plain"});
    seen().clear();
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    const auto got = received();
    ASSERT_EQ(got.size(), 3u);
    const char* outcomes[] = {"OK", "ERRO", "ERRO"};
    for (int i = 0; i < 3; ++i) {
        faixas().moveTo(i);
        EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QString::fromLatin1(outcomes[i]))
            << i;
        EXPECT_EQ(faixas().asString(QStringLiteral("Request")),
                  QString::fromStdString(got[std::size_t(i)].body))
            << i;
    }
    faixas().moveTo(0);
    EXPECT_EQ(faixas().asString(QStringLiteral("Response")),
              QStringLiteral(R"({"result":{"controle":{"err":false}}})"));
    // The HTTP failure keeps the server's answer under its status line.
    faixas().moveTo(2);
    EXPECT_EQ(faixas().asString(QStringLiteral("Response")),
              QStringLiteral("HTTP/1.1 500 Internal Server Error\r\nfalhou"));
    EXPECT_NE(dadosOf(got[1]).find(R"("NumeroInicial":10,"NumeroFinal":5000)"), std::string::npos);
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QStringLiteral("*** VERIFIQUE NO GRID ***"));
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), QStringLiteral("*** VERIFIQUE NO GRID ***"));
    expectMessage(QStringLiteral("A execução parou no registro 3, que terminou com ERRO: HTTP/1.1 "
                                 "500 Internal Server Error\n3 de 3 registro(s) foram enviados"));
    EXPECT_TRUE(faixas().field(QStringLiteral("Situacao")).readOnly);

    // Without scripted answers the stand-in rejects the wide range.
    seen().clear();
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    faixas().moveTo(1);
    EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QStringLiteral("ERRO"));
    faixas().moveTo(2);
    EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QStringLiteral("OK"));
    expectMessage(QStringLiteral("1 de 3 registro(s) terminaram com ERRO"));

    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_LimparGridInutilizaSEFAZ"));
    EXPECT_EQ(faixas().recordCount(), 3);
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_LimparGridInutilizaSEFAZ"));
    EXPECT_EQ(faixas().recordCount(), 0);
    EXPECT_EQ(recorded->confirmations.back(),
              QStringLiteral("Deseja realmente limpar o grid com as faixas de numeração?"));
}

// Every run starts from blank outcomes: a run that stops before its first row leaves every row
// blank, and in a run where one request fails each row holds this run's request and answer.
TEST_F(NumberingPagesTest, NoRowKeepsAnOutcomeOfAnEarlierRun) {
    batchMode();
    addRange(1, 5);
    addRange(10, 20);
    addRange(30, 40);
    const QStringList outcome = {QStringLiteral("Situacao"), QStringLiteral("Request"),
                                 QStringLiteral("Response")};
    auto cell = [&](int row, int field) {
        faixas().moveTo(row);
        return faixas().asString(outcome[field]);
    };
    auto runAll = [&] {
        sim.clearReceived();
        recorded->confirmAnswers.push_back(true);
        click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    };
    runAll(); // an earlier run in which every row went through
    for (int row = 0; row < 3; ++row)
        ASSERT_EQ(cell(row, 0), QStringLiteral("OK")) << row;

    // A page value that does not convert stops the run before anything is sent.
    setText(QStringLiteral("ed_SerieInutilizaSEFAZ"), QStringLiteral("x"));
    runAll();
    expectMessage(QStringLiteral("'x' is not a valid integer value"));
    EXPECT_TRUE(received().empty());
    for (int row = 0; row < 3; ++row)
        for (int field = 0; field < 3; ++field)
            EXPECT_EQ(cell(row, field), QString()) << row << " " << outcome[field].toStdString();
    EXPECT_TRUE(faixas().field(QStringLiteral("Situacao")).readOnly);

    // Outcomes of a good run again; the next run sends another reason, so no row can pass off
    // an earlier request as its own. An HTTP failure ends the run at its row: the rows after it
    // are not sent and keep no outcome.
    setText(QStringLiteral("ed_SerieInutilizaSEFAZ"), QStringLiteral("1"));
    runAll();
    setText(QStringLiteral("ed_JustificativaInutilizaSEFAZ"), QStringLiteral("Outra razão"));
    sim.enqueue("TNFeAPI/InutilizaSEFAZ",
                sim::Answer{200, R"({"result":{"controle":{"err":false}}})"});
    sim.enqueue("TNFeAPI/InutilizaSEFAZ", sim::Answer{500, "", "text/plain"});
    runAll();
    const auto got = received();
    ASSERT_EQ(got.size(), 2u);
    const char* situacao[] = {"OK", "ERRO", ""};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cell(row, 0), QString::fromLatin1(situacao[row])) << row;
        EXPECT_EQ(cell(row, 1),
                  row < 2 ? QString::fromStdString(got[std::size_t(row)].body) : QString())
            << row;
    }
    EXPECT_NE(got[1].body.find("Outra raz"), std::string::npos);
    EXPECT_EQ(cell(1, 2), QStringLiteral("HTTP/1.1 500 Internal Server Error"));
    EXPECT_EQ(cell(2, 2), QString());
    EXPECT_EQ(faixas().state(), MemTable::State::Browse);
    expectMessage(QStringLiteral("A execução parou no registro 2, que terminou com ERRO: HTTP/1.1 "
                                 "500 Internal Server Error\n2 de 3 registro(s) foram enviados; "
                                 "os seguintes não foram enviados. Verifique no grid."));
}

TEST_F(NumberingPagesTest, ImportReadsFilesWithAnyByteOrderMark) {
    batchMode();
    const QString lines = QStringLiteral("1;5\r\n 10 ; 20\r\n");
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF" + lines.toUtf8()},
        {"UTF-16 LE mark", "\xFF\xFE" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(lines))},
        {"UTF-16 BE mark", "\xFE\xFF" + QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(lines))},
    };
    for (const auto& f : files) {
        faixas().removeAll();
        recorded->fileAnswers.push_back(fixture(QStringLiteral("faixas.txt"), f.bytes));
        click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
        EXPECT_TRUE(seen().empty()) << f.name << ": " << shownMessages().toStdString();
        ASSERT_EQ(faixas().recordCount(), 2) << f.name;
        faixas().moveTo(1);
        EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroInicial")), 10) << f.name;
        EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroFinal")), 20) << f.name;
    }
}

// After a run the table's cursor stands past its last row; importing and clearing still work.
TEST_F(NumberingPagesTest, ImportAndClearWorkAfterARun) {
    batchMode();
    const QString narrow = fixture(QStringLiteral("estreitas.txt"), "1;5\r\n10;20\r\n");
    const QString wide = fixture(QStringLiteral("larga.txt"), "1;5\r\n10;5000\r\n");
    const QString next = fixture(QStringLiteral("novas.txt"), "30;40\r\n50;60\r\n70;80\r\n");
    const struct {
        const char* run;
        QString file;
        bool confirmRun;
        std::size_t sent;
    } runs[] = {
        {"successful run", narrow, true, 2},
        {"failed run", wide, true, 2}, // the stand-in rejects a range wider than 1000 numbers
        {"cancelled confirmation", narrow, false, 0},
    };
    for (const auto& r : runs) {
        for (const bool clearing : {false, true}) {
            const std::string what = std::string(r.run) + (clearing ? ", clear" : ", import");
            faixas().removeAll();
            recorded->fileAnswers.push_back(r.file);
            click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
            ASSERT_EQ(faixas().recordCount(), 2) << what;
            sim.clearReceived();
            recorded->confirmAnswers.push_back(r.confirmRun);
            click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
            EXPECT_EQ(received().size(), r.sent) << what;
            EXPECT_TRUE(faixas().eof()) << what;

            seen().clear();
            recorded->confirmations.clear();
            recorded->confirmAnswers.push_back(true);
            if (clearing) {
                click(QStringLiteral("bt_LimparGridInutilizaSEFAZ"));
                EXPECT_EQ(faixas().recordCount(), 0) << what;
            } else {
                recorded->fileAnswers.push_back(next);
                click(QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ"));
                ASSERT_EQ(faixas().recordCount(), 3) << what;
                faixas().first();
                EXPECT_EQ(faixas().asInteger(QStringLiteral("NumeroInicial")), 30) << what;
                EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QString()) << what;
            }
            EXPECT_EQ(recorded->confirmations.size(), 1u) << what;
            EXPECT_TRUE(seen().empty()) << what << ": " << shownMessages().toStdString();
        }
    }
}

TEST_F(NumberingPagesTest, CertificateIsSavedByteForByte) {
    setText(QStringLiteral("ed_CNPJCertificado"), QStringLiteral("11/222 333"));
    recorded->fileAnswers.push_back(
        QDir::current().absoluteFilePath(QStringLiteral("empresa.pfx")));
    click(QStringLiteral("bt_TestarCertificado"));
    const auto got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].method, "GET");
    EXPECT_EQ(got[0].target, "/datasnap/rest/TNFeAPI/Certificado/1001/11%2F222%20333");
    QFile saved(QStringLiteral("empresa.pfx"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(bytes, QByteArray("0\x82\x01\x00\x02\x01\x03\x00\xff\xfe", 10) +
                         "CERTIFICADO-SIMULADO:" + QByteArray::fromStdString(got[0].path));
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString());
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), QString());

    // Cancelled: nothing written.
    QFile::remove(QStringLiteral("empresa.pfx"));
    recorded->fileAnswers.push_back(QString());
    click(QStringLiteral("bt_TestarCertificado"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("empresa.pfx")));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// With the middleware down the run ends at the first row: no request after it is tried.
TEST_F(NumberingPagesTest, RunEndsAtTheFirstRowWhenTheMiddlewareIsDown) {
    batchMode();
    for (int i = 0; i < 3; ++i)
        addRange(10 * i + 1, 10 * i + 5);
    sim.stop();
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_TestarInutilizaSEFAZ"));
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(
        QStringLiteral("A execução parou no registro 1, que terminou com ERRO: Socket Error")))
        << seen()[0].text.toStdString();
    EXPECT_TRUE(seen()[0].text.contains(QStringLiteral("1 de 3 registro(s) foram enviados")));
    faixas().moveTo(0);
    EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QStringLiteral("ERRO"));
    EXPECT_TRUE(
        faixas().asString(QStringLiteral("Response")).startsWith(QStringLiteral("Socket Error")));
    for (int row = 1; row < 3; ++row) {
        faixas().moveTo(row);
        EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QString()) << row;
        EXPECT_EQ(faixas().asString(QStringLiteral("Request")), QString()) << row;
    }
    EXPECT_EQ(faixas().state(), MemTable::State::Browse);
}
