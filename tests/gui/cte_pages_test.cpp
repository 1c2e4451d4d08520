#include "harness.h"

#include "tables/memtable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct CteCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

const std::string kJust =
    "Conhecimento realizado para fins de teste. Por favor, desconsiderar tributa\\u00E7\\u00E3o.";

} // namespace

class CtePagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const CteCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
    MemTable& faixas() { return dm->table(QStringLiteral("vt_InutilizaCTe")); }
    void batchMode(bool on) {
        window->selectPage(QStringLiteral("ts_InutilizaCTe"));
        find<QRadioButton>(on ? QStringLiteral("rg_InutilizaCTeTipo_1")
                              : QStringLiteral("rg_InutilizaCTeTipo_0"))
            ->setChecked(true);
    }
};

TEST_F(CtePagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString ab = fixture(QStringLiteral("ab.xml"), "<a>\r\n<b/>\r\n");
    const std::vector<CteCase> cases = {
        {"bt_TestarAutenticaCTe",
         {{"ed_XMLAutenticaCTe", ab}},
         "TCTeAPI/AutenticaCTe",
         R"({"CODFIL":"001","NUMECF":"001","SERIE":"1","NUMCTE":1,"XML":"<a><b\/>","XMLTRANSACAO":"","MENSAGERIADFE":0,"PATHSALVAR":"","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","NomeImpressora":""})"},
        {"bt_TestarCancelarCTeSefaz",
         {},
         "TCTeAPI/CancelarCTeSefaz",
         R"({"FILIAL":"001","CNPJ":"11222333000181","SERIE":"1","NUMEROECF":"001","NUMEROCTE":1,"JUSTIFICATIVA":")" +
             kJust + R"(","DATA":"01\/01\/2015 12:00:00","EMAILPARA":""})"},
        {"bt_TestarConsultarCTe",
         {{"ed_NumeroConsultarCTe", "12"}},
         "TCTeAPI/ConsultarCTe",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMCTE":12})"},
        {"bt_TestarInutilizaCTe",
         {},
         "TCTeAPI/InutilizaCTe",
         R"({"CNPJ":"11222333000181","Justificativa":"Teste de Inutiliza\u00E7\u00E3o","Serie":0,"NumeroInicial":0,"NumeroFinal":0,"ModeloFiscal":"57"})"},
        {"bt_TestarCTeOnline",
         {},
         "TCTeAPI/CTeOnLine",
         R"({"CNPJ":"11222333000181","TIPOEMISSAO":0,"MODELONOTA":"57"})"},
        {"bt_TestarImprimeCTeDACTE",
         {{"ed_NumeroImprimeCTeDACTE", "7"}},
         "TCTeAPI/ImprimeCTeDACTE",
         R"({"CNPJ":"11222333000181","Filial":"001","ECF":"001","Serie":"1","Numero":7,"NomeImpressora":""})"},
        {"bt_TestarImprimeEventoCTe",
         {},
         "TCTeAPI/ImprimeEventoCTe",
         R"({"CNPJ":"11222333000181","Filial":"001","ECF":"001","Serie":"1","Numero":1,"ProtocoloEvento":"135150000123456","NomeImpressora":""})"},
        {"bt_TestarImprimeCTeDACTEPeloXML",
         {{"ed_XMLSEFAZImprimeCTeDACTEPeloXML", ab}},
         "TCTeAPI/ImprimeCTeDACTEPeloXML",
         R"({"XML":"<a>\r\n<b\/>\r\n","CANHOTO":"","NomeImpressora":""})"},
        {"bt_TestarGeraCTePDFPeloXML",
         {{"ed_CanhotoGeraCTePDFPeloXML", "Recebi"}},
         "TCTeAPI/GeraCTePDFPeloXML",
         R"({"XML":"","CANHOTO":"Recebi"})"},
        {"bt_TestarConsultaPeloNSUCTe",
         {{"ed_CNPJConsultaPeloNSUCTe", "11222333000181"},
          {"ed_UltimoNSUConsultaPeloNSUCTe", "000000000000010"},
          {"ed_filialConsultaPeloNSUCTe", "001"}},
         "TCTeAPI/ConsultaPeloUltimoNSU",
         R"({"CNPJ":"11222333000181","UltNSU":"000000000000010","CODFILIAL":"001"})"},
        {"bt_TestarManifestarCTe",
         {},
         "TCTeAPI/ManifestarCTe",
         R"({"CNPJEMITENTE":"","CODFIL":"001","NUMECF":"001","CODSER":"1","NUMDFE":1,"TPMANISFESTO":"610110","OBSERVACAO":""})"},
        {"bt_TestarCartaCorrecaoCTe",
         {{"ed_ValorAlteradoCartaCorrecaoCTe", "5,00"}, {"ed_ItemAlteradoCartaCorrecaoCTe", "3"}},
         "TCTeAPI/CartaCorrecao",
         R"({"FILIAL":"001","CNPJ":"11222333000181","NUMEROECF":"001","SERIE":"1","NUMEROCTE":1,"GRUPOALTERADO":"","CAMPOALTERADO":"","VALORALTERADO":"5,00","ITEMALTERADO":3,"DATA":"01\/01\/2015 12:00:00"})"},
        {"bt_CanhotoGeraCTePreviaPDFPeloXML",
         {{"ed_XMLGeraCTePreviaPDFPeloXML", ab}},
         "TCTeAPI/GeraCTePreviaPDFPeloXML",
         R"({"XML":"<a>\r\n<b\/>\r\n","CANHOTO":""})"},
        {"bt_TestarGeraPDFEventoCTe",
         {},
         "TCTeAPI/GeraPDFEventoCTe",
         R"({"CNPJ":"11222333000181","Filial":"001","ECF":"001","Serie":"1","Numero":1,"ProtocoloEvento":"135150000123456"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }

    // The lone "Emite CTe" button sends 2 once chosen; the transaction file is read when named.
    find<QRadioButton>(QStringLiteral("rb_MensageriaCTeSefazAutenticaCTe"))->setChecked(true);
    run({"bt_TestarAutenticaCTe", {{"ed_XMLTransacaoAutenticaCTe", ab}}, "", ""});
    json::JsonValue dados = sentDados();
    EXPECT_EQ(member(dados, "MENSAGERIADFE").text(), "2");
    EXPECT_EQ(member(dados, "XMLTRANSACAO").toQString(), QStringLiteral("<a><b/>"));

    // The observation is sent whole, line breaks included; the contingency by position.
    find<QPlainTextEdit>(QStringLiteral("mm_ObservacaoManifestarCTe"))
        ->setPlainText(QStringLiteral("linha 1\nlinha 2"));
    run({"bt_TestarManifestarCTe", {}, "", ""});
    dados = sentDados();
    EXPECT_EQ(member(dados, "OBSERVACAO").toQString(), QStringLiteral("linha 1\r\nlinha 2"));
    find<QComboBox>(QStringLiteral("cb_ContingenciaCTeOnline"))->setCurrentIndex(2);
    run({"bt_TestarCTeOnline", {}, "", ""});
    EXPECT_EQ(lastDados(), R"({"CNPJ":"11222333000181","TIPOEMISSAO":2,"MODELONOTA":"57"})");
}

TEST_F(CtePagesTest, ConversionAndFileErrorsStopBeforeSending) {
    const struct {
        const char* button;
        const char* field;
        QString value;
        const char* message;
    } cases[] = {
        // "Item alterado" is empty by default: the page cannot send it as a number.
        {"bt_TestarCartaCorrecaoCTe", "ed_ItemAlteradoCartaCorrecaoCTe", QString(),
         "'' is not a valid integer value"},
        {"bt_TestarAutenticaCTe", "ed_XMLAutenticaCTe", QString(), "Cannot open file"},
        {"bt_TestarCancelarCTeSefaz", "ed_DataCancelarCTeSefaz",
         QStringLiteral("32/01/2024 10:00:00"), "'32/01/2024 10:00:00' is not a valid date"},
        {"bt_TestarImprimeEventoCTe", "ed_NumeroImprimeEventoCTe", QStringLiteral("1a"),
         "'1a' is not a valid integer value"},
        {"bt_TestarGeraCTePDFPeloXML", "ed_XMLSEFAZGeraCTePDFPeloXML",
         QStringLiteral("nao-existe.xml"), "Cannot open file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run({c.button, {{c.field, c.value}}, "", ""});
        EXPECT_TRUE(received().empty());
        ASSERT_EQ(seen().size(), 1u);
        EXPECT_TRUE(seen()[0].text.startsWith(QString::fromUtf8(c.message)))
            << seen()[0].text.toStdString();
    }
}

TEST_F(CtePagesTest, AuthorisedXmlAndCancellationEventAreReadBack) {
    const QString xml = QStringLiteral("mm_XMLAutenticadoAutenticaCTe");
    setText(QStringLiteral("ed_XMLAutenticaCTe"), fixture(QStringLiteral("c.xml"), "<CTe/>"));
    click(QStringLiteral("bt_TestarAutenticaCTe"));
    EXPECT_TRUE(text(xml).startsWith(QStringLiteral("\"<cteProc")));
    EXPECT_TRUE(text(xml).contains(QStringLiteral("<cStat>100</cStat>")));
    // An answer that is not JSON: a message, and the field keeps its text.
    const QString before = text(xml);
    sim.enqueue("TCTeAPI/AutenticaCTe", sim::Answer{200, "<html>erro</html>", "text/html"});
    click(QStringLiteral("bt_TestarAutenticaCTe"));
    expectMessage(QStringLiteral("não é JSON"));
    EXPECT_EQ(text(xml), before);

    const QString evento = QStringLiteral("mm_XMLEventoCancelarCTeSefaz");
    const QString nota = QStringLiteral("mm_XMLNotaCancelarCTeSefaz");
    click(QStringLiteral("bt_TestarCancelarCTeSefaz"));
    EXPECT_TRUE(text(evento).contains(QStringLiteral("<tpEvento>110111</tpEvento>")));
    EXPECT_TRUE(text(nota).startsWith(QStringLiteral("<cteProc")));
    // No "conteudo": left as they were.
    sim.enqueue("TCTeAPI/CancelarCTeSefaz",
                sim::Answer{200, R"({"result":{"controle":{"err":true}}})"});
    click(QStringLiteral("bt_TestarCancelarCTeSefaz"));
    EXPECT_TRUE(text(evento).contains(QStringLiteral("110111")));
    sim.enqueue("TCTeAPI/CancelarCTeSefaz", sim::Answer{200, "[1,2]"});
    click(QStringLiteral("bt_TestarCancelarCTeSefaz"));
    expectMessage(QStringLiteral("não é um objeto"));
    EXPECT_TRUE(text(nota).startsWith(QStringLiteral("<cteProc")));
    // The rejection of branch 999 has a content without "livre": both emptied.
    setText(QStringLiteral("ed_FilialCancelarCTeSefaz"), QStringLiteral("999"));
    click(QStringLiteral("bt_TestarCancelarCTeSefaz"));
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("999")));
    EXPECT_EQ(text(evento), QString());
    EXPECT_EQ(text(nota), QString());
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CtePagesTest, PrinterLookupUsesTheCommunicationTypeOnlyOnTheAuthorisationPage) {
    auto* autentica = find<QComboBox>(QStringLiteral("cb_ImpressoraAutenticaCTe"));
    auto* dacte = find<QComboBox>(QStringLiteral("cb_ImpressoraImprimeCTeDACTE"));
    click(QStringLiteral("bt_ConsultaImpressorasAutenticaCTe"));
    EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":""})");
    EXPECT_EQ(autentica->count(), 6);

    find<QComboBox>(QStringLiteral("ed_ConsultaImpressoraTipoComunicacaoImpressora"))
        ->setCurrentIndex(1); // "PPLA"
    click(QStringLiteral("bt_ConsultaImpressorasAutenticaCTe"));
    EXPECT_EQ(received().back().path, "TConexaoAPI/ConsultaImpressora");
    EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":"A"})");
    ASSERT_EQ(autentica->count(), 1);
    EXPECT_EQ(autentica->itemText(0), QStringLiteral("Argox OS-214"));

    for (const char* b :
         {"bt_ConsultaImpressorasImprimeCTeDACTE", "bt_ConsultaImpressorasImprimeEventoCTe",
          "bt_ImpressoraImprimeCTeDACTEPeloXML"}) {
        SCOPED_TRACE(b);
        click(QString::fromLatin1(b));
        EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":""})");
    }
    EXPECT_EQ(dacte->count(), 6);
    // The printer picked is sent by name.
    dacte->setCurrentIndex(3);
    click(QStringLiteral("bt_TestarImprimeCTeDACTE"));
    EXPECT_NE(lastDados().find(R"("NomeImpressora":"Zebra GC420t")"), std::string::npos);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CtePagesTest, DisablementChecksAndModeSwitch) {
    const struct {
        const char* field;
        const char* message;
    } cases[] = {
        {"ed_CNPJInutilizaCTe", "Informe o CNPJ."},
        {"ed_JustificativaInutilizaCTe", "Informe a justificativa."},
        {"ed_SerieInutilizaCTe", "Informe a série."},
        {"ed_NumeracaoInicialInutilizaCTe", "Informe a numeração inicial."},
        {"ed_NumeracaoFinalInutilizaCTe", "Informe a numeração final."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        setText(QString::fromLatin1(c.field), QStringLiteral(" "));
        click(QStringLiteral("bt_TestarInutilizaCTe"));
        expectMessage(QString::fromUtf8(c.message));
        setText(QString::fromLatin1(c.field), QStringLiteral("1"));
    }
    EXPECT_TRUE(received().empty());

    auto* box = find<QGroupBox>(QStringLiteral("gb_FaixasInutilizaCTe"));
    auto* inicial = find<QLineEdit>(QStringLiteral("ed_NumeracaoInicialInutilizaCTe"));
    auto* final = find<QLineEdit>(QStringLiteral("ed_NumeracaoFinalInutilizaCTe"));
    // The range fields' labels carry names of their own, and hide with their fields.
    auto* inicialLabel = find<QLabel>(QStringLiteral("lb_NumeracaoInicialInutilizaCTe"));
    auto* finalLabel = find<QLabel>(QStringLiteral("lb_NumeracaoFinalInutilizaCTe"));
    ASSERT_TRUE(inicialLabel && finalLabel);
    EXPECT_EQ(inicialLabel->text(), QStringLiteral("Numeração Inicial"));
    EXPECT_EQ(finalLabel->text(), QStringLiteral("Numeração Final"));
    EXPECT_TRUE(inicialLabel->isVisible());
    EXPECT_EQ(box->title(), QStringLiteral("Faixas"));
    EXPECT_FALSE(box->isVisible());
    batchMode(true);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(inicial->isVisible());
    EXPECT_FALSE(final->isVisible());
    EXPECT_FALSE(inicialLabel->isVisible());
    EXPECT_FALSE(finalLabel->isVisible());
    // The NF-e page's controls are not this switch's.
    window->selectPage(QStringLiteral("ts_InutilizaSEFAZ"));
    EXPECT_FALSE(find<QGroupBox>(QStringLiteral("gb_InutilizaSEFAZFaixas"))->isVisible());
    window->selectPage(QStringLiteral("ts_InutilizaCTe"));
    // The single fields are not checked in batch mode, but the page's own fields are.
    setText(QStringLiteral("ed_NumeracaoInicialInutilizaCTe"), QString());
    click(QStringLiteral("bt_TestarInutilizaCTe"));
    expectMessage(QStringLiteral("Informe pelo menos uma faixa para inutilizar"));
    setText(QStringLiteral("ed_SerieInutilizaCTe"), QString());
    click(QStringLiteral("bt_TestarInutilizaCTe"));
    expectMessage(QStringLiteral("Informe a série."));
    batchMode(false);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(inicial->isVisible());
    EXPECT_TRUE(received().empty());
}

TEST_F(CtePagesTest, DisablementBatchImportRunAndClear) {
    batchMode(true);
    recorded->fileAnswers.push_back(
        fixture(QStringLiteral("faixas.txt"), " 1 ; 5 \r\n10;5000\r\n"));
    click(QStringLiteral("btImportarAqruivoInutilizaCTe"));
    ASSERT_EQ(faixas().recordCount(), 2);
    EXPECT_TRUE(recorded->confirmations.empty()); // the grid was empty

    // A range in the wrong order stops the run before anything is sent.
    faixas().append();
    faixas().setValue(QStringLiteral("NumeroInicial"), 30);
    faixas().setValue(QStringLiteral("NumeroFinal"), 20);
    faixas().post();
    click(QStringLiteral("bt_TestarInutilizaCTe"));
    expectMessage(QStringLiteral(
        "Número Inicial [30]  não pode ser maior que o Número Final [20] . Verifique!"));
    EXPECT_TRUE(received().empty());

    recorded->fileAnswers.push_back(fixture(QStringLiteral("novas.txt"), "1;5\r\n10;5000\r\n"));
    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("btImportarAqruivoInutilizaCTe"));
    EXPECT_EQ(recorded->confirmations.back(),
              QStringLiteral("As faixas já informadas no grid serão eliminadas. Deseja realmente "
                             "importar o arquivo?"));
    ASSERT_EQ(faixas().recordCount(), 2);

    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_TestarInutilizaCTe"));
    EXPECT_EQ(recorded->confirmations.back(),
              QStringLiteral("Deseja realmente inutilizar todas essas faixas de numeração?"));
    const auto got = received();
    ASSERT_EQ(got.size(), 2u);
    for (const auto& r : got)
        EXPECT_EQ(r.path, "TCTeAPI/InutilizaCTe");
    // The status line sums the run up.
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lb_Troca"))->text(),
              QStringLiteral("2 enviadas · 1 com ERRO (linha 2)"));
    EXPECT_EQ(
        dadosOf(got[1]),
        R"({"CNPJ":"11222333000181","Justificativa":"Teste de Inutiliza\u00E7\u00E3o","Serie":0,"NumeroInicial":10,"NumeroFinal":5000,"ModeloFiscal":"57"})");
    // The stand-in rejects ranges wider than 1000 numbers.
    const char* outcomes[] = {"OK", "ERRO"};
    for (int i = 0; i < 2; ++i) {
        faixas().moveTo(i);
        EXPECT_EQ(faixas().asString(QStringLiteral("Situacao")), QString::fromLatin1(outcomes[i]));
        EXPECT_EQ(faixas().asString(QStringLiteral("Request")),
                  QString::fromStdString(got[std::size_t(i)].body));
    }
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), QStringLiteral("*** VERIFIQUE NO GRID ***"));
    expectMessage(QStringLiteral("1 de 2 registro(s) terminaram com ERRO"));

    recorded->confirmAnswers.push_back(true);
    click(QStringLiteral("bt_LimparGridInutilizaCTe"));
    EXPECT_EQ(recorded->confirmations.back(),
              QStringLiteral("Deseja realmente limpar o grid com as faixas de numeração?"));
    EXPECT_EQ(faixas().recordCount(), 0);
    // The NF-e table is a different one.
    EXPECT_EQ(dm->table(QStringLiteral("vt_InutilizaSEFAZFaixas")).recordCount(), 0);
}

// Every button of both groups, pressed once with the defaults: a "Testar" either sends its
// request or says why not; the other buttons fill their fields or lists.
TEST_F(CtePagesTest, EveryButtonOfBothGroupsWorksWithItsDefaults) {
    const char* pages[] = {
        "ts_AutenticaCTe",
        "ts_CancelarCTeSefaz",
        "ts_ConsultarCTe",
        "ts_InutilizaCTe",
        "ts_CTeOnLine",
        "ts_ImprimeCTeDACTE",
        "ts_ImprimeEventoCTe",
        "TabSheet1",
        "TabSheet2",
        "ts_ConsultaPeloUltimoNSUCTe",
        "ts_ManifestarCTe",
        "ts_CartaCorrecaoCTe",
        "ts_GeraCTePreviaPDFPeloXML",
        "ts_GeraPDFEventoCTe",
        "TabSheet3",
        "TabSheet4",
        "TabSheet5",
        "TabSheet7",
        "TabSheet8",
        "TabSheet9",
        "TabSheet10",
        "TabSheet11",
        "TabSheet6",
        "ts_GeraMDFePreviaPDFPeloXML",
    };
    int testar = 0;
    for (const char* name : pages) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(window->selectPage(QString::fromLatin1(name)));
        QCoreApplication::processEvents(); // the widgets of a page built now are shown
        QWidget* page = window->findControl(QString::fromLatin1(name));
        ASSERT_NE(page, nullptr);
        for (const QLabel* l : page->findChildren<QLabel*>())
            EXPECT_FALSE(l->text().startsWith(QStringLiteral("Página ainda não disponível")));
        for (QPushButton* b : page->findChildren<QPushButton*>()) {
            if (!b->isVisibleTo(page))
                continue; // the batch grid's buttons: walked in the batch test
            SCOPED_TRACE(b->objectName().toStdString());
            sim.clearReceived();
            seen().clear();
            if (b->text() == QLatin1String("...")) {
                recorded->fileAnswers.push_back(QString()); // cancelled: the path stays
                b->click();
                EXPECT_TRUE(received().empty());
            } else if (b->text() == QLatin1String("Atualiza data")) {
                b->click();
                EXPECT_TRUE(received().empty());
            } else if (b->text() == QLatin1String("Consulta Impressoras")) {
                b->click();
                ASSERT_EQ(received().size(), 1u);
                EXPECT_EQ(received()[0].path, "TConexaoAPI/ConsultaImpressora");
            } else {
                ASSERT_EQ(b->text(), QStringLiteral("Testar"));
                ++testar;
                b->click();
                const bool sent = !received().empty();
                const bool said = !seen().empty();
                EXPECT_TRUE(sent != said) << shownMessages().toStdString();
                if (sent) {
                    EXPECT_FALSE(paneText(QStringLiteral("mm_Response")).isEmpty());
                }
            }
        }
    }
    EXPECT_EQ(testar, 24);
}
