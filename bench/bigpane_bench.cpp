// The response pane with 100 MB answers: how long the UI thread is held by showing the text,
// scrolling to its end, copying it, searching it and formatting it (the longest gap between
// two ticks of a 1 ms timer on the UI thread while each runs), and how long the work off the UI
// thread takes.
#include "stallwatch.h"
#include "widgets/findbar.h"
#include "widgets/largetextview.h"
#include "widgets/textpane.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Times every event handed out on the UI thread (outermost deliveries only) and keeps the
// slowest since the last reset, so that a long stall says what ran in it.
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        QElapsedTimer took;
        took.start();
        const bool handled = QApplication::notify(receiver, event);
        --m_depth;
        if (took.elapsed() > m_slowestMs) {
            m_slowestMs = took.elapsed();
            m_slowest = QStringLiteral("%1 to %2")
                            .arg(int(event->type()))
                            .arg(QLatin1String(receiver->metaObject()->className()));
        }
        return handled;
    }
    void resetSlowest() {
        m_slowestMs = -1;
        m_slowest.clear();
    }
    QString slowest() const {
        return m_slowestMs < 0 ? QStringLiteral("none")
                               : QStringLiteral("event %1, %2 ms").arg(m_slowest).arg(m_slowestMs);
    }

private:
    int m_depth = 0;
    qint64 m_slowestMs = -1;
    QString m_slowest;
};

TimingApplication* timing() {
    return static_cast<TimingApplication*>(qApp);
}

// Runs the step, then lets the event loop run until done() holds and once more (the paint that
// follows). The stall is the longest gap between the ticks of a 1 ms timer on the UI thread, as
// an input event or a repaint would wait for it; the step itself counts in the first gap.
void measure(
    const char* what, const std::function<void()>& step,
    const std::function<bool()>& done = [] { return true; }) {
    timing()->resetSlowest();
    QEventLoop loop;
    bool finishing = false;
    bench::StallWatch watch([&] {
        if (finishing)
            loop.quit();
        else
            finishing = done();
    });
    watch.start();
    step();
    loop.exec();
    const qint64 took = watch.stop();
    std::printf("  %-34s longest UI stall %5lld ms (%4lld ms on a processor), done in %6lld ms; "
                "slowest event delivered: %s\n",
                what, qint64(watch.longestMs()), qint64(watch.longestCpuMs()), took / 1000000,
                qPrintable(timing()->slowest()));
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
    // The next answer: what was kept of this one (the bytes, both views) is let go.
    measure(
        "the next answer replaces it",
        [&] { pane.setUtf8(QByteArrayLiteral(R"({"result":{"controle":{"err":false}}})")); },
        [&] { return view->isIndexed(); });
}

} // namespace

int main(int argc, char** argv) {
    TimingApplication app(argc, argv);
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
