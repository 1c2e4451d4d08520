#include "harness.h"

#include "common/filehelpers.h"
#include "common/regional.h"
#include "tables/memtable.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace {

struct LocalCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

// The sample holder and payer, as the page starts.
const std::string kEndereco =
    R"({"Endereco":"Rua Marechal Deodoro","Numero":"630","Comple":"Sala 1201","Bairro":"Centro","CEP":80010010,"DDD":"41","Telefone":"30301234","Cidade":"Curitiba","UF":"PR"})";
const std::string kTitular =
    R"({"RazaoSocial":"QUORVA SISTEMAS LTDA","Documento":"11222333000181","TipoPessoa":1,"Endereco":)" +
    kEndereco + "}";
const std::string kBanco =
    R"("CodigoBanco":"237","NumeroAgencia":"03375","DigitoAgencia":"4","ContaCorrente":"0000012345","DigitoContaCorrente":"6","CodigoModalidade":"1","CodigoConvenio":"1234567","CodigoCedente":"1234567","CodigoTransmissao":"1234567","CodigoGeracao":"3","Carteira":"009","TipoDocumento":"2","TipoCarteira":"1","ResponEmissao":"2","LocalPagamento":"At\u00E9 o Vencimento pag\u00E1vel em qualquer ag\u00EAncia ou casa lot\u00E9rica.")";

QByteArray pngBytes(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

// A result envelope whose content text is this base64.
sim::Answer contentAnswer(const QString& base64, bool err = false) {
    return sim::Answer{
        200, std::string(R"({"result":{"controle":{"err":)") + (err ? "true" : "false") +
                 R"(,"cod":"","msg":""},"conteudo":{"str":")" + base64.toStdString() + "\"}}}"};
}

} // namespace

class CommerceLocalPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    // Types into a text field or an editable list.
    void edit(const QString& name, const QString& value) {
        QWidget* w = window->findControl(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int index = combo->findText(value);
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                combo->setEditText(value);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            memo->setPlainText(value);
        } else {
            setText(name, value);
        }
    }
    void run(const LocalCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            edit(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
    MemTable& titulos() { return dm->table(QStringLiteral("vt_GeraBoletoTitulos")); }
    void addTitulo(const std::vector<std::pair<const char*, QVariant>>& values) {
        MemTable& t = titulos();
        t.append();
        for (const auto& [field, value] : values)
            t.setValue(QString::fromLatin1(field), value);
        t.post();
    }
    QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)");
    }
};

TEST_F(CommerceLocalPagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString xml = fixture(QStringLiteral("trn.xml"), "<trn>\r\n<a>a\xE7\xE3o</a>\r\n</trn>");
    const std::string semTitulos =
        R"("ContaBancaria":{"Titular":)" + kTitular + "," + kBanco +
        R"(,"LayoutBoleto":"P","NomeArquivoPersonalizado":"BoletoPersonalizado.fr3"},"Titulos":[]})";
    const std::vector<LocalCase> cases = {
        {"bt_GeraBoletoPDF",
         {},
         "TCommerceLocalAPI/GeraBoletoPDF",
         R"({"GeraTituloPorPagina":true,"NomeImpressora":"","ComprimirArquivoRetorno":false,)" +
             semTitulos},
        {"bt_GeraBoleto",
         {{"ed_GeraBoletoImpressora", "Elgin i9"}},
         "TCommerceLocalAPI/GeraBoleto",
         R"({"GeraTituloPorPagina":true,"Imprimir":true,"NomeImpressora":"Elgin i9","NumeroViasPorTitulo":1,)" +
             semTitulos},
        {"bt_EnviaEmailTestar",
         {{"ed_EnviaEmailAssunto", "Boleto"}, {"mm_EnviaEmailMensagem", "Linha 1\nLinha 2"}},
         "TCommerceLocalAPI/EnviaEmail",
         R"({"CNPJ":"11222333000181","Para":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","Assunto":"Boleto","Mensagem":"Linha 1\r\nLinha 2","Anexos":[]})"},
        {"bt_ConsultaCNPJ",
         {{"ed_ConsultaCNPJCNPJ", "11222333000181"}, {"ed_ConsultaCNPJCaptcha", "q7rv2"}},
         "TCommerceLocalAPI/ConsultaCNPJ",
         R"({"CNPJ":"11222333000181","Captcha":"q7rv2"})"},
        {"bt_ConsultaCPF",
         {{"ed_ConsultaCPFCPF", "12345678909"}, {"ed_ConsultaCPFCaptcha", "Q7RV2"}},
         "TCommerceLocalAPI/ConsultaCPF",
         R"({"CPF":"12345678909","DataNascimento":"05\/05\/2017 15:03:44","Captcha":"Q7RV2"})"},
        {"bt_ImprimeDAV",
         {{"ed_ImprimeDAVXMLTransacao", xml},
          {"ed_ImprimeDAVModelos", "DAV.fr3"},
          {"ed_ImprimeDAVImpressoras", "Elgin i9"},
          {"ed_ImprimeDAVSubDiretorioModelo", "loja1"}},
         "TCommerceLocalAPI/ImprimeDAV",
         R"({"XML":"<trn>\r\n<a>a\u00E7\u00E3o<\/a>\r\n<\/trn>","Modelo":"DAV.fr3","NomeImpressora":"Elgin i9","ComprimirArquivoRetorno":true,"SubDiretorioReport":"loja1"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
    // The two captcha requests: the box's state and a constant.
    for (const char* doc : {"CNPJ", "CPF"}) {
        SCOPED_TRACE(doc);
        const QString captcha = QStringLiteral("bt_Consulta%1Captcha").arg(QLatin1String(doc));
        find<QCheckBox>(
            QStringLiteral("ed_Consulta%1ComprimirRetornoCaptcha").arg(QLatin1String(doc)))
            ->setChecked(false);
        sim.clearReceived();
        click(captcha);
        EXPECT_EQ(lastDados(), R"({"ArquivoCompactado":false,"FormatoBitmap":false})");
        EXPECT_EQ(received().back().path,
                  "TCommerceLocalAPI/Consulta" + std::string(doc) + "Captcha");
    }
}

TEST_F(CommerceLocalPagesTest, BankSlipRequestCarriesEveryTitleWithItsPayer) {
    const QDateTime vencimento = regional::strToDateTime(QStringLiteral("10/02/2024 00:00:00"));
    const QDateTime documento = regional::strToDateTime(QStringLiteral("10/01/2024 09:30:00"));
    addTitulo({{"DataVencimento", vencimento},
               {"DataDocumento", documento},
               {"DataMoraJuros", vencimento},
               {"DataDesconto", vencimento},
               {"DataAbatimento", vencimento},
               {"DataProtesto", vencimento},
               {"NumeroDocumento", QStringLiteral("1001")},
               {"NossoNumero", QStringLiteral("5001")},
               {"ValorDocumento", 150.5},
               {"PercentualMulta", 2.0}});
    addTitulo({{"DataVencimento", vencimento},
               {"DataDocumento", documento},
               {"DataMoraJuros", vencimento},
               {"DataDesconto", vencimento},
               {"DataAbatimento", vencimento},
               {"DataProtesto", QVariant()},
               {"NumeroDocumento", QStringLiteral("1002")},
               {"NossoNumero", QStringLiteral("5002")},
               {"Aceite", false},
               {"ValorDocumento", 99.99},
               {"Instrucao1", QStringLiteral("01")},
               {"Mensagem", QStringLiteral("Linha 1|Linha 2")}});
    edit(QStringLiteral("ed_GeraBoletoTitularCEP"), QStringLiteral("80010-010"));
    edit(QStringLiteral("ed_GeraBoletoCCLayout"), QStringLiteral("O - Outros"));
    edit(QStringLiteral("ed_GeraBoletoSacadoRazaoSocial"), QStringLiteral("CLIENTE EXEMPLO"));
    edit(QStringLiteral("ed_GeraBoletoSacadoDocumento"), QStringLiteral("12345678909"));
    edit(QStringLiteral("ed_GeraBoletoSacadoTipo"), QStringLiteral("Física"));
    edit(QStringLiteral("ed_GeraBoletoSacadoEMail"), QStringLiteral("cliente@exemplo.com.br"));
    click(QStringLiteral("bt_GeraBoletoPDF"));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    const std::string sacado =
        R"({"RazaoSocial":"CLIENTE EXEMPLO","Documento":"12345678909","TipoPessoa":0,"eMail":"cliente@exemplo.com.br","Endereco":)" +
        kEndereco + "}";
    const std::string datas =
        R"("DataVencimento":"10\/02\/2024 00:00:00","DataDocumento":"10\/01\/2024 09:30:00","DataMoraJuros":"10\/02\/2024 00:00:00","DataDesconto":"10\/02\/2024 00:00:00","DataAbatimento":"10\/02\/2024 00:00:00",)";
    const std::string expected =
        R"({"GeraTituloPorPagina":true,"NomeImpressora":"","ComprimirArquivoRetorno":false,"ContaBancaria":{"Titular":{"RazaoSocial":"QUORVA SISTEMAS LTDA","Documento":"11222333000181","TipoPessoa":1,"Endereco":{"Endereco":"Rua Marechal Deodoro","Numero":"630","Comple":"Sala 1201","Bairro":"Centro","CEP":0,"DDD":"41","Telefone":"30301234","Cidade":"Curitiba","UF":"PR"}},)" +
        kBanco + R"(,"LayoutBoleto":"O","NomeArquivoPersonalizado":"BoletoPersonalizado.fr3"},)" +
        R"("Titulos":[{"Sacado":)" + sacado + "," + datas +
        R"("DataProtesto":"10\/02\/2024 00:00:00","NumeroDocumento":"1001","NossoNumero":"5001","Parcela":1,"TotalParcelas":2,"EspecieDoc":"NF","Aceite":true,"ValorDocumento":150.5,"ValorAbatimento":0,"ValorMoraJuros":0,"ValorDesconto":0,"PercentualMulta":2,"QuebraDeLinha":"|","Mensagem":"Cobrar Juros de 2% ap\u00F3s vencimento.","Instrucao1":"","Instrucao2":""},)" +
        R"({"Sacado":)" + sacado + "," + datas +
        R"("DataProtesto":"30\/12\/1899 00:00:00","NumeroDocumento":"1002","NossoNumero":"5002","Parcela":2,"TotalParcelas":2,"EspecieDoc":"NF","Aceite":false,"ValorDocumento":99.99,"ValorAbatimento":0,"ValorMoraJuros":0,"ValorDesconto":0,"PercentualMulta":0,"QuebraDeLinha":"|","Mensagem":"Linha 1|Linha 2","Instrucao1":"01","Instrucao2":""}]})";
    EXPECT_EQ(lastDados(), expected);

    // The stand-in answers one slip per title: 0.pdf and 1.pdf, older files replaced.
    EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/0.pdf")),
              QByteArray("%PDF-1.4\n% Boleto 5001\n%%EOF\n"));
    EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/1.pdf")),
              QByteArray("%PDF-1.4\n% Boleto 5002\n%%EOF\n"));
    find<QCheckBox>(QStringLiteral("cb_GeraBoletoConfigPDFCompressao"))->setChecked(true);
    click(QStringLiteral("bt_GeraBoletoPDF"));
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/0.zip")).startsWith("PK"));
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/1.zip")).startsWith("PK"));
    EXPECT_TRUE(member(sentDados(), "ComprimirArquivoRetorno").isTrue());

    // The print request carries the print options and writes nothing.
    QFile::remove(QStringLiteral("Arquivos/0.pdf"));
    find<QCheckBox>(QStringLiteral("cb_GeraBoletoConfigImprimir"))->setChecked(false);
    click(QStringLiteral("bt_GeraBoleto"));
    const json::JsonValue print = sentDados();
    EXPECT_TRUE(member(print, "Imprimir").isFalse());
    EXPECT_EQ(member(print, "NumeroViasPorTitulo").text(), "1");
    EXPECT_EQ(print.find("ComprimirArquivoRetorno"), nullptr);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/0.pdf")));

    // A rejection carries no slips: nothing is written and the answer is only shown.
    find<QCheckBox>(QStringLiteral("cb_GeraBoletoConfigPDFCompressao"))->setChecked(false);
    setText(QStringLiteral("ed_GeraBoletoCCBanco"), QStringLiteral("999"));
    click(QStringLiteral("bt_GeraBoletoPDF"));
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("banco 999")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/0.pdf")));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// A slip that cannot be decoded leaves every file as it was; an empty list writes nothing and
// says nothing; an answer whose slips are not a list, or that is not JSON, says so.
TEST_F(CommerceLocalPagesTest, BadBankSlipAnswersWriteNoFile) {
    QDir().mkpath(QStringLiteral("Arquivos"));
    fixture(QStringLiteral("Arquivos/0.pdf"), "antigo");
    const struct {
        const char* livre;
        const char* message;
    } cases[] = {
        {R"([{"Boleto_Base64":"QUJD"},{"Boleto_Base64":"n\u00E3o base64!"}])", "base64"},
        {R"([{"Boleto_Base64":"QUJD"},"texto"])", "não é um objeto"},
        {R"([])", nullptr},
        {R"({"Boleto_Base64":"QUJD"})", "\"livre\" deveria ser uma lista"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.livre);
        sim.enqueue(
            "TCommerceLocalAPI/GeraBoletoPDF",
            sim::Answer{200, std::string(R"({"result":{"conteudo":{"livre":)") + c.livre + "}}}"});
        click(QStringLiteral("bt_GeraBoletoPDF"));
        if (c.message)
            expectMessage(QString::fromUtf8(c.message));
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/0.pdf")), QByteArray("antigo"));
        EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/1.pdf")));
        // The file of an earlier answer is not announced as this one's.
        EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("lb_Troca"))
                         ->text()
                         .startsWith(QStringLiteral("Salvo:")));
    }
    sim.enqueue("TCommerceLocalAPI/GeraBoletoPDF", sim::Answer{200, "não é JSON"});
    click(QStringLiteral("bt_GeraBoletoPDF"));
    expectMessage(QStringLiteral("Resposta inesperada: o texto recebido não é JSON"));
    EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/0.pdf")), QByteArray("antigo"));
}

TEST_F(CommerceLocalPagesTest, LayoutOEnablesThePersonalisedReport) {
    auto* arquivo = find<QLineEdit>(QStringLiteral("ed_GeraBoletoCCNomeArquivoPersonalizado"));
    EXPECT_FALSE(arquivo->isEnabled());
    edit(QStringLiteral("ed_GeraBoletoCCLayout"), QStringLiteral("O - Outros"));
    EXPECT_TRUE(arquivo->isEnabled());
    edit(QStringLiteral("ed_GeraBoletoCCLayout"), QStringLiteral("F - Fatura"));
    EXPECT_FALSE(arquivo->isEnabled());
    edit(QStringLiteral("ed_GeraBoletoCCLayout"), QStringLiteral("Outro layout")); // typed
    EXPECT_TRUE(arquivo->isEnabled());
    auto* vias = find<QWidget>(QStringLiteral("ed_GeraBoletoConfigImpressaoNumeroVias"));
    EXPECT_EQ(vias->property("minimum").toInt(), 1);
    EXPECT_EQ(vias->property("maximum").toInt(), 99);
    // The titles grid shows the page's column order and titles, group headers on top.
    auto* grade = find<QTableView>(QStringLiteral("db_GeraBoletoTitulos"));
    QStringList titles;
    for (int visual = 0; visual < grade->model()->columnCount(); ++visual) {
        const int column = grade->horizontalHeader()->logicalIndex(visual);
        if (!grade->isColumnHidden(column))
            titles << grade->model()->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(titles.size(), 19);
    EXPECT_EQ(titles.mid(5, 6),
              QStringList({"Data\nProtesto", "Número do Documento", "Espécie do Documento",
                           "Nosso Número", "Nº Parcela", "Aceito?"}));
    EXPECT_EQ(titles.last(), QStringLiteral("Código de Instruções\n2"));
    click(QStringLiteral("bt_GeraBoletoImpressora")); // every printer: no communication type
    EXPECT_EQ(lastDados(), R"({"TipoComunicacaoImpressora":""})");
    EXPECT_EQ(find<QComboBox>(QStringLiteral("ed_GeraBoletoImpressora"))->count(), 6);
}

TEST_F(CommerceLocalPagesTest, AttachmentsKeepTheirContentsAsAdded) {
    const QString a = fixture(QStringLiteral("a.pdf"), "ABC");
    const QString b = fixture(QStringLiteral("b.txt"), "DEF");
    auto* lista = find<QListWidget>(QStringLiteral("lbx_EnviaEmailAnexosArquivos"));
    auto* base64 = find<QListWidget>(QStringLiteral("lbx_EnviaEmailAnexosArquivosBase64"));
    auto* excluir = find<QPushButton>(QStringLiteral("bt_EnviaEmailExcluir"));
    EXPECT_FALSE(base64->isVisibleTo(window.get()));
    EXPECT_FALSE(excluir->isEnabled());
    recorded->fileAnswers = {a, b, QString()}; // the third picker is cancelled
    for (int i = 0; i < 3; ++i)
        click(QStringLiteral("bt_EnviaEmailAdicionar"));
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(1)->text(), b);
    EXPECT_EQ(base64->item(1)->text(), QStringLiteral("REVG"));
    EXPECT_TRUE(excluir->isEnabled());
    fixture(QStringLiteral("b.txt"), "changed"); // sent as it was when added

    click(QStringLiteral("bt_EnviaEmailExcluir")); // nothing selected: nothing removed
    EXPECT_EQ(lista->count(), 2);
    lista->setCurrentRow(0);
    click(QStringLiteral("bt_EnviaEmailExcluir"));
    ASSERT_EQ(lista->count(), 1);
    ASSERT_EQ(base64->count(), 1);
    EXPECT_TRUE(excluir->isEnabled());
    click(QStringLiteral("bt_EnviaEmailTestar"));
    EXPECT_EQ(
        lastDados(),
        R"({"CNPJ":"11222333000181","Para":"fiscal@exemplo.com.br; contabilidade@exemplo.com.br","Assunto":"","Mensagem":"","Anexos":[{"Anexo":{"Conteudo":"REVG","NomeArquivo":"b.txt"}}]})");
    lista->setCurrentRow(0);
    click(QStringLiteral("bt_EnviaEmailExcluir"));
    EXPECT_EQ(lista->count(), 0);
    EXPECT_EQ(base64->count(), 0);
    EXPECT_FALSE(excluir->isEnabled());
    // A file that cannot be read is not added.
    recorded->fileAnswers = {QStringLiteral("falta.pdf")};
    click(QStringLiteral("bt_EnviaEmailAdicionar"));
    expectMessage(QStringLiteral("falta.pdf"));
    EXPECT_EQ(lista->count(), 0);
}

TEST_F(CommerceLocalPagesTest, CaptchaFlowShowsThePictureAndSendsTheTypedCharacters) {
    auto* imagem = find<QLabel>(QStringLiteral("imgConsultaCNPJCaptchaPNG"));
    setText(QStringLiteral("ed_ConsultaCNPJCaptcha"), QStringLiteral("antigo"));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha")); // packed by default
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_EQ(imagem->pixmap().size(), QSize(150, 44));
    EXPECT_EQ(text(QStringLiteral("ed_ConsultaCNPJCaptcha")), QString());
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.zip")).startsWith("PK"));
    EXPECT_TRUE(QFile::exists(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.png")));
    EXPECT_EQ(QDir(QStringLiteral("Arquivos"))
                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList()); // the private folder is gone

    setText(QStringLiteral("ed_ConsultaCNPJCNPJ"), QStringLiteral("112223330001819999"));
    EXPECT_EQ(text(QStringLiteral("ed_ConsultaCNPJCNPJ")), QStringLiteral("11222333000181"));
    setText(QStringLiteral("ed_ConsultaCNPJCaptcha"), QStringLiteral("q7rv2"));
    click(QStringLiteral("bt_ConsultaCNPJ"));
    EXPECT_TRUE(
        paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("EMPRESA SIMULADA")));

    // The CPF page unpacked: the picture is saved as it comes.
    find<QCheckBox>(QStringLiteral("ed_ConsultaCPFComprimirRetornoCaptcha"))->setChecked(false);
    click(QStringLiteral("bt_ConsultaCPFCaptcha"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/ConsultaCPFCaptcha.zip")));
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/ConsultaCPFCaptcha.png")).startsWith("\x89PNG"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("imgConsultaCPFCaptchaPNG"))->pixmap().size(),
              QSize(150, 44));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("ed_ConsultaCPFCPF"))->maxLength(), 11);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// A packed captcha whose later entry cannot take its place (a file stands where its folder
// would go) leaves Arquivos byte for byte as it was, the earlier entry included.
TEST_F(CommerceLocalPagesTest, ACaptchaArchiveThatCannotBeExtractedWholeChangesNothing) {
    QDir().mkpath(QStringLiteral("Arquivos"));
    const auto put = [](const QString& path, const QByteArray& bytes) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    };
    put(QStringLiteral("Arquivos/keep.txt"), "velho");
    put(QStringLiteral("Arquivos/target.txt"), "um arquivo");
    QTemporaryDir tmp;
    const QString keep = QDir(tmp.path()).filePath(QStringLiteral("keep.txt"));
    const QString inner = QDir(tmp.path()).filePath(QStringLiteral("target.txtXinner"));
    put(keep, "novo");
    put(inner, "dentro");
    const QString archive = QDir(tmp.path()).filePath(QStringLiteral("captcha.zip"));
    ASSERT_EQ(CompactFile(archive, keep), 1);
    ASSERT_EQ(CompactFile(archive, inner), 1);
    QByteArray zip = fileBytes(archive);
    zip.replace("target.txtXinner", "target.txt/inner");
    const QStringList before =
        QDir(QStringLiteral("Arquivos"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha",
                contentAnswer(QString::fromLatin1(zip.toBase64())));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha"));
    expectMessage(QStringLiteral("target.txt"));
    EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/keep.txt")), QByteArray("velho"));
    EXPECT_EQ(fileBytes(QStringLiteral("Arquivos/target.txt")), QByteArray("um arquivo"));
    QStringList after = QDir(QStringLiteral("Arquivos"))
                            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    after.removeOne(QStringLiteral("ConsultaCNPJCaptcha.zip")); // the answer's own file
    EXPECT_EQ(after, before);
}

// A packed captcha whose archive would write outside the output folder extracts nothing at all;
// an answer that is not base64, a picture that is not a PNG or an answer without a file leave
// the image and the field as they were.
TEST_F(CommerceLocalPagesTest, HostileOrBrokenCaptchaAnswersChangeNothing) {
    auto* imagem = find<QLabel>(QStringLiteral("imgConsultaCNPJCaptchaPNG"));
    const QString campo = QStringLiteral("ed_ConsultaCNPJCaptcha");
    QTemporaryDir tmp;
    const QString png = QDir(tmp.path()).filePath(QStringLiteral("ConsultaCNPJCaptcha.png"));
    const QString fora = QDir(tmp.path()).filePath(QStringLiteral("..Xfora.png"));
    for (const QString& f : {png, fora}) {
        QFile out(f);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(pngBytes(20, 10));
    }
    const QString archive = QDir(tmp.path()).filePath(QStringLiteral("captcha.zip"));
    ASSERT_EQ(CompactFile(archive, png), 1);
    ASSERT_EQ(CompactFile(archive, fora), 1);
    QByteArray zip = fileBytes(archive);
    zip.replace("..Xfora.png", "../fora.png"); // the entry's name, in both headers
    const QString hostile = QString::fromLatin1(zip.toBase64());

    setText(campo, QStringLiteral("digitado"));
    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha", contentAnswer(hostile));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha"));
    expectMessage(QStringLiteral("../fora.png"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("fora.png")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.png")));
    EXPECT_EQ(text(campo), QStringLiteral("digitado"));
    EXPECT_TRUE(imagem->pixmap().isNull());

    // No zip at all: the error answer writes none.
    QFile::remove(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.zip"));
    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha",
                contentAnswer(QStringLiteral("UEsDBA=="), true));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha"));
    expectMessage(QStringLiteral("Não encontrei: Arquivos/ConsultaCNPJCaptcha.zip"));

    find<QCheckBox>(QStringLiteral("ed_ConsultaCNPJComprimirRetornoCaptcha"))->setChecked(false);
    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha", contentAnswer(QStringLiteral("n*o!")));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha"));
    expectMessage(QStringLiteral("base64"));
    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha",
                contentAnswer(QString::fromLatin1(QByteArray("GIF89a").toBase64())));
    click(QStringLiteral("bt_ConsultaCNPJCaptcha"));
    expectMessage(QStringLiteral("não é um PNG válido"));
    EXPECT_EQ(text(campo), QStringLiteral("digitado"));
    EXPECT_TRUE(imagem->pixmap().isNull());
}

TEST_F(CommerceLocalPagesTest, DavModelLookupThenPrint) {
    auto* modelos = find<QComboBox>(QStringLiteral("ed_ImprimeDAVModelos"));
    auto* impressoras = find<QComboBox>(QStringLiteral("ed_ImprimeDAVImpressoras"));
    auto* tipoImpressora =
        find<QComboBox>(QStringLiteral("ed_ImprimeDAVTipoComunicacaoImpressora"));
    EXPECT_EQ(tipoImpressora->currentIndex(), 0);
    EXPECT_EQ(tipoImpressora->currentData().toString(), QStringLiteral("N"));
    tipoImpressora->setCurrentIndex(-1); // a list left without a choice takes its first entry
    EXPECT_EQ(tipoImpressora->currentIndex(), 0);
    modelos->setEditText(QStringLiteral("meu.fr3"));
    click(QStringLiteral("bt_ImprimeDAVConsultaModelos"));
    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[0].path, "TConexaoAPI/ConsultaImpressora");
    EXPECT_EQ(dadosOf(received()[0]), R"({"TipoComunicacaoImpressora":"N"})");
    EXPECT_EQ(lastDados(),
              R"({"Tipo":50,"TipoComunicacaoImpressora":"N","SubDiretorioReport":""})");
    ASSERT_EQ(modelos->count(), 2);
    EXPECT_EQ(modelos->itemText(1), QStringLiteral("DAVResumido.fr3"));
    EXPECT_EQ(modelos->currentText(), QStringLiteral("meu.fr3")); // the text is kept
    EXPECT_EQ(impressoras->count(), 2);

    // Another type: the lists are emptied before they are filled again.
    edit(QStringLiteral("ed_ImprimeDAVTipo"), QStringLiteral("33 - Etiqueta de volumes"));
    tipoImpressora->setCurrentIndex(3);
    click(QStringLiteral("bt_ImprimeDAVConsultaModelos"));
    EXPECT_EQ(lastDados(),
              R"({"Tipo":33,"TipoComunicacaoImpressora":"Z","SubDiretorioReport":""})");
    EXPECT_EQ(modelos->count(), 2);
    EXPECT_EQ(modelos->itemText(0), QStringLiteral("EtiquetaVolume.fr3"));
    EXPECT_EQ(impressoras->count(), 1);

    // Typed text that is not an entry gives way to the first entry, whatever it starts with.
    auto* tipo = find<QComboBox>(QStringLiteral("ed_ImprimeDAVTipo"));
    for (const QString& typed : {QStringLiteral("60"), QStringLiteral("x0 - Outro")}) {
        sim.clearReceived();
        edit(QStringLiteral("ed_ImprimeDAVTipo"), typed);
        EXPECT_EQ(tipo->currentIndex(), 0);
        EXPECT_EQ(tipo->currentText(), QStringLiteral("50 - DAV"));
        click(QStringLiteral("bt_ImprimeDAVConsultaModelos"));
        EXPECT_TRUE(seen().empty());
        ASSERT_EQ(received().size(), 2u);
        EXPECT_EQ(lastDados(),
                  R"({"Tipo":50,"TipoComunicacaoImpressora":"Z","SubDiretorioReport":""})");
    }

    // Printing without a printer saves the document; with one, nothing is written.
    const QString xml = fixture(QStringLiteral("trn.xml"), "<trn/>");
    edit(QStringLiteral("ed_ImprimeDAVXMLTransacao"), xml);
    impressoras->setEditText(QStringLiteral("  "));
    click(QStringLiteral("bt_ImprimeDAV"));
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/ImprimeDAV.zip")).startsWith("PK"));
    find<QCheckBox>(QStringLiteral("ed_ImprimeDAVComprimirRetorno"))->setChecked(false);
    click(QStringLiteral("bt_ImprimeDAV"));
    EXPECT_TRUE(fileBytes(QStringLiteral("Arquivos/ImprimeDAV.pdf")).startsWith("%PDF"));
    QFile::remove(QStringLiteral("Arquivos/ImprimeDAV.pdf"));
    impressoras->setEditText(QStringLiteral("Elgin i9"));
    click(QStringLiteral("bt_ImprimeDAV"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/ImprimeDAV.pdf")));
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("DAV impresso")));

    // A missing transaction file stops before anything is sent.
    sim.clearReceived();
    edit(QStringLiteral("ed_ImprimeDAVXMLTransacao"), QStringLiteral("falta.xml"));
    click(QStringLiteral("bt_ImprimeDAV"));
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(seen().size(), 1u);
}

// Every button of the group, pressed once with the page's defaults, either sends its request or
// says why not in a message; "..." pickers only ask for a file.
TEST_F(CommerceLocalPagesTest, EveryButtonSendsOrSaysWhy) {
    const QStringList pages = {QStringLiteral("ts_GeraBoleto"), QStringLiteral("ts_EnviaEmail"),
                               QStringLiteral("ts_ConsultaCNPJ"), QStringLiteral("ts_ConsultaCPF"),
                               QStringLiteral("tsImprimeDAV")};
    int pressed = 0;
    for (const QString& page : pages) {
        ASSERT_TRUE(window->selectPage(page));
        QWidget* root = window->findChild<QWidget*>(page);
        ASSERT_NE(root, nullptr);
        for (QPushButton* b : root->findChildren<QPushButton*>()) {
            SCOPED_TRACE(b->objectName().toStdString());
            if (!b->isEnabled()) {
                EXPECT_EQ(b->objectName(), QStringLiteral("bt_EnviaEmailExcluir"));
                continue;
            }
            sim.clearReceived();
            const auto before = seen().size();
            const bool picker = b->text() == QStringLiteral("...") ||
                                b->objectName() == QStringLiteral("bt_EnviaEmailAdicionar");
            if (picker)
                recorded->fileAnswers = {QString()};
            click(b->objectName());
            ++pressed;
            if (picker)
                EXPECT_TRUE(recorded->fileAnswers.empty());
            else
                EXPECT_TRUE(!received().empty() || seen().size() > before);
        }
    }
    EXPECT_EQ(pressed, 12);
    seen().clear();
}
