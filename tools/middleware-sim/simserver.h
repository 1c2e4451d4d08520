#pragma once

#include "common/jsonvalue.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace sim {

// One request as the stand-in received it.
struct Request {
    std::string method;
    std::string path;   // the service path after the base, e.g. "TConexaoAPI/Sobre"
    std::string target; // the request target as sent, percent-encoding included
    std::string body;
    std::string contentType;
    std::string authUser;
    std::string authPassword;
};

// One answer to send.
struct Answer {
    int status = 200;
    std::string body;
    std::string contentType = "application/json; charset=utf-8";
    std::string location; // sent as the Location header when not empty (redirects)
};

// Builds the answer of a service from its request; `dados` is the request's "Dados" (or the
// whole body for services that take a plain object), absent when the body is not JSON.
using ServiceHandler = std::function<Answer(const Request&, const json::JsonValue* dados)>;

// A stand-in middleware on loopback: opens sessions in both answer forms, checks basic
// credentials, refuses a body that is not the envelope a service takes or whose signature does
// not match the company keys, echoes the communication test and answers every other service
// from its table (a generic success by default). Tests can script the next answers of a path
// and read back the latest requests it received.
// The port cannot be listened on (in use by another program, or not allowed).
class ListenError : public std::runtime_error {
public:
    ListenError(int port, int error);
    int port() const { return m_port; }
    bool portInUse() const;

private:
    int m_port;
    int m_error;
};

class MiddlewareSim {
public:
    static constexpr const char* kBasePath = "/datasnap/rest/";

    MiddlewareSim();
    ~MiddlewareSim();
    MiddlewareSim(const MiddlewareSim&) = delete;
    MiddlewareSim& operator=(const MiddlewareSim&) = delete;

    // Listens on 127.0.0.1; port 0 takes a free one. Returns the port. Raises ListenError when
    // the port is taken or cannot be bound.
    int start(int port = 0);
    void stop();
    int port() const { return m_port; }
    // "http://127.0.0.1:<port>/datasnap/rest/", or https:// with TLS.
    QString baseUrl() const;
    // Speaks HTTPS with the certificate (PEM, its chain after it) and its key; with a client
    // authority (PEM), a client must show a certificate it issued, or the handshake is refused.
    // Before start(). Raises std::runtime_error when the files cannot be used.
    void setTls(const std::string& certificate, const std::string& key,
                const std::string& clientAuthority = {});

    // Writes one line per request to standard error, the refused and the incomplete ones
    // included; what the client sent is shown with its control characters escaped.
    void setLogging(bool on) { m_logging = on; }
    // How many of the latest requests received() keeps (1000 at start); their bodies together
    // are kept to at most 64 MiB, the latest request always.
    void setRecordLimit(std::size_t requests);
    // How long a request may take to arrive whole once its first byte has (10 s at start).
    void setRequestDeadline(std::chrono::milliseconds deadline);
    // The largest request body, whatever its content type (512 MiB at start); a larger one is
    // answered 413.
    void setBodyLimit(std::size_t bytes);
    // The bytes of request bodies received at once, all clients together (1 GiB at start); a
    // body that would pass it is answered 503 with a text that says so.
    void setBodyBudget(std::size_t bytes);
    // Replaces the answer of a service path for every later request.
    void setHandler(const std::string& path, ServiceHandler handler);
    // Queues an answer for the next request to a path (before any checks).
    void enqueue(const std::string& path, Answer answer);
    std::vector<Request> received() const;
    void clearReceived();
    // The company code a session was opened for, when the session is known.
    std::optional<int> sessionCompany(int64_t sessionId) const;
    // The Id of the next session opened (1001 at start).
    void setNextSessionId(int64_t id);
    // What the stand-in answers a request that arrived whole, as its server does (a failure
    // of its own is a 500 whose reason goes to the log).
    Answer respond(const Request& request);

private:
    Answer handle(const Request& request);
    Answer handleConecta(const Request& request, const json::JsonValue& body);
    std::optional<std::string> checkEnvelope(const Request& request, const json::JsonValue* body);
    void record(const Request& request); // with m_mutex held

    struct Server;
    std::unique_ptr<Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    std::atomic<bool> m_logging = false;
    std::atomic<std::size_t> m_bodyLimit = 512ull * 1024 * 1024;

    mutable std::mutex m_mutex;
    std::deque<Request> m_received;
    std::size_t m_recordLimit = 1000;
    std::size_t m_recordedBytes = 0;
    std::map<std::string, std::deque<Answer>> m_queued;
    std::map<std::string, ServiceHandler> m_handlers;
    std::map<int64_t, int> m_sessions;
    int64_t m_nextSessionId = 1001;
};

// A result envelope answer {"result":{"controle":…,"conteudo":…}}.
Answer resultEnvelope(bool err, const std::string& cod, const QString& msg,
                      std::optional<json::JsonValue> livre = std::nullopt,
                      const QString& str = QString());

} // namespace sim
