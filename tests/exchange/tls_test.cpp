// HTTPS to the stand-in, with an authority and certificates made for each run: what is trusted,
// what is refused before anything is sent and with what message, the client certificate a
// server requires, the insecure switch and its marks, the curl command and the command line.
#include "../testauthority.h"
#include "clirun.h"
#include "exchange/credentials.h"
#include "exchange/curlcommand.h"
#include "exchange/evidence.h"
#include "exchange/httpclient.h"
#include "exchange/tlsfailure.h"
#include "simserver.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

using Kind = ETlsError::Kind;

const QByteArray kEcho = R"({"eco":1})";

// The authorities and certificates, made once for the suite.
struct Files {
    QTemporaryDir dir;
    TestAuthority authority{dir.path(), u"ca"_s, u"Autoridade de teste"_s};
    TestAuthority other{dir.path(), u"outra"_s, u"Outra autoridade"_s};
    TestAuthority::Issued server =
        authority.issue(u"servidor"_s, u"localhost"_s, {u"localhost"_s, u"127.0.0.1"_s});
    TestAuthority::Issued elsewhere =
        authority.issue(u"nome"_s, u"outro.exemplo"_s, {u"outro.exemplo"_s});
    TestAuthority::Issued expired =
        authority.issue(u"vencido"_s, u"localhost"_s, {u"127.0.0.1"_s}, -30, -1);
    TestAuthority::Issued client = authority.issue(u"cliente"_s, u"caixa-01"_s, {});
    TestAuthority::Issued stranger = other.issue(u"estranho"_s, u"caixa-99"_s, {});
    QString clientP12 = authority.pkcs12(client, u"cliente.p12"_s, u"segredo"_s);
    QString notPem = write(u"nao-e-pem.txt"_s, "isto não é um certificado\n");

    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

QString fingerprint(const QByteArray& der) {
    return QString::fromLatin1(
        QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex(':').toUpper());
}

class TlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { files = new Files; }
    static void TearDownTestSuite() {
        delete files;
        files = nullptr;
    }
    // A new stand-in over TLS with the certificate, requiring a client certificate when told.
    void startTls(const TestAuthority::Issued& certificate, bool requireClient = false) {
        sim = std::make_unique<sim::MiddlewareSim>();
        sim->setTls(QFile::encodeName(certificate.certificate).toStdString(),
                    QFile::encodeName(certificate.key).toStdString(),
                    requireClient
                        ? QFile::encodeName(files->authority.certificateFile()).toStdString()
                        : std::string());
        sim->start();
    }
    QString url() const { return serviceUrl(sim->baseUrl(), u"TConexaoAPI/TestaComunicacao"_s); }
    // The request with the settings: the answer, or the TLS error it raised.
    std::variant<HttpAnswer, ETlsError> send(const TlsSettings& settings,
                                             const QString& password = {}) {
        MiddlewareHttpClient client(credentialsForCompany(0));
        client.setTls(settings, password);
        try {
            return client.post(url(), kEcho);
        } catch (const ETlsError& e) {
            return e;
        }
    }
    static Files* files;
    std::unique_ptr<sim::MiddlewareSim> sim;
};

Files* TlsTest::files = nullptr;

} // namespace

// Trusted through the authority file, the exchange goes and its TLS is known; every refusal is
// made in the handshake (the stand-in receives nothing) and tells what was seen and what to set.
TEST_F(TlsTest, TheServerCertificateIsTrustedOrRefusedWithWhatItSays) {
    const Files& f = *files;
    const struct {
        const char* what;
        const TestAuthority::Issued& server;
        TlsSettings settings;
        std::optional<Kind> refused;
        QStringList messageHas;
    } cases[] = {
        {"trusted by the authority file",
         f.server,
         {.authorityFile = f.authority.certificateFile()},
         {},
         {}},
        {"checked off: taken, marked unverified", f.server, {.insecure = true}, {}, {}},
        {"no authority file: not trusted",
         f.server,
         {},
         Kind::NotTrusted,
         {u"não é confiável: a autoridade que o emitiu não está entre as confiáveis"_s,
          u"Emitido para: CN=localhost"_s, u"Emitido por: CN=Autoridade de teste"_s,
          u"SHA-256: "_s + fingerprint(f.server.der), u"--ca ARQ"_s, u"--inseguro"_s,
          u"(libcurl: "_s}},
        {"another authority's file: not trusted",
         f.server,
         {.authorityFile = f.other.certificateFile()},
         Kind::NotTrusted,
         {u"não é confiável"_s}},
        {"a certificate for another name",
         f.elsewhere,
         {.authorityFile = f.authority.certificateFile()},
         Kind::NameMismatch,
         {u"não vale para o nome \"127.0.0.1\""_s, u"ele vale para \"outro.exemplo\""_s}},
        {"an expired certificate",
         f.expired,
         {.authorityFile = f.authority.certificateFile()},
         Kind::Expired,
         {u"O certificado do servidor 127.0.0.1 venceu em "_s, u"renove"_s}},
        {"an authority file that is not PEM",
         f.server,
         {.authorityFile = f.notPem},
         Kind::AuthorityUnreadable,
         {u"nao-e-pem.txt\" não pôde ser lido"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startTls(c.server);
        const auto outcome = send(c.settings);
        if (c.refused) {
            ASSERT_TRUE(std::holds_alternative<ETlsError>(outcome));
            const ETlsError& e = std::get<ETlsError>(outcome);
            EXPECT_EQ(e.kind(), *c.refused) << e.what();
            for (const QString& part : c.messageHas)
                EXPECT_TRUE(e.message().contains(part))
                    << e.what() << "\nlacks: " << qPrintable(part);
            EXPECT_TRUE(sim->received().empty()); // nothing went past the handshake
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<HttpAnswer>(outcome))
            << std::get<ETlsError>(outcome).what();
        const HttpAnswer& a = std::get<HttpAnswer>(outcome);
        EXPECT_EQ(a.statusLine, u"HTTP/1.1 200 OK"_s);
        EXPECT_EQ(a.body, R"({"result":{"eco":1}})");
        EXPECT_EQ(a.tls.version, u"TLSv1.3"_s);
        EXPECT_EQ(a.tls.server.subject, u"CN=localhost"_s);
        EXPECT_EQ(a.tls.server.issuer, u"CN=Autoridade de teste"_s);
        EXPECT_EQ(a.tls.server.names, (QStringList{u"localhost"_s, u"127.0.0.1"_s}));
        EXPECT_EQ(a.tls.server.sha256, fingerprint(f.server.der));
        EXPECT_EQ(a.tls.verified, !c.settings.insecure);
        EXPECT_EQ(sim->received().size(), 1u);
    }
}

// A server that requires a client certificate refuses the connection without one, or with one of
// an authority it does not know; PEM with its key, and PKCS#12 with its password, are taken.
TEST_F(TlsTest, AClientCertificateTheServerRequires) {
    const Files& f = *files;
    startTls(f.server, true);
    const QString ca = f.authority.certificateFile();
    const struct {
        const char* what;
        TlsSettings settings;
        QString password;
        std::optional<Kind> refused;
        QString messageHas;
    } cases[] = {
        {"none",
         {.authorityFile = ca},
         {},
         Kind::ClientCertificateRefused,
         u"exige um certificado de cliente, e nenhum foi informado"_s},
        {"PEM with its key",
         {.authorityFile = ca,
          .clientCertificate = f.client.certificate,
          .clientKey = f.client.key},
         {},
         {},
         {}},
        {"PKCS#12 with its password",
         {.authorityFile = ca, .clientCertificate = f.clientP12},
         u"segredo"_s,
         {},
         {}},
        {"PKCS#12 with a wrong password",
         {.authorityFile = ca, .clientCertificate = f.clientP12},
         u"errada"_s,
         Kind::ClientCertificateUnusable,
         u"cliente.p12\" não pôde ser usado"_s},
        {"of an authority the server does not know",
         {.authorityFile = ca,
          .clientCertificate = f.stranger.certificate,
          .clientKey = f.stranger.key},
         {},
         Kind::ClientCertificateRefused,
         u"recusou o certificado de cliente"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sim->clearReceived();
        const auto outcome = send(c.settings, c.password);
        if (c.refused) {
            ASSERT_TRUE(std::holds_alternative<ETlsError>(outcome));
            const ETlsError& e = std::get<ETlsError>(outcome);
            EXPECT_EQ(e.kind(), *c.refused) << e.what();
            EXPECT_TRUE(e.message().contains(c.messageHas)) << e.what();
            EXPECT_TRUE(sim->received().empty());
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<HttpAnswer>(outcome))
            << std::get<ETlsError>(outcome).what();
        EXPECT_EQ(std::get<HttpAnswer>(outcome).status, 200);
        EXPECT_EQ(sim->received().size(), 1u);
    }
}

// HTTPS to a plain server, and plain HTTP to a TLS one, each say which side speaks what.
TEST_F(TlsTest, OneSideSpeaksTlsAndTheOtherNot) {
    sim = std::make_unique<sim::MiddlewareSim>();
    sim->start();
    MiddlewareHttpClient client(credentialsForCompany(0));
    try {
        client.post(url().replace(u"http://"_s, u"https://"_s), kEcho);
        ADD_FAILURE() << "HTTPS to a plain server went through";
    } catch (const ETlsError& e) {
        EXPECT_EQ(e.kind(), Kind::ProtocolMismatch) << e.what();
        EXPECT_TRUE(e.message().contains(u"não respondeu em TLS"_s)) << e.what();
        EXPECT_TRUE(e.message().contains(u"Use http://"_s)) << e.what();
    }
    startTls(files->server);
    try {
        client.post(url().replace(u"https://"_s, u"http://"_s), kEcho);
        ADD_FAILURE() << "plain HTTP to a TLS server went through";
    } catch (const EHttpStatusError& e) {
        EXPECT_EQ(e.answer().status, 400);
        EXPECT_TRUE(e.answer().body.contains("Este servidor usa HTTPS: use https://"))
            << e.answer().body.constData();
    }
    EXPECT_TRUE(sim->received().empty());
}

// The curl command of an HTTPS exchange carries the files as set (a PKCS#12 password from the
// environment, never written) and, with the check off, -k first; it makes the request the client
// made. The evidence names the TLS and marks the switch.
TEST_F(TlsTest, CurlCommandAndEvidenceCarryTheTls) {
    if (QStandardPaths::findExecutable(u"curl"_s).isEmpty())
        GTEST_SKIP() << "the curl tool is not installed";
    const Files& f = *files;
    startTls(f.server, true);
    const QString ca = f.authority.certificateFile();
    const struct {
        TlsSettings settings;
        QString has;
    } cases[] = {
        {{.authorityFile = ca,
          .clientCertificate = f.client.certificate,
          .clientKey = f.client.key},
         u" --cacert '"_s + ca + u"' --cert '"_s + f.client.certificate + u"' --key '"_s},
        {{.authorityFile = ca, .clientCertificate = f.clientP12},
         u" --cert-type P12 --cert '"_s + f.clientP12 + u"':\"$TESTADOR_CERT_SENHA\""_s},
        {{.clientCertificate = f.client.certificate, .clientKey = f.client.key, .insecure = true},
         u"curl -k --silent"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.has.toStdString());
        const HttpCredentials credentials = credentialsForCompany(0);
        ReplayRequest request{u"POST"_s, url(),          credentials.user, credentials.password,
                              {},        R"({"eco":1})", c.settings};
        const QString command = curlCommand(request);
        EXPECT_TRUE(command.contains(c.has)) << qPrintable(command);
        EXPECT_FALSE(command.contains(u"segredo"_s));
        QProcess sh;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kClientPasswordVariable), u"segredo"_s);
        sh.setProcessEnvironment(environment);
        sh.start(u"/bin/sh"_s, {u"-c"_s, command});
        ASSERT_TRUE(sh.waitForFinished(20000));
        EXPECT_EQ(sh.readAllStandardOutput(), R"({"result":{"eco":1}})")
            << sh.readAllStandardError().constData();
    }

    Evidence e;
    e.url = url();
    e.tls = {.authorityFile = ca, .insecure = true};
    e.tlsSession = {u"TLSv1.3"_s, TlsCertificate::fromDer(f.server.der), false};
    const QString summary = evidenceSummary(e);
    for (const QString& part :
         {QString::fromUtf8(kInsecureMark), u"TLS:                  TLSv1.3"_s,
          u"Certificado servidor: CN=localhost"_s,
          u"Emitido por:          CN=Autoridade de teste"_s,
          u"SHA-256 certificado:  "_s + fingerprint(f.server.der),
          u"Autoridade (CA):      "_s + ca})
        EXPECT_TRUE(summary.contains(part))
            << qPrintable(summary) << "\nlacks: " << qPrintable(part);
}

// `call` and `cenario` speak HTTPS as the options or the environment say, tell the TLS used and
// mark the check switched off; --inseguro is refused for a production environment that does not
// have it.
TEST_F(TlsTest, TheCommandLineSpeaksHttpsAsTold) {
    const Files& f = *files;
    startTls(f.server, true);
    const QString base = sim->baseUrl();
    const QString ca = f.authority.certificateFile();
    const QStringList client{u"--cert"_s, f.client.certificate, u"--chave"_s, f.client.key};
    const QStringList echo{u"--plain"_s, u"TConexaoAPI/TestaComunicacao"_s, u"-"_s};

    const CliRun trusted =
        run(QStringList{u"call"_s, u"--url"_s, base, u"--ca"_s, ca} + client + echo, R"({"a":1})");
    EXPECT_EQ(trusted.code, 0) << trusted.err.constData();
    EXPECT_EQ(trusted.out, "{\"result\":{\"a\":1}}\n");
    EXPECT_TRUE(trusted.err.contains(
        (u"TLS: TLSv1.3 · CN=localhost · emitido por CN=Autoridade de teste · SHA-256 "_s +
         fingerprint(f.server.der))
            .toUtf8()))
        << trusted.err.constData();
    EXPECT_FALSE(trusted.err.contains("INSEGURO"));

    const CliRun untrusted = run(QStringList{u"call"_s, u"--url"_s, base} + client + echo, "{}");
    EXPECT_EQ(untrusted.code, 2);
    EXPECT_TRUE(untrusted.err.contains("não é confiável")) << untrusted.err.constData();

    const CliRun insecure =
        run(QStringList{u"call"_s, u"--url"_s, base, u"--inseguro"_s} + client + echo, "{}");
    EXPECT_EQ(insecure.code, 0) << insecure.err.constData();
    EXPECT_TRUE(insecure.err.contains(kInsecureMark)) << insecure.err.constData();

    qputenv(kClientPasswordVariable, "segredo");
    const CliRun pkcs12 = run(
        QStringList{u"call"_s, u"--url"_s, base, u"--ca"_s, ca, u"--cert"_s, f.clientP12} + echo,
        "{}");
    qunsetenv(kClientPasswordVariable);
    EXPECT_EQ(pkcs12.code, 0) << pkcs12.err.constData();

    // The environment's settings, and its certificate password from the keyring.
    const auto environments = [&](const QString& name) -> std::optional<Environment> {
        Environment e{.name = name, .server = base};
        e.tls = {.authorityFile = ca, .clientCertificate = f.clientP12};
        e.clientPassword = u"segredo"_s;
        e.production = name == u"Matriz"_s;
        return e;
    };
    const CliRun fromEnvironment = run(QStringList{u"call"_s, u"--ambiente"_s, u"Loja"_s} + echo,
                                       "{}", false, true, environments);
    EXPECT_EQ(fromEnvironment.code, 0) << fromEnvironment.err.constData();
    sim->clearReceived();
    const CliRun production =
        run(QStringList{u"call"_s, u"--ambiente"_s, u"Matriz"_s, u"--producao"_s, u"--inseguro"_s} +
                echo,
            "{}", false, true, environments);
    EXPECT_EQ(production.code, 2);
    EXPECT_TRUE(production.err.contains(
        "a verificação do certificado do servidor só é desligada nele quando marcada"))
        << production.err.constData();
    EXPECT_TRUE(sim->received().empty());

    // A scenario recorded over HTTPS is replayed over it.
    QTemporaryDir dir;
    const QString scenario = dir.filePath(u"cenario.json"_s);
    ASSERT_EQ(run(QStringList{u"call"_s, u"--url"_s, base, u"--ca"_s, ca, u"--gravar"_s, scenario} +
                      client + echo,
                  R"({"b":2})")
                  .code,
              0);
    const CliRun replay =
        run(QStringList{u"cenario"_s, scenario, u"--url"_s, base, u"--ca"_s, ca} + client);
    EXPECT_EQ(replay.code, 0) << replay.out.constData() << replay.err.constData();
    const CliRun replayUntrusted =
        run(QStringList{u"cenario"_s, scenario, u"--url"_s, base} + client);
    EXPECT_EQ(replayUntrusted.code, 2);
    EXPECT_TRUE(replayUntrusted.out.contains("não é confiável")) << replayUntrusted.out.constData();
}
