#pragma once

#include "common/exception.h"
#include "exchange/credentials.h"
#include "exchange/tls.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

// What came back from the middleware.
struct HttpAnswer {
    int status = 0;
    QString statusLine;     // as the server sent it, e.g. "HTTP/1.1 200 OK"
    QByteArray contentType; // the Content-Type header, empty when absent
    QByteArray body;
    double elapsedMs = 0;
    TlsSession tls; // of the connection the answer came on; empty for plain HTTP
};

// The server answered with an error status; the message is the status line it sent.
class EHttpStatusError : public Exception {
public:
    explicit EHttpStatusError(HttpAnswer answer);
    // The same error with a message of its own (the status line and a hint, say).
    EHttpStatusError(HttpAnswer answer, const QString& message);
    const HttpAnswer& answer() const { return m_answer; }
    QString className() const override { return QStringLiteral("EHttpStatusError"); }

private:
    HttpAnswer m_answer;
};

// The server could not be reached or the connection failed: "Socket Error # %d", a line
// break and the system's text.
class ESocketError : public Exception {
public:
    // The code of a connection or an answer that did not come in time.
    static constexpr int kTimedOut = 10060;

    ESocketError(int code, const QString& text);
    int code() const { return m_code; }
    QString className() const override { return QStringLiteral("ESocketError"); }

private:
    int m_code;
};

// A URL the client cannot use (no http:// or https:// scheme, for example).
class EInvalidUrl : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EInvalidUrl"); }
};

// The answer is larger than the client takes.
class EAnswerTooLarge : public Exception {
public:
    explicit EAnswerTooLarge(qint64 limit);
    QString className() const override { return QStringLiteral("EAnswerTooLarge"); }
};

// The user cancelled the request: whatever the server sent (or sends later) is discarded.
class ERequestCancelled : public Exception {
public:
    ERequestCancelled();
    QString className() const override { return QStringLiteral("ERequestCancelled"); }
};

// One HTTP client of the middleware, made for one action and released at its end. Requests
// block until the server answers, the connection fails, the cancel flag is raised or the
// optional time-out passes; there is no time-out unless one is set.
class MiddlewareHttpClient {
public:
    static constexpr const char* kContentType = "application/json;charset=UTF-8";
    // The largest answer body taken unless told otherwise.
    static constexpr qint64 kDefaultMaxAnswerBytes = 1024ll * 1024 * 1024;

    // Without credentials, basic authentication is off.
    explicit MiddlewareHttpClient(std::optional<HttpCredentials> credentials);
    ~MiddlewareHttpClient();
    MiddlewareHttpClient(const MiddlewareHttpClient&) = delete;
    MiddlewareHttpClient& operator=(const MiddlewareHttpClient&) = delete;

    // A larger answer body ends the request with EAnswerTooLarge, whether the server announces
    // its length or not.
    void setMaxAnswerBytes(qint64 bytes);
    // While the flag is raised the transfer ends at once with ERequestCancelled (the flag must
    // outlive the client's requests). nullptr: the request cannot be cancelled.
    void setCancelFlag(const std::atomic<bool>* flag);
    // The longest a request may take as a whole, in seconds; 0: no limit (the default).
    void setTimeoutSeconds(int seconds);
    // How HTTPS addresses are spoken to (plain HTTP ignores it): the authority file trusted beside
    // the system's, the client certificate with its key and password, or no check of the server's
    // certificate at all. A TLS failure raises ETlsError (exchange/tlsfailure.h); a file that
    // cannot be read, EFileError.
    void setTls(const TlsSettings& settings, const QString& clientPassword = {});

    // POST of the body; raises EHttpStatusError for any status other than 2xx.
    HttpAnswer post(const QString& url, const QByteArray& body);
    // GET; raises like post.
    HttpAnswer get(const QString& url);
    // The same requests, returning error statuses instead of raising them (connection
    // failures still raise).
    HttpAnswer postRaw(const QString& url, const QByteArray& body);
    HttpAnswer getRaw(const QString& url);

private:
    HttpAnswer perform(const QString& url, const QByteArray* body);
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The text of an answer body, decoded by the character set the answer names (UTF-8, UTF-16,
// ISO-8859-1 or windows-1252); without one, or with one not known, as UTF-8 when the body is
// valid UTF-8 and one character per byte otherwise, so nothing is ever lost or refused.
QString decodeAnswerText(const QByteArray& body, const QByteArray& contentType);
// Whether that text is the body read as UTF-8, character for character, so that the body
// itself can stand for it: valid UTF-8 without a byte-order mark, and no other character set
// named.
bool answerTextIsItsBytes(const QByteArray& body, const QByteArray& contentType);

// The URL of a service path: the base, trimmed, followed directly by the path.
QString serviceUrl(const QString& base, const QString& path);
// The base with its final slash when it is an http:// or https:// address without one (the
// services are put directly after it); any other text as it is, trimmed.
QString completedBaseUrl(const QString& base);
