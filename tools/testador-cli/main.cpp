#include "cli.h"
#include "common/companykeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <algorithm>
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
    io.readStdin = [](qint64 maxBytes) {
        QFile in;
        QByteArray bytes;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return bytes;
        constexpr qint64 kChunk = 1 << 20;
        while (bytes.size() < maxBytes) {
            const QByteArray chunk = in.read(std::min(kChunk, maxBytes - bytes.size()));
            if (chunk.isEmpty())
                break;
            bytes += chunk;
        }
        return bytes;
    };
    io.out = [](const QByteArray& b) {
        std::fwrite(b.constData(), 1, std::size_t(b.size()), stdout);
    };
    io.err = [](const QByteArray& b) {
        std::fwrite(b.constData(), 1, std::size_t(b.size()), stderr);
    };
    io.outIsTerminal = ::isatty(STDOUT_FILENO) == 1;
    io.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    // The window's own settings file and keyring.
    io.environment = [](const QString& name) {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorva"),
                           QStringLiteral("TestadorQuorvaMiddlewareService"));
        Environments environments(settings, systemKeyring());
        return environments.get(name);
    };
    io.inIsTerminal = ::isatty(STDIN_FILENO) == 1;
    QStringList args = app.arguments();
    args.removeFirst();
    return runCli(args, io);
}
