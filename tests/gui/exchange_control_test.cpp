#include "harness.h"
#include "simhelpers.h"

#include "common/jsonpretty.h"
#include "tables/memtable.h"
#include "widgets/busywait.h"
#include "widgets/dbgrid.h"
#include "widgets/findbar.h"
#include "widgets/largetextview.h"
#include "widgets/textpane.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>

#include <condition_variable>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

// A service that accepts the request and keeps its answer until released (or 20 s pass). Its
// state lives as long as the stand-in's handler, which may still be waking when the test ends.
class HeldService {
public:
    HeldService(sim::MiddlewareSim& sim, const std::string& path, sim::Answer answer)
        : m_state(std::make_shared<State>()) {
        sim.setHandler(path,
                       [state = m_state, answer](const sim::Request&, const json::JsonValue*) {
                           std::unique_lock lock(state->mutex);
                           ++state->arrived;
                           state->released.wait_for(lock, std::chrono::seconds(20),
                                                    [&] { return !state->holding; });
                           return answer;
                       });
    }
    ~HeldService() { release(); }
    void hold() {
        const std::lock_guard lock(m_state->mutex);
        m_state->holding = true;
    }
    void release() {
        {
            const std::lock_guard lock(m_state->mutex);
            m_state->holding = false;
        }
        m_state->released.notify_all();
    }
    int arrived() {
        const std::lock_guard lock(m_state->mutex);
        return m_state->arrived;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable released;
        bool holding = true;
        int arrived = 0;
    };
    std::shared_ptr<State> m_state;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

class ExchangeControlTest : public WindowTest {
protected:
    QString status() { return find<QLabel>(u"lb_Troca"_s)->text(); }
    TextPane* pane(const QString& name) { return window->findChild<TextPane*>(name); }
    // Shows the answer in the response pane through the Sobre page.
    void answerSobre(const std::string& body) {
        sim.enqueue("TConexaoAPI/Sobre", sim::Answer{200, body});
        setText(u"ed_Id"_s, u"1"_s);
        click(u"bt_TestarSobre"_s);
    }
    void showFormatted(TextPane* p) {
        p->findChild<QToolButton*>(p->objectName() + u"_formatado"_s)->click();
        EXPECT_TRUE(QTest::qWaitFor([p] { return !p->isFormatting(); }, 10000));
    }
};

// A service that never answers: the window says what it waits for, refuses other input, and
// the "Cancelar" button, Esc or closing the window end the action; nothing of the answer that
// comes later is read or saved.
TEST_F(ExchangeControlTest, HungServiceIsCancelledAndNothingIsSaved) {
    const std::string path = "TCommerceAPI/ArquivoRemessaCNAB";
    HeldService held(sim, path, sim::fileRecord(u"REM.TXT"_s, "conteudo", {}));
    setText(u"ed_Id"_s, u"1"_s);
    auto* action = find<QPushButton>(u"bt_ArquivoRemessaCNAB"_s);
    auto* cancel = find<QPushButton>(u"bt_Cancelar"_s);
    const QString waiting =
        u"Aguardando resposta de "_s + sim.baseUrl() + QString::fromStdString(path) + u"…"_s;

    QString shown;
    bool cancelVisible = false;
    QString selectedMeanwhile;
    QTimer::singleShot(300, [&] {
        shown = status();
        cancelVisible = cancel->isVisible();
        auto* request = find<LargeTextView>(u"mm_Request_texto"_s); // the panes still read
        QTest::keyClick(request, Qt::Key_A, Qt::ControlModifier);
        selectedMeanwhile = request->selectedText();
        QTest::mouseClick(action, Qt::LeftButton); // refused: nothing else starts meanwhile
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    click(u"bt_ArquivoRemessaCNAB"_s);
    expectMessage(u"Requisição cancelada pelo usuário."_s);
    EXPECT_TRUE(shown.startsWith(waiting)) << shown.toStdString();
    EXPECT_TRUE(cancelVisible);
    EXPECT_TRUE(selectedMeanwhile.startsWith(u"{\"Parametros\":"_s))
        << selectedMeanwhile.toStdString();
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_EQ(held.arrived(), 1);
    EXPECT_TRUE(paneText(u"mm_Request"_s).startsWith(u"{\"Parametros\":"_s));
    EXPECT_EQ(paneText(u"mm_Response"_s), QString());
    EXPECT_TRUE(status().contains(u"cancelada pelo usuário"_s)) << status().toStdString();
    held.release();
    QTest::qWait(300); // the answer now arrives, to nobody
    EXPECT_TRUE(QDir(u"Arquivos"_s).entryList(QDir::Files).isEmpty());

    // Esc cancels too.
    held.hold();
    QTimer::singleShot(200, [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    click(u"bt_ArquivoRemessaCNAB"_s);
    expectMessage(u"Requisição cancelada pelo usuário."_s);
    held.release();

    // Closing the window asks, cancels and closes once the action has ended.
    held.hold();
    QTimer::singleShot(200, [&] {
        recorded->confirmAnswers.push_back(true);
        window->close();
    });
    click(u"bt_ArquivoRemessaCNAB"_s);
    EXPECT_EQ(recorded->confirmations.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 3000));
    EXPECT_EQ(shownMessages(), QString());
    held.release();
    QTest::qWait(200);
    EXPECT_TRUE(QDir(u"Arquivos"_s).entryList(QDir::Files).isEmpty());
}

// The status line tells every exchange's outcome; an error status shows the server's body.
TEST_F(ExchangeControlTest, StatusShowsTheOutcomeAndAnErrorStatusItsBody) {
    const std::string body = R"({"erro":"Serviço não encontrado"})";
    sim.enqueue("TConexaoAPI/Sobre", sim::Answer{404, body});
    setText(u"ed_Id"_s, u"1"_s);
    click(u"bt_TestarSobre"_s);
    expectMessage(u"404"_s);
    EXPECT_EQ(paneText(u"mm_Response"_s), QString::fromStdString(body));
    EXPECT_TRUE(status().endsWith(u"POST "_s + sim.baseUrl() + u"TConexaoAPI/Sobre"_s))
        << status().toStdString();
    EXPECT_TRUE(status().contains(u"404"_s)) << status().toStdString();

    sim.enqueue("TConexaoAPI/Sobre", sim::resultEnvelope(true, "7", u"CNPJ não cadastrado"_s));
    click(u"bt_TestarSobre"_s);
    EXPECT_TRUE(status().contains(u"Rejeitada: CNPJ não cadastrado"_s)) << status().toStdString();
    EXPECT_TRUE(status().contains(u"200"_s)) << status().toStdString();
    seen();
}

// The formatted view keeps every number's text as received and shows escapes as characters.
TEST_F(ExchangeControlTest, FormattedViewKeepsNumbersAsReceived) {
    const std::string wire =
        R"({"result":{"v":[1.10,-0,1e400,1234567890123456789,"\u00E7"],"o":{},"n":null}})";
    answerSobre(wire);
    TextPane* response = pane(u"mm_Response"_s);
    showFormatted(response);
    EXPECT_EQ(response->view()->text(), uR"({
  "result": {
    "v": [
      1.10,
      -0,
      1e400,
      1234567890123456789,
      "ç"
    ],
    "o": {},
    "n": null
  }
})"_s);
    EXPECT_EQ(response->text(), QString::fromStdString(wire)); // what code reads stays exact

    // Not JSON: the text reads as it is, in both views.
    for (const QString& plain : {u"*** VERIFIQUE NO GRID ***"_s, u"<html>erro</html>"_s}) {
        response->setMode(TextPane::Mode::Formatted);
        response->setText(plain);
        EXPECT_TRUE(QTest::qWaitFor([response] { return !response->isFormatting(); }, 5000));
        EXPECT_EQ(response->view()->text(), plain);
        response->setMode(TextPane::Mode::Exact);
        EXPECT_EQ(response->view()->text(), plain);
    }
}

// A base64 member is folded into a placeholder; clicking it saves the decoded bytes.
TEST_F(ExchangeControlTest, Base64MemberIsFoldedAndSavedByteForByte) {
    QByteArray bytes;
    for (int i = 0; i < 10000; ++i)
        bytes.append(char((i * 7919) % 256));
    answerSobre(R"({"result":{"conteudo":{"str":")" + bytes.toBase64().toStdString() + "\"}}}");
    TextPane* response = pane(u"mm_Response"_s);
    showFormatted(response);
    ASSERT_EQ(response->folds().size(), 1u);
    const auto& fold = response->folds()[0];
    EXPECT_EQ(response->view()->text().mid(fold.start, fold.length),
              u"[base64, 9,8 KB — Salvar como…]"_s);
    LargeTextView* view = response->view();
    view->scrollToOffset(fold.start);
    const QPoint at = view->pointOf(fold.start + 2);
    ASSERT_GE(at.x(), 0);
    const QString target = QDir::current().absoluteFilePath(u"arquivo.bin"_s);
    recorded->fileAnswers.push_back(target);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at + QPoint(2, 2));
    EXPECT_EQ(readAll(target), bytes);
}

// Ctrl+F opens the find bar; matches in a large answer are counted off the UI thread.
TEST_F(ExchangeControlTest, SearchCountsMatchesInALargeAnswer) {
    std::string big = R"({"result":")";
    for (int i = 0; i < 50000; ++i)
        big += "linha " + std::to_string(i) + " com Agulha\\n";
    big += "\"}";
    answerSobre(big);
    TextPane* response = pane(u"mm_Response"_s);
    EXPECT_TRUE(QTest::qWaitFor([response] { return response->view()->isIndexed(); }, 5000));
    response->view()->scrollToEnd();
    EXPECT_GT(response->view()->firstVisibleOffset(), qint64(big.size()) - 2000);

    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    response->view()->setFocus();
    QTest::keyClick(response->view(), Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = response->findBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::keyClicks(QApplication::focusWidget(), u"agulha"_s);
    EXPECT_TRUE(
        QTest::qWaitFor([bar] { return bar->matchCount() > 0 && !bar->isSearching(); }, 10000));
    EXPECT_EQ(bar->matchCount(), 50000);
    const qint64 first = bar->currentMatch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // next, not the next field
    EXPECT_EQ(bar->currentMatch(), (first + 1) % 50000);
    EXPECT_EQ(response->view()->selectedText(), u"Agulha"_s);
}

// An answer of multi-byte characters, larger than what is indexed at once and than a piece
// the search decodes, is kept as the bytes received and read by characters: the count, a match
// that straddles two pieces, its selection, what assistive technology reads there and the row
// drawn at its place.
TEST_F(ExchangeControlTest, LargeAnswerWithAccentsIsKeptAsBytesAndReadByCharacters) {
    const std::string head = R"({"result":")";
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "é";
    // The piece of 1 MiB ends inside the match.
    text += std::string(std::size_t(1024 * 1024 - 3) - head.size() - text.size(), 'x');
    text += "Agulha";
    for (int i = 0; i < 20000; ++i)
        text += "\nlinha " + std::to_string(i) + " coração, agulha";
    const std::string body = head + text + "\"}";
    answerSobre(body);
    TextPane* response = pane(u"mm_Response"_s);
    LargeTextView* view = response->view();
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->isIndexed(); }, 10000));
    ASSERT_TRUE(view->content()->isUtf8());
    EXPECT_EQ(response->utf8(), QByteArray::fromStdString(body));
    const QString decoded = QString::fromStdString(body);
    EXPECT_EQ(response->text(), decoded);
    EXPECT_EQ(view->textSize(), decoded.size());
    EXPECT_EQ(view->lineCount(), 20001);

    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = response->findBar();
    bar->setQuery(u"AGULHA"_s);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return !bar->isSearching(); }, 10000));
    ASSERT_EQ(bar->matchCount(), 20001);
    const qint64 straddling = decoded.indexOf(u"Agulha"_s);
    ASSERT_EQ(straddling,
              qint64(head.size()) + 1000 + (1024 * 1024 - 3 - qint64(head.size()) - 2000));
    view->scrollToOffset(0);
    bar->setQuery(u"coração, AGULHA"_s);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return !bar->isSearching(); }, 10000));
    ASSERT_EQ(bar->matchCount(), 20000);
    bar->previous(); // the last one
    const qint64 last = decoded.lastIndexOf(u"coração, agulha"_s);
    EXPECT_EQ(view->selectionStart(), last);
    EXPECT_EQ(view->selectedText(), u"coração, agulha"_s);
    QAccessibleTextInterface* a11y = QAccessible::queryAccessibleInterface(view)->textInterface();
    EXPECT_EQ(a11y->characterCount(), decoded.size());
    EXPECT_EQ(a11y->text(int(last), int(last) + 7), u"coração"_s);
    // Its value is the beginning of the text; the whole is read through the text interface.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Value),
              decoded.left(1 << 20));
    const QPoint at = view->pointOf(last);
    ASSERT_GE(at.x(), 0);
    EXPECT_EQ(view->offsetAt(at + QPoint(1, 1)), last);

    // A copy of a selection of megabytes, from inside the accents, gives the clipboard its
    // exact text, and other programs its UTF-8.
    view->select(5, decoded.size() - 9);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QString selected = decoded.mid(5, decoded.size() - 9);
    EXPECT_EQ(QApplication::clipboard()->text(), selected);
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(u"text/plain"_s), selected.toUtf8());
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasText());
}

// A formatted view of many lines is wrapped into rows off the UI thread: once shown, its end is
// reached and read where it is drawn, and at a new width it is wrapped again with the same text
// in sight.
TEST_F(ExchangeControlTest, FormattedViewOfManyLinesIsWrappedAndKeptInSight) {
    std::string big = R"({"result":{"conteudo":{"livre":[)";
    for (int i = 0; i < 30000; ++i)
        big += R"({"Numero":)" + std::to_string(i) + R"(,"Descricao":"Item n\u00FAmero )" +
               std::to_string(i) + R"("},)";
    big += R"({"Numero":-1,"Descricao":")" + std::string(300, 'z') + R"("}]}}})";
    answerSobre(big);
    TextPane* response = pane(u"mm_Response"_s);
    LargeTextView* view = response->view();
    showFormatted(response);
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->isIndexed(); }, 10000));
    ASSERT_GT(view->lineCount(), 120000);
    const QString shown = view->text();
    view->scrollToEnd();
    const qint64 lastLong = shown.lastIndexOf(u"zzz"_s) - 297;
    ASSERT_GT(lastLong, 0);
    EXPECT_GT(view->firstVisibleOffset(), lastLong - 2000);
    view->scrollToOffset(lastLong + 1);
    const QPoint at = view->pointOf(lastLong + 1);
    ASSERT_GE(at.x(), 0);
    EXPECT_EQ(view->offsetAt(at + QPoint(1, 1)), lastLong + 1);

    // Narrower: every row of the long line fits the view once wrapped again, and the line is
    // still in sight.
    view->scrollToOffset(lastLong);
    response->resize(response->width() / 2, response->height());
    const auto fits = [&] {
        bool seen = false;
        for (qint64 o = lastLong; o < lastLong + 300; ++o) {
            const QPoint p = view->pointOf(o);
            if (p.x() >= view->viewport()->width())
                return false;
            seen = seen || p.x() >= 0;
        }
        return seen;
    };
    EXPECT_TRUE(QTest::qWaitFor(fits, 10000));
    EXPECT_GE(view->pointOf(lastLong).x(), 0);
    EXPECT_EQ(view->offsetAt(view->pointOf(lastLong + 2) + QPoint(1, 1)), lastLong + 2);
}

// The next answer replaces a large one while it is being formatted and after it was copied: the
// pane shows only the new one, its formatted view is the new one's, and the clipboard still
// gives what was copied until something else is.
TEST_F(ExchangeControlTest, NextAnswerReplacesALargeOneBeingFormattedAndCopied) {
    std::string first = R"({"result":{"conteudo":[)";
    for (int i = 0; i < 40000; ++i)
        first += R"({"Numero":)" + std::to_string(i) + "},";
    first += "{}]}}";
    TextPane* response = pane(u"mm_Response"_s);
    LargeTextView* view = response->view();
    response->setUtf8(QByteArray::fromStdString(first));
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->isIndexed(); }, 10000));
    view->selectAll();
    view->copy();
    response->findChild<QToolButton*>(u"mm_Response_formatado"_s)->click();
    ASSERT_TRUE(response->isFormatting());

    const QByteArray next = R"({"result":{"conteudo":{"Numero":7}}})";
    response->setUtf8(next);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !response->isFormatting() && view->isIndexed(); }, 10000));
    // The first answer's formatting, still running, ends unseen.
    QThreadPool::globalInstance()->waitForDone(10000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->isIndexed());
    EXPECT_EQ(response->utf8(), next);
    EXPECT_TRUE(view->text().contains(u"\"Numero\": 7"_s)) << view->text().toStdString();
    EXPECT_FALSE(view->text().contains(u"39999"_s));
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(u"text/plain"_s),
              QByteArray::fromStdString(first));

    view->selectAll();
    view->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), view->text());
}

// A batch run cancelled during its first row ends there, the other rows unsent; after a whole
// run, selecting a row shows its request and answer in the panes.
TEST_F(ExchangeControlTest, BatchRunIsCancelledMidRowAndRowsShowInThePanes) {
    HeldService held(sim, "TCTeAPI/InutilizaCTe", sim::resultEnvelope(false, "0", u"ok"_s));
    MemTable& faixas = dm->table(u"vt_InutilizaCTe"_s);
    window->selectPage(u"ts_InutilizaCTe"_s);
    find<QRadioButton>(u"rg_InutilizaCTeTipo_1"_s)->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        faixas.append();
        faixas.setValue(u"NumeroInicial"_s, 10 * i + 1);
        faixas.setValue(u"NumeroFinal"_s, 10 * i + 5);
        faixas.post();
    }
    setText(u"ed_Id"_s, u"1"_s);
    recorded->confirmAnswers.push_back(true);
    QTimer::singleShot(200, [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    click(u"bt_TestarInutilizaCTe"_s);
    expectMessage(u"Requisição cancelada pelo usuário."_s);
    EXPECT_EQ(held.arrived(), 1);
    const char* outcomes[] = {"ERRO", "", ""};
    for (int i = 0; i < 3; ++i) {
        faixas.moveTo(i);
        EXPECT_EQ(faixas.asString(u"Situacao"_s), QString::fromLatin1(outcomes[i])) << i;
    }
    faixas.moveTo(0);
    EXPECT_EQ(faixas.asString(u"Response"_s), u"Requisição cancelada pelo usuário."_s);

    held.release();
    recorded->confirmAnswers.push_back(true);
    click(u"bt_TestarInutilizaCTe"_s);
    EXPECT_EQ(held.arrived(), 4);
    auto* grid = find<DbGrid>(u"dbg_InutilizaCTe"_s);
    // The user moves to the row's outcome (its last column).
    grid->setCurrentIndex(grid->model()->index(1, grid->model()->columnCount() - 1));
    EXPECT_EQ(faixas.recNo(), 1) << grid->currentIndex().row();
    EXPECT_EQ(faixas.asString(u"Situacao"_s), u"OK"_s);
    EXPECT_EQ(paneText(u"mm_Request"_s), faixas.asString(u"Request"_s));
    EXPECT_EQ(paneText(u"mm_Response"_s), faixas.asString(u"Response"_s));
    EXPECT_TRUE(paneText(u"mm_Request"_s).contains(u"\"NumeroInicial\":11"_s));
}

// Numbers keep their text whatever their size; strings show their characters and escape only
// what would break the view; a number-like text inside a string is left alone.
TEST(JsonPretty, KeepsNumbersAndShowsCharacters) {
    const std::string digits400(400, '9');
    struct Case {
        std::string json;
        QString shown;
    };
    const std::vector<Case> cases = {
        {R"([1E+400,-1.5e-400,)" + digits400 + "]",
         u"[\n  1E+400,\n  -1.5e-400,\n  "_s + QString::fromStdString(digits400) + u"\n]"_s},
        {R"({"s":"1e999 \"q\" \\ \n\t\u0001 \uD83D\uDE00 \/"})", uR"({
  "s": "1e999 \"q\" \\ \n\t\u0001 😀 /"
})"_s},
        {R"({"a":[],"b":{},"c":[{}]})",
         u"{\n  \"a\": [],\n  \"b\": {},\n  \"c\": [\n    {}\n  ]\n}"_s},
        {"  0.5e600 ", u"0.5e600"_s},
    };
    for (const Case& c : cases) {
        const auto f = jsonpretty::format(QString::fromStdString(c.json));
        EXPECT_TRUE(f.isJson) << c.json << ": " << f.error.toStdString();
        EXPECT_EQ(f.text, c.shown) << c.json;
    }
    for (const char* bad : {"{\"a\":1,}", "[1e400", "abc", ""})
        EXPECT_FALSE(jsonpretty::format(QString::fromLatin1(bad)).isJson) << bad;
}
