// The one way files are written: whole or not at all, on a full disk too, and never a rename
// over a device, a FIFO or a link.
#include "../fulldisk.h"
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/filesave.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(não lido)");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace

TEST(FileSave, OnAFullDiskTheOldFileStaysWholeAndTheFailureIsReported) {
    // A small text fails only when the buffer is flushed, a large one at its first write: both
    // are found before anything is renamed.
    const struct {
        const char* name;
        qsizetype oldSize;
        qsizetype newSize;
    } cases[] = {{"1 KB over a small text", 1000, 1500},
                 {"10 KB over a small text", 10000, 3000},
                 {"10 KB over 1 MiB", 10000, 1 << 20}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cenario.json"_s);
        const QByteArray old(c.oldSize, 'o');
        const int result = testing_support::onFullDisk(
            dir.path(), 64 * 1024, [&] { put(path, old); },
            [&] {
                try {
                    writeFileWhole(path, QByteArray(c.newSize, 'n'));
                    return 1; // reported as saved
                } catch (const EDiskFull& e) {
                    if (!e.message().contains(path))
                        return 3;
                } catch (const std::exception&) {
                    return 4;
                }
                return contentOf(path) == old ? 0 : 2;
            });
        if (result == testing_support::kNoFullDisk)
            GTEST_SKIP() << "sem como montar um sistema de arquivos pequeno aqui";
        EXPECT_EQ(result, 0) << c.name
                             << " (1: dito gravado, 2: arquivo antigo perdido, 3: "
                                "mensagem sem o arquivo, 4: outro erro)";
    }
}

TEST(FileSave, DevicesAndFifosAreWrittenInPlaceAndLinksThrough) {
    QTemporaryDir dir;
    // A FIFO: its reader gets the bytes and it is still a FIFO afterwards.
    const QString fifo = dir.filePath(u"relatorio.fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray read;
    std::thread reader([&] {
        QFile f(fifo);
        if (f.open(QIODevice::ReadOnly))
            read = f.readAll();
    });
    writeFileWhole(fifo, "<testsuites/>");
    reader.join();
    EXPECT_EQ(read, "<testsuites/>");
    EXPECT_TRUE(isSpecialFile(fifo));

    // A link to a file: the file it names gets the bytes and the link stays a link.
    const QString target = dir.filePath(u"alvo.json"_s);
    const QString link = dir.filePath(u"atalho.json"_s);
    put(target, "velho");
    ASSERT_TRUE(QFile::link(target, link));
    writeFileWhole(link, "novo");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), "novo");

    // A save given up puts nothing in place.
    {
        FileSave save(target);
        save.write("meio");
    }
    EXPECT_EQ(contentOf(target), "novo");
}
