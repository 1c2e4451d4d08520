#pragma once

// Raw servers for tests of what a client does with broken answers.

#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace testing_support {

// A loopback port nobody listens on: bound, read, then closed.
inline int unusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

// A server that answers one connection with the given bytes and closes it, abruptly (a reset)
// when asked.
class OneShotServer {
public:
    explicit OneShotServer(std::string answer, bool reset = false)
        : m_answer(std::move(answer)), m_reset(reset) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_fd, 1);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] {
            const int c = ::accept(m_fd, nullptr, nullptr);
            char buffer[65536];
            [[maybe_unused]] auto n = ::recv(c, buffer, sizeof buffer, 0);
            [[maybe_unused]] auto w = ::send(c, m_answer.data(), m_answer.size(), MSG_NOSIGNAL);
            if (m_reset) {
                const linger abrupt{1, 0};
                ::setsockopt(c, SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
            }
            ::close(c);
        });
    }
    ~OneShotServer() {
        m_thread.join();
        ::close(m_fd);
    }
    OneShotServer(const OneShotServer&) = delete;
    OneShotServer& operator=(const OneShotServer&) = delete;

    int port() const { return m_port; }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/datasnap/rest/").arg(m_port);
    }

private:
    std::string m_answer;
    bool m_reset;
    int m_fd;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace testing_support
