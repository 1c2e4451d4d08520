#include "cli.h"
#include "cenario.h"
#include "exchange/credentials.h"
#include "servertarget.h"
#include "servicos.h"

#include "common/companykeys.h"
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/texthelpers.h"
#include "common/utf8valid.h"
#include "exchange/answerverdict.h"
#include "exchange/envelope.h"
#include "exchange/failurehints.h"
#include "exchange/httpclient.h"
#include "exchange/scenario.h"
#include "exchange/session.h"
#include "exchange/signedwire.h"
#include "exchange/utf8step.h"
#include "mappedfile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace {

const QString kDefaultBase = ServerTarget::defaultUrl();

const char* const kUsage =
    "uso:\n"
    "  testador-cli sign [--empresa N] [--id ID] [--keys ARQUIVO] [--max-dados BYTES]\n"
    "                    [ARQUIVO|-]\n"
    "      imprime o envelope assinado (texto enviado) para os Dados em JSON (UTF-8; também\n"
    "      UTF-16 com marca de ordem de bytes, e Windows-1252 quando não é UTF-8);\n"
    "      sem ARQUIVO, lê a entrada padrão\n"
    "  testador-cli call [--url BASE] [--empresa N] [--id ID|--conecta] [--plain]\n"
    "                    [--ambiente NOME [--producao]]\n"
    "                    [--max-resposta BYTES] [--timeout SEGUNDOS] [--keys ARQUIVO]\n"
    "                    [--max-dados BYTES] [--gravar CENARIO [--guardar-arquivos]]\n"
    "                    [--aceitar-rejeicao]\n"
    "                    SERVICO [ARQUIVO|-]\n"
    "      envia os Dados a BASE + SERVICO (BASE padrão: %1); sem ARQUIVO, lê\n"
    "      a entrada padrão quando ela não é um terminal, e num terminal envia o texto vazio "
    "\"\";\n"
    "      --conecta abre uma sessão antes; --plain envia os Dados sem envelope;\n"
    "      --max-resposta recusa uma resposta maior (padrão: 1 GiB);\n"
    "      --timeout desiste depois de tantos segundos (padrão: espera sem limite);\n"
    "      a resposta vai para a saída padrão, a linha de status e o tempo para a de erros;\n"
    "      num terminal, os caracteres de controle aparecem escapados (\\x1B);\n"
    "      --gravar acrescenta a troca como passo ao arquivo de cenário; com\n"
    "      --guardar-arquivos, os arquivos da resposta (base64 de 4 KiB ou mais) são gravados\n"
    "      ao lado dele, na pasta CENARIO.arquivos\n"
    "  testador-cli cenario ARQUIVO [--url BASE] [--empresa N] [--keys ARQUIVO] [--junit ARQ]\n"
    "                       [--ambiente NOME [--producao]] [--timeout SEGUNDOS]\n"
    "                       [--atualizar] [--ruido [N]] [--guardar-arquivos]\n"
    "                       [--usuarios N --duracao S [--ritmo R]]\n"
    "      executa e compara um cenário gravado (testador-cli cenario --help: detalhes)\n"
    "      --aceitar-rejeicao sai com 0 quando o middleware recusa o pedido (\"err\":true)\n"
    "  testador-cli servicos [--json]\n"
    "      o catálogo de todas as páginas: descrição, caminhos, forma de envio e chaves\n"
    "  testador-cli --help | -h\n"
    "      mostra este texto\n"
    "  --max-dados BYTES: recusa Dados maiores (padrão: 1 GiB); ARQUIVO deve ser um arquivo\n"
    "      comum (para ler de um pipe, use - e a entrada padrão)\n"
    "  --empresa N: código da empresa, 0 a 13 (outro valor usa a chave 0, com um aviso)\n"
    "  --ambiente NOME: o servidor, a empresa, as credenciais, as chaves e o tempo limite do\n"
    "      ambiente do testador (as opções dadas valem sobre os do ambiente); um ambiente\n"
    "      marcado como produção só recebe pedidos com --producao\n"
    "%2"
    "  saída: 0 sucesso, 1 status HTTP de erro, 2 uso, entrada ou falha de conexão,\n"
    "         3 pedido recusado pelo middleware (\"err\":true), 4 enviado e respondido, mas\n"
    "         não gravado no cenário (--gravar)\n";

QByteArray usageText() {
    return QString::fromUtf8(kUsage).arg(kDefaultBase, QString::fromUtf8(kTlsUsage)).toUtf8();
}

using UsageError = CliUsageError;
using InputError = CliInputError;

// Line and column (from 1) of a byte offset in the text.
std::pair<qsizetype, qsizetype> lineAndColumn(const QByteArray& text, qsizetype offset) {
    const QByteArray before = text.left(offset);
    const qsizetype lastBreak = before.lastIndexOf('\n');
    return {before.count('\n') + 1, offset - lastBreak};
}

// The company key serves codes 0 to 13; any other number gets key 0, as in the window.
void warnOutsideCompanies(const QString& empresa, const CliIo& io) {
    bool ok = false;
    const int code = empresa.trimmed().toInt(&ok);
    if (ok && (code < 0 || code > 13))
        io.err(QStringLiteral("testador-cli: aviso: código de empresa %1 fora de 0 a 13; "
                              "usada a chave da empresa 0\n")
                   .arg(code)
                   .toUtf8());
}

struct Options {
    QString command;
    ServerTarget server;
    QString id = QStringLiteral("0");
    bool conecta = false;
    bool plain = false;
    bool acceptRejection = false;
    qint64 maxAnswerBytes = MiddlewareHttpClient::kDefaultMaxAnswerBytes;
    qint64 maxDataBytes = MiddlewareHttpClient::kDefaultMaxAnswerBytes; // the same 1 GiB
    QString record;         // scenario file the exchange is appended to
    bool keepFiles = false; // the answer's file members' bytes kept beside it
    QStringList positional;
};

Options parseOptions(const QStringList& args) {
    Options o;
    o.command = args.first();
    const bool call = o.command == QLatin1String("call");
    bool idGiven = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("falta o valor de %1").arg(a)};
            return args[++i];
        };
        const bool sending = a == QLatin1String("--url") || a == QLatin1String("--timeout") ||
                             a == QLatin1String("--producao") || isTlsOption(a);
        if ((call || !sending) && o.server.take(a, value))
            continue;
        if (a == QLatin1String("--id")) {
            o.id = value();
            idGiven = true;
        } else if (a == QLatin1String("--gravar") && call)
            o.record = value();
        else if (a == QLatin1String("--guardar-arquivos") && call)
            o.keepFiles = true;
        else if (a == QLatin1String("--conecta") && call)
            o.conecta = true;
        else if (a == QLatin1String("--plain") && call)
            o.plain = true;
        else if (a == QLatin1String("--aceitar-rejeicao") && call)
            o.acceptRejection = true;
        else if (a == QLatin1String("--max-resposta") && call) {
            bool ok = false;
            o.maxAnswerBytes = value().toLongLong(&ok);
            if (!ok || o.maxAnswerBytes <= 0)
                throw UsageError{QStringLiteral("--max-resposta precisa de um número de bytes")};
        } else if (a == QLatin1String("--max-dados")) {
            bool ok = false;
            o.maxDataBytes = value().toLongLong(&ok);
            if (!ok || o.maxDataBytes <= 0)
                throw UsageError{QStringLiteral("--max-dados precisa de um número de bytes")};
        } else if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("opção desconhecida: %1").arg(a)};
        else
            o.positional.append(a);
    }
    if (idGiven && o.conecta)
        throw UsageError{QStringLiteral("use --id ou --conecta, não os dois")};
    return o;
}

// The text of the bytes as UTF-8, read by the rule of every text file (byte-order mark, else
// UTF-8 when valid, else the 8-bit code page): UTF-8 without a mark is taken as it is. The
// text is always valid UTF-8.
QByteArray utf8Text(QByteArray bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF") &&
        json::isValidUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        return bytes;
    return decodeText(bytes).toUtf8();
}

[[noreturn]] void refuseTooLarge(const QString& name, qint64 maxBytes) {
    throw InputError{QStringLiteral("os Dados em %1 passam de %2 bytes (o limite de --max-dados)")
                         .arg(name == QLatin1String("-") ? QStringLiteral("entrada padrão") : name)
                         .arg(maxBytes)};
}

std::string_view viewOf(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

// The data as it was given: a file's bytes mapped where they lie, or the bytes read (the
// standard input, a file that cannot be mapped).
struct DataInput {
    std::unique_ptr<MappedFile> mapped;
    QByteArray read;

    std::string_view bytes() const { return mapped ? mapped->bytes() : viewOf(read); }
    QByteArray copy() const {
        return mapped ? QByteArray(mapped->bytes().data(), qsizetype(mapped->bytes().size()))
                      : read;
    }
    // The data for a signing straight from the bytes: what is done with of a mapped file is
    // given back as the signing goes.
    DadosText dadosText() const {
        if (!mapped)
            return DadosText{bytes(), {}};
        return DadosText{bytes(),
                         [file = mapped.get()](std::string_view part) { file->release(part); }};
    }
};

// The bytes of a data file: a regular file only (a device never ends, a pipe without a writer
// blocks the open), examined through the open descriptor, and never more than maxBytes.
DataInput readDataFile(const QString& name, qint64 maxBytes) {
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const QFileInfo info(name);
        const QString why = !info.exists()       ? QStringLiteral("arquivo não encontrado")
                            : info.isDir()       ? QStringLiteral("é uma pasta")
                            : !info.isReadable() ? QStringLiteral("sem permissão de leitura")
                                                 : QString::fromLocal8Bit(std::strerror(errno));
        throw InputError{QStringLiteral("Não foi possível abrir '%1': %2").arg(name, why)};
    }
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw EFileError(
            QStringLiteral("Não foi possível abrir '%1': %2").arg(name, f.errorString()));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw InputError{QStringLiteral("'%1' não é um arquivo comum (dispositivo, pipe ou pasta); "
                                        "para ler de um pipe, use - e a entrada padrão")
                             .arg(name)};
    if (info.st_size > maxBytes)
        refuseTooLarge(name, maxBytes);
    // Mapped, the file's bytes are read where they lie (what it grows by meanwhile is not
    // read); a file without size (as those of /proc) or that cannot be mapped is read.
    DataInput input;
    input.mapped = MappedFile::map(fd, std::size_t(info.st_size), name);
    if (input.mapped)
        return input;
    // The size on disk is not trusted: the file may grow while it is read.
    input.read = f.read(maxBytes + 1);
    if (input.read.size() > maxBytes)
        refuseTooLarge(name, maxBytes);
    return input;
}

// The data as it was given, never more than maxBytes of input.
DataInput readInput(const QString& name, const CliIo& io, qint64 maxBytes) {
    if (name == QLatin1String("-")) {
        DataInput input;
        input.read = io.readStdin(maxBytes + 1);
        if (input.read.size() > maxBytes)
            refuseTooLarge(name, maxBytes);
        return input;
    }
    return readDataFile(name, maxBytes);
}

json::JsonValue parseDados(const QByteArray& bytes, const QString& source) {
    json::ParseResult parsed =
        json::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!parsed.value) {
        const auto [line, column] = lineAndColumn(bytes, qsizetype(parsed.errorOffset));
        throw InputError{
            QStringLiteral("JSON inválido em %1, linha %2, coluna %3 (byte %4): %5")
                .arg(source == QLatin1String("-") ? QStringLiteral("entrada padrão") : source)
                .arg(line)
                .arg(column)
                .arg(parsed.errorOffset)
                .arg(QString::fromStdString(parsed.error))};
    }
    return std::move(*parsed.value);
}

QByteArray wireBytes(const json::JsonValue& v) {
    return QByteArray::fromStdString(json::toWireText(v));
}

// The envelope of the data: signed straight from the bytes given when they are JSON in UTF-8,
// else from the text read from them (see utf8Text), else built from the value parsed, which
// reports what is wrong with them. The input is let go of.
QByteArray envelopeOf(DataInput& input, const QString& source, const QString& id,
                      const QString& empresa) {
    {
        ByteArraySink sink(qsizetype(input.bytes().size()));
        if (writeSignedEnvelope(input.dadosText(), id, empresa, sink)) {
            input = DataInput();
            return sink.take();
        }
    }
    const QByteArray text = utf8Text(input.copy());
    input = DataInput();
    ByteArraySink sink(text.size());
    if (writeSignedEnvelope(DadosText{viewOf(text), {}}, id, empresa, sink))
        return sink.take();
    return wireBytes(buildEnvelope(id, empresa, parseDados(text, source)));
}

// Whether the data will be taken, before anything is sent: read once and written nowhere, the
// bytes then as given.
void checkDados(const DataInput& input, const QString& source, const QString& empresa) {
    class Nowhere : public json::TextSink {
        void write(std::string_view) override {}
    } nowhere;
    if (writeSignedEnvelope(input.dadosText(), QStringLiteral("0"), empresa, nowhere))
        return;
    const QByteArray text = utf8Text(input.copy());
    if (!writeSignedEnvelope(DadosText{viewOf(text), {}}, QStringLiteral("0"), empresa, nowhere))
        parseDados(text, source);
}

int sign(const Options& o, const CliIo& io) {
    if (o.positional.size() > 1)
        throw UsageError{QStringLiteral("sign aceita um só arquivo")};
    const QString source = o.positional.value(0, QStringLiteral("-"));
    DataInput input = readInput(source, io, o.maxDataBytes);
    // Written whole before any of it is shown: bytes that turn out not to be taken straight
    // are read the general way, which may also refuse them.
    io.out(envelopeOf(input, source, o.id, o.server.empresa));
    io.out("\n");
    return 0;
}

// The system's text, the address tried and what to check.
QString connectionFailure(const ESocketError& e, const QString& url, int timeoutSeconds) {
    QString text = QString(e.message()).replace(QLatin1String("\r\n"), QLatin1String(" ")) +
                   QStringLiteral(" (%1)").arg(url);
    const QString hint = failureHint(e.code(), 0, url, timeoutSeconds);
    if (!hint.isEmpty())
        text += u'\n' + hint;
    return text;
}

void reportStatus(const HttpAnswer& a, const CliIo& io) {
    io.err(QStringLiteral("%1 (%2 ms)\n").arg(a.statusLine).arg(a.elapsedMs, 0, 'f', 1).toUtf8());
}

// The status, with the TLS of an HTTPS answer.
void reportStatus(const HttpAnswer& a, const ServerTarget& server, const CliIo& io) {
    reportStatus(a, io);
    if (server.url.trimmed().startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        io.err(tlsReport(server.tls.settings, a.tls));
}

// Appends the exchange to the scenario file after it happened. The request took effect
// whatever happens to the file, so a recording that fails does not hide the answer: it is
// printed, and the failure said after it (exit 4), so that a script does not send it again.
struct Recording {
    const Options& o;
    const QString& service;
    const QByteArray& body;
    QString failure;

    void operator()(const HttpAnswer& a) {
        if (o.record.isEmpty())
            return;
        try {
            appendStepToScenario(o.record,
                                 stepFromExchange(QStringLiteral("POST"), service, body, true,
                                                  a.status, a.body, a.contentType),
                                 o.keepFiles, o.server.empresa.trimmed());
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    }
    // The exit code after the answer was printed.
    int finish(int code, const CliIo& io) const {
        if (failure.isEmpty())
            return code;
        io.err(QStringLiteral("testador-cli: a troca foi enviada e respondida (veja acima), mas "
                              "não foi gravada no cenário: %1\n")
                   .arg(failure)
                   .toUtf8());
        return 4;
    }
};

int call(const Options& o, const CliIo& io) {
    if (o.positional.isEmpty() || o.positional.size() > 2)
        throw UsageError{QStringLiteral("call precisa de SERVICO e aceita um arquivo")};
    const QString service = o.positional[0];
    if (const QString problem = servicePathProblem(service); !problem.isEmpty())
        throw InputError{problem};
    // The scenario a recording goes into is read and checked before anything is sent.
    if (!o.record.isEmpty() && QFileInfo(o.record).size() > 0) {
        try {
            loadScenario(o.record);
        } catch (const std::exception& e) {
            throw InputError{
                QStringLiteral("nada foi enviado: %1").arg(QString::fromUtf8(e.what()))};
        }
    }
    const ServerTarget& server = o.server;
    json::JsonValue dados = json::JsonValue::string(std::string());
    // The data given in a file, when they are signed (and checked: with --conecta, before the
    // session is opened, by a reading that writes nothing).
    DataInput input;
    if (o.positional.size() == 2) {
        input = readInput(o.positional[1], io, o.maxDataBytes);
        if (o.plain) {
            dados = parseDados(utf8Text(input.copy()), o.positional[1]);
            input = DataInput();
        } else if (o.conecta) {
            checkDados(input, o.positional[1], server.empresa);
        }
    } else if (!io.inIsTerminal) {
        // A pipe or a file; an empty one (</dev/null) sends the empty text as a terminal does.
        const QByteArray piped = utf8Text(readInput(QStringLiteral("-"), io, o.maxDataBytes).read);
        if (!piped.trimmed().isEmpty())
            dados = parseDados(piped, QStringLiteral("-"));
    }

    MiddlewareHttpClient client(server.credentials ? *server.credentials
                                                   : credentialsForCompanyText(server.empresa));
    client.setMaxAnswerBytes(o.maxAnswerBytes);
    client.setTimeoutSeconds(server.timeoutSeconds);
    client.setTls(server.tls.settings, server.tls.clientPassword);
    QString id = o.id;
    if (o.conecta) {
        SessionFields fields = SessionFields::defaults();
        fields.codigoEmpresa = server.empresa;
        const json::JsonValue request =
            buildSessionRequest(fields, TEnumConexaoMiddlewareTipoRetorno_Simples);
        const QString sessionUrl =
            serviceUrl(server.url, QString::fromLatin1(kConectaMiddlewarePath));
        HttpAnswer a;
        try {
            a = client.post(sessionUrl, wireBytes(request));
        } catch (const ESocketError& e) {
            throw InputError{connectionFailure(e, sessionUrl, server.timeoutSeconds)};
        }
        server.tellProductionSend(sessionUrl, io);
        if (a.status == 200)
            id = sessionIdFromSimpleAnswer(answerDisplayText(a.body, a.contentType));
        io.err(QStringLiteral("sessão: %1\n").arg(id).toUtf8());
    }
    QByteArray body;
    if (o.positional.size() == 2 && !o.plain) {
        // The body is all that is sent: the file is no longer held while it is.
        body = envelopeOf(input, o.positional[1], id, server.empresa);
    } else {
        body = o.plain ? wireBytes(dados)
                       : wireBytes(buildEnvelope(id, server.empresa, std::move(dados)));
    }
    const QString url = serviceUrl(server.url, service);
    Recording record{o, service, body, {}};
    HttpAnswer a;
    try {
        a = client.postRaw(url, body);
    } catch (const ESocketError& e) {
        throw InputError{connectionFailure(e, url, server.timeoutSeconds)};
    } catch (const EHttpStatusError& e) {
        server.tellProductionSend(url, io);
        record(e.answer());
        io.out(e.answer().body);
        reportStatus(e.answer(), server, io);
        const QString hint = failureHint(0, e.answer().status, url, 0);
        if (!hint.isEmpty())
            io.err(hint.toUtf8() + '\n');
        return record.finish(1, io);
    }
    server.tellProductionSend(url, io);
    record(a);
    io.out(a.body);
    if (!a.body.endsWith('\n'))
        io.out("\n");
    reportStatus(a, server, io);
    if (a.status < 200 || a.status > 299)
        return record.finish(1, io);
    const AnswerVerdict verdict = readAnswerVerdict(a.body);
    if (verdict.rejected && !o.acceptRejection) {
        io.err(QStringLiteral("recusado pelo middleware: %1\n").arg(verdict.message).toUtf8());
        return record.finish(3, io);
    }
    return record.finish(0, io);
}

} // namespace

int runCli(const QStringList& args, const CliIo& given) {
    CliIo io = given;
    if (given.outIsTerminal)
        io.out = [out = given.out](const QByteArray& b) { out(escapeControls(b, true)); };
    if (given.errIsTerminal)
        io.err = [err = given.err](const QByteArray& b) { err(escapeControls(b, true)); };
    if (!args.isEmpty() && args.first() == QLatin1String("cenario"))
        return runScenarioCommand(args, io);
    if (!args.isEmpty() && args.first() == QLatin1String("servicos"))
        return runServicesCommand(args, io);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        given.out(usageText());
        return 0;
    }
    if (args.isEmpty()) {
        io.err(usageText());
        return 2;
    }
    try {
        Options o = parseOptions(args);
        o.server.settle(io, o.command == QLatin1String("call"));
        warnOutsideCompanies(o.server.empresa, io);
        if (!o.server.keys.isEmpty())
            CompanyKeys::loadFile(o.server.keys);
        if (o.command == QLatin1String("sign"))
            return sign(o, io);
        if (o.command == QLatin1String("call"))
            return call(o, io);
        throw UsageError{QStringLiteral("comando desconhecido: %1").arg(o.command)};
    } catch (const UsageError& e) {
        io.err("testador-cli: " + e.message.toUtf8() + " (use --help)\n");
        return 2;
    } catch (const InputError& e) {
        io.err("testador-cli: " + e.message.toUtf8() + '\n');
        return 2;
    } catch (const EHttpStatusError& e) {
        io.out(e.answer().body);
        reportStatus(e.answer(), io);
        return 1;
    } catch (const std::exception& e) {
        io.err(QByteArray("testador-cli: ") + e.what() + '\n');
        return 2;
    }
}
