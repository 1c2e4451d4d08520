// The command-line companion's help and input errors, the stand-in binary on a busy port, the
// curl command of a request replayed against the stand-in, and the evidence file.
#include "../fulldisk.h"
#include "clirun.h"
#include "common/companykeys.h"
#include "exchange/credentials.h"
#include "exchange/curlcommand.h"
#include "exchange/envelope.h"
#include "exchange/evidence.h"
#include "exchange/httpclient.h"
#include "exchange/scenario.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zip.h>

#include <fcntl.h>
#include <sys/wait.h>

#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A loopback port nobody listens on at the moment.
int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t length = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &length);
    ::close(s);
    return ntohs(a.sin_port);
}

// The stand-in's own executable, started on a port; ends it when it goes.
class StandIn {
public:
    explicit StandIn(int port) : m_port(port) {
        m_process.start(QStringLiteral(MIDDLEWARE_SIM_PATH), {u"--port"_s, QString::number(port)});
    }
    ~StandIn() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }
    // Waits for the line saying it listens; false when it ended first.
    bool listening() {
        for (int i = 0; i < 100 && !m_log.contains("ouvindo em"); ++i) {
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning)
                break;
            m_log += m_process.readAllStandardError();
        }
        return m_log.contains("ouvindo em");
    }
    QByteArray log() {
        m_process.waitForReadyRead(300);
        m_log += m_process.readAllStandardError();
        return m_log;
    }
    QString baseUrl() const { return u"http://127.0.0.1:%1/datasnap/rest/"_s.arg(m_port); }
    QProcess& process() { return m_process; }

private:
    int m_port;
    QProcess m_process;
    QByteArray m_log;
};

QByteArray shellOutput(const QString& command) {
    QProcess sh;
    sh.start(u"/bin/sh"_s, {u"-c"_s, command});
    EXPECT_TRUE(sh.waitForFinished(20000));
    EXPECT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().constData();
    return sh.readAllStandardOutput();
}

std::map<QString, QByteArray> zipEntries(const QString& path) {
    std::map<QString, QByteArray> entries;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!z)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, zip_uint64_t(i), 0, &st);
        QByteArray bytes(qsizetype(st.size), '\0');
        zip_file_t* f = zip_fopen_index(z, zip_uint64_t(i), 0);
        zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        entries[QString::fromUtf8(st.name)] = bytes;
    }
    zip_close(z);
    return entries;
}

QByteArray sha256Hex(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

TEST(CliComforts, HelpInputErrorsAndCompanyCodesOutsideTheKeys) {
    for (const char* flag : {"--help", "-h"}) {
        const CliRun help = run({u"call"_s, QString::fromLatin1(flag)});
        EXPECT_EQ(help.code, 0) << flag;
        EXPECT_TRUE(help.out.contains("testador-cli sign") && help.out.contains("saída: 0"))
            << help.out.constData();
        EXPECT_TRUE(help.err.isEmpty());
    }

    // A data file that is not JSON: where it went wrong, and no usage text.
    const CliRun bad = run({u"sign"_s}, "{\n  \"a\": 1,\n  \"b\" 2\n}");
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.contains("linha 3, coluna 7")) << bad.err.constData();
    EXPECT_FALSE(bad.err.contains("uso:")) << bad.err.constData();

    // A code outside 0 to 13 signs with key 0, as the window does, and says so.
    const CliRun outside = run({u"sign"_s, u"--empresa"_s, u"20"_s}, "{}");
    const CliRun zero = run({u"sign"_s, u"--empresa"_s, u"0"_s}, "{}");
    EXPECT_EQ(outside.code, 0);
    EXPECT_TRUE(outside.err.contains("aviso") && outside.err.contains("20"))
        << outside.err.constData();
    EXPECT_EQ(outside.out, zero.out);
    EXPECT_TRUE(zero.err.isEmpty());
}

// Output that cannot be written is a failure the caller hears of, not a success with an empty
// or cut file.
TEST(CliComforts, AnOutputThatCannotBeWrittenIsAFailure) {
    if (!QFile::exists(u"/dev/full"_s))
        GTEST_SKIP() << "sem /dev/full";
    QProcess cli;
    cli.setStandardOutputFile(u"/dev/full"_s);
    cli.start(QStringLiteral(TESTADOR_CLI_PATH), {u"sign"_s});
    ASSERT_TRUE(cli.waitForStarted(10000));
    cli.write("{\"a\": 1}");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 2);
    EXPECT_TRUE(cli.readAllStandardError().contains("não foi possível escrever a saída"));
}

TEST(StandInBinary, RefusesABusyPortAndLogsWhatItAnswers404) {
    const int port = freePort();
    StandIn first(port);
    ASSERT_TRUE(first.listening()) << first.log().constData();

    StandIn second(port);
    ASSERT_TRUE(second.process().waitForFinished(10000));
    EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process().exitCode(), 2);
    EXPECT_TRUE(second.log().contains("já está em uso")) << second.log().constData();

    MiddlewareHttpClient client(std::nullopt);
    EXPECT_EQ(client.postRaw(first.baseUrl() + u"TNadaAPI/Nada"_s, "{}").status, 404);
    EXPECT_EQ(client.getRaw(u"http://127.0.0.1:%1/outro/caminho"_s.arg(port)).status, 404);
    const QByteArray log = first.log();
    EXPECT_TRUE(log.contains("TNadaAPI/Nada 404")) << log.constData();
    EXPECT_TRUE(log.contains("/outro/caminho 404")) << log.constData();
}

TEST(CurlCommand, ReplaysTheSignedRequestThatTheStandInAccepts) {
    if (QStandardPaths::findExecutable(u"curl"_s).isEmpty())
        GTEST_SKIP() << "the curl tool is not installed";
    CompanyKeys::useDevelopmentKeys();
    StandIn standIn(freePort());
    ASSERT_TRUE(standIn.listening()) << standIn.log().constData();

    // Quotes, a dollar sign, a backslash and a non-ASCII letter: the shell must not touch them.
    auto dados = json::parse(R"({"Texto":"it's $HOME \\ `x` \"q\" Água","N":1})");
    ASSERT_TRUE(dados.value);
    const QByteArray body = QByteArray::fromStdString(
        json::toWireText(buildEnvelope(u"0"_s, u"3"_s, std::move(*dados.value))));
    const HttpCredentials credentials = credentialsForCompany(3);
    ReplayRequest request{u"POST"_s,
                          standIn.baseUrl() + u"TConexaoAPI/Sobre"_s,
                          credentials.user,
                          credentials.password,
                          {},
                          body};
    ASSERT_TRUE(curlBodyFitsInline(body));

    QTemporaryDir dir;
    const QString bodyFile = dir.filePath(u"corpo com espaço.json"_s);
    QFile f(bodyFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(body);
    f.close();
    for (const QString& file : {QString(), bodyFile}) {
        const QByteArray answer = shellOutput(curlCommand(request, file));
        EXPECT_TRUE(answer.contains(R"("err":false)")) << answer.constData();
    }

    // The same command with another signature is refused: the stand-in does check it.
    QByteArray tampered = body;
    tampered.replace("\"Assinatura\":\"", "\"Assinatura\":\"0");
    request.body = tampered;
    EXPECT_TRUE(shellOutput(curlCommand(request)).contains("Assinatura inv"));
}

TEST(Evidence, HoldsRequestAnswerAndFilesWithTheirHashesAndNoKey) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"retorno.pdf"_s);
    QFile pdf(saved);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4 conteúdo");
    pdf.close();

    Evidence e;
    e.page = u"ts_SSL"_s;
    e.servicePath = u"TSSLLocalAPI/DadosCertificado"_s;
    e.method = u"POST"_s;
    e.url = u"http://127.0.0.1:8080/datasnap/rest/TSSLLocalAPI/DadosCertificado"_s;
    e.started = QDateTime::currentDateTime();
    e.companyCode = u"0"_s;
    e.user = credentialsForCompany(0).user;
    e.status = 200;
    e.statusLine = u"HTTP/1.1 200 OK"_s;
    e.elapsedMs = 12.5;
    e.request =
        R"({"Parametros":{"Id":1,"Dados":{"SenhaCertificado":"s3gr3d0","Json":"{\"senhaEmail\":\"x\\\"y\",\"Nome\":\"N\"}","Nome":"Loja"}},"Assinatura":"AB"})";
    e.answer = R"({"result":{"controle":{"err":false}}})";
    e.files.push_back({u"retorno.pdf"_s, saved});
    e.programVersion = u"TestadorQuorvaMiddlewareService 1.0"_s;
    const QString zip = dir.filePath(u"evidencia.zip"_s);
    writeEvidence(e, zip);

    const auto entries = zipEntries(zip);
    ASSERT_EQ(entries.size(), 4u);
    const QByteArray summary = entries.at(u"resumo.txt"_s);
    EXPECT_TRUE(summary.contains(sha256Hex(e.request))) << summary.constData();
    EXPECT_TRUE(summary.contains(sha256Hex(e.answer)));
    EXPECT_TRUE(summary.contains(sha256Hex("%PDF-1.4 conteúdo")));
    EXPECT_TRUE(summary.contains("TSSLLocalAPI/DadosCertificado") && summary.contains("200") &&
                summary.contains("12.5 ms") && summary.contains("1.0"))
        << summary.constData();
    EXPECT_EQ(entries.at(u"resposta.txt"_s), e.answer);
    EXPECT_EQ(entries.at(u"arquivos/retorno.pdf"_s), QByteArray("%PDF-1.4 conteúdo"));
    EXPECT_EQ(
        entries.at(u"requisicao.txt"_s),
        QByteArray(
            R"({"Parametros":{"Id":1,"Dados":{"SenhaCertificado":"***","Json":"{\"senhaEmail\":\"***\",\"Nome\":\"N\"}","Nome":"Loja"}},"Assinatura":"AB"})"));

    QFile whole(zip);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray raw = whole.readAll();
    for (int code = 0; code < CompanyKeys::kCount; ++code)
        for (const auto& [name, bytes] : entries) {
            EXPECT_FALSE(bytes.contains(RetSenInt(code))) << name.toStdString();
            EXPECT_FALSE(raw.contains(RetSenInt(code)));
        }
    EXPECT_FALSE(summary.contains(credentialsForCompany(0).password.toUtf8()));
}

// Passwords are hidden whatever the letter case of their member's name, in the request itself
// and inside JSON text carried as a string; other members, and names that only look alike in
// their value, stay as they are.
TEST(Evidence, RedactsPasswordsInAnyCaseAndInsideJsonText) {
    const struct {
        const char* request;
        const char* redacted;
    } cases[] = {
        {R"({"Senha":"a1","SENHA":"b2","senha":"c3","Nome":"Senha"})",
         R"({"Senha":"***","SENHA":"***","senha":"***","Nome":"Senha"})"},
        {R"({"Password":"a","PASSWORD":"b","SenhaCertificado":"c","NovaSenha" : "d"})",
         R"({"Password":"***","PASSWORD":"***","SenhaCertificado":"***","NovaSenha" : "***"})"},
        {R"({"Json":"{\"Senha\":\"a\",\"PASSWORD\":\"b\",\"Nome\":\"N\"}"})",
         R"({"Json":"{\"Senha\":\"***\",\"PASSWORD\":\"***\",\"Nome\":\"N\"}"})"},
        {R"({"Json":"{\"SENHA\" : \"x\\\"y\\\\\",\"Usuario\":\"u\"}"})",
         R"({"Json":"{\"SENHA\" : \"***\",\"Usuario\":\"u\"}"})"},
        {R"({"Json":"{\n\t\"Password\":\n\"\u00E7\\\\\",\"Ok\":1}"})",
         R"({"Json":"{\n\t\"Password\":\n\"***\",\"Ok\":1}"})"},
        {R"({"Senha":"a\"b\\","Login":"l"})", R"({"Senha":"***","Login":"l"})"},
        {R"({"Usuario":"quorva","Dados":""})", R"({"Usuario":"quorva","Dados":""})"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(redactPasswords(QByteArray(c.request)), QByteArray(c.redacted)) << c.request;
}

TEST(ScenarioRecording, RecordersAtOnceEachAddTheirStepAndAFullDiskLosesNoAnswer) {
    StandIn standIn(freePort());
    ASSERT_TRUE(standIn.listening()) << standIn.log().constData();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"dia.json"_s);
    // Twenty recorders into one file at once: every step is there, none lost.
    std::vector<std::unique_ptr<QProcess>> recorders;
    for (int i = 0; i < 20; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(QStringLiteral(TESTADOR_CLI_PATH), {u"call"_s, u"--url"_s, standIn.baseUrl(),
                                                     u"--gravar"_s, file, u"TConexaoAPI/Sobre"_s});
        recorders.push_back(std::move(p));
    }
    for (auto& p : recorders) {
        ASSERT_TRUE(p->waitForFinished(30000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    EXPECT_EQ(loadScenario(file).steps.size(), 20u);

    // The disk fills between the check and the recording: the answer is printed all the same,
    // the failure said after it (exit 4), and the file is as it was.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    QTemporaryDir full, outside;
    const QString scenario = full.filePath(u"dia.json"_s);
    const QByteArray cli = TESTADOR_CLI_PATH;
    const QByteArray url = standIn.baseUrl().toUtf8();
    const QByteArray scenarioPath = QFile::encodeName(scenario);
    const QByteArray outPath = QFile::encodeName(outside.filePath(u"saida"_s));
    const QByteArray errPath = QFile::encodeName(outside.filePath(u"erros"_s));
    const int code = testing_support::onFullDisk(
        full.path(), 256 * 1024,
        [&] {
            QFile old(scenario);
            if (old.open(QIODevice::WriteOnly))
                old.write(before);
        },
        [&] {
            const pid_t child = ::fork();
            if (child == 0) {
                const int in = ::open("/dev/null", O_RDONLY);
                const int out = ::open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                const int err = ::open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                ::dup2(in, 0);
                ::dup2(out, 1);
                ::dup2(err, 2);
                ::execl(cli.constData(), "testador-cli", "call", "--url", url.constData(),
                        "--gravar", scenarioPath.constData(), "TConexaoAPI/Sobre", nullptr);
                ::_exit(127);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            QFile kept(scenario);
            if (!kept.open(QIODevice::ReadOnly) || kept.readAll() != before)
                return 100; // the old file was not kept whole
            return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
        });
    if (code == testing_support::kNoFullDisk)
        GTEST_SKIP() << "sem como montar um sistema de arquivos pequeno aqui";
    QFile out(outside.filePath(u"saida"_s)), err(outside.filePath(u"erros"_s));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    const QByteArray said = err.readAll();
    EXPECT_EQ(code, 4) << said.constData();
    EXPECT_TRUE(out.readAll().contains("\"result\"")) << said.constData();
    EXPECT_TRUE(said.contains("não foi gravada no cenário")) << said.constData();
}
