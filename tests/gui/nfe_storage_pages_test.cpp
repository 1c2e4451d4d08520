#include "harness.h"

#include "tables/memtable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

struct StorageCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

const char* const kOutro = "{\"outra\":1}";

} // namespace

class NfeStoragePagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const char* button, const std::vector<std::pair<const char*, QString>>& edits = {}) {
        sim.clearReceived();
        for (const auto& [field, value] : edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(button));
    }
    MemTable& numeros() { return dm->table(QStringLiteral("vt_RegerarXMLSefazNumeros")); }
    void batchMode(bool batch) {
        window->selectPage(QStringLiteral("tsRegerarXMLNaGuarda"));
        find<QRadioButton>(batch ? QStringLiteral("rg_RegerarXMLNaGuardaTipo_1")
                                 : QStringLiteral("rg_RegerarXMLNaGuardaTipo_0"))
            ->setChecked(true);
    }
    QString cell(int row, const char* field) {
        numeros().moveTo(row);
        return numeros().asString(QString::fromLatin1(field));
    }
};

TEST_F(NfeStoragePagesTest, EachPageSendsItsKeysInOrder) {
    const QString xml = fixture(QStringLiteral("nota.xml"), "<NFe>\r\n<a>\xC3\xA7</a></NFe>");
    const std::string kCnpj = "11222333000181";
    const std::string kEmails = "fiscal@exemplo.com.br; contabilidade@exemplo.com.br";
    const std::vector<StorageCase> cases = {
        {"bt_TestarConsultaXMLAutenticado",
         {{"ed_NumeroConsultaXMLAutenticado", QStringLiteral("x")}},
         "TNFeAPI/ConsultaXMLAutenticado",
         R"({"FILIAL":"001","SERIE":"1","NUMEROECF":"001","NUMERONOTA":0})"},
        {"bt_TestarEnviaEmailGuarda",
         {{"ed_NumeroEnviaEmailGuarda", QStringLiteral("12")}},
         "TNFeAPI/EnviaEmailGuarda",
         R"({"CNPJ":")" + kCnpj +
             R"(","Filial":"001","ECF":"001","Serie":"1","Numero":12,"Para":")" + kEmails +
             R"("})"},
        {"bt_TestarImprimeDANFE",
         {},
         "TNFeAPI/ImprimeDANFE",
         R"({"CNPJ":")" + kCnpj +
             R"(","Filial":"001","ECF":"001","Serie":"1","Numero":1,"NomeImpressora":""})"},
        {"bt_ConsultaNF",
         {{"ed_ConsultaNFFilial", QStringLiteral("002")}},
         "TNFeAPI/ConsultaNF",
         R"({"CODFIL":"002","NUMECF":"001","CODSER":"1","NUMNOT":1})"},
        {"bt_TestarAutenticaNFSeAssinc",
         {{"ed_MsgErroAutenticaNFSeAssinc", QStringLiteral("sem\terro")}},
         "TNFeAPI/AutenticaNFSeAssinc",
         R"({"CNPJ":")" + kCnpj +
             R"(","Filial":"001","ECF":"001","Serie":"1","Numero":1,"XML":"<Rps>\r\n<\/Rps>","MsgErro":"semerro"})"},
        {"bt_TestarXMLImprimeDANFEPeloXML",
         {{"ed_XMLImprimeDANFEPeloXML", xml}, {"ed_CanhotoImprimeDANFEPeloXML", "S"}},
         "TNFeAPI/ImprimeDANFEPeloXML",
         R"({"XML":"<NFe>\r\n<a>\u00C3\u00A7<\/a><\/NFe>\r\n","CANHOTO":"S","NomeImpressora":""})"},
        {"bt_ImprimeEventoNFe",
         {},
         "TNFeAPI/ImprimeEventoNFe",
         R"({"CNPJ":")" + kCnpj +
             R"(","Filial":"001","ECF":"001","Serie":"1","Numero":1,"ProtocoloEvento":"135240000123456","NomeImpressora":""})"},
        {"bt_TestarSituacaoGuarda",
         {},
         "TNFeAPI/SituacaoGuarda",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1})"},
        {"bt_TestarEnviaRPSsParaPrefeitura",
         {},
         "TNFeAPI/EnviaRPSsParaPrefeitura",
         R"({"CNPJ":")" + kCnpj + R"("})"},
        {"bt_TestarConsultaRPSsNaPrefeitura",
         {{"ed_CNPJConsultaRPSsNaPrefeitura", QStringLiteral("1")}},
         "TNFeAPI/ConsultaRPSsNaPrefeitura",
         R"({"CNPJ":"1"})"},
        {"bt_TestarSituacaoGuardaParaNFSe",
         {{"ed_CodigoSerieSituacaoGuardaParaNFSe", QStringLiteral("RPS")}},
         "TNFeAPI/SituacaoGuardaParaNFSe",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"RPS","NUMNOT":1})"},
        {"bt_TestarCancelaNFSePeloRPS",
         {},
         "TNFeAPI/CancelaNFSePeloRPS",
         R"({"CNPJ":")" + kCnpj +
             R"(","CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"MOTCAN":"Servi\u00E7o n\u00E3o conclu\u00EDdo"})"},
        {"bt_GetGuarda",
         {{"ed_GetGuardaNumeroNota", QStringLiteral("77")}},
         "TNFeAPI/GetGuarda",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":77})"},
        {"btGeraPDFPeloXML", {}, "TNFeAPI/GeraPDFPeloXML", R"({"XML":"","CANHOTO":""})"},
        {"bt_RegerarXMLNaGuardaXML",
         {{"ed_RegerarXMLNaGuardaNota", QStringLiteral("0")}}, // single mode: no checks
         "TNFeAPI/RegerarXMLNaGuarda",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":0})"},
        {"bt_GeraXMLDFeFromTransacaoPOS",
         {{"ed_GeraXMLDFeFromTransacaoPOSXML", xml}},
         "TNFeAPI/GeraXMLDFeFromTransacaoPOS",
         R"({"XML":"<NFe>\r\n<a>\u00C3\u00A7<\/a><\/NFe>\r\n","GeraEmContingencia":false})"},
        {"bt_TestarConsultaPeloNSUNFe",
         {},
         "TNFeAPI/ConsultaPeloUltimoNSU",
         R"({"CNPJ":"","UltNSU":"","CODFILIAL":""})"},
        {"bt_TestarManifestarNFe",
         {},
         "TNFeAPI/ManifestarNFe",
         R"({"CNPJEMITENTE":"","CODFIL":"001","NUMECF":"001","CODSER":"1","NUMDFE":1,"TPMANISFESTO":"210210"})"},
        {"bt_TestarGeraPreviaPDFPeloXML",
         {{"ed_CanhotoGeraPreviaPDFPeloXML", QStringLiteral("Recebi")}},
         "TNFeAPI/GeraPreviaPDFPeloXML",
         R"({"XML":"","CANHOTO":"Recebi"})"},
        {"bt_TestarSetImprimirNFe",
         {},
         "TNFeAPI/SetImprimirNFe",
         R"({"Filial":"001","ECF":"001","Serie":"1","Numero":1})"},
        {"bt_TestarGeraPDFEventoNFe",
         {},
         "TNFeAPI/GeraPDFEventoNFe",
         R"({"CNPJ":")" + kCnpj +
             R"(","Filial":"001","ECF":"001","Serie":"1","Numero":1,"ProtocoloEvento":"135240000123456"})"},
    };
    find<QPlainTextEdit>(QStringLiteral("mm_XmlAutenticaNFSeAssinc"))
        ->setPlainText(QStringLiteral("<Rps>\n</Rps>"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c.button, c.edits);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
}

TEST_F(NfeStoragePagesTest, ChoicesAndConversions) {
    // The manifest type sends the digits of the text, chosen or typed.
    auto* tipo = find<QComboBox>(QStringLiteral("cb_TipoManifestoManifestarNFe"));
    EXPECT_EQ(tipo->currentText(), QString::fromUtf8("210210 – Ciência da Operação"));
    const struct {
        int index;
        QString typed;
        const char* sent;
    } tipos[] = {
        {0, {}, "210200"}, {3, {}, "210240"}, {-1, QStringLiteral("x21-02 20y"), "210220"}};
    for (const auto& t : tipos) {
        SCOPED_TRACE(t.sent);
        if (t.index >= 0)
            tipo->setCurrentIndex(t.index);
        else
            tipo->setEditText(t.typed);
        run("bt_TestarManifestarNFe");
        EXPECT_NE(lastDados().find(std::string("\"TPMANISFESTO\":\"") + t.sent + "\""),
                  std::string::npos)
            << lastDados();
    }
    EXPECT_EQ(tipo->itemText(3), QString::fromUtf8("210240 – Operação não Realizada "));

    find<QCheckBox>(QStringLiteral("ed_GeraXMLDFeFromTransacaoPOSGeraEmContingencia"))
        ->setChecked(true);
    run("bt_GeraXMLDFeFromTransacaoPOS",
        {{"ed_GeraXMLDFeFromTransacaoPOSXML", fixture(QStringLiteral("t.xml"), "<t/>")}});
    EXPECT_EQ(lastDados(), R"({"XML":"<t\/>\r\n","GeraEmContingencia":true})");

    // Conversion and file errors stop before anything is sent.
    const struct {
        const char* button;
        const char* field;
        QString value;
        const char* message;
    } stops[] = {
        {"bt_GeraXMLDFeFromTransacaoPOS", "ed_GeraXMLDFeFromTransacaoPOSXML", QString(),
         "Cannot open file"},
        {"btGeraPDFPeloXML", "ed_XMLGeraPDFPeloXML", QStringLiteral("nao-existe.xml"),
         "Cannot open file"},
        {"bt_TestarImprimeDANFE", "ed_NumeroImprimeDANFE", QStringLiteral("1a"),
         "'1a' is not a valid integer value"},
        {"bt_TestarManifestarNFe", "ed_NumeroManifestarNFe", QString(),
         "'' is not a valid integer value"},
        {"bt_RegerarXMLNaGuardaXML", "ed_RegerarXMLNaGuardaNota", QStringLiteral("x"),
         "'x' is not a valid integer value"},
    };
    for (const auto& s : stops) {
        SCOPED_TRACE(s.button);
        run(s.button, {{s.field, s.value}});
        EXPECT_TRUE(received().empty());
        expectMessage(QString::fromUtf8(s.message));
    }
}

TEST_F(NfeStoragePagesTest, StoredXmlKeepsItsAccents) {
    const QString memo = QStringLiteral("mm_XmlNotaConsultaXMLAutenticado");
    setText(QStringLiteral("ed_NumeroConsultaXMLAutenticado"), QStringLiteral("42"));
    click(QStringLiteral("bt_TestarConsultaXMLAutenticado"));
    const QString xml = text(memo);
    EXPECT_TRUE(xml.contains(QString::fromUtf8("<xNome>Padaria São João Ltda</xNome>")))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains(QString::fromUtf8("José Conceição")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<nNF>42</nNF>")));

    // Accents written raw in UTF-8 and as escapes arrive alike.
    sim.enqueue("TNFeAPI/ConsultaXMLAutenticado",
                sim::Answer{200, "{\"result\":\"<x>a\xC3\xA7\xC3\xA3o \\u00E9</x>\"}"});
    click(QStringLiteral("bt_TestarConsultaXMLAutenticado"));
    EXPECT_EQ(text(memo), QString::fromUtf8("<x>ação é</x>"));

    // Not JSON: a message, and the memo keeps the XML.
    sim.enqueue("TNFeAPI/ConsultaXMLAutenticado",
                sim::Answer{200, "<html>gateway</html>", "text/html"});
    click(QStringLiteral("bt_TestarConsultaXMLAutenticado"));
    expectMessage(QStringLiteral("não é um objeto JSON"));
    EXPECT_EQ(text(memo), QString::fromUtf8("<x>ação é</x>"));

    // A "result" that is not a text (the rejection envelope of branch 999) or no "result" at
    // all empties the memo.
    for (const bool rejected : {true, false}) {
        SCOPED_TRACE(rejected ? "rejection" : "no result");
        click(QStringLiteral("bt_TestarConsultaXMLAutenticado"));
        ASSERT_FALSE(text(memo).isEmpty());
        if (rejected)
            setText(QStringLiteral("ed_FilialConsultaXMLAutenticado"), QStringLiteral("999"));
        else
            sim.enqueue("TNFeAPI/ConsultaXMLAutenticado", sim::Answer{200, kOutro});
        click(QStringLiteral("bt_TestarConsultaXMLAutenticado"));
        EXPECT_EQ(text(memo), QString());
        setText(QStringLiteral("ed_FilialConsultaXMLAutenticado"), QStringLiteral("001"));
    }
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(NfeStoragePagesTest, RegenerationModeSwitchDisablesTheSingleNote) {
    window->selectPage(QStringLiteral("tsRegerarXMLNaGuarda"));
    auto* box = find<QGroupBox>(QStringLiteral("gb_RegerarXMLNaGuardaNumeros"));
    EXPECT_EQ(box->title(), QString::fromUtf8("Números"));
    EXPECT_EQ(find<QRadioButton>(QStringLiteral("rg_RegerarXMLNaGuardaTipo_0"))->text(),
              QString::fromUtf8("Nota Única"));
    EXPECT_EQ(find<QRadioButton>(QStringLiteral("rg_RegerarXMLNaGuardaTipo_1"))->text(),
              QString::fromUtf8("Várias Notas"));
    const char* fields[] = {"ed_RegerarXMLNaGuardaFilial", "ed_RegerarXMLNaGuardaECF",
                            "ed_RegerarXMLNaGuardaSerie", "ed_RegerarXMLNaGuardaNota"};
    for (const bool batch : {false, true, false}) {
        SCOPED_TRACE(batch ? "batch" : "single");
        batchMode(batch);
        EXPECT_EQ(box->isVisible(), batch);
        for (const char* f : fields) {
            auto* edit = find<QLineEdit>(QString::fromLatin1(f));
            EXPECT_TRUE(edit->isVisible()) << f; // disabled, never hidden
            EXPECT_EQ(edit->isEnabled(), !batch) << f;
        }
    }
}

TEST_F(NfeStoragePagesTest, RegenerationBatchImportRunAndClear) {
    batchMode(true);
    click(QStringLiteral("bt_RegerarXMLNaGuardaXML"));
    expectMessage(QStringLiteral("Informe pelo menos um número!"));

    // "," separates the fields; blanks around them go; the texts keep their width of 3.
    recorded->fileAnswers.push_back(fixture(QStringLiteral("numeros.txt"),
                                            " 001,001,1,123 \r\n 002 , 003 ,2, 7\r\n"
                                            "999,001,1,5\r\n0012,ABCD,10,8\r\n"));
    click(QStringLiteral("bt_RegerarXMLNaGuardaImportarArquivo"));
    EXPECT_TRUE(recorded->confirmations.empty()); // the grid was empty
    ASSERT_EQ(numeros().recordCount(), 4);
    const char* expected[][4] = {{"001", "001", "1", "123"},
                                 {"002", "003", "2", "7"},
                                 {"999", "001", "1", "5"},
                                 {"001", "ABC", "10", "8"}};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        const char* fieldNames[] = {"Filial", "ECF", "Serie", "Numero"};
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(cell(r, fieldNames[f]), QString::fromLatin1(expected[r][f]));
    }

    // A zero number stops the run before anything is sent.
    numeros().moveTo(1);
    numeros().setValue(QStringLiteral("Numero"), 0);
    numeros().post();
    sim.clearReceived();
    click(QStringLiteral("bt_RegerarXMLNaGuardaXML"));
    expectMessage(QString::fromUtf8("Número da faixa não pode ser zero. Verifique!"));
    EXPECT_TRUE(received().empty());
    numeros().moveTo(1);
    numeros().setValue(QStringLiteral("Numero"), 7);
    numeros().post();

    // Declined, then run: branch 999 is rejected by the stand-in.
    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_RegerarXMLNaGuardaXML"));
    EXPECT_EQ(recorded->confirmations.back(),
              QString::fromUtf8("Deseja realmente gerar o XML de todos esses números?"));
    EXPECT_TRUE(received().empty());
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_RegerarXMLNaGuardaXML"));
    const auto got = received();
    ASSERT_EQ(got.size(), 4u);
    const char* outcomes[] = {"OK", "OK", "ERRO", "OK"};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(cell(r, "Situacao"), QString::fromLatin1(outcomes[r]));
        EXPECT_EQ(cell(r, "Request"), QString::fromStdString(got[std::size_t(r)].body));
        EXPECT_TRUE(cell(r, "Response").startsWith(u"{\"result\":{\"controle\":{\"err\":"_s));
    }
    EXPECT_EQ(dadosOf(got[1]), R"({"CODFIL":"002","NUMECF":"003","CODSER":"2","NUMNOT":7})");
    EXPECT_TRUE(cell(2, "Response").contains(u"\"err\":true"_s))
        << cell(2, "Response").toStdString();
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QStringLiteral("*** VERIFIQUE NO GRID ***"));
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), QStringLiteral("*** VERIFIQUE NO GRID ***"));
    expectMessage(QStringLiteral("1 de 4 registro(s) terminaram com ERRO"));

    // After the run the import asks first and, declined, leaves the grid as it was; a line
    // whose number is not a whole number ends the import with the rows before it kept.
    const QString bad = fixture(QStringLiteral("ruim.txt"), "001,001,1,9\r\n001,001,1,nove\r\n");
    recorded->fileAnswers.push_back(bad);
    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_RegerarXMLNaGuardaImportarArquivo"));
    EXPECT_EQ(recorded->confirmations.back(),
              QString::fromUtf8("Os númeris já informados no grid serão eliminadas. Deseja "
                                "realmente importar o arquivo?"));
    EXPECT_EQ(numeros().recordCount(), 4);
    recorded->fileAnswers.push_back(bad);
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_RegerarXMLNaGuardaImportarArquivo"));
    expectMessage(QStringLiteral(
        "Ocorreu um erro na leitura do arquivo: 'nove' is not a valid integer value"));
    EXPECT_EQ(numeros().recordCount(), 1);

    recorded->confirmAnswers.push_back(false);
    click(QStringLiteral("bt_RegerarXMLNaGuardaLimparGrid"));
    EXPECT_EQ(recorded->confirmations.back(),
              QString::fromUtf8("Deseja realmente limpar o grid com os números?"));
    EXPECT_EQ(numeros().recordCount(), 1);
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_RegerarXMLNaGuardaLimparGrid"));
    EXPECT_EQ(numeros().recordCount(), 0);
    click(QStringLiteral("bt_RegerarXMLNaGuardaLimparGrid")); // empty: nothing asked
}

// Every button of these pages, pressed with its defaults, either sends its request (PDF and
// print answers are only shown) or says why not; pickers and the import ask for a file.
TEST_F(NfeStoragePagesTest, EveryButtonWithItsDefaults) {
    const QStringList pages = {u"ts_ConsultaXMLAutenticado"_s,
                               u"ts_EnviaEmailGuarda"_s,
                               u"ts_ImprimeDANFE"_s,
                               u"ts_ConsultaNF"_s,
                               u"ts_AutenticaNFSeAssinc"_s,
                               u"ts_ImprimeDANFEPeloXML"_s,
                               u"ts_ImprimeEventoNFe"_s,
                               u"ts_SituacaoGuarda"_s,
                               u"ts_EnviaRPSsParaPrefeitura"_s,
                               u"ts_ConsultaRPSsNaPrefeitura"_s,
                               u"ts_SituacaoGuardaParaNFSe"_s,
                               u"ts_CancelaNFSePeloRPS"_s,
                               u"ts_GetGuarda"_s,
                               u"ts_GeraPDFPeloXML"_s,
                               u"tsRegerarXMLNaGuarda"_s,
                               u"ts_GeraXMLDFeFromTransacaoPOS"_s,
                               u"ts_ConsultaPeloUltimoNSUNFe"_s,
                               u"ts_ManifestarNFe"_s,
                               u"ts_GeraPreviaPDFPeloXML"_s,
                               u"ts_SetImprimirNFe"_s,
                               u"ts_GeraPDFEventoNFe"_s};
    const QStringList asksForFile = {u"bt_XMLImprimeDANFEPeloXML"_s, u"bt_XMLGeraPDFPeloXML"_s,
                                     u"bt_GeraXMLDFeFromTransacaoPOSXML"_s,
                                     u"bt_XMLGeraPreviaPDFPeloXML"_s,
                                     u"bt_RegerarXMLNaGuardaImportarArquivo"_s};
    int pressed = 0;
    for (const QString& page : pages) {
        ASSERT_TRUE(window->selectPage(page)) << page.toStdString();
        QWidget* tab = window->findControl(page);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->findChildren<QLabel*>().isEmpty(), false);
        for (QPushButton* b : tab->findChildren<QPushButton*>()) {
            const QString name = b->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_"_s) || name.startsWith(u"nv"_s))
                continue;
            SCOPED_TRACE(name.toStdString());
            ++pressed;
            sim.clearReceived();
            if (asksForFile.contains(name))
                recorded->fileAnswers.push_back(QString()); // cancelled
            click(name);
            EXPECT_TRUE(recorded->fileAnswers.empty());
            if (asksForFile.contains(name) || name == u"bt_RegerarXMLNaGuardaLimparGrid"_s) {
                EXPECT_TRUE(received().empty());
                EXPECT_EQ(shownMessages(), QString());
            } else if (name == u"bt_GeraXMLDFeFromTransacaoPOS"_s) {
                EXPECT_TRUE(received().empty());
                expectMessage(u"Cannot open file"_s); // the path is not optional here
            } else {
                ASSERT_FALSE(received().empty());
                EXPECT_TRUE(paneText(u"mm_Response"_s).contains(u"\"result\""_s));
                EXPECT_EQ(shownMessages(), QString());
            }
        }
    }
    EXPECT_EQ(pressed, 30); // 21 actions, 3 printer lookups, 4 pickers, import and clear
    // The PDF answers are shown, not saved.
    EXPECT_TRUE(QDir(u"Arquivos"_s).entryList(QDir::Files).isEmpty());
    EXPECT_GT(find<QComboBox>(u"ed_ImprimeEventoNFeImpressora"_s)->count(), 0);
}
