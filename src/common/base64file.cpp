#include "common/base64file.h"

#include "common/exception.h"
#include "common/filesave.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>

namespace {
constexpr qsizetype kChunk = 1 << 20; // bytes written to the file at a time

// Whether a write into the folder that just failed failed for want of space: by the system's
// error when it is still at hand, else by the space the folder's file system has left.
bool outOfSpace(int error, const QString& folder) {
    return error == ENOSPC || error == EDQUOT || QStorageInfo(folder).bytesAvailable() == 0;
}

[[noreturn]] void cannotWrite(const QString& path, const QString& why) {
    throw EFileError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, why));
}
} // namespace

Base64File::Base64File(QString folder) : m_folder(std::move(folder)) {}

Base64File::~Base64File() = default;

void Base64File::feed(std::string_view chars) {
    if (m_decoded.capacity() < kChunk + 64)
        m_decoded.reserve(kChunk + 64);
    if (m_stream.feed(chars, m_decoded) && m_decoded.size() >= kChunk) {
        write(m_decoded);
        m_decoded.clear();
    }
}

void Base64File::writeDecoded(const QByteArray& bytes) {
    write(bytes);
}

bool Base64File::finish() {
    if (!m_stream.finish(m_decoded))
        return false;
    if (!m_decoded.isEmpty()) {
        write(m_decoded);
        m_decoded.clear();
    }
    ensureFile(); // an empty text makes an empty file
    errno = 0;
    if (!m_file->flush()) {
        if (outOfSpace(errno, m_folder))
            throw EDiskFull(m_file->fileName());
        cannotWrite(m_file->fileName(), m_file->errorString());
    }
    return true;
}

void Base64File::ensureFile() {
    if (m_file)
        return;
    QDir().mkpath(m_folder);
    m_file = std::make_unique<QTemporaryFile>(
        QDir(m_folder).filePath(QStringLiteral(".recebendo-XXXXXX")));
    if (!m_file->open())
        cannotWrite(m_file->fileTemplate(), m_file->errorString());
}

void Base64File::write(const QByteArray& bytes) {
    ensureFile();
    errno = 0;
    if (m_file->write(bytes) != bytes.size()) {
        if (outOfSpace(errno, m_folder))
            throw EDiskFull(m_file->fileName());
        cannotWrite(m_file->fileName(), m_file->errorString());
    }
}

void Base64File::commit(const QString& destination) {
    ensureFile();
    const QString temporary = m_file->fileName();
    // Readable as a file saved by other means would be; an existing file keeps its permissions.
    const QFileDevice::Permissions permissions =
        QFile::exists(destination) ? QFile::permissions(destination)
                                   : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ReadOther;
    m_file->setPermissions(permissions);
    m_file->close();
    m_file->setAutoRemove(false); // placeFile moves or removes it
    const std::unique_ptr<QTemporaryFile> done = std::move(m_file);
    placeFile(temporary, destination);
}
