#include "harness.h"

#include "common/charfilter.h"
#include "exchange/envelope.h"
#include "tables/memtable.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringEncoder>

namespace {

struct NfeCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

} // namespace

class NfePagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const NfeCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
};

TEST_F(NfePagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString ab = fixture(QStringLiteral("ab.txt"), "A\r\nB\r\n");
    const QString erp = fixture(QStringLiteral("erp.txt"), "\\nLINHA1|x\\ny\r\nLINHA2\xe7");
    const QString bom =
        fixture(QStringLiteral("trn.xml"), "\xEF\xBB\xBF<trn>\r\n\t<a>\xC3\xA7</a>\r\n</trn>");
    const QString kJust = QStringLiteral(
        "Nota realizada para fins de teste. Por favor, desconsiderar tributa\\u00E7\\u00E3o.");
    const std::vector<NfeCase> cases = {
        {"bt_TestarAutenticaCfeSAT",
         {{"ed_XmltrnAutenticaCfeSAT", bom}},
         "TNFeAPI/AutenticaCFeSAT",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"XMLTRN":"<trn>\r\n<a>\u00E7<\/a>\r\n<\/trn>\r\n","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br"})"},
        {"bt_TestarCancelarCFeSAT",
         {{"ed_NumnotCancelarCFeSAT", "42"}},
         "TNFeAPI/CancelaCFeSAT",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":42})"},
        {"bt_TestarConverteArqNF",
         {{"ed_ErpConverteArqNF", erp}},
         "TNFeAPI/ConverteArqNF",
         R"({"ConteudoERP":"\\nLINHA1|xy\\nLINHA2\u00E7","QuebraLinha":"\\n"})"},
        {"bt_TestarConverteArqNF",
         {{"ed_ErpConverteArqNF", ab}, {"ed_QuebraConverteArqNF", "|"}},
         "TNFeAPI/ConverteArqNF",
         R"({"ConteudoERP":"|A|B","QuebraLinha":"|"})"},
        {"bt_TestarConverteArqNF",
         {{"ed_QuebraConverteArqNF", ""}}, // no marker: the lines joined with nothing
         "TNFeAPI/ConverteArqNF",
         R"({"ConteudoERP":"AB","QuebraLinha":""})"},
        {"bt_TestarValidaArqNF",
         {{"ed_ErpValidaArqNF", ab}},
         "TNFeAPI/ValidaArqNF",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"ARQERP":"\\nA\\nB","QUEBRA":"\\n"})"},
        {"bt_TestarAutenticaArqNF",
         {{"ed_ErpAutenticaArqNF", ab}},
         "TNFeAPI/AutenticaArqNF",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"ARQERP":"\\nA\\nB","QUEBRA":"\\n","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","NomeImpressora":""})"},
        {"bt_TestarCancelarNFe",
         {},
         "TNFeAPI/CancelarNFe",
         (R"({"FILIAL":"001","CNPJ":"11222333000181","SERIE":"1","NUMEROECF":"001","NUMERONOTA":1,"JUSTIFICATIVA":")" +
          kJust.toStdString() + R"(","DATA":"01\/01\/2015 12:00:00"})")},
        {"bt_TestarAutenticaCFeSATArqNF",
         {{"ed_ErpAutenticaCFeSATArqNF", ab}, {"ed_QuebraAutenticaCFeSATArqNF", "#"}},
         "TNFeAPI/AutenticaCFeSATArqNF",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"ARQERP":"#A#B","QUEBRA":"#","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br"})"},
        {"bt_TestarSATAtivo", {}, "TNFeAPI/SATAtivo", "{}"},
        {"bt_TestarAutenticaSEFAZ",
         {{"ed_XMLAutenticaSEFAZ", ab}},
         "TNFeAPI/AutenticaSEFAZ",
         R"({"CODFIL":"001","NUMECF":"001","SERIE":"1","NUMNOT":1,"XML":"AB","XMLTRANSACAO":"","MENSAGERIADFE":0,"PATHSALVAR":"","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","NomeImpressora":""})"},
        {"btCartaCorrecao",
         {{"ed_TextoCartaCorrecao", "Troca do CFOP"}, {"ed_DataCartaCorrecao", "5/6/2024 8:09:10"}},
         "TNFeAPI/CartaCorrecao",
         R"({"FILIAL":"001","CNPJ":"11222333000181","NUMEROECF":"001","SERIE":"1","NUMERONOTA":1,"TEXTOCARTA":"Troca do CFOP","DATA":"05\/06\/2024 08:09:10"})"},
        {"bt_CancelarNFeSefazTestar",
         {},
         "TNFeAPI/CancelarNFeSefaz",
         (R"({"FILIAL":"001","CNPJ":"11222333000181","SERIE":"1","NUMEROECF":"001","NUMERONOTA":1,"JUSTIFICATIVA":")" +
          kJust.toStdString() + R"(","DATA":"01\/01\/2015 12:00:00","EMAILPARA":""})")},
        {"bt_AutenticaErpNFeSefaz",
         {{"ed_AutenticaErpNFeSefazArquivoErp", ab}},
         "TNFeAPI/AutenticaErpNFeSefaz",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1,"ARQERP":"\\nA\\nB","QUEBRA":"\\n","EMAILPARA":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","NomeImpressora":""})"},
        {"bt_ConsultaStatusOperacionalSAT",
         {{"ed_ConsultaStatusOperacionalSATNumeroSerie", "abc"}},
         "TNFeAPI/ConsultaStatusOperacionalSAT",
         R"({"NumeroSerie":-1})"},
    };
    for (const auto& c : cases) {
        run(c);
        EXPECT_TRUE(seen().empty()) << c.button << ": " << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u) << c.button;
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados) << c.button;
    }
    find<QRadioButton>(QStringLiteral("rb_MensageriaDFeEmiteNFeAutenticaSEFAZ"))->setChecked(true);
    run({"bt_TestarAutenticaSEFAZ", {{"ed_XMLTransacaoAutenticaSEFAZ", ab}}, "", ""});
    const json::JsonValue dados = sentDados();
    EXPECT_EQ(member(dados, "MENSAGERIADFE").text(), "1");
    EXPECT_EQ(member(dados, "XMLTRANSACAO").text(), "AB");
}

// Each kind of file text reads the file its own way: the joined and marked texts, the signing
// XML, the DAV XML and the Bloco X file in the 8-bit code page, one character per byte and no
// byte-order mark looked for, so that the middleware turning the text back into bytes through
// the same code page gets the file's bytes; the file text by its byte-order mark, else in the
// code page. The value goes out as the wire shows it, compared whole.
TEST_F(NfePagesTest, EachFileKindReadsTheFileItsOwnWay) {
    const QString text = QString::fromUtf8("ação\r\nfim\r\n");
    const QString ascii = QStringLiteral("acao\r\nfim\r\n");
    const QByteArray le = QStringEncoder(QStringEncoder::Utf16LE)(text);
    const QByteArray be = QStringEncoder(QStringEncoder::Utf16BE)(text);
    enum Encoding { Ascii, Utf8, Utf8Mark, Utf16LE, Utf16BE, CodePage, Encodings };
    const QByteArray bytes[Encodings] = {
        ascii.toLatin1(), text.toUtf8(),   "\xEF\xBB\xBF" + text.toUtf8(),
        "\xFF\xFE" + le,  "\xFE\xFF" + be, toCp1252(text)};
    const struct {
        const char* button;
        const char* field;
        const char* key;
        bool codePage; // the text turned back into code-page bytes is the file's bytes
        bool lineEndsKept;
        const char* wire[Encodings];
    } kinds[] = {
        {"bt_TestarAutenticaCfeSAT",
         "ed_XmltrnAutenticaCfeSAT",
         "XMLTRN",
         false,
         true,
         {R"("acao\r\nfim\r\n")", R"("a\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")",
          R"("a\u00E7\u00E3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")",
          R"("a\u00E7\u00E3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")"}},
        {"bt_TestarConverteArqNF",
         "ed_ErpConverteArqNF",
         "ConteudoERP",
         true,
         false,
         {R"("\\nacao\\nfim")", R"("\\na\u00C3\u00A7\u00C3\u00A3o\\nfim")",
          R"("\\n\u00EFa\u00C3\u00A7\u00C3\u00A3o\\nfim")", R"("\\na\u00E7\u00E3o\\n\\nfim\\n\\n")",
          R"("\\na\u00E7\u00E3o\\n\\nfim\\n")", R"("\\na\u00E7\u00E3o\\nfim")"}},
        {"bt_TestarAutenticaSEFAZ",
         "ed_XMLAutenticaSEFAZ",
         "XML",
         true,
         false,
         {R"("acaofim")", R"("a\u00C3\u00A7\u00C3\u00A3ofim")",
          R"("\u00EFa\u00C3\u00A7\u00C3\u00A3ofim")", R"("a\u00E7\u00E3ofim")",
          R"("a\u00E7\u00E3ofim")", R"("a\u00E7\u00E3ofim")"}},
        {"bt_TestarAssinarXML",
         "ed_XMLAssinarXML",
         "XML",
         true,
         true,
         {R"("acao\r\nfim\r\n")", R"("a\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")",
          R"("\u00EFa\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")",
          R"("a\u00E7\u00E3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")"}},
        {"bt_ImprimeDAV",
         "ed_ImprimeDAVXMLTransacao",
         "XML",
         true,
         true,
         {R"("acao\r\nfim\r\n")", R"("a\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")",
          R"("\u00EFa\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")",
          R"("a\u00E7\u00E3o\r\nfim\r\n")", R"("a\u00E7\u00E3o\r\nfim\r\n")"}},
        {"bt_InclusaoFiscoEstoque",
         "ed_InclusaoFiscoEstoqueXML",
         "XML",
         true,
         true,
         {R"("acao\r\nfim\r\n")", R"("a\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")",
          R"("\u00EF\u00BB\u00BFa\u00C3\u00A7\u00C3\u00A3o\r\nfim\r\n")",
          R"("\u00FF\u00FEa\u0000\u00E7\u0000\u00E3\u0000o\u0000\r\u0000\n\u0000f\u0000i\u0000m\u0000\r\u0000\n\u0000")",
          R"("\u00FE\u00FF\u0000a\u0000\u00E7\u0000\u00E3\u0000o\u0000\r\u0000\n\u0000f\u0000i\u0000m\u0000\r\u0000\n")",
          R"("a\u00E7\u00E3o\r\nfim\r\n")"}},
    };
    for (const auto& k : kinds) {
        for (int e = 0; e < Encodings; ++e) {
            const QString file = fixture(QStringLiteral("arquivo.txt"), bytes[e]);
            run({k.button, {{k.field, file}}, "", ""});
            EXPECT_TRUE(seen().empty())
                << k.button << ": " << e << ": " << shownMessages().toStdString();
            const auto dados = json::parse(lastDados()).value;
            ASSERT_TRUE(dados && dados->find(k.key)) << k.button;
            const json::JsonValue& sent = *dados->find(k.key);
            EXPECT_EQ(json::toWireText(sent), k.wire[e]) << k.button << ": " << e;
            // Printable text with accents, in the code page or in UTF-8 without a mark, comes back
            // as the file's bytes (line ends aside where the kind drops them).
            if (k.codePage && (e == Ascii || e == Utf8 || e == CodePage)) {
                QByteArray expected = bytes[e];
                if (!k.lineEndsKept)
                    expected.replace("\r\n", "");
                QByteArray back = toCp1252(sent.toQString());
                if (std::string_view(k.key) == "ConteudoERP")
                    back.replace("\\n", "");
                EXPECT_EQ(back, expected) << k.button << ": " << e;
            }
        }
    }
}

TEST_F(NfePagesTest, MissingFilesAndBadValuesStopBeforeSending) {
    const struct {
        const char* button;
        const char* field;
        QString value;
        const char* message;
    } cases[] = {
        {"bt_TestarAutenticaCfeSAT", "ed_XmltrnAutenticaCfeSAT", QStringLiteral("nao-existe.xml"),
         "Cannot open file"},
        {"bt_TestarAutenticaSEFAZ", "ed_XMLAutenticaSEFAZ", QString(), "Cannot open file"},
        {"bt_TestarCancelarNFe", "ed_DataCancelarNFe", QStringLiteral("31/02/2024 10:00:00"),
         "'31/02/2024 10:00:00' is not a valid date and time"},
        {"bt_TestarCancelarCFeSAT", "ed_NumnotCancelarCFeSAT", QString(),
         "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        run({c.button, {{c.field, c.value}}, "", ""});
        EXPECT_TRUE(received().empty()) << c.button;
        ASSERT_EQ(seen().size(), 1u) << c.button;
        EXPECT_TRUE(seen()[0].text.startsWith(QString::fromUtf8(c.message)))
            << seen()[0].text.toStdString();
    }
}

TEST_F(NfePagesTest, SatRecordReading) {
    click(QStringLiteral("bt_TestarCancelarCFeSAT"));
    EXPECT_EQ(text(QStringLiteral("ed_CodigoDeRetornoCancelarCFeSAT")), QStringLiteral("7000"));
    EXPECT_TRUE(
        text(QStringLiteral("mm_XMLVenCancelarCFeSAT")).startsWith(QStringLiteral("<CFe>")));
    EXPECT_EQ(text(QStringLiteral("ed_MensagemSistemaCancelarCFeSAT")),
              QStringLiteral("SAT simulado"));

    // Missing members: 0 and empty text.
    sim.enqueue("TNFeAPI/CancelaCFeSAT",
                sim::Answer{200, R"({"result":{"RETORNO":"x","codret":5}})"});
    click(QStringLiteral("bt_TestarCancelarCFeSAT"));
    EXPECT_EQ(text(QStringLiteral("ed_RetornoCancelarCFeSAT")), QStringLiteral("x"));
    EXPECT_EQ(text(QStringLiteral("ed_CodigoDeRetornoCancelarCFeSAT")), QStringLiteral("5"));
    EXPECT_EQ(text(QStringLiteral("ed_CodigoDeErroCancelarCFeSAT")), QStringLiteral("0"));
    EXPECT_EQ(text(QStringLiteral("ed_MensagemDeErroCancelarCFeSAT")), QString());

    // Not JSON: a message, and the fields keep what they held.
    sim.enqueue("TNFeAPI/CancelaCFeSAT", sim::Answer{200, "<html>erro</html>", "text/html"});
    click(QStringLiteral("bt_TestarCancelarCFeSAT"));
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.contains(QStringLiteral("não é JSON")));
    EXPECT_EQ(text(QStringLiteral("ed_RetornoCancelarCFeSAT")), QStringLiteral("x"));

    // An error envelope has no "result" record members: the fields are read as empty.
    setText(QStringLiteral("ed_CodfilCancelarCFeSAT"), QStringLiteral("999"));
    click(QStringLiteral("bt_TestarCancelarCFeSAT"));
    EXPECT_EQ(text(QStringLiteral("ed_RetornoCancelarCFeSAT")), QString());

    // No "result" at all: every field emptied.
    sim.enqueue("TNFeAPI/AutenticaCFeSAT", sim::Answer{200, R"({"outra":1})"});
    setText(QStringLiteral("ed_XmltrnAutenticaCfeSAT"), fixture(QStringLiteral("t.xml"), "<t/>"));
    click(QStringLiteral("bt_TestarAutenticaCfeSAT"));
    EXPECT_EQ(text(QStringLiteral("ed_NumeroSATAutenticaCFeSAT")), QString());
    click(QStringLiteral("bt_TestarAutenticaCfeSAT"));
    EXPECT_EQ(text(QStringLiteral("ed_NumeroSATAutenticaCFeSAT")), QStringLiteral("900001234"));
}

TEST_F(NfePagesTest, EventReadingThreeOutcomes) {
    const QString evento = QStringLiteral("mm_CancelarNFeSefazXmlEvento");
    click(QStringLiteral("bt_CancelarNFeSefazTestar"));
    EXPECT_TRUE(text(evento).startsWith(QStringLiteral("<procEventoNFe>")));
    sim.enqueue("TNFeAPI/CancelarNFeSefaz",
                sim::Answer{200, R"({"result":{"controle":{"err":false}}})"});
    click(QStringLiteral("bt_CancelarNFeSefazTestar"));
    EXPECT_TRUE(
        text(evento).startsWith(QStringLiteral("<procEventoNFe>"))); // no "conteudo": left alone
    sim.enqueue("TNFeAPI/CancelarNFeSefaz",
                sim::Answer{200, R"({"result":{"conteudo":{"str":""}}})"});
    click(QStringLiteral("bt_CancelarNFeSefazTestar"));
    EXPECT_EQ(text(evento), QString()); // "conteudo" without "livre": emptied
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    click(QStringLiteral("bt_TestarCancelarNFe")); // record reading of the same record
    EXPECT_TRUE(text(QStringLiteral("mm_XmlNotaCancelarNFe"))
                    .contains(QStringLiteral("<cStat>101</cStat>")));
}

TEST_F(NfePagesTest, ResultAndContentTexts) {
    const QString ab = fixture(QStringLiteral("ab.txt"), "A\r\nB\r\n");
    setText(QStringLiteral("ed_XMLAutenticaSEFAZ"), ab);
    sim.enqueue("TNFeAPI/AutenticaSEFAZ", sim::Answer{200, R"({"result":"<a x=\"1\">ção<\/a>"})"});
    click(QStringLiteral("bt_TestarAutenticaSEFAZ"));
    EXPECT_EQ(text(QStringLiteral("mm_XMLAutenticadoAutenticaSEFAZ")),
              QString::fromUtf8(R"("<a x=\"1\">ção</a>")"));
    sim.enqueue("TNFeAPI/AutenticaSEFAZ", sim::Answer{200, R"({"result":{"b":[1,"x"]}})"});
    click(QStringLiteral("bt_TestarAutenticaSEFAZ"));
    EXPECT_EQ(text(QStringLiteral("mm_XMLAutenticadoAutenticaSEFAZ")),
              QStringLiteral(R"({"b":[1,"x"]})"));
    sim.enqueue("TNFeAPI/AutenticaSEFAZ", sim::Answer{200, R"({"sem":"result"})"});
    click(QStringLiteral("bt_TestarAutenticaSEFAZ"));
    EXPECT_EQ(seen().size(), 1u);
    EXPECT_EQ(text(QStringLiteral("mm_XMLAutenticadoAutenticaSEFAZ")),
              QStringLiteral(R"({"b":[1,"x"]})"));

    setText(QStringLiteral("ed_AutenticaErpNFeSefazArquivoErp"), ab);
    click(QStringLiteral("bt_AutenticaErpNFeSefaz"));
    EXPECT_TRUE(text(QStringLiteral("ed_AutenticaErpNFeSefazXMLRetorno"))
                    .startsWith(QStringLiteral("<nfeProc")));
}

TEST_F(NfePagesTest, ComplementaryCfeSendsItsItems) {
    click(QStringLiteral("bt_AutenticaCFeSATComplementar"));
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_EQ(seen()[0].text, QStringLiteral("Informe os itens do SAT de Origem"));
    EXPECT_EQ(seen()[0].kind, Dialogs::Kind::Warning);

    MemTable& itens = dm->table(QStringLiteral("vt_AutenticaCFeSATComplementarItens"));
    itens.append();
    itens.setValue(QStringLiteral("Item"), 1);
    itens.setValue(QStringLiteral("BaseICMS"), 100.5);
    itens.setValue(QStringLiteral("AliqICMS"), 18);
    itens.append();
    itens.setValue(QStringLiteral("Item"),
                   2); // left pending, with an empty base: stored before reading
    setText(QStringLiteral("ed_AutenticaCFeSATComplementarNumero"), QStringLiteral("x"));
    click(QStringLiteral("bt_AutenticaCFeSATComplementar"));
    EXPECT_EQ(
        lastDados(),
        R"({"DocumentoOrigem":{"Filial":"001","NumeroECF":"001","Serie":"1","NumeroNota":0,"ChaveAcesso":""},)"
        R"("Itens":[{"NumeroItem":1,"BaseICMS":100.5,"AliqICMS":18},{"NumeroItem":2,"BaseICMS":0,"AliqICMS":0}]})");
    EXPECT_EQ(itens.recNo(), 1); // left on the last row
    EXPECT_EQ(text(QStringLiteral("ed_AutenticaCFeSATComplementarRetNumeroCFe")),
              QStringLiteral("123"));
    EXPECT_EQ(text(QStringLiteral("Edit12")), QStringLiteral("SAT simulado"));
}
