#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// How the middleware's HTTPS is spoken: which authorities are trusted beside the system's, which
// certificate the client shows, and whether the server's certificate is checked at all. The
// password of a client certificate is never part of it (it lives in the keyring and travels
// beside it), so the settings can be shown, recorded and written freely.
struct TlsSettings {
    QString authorityFile;     // PEM: one or more authorities trusted beside the system's
    QString clientCertificate; // PEM, or PKCS#12 (.p12, .pfx) holding the key too
    QString clientKey;         // the PEM key of a PEM certificate; empty: in the same file
    bool insecure = false;     // the server's certificate is not verified

    bool isEmpty() const {
        return authorityFile.isEmpty() && clientCertificate.isEmpty() && clientKey.isEmpty() &&
               !insecure;
    }
    // A PKCS#12 client certificate: by its extension, else by its content (not PEM text).
    bool clientIsPkcs12() const;
    bool operator==(const TlsSettings&) const = default;
};

// What a certificate says about itself.
struct TlsCertificate {
    QString subject; // "CN=localhost, O=Loja"
    QString issuer;
    QDateTime notBefore; // UTC
    QDateTime notAfter;
    QStringList names; // the DNS names and addresses it holds (its common name when none)
    QString sha256;    // fingerprint of the DER bytes, "AB:CD:…"

    bool isNull() const { return sha256.isEmpty(); }
    // Reads a DER certificate; a null one when the bytes are not a certificate.
    static TlsCertificate fromDer(const QByteArray& der);
    // Several lines, each indented by two spaces: subject, issuer, validity, names, fingerprint.
    QString details() const;
};

// The TLS of one connection as it was made: empty for plain HTTP.
struct TlsSession {
    QString version;       // "TLSv1.3"
    TlsCertificate server; // the certificate the server presented
    bool verified = false; // false when the check was switched off

    bool isEmpty() const { return version.isEmpty() && server.isNull(); }
    // "TLSv1.3 · CN=localhost · emitido por CN=Autoridade"
    QString brief() const;
    // The brief, then " · SHA-256 AB:CD:…".
    QString summary() const;
};

// The mark every exchange made without checking the server's certificate carries.
inline constexpr const char* kInsecureMark = "INSEGURO: certificado do servidor não verificado";

// The name of the environment variable that holds the password of a PKCS#12 client certificate
// for the command line (and the curl commands it is given in).
inline constexpr const char* kClientPasswordVariable = "TESTADOR_CERT_SENHA";

// Date and time as the messages show them: "dd/MM/yyyy HH:mm UTC".
QString tlsDateText(const QDateTime& utc);
