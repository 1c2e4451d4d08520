#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <string_view>

struct evp_md_ctx_st;

// 32 upper-case hexadecimal digits of the MD5 digest of the bytes.
QString MD5(const QByteArray& bytes);

// Incremental MD5 over chunks of bytes.
class Md5Stream {
public:
    Md5Stream();
    Md5Stream(const Md5Stream&) = delete;
    Md5Stream& operator=(const Md5Stream&) = delete;

    void update(std::string_view bytes);
    // Upper-case hexadecimal digest; the stream cannot be used afterwards.
    QString finish();

private:
    struct Free {
        void operator()(evp_md_ctx_st* ctx) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> m_ctx;
};
