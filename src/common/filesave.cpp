#include "common/filesave.h"

#include "common/exception.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace {

// Whether a write that just failed failed for want of space: by the system's error when it is
// still at hand, else by the space the folder's file system has left.
bool outOfSpace(int error, const QString& path) {
    return error == ENOSPC || error == EDQUOT ||
           QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable() == 0;
}

} // namespace

bool isSpecialFile(const QString& path) {
    struct stat st {};
    // stat, not lstat: a link to a device is written through like the device.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

FileSave::FileSave(const QString& path) : m_path(path) {
    errno = 0;
    if (isSpecialFile(path)) {
        m_direct = std::make_unique<QFile>(path);
        if (!m_direct->open(QIODevice::WriteOnly))
            fail(errno, m_direct->errorString());
        return;
    }
    // A link is written through: the file it names is replaced, the link stays.
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    m_save = std::make_unique<QSaveFile>(target);
    if (!m_save->open(QIODevice::WriteOnly))
        fail(errno, m_save->errorString());
}

FileSave::~FileSave() {
    cancel();
}

QIODevice& FileSave::device() {
    if (m_direct)
        return *m_direct;
    return *m_save;
}

void FileSave::write(const QByteArray& bytes) {
    errno = 0;
    QFileDevice& file = m_direct ? static_cast<QFileDevice&>(*m_direct) : *m_save;
    if (file.write(bytes) != bytes.size())
        fail(errno, file.errorString());
}

void FileSave::commit() {
    errno = 0;
    if (m_direct) {
        if (!m_direct->flush() || m_direct->error() != QFileDevice::NoError)
            fail(errno, m_direct->errorString());
        m_direct->close();
        m_direct.reset();
        return;
    }
    if (!m_save)
        return;
    // A buffered write that failed shows here, before the temporary file is renamed.
    if (!m_save->flush() || m_save->error() != QFileDevice::NoError)
        fail(errno, m_save->errorString());
    if (!m_save->commit())
        fail(errno, m_save->errorString());
    m_save.reset();
}

void FileSave::cancel() {
    if (m_save)
        m_save->cancelWriting();
    m_save.reset();
    m_direct.reset();
}

void FileSave::fail(int error, const QString& why) {
    cancel();
    if (outOfSpace(error, m_path))
        throw EDiskFull(m_path);
    throw EFileError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(m_path, why));
}

void placeFile(const QString& temporary, const QString& destination) {
    struct Remove {
        const QString& path;
        ~Remove() { QFile::remove(path); }
    } removeTemporary{temporary};
    if (isSpecialFile(destination)) {
        QFile in(temporary);
        if (!in.open(QIODevice::ReadOnly))
            throw EFileError(
                QStringLiteral("Não foi possível ler \"%1\": %2").arg(temporary, in.errorString()));
        FileSave out(destination);
        constexpr qint64 kChunk = 1 << 20;
        while (!in.atEnd())
            out.write(in.read(kChunk));
        out.commit();
        return;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(temporary).toStdString()),
                            std::filesystem::path(QFile::encodeName(destination).toStdString()),
                            error);
    if (error == std::errc::no_space_on_device)
        throw EDiskFull(destination);
    if (error)
        throw EFileError(QStringLiteral("Não foi possível gravar \"%1\": %2")
                             .arg(destination, QString::fromStdString(error.message())));
}
