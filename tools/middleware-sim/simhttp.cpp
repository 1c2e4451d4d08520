#include "simhttp.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace sim {

namespace {

using Clock = SimHttpServer::Clock;

// The request being served by this thread.
struct RequestScope {
    Clock::time_point started;
    std::string contentType;
    bool closeAfter = false;
    bool answered = false;
    std::size_t bodyBytes = 0;
    std::string error;
};
thread_local RequestScope t_request;

// Waits are cut into slices so that a stopping server is noticed at once.
constexpr auto kSlice = std::chrono::milliseconds(100);

std::string addressText(const sockaddr_storage& a) {
    char text[INET6_ADDRSTRLEN] = {};
    if (a.ss_family == AF_INET)
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(a).sin_addr, text, sizeof text);
    else if (a.ss_family == AF_INET6)
        ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(a).sin6_addr, text,
                    sizeof text);
    return text;
}

int portOf(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(a).sin_port);
    if (a.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(a).sin6_port);
    return -1;
}

// Waits for the socket to become ready, in slices so that a stopping server is noticed at once,
// until the time given; false when it did not.
bool waitUntil(socket_t sock, short events, Clock::time_point until,
               const std::atomic<socket_t>& server) {
    for (;;) {
        if (server == INVALID_SOCKET)
            return false;
        const auto left = until - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        const auto slice = std::min<Clock::duration>(left, kSlice);
        pollfd p{sock, events, 0};
        const int r = ::poll(
            &p, 1, int(std::chrono::duration_cast<std::chrono::milliseconds>(slice).count()) + 1);
        if (r > 0)
            return true;
        if (r < 0 && errno != EINTR)
            return false;
    }
}

// The text of OpenSSL's last error, or of the TLS alert the client sent.
std::string sslErrorText() {
    char text[256] = {};
    ERR_error_string_n(ERR_peek_last_error(), text, sizeof text);
    return text[0] ? text : "conexão fechada pelo cliente";
}

// Ends the sending side and reads what the client still sends until it closes (a second at
// most): closing over unread bytes would reset the connection, and the client could lose what
// it was told last (an alert, an answer) before reading it.
void closeSendingAndDrain(socket_t sock) {
    ::shutdown(sock, SHUT_WR);
    const auto until = Clock::now() + std::chrono::seconds(1);
    char discard[4096];
    for (pollfd p{sock, POLLIN, 0}; Clock::now() < until && ::poll(&p, 1, 100) >= 0;)
        if ((p.revents & POLLIN) && ::recv(sock, discard, sizeof discard, 0) <= 0)
            break;
}

// A plain HTTP request came where TLS was expected: it is told so in plain HTTP.
void answerPlainRequest(socket_t sock) {
    static constexpr std::string_view kBody =
        "Este servidor usa HTTPS: use https:// no endereço do servidor.\n";
    const std::string answer = "HTTP/1.1 400 Bad Request\r\n"
                               "Content-Type: text/plain; charset=utf-8\r\n"
                               "Connection: close\r\n"
                               "Content-Length: " +
                               std::to_string(kBody.size()) + "\r\n\r\n" + std::string(kBody);
    [[maybe_unused]] const auto sent = ::send(sock, answer.data(), answer.size(), MSG_NOSIGNAL);
}

// A connection's stream for one request: every read waits at most the read time-out and never
// past the request's deadline; reads are buffered (the library reads the head byte by byte).
// Over TLS the socket does not block, and a read or write waits for whichever way the TLS
// record layer needs.
class DeadlineStream : public httplib::Stream {
public:
    DeadlineStream(socket_t sock, SSL* ssl, Clock::time_point deadline,
                   const std::atomic<socket_t>& server)
        : m_sock(sock), m_ssl(ssl), m_deadline(deadline), m_server(server) {}

    bool is_readable() const override {
        return m_used < m_filled || (m_ssl && SSL_pending(m_ssl) > 0) || wait(POLLIN, kReadTimeout);
    }
    bool is_writable() const override { return wait(POLLOUT, kWriteTimeout); }

    ssize_t read(char* ptr, size_t size) override {
        if (m_used == m_filled) {
            const ssize_t n = m_ssl ? readTls() : readPlain();
            if (n <= 0)
                return n;
            m_used = 0;
            m_filled = std::size_t(n);
            m_bytesRead += std::size_t(n);
        }
        const std::size_t n = std::min(size, m_filled - m_used);
        std::memcpy(ptr, m_buffer + m_used, n);
        m_used += n;
        return ssize_t(n);
    }

    ssize_t write(const char* ptr, size_t size) override {
        if (!m_ssl) {
            if (!wait(POLLOUT, kWriteTimeout))
                return -1;
            return ::send(m_sock, ptr, size, MSG_NOSIGNAL);
        }
        // Retried with the same bytes until the record layer took them all.
        for (;;) {
            const int n = SSL_write(m_ssl, ptr, int(std::min<size_t>(size, 1 << 30)));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_WANT_WRITE && wait(POLLOUT, kWriteTimeout))
                continue;
            if (error == SSL_ERROR_WANT_READ && wait(POLLIN, kWriteTimeout))
                continue;
            return -1;
        }
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        sockaddr_storage a{};
        socklen_t len = sizeof a;
        if (::getpeername(m_sock, reinterpret_cast<sockaddr*>(&a), &len) == 0) {
            ip = addressText(a);
            port = portOf(a);
        }
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        sockaddr_storage a{};
        socklen_t len = sizeof a;
        if (::getsockname(m_sock, reinterpret_cast<sockaddr*>(&a), &len) == 0) {
            ip = addressText(a);
            port = portOf(a);
        }
    }
    socket_t socket() const override { return m_sock; }

    std::size_t bytesRead() const { return m_bytesRead; }
    bool pastDeadline() const { return m_expired; }

private:
    static constexpr auto kReadTimeout = std::chrono::seconds(5);
    static constexpr auto kWriteTimeout = std::chrono::seconds(5);

    ssize_t readPlain() {
        if (!wait(POLLIN, kReadTimeout))
            return -1;
        return ::recv(m_sock, m_buffer, sizeof m_buffer, 0);
    }

    ssize_t readTls() {
        for (;;) {
            const int n = SSL_read(m_ssl, m_buffer, int(sizeof m_buffer));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_WANT_READ && wait(POLLIN, kReadTimeout))
                continue;
            if (error == SSL_ERROR_WANT_WRITE && wait(POLLOUT, kWriteTimeout))
                continue;
            return error == SSL_ERROR_ZERO_RETURN ? 0 : -1;
        }
    }

    // Whether the socket becomes ready within the time-out; reading also stops at the deadline.
    bool wait(short events, std::chrono::milliseconds timeout) const {
        auto until = Clock::now() + timeout;
        if (events == POLLIN && m_deadline < until)
            until = m_deadline;
        if (waitUntil(m_sock, events, until, m_server))
            return true;
        if (events == POLLIN && Clock::now() >= m_deadline)
            m_expired = true;
        return false;
    }

    socket_t m_sock;
    SSL* m_ssl; // nullptr for plain HTTP
    Clock::time_point m_deadline;
    const std::atomic<socket_t>& m_server;
    char m_buffer[16 * 1024];
    std::size_t m_used = 0;
    std::size_t m_filled = 0;
    std::size_t m_bytesRead = 0;
    mutable bool m_expired = false;
};

// A thread for every connection, up to a number at once; shutdown() waits for them all. The
// threads share their count with the queue, so that none touches the queue once it is gone.
class ConnectionThreads : public httplib::TaskQueue {
public:
    explicit ConnectionThreads(int limit) : m_state(std::make_shared<State>()), m_limit(limit) {}

    void enqueue(std::function<void()> fn) override {
        {
            std::unique_lock lock(m_state->mutex);
            m_state->changed.wait(lock, [&] { return m_state->running < m_limit; });
            ++m_state->running;
        }
        std::thread([state = m_state, fn = std::move(fn)] {
            fn();
            const std::lock_guard lock(state->mutex);
            --state->running;
            state->changed.notify_all();
        }).detach();
    }

    void shutdown() override {
        std::unique_lock lock(m_state->mutex);
        m_state->changed.wait(lock, [&] { return m_state->running == 0; });
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        int running = 0;
    };
    std::shared_ptr<State> m_state;
    int m_limit;
};

} // namespace

bool SimHttpServer::BodyBudget::take(std::size_t bytes) {
    std::size_t used = m_used.load();
    do {
        if (used + bytes > m_limit)
            return false;
    } while (!m_used.compare_exchange_weak(used, used + bytes));
    return true;
}

SimHttpServer::SimHttpServer() {
    new_task_queue = [] { return new ConnectionThreads(kConnections); };
    // The library's default also sets SO_REUSEPORT, which lets a second server bind the port
    // beside the first; SO_REUSEADDR alone still allows a restart over connections in TIME_WAIT.
    set_socket_options([](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    set_keep_alive_max_count(100);
}

int SimHttpServer::bindLoopback(int port) {
    const int bound =
        port == 0 ? bind_to_any_port("127.0.0.1") : (bind_to_port("127.0.0.1", port) ? port : -1);
    // The library listens with a queue of 5; listening again on the bound socket lengthens it,
    // so that a burst of connections waits instead of being refused.
    if (bound > 0)
        ::listen(svr_sock_, kListenBacklog);
    return bound;
}

Clock::time_point SimHttpServer::requestStarted() {
    return t_request.started;
}

const std::string& SimHttpServer::requestContentType() {
    return t_request.contentType;
}

void SimHttpServer::closeAfterAnswer() {
    t_request.closeAfter = true;
}

void SimHttpServer::noteBody(std::size_t bytes) {
    t_request.bodyBytes = bytes;
}

std::size_t SimHttpServer::notedBody() {
    return t_request.bodyBytes;
}

void SimHttpServer::noteError(const std::string& error) {
    t_request.error = error;
}

const std::string& SimHttpServer::notedError() {
    return t_request.error;
}

void SimHttpServer::setRequestLogger(httplib::Logger logger) {
    set_logger(
        [logger = std::move(logger)](const httplib::Request& req, const httplib::Response& res) {
            t_request.answered = true;
            if (res.status == 400) // what follows a malformed request cannot be trusted either
                t_request.closeAfter = true;
            logger(req, res);
        });
}

bool SimHttpServer::waitForRequest(socket_t sock, SSL* ssl) const {
    if (ssl && SSL_pending(ssl) > 0)
        return true;
    return waitUntil(sock, POLLIN, Clock::now() + std::chrono::seconds(keep_alive_timeout_sec_),
                     svr_sock_);
}

void SimHttpServer::SslFree::operator()(SSL* ssl) const {
    SSL_shutdown(ssl); // the close notice, when the connection still takes it
    SSL_free(ssl);
}

std::string SimHttpServer::enableTls(const std::string& certificate, const std::string& key,
                                     const std::string& clientAuthority) {
    const auto readable = [](const std::string& path) { return ::access(path.c_str(), R_OK) == 0; };
    if (!readable(certificate))
        return "não foi possível ler o certificado " + certificate;
    if (!readable(key))
        return "não foi possível ler a chave " + key;
    if (!clientAuthority.empty() && !readable(clientAuthority))
        return "não foi possível ler a autoridade dos clientes " + clientAuthority;
    ERR_clear_error();
    auto tls = std::make_unique<httplib::SSLServer>(
        certificate.c_str(), key.c_str(),
        clientAuthority.empty() ? nullptr : clientAuthority.c_str());
    if (!tls->is_valid())
        return "o certificado " + certificate + " e a chave " + key +
               " não servem juntos: " + sslErrorText();
    if (!clientAuthority.empty()) {
        SSL_CTX* context = tls->ssl_context();
        // The library's server does not say whether the authority could be read.
        if (SSL_CTX_load_verify_locations(context, clientAuthority.c_str(), nullptr) != 1)
            return "a autoridade dos clientes " + clientAuthority +
                   " não traz certificados PEM: " + sslErrorText();
        // The certificate request names it, so that a client can choose its certificate.
        SSL_CTX_set_client_CA_list(context, SSL_load_client_CA_file(clientAuthority.c_str()));
    }
    m_tls = std::move(tls);
    return {};
}

std::unique_ptr<SSL, SimHttpServer::SslFree> SimHttpServer::acceptTls(socket_t sock) {
    const auto started = Clock::now();
    std::unique_ptr<SSL, SslFree> ssl(SSL_new(m_tls->ssl_context()));
    ::fcntl(sock, F_SETFL, ::fcntl(sock, F_GETFL) | O_NONBLOCK);
    if (!ssl || SSL_set_fd(ssl.get(), sock) != 1)
        return nullptr;
    const auto deadline = started + std::chrono::milliseconds(m_deadlineMs);
    for (;;) {
        ERR_clear_error();
        const int r = SSL_accept(ssl.get());
        if (r == 1)
            return ssl;
        const int error = SSL_get_error(ssl.get(), r);
        if ((error == SSL_ERROR_WANT_READ && waitUntil(sock, POLLIN, deadline, svr_sock_)) ||
            (error == SSL_ERROR_WANT_WRITE && waitUntil(sock, POLLOUT, deadline, svr_sock_)))
            continue;
        const bool plainHttp = ERR_GET_REASON(ERR_peek_last_error()) == SSL_R_HTTP_REQUEST;
        const std::string why = error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE
                                    ? "prazo da negociação esgotado"
                                    : sslErrorText();
        if (m_handshakeLogger)
            m_handshakeLogger(why);
        if (plainHttp)
            answerPlainRequest(sock);
        closeSendingAndDrain(sock);
        SSL_set_quiet_shutdown(ssl.get(), 1); // no close notice on a failed handshake
        return nullptr;
    }
}

// The library's connection loop, with a deadline per request and bodies of any content type
// read alike, over TLS when it is on.
bool SimHttpServer::process_and_close_socket(socket_t sock) {
    bool ret = false;
    std::unique_ptr<SSL, SslFree> ssl;
    if (m_tls && !(ssl = acceptTls(sock))) {
        ::shutdown(sock, SHUT_RDWR);
        ::close(sock);
        return false;
    }
    for (std::size_t left = keep_alive_max_count_; left > 0 && waitForRequest(sock, ssl.get());
         --left) {
        t_request = RequestScope{};
        t_request.started = Clock::now();
        DeadlineStream stream(sock, ssl.get(),
                              t_request.started + std::chrono::milliseconds(m_deadlineMs),
                              svr_sock_);
        bool connectionClosed = false;
        ret = process_request(stream, left == 1, connectionClosed, [](httplib::Request& req) {
            // Without a content type the library neither parses a form (with its own, smaller
            // limit) nor a multipart body: the handler reads every body as it came.
            t_request.contentType = req.get_header_value("Content-Type");
            req.headers.erase("Content-Type");
        });
        if (!ret && !t_request.answered && stream.bytesRead() > 0 && m_incompleteLogger) {
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - t_request.started).count();
            m_incompleteLogger(stream.pastDeadline() ? "prazo da requisição esgotado"
                                                     : "conexão interrompida",
                               stream.bytesRead(), ms);
        }
        if (!ret || connectionClosed || t_request.closeAfter)
            break;
    }
    ssl.reset(); // its close notice goes before the socket closes
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return ret;
}

} // namespace sim
