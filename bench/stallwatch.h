#pragma once

// The longest stall of the UI thread while something runs: the longest gap between the ticks
// of a 1 ms timer on it, as an input event or a repaint would wait, and the time the thread
// ran on a processor during that gap (much less than the gap: the thread waited for a
// processor or a lock, it was not working).
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <ctime>

#include <functional>
#include <utility>

namespace bench {

class StallWatch {
public:
    // onTick runs at every tick (to end a wait, say).
    explicit StallWatch(std::function<void()> onTick = {}) : m_onTick(std::move(onTick)) {
        m_ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] {
            tick();
            if (m_onTick)
                m_onTick();
        });
    }
    void start() {
        m_longest = m_longestCpu = m_lastTick = 0;
        m_lastCpu = threadCpuNs();
        m_clock.start();
        m_ticks.start(1);
    }
    // The time since start().
    qint64 stop() {
        tick();
        m_ticks.stop();
        return m_lastTick;
    }
    double longestMs() const { return double(m_longest) / 1e6; }
    double longestCpuMs() const { return double(m_longestCpu) / 1e6; }

private:
    static qint64 threadCpuNs() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    void tick() {
        const qint64 now = m_clock.nsecsElapsed();
        const qint64 cpu = threadCpuNs();
        if (now - m_lastTick > m_longest) {
            m_longest = now - m_lastTick;
            m_longestCpu = cpu - m_lastCpu;
        }
        m_lastTick = now;
        m_lastCpu = cpu;
    }

    std::function<void()> m_onTick;
    QTimer m_ticks;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_lastCpu = 0;
    qint64 m_longest = 0;
    qint64 m_longestCpu = 0;
};

} // namespace bench
