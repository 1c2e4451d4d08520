#pragma once

#include "exchange/tls.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One exchange with the middleware as it happened: what went out, what came back (or why
// nothing did). The window hands every finished exchange to whoever shows or keeps them.
struct ExchangeRecord {
    QDateTime started;   // local time the request was sent
    QString method;      // "POST" or "GET"
    QString servicePath; // e.g. "TNFeAPI/InutilizaSEFAZ"
    QString url;         // the whole URL requested
    bool authenticated = false;
    QString companyCode; // the company code the credentials came from (never the key)
    QByteArray request;  // the body sent, byte for byte (empty for GET)
    int status = 0;      // HTTP status; 0 when no answer arrived
    QString statusLine;  // as the server sent it
    QByteArray contentType;
    QByteArray answer; // the body received, byte for byte
    double elapsedMs = 0;
    QString failure;        // the message of a failed exchange (connection, cancel, limit)
    bool cancelled = false; // the user cancelled it; whatever came back was discarded
    bool rejected = false;  // the answer's control part says "err":true
    QString rejection;      // and its "msg"
    TlsSettings tls;        // as set for an HTTPS address (never the certificate's password)
    TlsSession tlsSession;  // as the connection was made (empty for HTTP or none made)
};
