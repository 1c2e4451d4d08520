#include "harness.h"

#include "contracts/tcombo.h"
#include "exchange/envelope.h"
#include "widgets/pageroutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

struct PageCase {
    const char* name;
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados; // wire text of the data value (envelope) or of the body (plain)
    bool plain = false;
};

QString writeFixture(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return QDir::current().absoluteFilePath(name);
}

} // namespace

class ConnectionPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    // The last request's data value, with its signature checked.
    std::string lastDados(bool plain) {
        const auto got = received();
        EXPECT_FALSE(got.empty());
        if (got.empty())
            return {};
        if (plain)
            return got.back().body;
        const json::JsonValue envelope = body(got.back());
        const json::JsonValue* parametros = envelope.find("Parametros");
        EXPECT_EQ(member(envelope, "Assinatura").toQString(), signParametros(*parametros, 0));
        return json::toWireText(*parametros->find("Dados"));
    }
};

TEST_F(ConnectionPagesTest, EachPageSendsItsDataValue) {
    const QString xml = writeFixture(QStringLiteral("nota.xml"),
                                     "\xEF\xBB\xBF<nfe>\r\n\t<xNome>Jo\xC3\xA3o</xNome>\r\n</nfe>");
    const QString latin = writeFixture(QStringLiteral("latin.xml"), "<a>a\xE7\xE3o\t!</a>\r\n<b/>");
    const std::vector<PageCase> cases = {
        {"testa",
         "btValidarTestaComunicao",
         {},
         "TConexaoAPI/TestaComunicacao",
         R"({"INTEGER":-999999999,"INT64":-99999999999999,"CURRENCY":-999999999.9999,"BOOLEAN":true,"STRING":")"
         R"(\u00C1\u00C0\u00C3\u00C2\u00C4\u00C9\u00C8\u00CA\u00CB\u00CD\u00CC\u00CE\u00CF\u00D3\u00D2\u00D5\u00D4\u00D6\u00DA\u00D9\u00DB\u00DC\u00DD\u00C7\u00D1 )"
         R"(\u00E1\u00E0\u00E3\u00E2\u00E4\u00E9\u00E8\u00EA\u00EB\u00ED\u00EC\u00EE\u00EF\u00F3\u00F2\u00F5\u00F4\u00F6\u00FA\u00F9\u00FB\u00FC\u00FD\u00E7\u00F1')"
         R"(ABCDEFGHIJKLMNOPQRSTUVXWYZabcdefghijklmnopqrstuvxwyz1234567890-=\u00B4~[],.;\/\\\"!@#$%\u00A8&*()_+`^{}<>:?|\u00B9\u00B2\u00B3\u00A3\u00A2\u00AC\u00A7\u00AA\u00BA\\\\fim",)"
         R"("TDATETIME":"25\/11\/2015 07:59:59"})",
         true},
        {"testa edited",
         "btValidarTestaComunicao",
         {{"ed_CurrencyTestaComunicacao", QStringLiteral("10,5")},
          {"ed_StringTestaComunicacao", QStringLiteral("x")}},
         "TConexaoAPI/TestaComunicacao",
         R"({"INTEGER":-999999999,"INT64":-99999999999999,"CURRENCY":10.5,"BOOLEAN":true,"STRING":"x","TDATETIME":"25\/11\/2015 07:59:59"})",
         true},
        {"sobre", "bt_TestarSobre", {}, "TConexaoAPI/Sobre", R"("")"},
        {"impressoras",
         "bt_ConsultaImpressora",
         {},
         "TConexaoAPI/ConsultaImpressora",
         R"({"TipoComunicacaoImpressora":""})"},
        {"cadastra xml",
         "bt_TestarCadastraXML",
         {{"ed_XMLCadastraXML", xml}},
         "TConexaoAPI/CadastraXML",
         R"({"CNPJ":"11222333000181","CNPJEMITENTE":"","CODFIL":"001","NUMECF":"001","CODSER":"1","NUMDFE":1,)"
         R"("XML":"<nfe>\r\n<xNome>Jo\u00E3o<\/xNome>\r\n<\/nfe>\r\n"})"},
        {"cadastra xml sem arquivo",
         "bt_TestarCadastraXML",
         {{"ed_NumeroCadastraXML", QStringLiteral("7")}, {"ed_XMLCadastraXML", QString()}},
         "TConexaoAPI/CadastraXML",
         R"({"CNPJ":"11222333000181","CNPJEMITENTE":"","CODFIL":"001","NUMECF":"001","CODSER":"1","NUMDFE":7,"XML":""})"},
        {"csrt",
         "bt_CSRTUF",
         {{"ed_CSRTUF", QStringLiteral("SP")}},
         "TMiddlewareAPI/CSRT",
         R"({"UF":"SP"})"},
        {"assinar",
         "bt_TestarAssinarXML",
         {{"ed_XMLAssinarXML", latin},
          {"ed_TagPrincipalAssinarXML", QStringLiteral("NFe")},
          {"ed_TagAssinarAssinarXML", QStringLiteral("infNFe")}},
         "TSSLAPI/AssinarXML",
         R"({"CNPJ":"11222333000181","XML":"<a>a\u00E7\u00E3o!<\/a>\r\n<b\/>","TagPrincipal":"NFe","TagAssinar":"infNFe","XMLCodificado":false})"},
        {"certificado",
         "bt_DadosCertificadoTestar",
         {},
         "TSSLAPI/DadosCertificado",
         R"({"CNPJ":"11222333000181"})"},
        {"certificado local",
         "bt_DadosCertificadoLocalTestar",
         {{"ed_DadosCertificadoLocalPathCertificado", QStringLiteral("C:/cert.pfx")},
          {"ed_DadosCertificadoLocalSenhaCertificado", QStringLiteral("s3nh@")}},
         "TSSLLocalAPI/DadosCertificado",
         R"({"PathCertificado":"C:\/cert.pfx","SenhaCertificado":"s3nh@"})"},
        {"forma emissao",
         "bt_TestarConsultaFormaEmissaoCFe",
         {},
         "TNFeLocalAPI/ConsultaFormaEmissaoCFe",
         R"({"UF":"SP"})",
         true},
    };
    for (const auto& c : cases) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
        EXPECT_TRUE(seen().empty()) << c.name << ": " << shownMessages().toStdString();
        const auto got = received();
        ASSERT_EQ(got.size(), 1u) << c.name;
        EXPECT_EQ(got[0].path, c.path) << c.name;
        EXPECT_EQ(lastDados(c.plain), c.dados) << c.name;
    }
    EXPECT_EQ(
        find<QLineEdit>(QStringLiteral("ed_DadosCertificadoLocalSenhaCertificado"))->echoMode(),
        QLineEdit::Password);
}

TEST_F(ConnectionPagesTest, CompanyListTravelsAsTypedTextAndCsrtNeedsNoSession) {
    find<QPlainTextEdit>(QStringLiteral("mm_JSONEmpresas"))
        ->setPlainText(QStringLiteral("[{\"a\":\"b\"},\n não é JSON\t"));
    click(QStringLiteral("bt_TestarCadastraAtualiza"));
    EXPECT_EQ(lastDados(false), R"({"Empresas":"[{\"a\":\"b\"},\r\n n\u00E3o \u00E9 JSON\t"})");

    setText(QStringLiteral("ed_Id"), QString());
    sim.clearReceived();
    click(QStringLiteral("bt_CSRTUF"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(json::toWireText(*body(received()[0]).find("Parametros")->find("Id")), "0");
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QString());
}

TEST_F(ConnectionPagesTest, TypedEchoFillsTheRightColumn) {
    click(QStringLiteral("btValidarTestaComunicao"));
    EXPECT_EQ(text(QStringLiteral("ed_IntegerRetornoTestaComunicacao")),
              QStringLiteral("-999999999"));
    EXPECT_EQ(text(QStringLiteral("ed_Int64RetornoTestaComunicacao")),
              QStringLiteral("-99999999999999"));
    EXPECT_EQ(text(QStringLiteral("ed_CurrencyRetornoTestaComunicacao")),
              QStringLiteral("-999999999,9999"));
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("cb_BooleanRetornoTestaComunicacao"))->isChecked());
    EXPECT_EQ(text(QStringLiteral("ed_StringRetornoTestaComunicacao")),
              text(QStringLiteral("ed_StringTestaComunicacao")));
    EXPECT_EQ(text(QStringLiteral("ed_TDateTimeRetornoTestaComunicacao")),
              QStringLiteral("25/11/2015 07:59:59"));
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response"))
                    .startsWith(QStringLiteral("{\"INTEGER\":-999999999")));

    // A refused connection leaves the right column and the previous answer alone.
    setText(QStringLiteral("ed_IntegerTestaComunicacao"), QStringLiteral("5"));
    const QString before = paneText(QStringLiteral("mm_Response"));
    sim.stop();
    click(QStringLiteral("btValidarTestaComunicao"));
    EXPECT_EQ(text(QStringLiteral("ed_IntegerRetornoTestaComunicacao")),
              QStringLiteral("-999999999"));
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), before);
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(QStringLiteral("Socket Error # 10061")));
}

TEST_F(ConnectionPagesTest, PrinterLookupFillsAndEmptiesTheList) {
    auto* tipo = find<QComboBox>(QStringLiteral("ed_ConsultaImpressoraTipoComunicacaoImpressora"));
    auto* lista = find<QComboBox>(QStringLiteral("ed_ConsultaImpressoraImpressora"));
    EXPECT_EQ(tipo->currentIndex(), -1);
    click(QStringLiteral("bt_ConsultaImpressora"));
    EXPECT_EQ(lista->count(), 6);
    EXPECT_EQ(lista->itemText(0), QStringLiteral("Bematech MP-4200"));
    tipo->setCurrentIndex(3);
    click(QStringLiteral("bt_ConsultaImpressora"));
    EXPECT_EQ(lastDados(false), R"({"TipoComunicacaoImpressora":"Z"})");
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->itemText(0), QStringLiteral("Zebra GC420t"));
    sim.enqueue("TConexaoAPI/ConsultaImpressora",
                sim::Answer{200, R"({"result":{"controle":{"err":false}}})"});
    click(QStringLiteral("bt_ConsultaImpressora"));
    EXPECT_EQ(lista->count(), 0);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(ConnectionPagesTest, SignedXmlIsSavedOnlyWhenPackedAndWithoutError) {
    const QString xml = writeFixture(QStringLiteral("nota.xml"), "<nfe/>");
    writeFixture(QStringLiteral("nota.zip"), "do usuário");
    setText(QStringLiteral("ed_XMLAssinarXML"), xml);
    find<QCheckBox>(QStringLiteral("cb_AssinarXMLCodificacaoXMLBase64"))->setChecked(true);
    sim.enqueue(
        "TSSLAPI/AssinarXML",
        sim::Answer{
            200,
            R"({"result":{"controle":{"err":true,"cod":"","msg":"falhou"},"conteudo":{"str":"QUJD"}}})"});
    click(QStringLiteral("bt_TestarAssinarXML"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/AssinarXML.zip")));
    click(QStringLiteral("bt_TestarAssinarXML"));
    const json::JsonValue dados = json::parse(lastDados(false)).value.value();
    EXPECT_TRUE(
        QByteArray::fromBase64(member(dados, "XML").toQString().toLatin1()).startsWith("PK"));
    EXPECT_TRUE(member(dados, "XMLCodificado").isTrue());
    QFile saved(QStringLiteral("Arquivos/AssinarXML.zip"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("PK"));
    QFile users(QStringLiteral("nota.zip"));
    ASSERT_TRUE(users.open(QIODevice::ReadOnly));
    EXPECT_EQ(users.readAll(), QByteArray("do usuário"));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// The signing page makes no checks of its own: a file that cannot be read or packed ends the
// action with the file or packing error, and nothing is sent.
TEST_F(ConnectionPagesTest, SigningStopsOnTheFileOrPackingError) {
    const struct {
        bool packed;
        const char* path;
        const char* message;
    } cases[] = {
        {false, "", "Cannot open file"},
        {false, "falta.xml", "Cannot open file"},
        {true, "", "Erro ao criar arquivo compactado!"},
        {true, "falta.xml", "Erro ao criar arquivo compactado!"},
    };
    for (const auto& c : cases) {
        seen().clear();
        find<QCheckBox>(QStringLiteral("cb_AssinarXMLCodificacaoXMLBase64"))->setChecked(c.packed);
        setText(QStringLiteral("ed_XMLAssinarXML"), QString::fromLatin1(c.path));
        click(QStringLiteral("bt_TestarAssinarXML"));
        const std::string what = std::string(c.packed ? "packed " : "") + "'" + c.path + "'";
        EXPECT_TRUE(received().empty()) << what;
        const auto messages = recorded->takeMessages();
        ASSERT_EQ(messages.size(), 1u) << what;
        const QString shown = messages[0].text;
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(c.message)))
            << what << ": " << shown.toStdString();
        EXPECT_FALSE(shown.contains(QStringLiteral("ed_XMLAssinarXML"))) << shown.toStdString();
    }
}

TEST_F(ConnectionPagesTest, GenericPageChecksTheJsonBeforeSending) {
    click(
        QStringLiteral("btGenericAPITestar")); // the sample is an object, the box asks for an array
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_EQ(seen()[0].text, QStringLiteral("Invalid class typecast"));

    find<QCheckBox>(QStringLiteral("cbGenericAPITipoParametro"))->setChecked(false);
    click(QStringLiteral("btGenericAPITestar"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].path, "TCommerceAPI/Separar");
    EXPECT_EQ(lastDados(false).rfind(R"({"ItensSeparacao":[{"Filial":"001")", 0), 0u);

    sim.clearReceived();
    find<QPlainTextEdit>(QStringLiteral("edGenericAPIJSON"))
        ->setPlainText(QStringLiteral("{\"a\": 1,\n  \"b\": "));
    click(QStringLiteral("btGenericAPITestar"));
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 2u);
    EXPECT_TRUE(seen()[1].text.startsWith(QStringLiteral("JSON inválido (linha 2, coluna 7)")))
        << seen()[1].text.toStdString();

    find<QPlainTextEdit>(QStringLiteral("edGenericAPIJSON"))
        ->setPlainText(QStringLiteral("{\"nome\":\"Jo\u00E3o\"}"));
    setText(QStringLiteral("edGenericAPIMetodo"), QString());
    click(QStringLiteral("btGenericAPITestar"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].path, "TCommerceAPI/");
    EXPECT_EQ(lastDados(false), R"({"nome":"Jo?o"})"); // reduced to ASCII before parsing
    expectMessage(QStringLiteral("404 Not Found"));    // no service of that name
    click(QStringLiteral("btGenericAPILimpar"));
    EXPECT_EQ(text(QStringLiteral("edGenericAPIJSON")), QString());
}

TEST_F(ConnectionPagesTest, DecodedFilesStayInsideTheOutputFolder) {
    const QByteArray ok =
        R"({"result":{"controle":{"err":false},"conteudo":{"str":"QUJD","livre":{"Nome":"relatorio.pdf","Base64":"QUJD"}}}})";
    EXPECT_EQ(ResultDecodeBase64(QStringLiteral("GeraPDF"), QStringLiteral("pdf"), ok),
              QStringLiteral("Arquivos/GeraPDF.pdf"));
    EXPECT_EQ(ResultDecodeBase64(QStringLiteral("x"), ok),
              QStringLiteral("Arquivos/relatorio.pdf"));
    QFile pdf(QStringLiteral("Arquivos/relatorio.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll(), QByteArray("ABC"));
    EXPECT_EQ(
        ResultDecodeBase64(QStringLiteral("E"), QStringLiteral("pdf"),
                           R"({"result":{"controle":{"err":true},"conteudo":{"str":"QUJD"}}})"),
        QString());
    EXPECT_EQ(ResultDecodeBase64(QStringLiteral("B"), QStringLiteral("pdf"),
                                 R"({"result":{"conteudo":{"str":"  "}}})"),
              QString());
    EXPECT_EQ(ResultDecodeBase64(
                  QStringLiteral("x"),
                  QByteArray(R"({"result":{"conteudo":{"livre":{"Nome":" ","Base64":"QUJD"}}}})")),
              QString());
    for (const char* hostile : {"../fora.pdf", "sub/arquivo.pdf", "C:\\\\Windows\\\\x.dll",
                                "/etc/x", "..", "...", " . . ", "linha\\r\\nfalsa.pdf", "fim\\n"}) {
        const QByteArray answer = QByteArray(R"({"result":{"conteudo":{"livre":{"Nome":")") +
                                  hostile + R"(","Base64":"QUJD"}}}})";
        EXPECT_THROW(ResultDecodeBase64(QStringLiteral("x"), answer), Exception) << hostile;
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("fora.pdf")));
    EXPECT_EQ(QDir(QStringLiteral("Arquivos")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"GeraPDF.pdf", "relatorio.pdf"}));
    EXPECT_THROW(ResultDecodeBase64(QStringLiteral("G"), QStringLiteral("pdf"),
                                    R"({"result":{"conteudo":{"str":"não base64!"}}})"),
                 Exception);
}

TEST_F(ConnectionPagesTest, CombosShowCaptionsAndReportCodes) {
    auto* tipo = find<QComboBox>(QStringLiteral("ed_ConsultaImpressoraTipoComunicacaoImpressora"));
    QStringList captions;
    for (int i = 0; i < tipo->count(); ++i)
        captions << tipo->itemText(i);
    EXPECT_EQ(captions, QStringList({"Normal", "PPLA", "PPLB", "ZPLII", "EPL2"}));
    EXPECT_EQ(tipo->itemData(0).toString(), QStringLiteral("N"));
    EXPECT_FALSE(tipo->isEditable());
    tipo->setCurrentIndex(2);
    tipo->setCurrentIndex(-1); // a list left with nothing selected selects its first entry
    EXPECT_EQ(tipo->currentIndex(), 0);

    struct Lines : ComboTarget {
        QStringList lines;
        void clearLines() override { lines.clear(); }
        void setUpChooseOnly(bool) override {}
        void addLine(const QString& l) override { lines << l; }
    } target;
    auto frete = TCombo::Create<TComboModalidadeFrete>(&target, false);
    frete->PreencheCombo();
    frete->PreencheCombo(); // filling twice leaves one set of lines
    ASSERT_EQ(target.lines.size(), 6);
    EXPECT_EQ(target.lines.last(), QStringLiteral("9- Sem frete\t9"));
    auto comunicacao = TCombo::Create<TComboTipoComunicacaoImpressora>(&target, false);
    comunicacao->AddFiltroSomenteCom(QStringLiteral(" A"));
    comunicacao->AddFiltroSomenteCom(QStringLiteral("Z"));
    comunicacao->PreencheCombo();
    EXPECT_EQ(target.lines, QStringList({"PPLA\tA", "ZPLII\tZ"}));
    EXPECT_EQ(TComboItem(QStringLiteral("B"), QStringLiteral("PPLB"), false).GetLinhaCombo(),
              QStringLiteral("PPLB --> Desativado\tB"));
    try {
        TCombo::Create<TCombo>(&target, false);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Essa classe não pode ser instanciada."));
    }
}
