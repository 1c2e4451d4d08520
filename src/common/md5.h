#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <string_view>

// 32 upper-case hexadecimal digits of the MD5 digest of the bytes.
QString MD5(const QByteArray& bytes);

// Incremental MD5 over chunks of bytes. Qt's own digest: signing a request loads no other
// library (OpenSSL's costs milliseconds and megabytes to load and initialise, more than it saves
// on the largest data).
class Md5Stream {
public:
    Md5Stream();
    Md5Stream(const Md5Stream&) = delete;
    Md5Stream& operator=(const Md5Stream&) = delete;

    void update(std::string_view bytes);
    // Upper-case hexadecimal digest; the stream cannot be used afterwards.
    QString finish();

private:
    QCryptographicHash m_hash{QCryptographicHash::Md5};
};
