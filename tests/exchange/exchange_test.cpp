#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "simserver.h"

#include "../oneshotserver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

using testing_support::OneShotServer;

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { sim.start(); }
    QString url(const char* path) const {
        return serviceUrl(sim.baseUrl(), QString::fromLatin1(path));
    }
    sim::MiddlewareSim sim;
};

} // namespace

TEST_F(ExchangeTest, PostSendsBodyContentTypeAndCredentialsOfTheCompany) {
    const struct {
        const char* company;
        const char* user;
    } cases[] = {{"0", "quorva"},  {"9", "irvano"},  {"10", "tavrin"},
                 {"11", "kolver"}, {"12", "quorva"}, {"abc", "quorva"}};
    for (const auto& c : cases) {
        sim.clearReceived();
        MiddlewareHttpClient client(credentialsForCompanyText(QString::fromLatin1(c.company)));
        const HttpAnswer a = client.post(url("TConexaoAPI/TestaComunicacao"), R"({"x":"\u00C1"})");
        EXPECT_EQ(a.status, 200);
        EXPECT_EQ(a.statusLine, QStringLiteral("HTTP/1.1 200 OK"));
        EXPECT_EQ(a.body, R"({"result":{"x":"\u00C1"}})");
        const auto got = sim.received();
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].authUser, c.user) << c.company;
        EXPECT_EQ(
            got[0].authPassword,
            credentialsForCompany(QString::fromLatin1(c.company).toInt()).password.toStdString());
        EXPECT_EQ(got[0].contentType, "application/json;charset=UTF-8");
    }
}

TEST_F(ExchangeTest, NoAuthenticationSendsNoCredentials) {
    MiddlewareHttpClient client(std::nullopt);
    EXPECT_THROW(client.post(url("TConexaoAPI/Sobre"), "{}"), EHttpStatusError);
    EXPECT_EQ(sim.received().at(0).authUser, "");
}

TEST_F(ExchangeTest, ErrorStatusRaisesTheStatusLineAndKeepsTheBody) {
    sim.enqueue("TNFeAPI/Qualquer", sim::Answer{404, "nada aqui", "text/plain"});
    MiddlewareHttpClient client(credentialsForCompany(0));
    try {
        client.post(url("TNFeAPI/Qualquer"), "{}");
        ADD_FAILURE();
    } catch (const EHttpStatusError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("HTTP/1.1 404 Not Found"));
        EXPECT_EQ(e.answer().body, "nada aqui");
    }
}

// A redirect or "not modified" is no answer of the service: an error with the status line, and
// the client does not go where the redirect points (a success would wait there).
TEST_F(ExchangeTest, RedirectsAndNotModifiedAreErrorsWithTheStatusLine) {
    const struct {
        int status;
        const char* line;
    } cases[] = {{301, "HTTP/1.1 301 Moved Permanently"},
                 {302, "HTTP/1.1 302 Found"},
                 {304, "HTTP/1.1 304 Not Modified"}};
    const std::string elsewhere =
        (sim.baseUrl() + QStringLiteral("TConexaoAPI/Sobre")).toStdString();
    MiddlewareHttpClient client(credentialsForCompany(0));
    for (const auto& c : cases) {
        for (const bool post : {true, false}) {
            const std::string what = std::to_string(c.status) + (post ? " POST" : " GET");
            sim.clearReceived();
            sim.enqueue("TNFeAPI/Certificado/1001/1",
                        sim::Answer{c.status, "", "text/plain", elsewhere});
            const QString target = url("TNFeAPI/Certificado/1001/1");
            try {
                const HttpAnswer a = post ? client.post(target, "{}") : client.get(target);
                ADD_FAILURE() << what << " taken as success: " << a.statusLine.toStdString();
            } catch (const EHttpStatusError& e) {
                EXPECT_EQ(e.message(), QString::fromLatin1(c.line)) << what;
                EXPECT_EQ(e.answer().status, c.status) << what;
            }
            EXPECT_EQ(sim.received().size(), 1u) << what;
        }
    }
}

TEST(Exchange, UnreachableServerAndBadUrlsGiveClearErrors) {
    MiddlewareHttpClient client(credentialsForCompany(0));
    const int port = testing_support::unusedPort();
    try {
        client.post(QStringLiteral("http://127.0.0.1:%1/datasnap/rest/X/Y").arg(port), "{}");
        ADD_FAILURE();
    } catch (const ESocketError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Socket Error # 10061\r\nConnection refused."));
    }
    try {
        client.post(QStringLiteral("localhost:8080/datasnap/rest/X/Y"), "{}");
        ADD_FAILURE();
    } catch (const EInvalidUrl& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("http://"))) << e.what();
    }
}

TEST(Exchange, ServerClosingMidAnswerIsAnError) {
    // A head and part of the body.
    OneShotServer server("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n{\"result\":");
    MiddlewareHttpClient client(credentialsForCompany(0));
    try {
        client.post(QStringLiteral("http://127.0.0.1:%1/x/y").arg(server.port()), "{}");
        ADD_FAILURE();
    } catch (const ESocketError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Socket Error # 10054"))) << e.what();
    }
}

TEST(Exchange, HeadersPastTheClientsLimitAreSaidSoNotAsAReset) {
    std::string head = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 100000; ++i)
        head += "X-H" + std::to_string(i) + ": v\r\n";
    OneShotServer server(head + "Content-Length: 2\r\n\r\n{}");
    MiddlewareHttpClient client(credentialsForCompany(0));
    try {
        client.post(QStringLiteral("http://127.0.0.1:%1/x/y").arg(server.port()), "{}");
        ADD_FAILURE();
    } catch (const ESocketError& e) {
        ADD_FAILURE() << e.what();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("cabeçalhos demais"))) << e.what();
    }
}

TEST_F(ExchangeTest, LargeAnswerArrivesWhole) {
    const std::string big = std::string(R"({"result":{"conteudo":{"str":")") +
                            std::string(100 * 1024 * 1024, 'A') + "\"}}}";
    sim.enqueue("TNFeAPI/Grande", sim::Answer{200, big});
    MiddlewareHttpClient client(credentialsForCompany(0));
    const HttpAnswer a = client.post(url("TNFeAPI/Grande"), "{}");
    EXPECT_EQ(std::size_t(a.body.size()), big.size());
}

// An answer over the limit is refused with a clear message, whether its length is announced
// or only found out while it arrives.
TEST_F(ExchangeTest, AnswerOverTheLimitIsRefused) {
    sim.enqueue("TNFeAPI/Grande", sim::Answer{200, std::string(5000, 'x')});
    MiddlewareHttpClient client(credentialsForCompany(0));
    client.setMaxAnswerBytes(4000);
    EXPECT_THROW(client.post(url("TNFeAPI/Grande"), "{}"), EAnswerTooLarge);
    OneShotServer unannounced("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" +
                              std::string(5000, 'y'));
    try {
        client.post(QStringLiteral("http://127.0.0.1:%1/x/y").arg(unannounced.port()), "{}");
        ADD_FAILURE();
    } catch (const EAnswerTooLarge& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("4000 bytes"))) << e.what();
    }
    sim.enqueue("TNFeAPI/Cabe", sim::Answer{200, std::string(4000, 'x')});
    EXPECT_EQ(client.post(url("TNFeAPI/Cabe"), "{}").body.size(), 4000);
}

TEST_F(ExchangeTest, StandInChecksEnvelopeSignatures) {
    MiddlewareHttpClient client(credentialsForCompany(0));
    json::JsonValue env =
        buildEnvelope(QStringLiteral("0"), QStringLiteral("0"), json::JsonValue::object());
    HttpAnswer ok =
        client.post(url("TNFeAPI/SefazOnLine"), QByteArray::fromStdString(json::toWireText(env)));
    EXPECT_TRUE(ok.body.contains("\"err\":false")) << ok.body.constData();

    env.find("Parametros")->find("Dados")->add("Extra", json::JsonValue::integer(1));
    HttpAnswer bad =
        client.post(url("TNFeAPI/SefazOnLine"), QByteArray::fromStdString(json::toWireText(env)));
    EXPECT_TRUE(bad.body.contains("\"err\":true")) << bad.body.constData();
    EXPECT_TRUE(bad.body.contains("Assinatura inv")) << bad.body.constData();
}

namespace {

// Answers every request on every connection it accepts, one connection at a time, and counts
// the connections.
class CountingServer {
public:
    CountingServer() {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_fd, 8);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] {
            for (int c; (c = ::accept(m_fd, nullptr, nullptr)) >= 0; ::close(c)) {
                ++m_connections;
                serve(c);
            }
        });
    }
    ~CountingServer() {
        ::shutdown(m_fd, SHUT_RDWR);
        m_thread.join();
        ::close(m_fd);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/x/y").arg(m_port); }
    int connections() const { return m_connections; }

private:
    // Reads each request whole (its head, then the body its Content-Length announces) and
    // answers it, until the client closes.
    static void serve(int c) {
        std::string in;
        char buffer[4096];
        for (;;) {
            const std::size_t head = in.find("\r\n\r\n");
            if (head != std::string::npos) {
                const std::size_t at = in.find("Content-Length: ");
                const std::size_t length =
                    at != std::string::npos && at < head ? std::stoul(in.substr(at + 16)) : 0;
                if (in.size() >= head + 4 + length) {
                    in.erase(0, head + 4 + length);
                    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n{}";
                    ::send(c, answer.data(), answer.size(), MSG_NOSIGNAL);
                    continue;
                }
            }
            const auto n = ::recv(c, buffer, sizeof buffer, 0);
            if (n <= 0)
                return;
            in.append(buffer, std::size_t(n));
        }
    }

    int m_fd;
    int m_port = 0;
    std::atomic<int> m_connections = 0;
    std::thread m_thread;
};

} // namespace

// A client that watches a cancel flag (the window's, a load run's users) sends its requests on
// one connection, as one that does not.
TEST(Exchange, ClientKeepsItsConnectionWhileWatchingACancelFlag) {
    CountingServer server;
    const std::atomic<bool> cancel = false;
    for (const std::atomic<bool>* flag :
         {static_cast<const std::atomic<bool>*>(nullptr), &cancel}) {
        const int before = server.connections();
        {
            MiddlewareHttpClient client(std::nullopt);
            client.setCancelFlag(flag);
            client.setTimeoutSeconds(5);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(client.post(server.url(), "{}").body, "{}");
        }
        EXPECT_EQ(server.connections() - before, 1) << (flag ? "with a cancel flag" : "without");
    }
}
