#include "common/filehelpers.h"

#include "common/charfilter.h"
#include "common/exception.h"
#include "common/filesave.h"
#include "common/texthelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <zip.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

[[noreturn]] void raiseCannotOpen(const QString& path, const QString& why) {
    throw EFileError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), why));
}

QString zipErrorText(zip_error_t* error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

struct ZipCloser {
    void operator()(zip_t* z) const {
        if (z)
            zip_discard(z);
    }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

ZipPtr openArchive(const QString& name, int flags) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(name).constData(), flags, &code);
    if (!z) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = zipErrorText(&error);
        zip_error_fini(&error);
        throw Exception(QStringLiteral("Não foi possível abrir o arquivo compactado \"%1\": %2")
                            .arg(name, text));
    }
    return ZipPtr(z);
}

// Whether an entry name stays inside the destination folder once extracted, under a name
// without control characters. A colon is refused anywhere: after a letter it names a drive,
// and at the start it makes a path that Qt's file functions do not join to a folder.
bool staysInside(const QString& entry) {
    if (entry.isEmpty() || entry.startsWith(u'/') || entry.startsWith(u'\\'))
        return false;
    for (const QChar c : entry)
        if (c == u':' || c.category() == QChar::Other_Control)
            return false;
    QString normalised = entry;
    normalised.replace(u'\\', u'/');
    for (const QString& part : normalised.split(u'/'))
        if (part == QLatin1String(".."))
            return false;
    return true;
}

} // namespace

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseCannotOpen(path, file.errorString());
    return file.readAll();
}

void writeFileWhole(const QString& path, const QByteArray& bytes) {
    FileSave out(path);
    out.write(bytes);
    out.commit();
}

namespace {

struct ByteOrderMark {
    QByteArrayView mark;
    QStringConverter::Encoding encoding;
};

constexpr ByteOrderMark kMarks[] = {
    {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8},
    {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
    {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
};

// The text after a leading byte-order mark, decoded as the mark says; nothing without one.
std::optional<QString> decodeMarked(const QByteArray& bytes) {
    // The mark is cut off here; a second one is a character of the text.
    const auto flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    for (const auto& m : kMarks) {
        if (bytes.startsWith(m.mark)) {
            QStringDecoder decoder(m.encoding, flags);
            return decoder.decode(QByteArrayView(bytes).sliced(m.mark.size()));
        }
    }
    return std::nullopt;
}

} // namespace

QString decodeText(const QByteArray& bytes) {
    if (auto marked = decodeMarked(bytes))
        return *marked;
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

QString readCodePageFile(const QString& path) {
    return fromCp1252(readFileBytes(path));
}

QString readMarkedFile(const QString& path) {
    const QByteArray bytes = readFileBytes(path);
    if (auto marked = decodeMarked(bytes))
        return *marked;
    return fromCp1252(bytes);
}

QStringList splitLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    QStringList lines = t.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString FileToStr(const QString& fileName, const QString& separator) {
    QString result;
    for (QString line : splitLines(readCodePageFile(fileName))) {
        if (!separator.isEmpty())
            line.remove(separator);
        result += separator + line;
    }
    return result;
}

int CompactFile(const QString& archiveName, const QString& fileName) {
    ZipPtr archive = openArchive(archiveName, ZIP_CREATE);
    if (!QFileInfo(fileName).isFile())
        raiseCannotOpen(fileName, QStringLiteral("The file does not exist."));
    zip_source_t* source =
        zip_source_file(archive.get(), QFile::encodeName(fileName).constData(), 0, -1);
    if (!source)
        throw Exception(QStringLiteral("Não foi possível ler \"%1\": %2")
                            .arg(fileName, zipErrorText(zip_get_error(archive.get()))));
    const QByteArray entry = QFileInfo(fileName).fileName().toUtf8();
    const zip_int64_t index =
        zip_file_add(archive.get(), entry.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw Exception(QStringLiteral("Não foi possível incluir \"%1\": %2")
                            .arg(fileName, zipErrorText(zip_get_error(archive.get()))));
    }
    zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 0);
    if (zip_close(archive.get()) != 0)
        throw Exception(QStringLiteral("Não foi possível gravar \"%1\": %2")
                            .arg(archiveName, zipErrorText(zip_get_error(archive.get()))));
    (void)archive.release(); // closed
    return 1;
}

namespace {

[[noreturn]] void refuseArchive(const QString& why) {
    throw Exception(QStringLiteral("Arquivo compactado recusado: %1. Nada foi extraído.").arg(why));
}

// Counts what an extraction has produced against its limits.
class ExtractionBudget {
public:
    ExtractionBudget(const ZipLimits& limits, qint64 archiveBytes)
        : m_limits(limits), m_archiveBytes(std::max<qint64>(archiveBytes, 1)) {}

    void add(qint64 bytes) {
        m_total += bytes;
        if (m_total > m_limits.maxTotalBytes)
            refuseArchive(QStringLiteral("o conteúdo descompactado passaria de %1 bytes")
                              .arg(m_limits.maxTotalBytes));
        constexpr qint64 kFreeBytes = 1024 * 1024;
        if (m_total > kFreeBytes && (m_total - kFreeBytes) / m_archiveBytes >= m_limits.maxRatio)
            refuseArchive(QStringLiteral("a taxa de compressão passaria de %1 para 1")
                              .arg(m_limits.maxRatio));
    }

private:
    const ZipLimits& m_limits;
    qint64 m_archiveBytes;
    qint64 m_total = 0;
};

// Copies one entry's bytes into the file, never more than the entry declares.
void extractEntry(zip_t* archive, zip_uint64_t index, const QString& name, qint64 declared,
                  const QString& target, ExtractionBudget& budget) {
    zip_file_t* entry = zip_fopen_index(archive, index, 0);
    if (!entry)
        throw Exception(QStringLiteral("Não foi possível ler a entrada \"%1\": %2")
                            .arg(name, zipErrorText(zip_get_error(archive))));
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(entry, &zip_fclose);
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        raiseCannotOpen(target, out.errorString());
    std::vector<char> buffer(64 * 1024);
    qint64 written = 0;
    zip_int64_t n;
    while ((n = zip_fread(entry, buffer.data(), buffer.size())) > 0) {
        written += n;
        if (written > declared)
            refuseArchive(QStringLiteral("a entrada \"%1\" é maior do que declara").arg(name));
        budget.add(n);
        if (out.write(buffer.data(), n) != n)
            throw EFileError(QStringLiteral("Não foi possível gravar \"%1\": %2")
                                 .arg(target, out.errorString()));
    }
    if (n < 0)
        throw Exception(QStringLiteral("Entrada \"%1\" danificada: %2")
                            .arg(name, zipErrorText(zip_file_get_error(entry))));
}

// Where a file moved in would clash with what the folder holds: a folder in its place, or a
// file where one of its folders should be.
std::optional<QString> clashIn(const QDir& to, const QString& name) {
    const QString target = to.filePath(name);
    if (QFileInfo(target).isDir())
        return target;
    for (QString folder = QFileInfo(name).path(); folder != u"." && !folder.isEmpty();
         folder = QFileInfo(folder).path()) {
        const QFileInfo info(to.filePath(folder));
        if (info.exists() && !info.isDir())
            return info.filePath();
    }
    return std::nullopt;
}

} // namespace

void moveAllInto(const QDir& from, const QDir& to, const QStringList& names) {
    for (const QString& name : names)
        if (const auto clash = clashIn(to, name))
            throw EFileError(
                QStringLiteral("Não foi possível gravar \"%1\": \"%2\" já existe e não é do "
                               "mesmo tipo. Nada foi alterado.")
                    .arg(to.filePath(name), *clash));
    struct Moved {
        QString target;
        QString kept; // the file it replaced, set aside
    };
    std::vector<Moved> moved;
    QStringList madeFolders;
    const QDir aside(from.filePath(QStringLiteral(".substituidos")));
    const auto undo = [&] {
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            QFile::remove(it->target);
            if (!it->kept.isEmpty())
                QFile::rename(it->kept, it->target);
        }
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
    };
    for (int n = 0; n < names.size(); ++n) {
        const QString& name = names[n];
        const QString target = to.filePath(name);
        for (QString folder = QFileInfo(name).path(); folder != u"." && !folder.isEmpty();
             folder = QFileInfo(folder).path())
            if (!QFileInfo::exists(to.filePath(folder)))
                madeFolders.prepend(to.filePath(folder)); // the outermost first
        Moved m{target, {}};
        bool ok = to.mkpath(QFileInfo(name).path());
        if (ok && QFileInfo::exists(target)) {
            aside.mkpath(QStringLiteral("."));
            m.kept = aside.filePath(QString::number(n));
            ok = QFile::rename(target, m.kept);
        }
        if (ok && !QFile::rename(from.filePath(name), target)) {
            if (!m.kept.isEmpty())
                QFile::rename(m.kept, target);
            ok = false;
        }
        if (!ok) {
            undo();
            throw EFileError(
                QStringLiteral("Não foi possível gravar \"%1\". Nada foi alterado.").arg(target));
        }
        moved.push_back(std::move(m));
    }
}

int DescompactFile(const QString& archiveName, const QString& folder, const ZipLimits& limits) {
    if (!QFileInfo::exists(archiveName))
        throw Exception(QStringLiteral("Não encontrei: ") + archiveName);
    ZipPtr archive = openArchive(archiveName, ZIP_RDONLY);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > limits.maxEntries)
        refuseArchive(
            QStringLiteral("tem %1 entradas, mais de %2").arg(count).arg(limits.maxEntries));
    // What the headers declare is checked first, so an honest bomb writes nothing at all; what
    // the entries really unpack to is counted again while they are written.
    ExtractionBudget declaredBudget(limits, QFileInfo(archiveName).size());
    QStringList names;
    std::vector<qint64> sizes;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &st) != 0 || !st.name ||
            !(st.valid & ZIP_STAT_SIZE))
            refuseArchive(QStringLiteral("a entrada %1 não pode ser lida").arg(i + 1));
        const QString name = QString::fromUtf8(st.name);
        const QString shown = QString::fromUtf8(escapeControls(name.toUtf8()));
        if (names.contains(name))
            refuseArchive(QStringLiteral("a entrada \"%1\" aparece mais de uma vez").arg(shown));
        if (!staysInside(name))
            refuseArchive(
                QStringLiteral("a entrada \"%1\" ficaria fora da pasta \"%2\"").arg(shown, folder));
        const qint64 size = st.size > zip_uint64_t(limits.maxTotalBytes) ? limits.maxTotalBytes + 1
                                                                         : qint64(st.size);
        declaredBudget.add(size);
        names << name;
        sizes.push_back(size);
    }
    // A file entry that is also another entry's folder could not be unpacked.
    for (const QString& name : names)
        for (QString up = QFileInfo(name).path(); up != u"." && !up.isEmpty();
             up = QFileInfo(up).path())
            if (names.contains(up))
                refuseArchive(QStringLiteral("a entrada \"%1\" é um arquivo e também a pasta de "
                                             "\"%2\"")
                                  .arg(QString::fromUtf8(escapeControls(up.toUtf8())),
                                       QString::fromUtf8(escapeControls(name.toUtf8()))));
    const QDir destination(folder);
    const bool created = !destination.exists();
    if (!destination.mkpath(QStringLiteral(".")))
        throw EFileError(QStringLiteral("Não foi possível criar a pasta \"%1\"").arg(folder));
    try {
        // Unpacked aside, in the folder itself so that the entries move in by renaming.
        QTemporaryDir aside(destination.filePath(QStringLiteral(".extracao-XXXXXX")));
        if (!aside.isValid())
            throw EFileError(
                QStringLiteral("Não foi possível criar uma pasta temporária em \"%1\": %2")
                    .arg(folder, aside.errorString()));
        const QDir staging(aside.path());
        ExtractionBudget budget(limits, QFileInfo(archiveName).size());
        for (zip_int64_t i = 0; i < count; ++i) {
            const QString& name = names[i];
            if (name.endsWith(u'/') || name.endsWith(u'\\'))
                continue;
            staging.mkpath(QFileInfo(name).path());
            extractEntry(archive.get(), zip_uint64_t(i), name, sizes[std::size_t(i)],
                         staging.filePath(name), budget);
        }
        QStringList files;
        for (const QString& name : names)
            if (!name.endsWith(u'/') && !name.endsWith(u'\\'))
                files << name;
        moveAllInto(staging, destination, files);
        for (const QString& name : names)
            if (name.endsWith(u'/') || name.endsWith(u'\\'))
                destination.mkpath(name);
    } catch (...) {
        if (created)
            QDir(folder).removeRecursively();
        throw;
    }
    return 1;
}

QString GetBase64File(const QString& fileName, bool pack) {
    if (!pack)
        return QString::fromLatin1(readFileBytes(fileName).toBase64());
    return packedFileBase64(fileName, QStringLiteral("Erro ao compactar arquivo de retorno!"));
}

QString packedFileBase64(const QString& fileName, const QString& failureMessage) {
    // The archive lives in a folder of its own, so no file of the user's is ever touched,
    // and goes away with it on every path.
    const QTemporaryDir work;
    if (!work.isValid())
        throw EFileError(QStringLiteral("Não foi possível criar uma pasta temporária: %1")
                             .arg(work.errorString()));
    const QString archive =
        work.filePath(QFileInfo(fileName).completeBaseName() + QStringLiteral(".zip"));
    try {
        if (CompactFile(archive, fileName) != 1)
            throw TQuorvaException(failureMessage);
    } catch (const TQuorvaException&) {
        throw;
    } catch (const Exception& e) {
        throw TQuorvaException(failureMessage, e);
    }
    return GetBase64File(archive, false);
}
