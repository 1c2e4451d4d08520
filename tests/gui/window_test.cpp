#include "harness.h"

#include <QGuiApplication>
#include <QScreen>

#include "../signing_vectors.h"

#include "app/desksettings.h"
#include "app/pagefinder.h"
#include "app/pagetree.h"
#include "common/companykeys.h"
#include "common/regional.h"
#include "exchange/envelope.h"
#include "widgets/largetextview.h"
#include "widgets/textpane.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The tree as the system defines it: per API group its page set, the tab shown first and the
// service tabs' captions in order. Written out here, not read from the window's own table.
struct ExpectedGroup {
    const char* caption;
    const char* pageSet; // "" for the generic page, which has no inner tabs
    const char* firstShown;
    std::vector<const char*> tabs;
};
const std::vector<ExpectedGroup> kExpectedTree = {
    {"ts_TConexaoAPI",
     "pc_ConexaoAPI",
     "ts_ConectaMiddleware",
     {"ts_ConectaMiddleware", "ts_TestaComunicacao", "ts_Sobre", "ts_ConsultaImpressora",
      "ts_CadastrarAtualizarEmpresa", "ts_CadastraXML"}},
    {"ts_TCommerceAPI",
     "pc_TCommerceAPI",
     "ts_ImprimirCancSeguro",
     {"ts_ImprimirCancSeguro",
      "ts_ParametrosMiddleware",
      "ts_ExecutaGravaTransacoes",
      "ts_ConsultaDevolucoes",
      "ts_DadosDevolucao",
      "ts_ProcessaDevolucao",
      "ts_ReceberMercadoriaImportacao",
      "ts_ProcessaXMLDI",
      "ts_ProcessaNotaImportacao",
      "ts_ConsultaRetaguarda",
      "ts_BloqueiaOrigem",
      "ts_DesbloqueiaOrigem",
      "ts_ProximoCodigo",
      "ts_ProcessaNFSobreRecibo",
      "ts_ListaNossoNumero",
      "ts_AtualizaStatusECF",
      "ts_PersistePDV",
      "ts_ReinicializaPoS",
      "ts_ReimpressaoCupomEmNotaFiscal",
      "ts_ProcessaNFSesAutomatico",
      "ts_GeraXMLTransacoesPendentes",
      "ts_ConsultaTitulosBancarios",
      "ts_ArquivoRemessaCNAB",
      "ts_ProcessaArquivoRetornoCNAB",
      "ts_ProcessaNotaDeTransferencia",
      "ts_ImportaXMLNFe",
      "ts_GeraNotaCreditoICMS",
      "ts_PersisteParceiro",
      "ts_PersisteDAV",
      "ts_GeraNotaDAVPreVenda",
      "ts_ImprimeOrdemDeSeparacaoDAV",
      "GeraNotaSeparacaoDAV",
      "ts_SincronizacaoSkyHub",
      "ts_CancelaOrcamento",
      "ts_SetStatusEcommerce",
      "ts_Get_OrderSkyHub",
      "EnviaEmailCotacao",
      "ProcessaCotacaoFornecedor",
      "AprovarCotacaoFornecedor",
      "DefineVencedoresCotacaoFornecedor",
      "ts_MarcaExportacaoECommerce"}},
    {"ts_TNFeAPI",
     "pc_TNFeAPI",
     "ts_ValidaArqNF",
     {"ts_AutenticaCFeSAT",
      "ts_CancelarCFeSAT",
      "ts_ConverteArqNF",
      "ts_ValidaArqNF",
      "ts_AutenticaArqNF",
      "ts_CancelarNFe",
      "ts_HoraSefazOnline",
      "ts_AutenticaCFeSATArqNF",
      "ts_ConsultaXMLAutenticado",
      "ts_SATAtivo",
      "ts_AutenticaSEFAZ",
      "ts_Certificado",
      "ts_InutilizaSEFAZ",
      "ts_GetProximaNota",
      "ts_SetProximaNota",
      "ts_ZerarNumeroNota",
      "ts_EnviaEmailGuarda",
      "ts_CartaCorrecao",
      "ts_SefazOnLine",
      "ts_ImprimeDANFE",
      "ts_ConsultaNF",
      "ts_GetUltimaNota",
      "ts_CancelarNFeSefaz",
      "ts_AutenticaNFSeAssinc",
      "ts_ImprimeDANFEPeloXML",
      "ts_ImprimeEventoNFe",
      "ts_SituacaoGuarda",
      "ts_EnviaRPSsParaPrefeitura",
      "ts_ConsultaRPSsNaPrefeitura",
      "ts_SituacaoGuardaParaNFSe",
      "ts_CancelaNFSePeloRPS",
      "ts_AutenticaErpNFeSefaz",
      "ts_ConsultaStatusOperacionalSAT",
      "ts_GetGuarda",
      "ts_GeraPDFPeloXML",
      "ts_RegerarXMLNaGuarda",
      "ts_GeraXMLDFeFromTransacaoPOS",
      "ts_AutenticaCFeSATComplementar",
      "ts_ConsultaPeloUltimoNSUNFe",
      "ts_ManifestarNFe",
      "ts_GeraPreviaPDFPeloXML",
      "ts_SetImprimirNFe",
      "ts_GeraPDFEventoNFe"}},
    {"ts_TImpressoraNaoFiscalAPI",
     "pc_TImpressoraNaoFiscalAPI",
     "ts_ImprimirExtratoResumidoCFeSAT",
     {"ts_Inicializa", "ts_imprimeTextoNaoFiscal", "ts_imprimeDANFENFCe", "ts_imprimeEvento",
      "ts_SetvTroco", "ts_ImprimirExtratoCFeSAT", "ts_ImprimirExtratoResumidoCFeSAT",
      "ts_ImprimirExtratoCancelamento", "ts_SetUsaCodigoEanImpressao"}},
    {"ts_TNFeLocalAPI",
     "pc_TNFeLocalAPI",
     "ts_ConsultaFormaEmissaoCFe",
     {"ts_ConsultaFormaEmissaoCFe"}},
    {"ts_TSSLAPI", "pc_TSSLAPI", "ts_DadosCertificado", {"ts_AssinarXML", "ts_DadosCertificado"}},
    {"ts_TPAFAPI",
     "pc_TPAFAPI",
     "ts_BlocoX",
     {"ts_BlocoX", "ts_Perfil", "ts_BlocoZ", "ts_DAVEmitidos", "ts_ImprimeDAV",
      "ts_ParametrosConfiguracao", "ts_TabelaIndiceTecnicoProducao", "ts_IdentificacaoPAFECF",
      "ts_RegistrosPAFECF", "ts_GeraArquivoRequisicaoExterna"}},
    {"ts_TCommerceLocalAPI",
     "pc_TCommerceLocalAPI",
     "ts_GeraBoleto",
     {"ts_GeraBoleto", "ts_EnviaEmail", "ts_ConsultaCNPJ", "ts_ConsultaCPF", "tsImprimeDAV"}},
    {"ts_TPafLocalAPI", "pc_TPafLocalAPI", "ts_ArquivosPAFECF", {"ts_ArquivosPAFECF"}},
    {"ts_TMiddlewareAPI", "pc_TMiddlewareAPI", "ts_CSRT", {"ts_CSRT"}},
    {"ts_TSSLLocalAPI",
     "pc_TSSLLocalAPI",
     "ts_DadosCertificadoLocal",
     {"ts_DadosCertificadoLocal"}},
    {"ts_GenericAPI", "", "", {}},
    {"ts_TCTeAPI",
     "pc_TCTeAPI",
     "ts_GeraPDFEventoCTe",
     {"ts_AutenticaCTe", "ts_CancelarCTeSefaz", "ts_ConsultarCTe", "ts_InutilizaCTe",
      "ts_CTeOnLine", "ts_ImprimeCTeDACTE", "ts_ImprimeEventoCTe", "ts_ImprimeCTeDACTEPeloXML",
      "ts_GeraCTePDFPeloXML", "ts_ConsultaPeloUltimoNSUCTe", "ts_ManifestarCTe",
      "ts_CartaCorrecaoCTe", "ts_GeraCTePreviaPDFPeloXML", "ts_GeraPDFEventoCTe"}},
    {"ts_TMDFeAPI",
     "pc_TMDFeAPI",
     "ts_GeraMDFePreviaPDFPeloXML",
     {"ts_AutenticaMDFe", "ts_CancelarMDFeSefaz", "ts_ConsultarMDFe", "ts_MDFeOnLine",
      "ts_ImprimeMDFeDAMDFE", "ts_ImprimeEventoMDFe", "ts_ImprimeMDFeDAMDFEPeloXML",
      "ts_GeraMDFePDFPeloXML", "ts_EncerrarMDFe", "ts_GeraMDFePreviaPDFPeloXML"}},
};
const std::vector<const char*> kBlocoXTabs = {"ts_PermiteGeracaoFiscoReducaoZ",
                                              "ts_InclusaoFiscoReducaoZ",
                                              "ts_TransmissaoFiscoReducaoZ",
                                              "ts_UltimaTransmissaoFiscoReducaoZ",
                                              "ts_MensagemPendenciasFiscoReducaoZ",
                                              "ts_PermiteGeracaoFiscoEstoque",
                                              "ts_InclusaoFiscoEstoque",
                                              "ts_TransmissaoFiscoEstoque",
                                              "ts_UltimaTransmissaoFiscoEstoque",
                                              "ts_MensagemPendenciasFiscoEstoque",
                                              "ts_UltimoRegistroFiscoReducaoZ",
                                              "ts_UltimoRegistroFiscoEstoque",
                                              "ts_MensagemPendenciasPublicFiscoReducaoZ",
                                              "ts_MensagemPendenciasPublicFiscoEstoque",
                                              "ts_GeracaoFiscoReducaoZ",
                                              "ts_GeracaoFiscoEstoque"};

QStringList captions(const QTabWidget* tabs) {
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabText(i);
    return out;
}

QStringList listOf(const std::vector<const char*>& texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

TEST_F(WindowTest, TreeHasEveryGroupAndServiceTabInOrder) {
    auto* servicos = window->findChild<QTabWidget*>(QStringLiteral("pc_Servicos"));
    ASSERT_NE(servicos, nullptr);
    ASSERT_EQ(servicos->count(), int(kExpectedTree.size()));
    EXPECT_EQ(servicos->tabText(servicos->currentIndex()), QStringLiteral("ts_TConexaoAPI"));
    for (int g = 0; g < servicos->count(); ++g) {
        const ExpectedGroup& expected = kExpectedTree[std::size_t(g)];
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(servicos->tabText(g), QString::fromUtf8(expected.caption));
        servicos->setCurrentIndex(g); // as the user opens it
        auto* inner = servicos->widget(g)->findChild<QTabWidget*>(
            QString::fromUtf8(expected.pageSet), Qt::FindDirectChildrenOnly);
        if (!*expected.pageSet) {
            EXPECT_EQ(servicos->widget(g)->findChild<QTabWidget*>(), nullptr);
            continue;
        }
        ASSERT_NE(inner, nullptr) << expected.pageSet;
        EXPECT_EQ(captions(inner), listOf(expected.tabs));
        EXPECT_EQ(inner->tabText(inner->currentIndex()), QString::fromUtf8(expected.firstShown));
    }
    auto* blocoX = window->findChild<QTabWidget*>(QStringLiteral("pc_TPAFBlocoX"));
    ASSERT_NE(blocoX, nullptr);
    EXPECT_EQ(captions(blocoX), listOf(kBlocoXTabs));
    EXPECT_EQ(blocoX->tabText(blocoX->currentIndex()),
              QStringLiteral("ts_PermiteGeracaoFiscoEstoque"));
    // Object names that differ from the caption.
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("ts_AutenticaArqNFSAT")), nullptr);
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("tsRegerarXMLNaGuarda")), nullptr);
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("tsGenericAPI")), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Testador QuorvaMiddlewareService"));
    // A first run: about 80% of the screen, never below 892×699 where the screen has room.
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(window->size(), (room * 0.8).expandedTo(QSize(892, 699)).boundedTo(room));
}

// A group's tabs are made when it is first shown; whatever reaches for one of its pages or
// controls (the finder, another page, the desk) has them made on the way, and a page set
// within a group shows its own page built.
TEST_F(WindowTest, GroupsAreMadeWhenFirstShownAndReachedFromAnywhere) {
    EXPECT_EQ(window->findChild<QTabWidget*>(u"pc_TCTeAPI"_s), nullptr);
    EXPECT_EQ(window->findChild<QTabWidget*>(u"pc_TMDFeAPI"_s), nullptr);
    window->finder()->open();
    window->finder()->field()->setText(u"InutilizaCTe"_s);
    QTest::keyClick(window->finder()->field(), Qt::Key_Return);
    EXPECT_EQ(currentPageName(*window), u"ts_InutilizaCTe"_s);
    EXPECT_TRUE(window->isBuilt(u"ts_InutilizaCTe"_s));

    EXPECT_EQ(text(u"ed_FilialAutenticaMDFe"_s), u"001"_s);
    EXPECT_TRUE(window->isBuilt(u"TabSheet3"_s));

    auto* servicos = window->findChild<QTabWidget*>(u"pc_Servicos"_s);
    servicos->setCurrentWidget(window->findChild<QWidget*>(u"ts_TPAFAPI"_s));
    EXPECT_EQ(currentPageName(*window), u"ts_PermiteGeracaoFiscoEstoque"_s);
    EXPECT_TRUE(window->isBuilt(u"ts_PermiteGeracaoFiscoEstoque"_s));
}

// The last page restored from a group never shown, declared in the last of the page sources,
// is built whole on the way; its tab's tooltip, the page's description, is there when the
// pointer rests on the tab.
TEST_F(WindowTest, LastPageOfAGroupNeverShownIsRestoredWithItsDescription) {
    const QString ini = workDir.filePath(u"mesa.ini"_s);
    QSettings(ini, QSettings::IniFormat).setValue(u"janela/ultimaPagina"_s, u"ts_ArquivosPAFECF"_s);
    DeskSettings(ini).restoreDesk(*window);
    EXPECT_EQ(currentPageName(*window), u"ts_ArquivosPAFECF"_s);
    const auto* laudo = window->findChild<QLineEdit*>(u"ed_LaudoPafArquivosPAFECF"_s);
    ASSERT_NE(laudo, nullptr);
    EXPECT_EQ(laudo->text(), u"123456"_s);

    auto* tabs = window->findChild<QTabWidget*>(u"pc_TPafLocalAPI"_s);
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    const QPoint onTab = bar->tabRect(0).center();
    QHelpEvent rest(QEvent::ToolTip, onTab, bar->mapToGlobal(onTab));
    QApplication::sendEvent(bar, &rest);
    EXPECT_EQ(tabs->tabToolTip(0), u"Lista os arquivos do PAF-ECF com as extensões dadas nas "
                                   u"pastas informadas e grava a lista num arquivo"_s);
}

TEST_F(WindowTest, WhenShownTheSessionPageIsFilledAndTheOutputFolderExists) {
    auto* conexao = window->findChild<QTabWidget*>(QStringLiteral("pc_ConexaoAPI"));
    EXPECT_EQ(conexao->currentWidget()->objectName(), QStringLiteral("ts_ConectaMiddleware"));
    EXPECT_EQ(text(QStringLiteral("ed_VersaoBase")), QStringLiteral("237"));
    EXPECT_FALSE(text(QStringLiteral("ed_NomeMaquina")).isEmpty());
    EXPECT_FALSE(text(QStringLiteral("ed_UserOS")).isEmpty());
    EXPECT_TRUE(regional::tryStrToDateTime(text(QStringLiteral("ed_DataSolicitacao"))));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QString());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("ed_ConectaFilialUsuario"))->maxLength(), 3);
    EXPECT_EQ(text(QStringLiteral("cb_ConectaMiddlewareTipoRetorno")),
              QStringLiteral("S - Simples"));
    EXPECT_TRUE(QDir(QStringLiteral("Arquivos")).exists());
    // A second window in the same folder starts as well: the folder already exists.
    TfrmPrincipal second(*dm);
    second.show();
    EXPECT_TRUE(QDir(QStringLiteral("Arquivos")).exists());
    EXPECT_TRUE(seen().empty());
}

// A key file that others can read is used, and the window says so where it is always seen.
TEST_F(WindowTest, KeyFileReadableByOthersIsShownInTheStatus) {
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lb_Status"))->isHidden());
    QByteArray keys;
    for (int i = 0; i < 14; ++i)
        keys += QByteArray(64, char('a' + i)) + "\n";
    const QString file = fixture(QStringLiteral("chaves-empresas.txt"), keys);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    testing::internal::CaptureStderr();
    CompanyKeys::loadFile(file);
    testing::internal::GetCapturedStderr();
    TfrmPrincipal withWarning(*dm);
    withWarning.show();
    CompanyKeys::useDevelopmentKeys();
    const auto* status = withWarning.findChild<QLabel*>(QStringLiteral("lb_Status"));
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(status->isHidden());
    EXPECT_TRUE(status->text().contains(QStringLiteral("chmod 600")))
        << status->text().toStdString();
}

TEST_F(WindowTest, ConectaSendsTheSessionPageAndFillsIdInBothForms) {
    setText(QStringLiteral("ed_ConectaFilialUsuario"), QStringLiteral("1"));
    setText(QStringLiteral("ed_ConectaCodigoUsuario"), QStringLiteral("7"));
    setText(QStringLiteral("ed_DataSolicitacao"), QStringLiteral("31/12/2024"));
    click(QStringLiteral("bt_Conecta2"));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1001"));
    auto got = received();
    ASSERT_EQ(got.size(), 1u);
    const json::JsonValue request = body(got[0]);
    EXPECT_EQ(member(request, "TipoRetorno").text(), "S");
    EXPECT_EQ(member(request, "FilialUsuario").text(), "001");
    EXPECT_EQ(member(request, "CodigoUsuario").text(), "  7");
    EXPECT_EQ(member(request, "DataSolicitacao").text(), "31/12/2024 00:00:00");
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString::fromStdString(got[0].body));
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")),
              QStringLiteral("{\"result\":{\"SessaoID\":1001}}"));

    find<QComboBox>(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"))->setCurrentIndex(1);
    click(QStringLiteral("bt_Conecta2")); // "Conecta" always replaces the Id
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1002"));
    EXPECT_EQ(member(body(received().back()), "TipoRetorno").text(), "C");

    // Odd answers: a complete answer without "Id" gives "0"; a simple one of another shape
    // leaves its text less the markers.
    sim.enqueue("TConexaoAPI/ConectaMiddleware",
                sim::Answer{200, R"({"result":{"conteudo":{"livre":{}}}})"});
    click(QStringLiteral("bt_Conecta2"));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("0"));
    find<QComboBox>(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"))->setCurrentIndex(0);
    sim.enqueue("TConexaoAPI/ConectaMiddleware", sim::Answer{200, R"({"erro":"x"}})"});
    click(QStringLiteral("bt_Conecta2"));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral(R"({"erro":"x")"));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(WindowTest, SobreShowsTheSignedEnvelopeAndTheAnswer) {
    find<QComboBox>(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"))->setCurrentIndex(1);
    click(QStringLiteral("bt_TestarSobre"));
    // Blank Id: the session request (simple form whatever is selected), then the service.
    auto got = received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].path, "TConexaoAPI/ConectaMiddleware");
    EXPECT_EQ(member(body(got[0]), "TipoRetorno").text(), "S");
    EXPECT_EQ(got[1].path, "TConexaoAPI/Sobre");
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1001"));
    const json::JsonValue envelope = body(got[1]);
    EXPECT_EQ(json::toWireText(*envelope.find("Parametros")), R"({"Id":1001,"Dados":""})");
    EXPECT_EQ(member(envelope, "Assinatura").toQString(),
              signParametros(*envelope.find("Parametros"), 0));
    // The panes show only the second exchange.
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString::fromStdString(got[1].body));
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("\"err\":false")));
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    // With an Id present, no session request; a non-numeric Id is sent as 0.
    sim.clearReceived();
    setText(QStringLiteral("ed_Id"), QStringLiteral("sessao"));
    click(QStringLiteral("bt_TestarSobre"));
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(json::toWireText(*body(got[0]).find("Parametros")), R"({"Id":0,"Dados":""})");

    // A session Id beyond 32 bits travels whole.
    sim.setNextSessionId(5'000'000'000);
    setText(QStringLiteral("ed_Id"), QString());
    sim.clearReceived();
    click(QStringLiteral("bt_TestarSobre"));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("5000000000"));
    got = received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(json::toWireText(*body(got[1]).find("Parametros")),
              R"({"Id":5000000000,"Dados":""})");
    EXPECT_TRUE(paneText(QStringLiteral("mm_Response")).contains(QStringLiteral("\"err\":false")));
}

// What the stand-in receives carries the signature computed outside the program, for every
// company key; the partner page sends its text as typed, so every vector reaches the envelope.
TEST_F(WindowTest, PostedEnvelopesCarryKnownSignatures) {
    auto* memo = find<QPlainTextEdit>(QStringLiteral("mm_PersisteParceiroMemo"));
    ASSERT_NE(memo, nullptr);
    for (const SigningVector& v : kSigningVectors) {
        setText(QStringLiteral("ed_CodigoEmpresa"), QString::fromLatin1(v.empresa));
        setText(QStringLiteral("ed_Id"), QString::fromLatin1(v.id));
        memo->setPlainText(QString::fromUtf8(v.dados));
        sim.clearReceived();
        click(QStringLiteral("btn_PersisteParceiroTestar"));
        const auto got = received();
        ASSERT_EQ(got.size(), 1u) << "company " << v.empresa << ": "
                                  << shownMessages().toStdString();
        EXPECT_EQ(got[0].body, std::string(R"({"Parametros":)") + v.parametros +
                                   R"(,"Assinatura":")" + v.assinatura + "\"}")
            << "company " << v.empresa;
    }
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

TEST_F(WindowTest, ErrorsEndTheActionInAMessageAndThePanesKeepWhatTheyHeld) {
    setText(QStringLiteral("ed_Id"), QStringLiteral("5"));
    click(QStringLiteral("bt_TestarSobre"));
    const QString request = paneText(QStringLiteral("mm_Request"));
    ASSERT_FALSE(request.isEmpty());

    // A company code of letters fails before anything is sent.
    sim.clearReceived();
    setText(QStringLiteral("ed_CodigoEmpresa"), QStringLiteral("abc"));
    click(QStringLiteral("bt_TestarSobre"));
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_EQ(seen()[0].text, QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), request);

    // A server that refuses the connection: the request stays shown, the answer pane empty.
    setText(QStringLiteral("ed_CodigoEmpresa"), QStringLiteral("0"));
    sim.stop();
    click(QStringLiteral("bt_TestarSobre"));
    ASSERT_EQ(seen().size(), 2u);
    // The system's text, then the address on a line of its own.
    EXPECT_TRUE(seen()[1].text.startsWith(
        QStringLiteral("Socket Error # 10061\r\nConnection refused.\r\nhttp://")))
        << seen()[1].text.toStdString();
    // And what to check.
    EXPECT_TRUE(seen()[1].text.endsWith(
        QStringLiteral(
            "\r\nNenhum middleware respondeu em http://127.0.0.1:%1. Ele está em execução? O "
            "endereço e a porta estão certos?")
            .arg(sim.port())))
        << seen()[1].text.toStdString();
    EXPECT_EQ(seen()[1].kind, Dialogs::Kind::Error);
    EXPECT_FALSE(paneText(QStringLiteral("mm_Request")).isEmpty());
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")), QString());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, EnterMovesFocusInFieldsAndMemosButNotInGrids) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* layoutVersion = find<QLineEdit>(QStringLiteral("ed_VersaoLayout"));
    layoutVersion->setFocus();
    QTest::keyClick(layoutVersion, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(QStringLiteral("ed_CodigoEmpresa")));

    // A multi-line field and a grid placed on a page of the window.
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"));
    window->selectPage(QStringLiteral("tsGenericAPI"));
    auto* memo = new QPlainTextEdit(page);
    auto* after = new QLineEdit(page);
    auto* grid = new QTableWidget(2, 2, page);
    page->layout()->addWidget(memo);
    page->layout()->addWidget(after);
    page->layout()->addWidget(grid);
    QCoreApplication::processEvents(); // widgets added to a shown page appear on the next turn
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(QApplication::focusWidget(), after);

    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(QApplication::focusWidget() == grid ||
                grid->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(WindowTest, LargeAnswerIsKeptAndShownWhole) {
    const std::string big =
        R"({"result":{"conteudo":{"str":")" + std::string(50 * 1024 * 1024, 'Q') + "\"}}}";
    sim.enqueue("TConexaoAPI/Sobre", sim::Answer{200, big});
    setText(QStringLiteral("ed_Id"), QStringLiteral("1"));
    click(QStringLiteral("bt_TestarSobre"));
    auto* pane = window->findChild<TextPane*>(QStringLiteral("mm_Response"));
    EXPECT_EQ(std::size_t(pane->text().size()), big.size());
    EXPECT_EQ(pane->view()->text().size(), pane->text().size());
}
