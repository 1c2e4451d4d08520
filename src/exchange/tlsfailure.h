#pragma once

#include "common/exception.h"
#include "exchange/tls.h"

#include <optional>

// A secure connection that could not be made, told in Portuguese around libcurl's own text:
// what went wrong, what the certificate says when one arrived, and what to set.
class ETlsError : public Exception {
public:
    enum class Kind {
        NotTrusted,                // no trusted authority issued the server's certificate
        Expired,                   // it (or its chain) is past its validity, or not yet valid
        NameMismatch,              // it does not hold the address's host name
        ClientCertificateRefused,  // the server wanted one, or did not take the one shown
        ClientCertificateUnusable, // the client's certificate, key or password would not load
        AuthorityUnreadable,       // the authority file holds no PEM certificate
        ProtocolMismatch,          // one side speaks TLS and the other not, or no common version
        Other,
    };
    ETlsError(Kind kind, const QString& message, TlsSession session);
    Kind kind() const { return m_kind; }
    // What was seen of the connection (the server's certificate, when it arrived).
    const TlsSession& session() const { return m_session; }
    QString className() const override { return QStringLiteral("ETlsError"); }

private:
    Kind m_kind;
    TlsSession m_session;
};

// What is known of a failed request.
struct TlsFailureFacts {
    int curlCode = 0; // the transfer's CURLcode
    QString curlText; // libcurl's message
    QString url;      // the address asked for
    TlsSettings settings;
    TlsSession session;       // version and server certificate, as far as the handshake got
    int verifyError = 0;      // the first X509 check error (X509_V_ERR_…), 0 when none
    int verifyErrorDepth = 0; // 0: the server's own certificate
    bool clientCertificateAsked = false;
    int alertReceived = -1; // the last fatal TLS alert the server sent
    bool authorityUnreadable = false;
};

// The failure as a TLS error, or nullopt when it is not one (a refused connection, a time-out).
std::optional<ETlsError> tlsFailure(const TlsFailureFacts& facts);
