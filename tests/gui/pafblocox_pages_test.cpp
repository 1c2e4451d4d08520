#include "harness.h"

#include "common/charfilter.h"
#include "common/filehelpers.h"
#include "widgets/textpane.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

class PafBlocoXPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const char* button, const std::vector<std::pair<const char*, QString>>& edits = {}) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(button));
    }
    void setChecked(const QString& name, bool on) { find<QCheckBox>(name)->setChecked(on); }
    // The names in the working folder.
    static QStringList folder() {
        return QDir::current().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                         QDir::Name);
    }
};

TEST_F(PafBlocoXPagesTest, EachPageSendsItsDataValueInKeyOrder) {
    fixture(QStringLiteral("Reducao.xml"), "<rz>\t\xC3\xA7\xC2\xBA</rz>\r\n");
    fixture(QStringLiteral("Estoque.xml"), "<est/>");
    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> edits;
        const char* path;
        const char* dados;
    } cases[] = {
        {"bt_PermiteGeracaoFiscoReducaoZ",
         {},
         "TPAFAPI/PermiteGeracaoFiscoReducaoZ_2",
         R"({"Filial":"001","NumECF":"001","NumCRZ":1,"NumCRO":1})"},
        // Counters: a whole number, or 0.
        {"bt_PermiteGeracaoFiscoReducaoZ",
         {{"ed_PermiteGeracaoFiscoReducaoZNumCRZ", QStringLiteral("12a")},
          {"ed_PermiteGeracaoFiscoReducaoZNumCRO", QStringLiteral("007")}},
         "TPAFAPI/PermiteGeracaoFiscoReducaoZ_2",
         R"({"Filial":"001","NumECF":"001","NumCRZ":0,"NumCRO":7})"},
        // The file's bytes one character each: tabs kept, a UTF-8 letter as two characters.
        {"bt_InclusaoFiscoReducaoZ",
         {},
         "TPAFAPI/InclusaoFiscoReducaoZ_2",
         R"({"Filial":"001","NumECF":"001","NumCRZ":1,"NumCRO":1,"DTMovRZ":"18\/10\/2016 10:40:23","XML":"<rz>\t\u00C3\u00A7\u00C2\u00BA<\/rz>\r\n","XMLCodificado":false})"},
        {"bt_TransmissaoFiscoReducaoZ",
         {{"ed_TransmissaoFiscoReducaoZCNPJ", QStringLiteral("11222333000181")}},
         "TPAFAPI/TransmissaoFiscoReducaoZ_2",
         R"({"Filial":"001","NumECF":"001","CNPJ":"11222333000181"})"},
        {"bt_UltimaTransmissaoFiscoReducaoZ",
         {},
         "TPAFAPI/UltimaTransmissaoFiscoReducaoZ",
         R"({"Filial":"001","NumECF":"001"})"},
        {"bt_MensagemPendenciasFiscoReducaoZ",
         {},
         "TPAFAPI/MensagemPendenciasFiscoReducaoZ_2",
         R"({"Filial":"001","NumECF":"001"})"},
        {"bt_PermiteGeracaoFiscoEstoque",
         {},
         "TPAFAPI/PermiteGeracaoFiscoEstoque_2",
         R"({"Filial":"001","DataEstoque":"11\/10\/2016 10:40:23"})"},
        {"bt_InclusaoFiscoEstoque",
         {},
         "TPAFAPI/InclusaoFiscoEstoque_2",
         R"({"Filial":"001","DataEstoque":"11\/10\/2016 10:40:23","XML":"<est\/>","XMLCodificado":false})"},
        {"bt_TransmissaoFiscoEstoque",
         {},
         "TPAFAPI/TransmissaoFiscoEstoque_2",
         R"({"Filial":"001","CNPJ":""})"},
        {"bt_UltimaTransmissaoFiscoEstoque",
         {},
         "TPAFAPI/UltimaTransmissaoFiscoEstoque",
         R"({"Filial":"001"})"},
        {"bt_MensagemPendenciasFiscoEstoque",
         {},
         "TPAFAPI/MensagemPendenciasFiscoEstoque_2",
         R"({"Filial":"001"})"},
        {"bt_UltimoRegistroFiscoReducaoZ",
         {{"ed_UltimoRegistroFiscoReducaoZNumECF", QStringLiteral("002")}},
         "TPAFAPI/UltimoRegistroFiscoReducaoZ",
         R"({"Filial":"001","NumECF":"002"})"},
        {"bt_UltimoRegistroFiscoEstoque",
         {},
         "TPAFAPI/UltimoRegistroFiscoEstoque",
         R"({"Filial":"001"})"},
        {"bt_GeracaoFiscoReducaoZ",
         {},
         "TPAFAPI/GeracaoFiscoReducaoZ",
         R"({"Filial":"001","NumECF":"001","NumCRZ":1,"NumCRO":1,"NomePAFECF":"Quorva POS","VersaoPAFECF":"X1","CredenciamentoPAFECF":"123","ArquivoCompactado":true})"},
        {"bt_GeracaoFiscoEstoque",
         {},
         "TPAFAPI/GeracaoFiscoEstoque",
         R"({"Filial":"001","DataEstoque":"02\/05\/2017 17:55:55","NomePAFECF":"Quorva POS","VersaoPAFECF":"X1","CredenciamentoPAFECF":"123","ArquivoCompactado":true})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c.button, c.edits);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
        EXPECT_TRUE(
            paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("\"err\":false")))
            << paneText(QStringLiteral("mm_Response")).toStdString();
    }
}

// The public pending-message requests are the bare object: no session request, no envelope, no
// signature and no credentials, although the company code has some.
TEST_F(PafBlocoXPagesTest, PublicPendingMessagesCarryNoSessionNoEnvelopeAndNoCredentials) {
    setText(QStringLiteral("ed_Id"), QString());
    const struct {
        const char* button;
        const char* path;
        const char* body;
    } cases[] = {
        {"bt_MensagemPendenciasPublicFiscoReducaoZ",
         "TPAFAPI/MensagemPendenciasPublicFiscoReducaoZ", R"({"Filial":"001","NumECF":"001"})"},
        {"bt_MensagemPendenciasPublicFiscoEstoque", "TPAFAPI/MensagemPendenciasPublicFiscoEstoque",
         R"({"Filial":"001"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c.button);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        const sim::Request r = received()[0];
        EXPECT_EQ(r.path, c.path);
        EXPECT_EQ(r.body, c.body);
        EXPECT_EQ(r.authUser, "");
        EXPECT_EQ(r.authPassword, "");
        EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString::fromLatin1(c.body));
        EXPECT_TRUE(
            paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("\"err\":false")));
    }
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QString());
}

// Checked, "XML" is a ZIP archive holding the XML under its bare name, in base64. The archive
// is made in a private temporary folder that goes away on every path: a user's own archive
// beside the XML keeps its bytes and nothing is left behind.
TEST_F(PafBlocoXPagesTest, InclusionSendsTheFileZippedWithoutTouchingTheUsersFiles) {
    const QByteArray xml = "<rz>\xC3\xA7</rz>";
    fixture(QStringLiteral("Reducao.xml"), xml);
    fixture(QStringLiteral("Reducao.zip"), "o arquivo do usuário");
    const QTemporaryDir temp;
    const QByteArray previousTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    const QStringList before = folder();

    setChecked(QStringLiteral("cb_InclusaoFiscoReducaoZCodificacaoXMLBase64"), true);
    run("bt_InclusaoFiscoReducaoZ");
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    const auto dados = json::parse(lastDados()).value;
    ASSERT_TRUE(dados);
    EXPECT_TRUE(dados->find("XMLCodificado")->isTrue());
    const QByteArray zip = QByteArray::fromBase64(dados->find("XML")->toQString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    ASSERT_TRUE(zip.startsWith("PK\x03\x04"));
    {
        const QTemporaryDir check;
        const QString archive = QDir(check.path()).filePath(QStringLiteral("x.zip"));
        QFile f(archive);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(zip);
        f.close();
        DescompactFile(archive, check.path() + QStringLiteral("/out"));
        EXPECT_EQ(QDir(check.path() + QStringLiteral("/out")).entryList(QDir::Files),
                  QStringList{QStringLiteral("Reducao.xml")});
        EXPECT_EQ(readFileBytes(check.path() + QStringLiteral("/out/Reducao.xml")), xml);
    }
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("Reducao.xml")));
    EXPECT_EQ(readFileBytes(QStringLiteral("Reducao.zip")), "o arquivo do usuário");
    EXPECT_EQ(folder(), before);
    EXPECT_TRUE(QDir(temp.path()).isEmpty());

    // A file that cannot be packed stops before sending, and leaves nothing behind either.
    run("bt_InclusaoFiscoReducaoZ", {{"ed_InclusaoFiscoReducaoZXML", QStringLiteral("falta.xml")}});
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(QStringLiteral("Erro ao criar arquivo compactado!")))
        << seen()[0].text.toStdString();
    EXPECT_EQ(folder(), before);
    EXPECT_TRUE(QDir(temp.path()).isEmpty());
    qputenv("TMPDIR", previousTemp);

    // Unchecked, a missing file ends the action with the file error.
    setChecked(QStringLiteral("cb_InclusaoFiscoReducaoZCodificacaoXMLBase64"), false);
    run("bt_InclusaoFiscoReducaoZ");
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(QStringLiteral("Cannot open file")))
        << seen()[0].text.toStdString();
}

// Unchecked, the file's text is sent as read: a code-page file and a UTF-8 file with the same
// letters send the same text.
// Every byte of the file travels as one character of the code page, so the middleware turns the
// text back into the file's exact bytes, whatever the file's encoding.
TEST_F(PafBlocoXPagesTest, InclusionSendsEachByteOfTheFileAsOneCharacter) {
    const QString letters = QString::fromUtf8("<e>ação º</e>");
    const struct {
        QByteArray bytes;
        QString sent;
    } cases[] = {
        {toCp1252(letters), letters},
        {letters.toUtf8(), QString::fromUtf8("<e>aÃ§Ã£o Âº</e>")},
        {"\xEF\xBB\xBF" + letters.toUtf8(), QString::fromUtf8("ï»¿<e>aÃ§Ã£o Âº</e>")},
    };
    for (const auto& c : cases) {
        fixture(QStringLiteral("Estoque.xml"), c.bytes);
        run("bt_InclusaoFiscoEstoque");
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        const auto dados = json::parse(lastDados()).value;
        ASSERT_TRUE(dados);
        EXPECT_EQ(dados->find("XML")->toQString(), c.sent);
        EXPECT_EQ(toCp1252(dados->find("XML")->toQString()), c.bytes);
    }
}
