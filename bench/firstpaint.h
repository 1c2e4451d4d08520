#pragma once

// Shared by the start-up probes: quits once the window has really painted, and reports the
// process's memory then.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

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
// any widget in it), and prints "rss <KiB>" when asked.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(bool printRss) : m_printRss(printRss) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done && watched->isWidgetType()) {
            m_done = true;
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
