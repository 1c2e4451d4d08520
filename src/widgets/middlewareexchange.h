#pragma once

#include "common/jsonvalue.h"
#include "exchange/credentials.h"
#include "exchange/httpclient.h"
#include "exchange/session.h"
#include "widgets/exchangerecord.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class TextPane;

struct ExchangeOptions {
    bool authenticate = true;
    bool clearResponse = true; // clear mm_Response before sending
    bool showInPanes = true;   // false: the panes are left untouched
};

// The exchange with the middleware as the window runs it: the session check, the client
// set-up, the signed envelope, and the display of request and answer in the two panes.
class MiddlewareExchange {
public:
    // Where the exchange reads and writes the window's state.
    struct Bindings {
        QLineEdit* endereco = nullptr; // ed_EnderecoWS
        QLineEdit* id = nullptr;       // ed_Id
        TextPane* request = nullptr;   // mm_Request
        TextPane* response = nullptr;  // mm_Response
        std::function<SessionFields()> sessionFields;
        // Told of every exchange once it ends, whether it succeeded or failed.
        std::function<void(const ExchangeRecord&)> recorded;
    };
    // Builds the data value; runs after the session check and client set-up, so a page's
    // checks and file reading come after them.
    using DadosBuilder = std::function<json::JsonValue()>;

    using Options = ExchangeOptions;

    explicit MiddlewareExchange(Bindings bindings);

    // The session request (the system's _Conecta); with force off it does nothing while a
    // session Id is present.
    void conecta(bool force, TEnumConexaoMiddlewareTipoRetorno form);
    // A new HTTP client with the credentials of the company code, or none (_GetWS).
    std::unique_ptr<MiddlewareHttpClient> getWS(bool authenticate) const;
    // The signed envelope of the data value, for the current session Id and company code
    // (_GetJParam); getURL is _GetURL.
    json::JsonValue getJParam(json::JsonValue dados) const;
    QString getURL(const QString& path) const;

    // Session check, client set-up, data, envelope, display and send.
    HttpAnswer standard(const QString& path, const DadosBuilder& dados, Options options = {});
    // The same without the session check.
    HttpAnswer envelopeWithoutSession(const QString& path, const DadosBuilder& dados,
                                      Options options = {});
    // Client set-up, data, display and send: the data value itself is posted.
    HttpAnswer plain(const QString& path, const DadosBuilder& dados, Options options = {});
    // Client set-up and send of a text already built (an envelope), without the session check.
    HttpAnswer postWire(const QString& path, const std::string& wireText, Options options = {});
    // A GET of the path (the answer is raw bytes).
    HttpAnswer get(const QString& path, Options options = {});

    // The largest answer body taken (MiddlewareHttpClient::kDefaultMaxAnswerBytes at start).
    void setMaxAnswerBytes(qint64 bytes) { m_maxAnswerBytes = bytes; }
    qint64 maxAnswerBytes() const { return m_maxAnswerBytes; }
    // The longest a request may take, in seconds; 0: no limit (the default).
    void setTimeoutSeconds(int seconds) { m_timeoutSeconds = seconds; }
    int timeoutSeconds() const { return m_timeoutSeconds; }

    // The HTTP credentials of the chosen environment, in place of the company code's own;
    // nullopt goes back to the company code's.
    void setCredentials(std::optional<HttpCredentials> credentials) {
        m_credentials = std::move(credentials);
    }
    const std::optional<HttpCredentials>& credentials() const { return m_credentials; }
    // How HTTPS addresses are spoken to (the chosen environment's), with the client
    // certificate's password.
    void setTls(const TlsSettings& settings, const QString& clientPassword) {
        m_tls = settings;
        m_clientPassword = clientPassword;
    }
    const TlsSettings& tls() const { return m_tls; }
    const QString& clientPassword() const { return m_clientPassword; }
    // The address typed in ed_EnderecoWS.
    QString baseUrl() const;
    // Every request passes here first, with its service path; throwing stops it.
    void setBeforeSending(std::function<void(const QString& path)> check) {
        m_beforeSending = std::move(check);
    }
    // Runs that check for a request sent by other means (a scenario's replay).
    void checkBeforeSending(const QString& path) const {
        if (m_beforeSending)
            m_beforeSending(path);
    }

    // The request and response panes, for actions that show something of their own there.
    void setPanes(const QString& request, const QString& response);
    void setResponsePane(const QString& response);

private:
    HttpAnswer send(MiddlewareHttpClient& client, const QString& path, const std::string& wireText,
                    const Options& options);
    // Runs the request on the helper thread and hands its record to Bindings::recorded.
    HttpAnswer perform(const QString& method, const QString& path, const QByteArray& body,
                       bool authenticated, const std::function<HttpAnswer()>& request);

    Bindings m_bindings;
    qint64 m_maxAnswerBytes = MiddlewareHttpClient::kDefaultMaxAnswerBytes;
    int m_timeoutSeconds = 0;
    std::optional<HttpCredentials> m_credentials;
    TlsSettings m_tls;
    QString m_clientPassword;
    std::function<void(const QString& path)> m_beforeSending;
};
