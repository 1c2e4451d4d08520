#include "harness.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

enum class Shown { MessageBox, Panes };

struct PrinterCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string body; // the request's body as sent: the data value itself
    Shown shown;
};

} // namespace

// The printer services take the data value itself: no session, no envelope, no signature.
class PrinterPagesTest : public WindowTest {
protected:
    void run(const PrinterCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
    void setPanes(const QString& text) {
        // The panes hold the texts of an earlier exchange.
        sim.clearReceived();
        setText(QStringLiteral("ed_ValorSetvTroco"), text);
        click(QStringLiteral("bt_TestarSetvTroco"));
        sim.clearReceived();
    }
};

TEST_F(PrinterPagesTest, EachActionPostsItsBodyAndShowsTheAnswerWhereItShould) {
    const QString evento = fixture(QStringLiteral("evento.xml"), "<evento>\r\n</evento>");
    const QString nota =
        fixture(QStringLiteral("nota.xml"), "\xEF\xBB\xBF<nota>a\xC3\xA7\xC3\xA3o</nota>");
    const std::vector<PrinterCase> cases = {
        {"bt_InicializaImpressoNaoFiscal",
         {},
         "TImpressoraNaoFiscalAPI/InicializaImpressoraNaoFiscal",
         R"({"MODELO":"Daruma","PORTA":"COM4","VELOCIDADE":115200,"TOKEN":"","IDTOKEN":""})",
         Shown::MessageBox},
        {"bt_AtivarImpressora", {}, "TImpressoraNaoFiscalAPI/Ativar", "{}", Shown::MessageBox},
        {"bt_DesativarImpressora",
         {},
         "TImpressoraNaoFiscalAPI/Desativar",
         "{}",
         Shown::MessageBox},
        {"bt_imprimeTextoNaoFiscalImpressora",
         {},
         "TImpressoraNaoFiscalAPI/imprimeTextoNaoFiscal",
         R"("Ol\u00E1 mundo!")",
         Shown::Panes},
        {"bt_ImprimirimprimeDANFENFCe",
         {{"ed_ImpMunimprimeDANFENFCe", "1,5"},
          {"ed_ImpEstimprimeDANFENFCe", "1,5"},
          {"ed_ImpFedimprimeDANFENFCe", "1.234,5678"}},
         "TImpressoraNaoFiscalAPI/imprimeDANFENFCe",
         R"({"XML":"","IMPOSTOSMUNICIPAIS":1.5,"IMPOSTOSESTADUAIS":1.5,"IMPOSTOSFEDERAIS":1234.5678,"RODAPE":""})",
         Shown::MessageBox},
        {"bt_imprimeEventoImpressora",
         {{"ed_ArqEventoImpressora", evento}, {"ed_ArqNotaImpressora", nota}},
         "TImpressoraNaoFiscalAPI/imprimeEvento",
         R"({"XMLEVENTO":"<evento>\r\n<\/evento>\r\n","XMLNOTA":"<nota>a\u00E7\u00E3o<\/nota>\r\n"})",
         Shown::MessageBox},
        {"bt_TestarSetvTroco",
         {{"ed_ValorSetvTroco", "1.234,56"}},
         "TImpressoraNaoFiscalAPI/SetvTroco",
         R"({"VALOR":1234.56})",
         Shown::Panes},
        {"bt_ImprimirImprimirExtratoCFeSAT",
         {{"ed_XMLImprimirExtratoCFeSAT", nota}},
         "TImpressoraNaoFiscalAPI/ImprimirExtratoCFeSAT",
         R"({"XMLVEN":"<nota>a\u00E7\u00E3o<\/nota>\r\n"})",
         Shown::Panes},
        {"bt_ImprimirImprimirExtratoResumidoCFeSAT",
         {{"ed_XMLImprimirExtratoResumidoCFeSAT", nota}},
         "TImpressoraNaoFiscalAPI/ImprimirExtratoResumidoCFeSAT",
         R"({"XMLVEN":"<nota>a\u00E7\u00E3o<\/nota>\r\n"})",
         Shown::Panes},
        {"bt_ImprimirImprimirExtratoCancelamento",
         {{"ed_XMLImprimirExtratoCancelamento", evento},
          {"ed_XMLVenImprimirExtratoCancelamento", nota}},
         "TImpressoraNaoFiscalAPI/ImprimirExtratoCancelamento",
         R"({"XMLCAN":"<evento>\r\n<\/evento>\r\n","XMLVEN":"<nota>a\u00E7\u00E3o<\/nota>\r\n"})",
         Shown::Panes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        setPanes(QStringLiteral("0"));
        const QString request = paneText(QStringLiteral("mm_Request"));
        const QString response = paneText(QStringLiteral("mm_Response"));
        run(c);
        const auto got = received();
        ASSERT_EQ(got.size(), 1u) << shownMessages().toStdString(); // no session request
        const sim::Request& sent = got[0];
        EXPECT_EQ(sent.path, c.path);
        EXPECT_EQ(sent.body, c.body);
        EXPECT_FALSE(sent.authUser.empty());
        if (c.shown == Shown::MessageBox) {
            ASSERT_EQ(seen().size(), 1u);
            EXPECT_TRUE(seen()[0].text.contains(QStringLiteral("\"result\"")))
                << seen()[0].text.toStdString();
            EXPECT_EQ(paneText(QStringLiteral("mm_Request")), request);
            EXPECT_EQ(paneText(QStringLiteral("mm_Response")), response);
        } else {
            EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
            EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString::fromStdString(c.body));
            EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("result")));
        }
    }
    find<QCheckBox>(QStringLiteral("ck_SetUsaCodigoEanImpressao"))->setChecked(true);
    run({"bt_UsaCodigoEanImpressao", {}, "", "", Shown::Panes});
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].body, R"({"VALOR":true})");
    EXPECT_EQ(received()[0].path, "TImpressoraNaoFiscalAPI/SetUsaCodigoEanImpressao");
}

// A value that does not convert or a file that cannot be read stops before anything is sent.
TEST_F(PrinterPagesTest, ConversionAndFileErrorsSendNothing) {
    const QString nota = fixture(QStringLiteral("nota.xml"), "<nota/>");
    const struct {
        PrinterCase c;
        const char* message;
    } cases[] = {
        {{"bt_InicializaImpressoNaoFiscal", {{"ed_VelocidadeImpressora", ""}}, "", "", {}},
         "is not a valid integer"},
        {{"bt_ImprimirimprimeDANFENFCe", {}, "", "", {}}, "is not a valid floating point"},
        {{"bt_ImprimirimprimeDANFENFCe",
          {{"ed_ImpMunimprimeDANFENFCe", "1"},
           {"ed_ImpEstimprimeDANFENFCe", "1"},
           {"ed_ImpFedimprimeDANFENFCe", "1"},
           {"ed_XmlimprimeDANFENFCe", "falta.xml"}},
          "",
          "",
          {}},
         "falta.xml"},
        {{"bt_imprimeEventoImpressora", {{"ed_ArqNotaImpressora", nota}}, "", "", {}},
         "Cannot open file"},
        {{"bt_imprimeEventoImpressora",
          {{"ed_ArqEventoImpressora", nota}, {"ed_ArqNotaImpressora", "falta.xml"}},
          "",
          "",
          {}},
         "falta.xml"},
        {{"bt_TestarSetvTroco", {{"ed_ValorSetvTroco", "1,2,3"}}, "", "", {}},
         "is not a valid floating point"},
        {{"bt_ImprimirImprimirExtratoCFeSAT", {}, "", "", {}}, "Cannot open file"},
        {{"bt_ImprimirImprimirExtratoCancelamento",
          {{"ed_XMLImprimirExtratoCancelamento", nota}},
          "",
          "",
          {}},
         "Cannot open file"},
    };
    for (const auto& [c, message] : cases) {
        SCOPED_TRACE(c.button);
        run(c);
        EXPECT_TRUE(received().empty());
        expectMessage(QString::fromUtf8(message));
    }
}

// The tokens travel in the signed envelope as a bare string, unfiltered; the bare result goes
// into its field and the panes are left as they were. The initialisation then sends them.
TEST_F(PrinterPagesTest, TokensFillTheirFieldsAndTravelWithTheInitialisation) {
    const QString cnpj = QString::fromUtf8("11.222.333/0001-81 \u00E7\t");
    setText(QStringLiteral("ed_CnpjImpressora"), cnpj);
    click(QStringLiteral("bt_TokenImpressora"));
    ASSERT_EQ(received().size(), 2u); // the session first: no Id yet
    EXPECT_EQ(received()[1].path, "TNFeAPI/Token");
    EXPECT_EQ(lastDados(), "\"11.222.333\\/0001-81 \\u00E7\\t\"");
    const QString token = text(QStringLiteral("ed_TokenImpressora"));
    EXPECT_EQ(token.size(), 16);
    // The panes show the session request only.
    const QString request = paneText(QStringLiteral("mm_Request"));
    const QString response = paneText(QStringLiteral("mm_Response"));
    EXPECT_TRUE(request.contains(QStringLiteral("CodigoEmpresa"))) << request.toStdString();
    sim.enqueue("TNFeAPI/TokenID", sim::Answer{200, R"({"result":12345})"});
    click(QStringLiteral("bt_TokenIdImpressora"));
    EXPECT_EQ(received().back().path, "TNFeAPI/TokenID");
    EXPECT_EQ(text(QStringLiteral("ed_TokenIdImpressora")), QStringLiteral("12345"));
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), request);
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), response);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    // An answer without "result" says so and leaves the field as it was.
    sim.enqueue("TNFeAPI/TokenID", sim::Answer{200, "sem token"});
    click(QStringLiteral("bt_TokenIdImpressora"));
    expectMessage(QStringLiteral("result"));
    EXPECT_EQ(text(QStringLiteral("ed_TokenIdImpressora")), QStringLiteral("12345"));

    sim.clearReceived();
    click(QStringLiteral("bt_InicializaImpressoNaoFiscal"));
    EXPECT_EQ(received().back().body,
              R"({"MODELO":"Daruma","PORTA":"COM4","VELOCIDADE":115200,"TOKEN":")" +
                  token.toStdString() + R"(","IDTOKEN":"12345"})");
    expectMessage(QStringLiteral("inicializada"));
}

// Every button of the group, pressed once with the page's defaults, either sends its request or
// says why not in a message; "..." pickers only ask for a file.
TEST_F(PrinterPagesTest, EveryButtonSendsOrSaysWhy) {
    const QStringList pages = {QStringLiteral("ts_Inicializa"),
                               QStringLiteral("ts_imprimeTextoNaoFiscal"),
                               QStringLiteral("ts_imprimeDANFENFCe"),
                               QStringLiteral("ts_imprimeEvento"),
                               QStringLiteral("ts_SetvTroco"),
                               QStringLiteral("ts_ImprimirExtratoCFeSAT"),
                               QStringLiteral("ts_ImprimirExtratoResumidoCFeSAT"),
                               QStringLiteral("ts_ImprimirExtratoCancelamento"),
                               QStringLiteral("ts_SetUsaCodigoEanImpressao")};
    int actions = 0, pickers = 0;
    for (const QString& page : pages) {
        ASSERT_TRUE(window->selectPage(page));
        QWidget* root = window->findChild<QWidget*>(page);
        ASSERT_NE(root, nullptr);
        for (QPushButton* b : root->findChildren<QPushButton*>()) {
            SCOPED_TRACE(b->objectName().toStdString());
            sim.clearReceived();
            const auto before = seen().size();
            const bool picker = b->text() == QStringLiteral("...");
            if (picker)
                recorded->fileAnswers = {QString()};
            click(b->objectName());
            if (picker) {
                ++pickers;
                EXPECT_TRUE(recorded->fileAnswers.empty());
            } else {
                ++actions;
                EXPECT_TRUE(!received().empty() || seen().size() > before);
            }
        }
    }
    EXPECT_EQ(actions, 13);
    EXPECT_EQ(pickers, 7);
    seen().clear();
}
