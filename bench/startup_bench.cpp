// Whole-process start-up to the window shown: the main window beside an empty Qt window.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double medianMs(const QString& probe, const QString& mode, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(probe, {mode});
        p.waitForFinished(30000);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString probe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_probe");
    const int runs = 15;
    medianMs(probe, QStringLiteral("window"), 2); // warm the file cache
    const double empty = medianMs(probe, QStringLiteral("empty"), runs);
    const double window = medianMs(probe, QStringLiteral("window"), runs);
    std::printf("start-up to window shown, median of %d (QT_QPA_PLATFORM=%s):\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  empty Qt window: %7.1f ms\n  main window:     %7.1f ms  ratio %.2f\n", empty,
                window, window / empty);
    return 0;
}
