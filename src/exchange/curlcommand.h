#pragma once

#include "exchange/tls.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A request as it went out, in plain fields.
struct ReplayRequest {
    QString method; // "POST" or "GET"
    QString url;
    std::optional<QString> user; // basic authentication, when it was on
    QString password;
    QByteArray contentType; // sent with a body
    QByteArray body;
    TlsSettings tls; // of an HTTPS address
};

// A body up to this size, printable ASCII (the wire text always is), goes inside the command;
// a larger one, or one with other bytes, is read from a file beside it.
constexpr qsizetype kCurlInlineBodyLimit = 64 * 1024;
bool curlBodyFitsInline(const QByteArray& body);

// A POSIX shell command line that makes the same request with the curl tool: URL, method,
// basic credentials, the client's headers, the TLS settings of an HTTPS address (-k first when the
// server's certificate was not checked; a PKCS#12 certificate's password from the environment
// variable TESTADOR_CERT_SENHA) and the body byte for byte (inline through printf and
// "--data-binary @-", or "--data-binary @FILE" when bodyFile is given).
QString curlCommand(const ReplayRequest& request, const QString& bodyFile = {});
// The text in single quotes for a POSIX shell.
QString shellQuoted(const QString& text);
