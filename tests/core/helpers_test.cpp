#include "common/charfilter.h"
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/protection.h"
#include "common/tfuncoeswindows.h"
#include "common/tjsonutil.h"
#include "common/tsobrecommerce.h"
#include "contracts/tarquivo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <zip.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString writeFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QStringList entriesOf(const QDir& dir) {
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// An archive whose entries have the given names, written with libzip directly.
void writeArchive(const QString& path, const QStringList& names) {
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const QString& name : names) {
        static const char data[] = "conteúdo";
        zip_source_t* s = zip_source_buffer(z, data, sizeof data - 1, 0);
        ASSERT_GE(zip_file_add(z, name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8), 0)
            << name.toStdString();
    }
    ASSERT_EQ(zip_close(z), 0);
}

// Points the process's temporary folder at a private, empty one for the test's length.
class PrivateTempFolder {
public:
    PrivateTempFolder() : m_had(qEnvironmentVariableIsSet("TMPDIR")), m_old(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(m_root.path()));
    }
    ~PrivateTempFolder() {
        if (m_had)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    QString path() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(FileHelpers, FileToStrJoinsLinesWithTheSeparatorRemoved) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const struct {
        QByteArray bytes;
        const char* separator;
        const char* expected;
    } cases[] = {
        {"a\r\nb\r\n", "|", "|a|b"},
        {"a\nb", "|", "|a|b"},
        {"x|y\r\n\r\nz", "|", "|xy||z"},
        {"<a>\\n</a>\r\n\\nfim", "\\n", "\\n<a></a>\\nfim"},
        // The code page, one character per byte: a mark and UTF-8 letters travel as bytes.
        {"\xEF\xBB\xBF"
         "ação\r\n",
         "\\n", "\\nï»¿aÃ§Ã£o"},
        {"a\xE7\xE3o\r\n", "\\n", "\\nação"},
        {"ação", "\\n", "\\naÃ§Ã£o"},
        {"", "|", ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = writeFile(dir, QStringLiteral("f%1.txt").arg(n++), c.bytes);
        EXPECT_EQ(FileToStr(path, QString::fromUtf8(c.separator)), QString::fromUtf8(c.expected))
            << c.expected;
    }
    EXPECT_THROW(FileToStr(dir.filePath(QStringLiteral("missing.txt")), QStringLiteral("|")),
                 EFileError);
}

// Three readings of the same bytes: the CLI's own input (mark, else UTF-8 when valid, else the
// code page), a file read by its mark (else the code page) and a file read in the code page.
TEST(FileHelpers, TextFilesAreReadByMarkByCodePageOrAsTheCliInput) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const QString text = QString::fromUtf8("ação €\r\nfim");
    const QByteArray utf8 = text.toUtf8();
    const QByteArray le = QStringEncoder(QStringEncoder::Utf16LE)(text);
    const QByteArray be = QStringEncoder(QStringEncoder::Utf16BE)(text);
    const auto cp = [](const QByteArray& b) { return fromCp1252(b); };
    const struct {
        const char* name;
        QByteArray bytes;
        QString cli, marked, codePage;
    } cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF" + utf8, text, text, cp("\xEF\xBB\xBF" + utf8)},
        {"UTF-16 LE mark", "\xFF\xFE" + le, text, text, cp("\xFF\xFE" + le)},
        {"UTF-16 BE mark", "\xFE\xFF" + be, text, text, cp("\xFE\xFF" + be)},
        {"UTF-8 without mark", utf8, text, QString::fromUtf8("aÃ§Ã£o â‚¬\r\nfim"),
         QString::fromUtf8("aÃ§Ã£o â‚¬\r\nfim")},
        {"code page", "a\xE7\xE3o \x80\r\nfim", text, text, text},
        // One byte that is not UTF-8 puts the whole file in the code page.
        {"UTF-8 and a code-page byte", "a\xC3\xA7\xE3o", QString::fromUtf8("aÃ§ão"),
         QString::fromUtf8("aÃ§ão"), QString::fromUtf8("aÃ§ão")},
        // The five bytes the code page leaves undefined keep their own values.
        {"undefined bytes", "\x81\x8D\x8F\x90\x9D",
         QStringLiteral("\u0081\u008D\u008F\u0090\u009D"),
         QStringLiteral("\u0081\u008D\u008F\u0090\u009D"),
         QStringLiteral("\u0081\u008D\u008F\u0090\u009D")},
        {"mark only", "\xFF\xFE", QString(), QString(), QString::fromUtf8("ÿþ")},
        {"empty", "", QString(), QString(), QString()},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = writeFile(dir, QStringLiteral("t%1.txt").arg(n++), c.bytes);
        EXPECT_EQ(decodeText(c.bytes), c.cli) << c.name;
        EXPECT_EQ(readMarkedFile(path), c.marked) << c.name;
        EXPECT_EQ(readCodePageFile(path), c.codePage) << c.name;
        EXPECT_EQ(toCp1252(readCodePageFile(path)), c.bytes) << c.name;
    }
}

TEST(FileHelpers, ZipRoundTripKeepsBytesUnderTheBareName) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    dir.mkpath(QStringLiteral("src/deep"));
    QByteArray binary;
    for (int i = 0; i < 100000; ++i)
        binary.append(char(i * 31));
    const QString first = writeFile(dir, QStringLiteral("src/deep/nota.xml"), binary);
    const QString second = writeFile(dir, QStringLiteral("src/outro.txt"), "abc");
    const QString archive = dir.filePath(QStringLiteral("pacote.zip"));
    EXPECT_EQ(CompactFile(archive, first), 1);
    EXPECT_EQ(CompactFile(archive, second), 1); // added to the existing archive
    EXPECT_EQ(DescompactFile(archive, dir.filePath(QStringLiteral("out"))), 1);
    const QDir out(dir.filePath(QStringLiteral("out")));
    EXPECT_EQ(entriesOf(out),
              QStringList({QStringLiteral("nota.xml"), QStringLiteral("outro.txt")}));
    EXPECT_EQ(readFileBytes(out.filePath(QStringLiteral("nota.xml"))), binary);
    try {
        DescompactFile(dir.filePath(QStringLiteral("nenhum.zip")), out.path());
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Não encontrei: ") + dir.filePath(QStringLiteral("nenhum.zip")));
    }
}

// Entries outside the folder, or named with control characters, refuse the whole archive. A
// name that begins with a colon is a path the file functions take from the working folder,
// whatever the destination.
TEST(FileHelpers, ArchiveWithEntriesOutsideTheFolderIsRefusedWhole) {
    const QString previous = QDir::currentPath();
    for (const QString& hostile :
         {QStringLiteral("../fora.txt"), QStringLiteral("a/../../fora.txt"),
          QStringLiteral("/tmp/absoluto.txt"), QStringLiteral("..\\fora.txt"),
          QStringLiteral("C:/fora.txt"), QStringLiteral("linha\r\nfalsa.txt"),
          QStringLiteral(":fora.txt"), QStringLiteral(":pasta/fora.txt")}) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        QDir::setCurrent(dir.path()); // where an escape from the destination would land
        const QString archive = dir.filePath(QStringLiteral("hostil.zip"));
        writeArchive(archive, {QStringLiteral("ok.txt"), hostile});
        const QString destination = dir.filePath(QStringLiteral("dest/inner"));
        EXPECT_THROW(DescompactFile(archive, destination), Exception) << hostile.toStdString();
        EXPECT_FALSE(QDir(destination).exists()) << hostile.toStdString(); // nothing written at all
        EXPECT_EQ(entriesOf(dir), QStringList{QStringLiteral("hostil.zip")});
    }
    QDir::setCurrent(previous);
}

namespace {

// An archive of (name, content) entries, deflated.
void writeArchive(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries) {
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, content] : entries) {
        zip_source_t* s =
            zip_source_buffer(z, content.constData(), zip_uint64_t(content.size()), 0);
        const zip_int64_t i = zip_file_add(z, name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(i, 0) << name.toStdString();
        zip_set_file_compression(z, zip_uint64_t(i), ZIP_CM_DEFLATE, 9);
    }
    ASSERT_EQ(zip_close(z), 0); // the buffers are read here
}

// The archive with every declared uncompressed size (local and central headers) set to 10.
void understateSizes(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const auto patch = [&](const QByteArray& signature, int offset) {
        for (qsizetype at = bytes.indexOf(signature); at >= 0;
             at = bytes.indexOf(signature, at + 1))
            bytes.replace(at + offset, 4, QByteArray("\x0a\0\0\0", 4));
    };
    patch(QByteArray("PK\x03\x04"), 22);
    patch(QByteArray("PK\x01\x02"), 24);
    f.seek(0);
    f.write(bytes);
}

} // namespace

// An archive is extracted all or nothing: an entry that cannot take its place (a file where its
// folder goes), a name that appears twice or a file that is another entry's folder leaves the
// folder as it was, and the message names the entry, never the private folder.
TEST(FileHelpers, AnArchiveThatCannotBeExtractedWholeChangesNothing) {
    struct Case {
        std::vector<std::pair<QString, QByteArray>> entries;
        QByteArray rename; // from, in the archive's bytes, to the same length
        QByteArray to;
        QString said;
    };
    const std::vector<Case> cases = {
        {{{u"keep.txt"_s, "novo"}, {u"target.txtXinner"_s, "x"}},
         "target.txtX",
         "target.txt/",
         u"target.txt"_s},
        {{{u"keep.txt"_s, "novo"}, {u"dup.txt"_s, "1"}, {u"duX.txt"_s, "2"}},
         "duX.txt",
         "dup.txt",
         u"\"dup.txt\" aparece mais de uma vez"_s},
        {{{u"keep.txt"_s, "novo"}, {u"pasta"_s, "1"}, {u"pastaXa"_s, "2"}},
         "pastaXa",
         "pasta/a",
         u"\"pasta\" é um arquivo e também a pasta"_s},
    };
    for (const Case& c : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        const QString out = dir.filePath(u"out"_s);
        QDir().mkpath(out);
        for (const auto& [name, bytes] : {std::pair{u"keep.txt"_s, QByteArray("velho")},
                                          std::pair{u"target.txt"_s, QByteArray("arquivo")}}) {
            QFile f(QDir(out).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const QString archive = dir.filePath(u"a.zip"_s);
        writeArchive(archive, c.entries);
        {
            QFile f(archive);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            const QByteArray bytes = f.readAll().replace(c.rename, c.to);
            f.seek(0);
            f.write(bytes);
        }
        try {
            DescompactFile(archive, out);
            ADD_FAILURE() << c.said.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.message().contains(c.said)) << e.message().toStdString();
            EXPECT_FALSE(e.message().contains(u".extracao"_s)) << e.message().toStdString();
        }
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{u"keep.txt"_s, u"target.txt"_s}));
        for (const auto& [name, bytes] : {std::pair{u"keep.txt"_s, QByteArray("velho")},
                                          std::pair{u"target.txt"_s, QByteArray("arquivo")}}) {
            QFile f(QDir(out).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), bytes);
        }
    }
}

// Bombs are refused, whether their headers tell the truth or not, and leave nothing behind: no
// entry of theirs, and the files already in the folder untouched.
TEST(FileHelpers, ExtractionLimitsRefuseBombsAndLeaveNothing) {
    QByteArray noise;
    for (int i = 0; i < 700 * 1024; ++i)
        noise.append(char((uint32_t(i) * 7919u) ^ (uint32_t(i) >> 3)));
    const QByteArray zeros(8 * 1024 * 1024, '\0');
    const struct {
        const char* what;
        std::vector<std::pair<QString, QByteArray>> entries;
        ZipLimits limits;
        bool lyingHeaders;
        const char* message;
    } cases[] = {
        {"ratio", {{"keep.txt", "novo"}, {"zeros.bin", zeros}}, {}, false, "compressão"},
        {"ratio, headers understated",
         {{"keep.txt", "novo"}, {"zeros.bin", zeros}},
         {},
         true,
         "maior do que declara"},
        {"total size",
         {{"keep.txt", "novo"}, {"a.bin", noise}, {"b.bin", noise}},
         {.maxTotalBytes = 1024 * 1024},
         false,
         "bytes"},
        {"entry count",
         {{"keep.txt", "novo"}, {"1", "x"}, {"2", "x"}, {"3", "x"}},
         {.maxEntries = 3},
         false,
         "entradas"},
    };
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        const QString archive = dir.filePath(QStringLiteral("bomba.zip"));
        writeArchive(archive, c.entries);
        if (c.lyingHeaders)
            understateSizes(archive);
        dir.mkpath(QStringLiteral("out"));
        writeFile(QDir(dir.filePath(QStringLiteral("out"))), QStringLiteral("keep.txt"), "antes");
        try {
            DescompactFile(archive, dir.filePath(QStringLiteral("out")), c.limits);
            ADD_FAILURE() << c.what;
        } catch (const Exception& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message)))
                << c.what << ": " << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("Nada foi extraído"))) << e.what();
        }
        EXPECT_EQ(entriesOf(QDir(dir.filePath(QStringLiteral("out")))),
                  QStringList{QStringLiteral("keep.txt")})
            << c.what;
        EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("out/keep.txt"))), "antes") << c.what;
    }
}

// Each limit is a bound, not a guess: an archive exactly at it unpacks, one past it is refused.
// The ratio counts only beyond the first MiB, so a small archive of repeated lines unpacks
// however well it compresses.
TEST(FileHelpers, ExtractionLimitsHoldOnBothSides) {
    QByteArray lines;
    while (lines.size() < 600 * 1024)
        lines.append("0001|PRODUTO DE TESTE|UN|1,0000|10,00\r\n");
    QByteArray overFree = lines; // past the free MiB, compressing about as well
    while (overFree.size() < 3 * 1024 * 1024)
        overFree.append(lines);
    const QByteArray noise = [] {
        QByteArray bytes;
        for (uint32_t i = 0; i < 64 * 1024; ++i)
            bytes.append(char((i * 2654435761u) >> 24));
        return bytes;
    }();
    // The ratio (beyond the free MiB) an archive of these entries reaches, rounded down.
    const auto ratioOf = [](const QString& archive, qint64 unpacked) {
        return (unpacked - 1024 * 1024) / QFileInfo(archive).size();
    };
    const struct {
        const char* what;
        std::vector<std::pair<QString, QByteArray>> entries;
        std::function<ZipLimits(const QString& archive)> limits;
        bool accepted;
    } cases[] = {
        {"600 KiB of repeated lines",
         {{"linhas.txt", lines}},
         [](const QString&) { return ZipLimits{}; },
         true},
        {"ratio just under the limit",
         {{"linhas.txt", overFree}},
         [&](const QString& a) { return ZipLimits{.maxRatio = ratioOf(a, overFree.size()) + 1}; },
         true},
        {"ratio at the limit",
         {{"linhas.txt", overFree}},
         [&](const QString& a) { return ZipLimits{.maxRatio = ratioOf(a, overFree.size())}; },
         false},
        {"total at the limit",
         {{"a.bin", noise}, {"b.bin", noise}},
         [&](const QString&) { return ZipLimits{.maxTotalBytes = 2 * noise.size()}; },
         true},
        {"total one byte over",
         {{"a.bin", noise}, {"b.bin", noise}},
         [&](const QString&) { return ZipLimits{.maxTotalBytes = 2 * noise.size() - 1}; },
         false},
        {"entries at the limit",
         {{"1", "x"}, {"2", "x"}, {"3", "x"}},
         [](const QString&) { return ZipLimits{.maxEntries = 3}; },
         true},
        {"one entry over",
         {{"1", "x"}, {"2", "x"}, {"3", "x"}},
         [](const QString&) { return ZipLimits{.maxEntries = 2}; },
         false},
    };
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        const QString archive = dir.filePath(QStringLiteral("limite.zip"));
        writeArchive(archive, c.entries);
        const QString out = dir.filePath(QStringLiteral("out"));
        dir.mkpath(QStringLiteral("out"));
        bool accepted = true;
        try {
            DescompactFile(archive, out, c.limits(archive));
        } catch (const Exception& e) {
            accepted = false;
            EXPECT_FALSE(c.accepted) << c.what << ": " << e.what();
        }
        EXPECT_EQ(accepted, c.accepted) << c.what;
        if (c.accepted)
            for (const auto& [name, bytes] : c.entries)
                EXPECT_EQ(readFileBytes(QDir(out).filePath(name)), bytes) << c.what;
        else
            EXPECT_TRUE(entriesOf(QDir(out)).isEmpty()) << c.what;
    }
}

// A symbolic-link entry becomes a regular file holding the link's target text: nothing
// extracted ever points elsewhere.
TEST(FileHelpers, SymlinkEntriesAreWrittenAsRegularFiles) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const QString archive = dir.filePath(QStringLiteral("link.zip"));
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    static const char target[] = "/etc/passwd";
    const zip_int64_t i =
        zip_file_add(z, "link", zip_source_buffer(z, target, sizeof target - 1, 0), 0);
    ASSERT_GE(i, 0);
    ASSERT_EQ(zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX,
                                               zip_uint32_t(0120777) << 16),
              0);
    ASSERT_EQ(zip_close(z), 0);
    const QString out = dir.filePath(QStringLiteral("out"));
    EXPECT_EQ(DescompactFile(archive, out), 1);
    const QFileInfo link(QDir(out).filePath(QStringLiteral("link")));
    EXPECT_FALSE(link.isSymLink());
    EXPECT_TRUE(link.isFile());
    EXPECT_EQ(readFileBytes(link.filePath()), QByteArray(target));
}

TEST(FileHelpers, Base64OfFilesAndPackingNeverTouchesTheUsersFiles) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    EXPECT_EQ(GetBase64File(writeFile(dir, QStringLiteral("vazio.bin"), {}), false), QString());
    const QByteArray binary("\x00\xFF\x10 binário\n", 12);
    EXPECT_EQ(GetBase64File(writeFile(dir, QStringLiteral("b.bin"), binary), false),
              QString::fromLatin1(binary.toBase64()));

    // A file of the user's already has the archive's name: it stays exactly as it was.
    const QString xml = writeFile(dir, QStringLiteral("nota.xml"), "<nfe/>");
    const QString users = writeFile(dir, QStringLiteral("nota.zip"), "do usuário");
    const QStringList before = entriesOf(dir);
    const QByteArray packed = QByteArray::fromBase64(GetBase64File(xml, true).toLatin1());
    EXPECT_EQ(readFileBytes(users), QByteArray("do usuário"));
    EXPECT_EQ(entriesOf(dir), before); // no temporary archive left behind
    const QString copy = writeFile(dir, QStringLiteral("copia.zip"), packed);
    DescompactFile(copy, dir.filePath(QStringLiteral("x")));
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("x/nota.xml"))), QByteArray("<nfe/>"));

    // Packing a .zip file itself leaves it unchanged too.
    const QByteArray usersBytes = readFileBytes(users);
    EXPECT_FALSE(GetBase64File(users, true).isEmpty());
    EXPECT_EQ(readFileBytes(users), usersBytes);

    try {
        GetBase64File(dir.filePath(QStringLiteral("falta.xml")), true);
        ADD_FAILURE();
    } catch (const TQuorvaException& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral(
            "Erro ao compactar arquivo de retorno!\r\nTipo: EFileError\r\nMensagem: ")))
            << e.what();
    }
}

// Packing works in a temporary folder of its own: neither it nor the archive may outlive the
// call, whether the call succeeds or fails, and nothing appears beside the file.
TEST(FileHelpers, PackingLeavesNothingBehind) {
    QTemporaryDir files;
    const QDir dir(files.path());
    const PrivateTempFolder temp;
    ASSERT_EQ(QDir(QDir::tempPath()).canonicalPath(), QDir(temp.path()).canonicalPath());
    const QString slip = writeFile(dir, QStringLiteral("boleto.pdf"), "%PDF-1.4 boleto");
    const QString missing = dir.filePath(QStringLiteral("falta.pdf"));
    const QString folder = dir.filePath(QStringLiteral("pasta.pdf"));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("pasta.pdf")));
    const QStringList beside = entriesOf(dir);
    const QString failure = QStringLiteral("Erro ao criar arquivo compactado!");
    const struct {
        const char* what;
        std::function<void(const QString&)> pack;
    } ways[] = {
        {"GetBase64File", [](const QString& f) { GetBase64File(f, true); }},
        {"packedFileBase64", [&](const QString& f) { packedFileBase64(f, failure); }},
        {"NewArquivo", [](const QString& f) { TArquivoHelper::NewArquivo(f, true); }},
        {"CriaBoleto",
         [](const QString& f) {
             TBoletoHelper::CriaBoleto(QStringLiteral("1"), QStringLiteral("77"), f, true);
         }},
    };
    for (const auto& way : ways) {
        for (const QString& file : {slip, missing, folder}) {
            const std::string what = std::string(way.what) + " of " + file.toStdString();
            if (file == slip)
                EXPECT_NO_THROW(way.pack(file)) << what;
            else
                EXPECT_THROW(way.pack(file), Exception) << what;
            EXPECT_EQ(entriesOf(QDir(temp.path())), QStringList()) << what;
            EXPECT_EQ(entriesOf(dir), beside) << what;
        }
    }
    // No temporary folder can be made (the temporary path is a file): packing fails, and still
    // nothing appears beside the file.
    qputenv("TMPDIR", QFile::encodeName(slip));
    for (const auto& way : ways) {
        EXPECT_THROW(way.pack(slip), Exception) << way.what;
        EXPECT_EQ(entriesOf(dir), beside) << way.what;
    }
}

TEST(Protection, RoundTripIsDeterministicAndDamageRaises) {
    for (const QByteArray& clear : {QByteArray("a"), QByteArray("0123456789abcdef"),
                                    QByteArray("texto com a\xE7\xE3o e mais")}) {
        const QByteArray protectedText = CriptografaTextoSegur(clear);
        EXPECT_NE(protectedText, clear);
        EXPECT_EQ(protectedText, CriptografaTextoSegur(clear)); // fixed key, ECB
        EXPECT_EQ(DescriptografaTextoSegur(protectedText), clear);
    }
    EXPECT_EQ(CriptografaTextoSegur({}), QByteArray());
    EXPECT_EQ(DescriptografaTextoSegur({}), QByteArray());
    EXPECT_THROW(DescriptografaTextoSegur("bm90IGNpcGhlcg=="),
                 TQuorvaException);                                  // not a cipher text
    EXPECT_THROW(DescriptografaTextoSegur("***"), TQuorvaException); // not base64
    try {
        CriptografaStr(123, QStringLiteral("00"), "x");
        ADD_FAILURE();
    } catch (const TQuorvaException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Hash de Conexão não Confere!"));
    }
    EXPECT_FALSE(ListaIDAtual()); // every path releases the list

    JsonValue o = JsonValue::object();
    o.add("senha", TJSONUtil::SetCript(QString::fromUtf8("sênha\t1")));
    EXPECT_EQ(TJSONUtil::GetCript(&o, QStringLiteral("SENHA")), QString::fromUtf8("sênha\t1"));
    EXPECT_EQ(TJSONUtil::GetCript(&o, QStringLiteral("Outra")), QString());
}

TEST(Protection, ConnectionRecordTextForm) {
    EXPECT_EQ(TIdConnToStr({7, 123}), QStringLiteral("00007123"));
    const TIdConn back = StrToTIdConn(QStringLiteral("00007123"));
    EXPECT_EQ(back.empresa, 7);
    EXPECT_EQ(back.id, 123);
    EXPECT_THROW(StrToTIdConn(QStringLiteral("0000Xabc")), EConvertError);
    const int id = GeraID(3);
    EXPECT_GE(id, 0);
    EXPECT_LT(id, 999999999);
}

TEST(HostHelpers, NetstatOutputTellsWhoUsesAPort) {
    const QString netstat =
        QString::fromUtf8("\r\nConexões ativas\r\n\r\n"
                          "  Proto  Endereço local         Endereço externo       Estado\r\n"
                          "  TCP    0.0.0.0:135            CAIXA01:0              LISTENING\r\n"
                          "  RpcSs\r\n"
                          " [svchost.exe]\r\n"
                          "  TCP    0.0.0.0:211            CAIXA01:0              LISTENING\r\n"
                          " [middleware.exe]\r\n"
                          "  TCP    0.0.0.0:445            CAIXA01:0              LISTENING\r\n"
                          " Não é possível obter informações de propriedade\r\n"
                          "  TCP    0.0.0.0:8080           CAIXA01:0              LISTENING\r\n"
                          " [java.exe]\r\n");
    const struct {
        const char* port;
        const char* service;
        const char* exe;
        bool inUse;
        const char* usingExe;
        const char* usingService;
    } cases[] = {
        {"135", "", "x.exe", true, "svchost.exe", "RpcSs"},
        {" 135 ", "rpcss", "x.exe", false, "", ""},
        {"211", "", "MIDDLEWARE.EXE", false, "", ""},
        {"211", "", "outro.exe", true, "middleware.exe", ""},
        {"445", "", "x.exe", true, "", ""}, // owner unknown: not the caller's program
        {"9999", "", "x.exe", false, "", ""},
    };
    for (const auto& c : cases) {
        const auto user = TFuncoesWindows::portUserFromNetstat(netstat, QString::fromUtf8(c.port),
                                                               QString::fromUtf8(c.service),
                                                               QString::fromUtf8(c.exe));
        EXPECT_EQ(user.inUseByAnother, c.inUse) << c.port;
        EXPECT_EQ(user.executable, QString::fromUtf8(c.usingExe)) << c.port;
        EXPECT_EQ(user.service, QString::fromUtf8(c.usingService)) << c.port;
    }
    EXPECT_EQ(TFuncoesWindows::PortaEmUsoNoWindows(QStringLiteral("  "), QString(), QString()),
              QStringLiteral("Porta não informada!"));
    QString exe, service;
    EXPECT_THROW(
        TFuncoesWindows::PortaEmUsoNoWindows(QString(), QString(), QString(), exe, service),
        Exception);
}

TEST(HostHelpers, WmicOutputGivesThePrinterPort) {
    EXPECT_EQ(TFuncoesWindows::printerPortFromWmic(
                  QStringLiteral("PortName  \r\r\nUSB001    \r\r\n\r\r\n"), QStringLiteral("Bema")),
              QStringLiteral("USB001"));
    EXPECT_EQ(
        TFuncoesWindows::printerPortFromWmic(
            QStringLiteral("PortName\r\nIP_192.168.100.200_PORTA\r\n"), QStringLiteral("Rede")),
        QStringLiteral("IP_192.168.100.200_P")); // first 20 characters
    const struct {
        const char* output;
        const char* message;
    } errors[] = {
        {"  \r\n", "Impressora \"X\" não localizada!"},
        {"PortName\r\n\r\n", "Porta da Impressora \"X\" não localizada!"},
    };
    for (const auto& e : errors) {
        try {
            TFuncoesWindows::printerPortFromWmic(QString::fromUtf8(e.output), QStringLiteral("X"));
            ADD_FAILURE();
        } catch (const Exception& ex) {
            EXPECT_EQ(ex.message(), QString::fromUtf8(e.message));
        }
    }
    EXPECT_EQ(TFuncoesWindows::wmicCommand(QStringLiteral("Bema")),
              QStringLiteral("wmic PRINTER WHERE DeviceID=\"Bema\" GET PortName "));
    try {
        TFuncoesWindows::PortaUtilizadaImpressora(QStringLiteral(" "));
        ADD_FAILURE();
    } catch (const Exception& ex) {
        EXPECT_EQ(ex.message(), QStringLiteral("Nome da Impressora não informado!"));
    }
}

TEST(HostHelpers, CommandOutputIsCapturedWithErrors) {
    QTemporaryDir tmp;
    const QString out =
        TFuncoesWindows::GetSaidaComandoDOS(QStringLiteral("pwd; echo erro 1>&2"), tmp.path());
    EXPECT_TRUE(out.contains(QDir(tmp.path()).canonicalPath())) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("erro")));
}

TEST(VersionRecord, SingletonValuesAndWrappedErrors) {
    TSobreCommerce& a = TSobreCommerce::GetInstance();
    EXPECT_EQ(a.GetSistemaVersao(), QStringLiteral("6G"));
    EXPECT_EQ(a.GetBancoVersao(), 237);
    EXPECT_EQ(a.GetPreparacaoMinima(), 230004);
    EXPECT_EQ(a.GetSistemaRelease() + a.GetSistemaBuild() + a.GetBancoRelease(), 0);
    EXPECT_EQ(a.GetDescricaoVersao(), QString());
    a.SetDescricaoVersao(QStringLiteral("x"));
    EXPECT_EQ(TSobreCommerce::GetInstance().GetDescricaoVersao(), QStringLiteral("x"));
    a.SetDescricaoVersao(QString());

    const TQuorvaException wrapped(
        QStringLiteral("Falhou"),
        EConvertError(QStringLiteral("'x' is not a valid integer value")));
    EXPECT_EQ(wrapped.message(),
              QStringLiteral(
                  "Falhou\r\nTipo: EConvertError\r\nMensagem: 'x' is not a valid integer value"));
}
