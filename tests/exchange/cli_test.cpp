#include "clirun.h"
#include "common/companykeys.h"
#include "common/indexedtext.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "simserver.h"

#include "../signing_vectors.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

// Writes a data file whole, replacing what it held.
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(Cli, SignPrintsTheEnvelopeAsTheWindowWouldPostIt) {
    const QByteArray dados = R"({"Texto":"Água\ttab","N":1.50})";
    const CliRun r = run({"sign", "--empresa", "3", "--id", "12", "-"}, dados);
    ASSERT_EQ(r.code, 0) << r.err.constData();
    // All characters are kept (no filter) and the parsed number keeps its text.
    EXPECT_TRUE(r.out.startsWith(
        R"({"Parametros":{"Id":12,"Dados":{"Texto":"\u00C1gua\ttab","N":1.50}},"Assinatura":")"))
        << r.out.constData();
    EXPECT_TRUE(r.out.endsWith("\"}\n"));
    const auto parsed = json::parse(r.out.trimmed().toStdString());
    ASSERT_TRUE(parsed.value);
    EXPECT_EQ(parsed.value->find("Assinatura")->toQString(),
              signParametros(*parsed.value->find("Parametros"), 3));
}

// Signatures computed outside the program, for every company key.
TEST(Cli, SignMatchesKnownSignatures) {
    for (const SigningVector& v : kSigningVectors) {
        const CliRun r = run({"sign", "--empresa", QString::fromLatin1(v.empresa), "--id",
                              QString::fromLatin1(v.id), "-"},
                             QByteArray(v.dados));
        ASSERT_EQ(r.code, 0) << v.empresa << ": " << r.err.constData();
        EXPECT_EQ(r.out, QByteArray(R"({"Parametros":)") + v.parametros + R"(,"Assinatura":")" +
                             v.assinatura + "\"}\n")
            << "company " << v.empresa;
    }
}

TEST(Cli, DataFilesAreReadByMarkThenAsUtf8ThenInTheCodePage) {
    const QString dados = QString::fromUtf8(R"({"T":"ação"})");
    const QByteArray inputs[] = {
        dados.toUtf8(),
        "\xEF\xBB\xBF" + dados.toUtf8(),
        "\xFF\xFE" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(dados)),
        "\xFE\xFF" + QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(dados)),
        "{\"T\":\"a\xE7\xE3o\"}",
    };
    // A file is read where it lies (mapped), the standard input as it comes: the same rule.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dados.json"));
    for (const QByteArray& input : inputs) {
        ASSERT_TRUE(writeFile(file, input));
        for (const CliRun& r : {run({"sign", "-"}, input), run({"sign", file})}) {
            EXPECT_EQ(r.code, 0) << r.err.constData();
            EXPECT_TRUE(
                r.out.startsWith(R"({"Parametros":{"Id":0,"Dados":{"T":"a\u00E7\u00E3o"}})"))
                << input.toHex().constData() << ": " << r.out.constData();
        }
    }
    // Not JSON, from a file: the place of the error, nothing written.
    ASSERT_TRUE(writeFile(file, "{\"a\":\"ação\",\n \"b\" 2}"));
    const CliRun bad = run({"sign", file});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.contains("linha 2, coluna 6")) << bad.err.constData();
    EXPECT_TRUE(bad.out.isEmpty());
}

// A data file of several mebibytes is read where it lies and its memory given back as it is
// read and written again: the envelope is byte for byte the one signed from the same bytes read.
TEST(Cli, LargeDataFileIsSignedAsTheSameBytesRead) {
    QByteArray xml;
    for (int i = 0; xml.size() < 5 * 1024 * 1024; ++i)
        xml += QStringLiteral("<det nItem=\\\"%1\\\"><xProd>AÇÚCAR 1KG</xProd></det>\\r\\n")
                   .arg(i)
                   .toUtf8();
    const QByteArray dados = R"({"CNPJ":"11222333000181","XML":")" + xml + R"(","fim":"é"})";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dados.json"));
    ASSERT_TRUE(writeFile(file, dados));
    const CliRun mapped = run({"sign", "--id", "1001", file});
    const CliRun read = run({"sign", "--id", "1001", "-"}, dados);
    EXPECT_EQ(mapped.code, 0) << mapped.err.constData();
    EXPECT_GT(mapped.out.size(), dados.size());
    EXPECT_TRUE(mapped.out == read.out);

    // call posts the same bytes, though it gives the file's pages back as it goes.
    sim::MiddlewareSim sim;
    sim.start();
    const CliRun posted =
        run({"call", "--url", sim.baseUrl(), "--id", "1001", "TConexaoAPI/Sobre", file});
    EXPECT_EQ(posted.code, 0) << posted.err.constData();
    ASSERT_EQ(sim.received().size(), 1u);
    EXPECT_TRUE(QByteArray::fromStdString(sim.received()[0].body) + '\n' == read.out);
    sim.stop();
}

TEST(Cli, BadInputAndUsageExitWithTwo) {
    const CliRun invalid = run({"sign"}, "{oops");
    EXPECT_EQ(invalid.code, 2);
    EXPECT_TRUE(invalid.err.contains("JSON inv")) << invalid.err.constData();
    EXPECT_TRUE(invalid.out.isEmpty());
    EXPECT_EQ(run({"sign", "--empresa", "X"}, "{}").code, 2);
    EXPECT_EQ(run({"frobnicate"}).code, 2);
    EXPECT_EQ(run({"call"}).code, 2);
    EXPECT_EQ(run({"sign", "/nonexistent/file.json"}).code, 2);
}

// The data input has a size limit, settable, and a data file must be a regular file: a device
// such as /dev/zero would be read without end.
TEST(Cli, DataInputIsBoundedAndDevicesAreRefused) {
    const CliRun device = run({"sign", "/dev/null"});
    EXPECT_EQ(device.code, 2);
    EXPECT_TRUE(device.err.contains("não é um arquivo comum")) << device.err.constData();

    const QByteArray dados = R"({"Texto":"0123456789"})";
    const CliRun stdinTooLarge = run({"sign", "--max-dados", "10"}, dados);
    EXPECT_EQ(stdinTooLarge.code, 2);
    EXPECT_TRUE(stdinTooLarge.err.contains("passam de 10 bytes")) << stdinTooLarge.err.constData();
    EXPECT_TRUE(stdinTooLarge.out.isEmpty());

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dados.json"));
    ASSERT_TRUE(writeFile(file, dados));
    const CliRun fileTooLarge = run({"sign", "--max-dados", "10", file});
    EXPECT_EQ(fileTooLarge.code, 2);
    EXPECT_TRUE(fileTooLarge.err.contains("passam de 10 bytes")) << fileTooLarge.err.constData();
    EXPECT_EQ(run({"sign", "--max-dados", QString::number(dados.size()), file}).code, 0);
}

TEST(Cli, CallOpensSessionPostsAndReportsStatus) {
    sim::MiddlewareSim sim;
    sim.start();
    const QString base = sim.baseUrl();
    const CliRun ok = run({"call", "--url", base, "--conecta", "TConexaoAPI/Sobre"});
    EXPECT_EQ(ok.code, 0) << ok.err.constData();
    EXPECT_TRUE(ok.out.contains("\"err\":false")) << ok.out.constData();
    EXPECT_TRUE(ok.err.contains("HTTP/1.1 200 OK")) << ok.err.constData();
    const auto got = sim.received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].path, "TConexaoAPI/ConectaMiddleware");
    EXPECT_EQ(got[1].body.rfind(R"({"Parametros":{"Id":1001,"Dados":""},)", 0), 0u) << got[1].body;

    // A session Id beyond 32 bits, from the stand-in and typed.
    sim.setNextSessionId(5'000'000'000);
    sim.clearReceived();
    const CliRun wide = run({"call", "--url", base, "--conecta", "TConexaoAPI/Sobre"});
    EXPECT_TRUE(wide.err.contains("sessão: 5000000000")) << wide.err.constData();
    EXPECT_TRUE(wide.out.contains("\"err\":false")) << wide.out.constData();
    EXPECT_EQ(sim.received().back().body.rfind(R"({"Parametros":{"Id":5000000000,)", 0), 0u);
    EXPECT_TRUE(run({"sign", "--id", "6000000000"}, "1")
                    .out.startsWith(R"({"Parametros":{"Id":6000000000,"Dados":1})"));

    const CliRun plain =
        run({"call", "--url", base, "--plain", "TConexaoAPI/TestaComunicacao", "-"}, R"({"a":1})");
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out, "{\"result\":{\"a\":1}}\n");

    sim.enqueue("TNFeAPI/Falha", sim::Answer{500, "quebrou", "text/plain"});
    const CliRun failed = run({"call", "--url", base, "TNFeAPI/Falha"});
    EXPECT_EQ(failed.code, 1);
    EXPECT_TRUE(failed.err.contains("HTTP/1.1 500 Internal Server Error"))
        << failed.err.constData();
    EXPECT_EQ(failed.out, "quebrou\n");

    sim.enqueue("TNFeAPI/Movido", sim::Answer{302, "", "text/plain", "http://127.0.0.1:1/"});
    const CliRun moved = run({"call", "--url", base, "TNFeAPI/Movido"});
    EXPECT_EQ(moved.code, 1);
    EXPECT_TRUE(moved.err.contains("HTTP/1.1 302 Found")) << moved.err.constData();

    sim.stop();
    const CliRun refused = run({"call", "--url", base, "TConexaoAPI/Sobre"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains("Connection refused")) << refused.err.constData();
    // The address tried, and what to check.
    EXPECT_TRUE(refused.err.contains((base + "TConexaoAPI/Sobre").toUtf8()))
        << refused.err.constData();
    EXPECT_TRUE(refused.err.contains("Nenhum middleware respondeu em " +
                                     QUrl(base).adjusted(QUrl::RemovePath).toString().toUtf8() +
                                     ". Ele está em execução?"))
        << refused.err.constData();
}

// Piped Dados are sent; on a terminal, without a file, the empty text goes as before.
TEST(Cli, CallReadsDadosFromAPipe) {
    sim::MiddlewareSim sim;
    sim.start();
    const QStringList args{"call", "--url", sim.baseUrl(), "--plain",
                           "TConexaoAPI/TestaComunicacao"};
    const CliRun piped = run(args, R"({"a":1})", false, false);
    EXPECT_EQ(piped.code, 0) << piped.err.constData();
    EXPECT_EQ(piped.out, "{\"result\":{\"a\":1}}\n");
    const CliRun empty = run(args, {}, false, false);
    EXPECT_EQ(empty.code, 0) << empty.err.constData();
    const CliRun terminal = run(args, R"({"a":1})", false, true);
    EXPECT_EQ(terminal.code, 0) << terminal.err.constData();
    const auto got = sim.received();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].body, R"({"a":1})");
    EXPECT_EQ(got[1].body, R"("")");
    EXPECT_EQ(got[2].body, R"("")");
}

// A rejection exits 3 so that a script notices it, unless the caller asks to accept it.
TEST(Cli, RejectionExitsWithThree) {
    sim::MiddlewareSim sim;
    sim.start();
    const std::string rejected = R"({"result":{"controle":{"err":true,"msg":"CNPJ inválido"}}})";
    sim.enqueue("TNFeAPI/Recusa", sim::Answer{200, rejected, "application/json"});
    const CliRun r = run({"call", "--url", sim.baseUrl(), "--id", "1", "TNFeAPI/Recusa"});
    EXPECT_EQ(r.code, 3) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray::fromStdString(rejected) + "\n");
    EXPECT_TRUE(r.err.contains("CNPJ inválido")) << r.err.constData();
    sim.enqueue("TNFeAPI/Recusa", sim::Answer{200, rejected, "application/json"});
    EXPECT_EQ(
        run({"call", "--url", sim.baseUrl(), "--id", "1", "--aceitar-rejeicao", "TNFeAPI/Recusa"})
            .code,
        0);
}

// Usage errors are one line pointing at --help; the help shows the default address; file
// errors are in Portuguese.
TEST(Cli, MessagesAreShortAndPortuguese) {
    const CliRun usage = run({"call", "--nada"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_EQ(usage.err, "testador-cli: opção desconhecida: --nada (use --help)\n");
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("http://localhost:8080/datasnap/rest/")) << help.out.constData();
    EXPECT_TRUE(help.out.contains("3 pedido recusado")) << help.out.constData();
    const CliRun missing = run({"sign", "/nonexistent/file.json"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err,
              "testador-cli: Não foi possível abrir '/nonexistent/file.json': arquivo não "
              "encontrado\n");
}

TEST(Cli, EnvironmentGivesWhatTheOptionsDoNotSay) {
    sim::MiddlewareSim sim;
    sim.start();
    const auto environments = [&](const QString& name) -> std::optional<Environment> {
        if (name != QStringLiteral("Homologação"))
            return std::nullopt;
        return Environment{.name = name,
                           .server = sim.baseUrl(),
                           .companyCode = QStringLiteral("9"),
                           .user = QStringLiteral("ana"),
                           .password = QStringLiteral("s3nha")};
    };
    // The stand-in knows only the company codes' own credentials: it refuses, having seen them.
    const CliRun ok = run({"call", "--ambiente", "Homologação", "TConexaoAPI/Sobre"}, {}, false,
                          true, environments);
    EXPECT_EQ(ok.code, 1) << ok.err.constData();
    ASSERT_EQ(sim.received().size(), 1u);
    EXPECT_EQ(sim.received()[0].authUser, "ana");
    EXPECT_EQ(sim.received()[0].authPassword, "s3nha");
    // An option given wins over the environment's.
    const CliRun other = run(
        {"call", "--ambiente", "Homologação", "--url", "http://127.0.0.1:1/", "TConexaoAPI/Sobre"},
        {}, false, true, environments);
    EXPECT_EQ(other.code, 2);
    EXPECT_EQ(sim.received().size(), 1u);
    const CliRun unknown =
        run({"call", "--ambiente", "Nenhum", "TConexaoAPI/Sobre"}, {}, false, true, environments);
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains("ambiente desconhecido: Nenhum")) << unknown.err.constData();
}

TEST(Cli, ProductionIsSentToOnlyWhenAskedAndTheAddressGetsItsSlash) {
    sim::MiddlewareSim sim;
    sim.start();
    const auto environments = [&](const QString& name) -> std::optional<Environment> {
        return Environment{.name = name, .server = sim.baseUrl(), .production = name == "Prod"};
    };
    QTemporaryDir dir;
    const QString scenario = dir.filePath(QStringLiteral("s.json"));
    {
        QFile f(scenario);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"passos":[{"servico":"TConexaoAPI/Sobre","esperado":{"status":200}}]})");
    }
    const struct {
        QStringList args;
        int code;
        std::size_t sent;
        const char* said;
    } cases[] = {
        {{"call", "--ambiente", "Prod", "TConexaoAPI/Sobre"}, 2, 0, "é de produção"},
        {{"cenario", scenario, "--ambiente", "Prod"}, 2, 0, "é de produção"},
        {{"call", "--ambiente", "Prod", "--producao", "TConexaoAPI/Sobre"},
         0,
         1,
         "enviado ao ambiente de produção \"Prod\": http://"},
        {{"call", "--ambiente", "Homologação", "TConexaoAPI/Sobre"}, 0, 1, ""},
        // The signing command sends nothing: a production environment's keys are fine.
        {{"sign", "--ambiente", "Prod"}, 0, 0, ""},
    };
    for (const auto& c : cases) {
        sim.clearReceived();
        const CliRun r = run(c.args, "{}", false, true, environments);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString() << r.err.constData();
        EXPECT_EQ(sim.received().size(), c.sent) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.said)) << r.err.constData();
    }
    // An address without its final slash is completed, and said so, for call and cenario.
    QString bare = sim.baseUrl();
    bare.chop(1);
    for (const QStringList& args : {QStringList{"call", "--url", bare, "TConexaoAPI/Sobre"},
                                    QStringList{"cenario", scenario, "--url", bare}}) {
        sim.clearReceived();
        const CliRun r = run(args);
        ASSERT_FALSE(sim.received().empty()) << r.err.constData();
        EXPECT_EQ(sim.received().back().path, "TConexaoAPI/Sobre");
        EXPECT_EQ(r.err.count("completado com a barra final"), 1) << r.err.constData();
    }
    // A service path that would leave the service base is refused before anything is sent.
    sim.clearReceived();
    const CliRun climb = run({"call", "--url", sim.baseUrl(), "TConexaoAPI/Sobre/../../../x"});
    EXPECT_EQ(climb.code, 2);
    EXPECT_TRUE(climb.err.contains("serviço inválido")) << climb.err.constData();
    EXPECT_TRUE(sim.received().empty());
}

// On a terminal what the server sent is shown with its control characters escaped, so that it
// cannot drive the terminal; into a pipe or a file the answer goes byte for byte.
TEST(Cli, AnswerIsEscapedOnlyOnATerminal) {
    sim::MiddlewareSim sim;
    sim.start();
    const std::string hostile = "{\"a\":\"\x1b]0;titulo\x07\x1b[2J\"}\r\n\xff";
    for (const bool terminal : {true, false}) {
        sim.enqueue("TNFeAPI/Hostil", sim::Answer{200, hostile, "text/plain"});
        const CliRun r = run({"call", "--url", sim.baseUrl(), "TNFeAPI/Hostil"}, {}, terminal);
        EXPECT_EQ(r.code, 0) << r.err.constData();
        EXPECT_EQ(r.out, terminal
                             ? QByteArray("{\"a\":\"\\x1B]0;titulo\\x07\\x1B[2J\"}\\x0D\n\\xFF\n")
                             : QByteArray::fromStdString(hostile) + "\n");
    }
}

// An answer larger than the limit ends the call with a clear message, and nothing of it is
// printed.
TEST(Cli, AnswerLargerThanTheLimitIsRefused) {
    sim::MiddlewareSim sim;
    sim.start();
    sim.enqueue("TNFeAPI/Grande", sim::Answer{200, std::string(5000, 'x'), "text/plain"});
    const CliRun r =
        run({"call", "--url", sim.baseUrl(), "--max-resposta", "1000", "TNFeAPI/Grande"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("1000 bytes")) << r.err.constData();
    EXPECT_EQ(run({"call", "--max-resposta", "muito", "TNFeAPI/Grande"}).code, 2);
}

TEST(Cli, CallGivesUpAfterTheTimeOut) {
    sim::MiddlewareSim sim;
    sim.start();
    const auto answered = std::make_shared<std::atomic<bool>>(false);
    sim.setHandler("TConexaoAPI/Sobre", [answered](const sim::Request&, const json::JsonValue*) {
        for (int i = 0; i < 100 && !*answered; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return sim::Answer{200, "{}"};
    });
    const CliRun r =
        run({"call", "--url", sim.baseUrl(), "--id", "1", "--timeout", "1", "TConexaoAPI/Sobre"});
    *answered = true;
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("Connection timed out.")) << r.err.constData();
    EXPECT_EQ(run({"call", "--timeout", "0", "TConexaoAPI/Sobre"}).code, 2);
}

// The text shown of an answer follows the character set it names; without one it is UTF-8
// when it can be, and one character per byte when not. Where the body is said to be its own
// text (the pane keeps the bytes), its bytes read as exactly that text.
TEST(AnswerText, DecodesByTheCharsetNamed) {
    struct Case {
        QByteArray body;
        QByteArray contentType;
        QString shown;
        bool itsBytes;
    };
    const std::vector<Case> cases = {
        {"a\xC3\xA7\xC3\xA3o", "application/json; charset=utf-8", QStringLiteral("ação"), true},
        {"a\xE7\xE3o", "text/plain; charset=ISO-8859-1", QStringLiteral("ação"), false},
        {"abc", "text/plain; charset=ISO-8859-1", QStringLiteral("abc"), false},
        {"\x93x\x94 \x80", "text/plain; charset=\"windows-1252\"", QStringLiteral("“x” €"), false},
        {"a\xC3\xA7\xC3\xA3o", "application/json", QStringLiteral("ação"), true},
        {"a\xE7\xE3o", "", QStringLiteral("ação"), false},
        {"a\xE7\xE3o", "text/plain; charset=x-desconhecido", QStringLiteral("ação"), false},
        {"\xF0\x9F\x98\x80\xEF\xBB\xBF", "text/plain; charset=x-desconhecido",
         QStringLiteral("\U0001F600\uFEFF"), true},
        {"\xEF\xBB\xBF{}", "application/json", QStringLiteral("{}"), false},
        {"\xEF\xBB\xBF{}", "application/json; charset=UTF-8", QStringLiteral("{}"), false},
        {QByteArray("{\0}", 3), "", QString(QChar(u'{')) + QChar(0) + u'}', true},
        {"\xED\xA0\x80", "", QStringLiteral("\u00ED\u00A0\u0080"), false}, // a surrogate
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body.toHex().toStdString() + " " + c.contentType.toStdString());
        EXPECT_EQ(decodeAnswerText(c.body, c.contentType), c.shown);
        EXPECT_EQ(answerTextIsItsBytes(c.body, c.contentType), c.itsBytes);
        if (c.itsBytes) {
            EXPECT_EQ(IndexedText::decode(c.body), c.shown);
        }
    }
}
