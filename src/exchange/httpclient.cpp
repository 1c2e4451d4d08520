#include "exchange/httpclient.h"

#include "common/utf8valid.h"
#include "exchange/answerhead.h"
#include "exchange/tlsfailure.h"
#include "exchange/tlswatch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <curl/curl.h>

#include <cerrno>
#include <mutex>

namespace {

void ensureCurlInitialised() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Collected {
    QByteArray body;
    QByteArray statusLine;
    QByteArray contentType;
    qint64 maxBody = 0;
    bool tooLarge = false;
    bool outOfMemory = false;
};

// Nothing may be thrown through libcurl's frames: a failure ends the transfer and is told
// after it.
size_t onBody(char* data, size_t size, size_t count, void* user) noexcept {
    auto* c = static_cast<Collected*>(user);
    const qint64 n = qint64(size * count);
    if (c->body.size() + n > c->maxBody) {
        c->tooLarge = true;
        return 0; // ends the transfer
    }
    try {
        c->body.append(data, qsizetype(n));
    } catch (const std::bad_alloc&) {
        c->outOfMemory = true;
        return 0;
    }
    return size * count;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) noexcept try {
    auto* c = static_cast<Collected*>(user);
    AnswerHead head{std::move(c->statusLine), std::move(c->contentType), -1};
    readHeaderLine(QByteArrayView(data, qsizetype(size * count)), head);
    c->statusLine = std::move(head.statusLine); // the last status line wins (after 100 Continue)
    c->contentType = std::move(head.contentType);
    // The body is received into memory reserved once for it (never more than is allowed). A
    // length the memory cannot hold is not reserved: the body then grows as it comes, and
    // fails with a message of its own if it really is that large.
    if (head.contentLength > c->body.capacity() && head.contentLength <= c->maxBody) {
        try {
            c->body.reserve(qsizetype(head.contentLength));
        } catch (const std::bad_alloc&) {
        }
    }
    return size * count;
} catch (const std::exception&) {
    static_cast<Collected*>(user)->outOfMemory = true;
    return 0;
}

// The host's socket error numbers and texts, as the middleware's users know them.
[[noreturn]] void raiseConnectionError(CURLcode code, long osErrno, const char* detail) {
    // A reception that libcurl itself ended (headers past its limit, say) is not a reset by
    // the server, whatever the socket said afterwards: its own text says what happened.
    const QString said = QString::fromUtf8(detail ? detail : "");
    if (code == CURLE_RECV_ERROR && !said.isEmpty() && !said.startsWith(u"Recv failure")) {
        QString message = QStringLiteral("Erro de comunicação: %1").arg(said);
        if (said.contains(u"headers", Qt::CaseInsensitive))
            message += QStringLiteral("\nO servidor mandou cabeçalhos demais ou grandes demais "
                                      "para uma resposta HTTP.");
        throw Exception(message);
    }
    struct Known {
        long err;
        int code;
        const char* text;
    };
    static constexpr Known known[] = {
        {ECONNREFUSED, 10061, "Connection refused."},
        {ETIMEDOUT, ESocketError::kTimedOut, "Connection timed out."},
        {ECONNRESET, 10054, "Connection reset by peer."},
        {EHOSTUNREACH, 10065, "No route to host."},
        {ENETUNREACH, 10051, "Network is unreachable."},
        {ECONNABORTED, 10053, "Software caused connection abort."},
    };
    for (const Known& k : known)
        if (k.err == osErrno)
            throw ESocketError(k.code, QString::fromLatin1(k.text));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        throw ESocketError(11001, QStringLiteral("Host not found."));
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        throw ESocketError(10054, QStringLiteral("Connection reset by peer."));
    case CURLE_OPERATION_TIMEDOUT:
        throw ESocketError(ESocketError::kTimedOut, QStringLiteral("Connection timed out."));
    default:
        throw Exception(
            QStringLiteral("Erro de comunicação: %1")
                .arg(QString::fromUtf8(detail && *detail ? detail : curl_easy_strerror(code))));
    }
}

// Called by libcurl many times a second while a transfer runs (about once a second while
// nothing moves); a non-zero return ends the transfer.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* flag = static_cast<const std::atomic<bool>*>(user);
    return flag && flag->load() ? 1 : 0;
}

// Runs the transfer in slices of at most 50 ms, so that a raised cancel flag ends it at once
// even while nothing moves (libcurl calls the progress callback only about once a second then).
// The multi handle is the client's own and outlives the transfer: the connections it keeps are
// used again by the next request instead of a new connection each time.
CURLcode transfer(CURL* easy, const std::atomic<bool>* cancel, CURLM*& multi) {
    if (!cancel)
        return curl_easy_perform(easy);
    if (!multi && !(multi = curl_multi_init()))
        return CURLE_FAILED_INIT;
    struct Added {
        CURLM* multi;
        CURL* easy;
        Added(CURLM* m, CURL* e) : multi(m), easy(e) { curl_multi_add_handle(multi, easy); }
        ~Added() { curl_multi_remove_handle(multi, easy); }
    } added(multi, easy);
    int running = 1;
    while (running > 0) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            return CURLE_FAILED_INIT;
        if (cancel->load())
            return CURLE_ABORTED_BY_CALLBACK;
        if (running > 0 && curl_multi_poll(multi, nullptr, 0, 50, nullptr) != CURLM_OK)
            return CURLE_FAILED_INIT;
    }
    int left = 0;
    while (const CURLMsg* msg = curl_multi_info_read(multi, &left))
        if (msg->msg == CURLMSG_DONE)
            return msg->data.result;
    return CURLE_FAILED_INIT;
}

// A file the TLS settings name must be there to be read (its content is checked by the handshake).
void requireReadable(const QString& path, const QString& what) {
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists())
        throw EFileError(QStringLiteral("O %1 \"%2\" não foi encontrado.").arg(what, path));
    if (!info.isFile() || !info.isReadable())
        throw EFileError(QStringLiteral("O %1 \"%2\" não pode ser lido.").arg(what, path));
}

// windows-1252 differs from ISO-8859-1 only in 0x80 to 0x9F.
QString decodeWindows1252(const QByteArray& body) {
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text = QString::fromLatin1(body);
    for (QChar& c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(high[c.unicode() - 0x80]);
    return text;
}

QByteArray namedCharset(const QByteArray& contentType) {
    const QByteArray type = contentType.toLower();
    const qsizetype at = type.indexOf("charset=");
    if (at < 0)
        return {};
    QByteArray charset = type.mid(at + 8);
    if (const qsizetype end = charset.indexOf(';'); end >= 0)
        charset.truncate(end);
    charset.replace('"', "");
    return charset.trimmed();
}

} // namespace

ERequestCancelled::ERequestCancelled()
    : Exception(QStringLiteral("Requisição cancelada pelo usuário.")) {}

QString decodeAnswerText(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = namedCharset(contentType);
    if (charset == "windows-1252" || charset == "cp1252")
        return decodeWindows1252(body);
    if (!charset.isEmpty()) {
        if (const auto encoding = QStringConverter::encodingForName(charset.constData()))
            return QStringDecoder(*encoding).decode(body);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    return utf8.hasError() ? QString::fromLatin1(body) : text;
}

bool answerTextIsItsBytes(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = namedCharset(contentType);
    if (charset == "windows-1252" || charset == "cp1252")
        return false;
    if (!charset.isEmpty())
        if (const auto encoding = QStringConverter::encodingForName(charset.constData());
            encoding && *encoding != QStringConverter::Utf8)
            return false;
    // The decoders drop a leading byte-order mark.
    return !body.startsWith("\xEF\xBB\xBF") &&
           json::isValidUtf8(std::string_view(body.constData(), std::size_t(body.size())));
}

EAnswerTooLarge::EAnswerTooLarge(qint64 limit)
    : Exception(QStringLiteral("Resposta grande demais: o servidor enviou mais do que o limite "
                               "de %1 bytes. A resposta foi descartada.")
                    .arg(limit)) {}

EHttpStatusError::EHttpStatusError(HttpAnswer answer)
    : Exception(answer.statusLine.isEmpty() ? QStringLiteral("HTTP %1").arg(answer.status)
                                            : answer.statusLine),
      m_answer(std::move(answer)) {}

EHttpStatusError::EHttpStatusError(HttpAnswer answer, const QString& message)
    : Exception(message), m_answer(std::move(answer)) {}

ESocketError::ESocketError(int code, const QString& text)
    : Exception(QStringLiteral("Socket Error # %1\r\n%2").arg(code).arg(text)), m_code(code) {}

struct MiddlewareHttpClient::Impl {
    CURL* curl = nullptr;
    CURLM* multi = nullptr; // made by the first transfer that watches a cancel flag
    curl_slist* headers = nullptr;
    QByteArray user;
    QByteArray password;
    qint64 maxAnswerBytes = kDefaultMaxAnswerBytes;
    const std::atomic<bool>* cancel = nullptr;
    int timeoutSeconds = 0;
    TlsSettings tls;
    QByteArray clientPassword;
    QByteArray authorityFile; // the file names, in the system's encoding
    QByteArray clientCertificate;
    QByteArray clientKey;
    TlsWatch watch;
    // The server's certificate as last read, so that a reused connection reads it once.
    QByteArray shownDer;
    TlsCertificate shown;
    TlsSession session() {
        if (watch.serverDer != shownDer) {
            shownDer = watch.serverDer;
            shown = TlsCertificate::fromDer(shownDer);
        }
        return TlsSession{watch.version, shown, !tls.insecure};
    }
    void setTlsOptions(CURL* c) {
        requireReadable(tls.authorityFile, QStringLiteral("arquivo da autoridade (CA)"));
        requireReadable(tls.clientCertificate, QStringLiteral("certificado do cliente"));
        requireReadable(tls.clientKey, QStringLiteral("arquivo da chave do cliente"));
        watch.clearRequest();
        // The authority file is trusted beside the system's authorities. Where libcurl finds
        // those in a folder, one by one as a chain needs them, the file takes the place of the
        // system's bundle (as curl's --cacert does), which is then not read at every connection;
        // otherwise the hook adds it to the store the bundle was read into.
        watch.authorityFile.clear();
        if (!authorityFile.isEmpty()) {
            char* folder = nullptr;
            if (curl_easy_getinfo(c, CURLINFO_CAPATH, &folder) == CURLE_OK && folder && *folder)
                curl_easy_setopt(c, CURLOPT_CAINFO, authorityFile.constData());
            else
                watch.authorityFile = authorityFile;
        }
        curl_easy_setopt(c, CURLOPT_SSL_CTX_FUNCTION, &watchTlsContext);
        curl_easy_setopt(c, CURLOPT_SSL_CTX_DATA, &watch);
        // The middleware's clients speak HTTP/1.1 (libcurl would offer HTTP/2 over TLS).
        curl_easy_setopt(c, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
        if (tls.insecure) {
            curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 0L);
        }
        if (!clientCertificate.isEmpty()) {
            curl_easy_setopt(c, CURLOPT_SSLCERT, clientCertificate.constData());
            curl_easy_setopt(c, CURLOPT_SSLCERTTYPE, tls.clientIsPkcs12() ? "P12" : "PEM");
        }
        if (!clientKey.isEmpty())
            curl_easy_setopt(c, CURLOPT_SSLKEY, clientKey.constData());
        if (!clientPassword.isEmpty())
            curl_easy_setopt(c, CURLOPT_KEYPASSWD, clientPassword.constData());
    }
    // libcurl is loaded, and the handle made, by the first request: on the thread that performs
    // it, so that the window, which makes its clients on the UI thread and performs their
    // requests on a helper thread, never waits for the library to load.
    CURL* handle() {
        if (curl)
            return curl;
        ensureCurlInitialised();
        curl = curl_easy_init();
        if (!curl)
            throw Exception(QStringLiteral("Não foi possível criar o cliente HTTP"));
        headers = curl_slist_append(headers, QByteArray("Content-Type: ") + kContentType);
        // Large bodies go at once, without waiting for a 100 Continue.
        headers = curl_slist_append(headers, "Expect:");
        return curl;
    }
    ~Impl() {
        if (multi)
            curl_multi_cleanup(multi);
        if (headers)
            curl_slist_free_all(headers);
        if (curl)
            curl_easy_cleanup(curl);
    }
};

MiddlewareHttpClient::MiddlewareHttpClient(std::optional<HttpCredentials> credentials)
    : m_impl(std::make_unique<Impl>()) {
    if (credentials) {
        m_impl->user = credentials->user.toUtf8();
        m_impl->password = credentials->password.toUtf8();
    }
}

MiddlewareHttpClient::~MiddlewareHttpClient() = default;

void MiddlewareHttpClient::setMaxAnswerBytes(qint64 bytes) {
    m_impl->maxAnswerBytes = bytes;
}

void MiddlewareHttpClient::setCancelFlag(const std::atomic<bool>* flag) {
    m_impl->cancel = flag;
}

void MiddlewareHttpClient::setTimeoutSeconds(int seconds) {
    m_impl->timeoutSeconds = seconds > 0 ? seconds : 0;
}

void MiddlewareHttpClient::setTls(const TlsSettings& settings, const QString& clientPassword) {
    m_impl->tls = settings;
    m_impl->clientPassword = clientPassword.toUtf8();
    m_impl->authorityFile = QFile::encodeName(settings.authorityFile);
    m_impl->clientCertificate = QFile::encodeName(settings.clientCertificate);
    m_impl->clientKey = QFile::encodeName(settings.clientKey);
}

HttpAnswer MiddlewareHttpClient::perform(const QString& url, const QByteArray* body) {
    const QString trimmedUrl = url.trimmed();
    const QString lower = trimmedUrl.toLower();
    if (!lower.startsWith(QStringLiteral("http://")) &&
        !lower.startsWith(QStringLiteral("https://")))
        throw EInvalidUrl(
            QStringLiteral("Endereço inválido: '%1'. Informe o protocolo (http:// ou https://).")
                .arg(trimmedUrl));
    const bool https = lower.startsWith(QStringLiteral("https://"));
    CURL* c = m_impl->handle();
    curl_easy_reset(c);
    Collected collected;
    collected.maxBody = m_impl->maxAnswerBytes;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = trimmedUrl.toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, m_impl->headers);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &collected);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &collected);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(m_impl->timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(m_impl->cancel));
    curl_easy_setopt(c, CURLOPT_PROXY, ""); // the middleware is always reached directly
    // Refused before the body arrives when the server announces its length; otherwise the
    // body callback stops at the limit.
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(m_impl->maxAnswerBytes));
    if (!m_impl->user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        curl_easy_setopt(c, CURLOPT_USERNAME, m_impl->user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, m_impl->password.constData());
    }
    if (body) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body->constData());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body->size()));
    } else {
        curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    }
    if (https)
        m_impl->setTlsOptions(c);
    QElapsedTimer timer;
    timer.start();
    const CURLcode rc = transfer(c, m_impl->cancel, m_impl->multi);
    HttpAnswer answer;
    answer.elapsedMs = double(timer.nsecsElapsed()) / 1e6;
    if (m_impl->cancel && m_impl->cancel->load())
        throw ERequestCancelled(); // an answer that arrived meanwhile is discarded
    if (rc == CURLE_FILESIZE_EXCEEDED || (rc == CURLE_WRITE_ERROR && collected.tooLarge))
        throw EAnswerTooLarge(m_impl->maxAnswerBytes);
    if (rc == CURLE_WRITE_ERROR && collected.outOfMemory)
        throw Exception(QStringLiteral("Memória insuficiente para receber a resposta (%1 bytes "
                                       "recebidos até então).")
                            .arg(collected.body.size()));
    if (rc != CURLE_OK) {
        const TlsWatch& w = m_impl->watch;
        if (std::optional<ETlsError> e = tlsFailure(
                {.curlCode = int(rc),
                 .curlText = QString::fromUtf8(*errorBuffer ? errorBuffer : curl_easy_strerror(rc)),
                 .url = trimmedUrl,
                 .settings = m_impl->tls,
                 .session = https ? m_impl->session() : TlsSession{},
                 .verifyError = w.verifyError,
                 .verifyErrorDepth = w.verifyErrorDepth,
                 .clientCertificateAsked = w.clientCertificateAsked,
                 .alertReceived = w.alertReceived,
                 .authorityUnreadable = w.authorityUnreadable}))
            throw *e;
        long osErrno = 0;
        curl_easy_getinfo(c, CURLINFO_OS_ERRNO, &osErrno);
        raiseConnectionError(rc, osErrno, errorBuffer);
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    answer.status = int(status);
    answer.statusLine = QString::fromLatin1(collected.statusLine);
    answer.contentType = std::move(collected.contentType);
    answer.body = std::move(collected.body);
    if (https)
        answer.tls = m_impl->session();
    return answer;
}

HttpAnswer MiddlewareHttpClient::postRaw(const QString& url, const QByteArray& body) {
    return perform(url, &body);
}

HttpAnswer MiddlewareHttpClient::getRaw(const QString& url) {
    return perform(url, nullptr);
}

HttpAnswer MiddlewareHttpClient::post(const QString& url, const QByteArray& body) {
    HttpAnswer a = postRaw(url, body);
    if (a.status < 200 || a.status > 299)
        throw EHttpStatusError(std::move(a));
    return a;
}

HttpAnswer MiddlewareHttpClient::get(const QString& url) {
    HttpAnswer a = getRaw(url);
    if (a.status < 200 || a.status > 299)
        throw EHttpStatusError(std::move(a));
    return a;
}

QString serviceUrl(const QString& base, const QString& path) {
    return base.trimmed() + path;
}

QString completedBaseUrl(const QString& base) {
    const QString text = base.trimmed();
    if (text.isEmpty() || text.endsWith(u'/'))
        return text;
    if (!text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) &&
        !text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return text;
    return text + u'/';
}
