#include "exchange/tlswatch.h"

#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace {

// Where a context keeps its watch.
int watchIndex() {
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

TlsWatch* watchOf(const SSL* ssl) {
    return ssl ? static_cast<TlsWatch*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), watchIndex()))
               : nullptr;
}

QByteArray derOf(const X509* certificate) {
    const int size = certificate ? i2d_X509(certificate, nullptr) : -1;
    if (size <= 0)
        return {};
    QByteArray der(size, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(der.data());
    return i2d_X509(certificate, &out) == size ? der : QByteArray();
}

// Called for every certificate of the server's chain, its own last; the verdict is OpenSSL's.
int onVerify(int ok, X509_STORE_CTX* store) {
    const auto* ssl = static_cast<const SSL*>(
        X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    if (TlsWatch* w = watchOf(ssl)) {
        w->version = QString::fromLatin1(SSL_get_version(ssl));
        if (const QByteArray der = derOf(X509_STORE_CTX_get0_cert(store)); !der.isEmpty())
            w->serverDer = der;
        if (!ok && w->verifyError == 0) {
            w->verifyError = X509_STORE_CTX_get_error(store);
            w->verifyErrorDepth = X509_STORE_CTX_get_error_depth(store);
        }
    }
    return ok;
}

void onInfo(const SSL* ssl, int where, int value) {
    TlsWatch* w = watchOf(ssl);
    if (!w)
        return;
    if (where & SSL_CB_HANDSHAKE_DONE) {
        w->version = QString::fromLatin1(SSL_get_version(ssl));
        // A resumed session shows no chain to check, but keeps the server's certificate.
        if (const QByteArray der = derOf(SSL_get0_peer_certificate(ssl)); !der.isEmpty())
            w->serverDer = der;
    }
    constexpr int kFatal = 2;
    if ((where & SSL_CB_READ_ALERT) && (value >> 8) == kFatal)
        w->alertReceived = value & 0xff;
}

// Called when the server asks for a client certificate, whether one was set or not.
int onCertificateRequest(SSL*, void* watch) {
    static_cast<TlsWatch*>(watch)->clientCertificateAsked = true;
    return 1;
}

} // namespace

CURLcode watchTlsContext(CURL*, void* sslContext, void* watch) {
    auto* context = static_cast<SSL_CTX*>(sslContext);
    auto* w = static_cast<TlsWatch*>(watch);
    if (!w->authorityFile.isEmpty() &&
        X509_STORE_load_file(SSL_CTX_get_cert_store(context), w->authorityFile.constData()) != 1) {
        w->authorityUnreadable = true;
        return CURLE_SSL_CACERT_BADFILE;
    }
    SSL_CTX_set_ex_data(context, watchIndex(), w);
    SSL_CTX_set_verify(context, SSL_CTX_get_verify_mode(context), &onVerify);
    SSL_CTX_set_info_callback(context, &onInfo);
    SSL_CTX_set_cert_cb(context, &onCertificateRequest, w);
    return CURLE_OK;
}
