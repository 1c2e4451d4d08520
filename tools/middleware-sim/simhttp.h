#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace sim {

// The HTTP server the stand-in runs on: the library's server with a deadline for each request
// to arrive whole (a client sending a byte now and then cannot hold a worker for longer), a
// pool of workers large enough for many clients at once, a long listen queue, and every body
// read alike, whatever its content type, up to one size limit.
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

    static constexpr int kWorkers = 64;
    static constexpr int kListenBacklog = 1024;

private:
    bool process_and_close_socket(socket_t sock) override;
    bool waitForRequest(socket_t sock) const;

    std::atomic<long long> m_deadlineMs{10'000};
    IncompleteLogger m_incompleteLogger;
};

} // namespace sim
