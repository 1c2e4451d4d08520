#include "cli.h"
#include "common/companykeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace {

// The heap grows in steps of 32 MiB, the first of them in huge pages where the system gives them
// when asked: a short run that builds a scenario's values or a large text otherwise spends more
// on page faults (one for every 4 KiB touched) than on its work.
void heapInLargeSteps() {
#if defined(__GLIBC__)
    constexpr std::size_t kStep = std::size_t(32) << 20;
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    mallopt(M_TOP_PAD, int(kStep));
    mallopt(M_TRIM_THRESHOLD, int(2 * kStep));
    // A block of a whole step taken from the heap, not mapped apart: its pages are the ones
    // asked for, and freed it stays with the heap for what comes next.
    mallopt(M_MMAP_THRESHOLD, int(2 * kStep));
    void* const block = std::malloc(kStep);
    if (block) {
        const auto begin = reinterpret_cast<std::uintptr_t>(block);
        const std::uintptr_t from = (begin + kHuge - 1) & ~(kHuge - 1);
        const std::uintptr_t to = (begin + kStep) & ~(kHuge - 1);
        if (to > from)
            ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
    std::free(block);
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace

int main(int argc, char** argv) {
    heapInLargeSteps();
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
