#pragma once

#include <QByteArray>
#include <QString>

#include <curl/curl.h>

// What is seen of the TLS handshakes of one HTTP client while libcurl makes them, through the
// hook libcurl calls with the OpenSSL context of every new connection. The hook can also add an
// authority file to the trust store the context already holds (the system's authorities), so
// that it is trusted beside them rather than in their place.
struct TlsWatch {
    QByteArray authorityFile; // to add, in the system's encoding; empty: none

    // Of the last connection made (a reused connection keeps them).
    QString version;      // "TLSv1.3", once the handshake got that far
    QByteArray serverDer; // the server's certificate, as soon as it arrived

    // Of the current request; cleared before each.
    bool authorityUnreadable = false;
    int verifyError = 0;      // the first error of the certificate check (X509_V_ERR_…)
    int verifyErrorDepth = 0; // 0: the server's own certificate; 1 and up: its chain
    bool clientCertificateAsked = false;
    int alertReceived = -1; // the last fatal alert the server sent (TLS alert number)

    void clearRequest() {
        authorityUnreadable = false;
        verifyError = 0;
        verifyErrorDepth = 0;
        clientCertificateAsked = false;
        alertReceived = -1;
    }
};

// The hook itself, for CURLOPT_SSL_CTX_FUNCTION with CURLOPT_SSL_CTX_DATA pointing at the
// client's TlsWatch.
CURLcode watchTlsContext(CURL* curl, void* sslContext, void* watch);
