#include "cli.h"
#include "common/companykeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
    int outError = 0; // the first error writing the output
    io.out = [&outError](const QByteArray& b) {
        if (std::fwrite(b.constData(), 1, std::size_t(b.size()), stdout) != std::size_t(b.size()) &&
            outError == 0)
            outError = errno;
    };
    io.flush = [] { std::fflush(stdout); };
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
    const int code = runCli(args, io);
    // Output that did not reach its destination (a full disk, a closed pipe) is a failure, not a
    // success: the caller would otherwise take a cut or empty file for the answer.
    if (std::fflush(stdout) != 0 && outError == 0)
        outError = errno;
    if (outError != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "testador-cli: não foi possível escrever a saída: %s\n",
                     std::strerror(outError != 0 ? outError : EIO));
        return code == 0 ? 2 : code;
    }
    return code;
}
