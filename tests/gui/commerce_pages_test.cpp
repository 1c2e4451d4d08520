#include "harness.h"

#include "pages/kit/pagespec.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/dbgrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

// The pages of sales, returns, imports, back-office and terminals, in tab order.
const QStringList kPages = {
    QStringLiteral("ts_ImprimirCancSeguro"),
    QStringLiteral("ts_ParametrosMiddleware"),
    QStringLiteral("ts_ExecutaGravaTransacoes"),
    QStringLiteral("ts_ConsultaDevolucoes"),
    QStringLiteral("ts_DadosDevolucao"),
    QStringLiteral("ts_ProcessaDevolucao"),
    QStringLiteral("ts_ReceberMercadoriaImportacao"),
    QStringLiteral("ts_ProcessaXMLDI"),
    QStringLiteral("ts_ProcessaNotaImportacao"),
    QStringLiteral("ts_ConsultaRetaguarda"),
    QStringLiteral("ts_BloqueiaOrigem"),
    QStringLiteral("ts_DesbloqueiaOrigem"),
    QStringLiteral("ts_ProximoCodigo"),
    QStringLiteral("ts_ProcessaNFSobreRecibo"),
    QStringLiteral("ts_ListaNossoNumero"),
    QStringLiteral("ts_AtualizaStatusECF"),
    QStringLiteral("ts_PersistePDV"),
    QStringLiteral("ts_ReinicializaPoS"),
    QStringLiteral("ts_ReimpressaoCupomEmNotaFiscal"),
    QStringLiteral("ts_ProcessaNFSesAutomatico"),
    QStringLiteral("ts_GeraXMLTransacoesPendentes"),
};

const QString kItens = QStringLiteral("vt_ProcessaDevolucao");

} // namespace

class CommercePagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    // Sets a text field, a memo, or a check box ("1" checks it).
    void set(const QString& name, const QString& value) {
        QWidget* w = window->findControl(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            m->setPlainText(value);
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            c->setChecked(value == QLatin1String("1"));
        else
            setText(name, value);
    }
    void press(const QString& button) {
        sim.clearReceived();
        click(button);
    }
    DbGrid* grid(const char* name) { return find<DbGrid>(QString::fromLatin1(name)); }
    // Edits a cell through the grid, as typing does.
    bool edit(DbGrid* g, int row, int column, const QVariant& value, int role = Qt::EditRole) {
        return g->model()->setData(g->model()->index(row, column), value, role);
    }
};

TEST_F(CommercePagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const QString xml = fixture(QStringLiteral("trn.xml"), "<trn>\r\n<a>\xC3\xA7</a>\r\n</trn>");
    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> edits;
        const char* path;
        std::string dados;
    } cases[] = {
        {"bt_TestarImprimirCancSeguro",
         {},
         "TCommerceAPI/ImprimirCancSeguro",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":1})"},
        {"bt_TestarImprimirCancSeguro",
         {{"ed_NumeroImprimirCancSeguro", QStringLiteral("abc")}},
         "TCommerceAPI/ImprimirCancSeguro",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":0})"},
        {"bt_TestarParametrosMiddleware",
         {},
         "TCommerceAPI/ParametrosMiddleware",
         R"({"CODFIL":"001","NUMECF":"001"})"},
        {"bt_TestarExecutaGravaTransacoes",
         {{"ed_XMLExecutaGravaTransacoes", xml},
          {"ck_ProcessaErroDuplicacaoExecutaGravaTransacoes", QStringLiteral("1")}},
         "TCommerceAPI/ExecutaGravaTransacoes",
         R"({"XML":"<trn>\r\n<a>\u00C3\u00A7<\/a>\r\n<\/trn>\r\n","ProcessaErroDuplicacao":true})"},
        {"bt_TestarConsultaDevolucoes",
         {},
         "TCommerceAPI/ConsultaDevolucoes",
         R"({"Filial":"001","ECF":"001","FilialUsuario":"001","CodigoUsuario":"  1","FilialParceiro":"001","CodigoParceiro":"     7","SomenteEletronicas":false,"DevolveVinculos":false})"},
        {"bt_DadosDevolucao",
         {{"ed_CodigoUsuarioDadosDevolucao", QStringLiteral(" 12 ")},
          {"ed_NumeroNFDadosDevolucao", QStringLiteral("1234567")},
          {"ck_DevolveVinculosDadosDevolucao", QStringLiteral("1")}},
         "TCommerceAPI/DadosDevolucao",
         R"({"Filial":"001","ECF":"001","FilialUsuario":"001","CodigoUsuario":" 12","FilialNF":"001","ECFNF":"001","SerieNF":"1","NumeroNF":"1234567","SomenteEletronicas":false,"DevolveVinculos":true})"},
        {"bt_TestarReceberMercadoriaImportacao",
         {{"ed_NumeroReceberMercadoriaImportacao", QString()}},
         "TCommerceAPI/ReceberMercadoriaImportacao",
         R"({"CODFIL":"001","NUMECF":"001","CODSER":"1","NUMNOT":0})"},
        {"bt_TestarProcessaXMLDI",
         {},
         "TCommerceAPI/ProcessaXMLDI",
         R"({"Codfil":"001","sequen":"         1"})"},
        {"bt_TestarProcessaNotaImportacao",
         {},
         "TCommerceAPI/ProcessaNotaImportacao",
         R"({"FilialUsuario":"001","CodigoUsuario":"  1","Filial":"001","Sequen":"         1"})"},
        {"bt_TestarConsultaRetaguarda",
         {},
         "TCommerceAPI/ConsultaRetaguarda",
         R"({"Origem":"C","Tipo":51,"Versao":1,"TamanhoBloco":0,"Parametros":[]})"},
        {"bt_TestarBloqueiaOrigem",
         {},
         "TCommerceAPI/BloqueiaOrigem",
         R"({"Chave":"123456","Filial":"001","ECF":"001","NomeUsuario":"USUARIO","ID":"654321","Observacao":"TESTETESTE"})"},
        {"bt_TestarDesbloqueiaOrigem",
         {},
         "TCommerceAPI/DesbloqueiaOrigem",
         R"({"Chave":"123456","Filial":"001","ECF":"001","ID":"654321"})"},
        {"bt_TestarProximoCodigo",
         {},
         "TCommerceAPI/ProximoCodigo",
         R"({"CodigoTabela":"SAV","Filial":"001","Serie":"","ChaveAdicional":""})"},
        {"bt_TestarProcessaNFSobreRecibo",
         {},
         "TCommerceAPI/ProcessaNFSobreRecibo",
         R"({"FilialLogada":"001","FilialRecibo":"001","SequenRecibo":"         1","FilialUsuario":"001","CodigoUsuario":"  1","ItensParciais":[)"
         R"({"Codfil":"001","Sequen":"         1","Numite":1,"Qtdmov":50},)"
         R"({"Codfil":"001","Sequen":"         1","Numite":2,"Qtdmov":1},)"
         R"({"Codfil":"001","Sequen":"         1","Numite":3,"Qtdmov":1}]})"},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("{7|2,5}")},
          {"ed_FilialReciboProcessaNFSobreRecibo", QStringLiteral("002")}},
         "TCommerceAPI/ProcessaNFSobreRecibo",
         R"({"FilialLogada":"001","FilialRecibo":"002","SequenRecibo":"         1","FilialUsuario":"001","CodigoUsuario":"  1","ItensParciais":[)"
         R"({"Codfil":"002","Sequen":"         1","Numite":7,"Qtdmov":2.5}]})"},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("  ")}},
         "TCommerceAPI/ProcessaNFSobreRecibo",
         R"({"FilialLogada":"001","FilialRecibo":"002","SequenRecibo":"         1","FilialUsuario":"001","CodigoUsuario":"  1","ItensParciais":[]})"},
        {"bt_ListaNossoNumeroTestar",
         {{"ed_ListaNossoNumeroQuantidade", QStringLiteral("3")},
          {"ed_ListaNossoNumeroCodigoBanco", QStringLiteral("341")},
          {"ed_ListaNossoNumeroCodigoCarteira", QStringLiteral("109")}},
         "TCommerceAPI/ListaNossoNumero",
         R"({"Quantidade":3,"CodigoBanco":"341","NumeroAgencia":"","ContaCorrente":"","CodigoCarteira":109,"DigitoAgencia":"","NumeroAgenciaFicticia":""})"},
        {"bt_AtualizaStatusECFTestar",
         {{"mm_AtualizaStatusECFStatusDados", QStringLiteral("linha 1\nlinha 2")}},
         "TCommerceAPI/AtualizaStatusECF",
         R"({"Filial":"001","ECF":"001","StatusDados":"linha 1\r\nlinha 2"})"},
        {"bt_PersistePDVTestar",
         {{"ed_PersistePDVCNPJ", QStringLiteral("11222333000181")},
          {"ed_PersistePDVNomeTerminal", QStringLiteral("CAIXA 1")}},
         "TCommerceAPI/PersistePDV",
         R"({"CNPJ":"11222333000181","Terminal":"CAIXA 1","ECF":{"Numero":"","NumeroFabricacao":"","Marca":"","Modelo":"","VersaoSoftware":"","DataSoftware":"07\/06\/2017 09:34:11","ArredondaTrunca":"A"}})"},
        {"bt_ReinicializaPoS", {}, "TCommerceAPI/ReinicializaPoS", R"({"Filial":"","ECF":""})"},
        {"bt_ReimpressaoCupomEmNotaFiscal",
         {{"ed_RCFNFParceiroEnderecoNumero", QStringLiteral("x")}},
         "TCommerceAPI/ReimpressaoCupomEmNotaFiscal",
         R"({"Filial":"001","FilialUsuario":"001","CodigoUsuario":"  1","FilialParceiro":"001","CodigoParceiro":"     1","FilialEndereco":"001","CodigoEndereco":0,"Imprimir":false,"DocEmitidos":[]})"},
        {"bt_TestarProcessaNFSesAutomatico",
         {{"ed_CNPJProcessaNFSesAutomatico", QStringLiteral("11222333000181")}},
         "TCommerceAPI/ProcessaNFSesAutomatico",
         R"({"CNPJ":"11222333000181"})"},
        {"bt_GeraXMLTransacoesPendentesTestar",
         {},
         "TCommerceAPI/GeraXMLTransacoesPendentes",
         R"({"DataInicial":"15\/03\/2018 08:45:15","DataFinal":"15\/03\/2018 08:45:15","PathSalvar":"C:\\temp\\"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        for (const auto& [field, value] : c.edits)
            set(QString::fromLatin1(field), value);
        press(QString::fromLatin1(c.button));
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
}

TEST_F(CommercePagesTest, FieldLimitsAndPickers) {
    const struct {
        const char* field;
        int maxLength;
    } limits[] = {{"ed_CodigoTabelaProximoCodigo", 3},
                  {"ed_FilialProximoCodigo", 3},
                  {"ed_SerieProximoCodigo", 2},
                  {"ed_ChaveAdicionalProximoCodigo", 5},
                  {"ed_RCFNFFilial", 3},
                  {"ed_RCFNFUsuarioCodigo", 3},
                  {"ed_RCFNFParceiroCodigo", 6},
                  {"ed_RCFNFParceiroEnderecoNumero", 10}};
    for (const auto& l : limits)
        EXPECT_EQ(find<QLineEdit>(QString::fromLatin1(l.field))->maxLength(), l.maxLength)
            << l.field;

    // The file pickers fill their fields; a cancelled dialog leaves them as they were.
    const QString chosen = fixture(QStringLiteral("escolhido.json"), "{}");
    recorded->fileAnswers = {chosen, QString()};
    click(QStringLiteral("bt_JsonPathExecutaGravaTransacoes"));
    EXPECT_EQ(text(QStringLiteral("ed_JsonExecutaGravaTransacoes")), chosen);
    click(QStringLiteral("bt_JsonPathExecutaGravaTransacoes"));
    EXPECT_EQ(text(QStringLiteral("ed_JsonExecutaGravaTransacoes")), chosen);
    // The folder picker: an existing folder replaces the default "C:\temp\".
    recorded->fileAnswers = {QDir::currentPath()};
    click(QStringLiteral("bt_GeraXMLTransacoesPendentesPathSalvar"));
    EXPECT_TRUE(text(QStringLiteral("ed_GeraXMLTransacoesPendentesPathSalvar"))
                    .startsWith(QDir::currentPath()));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_TRUE(received().empty());
}

// Checks and conversions end the action before anything is sent, with their own messages.
TEST_F(CommercePagesTest, BadInputStopsBeforeSending) {
    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> edits;
        const char* message;
    } cases[] = {
        {"bt_TestarConsultaRetaguarda",
         {{"ed_OrigemConsultaRetaguarda", QStringLiteral(" ")},
          {"ed_TipoConsultaRetaguarda", QString()}},
         "Informe a origem da consulta."},
        {"bt_TestarConsultaRetaguarda",
         {{"ed_OrigemConsultaRetaguarda", QStringLiteral("C")}},
         "Informe o tipo da consulta."},
        {"bt_TestarConsultaRetaguarda",
         {{"ed_TipoConsultaRetaguarda", QStringLiteral("51")},
          {"ed_VersaoConsultaRetaguarda", QString()}},
         "Informe a versão da consulta"},
        {"bt_TestarConsultaRetaguarda",
         {{"ed_VersaoConsultaRetaguarda", QStringLiteral("1")},
          {"ed_TamanhoBlocoConsultaRetaguarda", QString()}},
         "Informe o tamanho do bloco"},
        {"bt_TestarConsultaRetaguarda",
         {{"ed_TamanhoBlocoConsultaRetaguarda", QStringLiteral("x")}},
         "'x' is not a valid integer value"},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_ChaveBloqueiaOrigem", QString()}, {"ed_ObservacaoBloqueiaOrigem", QString()}},
         "Informe a chave do bloqueio."},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_ChaveBloqueiaOrigem", QStringLiteral("1")}, {"ed_FilialBloqueiaOrigem", QString()}},
         "Informe a filial do bloqueio."},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_FilialBloqueiaOrigem", QStringLiteral("1")}, {"ed_ECFBloqueiaOrigem", QString()}},
         "Informe o ECF do bloqueio."},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_ECFBloqueiaOrigem", QStringLiteral("1")},
          {"ed_NomeUsuarioBloqueiaOrigem", QString()}},
         "Informe o usuário do bloqueio."},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_NomeUsuarioBloqueiaOrigem", QStringLiteral("U")},
          {"ed_IDBloqueiaOrigem", QString()}},
         "Informe o ID do bloqueio."},
        {"bt_TestarBloqueiaOrigem",
         {{"ed_IDBloqueiaOrigem", QStringLiteral("1")}},
         "Informe a observação do bloqueio."},
        {"bt_TestarDesbloqueiaOrigem",
         {{"ed_ChaveDesbloqueiaOrigem", QString()}, {"ed_IDDesbloqueiaOrigem", QString()}},
         "Informe a chave do desbloqueio."},
        {"bt_TestarDesbloqueiaOrigem",
         {{"ed_ChaveDesbloqueiaOrigem", QStringLiteral("1")},
          {"ed_FilialDesbloqueiaOrigem", QString()}},
         "Informe a filial do desbloqueio."},
        {"bt_TestarDesbloqueiaOrigem",
         {{"ed_FilialDesbloqueiaOrigem", QStringLiteral("1")},
          {"ed_ECFDesbloqueiaOrigem", QString()}},
         "Informe o ECF do desbloqueio."},
        {"bt_TestarDesbloqueiaOrigem",
         {{"ed_ECFDesbloqueiaOrigem", QStringLiteral("1")}},
         "Informe o ID do desbloqueio."},
        {"bt_ListaNossoNumeroTestar", {}, "'' is not a valid integer value"},
        {"bt_ListaNossoNumeroTestar",
         {{"ed_ListaNossoNumeroCodigoCarteira", QStringLiteral("1")},
          {"ed_ListaNossoNumeroQuantidade", QStringLiteral("1,5")}},
         "'1,5' is not a valid integer value"},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("{1|50,0000};{2}")}},
         "Item inválido: \"2\""},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("{1|50,0000};")}},
         "Item inválido: \"\""},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("{um|1}")}},
         "'um' is not a valid integer value"},
        {"bt_TestarProcessaNFSobreRecibo",
         {{"ed_ItensProcessaNFSobreRecibo", QStringLiteral("{1|1.5}")}},
         "'1.5' is not a valid floating point value"},
        {"bt_TestarExecutaGravaTransacoes", {}, "Cannot open file"},
        {"bt_TestarJsonExecutaGravaTransacoes",
         {{"ed_JsonExecutaGravaTransacoes", QStringLiteral("nao-existe.json")}},
         "Cannot open file"},
        {"bt_TestarJsonExecutaGravaTransacoes",
         {{"ed_JsonExecutaGravaTransacoes",
           fixture(QStringLiteral("quebrado.json"), "{\"Parametros\":")}},
         "não contém um JSON válido. Nada foi enviado."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        for (const auto& [field, value] : c.edits)
            set(QString::fromLatin1(field), value);
        press(QString::fromLatin1(c.button));
        EXPECT_TRUE(received().empty());
        ASSERT_EQ(seen().size(), 1u) << shownMessages().toStdString();
        EXPECT_TRUE(seen()[0].text.contains(QString::fromUtf8(c.message)))
            << seen()[0].text.toStdString();
        seen().clear();
    }
    // The checks come after the session request, as in every page.
    setText(QStringLiteral("ed_Id"), QString());
    press(QStringLiteral("bt_TestarDesbloqueiaOrigem"));
    expectMessage(QStringLiteral("Informe o ID do desbloqueio."));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].path, "TConexaoAPI/ConectaMiddleware");
}

// A saved request is sent again with its transaction XML only, in a fresh envelope.
TEST_F(CommercePagesTest, SavedTransactionIsSentAgainInAFreshEnvelope) {
    const QString saved = fixture(
        QStringLiteral("salvo.json"),
        R"({"Parametros":{"Id":42,"Dados":{"XML":"<trn>a\u00E7<\/trn>","ProcessaErroDuplicacao":true,"Outro":1}},"Assinatura":"ABC"})");
    set(QStringLiteral("ed_JsonExecutaGravaTransacoes"), saved);
    press(QStringLiteral("bt_TestarJsonExecutaGravaTransacoes"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(lastDados(), R"({"XML":"<trn>a\u00E7<\/trn>","ProcessaErroDuplicacao":false})");
    const json::JsonValue sent = body(received()[0]);
    EXPECT_EQ(member(member(sent, "Parametros"), "Id").text(), "1001");

    // The page's own check box, not the saved value nor the other action's.
    set(QStringLiteral("ck_ProcessaErroDuplicacaoJsonExecutaGravaTransacoes"), QStringLiteral("1"));
    set(QStringLiteral("ed_JsonExecutaGravaTransacoes"),
        fixture(QStringLiteral("outro.json"), R"({"Parametros":{"Id":1}})"));
    press(QStringLiteral("bt_TestarJsonExecutaGravaTransacoes"));
    EXPECT_EQ(lastDados(), R"({"XML":"","ProcessaErroDuplicacao":true})");
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CommercePagesTest, ParametersAnswerFillsTheFields) {
    const QString fields[] = {QStringLiteral("ed_VerproParametrosMiddleware"),
                              QStringLiteral("ed_DetproParametrosMiddleware"),
                              QStringLiteral("ed_RelproParametrosMiddleware"),
                              QStringLiteral("ed_VerhomParametrosMiddleware"),
                              QStringLiteral("ed_DethomParametrosMiddleware"),
                              QStringLiteral("ed_RelhomParametrosMiddleware"),
                              QStringLiteral("ed_RegatuParametrosMiddleware")};
    const auto shown = [&] {
        QStringList all;
        for (const QString& f : fields)
            all << text(f);
        all << (find<QCheckBox>(QStringLiteral("ck_HomolParametrosMiddleware"))->isChecked()
                    ? QStringLiteral("sim")
                    : QStringLiteral("não"));
        return all.join(u'|');
    };
    const QString filled = QString::fromUtf8(
        "6,5|Versão estável|12|6,6|Versão candidata|3|Atualizar fora do expediente|sim");
    press(QStringLiteral("bt_TestarParametrosMiddleware"));
    EXPECT_EQ(shown(), filled);

    // Members in lower case and missing ones (0 and empty text).
    sim.enqueue("TCommerceAPI/ParametrosMiddleware",
                sim::Answer{200, R"({"result":{"versaoproducao":7.25,"RELEASEPRODUCAO":4}})"});
    press(QStringLiteral("bt_TestarParametrosMiddleware"));
    EXPECT_EQ(shown(), QString::fromUtf8("7,25||4|0||0||não"));

    // Missing or empty "result": every field emptied.
    for (const char* answer : {R"({"outra":1})", R"({"result":{}})", R"({"result":null})"}) {
        SCOPED_TRACE(answer);
        press(QStringLiteral("bt_TestarParametrosMiddleware"));
        EXPECT_EQ(shown(), filled);
        sim.enqueue("TCommerceAPI/ParametrosMiddleware", sim::Answer{200, answer});
        press(QStringLiteral("bt_TestarParametrosMiddleware"));
        EXPECT_EQ(shown(), QStringLiteral("|||||||não"));
    }
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    // Answers that cannot be read: a message, and the fields keep what they held.
    press(QStringLiteral("bt_TestarParametrosMiddleware"));
    for (const char* answer : {"<html>erro</html>", R"({"result":[1,2]})"}) {
        SCOPED_TRACE(answer);
        sim.enqueue("TCommerceAPI/ParametrosMiddleware", sim::Answer{200, answer});
        press(QStringLiteral("bt_TestarParametrosMiddleware"));
        expectMessage(QStringLiteral("Nenhum campo foi alterado."));
        EXPECT_EQ(shown(), filled);
    }
}

TEST_F(CommercePagesTest, ReturnsAreLoadedMarkedAndSent) {
    MemTable& itens = dm->table(kItens);
    EXPECT_FALSE(itens.isOpen());

    // Nothing loaded yet.
    press(QStringLiteral("bt_ProcessaDevolucao"));
    expectMessage(QStringLiteral("Primeiro pesquise uma devolução informando os dados ao lado!"));
    EXPECT_TRUE(received().empty());

    // "Carregar" asks for the document's items: every one marked, only two columns editable.
    setText(QStringLiteral("ed_CodigoUsuarioProcessaDevolucao"), QStringLiteral("7"));
    press(QStringLiteral("bt_CarregarProcessaDevolucao"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].path, "TCommerceAPI/DadosDevolucao");
    EXPECT_EQ(
        lastDados(),
        R"({"Filial":"001","ECF":"001","FilialUsuario":"001","CodigoUsuario":"  7","FilialNF":"001","ECFNF":"001","SerieNF":"1","NumeroNF":"100007","SomenteEletronicas":false,"DevolveVinculos":false})");
    ASSERT_TRUE(itens.isOpen());
    ASSERT_EQ(itens.recordCount(), 3);
    EXPECT_EQ(itens.recNo(), 0);
    DbGrid* g = grid("dbg_ProcessaDevolucao");
    EXPECT_EQ(g->parentWidget()->findChild<DbNavigator*>(), nullptr); // rows come from answers
    QStringList titles;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        titles << g->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(titles.join(u'|'),
              QStringLiteral("Devolver|Filial|Sequenciador|Item|Qtd Devolver|"
                             "Qtd Devolvida|Qtd Pend|Qtd Dev Rem|Qtd Rem|SigNat"));
    for (int c = 0; c < g->model()->columnCount(); ++c) {
        const bool editable = g->model()->flags(g->model()->index(0, c)) &
                              (Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
        EXPECT_EQ(editable, c == 0 || c == 4) << c;
    }
    EXPECT_EQ(g->model()->index(1, 4).data().toString(), QStringLiteral("1,5"));
    EXPECT_EQ(g->model()->index(1, 5).data().toString(), QStringLiteral("0,5"));
    EXPECT_EQ(g->model()->index(2, 9).data().toString(), QStringLiteral("-1"));
    EXPECT_FALSE(edit(g, 0, 1, QStringLiteral("002"))); // read-only

    // One click anywhere in the "Devolver" cell unmarks the second item.
    QApplication::setActiveWindow(window.get());
    QCoreApplication::processEvents();
    g->scrollTo(g->model()->index(1, 0));
    const QRect cell = g->visualRect(g->model()->index(1, 0));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.topRight() + QPoint(-3, 3));
    EXPECT_EQ(g->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    ASSERT_TRUE(edit(g, 2, 4, QStringLiteral("2,5")));

    press(QStringLiteral("bt_ProcessaDevolucao"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].path, "TCommerceAPI/ProcessaDevolucao");
    EXPECT_EQ(
        lastDados(),
        R"({"Filial":"001","FilialUsuario":"001","CodigoUsuario":"7","MotivoDevolucao":1,"TipoCCC":1,"DevolveVinculos":false,"Devolucao":[)"
        R"({"Filial":"001","Sequenciador":"         7","Item":1,"QtdDevolver":2,"QtdDevolvida":0,"QtdPendente":2,"QtdDevRemessa":0,"QtdRemessa":0,"SigNat":1},)"
        R"({"Filial":"001","Sequenciador":"         7","Item":3,"QtdDevolver":2.5,"QtdDevolvida":0,"QtdPendente":10,"QtdDevRemessa":0,"QtdRemessa":0,"SigNat":-1}]})");
    EXPECT_EQ(text(QStringLiteral("ed_RetornoProcessaDevolucao")),
              QString::fromUtf8("Devolução gravada: 2 item(ns)."));
    EXPECT_EQ(text(QStringLiteral("ed_RetornoValidacaoXMLProcessaDevolucao")),
              QString::fromUtf8("XML válido"));

    // Marked rows without a quantity do not count: nothing to send.
    ASSERT_TRUE(edit(g, 0, 4, QStringLiteral("0")));
    ASSERT_TRUE(edit(g, 2, 4, QString()));
    const QString request = paneText(QStringLiteral("mm_Request"));
    press(QStringLiteral("bt_ProcessaDevolucao"));
    expectMessage(QStringLiteral("Nenhum item foi marcado!"));
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), request); // nothing shown either
    ASSERT_TRUE(edit(g, 1, 4, QStringLiteral("1")));            // a quantity, but unmarked
    press(QStringLiteral("bt_ProcessaDevolucao"));
    expectMessage(QStringLiteral("Nenhum item foi marcado!"));
    EXPECT_TRUE(received().empty());

    // A document with nothing to return: the message, an empty closed table, results emptied.
    setText(QStringLiteral("ed_NumeroNFProcessaDevolucao"), QStringLiteral("0"));
    press(QStringLiteral("bt_CarregarProcessaDevolucao"));
    expectMessage(QStringLiteral("Nenhuma devolução encontrada com os dados informados!"));
    EXPECT_FALSE(itens.isOpen());
    EXPECT_EQ(itens.recordCount(), 0);
    EXPECT_EQ(text(QStringLiteral("ed_RetornoProcessaDevolucao")), QString());
    press(QStringLiteral("bt_ProcessaDevolucao"));
    expectMessage(QStringLiteral("Primeiro pesquise uma devolução"));
}

TEST_F(CommercePagesTest, ReturnsAnswersThatCannotBeRead) {
    MemTable& itens = dm->table(kItens);
    const QString retorno = QStringLiteral("ed_RetornoProcessaDevolucao");
    press(QStringLiteral("bt_CarregarProcessaDevolucao"));
    ASSERT_EQ(itens.recordCount(), 3);
    press(QStringLiteral("bt_ProcessaDevolucao"));
    ASSERT_FALSE(text(retorno).isEmpty());
    const QString before = text(retorno);

    // "Testar": not JSON, or a "result" that is not an object: a message, results kept.
    for (const char* answer : {"erro interno", R"({"result":"texto"})"}) {
        SCOPED_TRACE(answer);
        sim.enqueue("TCommerceAPI/ProcessaDevolucao", sim::Answer{200, answer});
        press(QStringLiteral("bt_ProcessaDevolucao"));
        expectMessage(QStringLiteral("Nenhum campo foi alterado."));
        EXPECT_EQ(text(retorno), before);
    }
    // A rejection carries none of the result members: they are read as empty.
    setText(QStringLiteral("ed_FilialProcessaDevolucao"), QStringLiteral("999"));
    press(QStringLiteral("bt_ProcessaDevolucao"));
    EXPECT_EQ(text(retorno), QString());
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    // "Carregar": the table is emptied before the answer arrives, whatever it says.
    setText(QStringLiteral("ed_FilialProcessaDevolucao"), QStringLiteral("001"));
    for (const char* answer : {"<html/>", R"({"result":[]})", R"({"result":{"Devolucao":{}}})"}) {
        SCOPED_TRACE(answer);
        press(QStringLiteral("bt_CarregarProcessaDevolucao"));
        ASSERT_EQ(itens.recordCount(), 3);
        sim.enqueue("TCommerceAPI/DadosDevolucao", sim::Answer{200, answer});
        press(QStringLiteral("bt_CarregarProcessaDevolucao"));
        expectMessage(QStringLiteral("Nenhum item foi carregado."));
        EXPECT_FALSE(itens.isOpen());
    }
    // An answer without the list (a rejection): the table stays closed, nothing to say.
    setText(QStringLiteral("ed_FilialProcessaDevolucao"), QStringLiteral("999"));
    press(QStringLiteral("bt_CarregarProcessaDevolucao"));
    EXPECT_FALSE(itens.isOpen());
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CommercePagesTest, TerminalTypeSwitchesTheFiscalPrinterControls) {
    const QStringList ecfControls = {QStringLiteral("ed_PersistePDVNumeroECF"),
                                     QStringLiteral("ed_PersistePDVSerieECF"),
                                     QStringLiteral("ed_PersistePDVMarcaECF"),
                                     QStringLiteral("ed_PersistePDVModeloECF"),
                                     QStringLiteral("ed_PersistePDVVersaoSWECF"),
                                     QStringLiteral("dtp_PersistePDVDataSWECF"),
                                     QStringLiteral("cb_PersistePDVArredondaTruncaECF")};
    const auto enabled = [&] {
        int n = 0;
        for (const QString& c : ecfControls)
            n += window->findControl(c)->isEnabled() ? 1 : 0;
        return n;
    };
    set(QStringLiteral("ed_PersistePDVCNPJ"), QStringLiteral("11222333000181"));
    set(QStringLiteral("ed_PersistePDVNomeTerminal"), QStringLiteral("CX"));
    set(QStringLiteral("ed_PersistePDVNumeroECF"), QStringLiteral("5"));
    EXPECT_EQ(enabled(), 7);
    auto* data = find<QDateTimeEdit>(QStringLiteral("dtp_PersistePDVDataSWECF"));
    EXPECT_EQ(data->displayFormat(), QStringLiteral("dd/MM/yyyy"));
    data->setDate(QDate(2020, 1, 31)); // the date picked; the preset time stays
    find<QComboBox>(QStringLiteral("cb_PersistePDVArredondaTruncaECF"))->setCurrentIndex(1);
    press(QStringLiteral("bt_PersistePDVTestar"));
    EXPECT_EQ(
        lastDados(),
        R"({"CNPJ":"11222333000181","Terminal":"CX","ECF":{"Numero":"5","NumeroFabricacao":"","Marca":"","Modelo":"","VersaoSoftware":"","DataSoftware":"31\/01\/2020 09:34:11","ArredondaTrunca":"T"}})");

    find<QRadioButton>(QStringLiteral("rg_PersistePDV_1"))->setChecked(true);
    EXPECT_EQ(enabled(), 0);
    press(QStringLiteral("bt_PersistePDVTestar"));
    EXPECT_EQ(lastDados(), R"({"CNPJ":"11222333000181","Terminal":"CX"})");

    find<QRadioButton>(QStringLiteral("rg_PersistePDV_0"))->setChecked(true);
    EXPECT_EQ(enabled(), 7);
    press(QStringLiteral("bt_PersistePDVTestar"));
    EXPECT_NE(lastDados().find(R"("ECF":{"Numero":"5")"), std::string::npos);
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(CommercePagesTest, GridsTravelAsArrays) {
    // Back-office parameters: every row, in order, typed through the grid and its navigator.
    window->selectPage(QStringLiteral("ts_ConsultaRetaguarda"));
    auto* inserir = find<QToolButton>(QStringLiteral("nv_ParametrosConsultaRetaguarda_inserir"));
    DbGrid* params = grid("dbg_ParametrosConsultaRetaguarda");
    inserir->click();
    ASSERT_TRUE(edit(params, 0, 0, QStringLiteral("CODFIL")));
    ASSERT_TRUE(edit(params, 0, 1, QStringLiteral("001")));
    inserir->click();
    ASSERT_TRUE(edit(params, 1, 0, QStringLiteral("DATA")));
    press(QStringLiteral("bt_TestarConsultaRetaguarda")); // the pending row is stored first
    EXPECT_EQ(
        lastDados(),
        R"({"Origem":"C","Tipo":51,"Versao":1,"TamanhoBloco":0,"Parametros":[{"Nome":"CODFIL","Valor":"001"},{"Nome":"DATA","Valor":""}]})");

    // Documents to reprint: leaving the grid stores the pending row; a blank row is dropped.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->selectPage(QStringLiteral("ts_ReimpressaoCupomEmNotaFiscal"));
    MemTable& docs = dm->table(QStringLiteral("vt_ListaDocEmitidos"));
    DbGrid* g = grid("gd_ReimpressaoCupomEmNotaFiscalDocEmitidos");
    auto* novo =
        find<QToolButton>(QStringLiteral("nv_ReimpressaoCupomEmNotaFiscalDocEmitidos_inserir"));
    QTest::mouseClick(novo, Qt::LeftButton);
    ASSERT_TRUE(edit(g, 0, 0, QStringLiteral("001")));
    ASSERT_TRUE(edit(g, 0, 1, QStringLiteral("002")));
    ASSERT_TRUE(edit(g, 0, 2, QStringLiteral("1")));
    ASSERT_TRUE(edit(g, 0, 3, QStringLiteral("123")));
    EXPECT_FALSE(edit(g, 0, 3, QStringLiteral("abc"))); // not a number: refused
    EXPECT_EQ(docs.state(), MemTable::State::Insert);
    find<QLineEdit>(QStringLiteral("ed_RCFNFFilial"))->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(docs.state(), MemTable::State::Browse);
    QTest::mouseClick(novo, Qt::LeftButton);
    ASSERT_TRUE(edit(g, 1, 3, QStringLiteral("0"))); // blank: dropped when left
    find<QLineEdit>(QStringLiteral("ed_RCFNFFilial"))->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(docs.recordCount(), 1);
    press(QStringLiteral("bt_ReimpressaoCupomEmNotaFiscal"));
    EXPECT_EQ(
        lastDados(),
        R"({"Filial":"001","FilialUsuario":"001","CodigoUsuario":"  1","FilialParceiro":"001","CodigoParceiro":"     1","FilialEndereco":"001","CodigoEndereco":1,"Imprimir":false,"DocEmitidos":[{"Filial":"001","NumeroECF":"002","Serie":"1","NumeroNota":123}]})");
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// Every button of these pages, pressed once with its page's defaults, either sends its request
// or says why not; the pickers, cancelled, leave their fields alone.
TEST_F(CommercePagesTest, EveryButtonSendsOrSaysWhy) {
    const auto& pages = declaredPages();
    int buttons = 0;
    for (const QString& name : kPages) {
        SCOPED_TRACE(name.toStdString());
        const auto it = pages.find(name);
        ASSERT_NE(it, pages.end());
        QStringList actions, pickers;
        kit::forEachControl(it->second.controls, [&](const kit::Control& c) {
            if (c.action)
                actions << c.name;
            if (!c.buddyButton.isEmpty())
                pickers << c.buddyButton;
        });
        EXPECT_FALSE(actions.isEmpty());
        for (const QString& b : actions) {
            SCOPED_TRACE(b.toStdString());
            press(b);
            const QString shown = shownMessages();
            EXPECT_TRUE(!received().empty() || !shown.isEmpty());
            ++buttons;
        }
        for (const QString& b : pickers) {
            recorded->fileAnswers = {QString()};
            click(b);
            EXPECT_TRUE(recorded->fileAnswers.empty());
            ++buttons;
        }
        auto* page = window->findChild<QWidget*>(name);
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->findChildren<QLabel*>().isEmpty());
        for (QLabel* l : page->findChildren<QLabel*>())
            EXPECT_FALSE(l->text().contains(QStringLiteral("ainda não disponível")));
    }
    EXPECT_EQ(buttons, 26);
}
