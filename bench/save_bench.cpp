// A base64 file answer saved through the real window, from the click to the file on disk:
// its wall time, the longest stall of the UI thread meanwhile (the longest gap between the
// ticks of a 1 ms timer on it) and the peak memory of the window's process. The answer is
// served by a stand-in middleware in a child process, so that the window's process holds only
// what the window holds. Usage: bench_save MB. Prints "save_ms stall_ms peak_kb idle_kb body".
// "bench_save MB FILE" writes the answer's body to the file instead.
#include "app/tfrmprincipal.h"
#include "firstpaint.h"
#include "simserver.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string fileRecordAnswer(qsizetype bytes) {
    QByteArray data(bytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes; ++i)
        data[i] = char((i * 7919) >> 3);
    const QByteArray base64 = data.toBase64();
    std::string body =
        R"({"result":{"controle":{"err":false,"cod":"","msg":""},"conteudo":{"livre":{"Nome":"grande.bin","Base64":")";
    body.reserve(std::size_t(base64.size()) * 17 / 16 + body.size() + 8);
    for (const char c : base64) {
        if (c == '/')
            body += '\\'; // as the middleware writes it
        body += c;
    }
    return body + R"("}}}})";
}

// Serves the answer to the window's request, in a child process; returns its port.
int serveInChild(qsizetype bytes, pid_t& child) {
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(2);
    child = fork();
    if (child == 0) {
        close(fds[0]);
        prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlives the measurement
        sim::MiddlewareSim sim;
        const int port = sim.start();
        sim::Answer answer;
        answer.body = fileRecordAnswer(bytes);
        sim.enqueue("TCommerceAPI/ArquivoRemessaCNAB", std::move(answer));
        if (write(fds[1], &port, sizeof port) != sizeof port)
            std::_Exit(2);
        pause();
        std::_Exit(0);
    }
    close(fds[1]);
    int port = 0;
    if (read(fds[0], &port, sizeof port) != sizeof port)
        std::exit(2);
    close(fds[0]);
    return port;
}

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

} // namespace

int main(int argc, char** argv) {
    const qsizetype mb = argc > 1 ? std::atoi(argv[1]) : 50;
    const qsizetype bytes = mb * 1024 * 1024 / 4 * 3; // its base64 is mb MiB
    if (argc > 2) {
        // "bench_save MB FILE": only writes the answer's body, for the reference.
        QFile out(QString::fromLocal8Bit(argv[2]));
        const std::string body = fileRecordAnswer(bytes);
        return out.open(QIODevice::WriteOnly) &&
                       out.write(body.data(), qint64(body.size())) == qint64(body.size())
                   ? 0
                   : 1;
    }
    pid_t child = 0;
    const int port = serveInChild(bytes, child);

    QApplication app(argc, argv);
    const QTemporaryDir work;
    QDir::setCurrent(work.path());
    setDialogs(std::make_unique<PrintingDialogs>());
    TdmPrincipal dm;
    TfrmPrincipal window(dm);
    window.show();
    static_cast<QLineEdit*>(window.findControl(QStringLiteral("ed_EnderecoWS")))
        ->setText(QStringLiteral("http://127.0.0.1:%1/datasnap/rest/").arg(port));
    auto* button =
        qobject_cast<QPushButton*>(window.findControl(QStringLiteral("bt_ArquivoRemessaCNAB")));
    if (!button) {
        kill(child, SIGTERM);
        return 1;
    }
    for (QWidget* w = button; w; w = w->parentWidget())
        if (window.selectPage(w->objectName()))
            break;
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents();
    const long idleKb = bench::procStatusKb("VmRSS:");

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer watchdog;
    watchdog.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    clock.start();
    watchdog.start(1);
    button->click(); // returns once the answer is read and the file written
    const qint64 total = clock.nsecsElapsed();
    longestGap = std::max(longestGap, total - lastTick);
    watchdog.stop();

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    const qint64 saved = QFileInfo(QStringLiteral("Arquivos/grande.bin")).size();
    if (saved != bytes) {
        std::fprintf(stderr, "bench_save: saved %lld bytes, expected %lld\n", saved, qint64(bytes));
        return 1;
    }
    std::printf("%.1f %.1f %ld %ld %lld\n", double(total) / 1e6, double(longestGap) / 1e6,
                bench::procStatusKb("VmHWM:"), idleKb, qint64(mb) * 1024 * 1024);
    return 0;
}
