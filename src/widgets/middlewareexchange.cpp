#include "widgets/middlewareexchange.h"

#include "exchange/answerverdict.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/failurehints.h"
#include "exchange/tlsfailure.h"
#include "exchange/utf8step.h"
#include "widgets/busywait.h"
#include "widgets/textpane.h"

#include <QDateTime>
#include <QLineEdit>

using namespace Qt::StringLiterals;

MiddlewareExchange::MiddlewareExchange(Bindings bindings) : m_bindings(std::move(bindings)) {}

void MiddlewareExchange::conecta(bool force, TEnumConexaoMiddlewareTipoRetorno form) {
    if (!force && !m_bindings.id->text().trimmed().isEmpty())
        return;
    const auto client = getWS(true);
    const json::JsonValue request = buildSessionRequest(m_bindings.sessionFields(), form);
    const HttpAnswer answer =
        send(*client, QString::fromLatin1(kConectaMiddlewarePath), json::toWireText(request), {});
    if (answer.status != 200)
        return;
    if (form == TEnumConexaoMiddlewareTipoRetorno_Completo) {
        if (const auto id = sessionIdFromCompleteAnswer(answer.body))
            m_bindings.id->setText(*id);
    } else {
        m_bindings.id->setText(sessionIdFromSimpleAnswer(m_bindings.response->text()));
    }
}

std::unique_ptr<MiddlewareHttpClient> MiddlewareExchange::getWS(bool authenticate) const {
    std::optional<HttpCredentials> credentials;
    if (authenticate)
        credentials = m_credentials
                          ? *m_credentials
                          : credentialsForCompanyText(m_bindings.sessionFields().codigoEmpresa);
    auto client = std::make_unique<MiddlewareHttpClient>(credentials);
    client->setMaxAnswerBytes(m_maxAnswerBytes);
    client->setCancelFlag(cancelFlag());
    client->setTimeoutSeconds(m_timeoutSeconds);
    client->setTls(m_tls, m_clientPassword);
    return client;
}

json::JsonValue MiddlewareExchange::getJParam(json::JsonValue dados) const {
    return buildEnvelope(m_bindings.id->text(), m_bindings.sessionFields().codigoEmpresa,
                         std::move(dados));
}

QString MiddlewareExchange::baseUrl() const {
    return m_bindings.endereco->text();
}

QString MiddlewareExchange::getURL(const QString& path) const {
    return serviceUrl(m_bindings.endereco->text(), path);
}

HttpAnswer MiddlewareExchange::standard(const QString& path, const DadosBuilder& dados,
                                        Options options) {
    conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
    return envelopeWithoutSession(path, dados, options);
}

HttpAnswer MiddlewareExchange::envelopeWithoutSession(const QString& path,
                                                      const DadosBuilder& dados, Options options) {
    const auto client = getWS(options.authenticate);
    const json::JsonValue envelope = getJParam(dados());
    return send(*client, path, json::toWireText(envelope), options);
}

HttpAnswer MiddlewareExchange::plain(const QString& path, const DadosBuilder& dados,
                                     Options options) {
    const auto client = getWS(options.authenticate);
    return send(*client, path, json::toWireText(dados()), options);
}

HttpAnswer MiddlewareExchange::postWire(const QString& path, const std::string& wireText,
                                        Options options) {
    const auto client = getWS(options.authenticate);
    return send(*client, path, wireText, options);
}

HttpAnswer MiddlewareExchange::get(const QString& path, Options options) {
    const auto client = getWS(options.authenticate);
    const QString url = getURL(path);
    return perform(u"GET"_s, path, QByteArray(), options.authenticate,
                   [&] { return client->get(url); });
}

namespace {

// The answer's text as the response pane keeps it: the body itself when it is its own text (no
// copy, nothing decoded), else the text decoded by its character set.
struct ShownAnswer {
    QByteArray utf8;
    QString text;
    bool isUtf8 = false;

    static ShownAnswer of(const HttpAnswer& a) {
        if (answerTextIsItsBytes(a.body, a.contentType))
            return {a.body, {}, true};
        return {{}, decodeAnswerText(a.body, a.contentType), false};
    }
    void appendTo(TextPane& pane) const {
        if (isUtf8)
            pane.appendUtf8(utf8);
        else
            pane.append(text);
    }
};

} // namespace

HttpAnswer MiddlewareExchange::send(MiddlewareHttpClient& client, const QString& path,
                                    const std::string& wireText, const Options& options) {
    const QByteArray body = QByteArray::fromStdString(wireText);
    if (options.showInPanes) {
        m_bindings.request->setUtf8(body); // the wire text is ASCII
        if (options.clearResponse)
            m_bindings.response->clear();
    }
    const QString url = getURL(path);
    ShownAnswer shown; // read on the helper thread
    try {
        HttpAnswer answer = perform(u"POST"_s, path, body, options.authenticate, [&] {
            HttpAnswer a = client.post(url, body);
            if (options.showInPanes)
                shown = ShownAnswer::of(a);
            return a;
        });
        if (options.showInPanes)
            shown.appendTo(*m_bindings.response);
        return answer;
    } catch (const EHttpStatusError& e) {
        // The server's own account of the error is worth reading; the message keeps its
        // status line.
        if (options.showInPanes)
            ShownAnswer::of(e.answer()).appendTo(*m_bindings.response);
        throw;
    }
}

void MiddlewareExchange::setPanes(const QString& request, const QString& response) {
    m_bindings.request->setText(request);
    m_bindings.response->setText(response);
}

void MiddlewareExchange::setResponsePane(const QString& response) {
    m_bindings.response->setText(response);
}

HttpAnswer MiddlewareExchange::perform(const QString& method, const QString& path,
                                       const QByteArray& body, bool authenticated,
                                       const std::function<HttpAnswer()>& request) {
    if (m_beforeSending)
        m_beforeSending(path);
    ExchangeRecord record;
    record.started = QDateTime::currentDateTime();
    record.method = method;
    record.servicePath = path;
    record.url = getURL(path);
    record.authenticated = authenticated;
    if (authenticated)
        record.companyCode = m_bindings.sessionFields().codigoEmpresa;
    record.request = body;
    if (record.url.trimmed().startsWith(u"https://"_s, Qt::CaseInsensitive))
        record.tls = m_tls;
    std::optional<AnswerVerdict> verdict;
    const auto tell = [&](const HttpAnswer& answer) {
        record.status = answer.status;
        record.statusLine = answer.statusLine;
        record.contentType = answer.contentType;
        record.answer = answer.body;
        if (!answer.tls.isEmpty())
            record.tlsSession = answer.tls;
        record.elapsedMs = answer.elapsedMs > 0
                               ? answer.elapsedMs
                               : double(record.started.msecsTo(QDateTime::currentDateTime()));
        if (!verdict)
            verdict = readAnswerVerdict(answer.body);
        record.rejected = verdict->rejected;
        record.rejection = verdict->message;
        if (m_bindings.recorded)
            m_bindings.recorded(record);
    };
    try {
        HttpAnswer answer =
            waitWithoutFreezing(u"Aguardando resposta de %1…"_s.arg(record.url), [&] {
                HttpAnswer a = request();
                verdict = readAnswerVerdict(a.body); // on the helper thread: answers may be large
                return a;
            });
        tell(answer);
        return answer;
    } catch (const ERequestCancelled& e) {
        record.failure = e.message();
        record.cancelled = true;
        verdict.reset();
        tell(HttpAnswer{});
        throw;
    } catch (const EHttpStatusError& e) {
        record.failure = e.message();
        tell(e.answer());
        const QString hint = failureHint(0, e.answer().status, record.url, m_timeoutSeconds);
        if (hint.isEmpty())
            throw;
        throw EHttpStatusError(e.answer(), e.message() + u"\r\n"_s + hint);
    } catch (const ESocketError& e) {
        // The system's text, then the address that could not be reached on a line of its own
        // and what to check.
        const QString hint = failureHint(e.code(), 0, record.url, m_timeoutSeconds);
        const ESocketError located(e.code(), e.message().section(u"\r\n"_s, 1) + u"\r\n"_s +
                                                 record.url +
                                                 (hint.isEmpty() ? QString() : u"\r\n"_s + hint));
        record.failure = located.message();
        tell(HttpAnswer{});
        throw located;
    } catch (const ETlsError& e) {
        record.failure = e.message();
        record.tlsSession = e.session();
        tell(HttpAnswer{});
        throw;
    } catch (const Exception& e) {
        record.failure = e.message();
        tell(HttpAnswer{});
        throw;
    }
}
