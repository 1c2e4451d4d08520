// ZIP extraction: any archive is extracted within its limits or refused with an error, and
// nothing is written outside the destination folder.
#include "common/exception.h"
#include "common/filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir work;
    const QDir root(work.path());
    const QString archive = root.filePath(QStringLiteral("entrada.zip"));
    const QString destination = root.filePath(QStringLiteral("destino/pasta"));
    {
        QFile f(archive);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // Relative paths land in the working folder: during the extraction it is the root, so
    // that an escape through one is seen below.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());
    try {
        // Small limits: an input that reaches them is refused after little work, so that the
        // target runs many inputs in its time.
        DescompactFile(archive, destination,
                       ZipLimits{.maxEntries = 64, .maxTotalBytes = 256 * 1024});
    } catch (const Exception&) {
    }
    QDir::setCurrent(previous);
    // Only the archive and the destination's own folder may exist beside each other.
    const QStringList top = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList middle =
        QDir(root.filePath(QStringLiteral("destino")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (top.size() > 2 || middle.size() > 1 ||
        (!middle.isEmpty() && middle[0] != QLatin1String("pasta")))
        std::abort(); // something was written outside the destination
    QDir(root.filePath(QStringLiteral("destino"))).removeRecursively();
    return 0;
}
