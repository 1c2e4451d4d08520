#pragma once

// Shared by the start-up probes: quits once the window has painted for the first time, and
// reports the moment and the process's memory then (and, when asked, after every tab was shown).
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

// Resident and peak memory of this process, in KiB, from /proc.
inline long procStatusKb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// The resident memory of this process, in KiB, without the clean pages of files it maps (the
// code of its libraries, read from disk; the system drops them when it needs memory and reads
// them again when touched): what the process holds of its own.
inline long dirtyResidentKb() {
    QFile f(QStringLiteral("/proc/self/smaps_rollup"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    long rss = 0;
    long clean = 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const auto value = [&] {
            return line.split(':').value(1).trimmed().split(' ').first().toLong();
        };
        if (line.startsWith("Rss:"))
            rss = value();
        else if (line.startsWith("Shared_Clean:") || line.startsWith("Private_Clean:"))
            clean += value();
    }
    return rss - clean;
}

inline double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Shows every page of a tab set, and every tab set found in each page once it is shown (the
// window may build a page's contents when it is first shown), each once.
inline void showEveryTab(QTabWidget* tabs, QSet<QTabWidget*>& seen) {
    if (seen.contains(tabs))
        return;
    seen.insert(tabs);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        if (QWidget* page = tabs->widget(i))
            for (QTabWidget* inner : page->findChildren<QTabWidget*>())
                showEveryTab(inner, seen);
    }
}

// After the first paint event of any widget has been handled (the next turn of the event
// loop), prints "paint <monotonic ms>" and "rss <KiB>"; with QUORVA_PROBE=tabs, then shows
// every tab of every window and prints "tabs_rss <KiB>"; then quits.
class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done && watched->isWidgetType()) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("paint %.3f\n", monotonicMs());
                std::printf("rss %ld\n", procStatusKb("VmRSS:"));
                const char* probe = std::getenv("QUORVA_PROBE");
                if (probe && std::strcmp(probe, "tabs") == 0) {
                    QSet<QTabWidget*> seen;
                    for (QWidget* top : QApplication::topLevelWidgets())
                        if (top->isVisible())
                            for (QTabWidget* tabs : top->findChildren<QTabWidget*>())
                                if (tabs->isVisible())
                                    showEveryTab(tabs, seen);
                    std::printf("tabs_rss %ld\n", procStatusKb("VmRSS:"));
                }
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace bench
