// OpenSSL's libssl and the part of libcrypto that reads certificates, loaded on first use (see
// common/ondemandlibrary.h). Only an HTTPS exchange calls them: from inside libcurl's handshake,
// which has already loaded both, and to show the server's certificate.
#include "common/ondemandlibrary.h"

// The definitions are hidden: libcurl, libzip and cpp-httplib keep calling their own dependency,
// never these.
#pragma GCC visibility push(hidden)
#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

namespace {

OnDemandLibrary& libssl() {
    static OnDemandLibrary library("ssl", 3, "com que o testador fala HTTPS");
    return library;
}

OnDemandLibrary& libcrypto() {
    static OnDemandLibrary library("crypto", 3, "com que o testador lê certificados");
    return library;
}

} // namespace

// Defines the function NAME with its parameters PARAMS (as declared by OpenSSL) passing ARGS on
// to the function of the same name in LIBRARY, found on the first call.
#define QUORVA_FORWARD(LIBRARY, RESULT, NAME, PARAMS, ARGS)                                        \
    RESULT NAME PARAMS {                                                                           \
        static const auto f = LIBRARY().function<decltype(&NAME)>(#NAME);                          \
        return f ARGS;                                                                             \
    }

extern "C" {

QUORVA_FORWARD(libssl, X509_STORE*, SSL_CTX_get_cert_store, (const SSL_CTX* c), (c))
QUORVA_FORWARD(libssl, void, SSL_CTX_set_verify, (SSL_CTX * c, int mode, SSL_verify_cb cb),
               (c, mode, cb))
QUORVA_FORWARD(libssl, int, SSL_CTX_get_verify_mode, (const SSL_CTX* c), (c))
QUORVA_FORWARD(libssl, void, SSL_CTX_set_info_callback,
               (SSL_CTX * c, void (*cb)(const SSL*, int, int)), (c, cb))
QUORVA_FORWARD(libssl, void, SSL_CTX_set_cert_cb, (SSL_CTX * c, int (*cb)(SSL*, void*), void* arg),
               (c, cb, arg))
QUORVA_FORWARD(libssl, int, SSL_CTX_set_ex_data, (SSL_CTX * c, int index, void* data),
               (c, index, data))
QUORVA_FORWARD(libssl, void*, SSL_CTX_get_ex_data, (const SSL_CTX* c, int index), (c, index))
QUORVA_FORWARD(libssl, SSL_CTX*, SSL_get_SSL_CTX, (const SSL* s), (s))
QUORVA_FORWARD(libssl, const char*, SSL_get_version, (const SSL* s), (s))
QUORVA_FORWARD(libssl, X509*, SSL_get0_peer_certificate, (const SSL* s), (s))
QUORVA_FORWARD(libssl, int, SSL_get_ex_data_X509_STORE_CTX_idx, (void), ())

QUORVA_FORWARD(libcrypto, int, CRYPTO_get_ex_new_index,
               (int classIndex, long argl, void* argp, CRYPTO_EX_new* newFunction,
                CRYPTO_EX_dup* dupFunction, CRYPTO_EX_free* freeFunction),
               (classIndex, argl, argp, newFunction, dupFunction, freeFunction))
QUORVA_FORWARD(libcrypto, int, X509_STORE_load_file, (X509_STORE * s, const char* file), (s, file))
QUORVA_FORWARD(libcrypto, void*, X509_STORE_CTX_get_ex_data, (const X509_STORE_CTX* c, int index),
               (c, index))
QUORVA_FORWARD(libcrypto, X509*, X509_STORE_CTX_get0_cert, (const X509_STORE_CTX* c), (c))
QUORVA_FORWARD(libcrypto, int, X509_STORE_CTX_get_error, (const X509_STORE_CTX* c), (c))
QUORVA_FORWARD(libcrypto, int, X509_STORE_CTX_get_error_depth, (const X509_STORE_CTX* c), (c))
QUORVA_FORWARD(libcrypto, const char*, X509_verify_cert_error_string, (long error), (error))
QUORVA_FORWARD(libcrypto, int, i2d_X509, (const X509* x, unsigned char** out), (x, out))
QUORVA_FORWARD(libcrypto, X509*, d2i_X509, (X509 * *x, const unsigned char** in, long length),
               (x, in, length))
QUORVA_FORWARD(libcrypto, void, X509_free, (X509 * x), (x))
QUORVA_FORWARD(libcrypto, X509_NAME*, X509_get_subject_name, (const X509* x), (x))
QUORVA_FORWARD(libcrypto, X509_NAME*, X509_get_issuer_name, (const X509* x), (x))
QUORVA_FORWARD(libcrypto, int, X509_NAME_print_ex,
               (BIO * out, const X509_NAME* name, int indent, unsigned long flags),
               (out, name, indent, flags))
QUORVA_FORWARD(libcrypto, const ASN1_TIME*, X509_get0_notBefore, (const X509* x), (x))
QUORVA_FORWARD(libcrypto, const ASN1_TIME*, X509_get0_notAfter, (const X509* x), (x))
QUORVA_FORWARD(libcrypto, int, ASN1_TIME_to_tm, (const ASN1_TIME* t, struct tm* out), (t, out))
QUORVA_FORWARD(libcrypto, void*, X509_get_ext_d2i, (const X509* x, int nid, int* crit, int* index),
               (x, nid, crit, index))
QUORVA_FORWARD(libcrypto, void, GENERAL_NAMES_free, (GENERAL_NAMES * names), (names))
QUORVA_FORWARD(libcrypto, int, OPENSSL_sk_num, (const OPENSSL_STACK* s), (s))
QUORVA_FORWARD(libcrypto, void*, OPENSSL_sk_value, (const OPENSSL_STACK* s, int i), (s, i))
QUORVA_FORWARD(libcrypto, const unsigned char*, ASN1_STRING_get0_data, (const ASN1_STRING* s), (s))
QUORVA_FORWARD(libcrypto, int, ASN1_STRING_length, (const ASN1_STRING* s), (s))
QUORVA_FORWARD(libcrypto, const BIO_METHOD*, BIO_s_mem, (void), ())
QUORVA_FORWARD(libcrypto, BIO*, BIO_new, (const BIO_METHOD* method), (method))
QUORVA_FORWARD(libcrypto, long, BIO_ctrl, (BIO * b, int command, long larg, void* parg),
               (b, command, larg, parg))
QUORVA_FORWARD(libcrypto, int, BIO_free, (BIO * b), (b))

} // extern "C"

#undef QUORVA_FORWARD

#pragma GCC visibility pop
