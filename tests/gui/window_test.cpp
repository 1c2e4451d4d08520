#include "harness.h"

#include "app/pagetree.h"
#include "common/regional.h"
#include "exchange/envelope.h"
#include "widgets/textpane.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Walks the tab widgets as built and the page table side by side.
void expectTabsMatch(QTabWidget* tabs, const std::vector<PageNode>& nodes,
                     const QString& firstShown) {
    ASSERT_EQ(tabs->count(), int(nodes.size())) << tabs->objectName().toStdString();
    for (int i = 0; i < tabs->count(); ++i) {
        const PageNode& node = nodes[std::size_t(i)];
        EXPECT_EQ(tabs->tabText(i), node.caption);
        EXPECT_EQ(tabs->widget(i)->objectName(), node.objectName);
        if (!node.isLeaf()) {
            auto* inner = tabs->widget(i)->findChild<QTabWidget*>(node.pageSet);
            ASSERT_NE(inner, nullptr) << node.pageSet.toStdString();
            expectTabsMatch(inner, node.children, node.firstShown);
        }
    }
    if (!firstShown.isEmpty()) {
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), firstShown)
            << tabs->objectName().toStdString();
    }
}

} // namespace

TEST_F(WindowTest, TreeHasEveryGroupAndServiceTabInOrder) {
    auto* servicos = window->findChild<QTabWidget*>(QStringLiteral("pc_Servicos"));
    ASSERT_NE(servicos, nullptr);
    expectTabsMatch(servicos, pageTree(), QStringLiteral("ts_TConexaoAPI"));
    // Spot checks against the window as the middleware's users know it.
    EXPECT_EQ(servicos->count(), 14);
    EXPECT_EQ(window->findChild<QTabWidget*>(QStringLiteral("pc_TNFeAPI"))->count(), 43);
    EXPECT_EQ(window->findChild<QTabWidget*>(QStringLiteral("pc_TPAFBlocoX"))->count(), 16);
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("ts_AutenticaArqNFSAT")), nullptr);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"))->findChild<QTabWidget*>(),
              nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Testador QuorvaMiddlewareService"));
    EXPECT_EQ(window->size(), QSize(892, 699));
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

TEST_F(WindowTest, ConectaSendsTheSessionPageAndFillsIdInBothForms) {
    setText(QStringLiteral("ed_ConectaFilialUsuario"), QStringLiteral("1"));
    setText(QStringLiteral("ed_ConectaCodigoUsuario"), QStringLiteral("7"));
    setText(QStringLiteral("ed_DataSolicitacao"), QStringLiteral("31/12/2024"));
    click(QStringLiteral("bt_Conecta2"));
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1001"));
    auto got = received();
    ASSERT_EQ(got.size(), 1u);
    const json::JsonValue request = body(got[0]);
    EXPECT_EQ(request.find("TipoRetorno")->text(), "S");
    EXPECT_EQ(request.find("FilialUsuario")->text(), "001");
    EXPECT_EQ(request.find("CodigoUsuario")->text(), "  7");
    EXPECT_EQ(request.find("DataSolicitacao")->text(), "31/12/2024 00:00:00");
    EXPECT_EQ(paneText(QStringLiteral("mm_Request")), QString::fromStdString(got[0].body));
    EXPECT_EQ(paneText(QStringLiteral("mm_Response")),
              QStringLiteral("{\"result\":{\"SessaoID\":1001}}"));

    find<QComboBox>(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"))->setCurrentIndex(1);
    click(QStringLiteral("bt_Conecta2")); // "Conecta" always replaces the Id
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1002"));
    EXPECT_EQ(body(received().back()).find("TipoRetorno")->text(), "C");

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
    EXPECT_EQ(body(got[0]).find("TipoRetorno")->text(), "S");
    EXPECT_EQ(got[1].path, "TConexaoAPI/Sobre");
    EXPECT_EQ(text(QStringLiteral("ed_Id")), QStringLiteral("1001"));
    const json::JsonValue envelope = body(got[1]);
    EXPECT_EQ(json::toWireText(*envelope.find("Parametros")), R"({"Id":1001,"Dados":""})");
    EXPECT_EQ(envelope.find("Assinatura")->toQString(),
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
    EXPECT_EQ(seen()[1].text, QStringLiteral("Socket Error # 10061\r\nConnection refused."));
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

TEST_F(WindowTest, LargeAnswerIsKeptWholeAndShownElided) {
    const std::string big =
        R"({"result":{"conteudo":{"str":")" + std::string(50 * 1024 * 1024, 'Q') + "\"}}}";
    sim.enqueue("TConexaoAPI/Sobre", sim::Answer{200, big});
    setText(QStringLiteral("ed_Id"), QStringLiteral("1"));
    click(QStringLiteral("bt_TestarSobre"));
    auto* pane = window->findChild<TextPane*>(QStringLiteral("mm_Response"));
    EXPECT_EQ(std::size_t(pane->text().size()), big.size());
    EXPECT_TRUE(pane->isElided());
    EXPECT_LE(pane->view()->toPlainText().size(), TextPane::kShownLimit);
}
