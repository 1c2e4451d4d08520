#include "common/base64file.h"

#include "common/exception.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <array>
#include <cerrno>
#include <filesystem>

namespace {
constexpr qsizetype kChunk = 1 << 20; // characters decoded at a time

constexpr std::array<bool, 256> kSpace = [] {
    std::array<bool, 256> t{};
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        t[static_cast<unsigned char>(c)] = true;
    return t;
}();

bool isSpace(char c) {
    return kSpace[static_cast<unsigned char>(c)];
}

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
    std::size_t i = 0;
    while (i < chars.size() && m_state != State::Invalid) {
        if (m_state == State::Leading) {
            while (i < chars.size() && isSpace(chars[i]))
                ++i;
            if (i < chars.size())
                m_state = State::Text;
        } else if (m_state == State::Text) {
            std::size_t j = i;
            while (j < chars.size() && !isSpace(chars[j]))
                ++j;
            m_pending.append(chars.data() + i, qsizetype(j - i));
            i = j;
            if (i < chars.size())
                m_state = State::Trailing;
            if (m_pending.size() >= kChunk)
                decodeComplete(false);
        } else {
            // Whitespace inside the text is refused, as the strict decoder refuses it.
            while (i < chars.size() && isSpace(chars[i]))
                ++i;
            if (i < chars.size())
                m_state = State::Invalid;
        }
    }
}

// Decodes the groups of four characters that are certainly not the last ones (padding is only
// allowed in the last group), or everything at the end.
void Base64File::decodeComplete(bool final) {
    const qsizetype take = final ? m_pending.size() : (m_pending.size() - 1) / 4 * 4;
    if (take <= 0)
        return;
    const QByteArray part = m_pending.first(take);
    if (!final && part.contains('=')) {
        m_state = State::Invalid;
        return;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(part, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        m_state = State::Invalid;
        return;
    }
    m_pending.remove(0, take);
    write(*decoded);
}

void Base64File::writeDecoded(const QByteArray& bytes) {
    write(bytes);
}

bool Base64File::finish() {
    if (m_state != State::Invalid)
        decodeComplete(true);
    if (m_state == State::Invalid)
        return false;
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
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(temporary).toStdString()),
                            std::filesystem::path(QFile::encodeName(destination).toStdString()),
                            error);
    if (error == std::errc::no_space_on_device)
        throw EDiskFull(destination);
    if (error)
        cannotWrite(destination, QString::fromStdString(error.message()));
    m_file->setAutoRemove(false);
    m_file.reset();
}
