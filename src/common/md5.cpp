#include "common/md5.h"

#include "common/exception.h"

#include <openssl/evp.h>

void Md5Stream::Free::operator()(evp_md_ctx_st* ctx) const {
    EVP_MD_CTX_free(ctx);
}

Md5Stream::Md5Stream() : m_ctx(EVP_MD_CTX_new()) {
    if (!m_ctx || EVP_DigestInit_ex(m_ctx.get(), EVP_md5(), nullptr) != 1)
        throw Exception(QStringLiteral("MD5 indisponível nesta instalação"));
}

void Md5Stream::update(std::string_view bytes) {
    EVP_DigestUpdate(m_ctx.get(), bytes.data(), bytes.size());
}

QString Md5Stream::finish() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_DigestFinal_ex(m_ctx.get(), digest, &len);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), int(len)).toHex().toUpper());
}

QString MD5(const QByteArray& bytes) {
    Md5Stream md5;
    md5.update(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return md5.finish();
}
