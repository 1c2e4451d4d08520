#include "common/md5.h"

Md5Stream::Md5Stream() = default;

void Md5Stream::update(std::string_view bytes) {
    m_hash.addData(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString Md5Stream::finish() {
    return QString::fromLatin1(m_hash.result().toHex().toUpper());
}

QString MD5(const QByteArray& bytes) {
    Md5Stream md5;
    md5.update(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return md5.finish();
}
