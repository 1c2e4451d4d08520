#include "common/filehelpers.h"

#include "common/charfilter.h"
#include "common/exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <zip.h>

#include <memory>

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

// Whether an entry name stays inside the destination folder once extracted.
bool staysInside(const QString& entry) {
    if (entry.isEmpty() || entry.startsWith(u'/') || entry.startsWith(u'\\'))
        return false;
    if (entry.size() >= 2 && entry[1] == u':') // a drive letter
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

QString decodeText(const QByteArray& bytes) {
    static const struct {
        QByteArrayView mark;
        QStringConverter::Encoding encoding;
    } marks[] = {
        {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
    };
    // The mark is cut off here; a second one is a character of the text.
    const auto flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    for (const auto& m : marks) {
        if (bytes.startsWith(m.mark)) {
            QStringDecoder decoder(m.encoding, flags);
            return decoder.decode(QByteArrayView(bytes).sliced(m.mark.size()));
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8, flags);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

QString readTextFile(const QString& path) {
    return decodeText(readFileBytes(path));
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
    for (QString line : splitLines(readTextFile(fileName))) {
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

int DescompactFile(const QString& archiveName, const QString& folder) {
    if (!QFileInfo::exists(archiveName))
        throw Exception(QStringLiteral("Não encontrei: ") + archiveName);
    ZipPtr archive = openArchive(archiveName, ZIP_RDONLY);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    QStringList names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(zip_get_name(archive.get(), zip_uint64_t(i), 0));
        if (!staysInside(name))
            throw Exception(
                QStringLiteral(
                    "Arquivo compactado recusado: a entrada \"%1\" ficaria fora da pasta \"%2\". "
                    "Nada foi extraído.")
                    .arg(name, folder));
        names << name;
    }
    const QDir destination(folder);
    if (!destination.mkpath(QStringLiteral(".")))
        throw EFileError(QStringLiteral("Não foi possível criar a pasta \"%1\"").arg(folder));
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString& name = names[i];
        const QString target = destination.filePath(name);
        if (name.endsWith(u'/') || name.endsWith(u'\\')) {
            destination.mkpath(name);
            continue;
        }
        destination.mkpath(QFileInfo(name).path());
        zip_file_t* entry = zip_fopen_index(archive.get(), zip_uint64_t(i), 0);
        if (!entry)
            throw Exception(QStringLiteral("Não foi possível ler a entrada \"%1\": %2")
                                .arg(name, zipErrorText(zip_get_error(archive.get()))));
        const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(entry, &zip_fclose);
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            raiseCannotOpen(target, out.errorString());
        char buffer[64 * 1024];
        zip_int64_t n;
        while ((n = zip_fread(entry, buffer, sizeof buffer)) > 0)
            if (out.write(buffer, n) != n)
                throw EFileError(QStringLiteral("Não foi possível gravar \"%1\": %2")
                                     .arg(target, out.errorString()));
        if (n < 0)
            throw Exception(QStringLiteral("Entrada \"%1\" danificada: %2")
                                .arg(name, zipErrorText(zip_file_get_error(entry))));
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
