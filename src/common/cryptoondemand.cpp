// OpenSSL's libcrypto loaded on first use (see common/ondemandlibrary.h): only protected texts
// need it (signing uses Qt's own digest), so most runs never load it.
#include "common/ondemandlibrary.h"

// The definitions are hidden: a library that calls the same functions (libzip calls libcrypto,
// libcurl calls both) keeps calling its own dependency, never these.
#pragma GCC visibility push(hidden)
#include <openssl/evp.h>

namespace {

OnDemandLibrary& libcrypto() {
    static OnDemandLibrary library("crypto", 3, "com que o testador cifra os textos protegidos");
    return library;
}

template <typename Function> Function cryptoFunction(const char* name) {
    return libcrypto().function<Function>(name);
}

} // namespace

extern "C" {

const EVP_CIPHER* EVP_aes_128_ecb() {
    static const auto f = cryptoFunction<decltype(&EVP_aes_128_ecb)>("EVP_aes_128_ecb");
    return f();
}

EVP_CIPHER_CTX* EVP_CIPHER_CTX_new() {
    static const auto f = cryptoFunction<decltype(&EVP_CIPHER_CTX_new)>("EVP_CIPHER_CTX_new");
    return f();
}

void EVP_CIPHER_CTX_free(EVP_CIPHER_CTX* context) {
    static const auto f = cryptoFunction<decltype(&EVP_CIPHER_CTX_free)>("EVP_CIPHER_CTX_free");
    f(context);
}

int EVP_CipherInit_ex(EVP_CIPHER_CTX* context, const EVP_CIPHER* cipher, ENGINE* engine,
                      const unsigned char* key, const unsigned char* iv, int encrypt) {
    static const auto f = cryptoFunction<decltype(&EVP_CipherInit_ex)>("EVP_CipherInit_ex");
    return f(context, cipher, engine, key, iv, encrypt);
}

int EVP_CipherUpdate(EVP_CIPHER_CTX* context, unsigned char* out, int* outLength,
                     const unsigned char* in, int inLength) {
    static const auto f = cryptoFunction<decltype(&EVP_CipherUpdate)>("EVP_CipherUpdate");
    return f(context, out, outLength, in, inLength);
}

int EVP_CipherFinal_ex(EVP_CIPHER_CTX* context, unsigned char* out, int* outLength) {
    static const auto f = cryptoFunction<decltype(&EVP_CipherFinal_ex)>("EVP_CipherFinal_ex");
    return f(context, out, outLength);
}

} // extern "C"

#pragma GCC visibility pop
