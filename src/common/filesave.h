#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

// A file written whole or not at all, the one way every file the program writes is written.
//
// A regular file (or a new one) is written under a temporary name beside it and put in place
// by commit() only once every byte reached the disk: a write that fails — a full disk, a
// quota, a folder that went read-only — leaves what was there untouched and raises
// EDiskFull or EFileError naming the file. Writes are buffered, so their failure is often
// known only when the buffer is flushed; commit() checks that flush before anything is
// renamed. A path that names something other than a regular file (a device such as
// /dev/null, a FIFO) is written in place, never renamed over.
class FileSave {
public:
    explicit FileSave(const QString& path);
    ~FileSave(); // without commit(), nothing is put in place
    FileSave(const FileSave&) = delete;
    FileSave& operator=(const FileSave&) = delete;

    // The device to write to (a QXmlStreamWriter, say); its errors are found by commit().
    QIODevice& device();
    // Writes the bytes; raises when the system refuses them at once.
    void write(const QByteArray& bytes);
    // Puts the file in place; raises and leaves the old file whole when any write failed.
    void commit();
    // Gives up: nothing is put in place.
    void cancel();
    const QString& path() const { return m_path; }

private:
    [[noreturn]] void fail(int error, const QString& why);

    QString m_path;
    std::unique_ptr<QSaveFile> m_save; // a regular or a new file
    std::unique_ptr<QFile> m_direct;   // a device or a FIFO
};

// Whether the path names something that is not a regular file (a device, a FIFO, a socket),
// which a save writes in place instead of renaming over.
bool isSpecialFile(const QString& path);

// Puts a finished temporary file in the destination's place: renamed over a regular file (the
// old one stays whole until then), copied into a device or a FIFO. The temporary file is gone
// afterwards either way. Raises EDiskFull or EFileError naming the destination.
void placeFile(const QString& temporary, const QString& destination);
