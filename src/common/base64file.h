#pragma once

#include "common/base64stream.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string_view>

class QTemporaryFile;

// Decodes standard base64 handed in pieces into a temporary file in the destination's folder,
// so a file of any size never sits whole in memory; commit() puts it in place. The text is read
// as a strict decoder reads it whole: whitespace only around it, "=" padding only at its end.
// Destroyed without a commit, it leaves nothing behind.
class Base64File {
public:
    // The temporary file is created in the folder (made when missing) at the first write;
    // errors are EFileError.
    explicit Base64File(QString folder);
    ~Base64File();
    Base64File(const Base64File&) = delete;
    Base64File& operator=(const Base64File&) = delete;

    // Adds characters of the text.
    void feed(std::string_view chars);
    // Adds bytes already decoded (a text read whole elsewhere), instead of feeding it.
    void writeDecoded(const QByteArray& bytes);
    // Ends the text: false when it is not valid base64.
    bool finish();
    // Whether only whitespace was fed.
    bool blank() const { return m_stream.blank(); }

    // Moves the decoded file over the destination (replacing an existing file); only after a
    // finish() that returned true.
    void commit(const QString& destination);

private:
    void write(const QByteArray& bytes);
    void ensureFile();

    QString m_folder;
    std::unique_ptr<QTemporaryFile> m_file;
    Base64Stream m_stream;
    QByteArray m_decoded; // bytes not written yet
};
