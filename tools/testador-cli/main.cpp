#include "cli.h"
#include "common/companykeys.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        CompanyKeys::loadBesideExecutable(QCoreApplication::applicationDirPath());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "testador-cli: %s\n", e.what());
        return 2;
    }
    CliIo io;
    io.readStdin = [] {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return QByteArray();
        return in.readAll();
    };
    io.out = [](const QByteArray& b) {
        std::fwrite(b.constData(), 1, std::size_t(b.size()), stdout);
    };
    io.err = [](const QByteArray& b) {
        std::fwrite(b.constData(), 1, std::size_t(b.size()), stderr);
    };
    io.outIsTerminal = ::isatty(STDOUT_FILENO) == 1;
    io.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    io.inIsTerminal = ::isatty(STDIN_FILENO) == 1;
    QStringList args = app.arguments();
    args.removeFirst();
    return runCli(args, io);
}
