#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <semaphore>
#include <string>

namespace sim {

// The HTTP server the stand-in runs on: the library's server with a deadline for each request
// to arrive whole, every connection read by a light thread of its own (a client that sends
// nothing, or a byte now and then, holds only its own thread, never one of the workers), a
// fixed number of workers that take a request once it has arrived whole, a budget for the
// bodies being received at once, a long listen queue, and every body read alike, whatever its
// content type, up to one size limit. It speaks TLS when told to: the context is that of the
// library's SSL server, and the handshake is made by the same connection loop, within the same
// deadline.
class SimHttpServer : public httplib::Server {
public:
    using Clock = std::chrono::steady_clock;

    // A request that did not arrive whole: why, the bytes that did, and after how long.
    using IncompleteLogger =
        std::function<void(const std::string& why, std::size_t bytes, double ms)>;

    SimHttpServer();

    // Binds to 127.0.0.1 (port 0: any free port) and raises the listen queue. Returns the port,
    // or -1.
    int bindLoopback(int port);

    void setRequestDeadline(std::chrono::milliseconds deadline) { m_deadlineMs = deadline.count(); }
    void setIncompleteLogger(IncompleteLogger logger) { m_incompleteLogger = std::move(logger); }

    // Speaks TLS with the certificate (PEM, its chain after it) and its key; with a client
    // authority (PEM), every client must show a certificate it issued. Before listening. Returns
    // why the files cannot be used, empty when they can.
    std::string enableTls(const std::string& certificate, const std::string& key,
                          const std::string& clientAuthority);
    bool tlsEnabled() const { return m_tls != nullptr; }
    // Told why a TLS handshake failed.
    void setHandshakeLogger(std::function<void(const std::string& why)> logger) {
        m_handshakeLogger = std::move(logger);
    }

    // Of the request this thread is serving: when its first byte arrived, and the content
    // type it was sent with (the library is shown none, so that it treats every body alike).
    static Clock::time_point requestStarted();
    static const std::string& requestContentType();
    // Asks that the connection be closed after the answer (the body was not read whole).
    static void closeAfterAnswer();
    // Notes for the request's log line: the bytes of its body, and an error kept from the
    // client.
    static void noteBody(std::size_t bytes);
    static std::size_t notedBody();
    static void noteError(const std::string& error);
    static const std::string& notedError();
    // Called once for every request answered, the library's own refusals included.
    void setRequestLogger(httplib::Logger logger);

    // Holds one of the workers while a request that arrived whole is answered.
    class Worker {
    public:
        explicit Worker(SimHttpServer& server) : m_server(server) { m_server.m_workers.acquire(); }
        ~Worker() { m_server.m_workers.release(); }
        Worker(const Worker&) = delete;
        Worker& operator=(const Worker&) = delete;

    private:
        SimHttpServer& m_server;
    };

    // Bytes of request bodies being received at once, all connections together. take() fails
    // when the bytes would pass the budget.
    class BodyBudget {
    public:
        explicit BodyBudget(std::size_t limit) : m_limit(limit) {}
        void setLimit(std::size_t limit) { m_limit = limit; }
        bool take(std::size_t bytes);
        void give(std::size_t bytes) { m_used -= bytes; }
        std::size_t used() const { return m_used; }

    private:
        std::atomic<std::size_t> m_limit;
        std::atomic<std::size_t> m_used{0};
    };

    static constexpr int kWorkers = 64;
    // Connections read at once; the next one waits in the listen queue.
    static constexpr int kConnections = 4096;
    static constexpr int kListenBacklog = 1024;

private:
    bool process_and_close_socket(socket_t sock) override;
    bool waitForRequest(socket_t sock, SSL* ssl) const;
    // The TLS handshake of a new connection, within the request deadline; nullptr when it failed.
    struct SslFree {
        void operator()(SSL* ssl) const;
    };
    std::unique_ptr<SSL, SslFree> acceptTls(socket_t sock);

public:
    // Of request bodies being received at once (1 GiB at start).
    BodyBudget bodyBudget{std::size_t(1) << 30};

private:
    std::counting_semaphore<kWorkers> m_workers{kWorkers};
    std::atomic<long long> m_deadlineMs{10'000};
    IncompleteLogger m_incompleteLogger;
    std::unique_ptr<httplib::SSLServer> m_tls; // holds the context; never listens itself
    std::function<void(const std::string& why)> m_handshakeLogger;
};

} // namespace sim
