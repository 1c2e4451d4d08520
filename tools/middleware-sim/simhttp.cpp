#include "simhttp.h"

#include <arpa/inet.h>
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

// A connection's stream for one request: every read waits at most the read time-out and never
// past the request's deadline; reads are buffered (the library reads the head byte by byte).
class DeadlineStream : public httplib::Stream {
public:
    DeadlineStream(socket_t sock, Clock::time_point deadline, const std::atomic<socket_t>& server)
        : m_sock(sock), m_deadline(deadline), m_server(server) {}

    bool is_readable() const override { return m_used < m_filled || wait(POLLIN, kReadTimeout); }
    bool is_writable() const override { return wait(POLLOUT, kWriteTimeout); }

    ssize_t read(char* ptr, size_t size) override {
        if (m_used == m_filled) {
            if (!wait(POLLIN, kReadTimeout))
                return -1;
            const ssize_t n = ::recv(m_sock, m_buffer, sizeof m_buffer, 0);
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
        if (!wait(POLLOUT, kWriteTimeout))
            return -1;
        return ::send(m_sock, ptr, size, MSG_NOSIGNAL);
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

    // Whether the socket becomes ready within the time-out; reading also stops at the deadline.
    bool wait(short events, std::chrono::milliseconds timeout) const {
        auto until = Clock::now() + timeout;
        if (events == POLLIN && m_deadline < until)
            until = m_deadline;
        for (;;) {
            if (m_server == INVALID_SOCKET)
                return false;
            const auto left = until - Clock::now();
            if (left <= Clock::duration::zero()) {
                if (events == POLLIN && Clock::now() >= m_deadline)
                    m_expired = true;
                return false;
            }
            const auto slice = std::min<Clock::duration>(left, kSlice);
            pollfd p{m_sock, events, 0};
            const int r = ::poll(
                &p, 1,
                int(std::chrono::duration_cast<std::chrono::milliseconds>(slice).count()) + 1);
            if (r > 0)
                return true;
            if (r < 0 && errno != EINTR)
                return false;
        }
    }

    socket_t m_sock;
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

bool SimHttpServer::waitForRequest(socket_t sock) const {
    const auto until = Clock::now() + std::chrono::seconds(keep_alive_timeout_sec_);
    while (svr_sock_ != INVALID_SOCKET && Clock::now() < until) {
        pollfd p{sock, POLLIN, 0};
        const int r = ::poll(&p, 1, int(kSlice.count()));
        if (r > 0)
            return true;
        if (r < 0 && errno != EINTR)
            return false;
    }
    return false;
}

// The library's connection loop, with a deadline per request and bodies of any content type
// read alike.
bool SimHttpServer::process_and_close_socket(socket_t sock) {
    bool ret = false;
    for (std::size_t left = keep_alive_max_count_; left > 0 && waitForRequest(sock); --left) {
        t_request = RequestScope{};
        t_request.started = Clock::now();
        DeadlineStream stream(sock, t_request.started + std::chrono::milliseconds(m_deadlineMs),
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
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return ret;
}

} // namespace sim
