#include "harness.h"
#include "simhelpers.h"

#include "tables/memtable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct OrderCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
};

const std::string kFreteDefault =
    R"("Frete":{"Transportador":{"FilCli":"","CodCli":""},"ValorSeguro":0,"ValorFrete":0,)"
    R"("FreteModalidade":"","ConhecimentoFrete":"","Veiculo":{"Placa":"","UF":"","RNTC":""},)"
    R"("Volume":[{"Marca":"1","Quantidade":1,"Numero":"","PesoBruto":0,"PesoLiquido":0}]})";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

class CommerceOrdersPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const OrderCase& c) {
        sim.clearReceived();
        seen().clear();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
    void setMemo(const QString& name, const QString& value) {
        find<QPlainTextEdit>(name)->setPlainText(value);
    }
    MemTable& table(const char* name) { return dm->table(QString::fromLatin1(name)); }
};

TEST_F(CommerceOrdersPagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString retorno = fixture(QStringLiteral("retorno.ret"), "ABC\r\n");
    const QString xml = fixture(QStringLiteral("nfe.xml"), "<nfe>\r\n<a/>\r\n</nfe>");
    const QString cotacaoJson = fixture(QStringLiteral("cotacao.json"), "{}");
    const QString cotacaoXlsx = fixture(QStringLiteral("cotacao.xlsx"), "PK");
    const QString cotacaoTxt = fixture(QStringLiteral("cotacao.txt"), "x");
    const QString cotacaoAmbos = fixture(QStringLiteral("json.xls"), "x");
    const std::vector<OrderCase> cases = {
        {"bt_ConsultaTitulosBancarios",
         {},
         "TCommerceAPI/ConsultaTitulosBancarios",
         R"({"Filial":"001","DataInicialVenda":"02\/05\/2018 08:45:15","DataFinalVenda":"02\/05\/2018 08:45:15",)"
         R"("FilialParceiro":"","CodigoParceiro":"","CodigoBanco":"","NumeroAgencia":"","DigitoAgencia":"",)"
         R"("NumeroContaCorrente":"","DigitoContaCorrente":"","CodigoCarteira":-1,"NumeroECF":"","Serie":"","NumeroNota":""})"},
        {"bt_ConsultaTitulosBancarios",
         {{"ed_ConsultaTitulosBancariosCodigoCarteira", "17"},
          {"ed_ConsultaTitulosBancariosCodigoBanco", "341"},
          {"ed_ConsultaTitulosBancariosNumeroNota", "000123"}},
         "TCommerceAPI/ConsultaTitulosBancarios",
         R"({"Filial":"001","DataInicialVenda":"02\/05\/2018 08:45:15","DataFinalVenda":"02\/05\/2018 08:45:15",)"
         R"("FilialParceiro":"","CodigoParceiro":"","CodigoBanco":"341","NumeroAgencia":"","DigitoAgencia":"",)"
         R"("NumeroContaCorrente":"","DigitoContaCorrente":"","CodigoCarteira":17,"NumeroECF":"","Serie":"","NumeroNota":"000123"})"},
        {"bt_ArquivoRemessaCNAB",
         {{"ed_ArquivoRemessaCNABCodigoCarteira", "x"}},
         "TCommerceAPI/ArquivoRemessaCNAB",
         R"({"Filial":"001","CodigoBanco":"","NumeroAgencia":"","DigitoAgencia":"","NumeroContaCorrente":"",)"
         R"("DigitoContaCorrente":"","CodigoCarteira":-1,"ArquivoCompactado":false})"},
        {"bt_ProcessaArquivoRetornoCNAB",
         {{"ed_ProcessaArquivoRetornoCNABArquivoRetorno", retorno}},
         "TCommerceAPI/ProcessaArquivoRetornoCNAB",
         R"({"ArquivoRetorno":"QUJDDQo="})"},
        {"bt_ProcessaNotaDeTransferencia",
         {},
         "TCommerceAPI/ProcessaNotaDeTransferencia",
         R"({"FilialUsuario":"001","CodigoUsuario":"1","Imprimir":true,"NomeImpressora":"",)" +
             kFreteDefault + R"(,"Itens":[]})"},
        {"bt_ImportaXMLNFeTestar",
         {{"ed_ImportaXMLNFeXML", xml}},
         "TCommerceAPI/ImportaXMLNFe",
         R"({"XML":"<nfe>\r\n<a\/>\r\n<\/nfe>\r\n","TEF":{"NumeroAutorizacao":"11111","NSU":"11111",)"
         R"("DataTransacao":"18\/10\/2016 10:40:23","ValorOperacao":90,"NumeroCartao":"1111111111","NumeroParcelas":3},)"
         R"("FilialUsuario":"001","CodigoUsuario":"1"})"},
        {"bt_GeraNotaCreditoSCMS",
         {},
         "TCommerceAPI/ProcessaNotaCreditoICMS",
         R"({"FilialUsuario":"001","CodigoUsuario":"1","FilialEmitente":"001","FilialOrigem":"001",)"
         R"("FilialDestino":"022","DataInicial":"20\/05\/2019 00:00:00","DataFinal":"23\/05\/2019 23:59:59","NomeImpressora":"1"})"},
        {"bt_GeraNotaCreditoSCMS",
         {{"ed_filialOrigem", "005"}},
         "TCommerceAPI/ProcessaNotaCreditoICMS",
         R"({"FilialUsuario":"001","CodigoUsuario":"1","FilialEmitente":"005","FilialOrigem":"005",)"
         R"("FilialDestino":"022","DataInicial":"20\/05\/2019 00:00:00","DataFinal":"23\/05\/2019 23:59:59","NomeImpressora":"1"})"},
        {"bt_ImprimeOrdemDeSeparacaoDAV",
         {{"ed_ImprimeOrdemDeSeparacaoDAVFilial", "001"},
          {"ed_ImprimeOrdemDeSeparacaoDAVNumeroDAV", "00001234"},
          {"ed_ImprimeOrdemDeSeparacaoDAVSubDiretorioModelo", "Separacao"}},
         "TCommerceAPI/ImprimeOrdemDeSeparacaoDAV",
         R"({"Filial":"001","TipoPedido":"","NumeroDAV":"00001234","NumeroPedidoRE":"","Imprimir":true,"Modelo":"",)"
         R"("NomeImpressora":"","ComprimirArquivoRetorno":true,"SubDiretorioReport":"Separacao"})"},
        {"bt_GeraNotaSeparacaoDAV",
         {{"ed_GeraNotaSeparacaoDAVFilial", "002"},
          {"ed_GeraNotaSeparacaoDAVTipPed", "O"},
          {"ed_GeraNotaSeparacaoDAVNumeroDAV", "77"}},
         "TCommerceAPI/GerarNFESeparacaoDAV",
         R"({"Filial":"002","TipoPedido":"O","NumeroDAV":"77","FilialUsuario":"001","CodigoUsuario":"1",)" +
             kFreteDefault + "}"},
        {"BtSincronizacaoSkyhub", {}, "TCommerceAPI/SincronizaSkyhub", R"({"Filial":"001"})"},
        {"Bt_CancelaOrcamento",
         {{"Ed_CancelaOrcamentoNumeroPedido", "42"}},
         "TCommerceAPI/CancelaOrcamento",
         R"({"Filial":"","TipoPedido":"","NumeroDAV":"42"})"},
        {"BtSetStatusECommerce",
         {{"ed_SetStatusEcommerceStatus", "P"}},
         "TCommerceAPI/SetStatusEcommerce",
         R"({"Filial":"","TipoPedido":"","NumeroDAV":"","Status":"P"})"},
        {"btGet_OrderSkyHub",
         {{"ed_Get_OrderSkyHubNumeroPedido", "SKY-9"}},
         "TCommerceAPI/Get_OrderSkyHub",
         R"({"Filial":"001","NumeroPedidoSkyhub":"SKY-9"})"},
        {"bt_EnviaEmailCotacao",
         {{"ed_CodfilCPF", "1"}, {"ed_SequenCPF", "25"}, {"ed_CotacaoCodfor", "7"}},
         "TCommerceAPI/EnviaEmailCotacaoFornecedor",
         R"({"CODFIL":"001","SEQUEN":"        25","FILFOR":"   ","CODFOR":"     7"})"},
        {"bt_EnviaEmailCotacao",
         {{"ed_CotacaoFilfor", " 2 "}},
         "TCommerceAPI/EnviaEmailCotacaoFornecedor",
         R"({"CODFIL":"001","SEQUEN":"        25","FILFOR":"002","CODFOR":"     7"})"},
        {"bt_ProcessaRetornoCotacao",
         {{"ed_RetornoArquivoCotacao", cotacaoJson}},
         "TCommerceAPI/ProcessaCotacaoFornecedor",
         R"({"TipoArquivo":"J","ArquivoRetorno":"e30="})"},
        {"bt_ProcessaRetornoCotacao",
         {{"ed_RetornoArquivoCotacao", cotacaoXlsx}},
         "TCommerceAPI/ProcessaCotacaoFornecedor",
         R"({"TipoArquivo":"E","ArquivoRetorno":"UEs="})"},
        {"bt_ProcessaRetornoCotacao",
         {{"ed_RetornoArquivoCotacao", cotacaoTxt}},
         "TCommerceAPI/ProcessaCotacaoFornecedor",
         R"({"TipoArquivo":"","ArquivoRetorno":"eA=="})"},
        {"bt_ProcessaRetornoCotacao",
         {{"ed_RetornoArquivoCotacao", cotacaoAmbos}},
         "TCommerceAPI/ProcessaCotacaoFornecedor",
         R"({"TipoArquivo":"E","ArquivoRetorno":"eA=="})"},
        {"bt_AprovarCotacaoTestar",
         {{"ed_AprovarCotacaoCodfil", "12"}, {"ed_AprovarCotacaoSequen", " 3 "}},
         "TCommerceAPI/AprovarCotacaoFornecedor",
         R"({"CODFIL":"012","SEQUEN":"         3"})"},
        {"bt_DefineVencedoresCotacaoFornecedor",
         {{"ed_DefineVencedoresCotacaoFornecedorFilial", "1"},
          {"ed_DefineVencedoresCotacaoFornecedorSequen", "25"}},
         "TCommerceAPI/DefineVencedoresCotacaoFornecedor",
         R"({"CODFIL":"001","SEQUEN":"        25","FILUSU":"001","CODUSU":"  1"})"},
        {"bt_MarcaExportacaoECommerce",
         {},
         "TCommerceAPI/MarcaExportacaoECommerce",
         R"({"Filial":"001","NumeroECF":"001","SerieNF":"1","NumeroNF":100007})"},
        {"bt_MarcaExportacaoECommerce",
         {{"ed_MarcaExportacaoECommerceNumeroNota", "abc"}},
         "TCommerceAPI/MarcaExportacaoECommerce",
         R"({"Filial":"001","NumeroECF":"001","SerieNF":"1","NumeroNF":0})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.dados.substr(0, 40));
        run(c);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_FALSE(received().empty());
        EXPECT_EQ(received().back().path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
    // A date-only picker keeps the time of its preset value when its date changes.
    find<QDateTimeEdit>(QStringLiteral("ed_ConsultaTitulosBancariosDatFimVenda"))
        ->setDate(QDate(2018, 12, 31));
    click(QStringLiteral("bt_ConsultaTitulosBancarios"));
    EXPECT_NE(lastDados().find(R"("DataFinalVenda":"31\/12\/2018 08:45:15")"), std::string::npos)
        << lastDados();
}

// Items travel with the lots the detail table shows for each of them; freight values that are
// not numbers go as 0 and the modality as its code.
TEST_F(CommerceOrdersPagesTest, TransferNoteNestsEachItemsLotsAndItsFreight) {
    MemTable& itens = table("vt_ItemPedidoReposicao");
    MemTable& lotes = table("vt_LoteItemPedidoReposicao");
    const auto addItem = [&](const char* pedido, int item, double quantidade) {
        itens.append();
        itens.setValue(QStringLiteral("NUMPED"), QString::fromLatin1(pedido));
        itens.setValue(QStringLiteral("NUMITE"), item);
        itens.setValue(QStringLiteral("QTDITE"), quantidade);
        itens.post();
    };
    const auto addLot = [&](const char* filial, const char* sequen, double quantidade) {
        lotes.append();
        lotes.setValue(QStringLiteral("FILLOT"), QString::fromLatin1(filial));
        lotes.setValue(QStringLiteral("SEQLOT"), QString::fromLatin1(sequen));
        lotes.setValue(QStringLiteral("QTDITE"), quantidade);
    };
    addItem("P1", 1, 2.5);
    addLot("001", "L1", 1);
    addLot("002", "L2", 1.5);
    lotes.post();
    addItem("P2", 2, 3);
    addItem("P2", 3, 1);
    addLot("001", "L9", 1); // left pending: stored before the tables are read

    setText(QStringLiteral("ed_ProcessaNotaDeTransferenciaValSeguro"), QStringLiteral("12,5"));
    setText(QStringLiteral("ed_ProcessaNotaDeTransferenciaValFrete"), QStringLiteral("abc"));
    setText(QStringLiteral("ed_ProcessaNotaDeTransferenciaQtde"), QString());
    setText(QStringLiteral("ed_ProcessaNotaDeTransferenciaPesoBruto"), QStringLiteral("1,234"));
    setText(QStringLiteral("ed_ProcessaNotaDeTransferenciaPlaca"), QStringLiteral("ABC1D234"));
    find<QComboBox>(QStringLiteral("ed_ProcessaNotaDeTransferenciaModalidade"))->setCurrentIndex(5);
    find<QCheckBox>(QStringLiteral("ed_ProcessaNotaDeTransferenciaImprimir"))->setChecked(false);
    click(QStringLiteral("bt_ProcessaNotaDeTransferencia"));
    EXPECT_EQ(
        lastDados(),
        R"({"FilialUsuario":"001","CodigoUsuario":"1","Imprimir":false,"NomeImpressora":"",)"
        R"("Frete":{"Transportador":{"FilCli":"","CodCli":""},"ValorSeguro":12.5,"ValorFrete":0,)"
        R"("FreteModalidade":"9","ConhecimentoFrete":"","Veiculo":{"Placa":"ABC1D23","UF":"","RNTC":""},)"
        R"("Volume":[{"Marca":"1","Quantidade":0,"Numero":"","PesoBruto":1.234,"PesoLiquido":0}]},)"
        R"("Itens":[{"Filial":"001","NumeroPedido":"P1","NumeroItem":1,"Quantidade":2.5,"Lotes":[)"
        R"({"Filial":"001","Sequen":"L1","Quantidade":1},{"Filial":"002","Sequen":"L2","Quantidade":1.5}]},)"
        R"({"Filial":"001","NumeroPedido":"P2","NumeroItem":2,"Quantidade":3,"Lotes":[]},)"
        R"({"Filial":"001","NumeroPedido":"P2","NumeroItem":3,"Quantidade":1,"Lotes":[)"
        R"({"Filial":"001","Sequen":"L9","Quantidade":1}]}]})");
    EXPECT_TRUE(
        paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("3 item(ns) e 3 lote(s)")));
    // The rows stay and go again with the next request.
    EXPECT_EQ(itens.recordCount(), 3);
    EXPECT_EQ(lotes.totalRecordCount(), 3);
    click(QStringLiteral("bt_ProcessaNotaDeTransferencia"));
    EXPECT_NE(lastDados().find(R"("Sequen":"L9")"), std::string::npos);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CommerceOrdersPagesTest, FreightModalityListsStartEmptyAndReportCodes) {
    for (const char* name :
         {"ed_ProcessaNotaDeTransferenciaModalidade", "edGeraNotaSeparacaoDAVFreteModalidade"}) {
        SCOPED_TRACE(name);
        auto* combo = find<QComboBox>(QString::fromLatin1(name));
        ASSERT_EQ(combo->count(), 6);
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->itemText(5), QStringLiteral("9- Sem frete"));
        EXPECT_EQ(combo->itemData(5).toString(), QStringLiteral("9"));
        combo->setCurrentIndex(1);
        combo->setCurrentIndex(-1); // never left without a value once chosen
        EXPECT_EQ(combo->currentIndex(), 0);
    }
    setText(QStringLiteral("ed_GeraNotaSeparacaoDAVNumeroDAV"), QStringLiteral("1"));
    click(QStringLiteral("bt_GeraNotaSeparacaoDAV"));
    EXPECT_NE(lastDados().find(R"("FreteModalidade":"0")"), std::string::npos) << lastDados();
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// The codes go as an array only when the grid has rows; blank codes are left out. The answer's
// file is saved under its own bare name, packed or not, byte for byte.
TEST_F(CommerceOrdersPagesTest, RemittanceCodesAndTheSavedFile) {
    MemTable& codigos = table("vt_CodigosRemessaCNAB");
    const QString botao = QStringLiteral("bt_ArquivoRemessaCNAB");
    click(botao);
    EXPECT_EQ(lastDados().find("ListaCodigoRemessa"), std::string::npos) << lastDados();
    const QByteArray rem = readAll(QStringLiteral("Arquivos/CNAB240_001.rem"));
    EXPECT_TRUE(rem.startsWith("00100000 HEADER")) << rem.toStdString();
    EXPECT_TRUE(rem.contains("REMESSA CODIGO 01\r\n")) << rem.toStdString();

    codigos.append();
    codigos.setValue(QStringLiteral("Codigo"), QStringLiteral(" "));
    codigos.post();
    click(botao);
    EXPECT_NE(lastDados().find(R"("ArquivoCompactado":false,"ListaCodigoRemessa":[]})"),
              std::string::npos)
        << lastDados();

    for (const char* c : {"02", "", "31"}) {
        codigos.append();
        codigos.setValue(QStringLiteral("Codigo"), QString::fromLatin1(c));
    }
    setText(QStringLiteral("ed_ArquivoRemessaCNABCodigoBanco"), QStringLiteral("341"));
    find<QCheckBox>(QStringLiteral("ed_ArquivoRemessaCNABComprimirRetorno"))->setChecked(true);
    click(botao);
    EXPECT_NE(lastDados().find(R"("ArquivoCompactado":true,"ListaCodigoRemessa":["02","31"]})"),
              std::string::npos)
        << lastDados();
    EXPECT_TRUE(readAll(QStringLiteral("Arquivos/CNAB240_341.zip")).startsWith("PK"));

    // The saved bytes are exactly the decoded ones.
    sim.enqueue("TCommerceAPI/ArquivoRemessaCNAB",
                sim::fileRecord(QStringLiteral("REM.TXT"), QByteArray("\x00\xFF\r\nx", 5), {}));
    click(botao);
    EXPECT_EQ(readAll(QStringLiteral("Arquivos/REM.TXT")), QByteArray("\x00\xFF\r\nx", 5));

    // A name with folders is refused and nothing is written outside the output folder.
    for (const char* hostile : {"../fora.rem", "sub/dentro.rem", "C:\\x.rem"}) {
        SCOPED_TRACE(hostile);
        sim.enqueue("TCommerceAPI/ArquivoRemessaCNAB",
                    sim::fileRecord(QString::fromLatin1(hostile), "X", {}));
        click(botao);
        expectMessage(QStringLiteral("Nome de arquivo recusado"));
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("fora.rem")));
    EXPECT_FALSE(QDir(QStringLiteral("Arquivos/sub")).exists());

    // A rejection writes nothing.
    QFile::remove(QStringLiteral("Arquivos/CNAB240_341.zip"));
    setText(QStringLiteral("ed_ArquivoRemessaCNABFilial"), QStringLiteral("999"));
    click(botao);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/CNAB240_341.zip")));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// The partner text is read as typed; the two DAV texts lose every non-ASCII character to "?" in
// the data value and in the body. Text that is not a JSON object is refused before sending.
TEST_F(CommerceOrdersPagesTest, FreeJsonPagesParseTheirTextAsAnObject) {
    const struct {
        const char* memo;
        const char* testar;
        const char* path;
        const char* nome;
    } pages[] = {
        {"mm_PersisteParceiroMemo", "btn_PersisteParceiroTestar", "TCommerceAPI/PersisteParceiro",
         "Jo\\u00E3o"},
        {"mm_PersisteDAVMemo", "btn_PersisteDAVTestar", "TCommerceAPI/PersisteDAV", "Jo?o"},
        {"mm_GeraNotaDAVPreVendaMemo", "btn_GeraNotaDAVPreVendaTestar",
         "TCommerceAPI/GeraNotaDAVPreVenda", "Jo?o"},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.memo);
        const QString memoName = QString::fromLatin1(p.memo);
        const QString testar = QString::fromLatin1(p.testar);
        sim.clearReceived();
        seen().clear();
        // The starting text is a guide, not JSON.
        if (!text(memoName).isEmpty()) {
            click(testar);
            expectMessage(QStringLiteral("JSON inválido"));
            EXPECT_TRUE(received().empty());
        }
        setMemo(memoName,
                QStringLiteral("{\"Parceiro\":{\"Nome\":\"Jo\u00E3o\"},\n\"Orcamento\":{}}"));
        click(testar);
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, p.path);
        EXPECT_EQ(lastDados(),
                  std::string(R"({"Parceiro":{"Nome":")") + p.nome + R"("},"Orcamento":{}})");
        EXPECT_NE(received()[0].body.find(std::string(R"("Nome":")") + p.nome), std::string::npos)
            << received()[0].body;
        EXPECT_EQ(QString::fromUtf8(received()[0].body), paneText(QStringLiteral("mm_Request")));

        for (const QString& bad :
             {QStringLiteral("{\"a\": "), QStringLiteral("[1, 2]"), QString()}) {
            sim.clearReceived();
            setMemo(memoName, bad);
            click(testar);
            EXPECT_TRUE(received().empty()) << bad.toStdString();
            ASSERT_EQ(seen().size(), 1u) << bad.toStdString();
            EXPECT_TRUE(seen()[0].text.endsWith(QStringLiteral(". Nada foi enviado.")))
                << seen()[0].text.toStdString();
            EXPECT_FALSE(seen()[0].text.contains(QStringLiteral("..")))
                << seen()[0].text.toStdString();
            seen().clear();
        }
    }
    for (const char* limpar : {"btn_PersisteParceiroLimpar", "btn_tsPersisteDAV_Limpar",
                               "btn_GeraNotaDAVPreVendaLimpar"}) {
        click(QString::fromLatin1(limpar));
    }
    for (const auto& p : pages)
        EXPECT_EQ(text(QString::fromLatin1(p.memo)), QString());
}

TEST_F(CommerceOrdersPagesTest, SeparationOrderListsModelsAndSavesTheDocument) {
    auto* modelos = find<QComboBox>(QStringLiteral("ed_ImprimeOrdemDeSeparacaoDAVModelo"));
    auto* impressoras = find<QComboBox>(QStringLiteral("ed_ImprimeOrdemDeSeparacaoDAVImpressora"));
    modelos->addItem(QStringLiteral("antigo.fr3"));
    setText(QStringLiteral("ed_ImprimeOrdemDeSeparacaoDAVSubDiretorioModelo"),
            QStringLiteral("Lojas"));
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAVConsultaModelo"));
    const auto got = received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].path, "TConexaoAPI/ConsultaImpressora");
    EXPECT_EQ(dadosOf(got[0]), R"({"TipoComunicacaoImpressora":"N"})");
    EXPECT_EQ(got[1].path, "TCommerceAPI/ConsultaModeloOrdemDeSeparacaoDAV");
    EXPECT_EQ(dadosOf(got[1]), R"({"SubDiretorioReport":"Lojas"})");
    ASSERT_EQ(impressoras->count(), 2);
    EXPECT_EQ(impressoras->itemText(1), QStringLiteral("Elgin i9"));
    ASSERT_EQ(modelos->count(), 2);
    EXPECT_EQ(modelos->itemText(0), QStringLiteral("OrdemSeparacao.fr3"));

    // An answer that is not JSON: a message, and no model is listed.
    sim.enqueue("TCommerceAPI/ConsultaModeloOrdemDeSeparacaoDAV",
                sim::Answer{200, "<html>erro</html>", "text/html"});
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAVConsultaModelo"));
    expectMessage(QStringLiteral("não é JSON"));
    EXPECT_EQ(modelos->count(), 0);
    // An error envelope lists nothing, quietly.
    sim.enqueue("TCommerceAPI/ConsultaModeloOrdemDeSeparacaoDAV",
                sim::resultEnvelope(true, "3", QStringLiteral("Pasta inexistente")));
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAVConsultaModelo"));
    EXPECT_EQ(modelos->count(), 0);

    const QString zip = QStringLiteral("Arquivos/ImprimeOrdemDeSeparacaoDAV.zip");
    const QString pdf = QStringLiteral("Arquivos/ImprimeOrdemDeSeparacaoDAV.pdf");
    impressoras->setCurrentIndex(0); // a printer named: the answer is only shown
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAV"));
    EXPECT_FALSE(QFile::exists(zip));
    EXPECT_FALSE(QFile::exists(pdf));
    impressoras->setEditText(QStringLiteral("  "));
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAV"));
    EXPECT_TRUE(readAll(zip).startsWith("PK"));
    find<QCheckBox>(QStringLiteral("ed_ImprimeOrdemDeSeparacaoDAVComprimirRetorno"))
        ->setChecked(false);
    sim.enqueue("TCommerceAPI/ImprimeOrdemDeSeparacaoDAV",
                sim::contentFile(QByteArray("%PDF\x00\xE9", 6), {}));
    click(QStringLiteral("bt_ImprimeOrdemDeSeparacaoDAV"));
    EXPECT_EQ(readAll(pdf), QByteArray("%PDF\x00\xE9", 6));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// Conversion and file errors end the action with the system's message; nothing is sent.
TEST_F(CommerceOrdersPagesTest, BadValuesAndUnreadableFilesStopBeforeSending) {
    const QString xml = fixture(QStringLiteral("nfe.xml"), "<nfe/>");
    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> edits;
        const char* message;
    } cases[] = {
        {"bt_ImportaXMLNFeTestar",
         {{"ed_ImportaXMLNFeXML", xml}, {"ed_ImportaXMLNFeTEFValor", QStringLiteral("abc")}},
         "'abc' is not a valid floating point value"},
        {"bt_ImportaXMLNFeTestar",
         {{"ed_ImportaXMLNFeTEFValor", QStringLiteral("90,00")},
          {"ed_ImportaXMLNFeXML", QStringLiteral("falta.xml")}},
         "Cannot open file"},
        {"bt_ProcessaArquivoRetornoCNAB", {}, "Cannot open file"},
        {"bt_ProcessaRetornoCotacao", {}, "Cannot open file"}, // the default T:\testes.xlsx
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run({c.button, c.edits, "", ""});
        EXPECT_TRUE(received().empty());
        ASSERT_EQ(seen().size(), 1u);
        EXPECT_TRUE(seen()[0].text.startsWith(QString::fromUtf8(c.message)))
            << seen()[0].text.toStdString();
    }
}

// Every button of these pages, pressed once with the page's defaults: each sends its request or
// says clearly why it did not; pickers and "Limpar" only change their field.
TEST_F(CommerceOrdersPagesTest, EveryButtonEitherSendsOrExplains) {
    const char* const sends[] = {
        "bt_ConsultaTitulosBancarios",
        "bt_ArquivoRemessaCNAB",
        "bt_ProcessaNotaDeTransferenciaConsultaImpressora",
        "bt_ProcessaNotaDeTransferencia",
        "bt_GeraNotaCreditoSCMS",
        "bt_ImprimeOrdemDeSeparacaoDAVConsultaModelo",
        "bt_ImprimeOrdemDeSeparacaoDAV",
        "bt_GeraNotaSeparacaoDAV",
        "BtSincronizacaoSkyhub",
        "Bt_CancelaOrcamento",
        "BtSetStatusECommerce",
        "btGet_OrderSkyHub",
        "bt_EnviaEmailCotacao",
        "bt_AprovarCotacaoTestar",
        "bt_DefineVencedoresCotacaoFornecedor",
        "bt_MarcaExportacaoECommerce",
    };
    for (const char* b : sends) {
        SCOPED_TRACE(b);
        sim.clearReceived();
        click(QString::fromLatin1(b));
        EXPECT_FALSE(received().empty());
        EXPECT_FALSE(paneText(QStringLiteral("mm_Response")).isEmpty());
    }
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    const char* const explains[] = {
        "bt_ProcessaArquivoRetornoCNAB", "bt_ImportaXMLNFeTestar",
        "btn_PersisteParceiroTestar",    "btn_PersisteDAVTestar",
        "btn_GeraNotaDAVPreVendaTestar", "bt_ProcessaRetornoCotacao",
    };
    for (const char* b : explains) {
        SCOPED_TRACE(b);
        sim.clearReceived();
        seen().clear();
        click(QString::fromLatin1(b));
        EXPECT_TRUE(received().empty());
        ASSERT_EQ(seen().size(), 1u);
        EXPECT_FALSE(seen()[0].text.trimmed().isEmpty());
    }

    const std::pair<const char*, const char*> pickers[] = {
        {"bt_ProcessaArquivoRetornoCNABArquivoRetorno",
         "ed_ProcessaArquivoRetornoCNABArquivoRetorno"},
        {"bt_ImportaXMLNFeXML", "ed_ImportaXMLNFeXML"},
        {"bt_ProcuraArquivoRetornoCotacao", "ed_RetornoArquivoCotacao"},
    };
    const QString chosen = fixture(QStringLiteral("escolhido.txt"), "x");
    for (const auto& [b, field] : pickers) {
        SCOPED_TRACE(b);
        const QString before = text(QString::fromLatin1(field));
        recorded->fileAnswers.push_back(QString()); // cancelled: the field keeps its text
        click(QString::fromLatin1(b));
        EXPECT_EQ(text(QString::fromLatin1(field)), before);
        recorded->fileAnswers.push_back(chosen);
        click(QString::fromLatin1(b));
        EXPECT_EQ(text(QString::fromLatin1(field)), chosen);
    }
    click(QStringLiteral("btn_PersisteParceiroLimpar"));
    EXPECT_EQ(text(QStringLiteral("mm_PersisteParceiroMemo")), QString());
}
