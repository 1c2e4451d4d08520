#include "harness.h"
#include "simhelpers.h"

#include "app/exchangehistory.h"
#include "exchange/historystore.h"
#include "widgets/largetextview.h"
#include "widgets/textpane.h"
#include "widgets/typedmember.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using namespace Qt::StringLiterals;

// Takes what the program hands to the system's viewer.
class ViewerStandIn : public QObject {
    Q_OBJECT
public:
    ViewerStandIn() { QDesktopServices::setUrlHandler(u"file"_s, this, "open"); }
    ~ViewerStandIn() override { QDesktopServices::unsetUrlHandler(u"file"_s); }
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList actionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

QAction* actionNamed(const QMenu& menu, const QString& text) {
    for (QAction* a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

class AnswerMembersTest : public WindowTest {
protected:
    TextPane* response() { return window->findChild<TextPane*>(u"mm_Response"_s); }
    void answerSobre(const std::string& body) {
        sim.enqueue("TConexaoAPI/Sobre", sim::Answer{200, body});
        setText(u"ed_Id"_s, u"1"_s);
        click(u"bt_TestarSobre"_s);
    }
    void showFormatted() {
        TextPane* p = response();
        p->findChild<QToolButton*>(u"mm_Response_formatado"_s)->click();
        EXPECT_TRUE(QTest::qWaitFor([p] { return !p->isFormatting(); }, 10000));
    }
    void clickAt(qint64 offset) {
        LargeTextView* view = response()->view();
        view->scrollToOffset(offset);
        const QPoint at = view->pointOf(offset + 1);
        ASSERT_GE(at.x(), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at + QPoint(2, 2));
    }
};

} // namespace

// A PDF in base64 is named as such; "Abrir" hands a private copy of its bytes to the system's
// viewer, "Salvar como…" writes them where the user says.
TEST_F(AnswerMembersTest, TypedMemberOpensAPrivateCopyAndSaves) {
    QByteArray pdf = "%PDF-1.4\n";
    for (int i = 0; pdf.size() < 46285; ++i)
        pdf.append(char((i * 7919) % 256));
    answerSobre(R"({"result":{"conteudo":{"../PDF":")" + pdf.toBase64().toStdString() + "\"}}}");
    showFormatted();
    ASSERT_EQ(response()->folds().size(), 1u);
    const jsonpretty::Fold fold = response()->folds()[0];
    EXPECT_EQ(response()->view()->text().mid(fold.start, fold.length),
              u"[PDF, 45,2 KB — Abrir · Salvar como…]"_s);

    ViewerStandIn viewer;
    clickAt(fold.open.start);
    ASSERT_EQ(viewer.opened.size(), 1);
    const QString copy = viewer.opened[0].toLocalFile();
    EXPECT_EQ(readAll(copy), pdf);
    EXPECT_EQ(QFileInfo(copy).absolutePath(), QDir(typedMemberFolder()).absolutePath());
    EXPECT_TRUE(copy.endsWith(u".pdf"_s)) << copy.toStdString();
    EXPECT_TRUE(QDir(u"Arquivos"_s).entryList(QDir::Files).isEmpty()); // nothing saved

    const QString target = QDir::current().absoluteFilePath(u"nota.pdf"_s);
    recorded->fileAnswers.push_back(target);
    clickAt(fold.save.start);
    EXPECT_EQ(readAll(target), pdf);
    EXPECT_EQ(viewer.opened.size(), 1);
}

// An XML member of the answer offers its XML, unquoted, in the pane's context menu, in either
// view; other members offer nothing more.
TEST_F(AnswerMembersTest, XmlMemberIsCopiedAndSavedUnquoted) {
    const QString xml = u"<?xml version=\"1.0\"?><NFe Id=\"N1\">ç</NFe>"_s;
    answerSobre(R"({"result":"<?xml version=\"1.0\"?><NFe Id=\"N1\">\u00E7</NFe>","n":"1"})");
    for (const bool formatted : {false, true}) {
        SCOPED_TRACE(formatted ? "Formatado" : "Exato");
        if (formatted)
            showFormatted();
        LargeTextView* view = response()->view();
        QMenu menu;
        Q_EMIT view->menuRequested(&menu, view->text().indexOf(u"NFe Id"_s));
        EXPECT_EQ(actionTexts(menu), (QStringList{u"Copiar XML"_s, u"Salvar XML…"_s}));
        actionNamed(menu, u"Copiar XML"_s)->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), xml);
        const QString target = QDir::current().absoluteFilePath(u"nota.xml"_s);
        recorded->fileAnswers.push_back(target);
        actionNamed(menu, u"Salvar XML…"_s)->trigger();
        EXPECT_EQ(readAll(target), xml.toUtf8());

        QMenu other;
        Q_EMIT view->menuRequested(&other, view->text().indexOf(u"\"n\""_s) + 1);
        EXPECT_TRUE(other.isEmpty());
    }
    EXPECT_TRUE(paneText(u"mm_Response"_s).contains(uR"(\"N1\")"_s)); // the pane as received
}

// The authorised XML field keeps its quoted text; its context menu copies the XML itself.
TEST_F(AnswerMembersTest, QuotedXmlFieldOffersItsXmlUnquoted) {
    window->selectPage(u"ts_AutenticaSEFAZ"_s);
    auto* field = find<QPlainTextEdit>(u"mm_XMLAutenticadoAutenticaSEFAZ"_s);
    const QString quoted = uR"("<?xml version=\"1.0\"?><nfeProc>C:\notas</nfeProc>")"_s;
    field->setPlainText(quoted);
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        offered = actionTexts(*menu);
        actionNamed(*menu, u"Copiar XML"_s)->trigger();
        menu->close();
    });
    Q_EMIT field->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(offered.mid(0, 2), (QStringList{u"Copiar XML"_s, u"Salvar XML…"_s}));
    EXPECT_GT(offered.size(), 2); // the field's own entries stay
    EXPECT_EQ(QApplication::clipboard()->text(),
              uR"(<?xml version="1.0"?><nfeProc>C:\notas</nfeProc>)"_s);
    EXPECT_EQ(field->toPlainText(), quoted);
}

// The files a reading saves are listed with its exchange, in the window and in the store, and
// found there after a restart.
TEST_F(AnswerMembersTest, HistoryEntryListsTheFilesItsReadingSaved) {
    const QString file = workDir.filePath(u"dados/historico.sqlite"_s);
    window->attachHistoryStore(new HistoryStore(file));
    sim.enqueue("TCommerceAPI/ArquivoRemessaCNAB",
                sim::fileRecord(u"REMESSA.REM"_s, QByteArray(2000, 'r'), {}));
    // The store's thread is held after the first entry, so the word that the file's exchange was
    // written arrives after the next exchange was added, as it may on a loaded machine.
    QSemaphore goOn;
    QObject::connect(
        window->history()->store(), &HistoryStore::stored, window->history()->store(),
        [&](qint64 sequence, qint64) {
            if (sequence == 1)
                goOn.acquire();
        },
        Qt::DirectConnection);
    click(u"bt_ArquivoRemessaCNAB"_s);
    click(u"bt_TestarSobre"_s);
    goOn.release();
    ExchangeHistory* history = window->history();
    ASSERT_EQ(history->entries().size(), 3u); // the session, the file, Sobre
    EXPECT_EQ(history->entries()[1].record.servicePath, u"TCommerceAPI/ArquivoRemessaCNAB"_s);
    EXPECT_EQ(history->entries()[1].files, QStringList{u"Arquivos/REMESSA.REM"_s});
    EXPECT_TRUE(history->entries()[0].files.isEmpty());
    history->store()->waitForIdle();
    QCoreApplication::processEvents(); // the store's word of what it wrote
    history->store()->waitForIdle();

    window.reset();
    window = std::make_unique<TfrmPrincipal>(*dm);
    window->show();
    window->attachHistoryStore(new HistoryStore(file));
    QSignalSpy listed(window->history(), &ExchangeHistory::listed);
    window->history()->refresh();
    window->history()->store()->waitForIdle();
    QCoreApplication::processEvents();
    ASSERT_GE(listed.count(), 1);
    QTableWidget* list = window->history()->list();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(1, 1)->text(), u"TCommerceAPI/ArquivoRemessaCNAB"_s);
    EXPECT_EQ(list->item(1, 5)->text(), u"REMESSA.REM"_s);
    EXPECT_EQ(list->item(0, 5)->text(), QString());
}

#include "answer_members_test.moc"
