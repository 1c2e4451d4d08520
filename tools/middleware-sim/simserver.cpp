#include "simserver.h"

#include "simanswers.h"
#include "simbodies.h"
#include "simhelpers.h"
#include "simhttp.h"

#include "common/companykeys.h"
#include "common/exception.h"
#include "common/jsonvalue.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "contracts/serviceenums.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/session.h"

#include <QByteArray>
#include <QSet>
#include <cerrno>
#include <cstring>

#include <httplib.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace sim {

using json::JsonValue;

struct MiddlewareSim::Server {
    SimHttpServer http;
};

namespace {

std::string wire(const JsonValue& v) {
    return json::toWireText(v);
}

Answer jsonAnswer(const JsonValue& v, int status = 200) {
    return Answer{status, wire(v)};
}

// Company codes whose basic credentials these are.
std::vector<int> companiesOf(const std::string& user, const std::string& password) {
    std::vector<int> codes;
    for (int code = 0; code <= 13; ++code) {
        const HttpCredentials c = credentialsForCompany(code);
        if (c.user.toStdString() == user && c.password.toStdString() == password)
            codes.push_back(code);
    }
    return codes;
}

void readBasicAuth(const httplib::Request& req, Request& out) {
    const std::string header = req.get_header_value("Authorization");
    if (header.rfind("Basic ", 0) != 0)
        return;
    const QByteArray decoded = QByteArray::fromBase64(QByteArray::fromStdString(header.substr(6)));
    const qsizetype colon = decoded.indexOf(':');
    if (colon < 0)
        return;
    out.authUser = decoded.left(colon).toStdString();
    out.authPassword = decoded.mid(colon + 1).toStdString();
}

// What a client sent, fit for one log line.
std::string shown(const std::string& text) {
    return escapeControls(QByteArrayView(text.data(), qsizetype(text.size()))).toStdString();
}

void writeLogLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr); // one write per line
}

// The request line of a log: method, path, status, user, sizes and time.
void logAnswered(const httplib::Request& req, const httplib::Response& res) {
    Request r;
    readBasicAuth(req, r);
    const double ms = std::chrono::duration<double, std::milli>(SimHttpServer::Clock::now() -
                                                                SimHttpServer::requestStarted())
                          .count();
    char timing[64];
    std::snprintf(timing, sizeof timing, ", %.1f ms", ms);
    std::string line = (req.method.empty() ? std::string("-") : shown(req.method)) + ' ' +
                       (req.path.empty() ? std::string("-") : shown(req.path)) + ' ' +
                       std::to_string(res.status) + " (" +
                       (r.authUser.empty() ? std::string("sem credenciais") : shown(r.authUser)) +
                       ") " + std::to_string(SimHttpServer::notedBody()) + " bytes -> " +
                       std::to_string(res.body.size()) + " bytes" + timing;
    if (!SimHttpServer::notedError().empty())
        line += " - erro interno: " + shown(SimHttpServer::notedError());
    writeLogLine(line + '\n');
}

const Answer kInternalError{500, "Erro interno do simulador.", "text/plain; charset=utf-8"};

// "API/Service" of a path that may carry further segments.
std::string serviceOf(const std::string& path) {
    const auto first = path.find('/');
    if (first == std::string::npos)
        return path;
    const auto second = path.find('/', first + 1);
    return second == std::string::npos ? path : path.substr(0, second);
}

// Whether the path names a service of the middleware ("TNFeAPI/AutenticaSEFAZ"); a path
// may carry further segments after the service ("TNFeAPI/Certificado/1001/…").
bool isServicePath(const std::string& path) {
    static const QSet<QString> known = [] {
        QSet<QString> set;
        for (const QString& p : servicePaths())
            set.insert(p.toLower());
        return set;
    }();
    const QStringList parts = QString::fromStdString(path).split(u'/');
    return parts.size() >= 2 && known.contains((parts[0] + u'/' + parts[1]).toLower());
}

} // namespace

Answer resultEnvelope(bool err, const std::string& cod, const QString& msg,
                      std::optional<JsonValue> livre, const QString& str) {
    JsonValue controle = JsonValue::object();
    controle.add("err", JsonValue::boolean(err));
    controle.add("cod", JsonValue::string(cod));
    controle.add("msg", TJSONUtil::SetStr(msg));
    JsonValue conteudo = JsonValue::object();
    conteudo.add("int", JsonValue::integer(0));
    conteudo.add("str", TJSONUtil::SetStr(str));
    conteudo.add("curr", JsonValue::integer(0));
    conteudo.add("bool", JsonValue::boolean(!err));
    conteudo.add("date", TJSONUtil::SetStr(regional::formatDateTime(
                             QStringLiteral("DD/MM/YYYY HH:NN:SS"), regional::now())));
    if (livre)
        conteudo.add("livre", std::move(*livre));
    JsonValue envelope = JsonValue::object();
    envelope.add("controle", std::move(controle));
    envelope.add("conteudo", std::move(conteudo));
    JsonValue answer = JsonValue::object();
    answer.add("result", std::move(envelope));
    return jsonAnswer(answer);
}

MiddlewareSim::MiddlewareSim() : m_server(std::make_unique<Server>()) {
    installDefaultAnswers(*this);
    SimHttpServer& http = m_server->http;
    auto answer = [this](const httplib::Request& req, httplib::Response& res, std::string body) {
        const SimHttpServer::Worker worker(m_server->http); // the request has arrived whole
        Request r;
        r.method = req.method;
        r.path = req.matches.size() > 1 ? req.matches[1].str() : std::string();
        r.body = std::move(body);
        r.target = req.target;
        r.contentType = SimHttpServer::requestContentType();
        readBasicAuth(req, r);
        SimHttpServer::noteBody(r.body.size());
        const Answer a = respond(r);
        res.status = a.status;
        res.set_content(a.body, a.contentType.c_str());
        if (a.status == 401)
            res.set_header("WWW-Authenticate", "Basic realm=\"middleware\"");
        if (!a.location.empty())
            res.set_header("Location", a.location);
    };
    const std::string pattern = std::string(kBasePath) + "(.*)";
    // Every body is read here, as it came, up to one limit (chunked bodies included).
    http.Post(pattern, [this, answer](const httplib::Request& req, httplib::Response& res,
                                      const httplib::ContentReader& reader) {
        std::string body;
        bool tooLarge = false;
        bool overBudget = false;
        // The bytes of this body count against the budget until it has been answered.
        struct Taken {
            SimHttpServer::BodyBudget& budget;
            std::size_t bytes = 0;
            ~Taken() { budget.give(bytes); }
        } taken{m_server->http.bodyBudget};
        const bool whole = reader([&](const char* data, std::size_t n) {
            if (body.size() + n > m_bodyLimit) {
                tooLarge = true;
                return false;
            }
            if (!taken.budget.take(n)) {
                overBudget = true;
                return false;
            }
            taken.bytes += n;
            body.append(data, n);
            return true;
        });
        if (!whole) {
            SimHttpServer::closeAfterAnswer();
            SimHttpServer::noteBody(body.size());
            if (overBudget) {
                res.status = 503;
                res.set_content("O simulador já está recebendo corpos demais ao mesmo tempo; "
                                "tente de novo em instantes.",
                                "text/plain; charset=utf-8");
                return;
            }
            res.status = tooLarge || res.status == 413 ? 413 : 400;
            res.set_content(res.status == 413 ? "Corpo da requisição grande demais."
                                              : "Corpo da requisição incompleto.",
                            "text/plain; charset=utf-8");
            return;
        }
        answer(req, res, std::move(body));
    });
    http.Get(pattern, [answer](const httplib::Request& req, httplib::Response& res) {
        answer(req, res, std::string());
    });
    http.set_payload_max_length(m_bodyLimit);
    http.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr error) {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                SimHttpServer::noteError(e.what());
            } catch (...) {
                SimHttpServer::noteError("exceção desconhecida");
            }
            res.status = kInternalError.status;
            res.set_content(kInternalError.body, kInternalError.contentType.c_str());
        });
    http.setRequestLogger([this](const httplib::Request& req, const httplib::Response& res) {
        if (m_logging)
            logAnswered(req, res);
    });
    http.setIncompleteLogger([this](const std::string& why, std::size_t bytes, double ms) {
        if (!m_logging)
            return;
        char line[160];
        std::snprintf(line, sizeof line, "- - requisição incompleta (%s): %zu bytes, %.1f ms\n",
                      why.c_str(), bytes, ms);
        writeLogLine(line);
    });
    http.setHandshakeLogger([this](const std::string& why) {
        if (!m_logging)
            return;
        char line[320];
        std::snprintf(line, sizeof line, "- - conexão TLS recusada: %s\n", why.c_str());
        writeLogLine(line);
    });
    // Answers go out at once instead of waiting for the client's delayed acknowledgement.
    http.set_tcp_nodelay(true);
}

MiddlewareSim::~MiddlewareSim() {
    stop();
}

namespace {

std::string listenErrorText(int port, int error) {
    if (error == EADDRINUSE)
        return "a porta " + std::to_string(port) +
               " já está em uso (outro middleware-sim ou outro servidor); escolha outra com --port";
    return "não foi possível escutar na porta " + std::to_string(port) +
           (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
}

} // namespace

ListenError::ListenError(int port, int error)
    : std::runtime_error(listenErrorText(port, error)), m_port(port), m_error(error) {}

bool ListenError::portInUse() const {
    return m_error == EADDRINUSE;
}

int MiddlewareSim::start(int port) {
    errno = 0;
    m_port = m_server->http.bindLoopback(port);
    if (m_port <= 0)
        throw ListenError(port, errno);
    m_thread = std::thread([this] { m_server->http.listen_after_bind(); });
    for (int i = 0; i < 5000 && !m_server->http.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return m_port;
}

void MiddlewareSim::stop() {
    if (m_thread.joinable()) {
        m_server->http.stop();
        m_thread.join();
    }
}

QString MiddlewareSim::baseUrl() const {
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_server->http.tlsEnabled() ? QLatin1String("https") : QLatin1String("http"))
        .arg(m_port)
        .arg(QLatin1String(kBasePath));
}

void MiddlewareSim::setTls(const std::string& certificate, const std::string& key,
                           const std::string& clientAuthority) {
    if (const std::string why = m_server->http.enableTls(certificate, key, clientAuthority);
        !why.empty())
        throw std::runtime_error(why);
}

void MiddlewareSim::setHandler(const std::string& path, ServiceHandler handler) {
    const std::lock_guard lock(m_mutex);
    m_handlers[path] = std::move(handler);
}

void MiddlewareSim::enqueue(const std::string& path, Answer answer) {
    const std::lock_guard lock(m_mutex);
    m_queued[path].push_back(std::move(answer));
}

std::vector<Request> MiddlewareSim::received() const {
    const std::lock_guard lock(m_mutex);
    return {m_received.begin(), m_received.end()};
}

void MiddlewareSim::clearReceived() {
    const std::lock_guard lock(m_mutex);
    m_received.clear();
    m_recordedBytes = 0;
}

void MiddlewareSim::setRecordLimit(std::size_t requests) {
    const std::lock_guard lock(m_mutex);
    m_recordLimit = requests;
}

void MiddlewareSim::setRequestDeadline(std::chrono::milliseconds deadline) {
    m_server->http.setRequestDeadline(deadline);
}

void MiddlewareSim::setBodyBudget(std::size_t bytes) {
    m_server->http.bodyBudget.setLimit(bytes);
}

void MiddlewareSim::setBodyLimit(std::size_t bytes) {
    m_bodyLimit = bytes;
    m_server->http.set_payload_max_length(bytes);
}

void MiddlewareSim::record(const Request& request) {
    constexpr std::size_t kRecordedBodyBytes = 64 * 1024 * 1024;
    m_received.push_back(request);
    m_recordedBytes += request.body.size();
    while (!m_received.empty() &&
           (m_received.size() > m_recordLimit ||
            (m_recordedBytes > kRecordedBodyBytes && m_received.size() > 1))) {
        m_recordedBytes -= m_received.front().body.size();
        m_received.pop_front();
    }
}

void MiddlewareSim::setNextSessionId(int64_t id) {
    const std::lock_guard lock(m_mutex);
    m_nextSessionId = id;
}

std::optional<int> MiddlewareSim::sessionCompany(int64_t sessionId) const {
    const std::lock_guard lock(m_mutex);
    const auto it = m_sessions.find(sessionId);
    if (it == m_sessions.end())
        return std::nullopt;
    return it->second;
}

Answer MiddlewareSim::handle(const Request& request) {
    ServiceHandler handler;
    {
        const std::lock_guard lock(m_mutex);
        record(request);
        auto queued = m_queued.find(request.path);
        if (queued != m_queued.end() && !queued->second.empty()) {
            Answer a = std::move(queued->second.front());
            queued->second.pop_front();
            return a;
        }
        // Handlers answer a service whatever further segments its path carries.
        const std::string service = serviceOf(request.path);
        if (auto h = m_handlers.find(service); h != m_handlers.end())
            handler = h->second;
    }
    if (!isServicePath(request.path))
        return Answer{404, "Serviço não encontrado: " + request.path, "text/plain; charset=utf-8"};
    const BodyKind kind = bodyKindOf(request.path);
    if (kind != BodyKind::PlainPublic &&
        companiesOf(request.authUser, request.authPassword).empty())
        return Answer{401, "Credenciais inválidas", "text/plain; charset=utf-8"};

    const auto body = json::parse(request.body).value;
    const JsonValue* dados = nullptr;
    if (request.method == "GET") {
        // The certificate download carries the session in its path and has no body.
    } else if (kind == BodyKind::Session) {
        if (!body || !body->isObject())
            return resultEnvelope(
                true, "",
                QStringLiteral("Requisição de sessão inválida: o corpo deve ser um objeto JSON."));
        return handleConecta(request, *body);
    } else if (kind == BodyKind::Envelope) {
        if (auto error = checkEnvelope(request, body ? &*body : nullptr))
            return resultEnvelope(true, "", QString::fromStdString(*error));
        dados = body->find("Parametros")->find("Dados");
    } else {
        if (!body)
            return resultEnvelope(true, "",
                                  QStringLiteral("Requisição inválida: o corpo não é JSON."));
        dados = &*body; // the data value itself
    }
    // Branch "999" asks any service for a rejection, so every page's error path can be seen.
    if (asksForError(dados))
        return resultEnvelope(true, "6", QStringLiteral("Rejeição simulada: filial 999."));
    if (handler)
        return handler(request, dados);
    if (request.path == "TConexaoAPI/TestaComunicacao" && body) {
        JsonValue echo = JsonValue::object();
        echo.add("result", *body);
        return jsonAnswer(echo);
    }
    return resultEnvelope(false, "",
                          QStringLiteral("Operação realizada com sucesso (simulador): ") +
                              QString::fromStdString(request.path));
}

Answer MiddlewareSim::respond(const Request& request) {
    try {
        return handle(request);
    } catch (const std::exception& e) {
        // The client learns that it failed, not why: the reason goes to the log.
        SimHttpServer::noteError(e.what());
        return kInternalError;
    }
}

Answer MiddlewareSim::handleConecta(const Request& request, const JsonValue& body) {
    int company = 0;
    try {
        company = TJSONUtil::GetInt(&body, QStringLiteral("CodigoEmpresa"), 0);
    } catch (const EConvertError& e) {
        // A code that is no integer (1e300, "x") is the request's fault, not the server's.
        return Answer{400, "CodigoEmpresa inválido: " + e.message().toStdString(),
                      "text/plain; charset=utf-8"};
    }
    const QString form = TJSONUtil::GetStr(&body, QStringLiteral("TipoRetorno"));
    const auto allowed = companiesOf(request.authUser, request.authPassword);
    if (std::find(allowed.begin(), allowed.end(), company) == allowed.end())
        return Answer{401, "Credenciais não conferem com a empresa", "text/plain; charset=utf-8"};
    int64_t id;
    {
        const std::lock_guard lock(m_mutex);
        id = m_nextSessionId++;
        m_sessions[id] = company;
        // The oldest sessions are forgotten, as a middleware's sessions expire.
        constexpr std::size_t kSessionsKept = 65536;
        while (m_sessions.size() > kSessionsKept)
            m_sessions.erase(m_sessions.begin());
    }
    if (form == QStringLiteral("C")) {
        JsonValue livre = JsonValue::object();
        livre.add("Id", JsonValue::integer(id));
        livre.add("CodigoEmpresa", JsonValue::integer(company));
        livre.add("NomeMaquina",
                  TJSONUtil::SetStr(TJSONUtil::GetStr(&body, QStringLiteral("NomeMaquina"))));
        return resultEnvelope(false, "", QStringLiteral("Sessão aberta."), std::move(livre));
    }
    return Answer{200, "{\"result\":{\"SessaoID\":" + std::to_string(id) + "}}"};
}

std::optional<std::string> MiddlewareSim::checkEnvelope(const Request& request,
                                                        const JsonValue* body) {
    const JsonValue* parametros = body && body->isObject() ? body->find("Parametros") : nullptr;
    const JsonValue* signature = body && body->isObject() ? body->find("Assinatura") : nullptr;
    if (!body || !parametros || !parametros->isObject() || !parametros->find("Id") ||
        !parametros->find("Dados") || !signature || !signature->isString())
        return std::string(body ? "Envelope inválido" : "Envelope inválido: o corpo não é JSON") +
               ": este serviço espera {\"Parametros\":{\"Id\",\"Dados\"},\"Assinatura\"}.";
    const JsonValue* idValue = parametros->find("Id");
    std::vector<int> candidates;
    if (idValue->isIntegerNumber()) {
        const std::string& text = idValue->text();
        int64_t id = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (error == std::errc() && end == text.data() + text.size())
            if (auto company = sessionCompany(id))
                candidates.push_back(*company);
    }
    if (candidates.empty())
        candidates = companiesOf(request.authUser, request.authPassword);
    if (candidates.empty())
        candidates.push_back(0);
    for (const int company : candidates)
        if (signParametros(*parametros, company).toStdString() == signature->text())
            return std::nullopt;
    return "Assinatura inválida: a assinatura da requisição não confere com a chave da empresa.";
}

} // namespace sim
