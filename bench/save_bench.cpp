// A base64 file answer saved through the real window, from the click to the file complete on
// disk. The answer comes from a server in another process (the one the reference reads too),
// so that this process holds only what the window holds. Prints
// "save_ms stall_ms peak_kb idle_kb held_kb stall_cpu_ms idle_dirty_kb held_dirty_kb": the wall
// time, the longest stall of the UI thread meanwhile (the longest gap between the ticks of a
// 1 ms timer on it), the peak memory of the process, its memory before the click and 5 s after
// the file was complete, the time the UI thread ran on a processor during that longest stall
// (much less than the stall: the thread waited for a processor or a lock, it was not working),
// and the memory before and after without the clean pages of the libraries it maps.
// Usage: bench_save BASE_URL FOLDER (the file is saved under FOLDER/Arquivos).
#include "app/tfrmprincipal.h"
#include "firstpaint.h"
#include "stallwatch.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PrintingDialogs : public Dialogs {
public:
    void message(const QString& text, Kind) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text.left(300)));
    }
    bool confirm(const QString&) override { return true; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString folder(const QString&, const QString&) override { return {}; }
};

// Lets the window run for a while, without spinning.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    QApplication app(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    setDialogs(std::make_unique<PrintingDialogs>());
    TdmPrincipal dm;
    TfrmPrincipal window(dm);
    window.show();
    static_cast<QLineEdit*>(window.findControl(QStringLiteral("ed_EnderecoWS")))
        ->setText(QString::fromLocal8Bit(argv[1]));
    auto* button =
        qobject_cast<QPushButton*>(window.findControl(QStringLiteral("bt_ArquivoRemessaCNAB")));
    if (!button)
        return 1;
    for (QWidget* w = button; w; w = w->parentWidget())
        if (window.selectPage(w->objectName()))
            break;
    settle(300);
    const long idleKb = bench::procStatusKb("VmRSS:");
    const long idleDirtyKb = bench::dirtyResidentKb();

    bench::StallWatch watch;
    watch.start();
    button->click(); // returns once the answer is read and the file written
    const qint64 total = watch.stop();
    const long peakKb = bench::procStatusKb("VmHWM:");
    settle(5000);
    std::printf("%.1f %.1f %ld %ld %ld %.1f %ld %ld\n", double(total) / 1e6, watch.longestMs(),
                peakKb, idleKb, bench::procStatusKb("VmRSS:"), watch.longestCpuMs(), idleDirtyKb,
                bench::dirtyResidentKb());
    return 0;
}
