#pragma once

#include "common/exception.h"
#include "exchange/credentials.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// What came back from the middleware.
struct HttpAnswer {
    int status = 0;
    QString statusLine;     // as the server sent it, e.g. "HTTP/1.1 200 OK"
    QByteArray contentType; // the Content-Type header, empty when absent
    QByteArray body;
    double elapsedMs = 0;
};

// The server answered with an error status; the message is the status line it sent.
class EHttpStatusError : public Exception {
public:
    explicit EHttpStatusError(HttpAnswer answer);
    const HttpAnswer& answer() const { return m_answer; }
    QString className() const override { return QStringLiteral("EHttpStatusError"); }

private:
    HttpAnswer m_answer;
};

// The server could not be reached or the connection failed: "Socket Error # %d", a line
// break and the system's text.
class ESocketError : public Exception {
public:
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

// One HTTP client of the middleware, made for one action and released at its end. Requests
// block until the server answers or the connection fails; there are no time-outs.
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

// The URL of a service path: the base, trimmed, followed directly by the path.
QString serviceUrl(const QString& base, const QString& path);
