// The response pane with 100 MB answers: how long the UI thread is held by showing the text,
// scrolling to its end, copying it, searching it and formatting it (the longest gap between
// two turns of the event loop while each runs), and how long the work off the UI thread takes.
#include "widgets/findbar.h"
#include "widgets/largetextview.h"
#include "widgets/textpane.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Runs the step, then turns the event loop until done() holds; reports the longest time the
// UI thread went without turning and the whole time taken.
// The time the UI thread has run on a processor, which the longest stall is compared with: a
// stall much longer than the work done in it is the thread waiting for a processor (a loaded
// machine) or for a lock, not work.
qint64 threadCpuUs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

void measure(
    const char* what, const std::function<void()>& step,
    const std::function<bool()>& done = [] { return true; }) {
    QElapsedTimer total;
    QElapsedTimer sinceTurn;
    qint64 longest = 0;
    qint64 longestCpu = 0;
    total.start();
    sinceTurn.start();
    qint64 cpu = threadCpuUs();
    const auto turned = [&] {
        const qint64 now = threadCpuUs();
        if (sinceTurn.nsecsElapsed() / 1000000 >= longest) {
            longest = sinceTurn.nsecsElapsed() / 1000000;
            longestCpu = (now - cpu) / 1000;
        }
        cpu = now;
    };
    step();
    turned();
    while (!done()) {
        sinceTurn.restart();
        cpu = threadCpuUs();
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        turned();
    }
    sinceTurn.restart();
    cpu = threadCpuUs();
    QApplication::processEvents(); // the paint that follows
    turned();
    std::printf("  %-34s longest UI stall %5lld ms (%4lld ms on a processor), done in %6lld ms\n",
                what, longest, longestCpu, total.elapsed());
}

// The answer is given as the bytes received, as the window gives it.
void run(const char* title, const QString& text, const QString& query) {
    std::printf("%s (%lld characters)\n", title, static_cast<long long>(text.size()));
    const QByteArray received = text.toUtf8();
    TextPane pane(QStringLiteral("mm_Response"));
    pane.resize(800, 400);
    pane.show();
    QApplication::processEvents();
    LargeTextView* view = pane.view();
    measure(
        "show", [&] { pane.setUtf8(received); }, [&] { return view->isIndexed(); });
    measure("scroll to the end", [&] { view->scrollToEnd(); });
    measure("select all and copy", [&] {
        view->selectAll();
        view->copy();
    });
    FindBar* bar = pane.findBar();
    bar->open();
    measure(
        "search", [&] { bar->setQuery(query); }, [&] { return !bar->isSearching(); });
    std::printf("  %-34s %lld\n", "matches", static_cast<long long>(bar->matchCount()));
    measure("next match", [&] { bar->next(); });
    bar->close();
    measure(
        "formatted view", [&] { pane.setMode(TextPane::Mode::Formatted); },
        [&] { return !pane.isFormatting() && view->isIndexed(); });
    measure("scroll formatted to the end", [&] { view->scrollToEnd(); });
    measure(
        "back to the exact view", [&] { pane.setMode(TextPane::Mode::Exact); },
        [&] { return view->isIndexed(); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr qsizetype kSize = 100 * 1024 * 1024;

    // A file answer: one line, a base64 member of 100 MB.
    QString file =
        QStringLiteral(R"({"result":{"controle":{"err":false,"msg":""},"conteudo":{"str":")");
    file += QString(kSize, u'Q');
    file += QStringLiteral(R"("}}})");
    run("one-line file answer", file, QStringLiteral("conteudo"));

    // A list answer: 100 MB of small records.
    QString list = QStringLiteral(R"({"result":{"conteudo":{"livre":[)");
    list.reserve(kSize + 200);
    for (int i = 0; list.size() < kSize; ++i)
        list += QStringLiteral(R"({"Numero":%1,"Valor":12.50,"Descricao":"Item n\u00FAmero %1"},)")
                    .arg(i);
    list += QStringLiteral(R"({}]}}})");
    run("list answer", list, QStringLiteral("mero 77"));
    return 0;
}
