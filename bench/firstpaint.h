#pragma once

// Shared by the start-up probes: quits once the window has really painted, and reports the
// process's memory then.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
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

// Quits the application after the first paint event the window receives (the window itself or
// any widget in it), printing "paint <monotonic ms>" at that paint, and "rss <KiB>" when asked.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(bool printRss) : m_printRss(printRss) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done && watched->isWidgetType()) {
            m_done = true;
            // The moment of the paint on the system's monotonic clock, which the caller reads
            // too: the start-up is measured from its spawn to here, without the teardown.
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("paint %.3f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6);
            QTimer::singleShot(0, qApp, [this] {
                if (m_printRss)
                    std::printf("rss %ld\n", procStatusKb("VmRSS:"));
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_printRss;
    bool m_done = false;
};

} // namespace bench
