#include "harness.h"

#include "common/regional.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

struct MdfeCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

const std::string kJust =
    "Conhecimento realizado para fins de teste. Por favor, desconsiderar tributa\\u00E7\\u00E3o.";

} // namespace

class MdfePagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const MdfeCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
};

TEST_F(MdfePagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString ab = fixture(QStringLiteral("ab.xml"), "<a>\r\n<b/>\r\n");
    const std::vector<MdfeCase> cases = {
        {"bt_TestarAutenticaMDFe",
         {{"ed_XMLAutenticaMDFe", ab}, {"ed_NumeroAutenticaMDFe", "5"}},
         "TMDFeAPI/AutenticaMDFe",
         R"({"CODFIL":"001","NUMECF":"001","SERIE":"1","NUMCTE":5,"XML":"<a><b\/>","XMLTRANSACAO":"","MENSAGERIADFE":0,"PATHSALVAR":"","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","NomeImpressora":""})"},
        {"tb_TestarCancelarMDFeSEFAZ",
         {},
         "TMDFeAPI/CancelarMDFeSefaz",
         R"({"FILIAL":"001","CNPJ":"11222333000181","SERIE":"1","NUMEROECF":"001","NUMEROMDFE":1,"JUSTIFICATIVA":")" +
             kJust + R"(","DATA":"01\/01\/2015 12:00:00","EMAILPARA":""})"},
        {"bt_TestarConsultarMDFe",
         {},
         "TMDFeAPI/ConsultarMDFe",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMMDFE":1})"},
        {"bt_TestarMDFeOnLine",
         {},
         "TMDFeAPI/MDFeOnLine",
         R"({"CNPJ":"11222333000181","TIPOEMISSAO":0,"MODELONOTA":"58"})"},
        {"bt_TestarImprimeMDFeDAMDFE",
         {},
         "TMDFeAPI/ImprimeMDFeDAMDFE",
         R"({"CNPJ":"11222333000181","Filial":"001","ECF":"001","Serie":"1","Numero":1,"NomeImpressora":""})"},
        {"bt_TestarImprimeEventoMDFe",
         {},
         "TMDFeAPI/ImprimeEventoMDFe",
         R"({"CNPJ":"11222333000181","Filial":"001","ECF":"001","Serie":"1","Numero":1,"ProtocoloEvento":"958150000123456","NomeImpressora":""})"},
        {"bt_TestarImprimeMDFeDAMDFEPeloXML",
         {{"ed_CanhotoImprimeMDFeDAMDFEPeloXML", "C"}},
         "TMDFeAPI/ImprimeMDFeDAMDFEPeloXML",
         R"({"XML":"","CANHOTO":"C","NomeImpressora":""})"},
        // Its own fields, to its own service.
        {"bt_TestarGeraMDFePDFPeloXML",
         {{"ed_XMLGeraMDFePDFPeloXML", ab}, {"ed_CanhotoGeraMDFePDFPeloXML", "Recebi"}},
         "TMDFeAPI/GeraMDFePDFPeloXML",
         R"({"XML":"<a>\r\n<b\/>\r\n","CANHOTO":"Recebi"})"},
        {"bt_TestarEncerrarMDFe", {}, "TMDFeAPI/EncerrarMDFe", R"({"XML":"","CNPJ":""})"},
        {"bt_TestarGeraMDFePreviaPDFPeloXML",
         {{"ed_CanhotoGeraMDFePreviaPDFPeloXML", "P"}},
         "TMDFeAPI/GeraMDFePreviaPDFPeloXML",
         R"({"XML":"","CANHOTO":"P"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
    // The preview page kept its own fields when the PDF page was used.
    EXPECT_EQ(text(QStringLiteral("ed_XMLGeraMDFePreviaPDFPeloXML")), QString());

    find<QRadioButton>(QStringLiteral("rb_MensageriaAutenticaMDFe"))->setChecked(true);
    run({"bt_TestarAutenticaMDFe", {}, "", ""});
    EXPECT_NE(lastDados().find(R"("MENSAGERIADFE":3)"), std::string::npos);
    find<QComboBox>(QStringLiteral("cb_ContingenciaMDFeOnLine"))->setEditText(QStringLiteral("X"));
    run({"bt_TestarMDFeOnLine", {}, "", ""});
    EXPECT_EQ(lastDados(), R"({"CNPJ":"11222333000181","TIPOEMISSAO":-1,"MODELONOTA":"58"})");
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response"))
                    .contains(QStringLiteral("tipo de emiss\\u00E3o -1 desconhecido")))
        << paneText(QStringLiteral("mm_Response")).toStdString();
}

TEST_F(MdfePagesTest, PdfPageHasItsOwnPicker) {
    const QString chosen = fixture(QStringLiteral("mdfe.xml"), "<MDFe/>");
    recorded->fileAnswers.push_back(chosen);
    click(QStringLiteral("bt_XMLGeraMDFePDFPeloXML"));
    EXPECT_EQ(text(QStringLiteral("ed_XMLGeraMDFePDFPeloXML")), chosen);
    EXPECT_EQ(text(QStringLiteral("ed_XMLGeraMDFePreviaPDFPeloXML")), QString());
    click(QStringLiteral("bt_TestarGeraMDFePDFPeloXML"));
    EXPECT_EQ(lastDados(), R"({"XML":"<MDFe\/>\r\n","CANHOTO":""})");
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("PDF gerado")));
}

TEST_F(MdfePagesTest, CancellationDateRefreshAndEventReading) {
    click(QStringLiteral("bt_AtualizaDataCancelarMDFeSEFAZ"));
    const QString now = text(QStringLiteral("ed_DataCancelarMDFeSEFAZ"));
    const auto parsed = regional::tryStrToDateTime(now);
    ASSERT_TRUE(parsed.has_value()) << now.toStdString();
    EXPECT_LT(std::abs(parsed->secsTo(regional::now())), 60);
    click(QStringLiteral("tb_TestarCancelarMDFeSEFAZ"));
    const QString sent = regional::formatDateTime(QStringLiteral("DD/MM/YYYY HH:NN:SS"), *parsed)
                             .replace(QStringLiteral("/"), QStringLiteral("\\/"));
    EXPECT_NE(lastDados().find("\"DATA\":\"" + sent.toStdString() + "\""), std::string::npos)
        << lastDados();
    const QString evento = QStringLiteral("mm_XMLEventoCancelarMDFeSEFAZ");
    const QString nota = QStringLiteral("mm_XMLNotaCancelarMDFeSEFAZ");
    EXPECT_TRUE(text(evento).startsWith(QStringLiteral("<procEventoMDFe>")));
    EXPECT_TRUE(text(nota).startsWith(QStringLiteral("<mdfeProc")));
    // A result envelope without "livre" empties both memos.
    sim.enqueue("TMDFeAPI/CancelarMDFeSefaz",
                sim::Answer{200, R"({"result":{"controle":{"err":false},"conteudo":{"str":""}}})"});
    click(QStringLiteral("tb_TestarCancelarMDFeSEFAZ"));
    EXPECT_EQ(text(evento), QString());
    EXPECT_EQ(text(nota), QString());
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(MdfePagesTest, AuthorisationReadsTheXmlAndFiltersPrinters) {
    setText(QStringLiteral("ed_XMLAutenticaMDFe"), fixture(QStringLiteral("m.xml"), "<MDFe/>"));
    click(QStringLiteral("bt_TestarAutenticaMDFe"));
    EXPECT_TRUE(text(QStringLiteral("mm_XMLAutenticadoAutenticaMDFe"))
                    .startsWith(QStringLiteral("\"<mdfeProc")));

    find<QComboBox>(QStringLiteral("ed_ConsultaImpressoraTipoComunicacaoImpressora"))
        ->setCurrentIndex(4); // "EPL2"
    click(QStringLiteral("bt_ImpressorasAutenticaMDFe"));
    EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":"E"})");
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cb_ImpressorasAutenticaMDFe"))->count(), 1);
    click(QStringLiteral("bt_ImpressorasImprimeMDFeDAMDFE"));
    EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":""})");
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cb_ImpressoraImprimeMDFeDAMDFE"))->count(), 6);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}
