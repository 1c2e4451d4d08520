#include "simserver.h"

#include "simanswers.h"
#include "simhelpers.h"

#include "common/companykeys.h"
#include "common/jsonvalue.h"
#include "common/regional.h"
#include "common/tjsonutil.h"
#include "contracts/serviceenums.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/session.h"

#include <QByteArray>
#include <QSet>

#include <httplib.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace sim {

using json::JsonValue;

struct MiddlewareSim::Server {
    httplib::Server http;
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
    auto serve = [this](const httplib::Request& req, httplib::Response& res) {
        const auto started = std::chrono::steady_clock::now();
        Request r;
        r.method = req.method;
        r.path = req.matches.size() > 1 ? req.matches[1].str() : std::string();
        r.body = req.body;
        r.target = req.target;
        r.contentType = req.get_header_value("Content-Type");
        readBasicAuth(req, r);
        const Answer a = handle(r);
        res.status = a.status;
        res.set_content(a.body, a.contentType.c_str());
        if (a.status == 401)
            res.set_header("WWW-Authenticate", "Basic realm=\"middleware\"");
        if (!a.location.empty())
            res.set_header("Location", a.location);
        log(r, a,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count());
    };
    const std::string pattern = std::string(kBasePath) + "(.*)";
    m_server->http.Post(pattern, serve);
    m_server->http.Get(pattern, serve);
    m_server->http.set_payload_max_length(512ull * 1024 * 1024);
    // Answers go out at once instead of waiting for the client's delayed acknowledgement.
    m_server->http.set_tcp_nodelay(true);
}

MiddlewareSim::~MiddlewareSim() {
    stop();
}

int MiddlewareSim::start(int port) {
    if (port == 0)
        m_port = m_server->http.bind_to_any_port("127.0.0.1");
    else
        m_port = m_server->http.bind_to_port("127.0.0.1", port) ? port : -1;
    if (m_port <= 0)
        throw std::runtime_error("middleware-sim: não foi possível escutar na porta " +
                                 std::to_string(port));
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
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(kBasePath));
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
    return m_received;
}

void MiddlewareSim::clearReceived() {
    const std::lock_guard lock(m_mutex);
    m_received.clear();
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
        m_received.push_back(request);
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
    if (companiesOf(request.authUser, request.authPassword).empty()) {
        // The public services of the fiscal reporting answer without credentials.
        const bool isPublic = request.path.find("Public") != std::string::npos;
        if (!isPublic)
            return Answer{401, "Credenciais inválidas", "text/plain; charset=utf-8"};
    }
    const auto body = json::parse(request.body).value;
    if (request.path == kConectaMiddlewarePath && body)
        return handleConecta(request, *body);

    const JsonValue* dados = nullptr;
    if (body && body->isObject() && body->find("Parametros") && body->find("Assinatura")) {
        if (auto error = checkSignature(request, *body))
            return resultEnvelope(true, "", QString::fromStdString(*error));
        dados = body->find("Parametros")->find("Dados");
    } else if (body) {
        dados = &*body; // plain exchange: the object itself
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

Answer MiddlewareSim::handleConecta(const Request& request, const JsonValue& body) {
    const int company = TJSONUtil::GetInt(&body, QStringLiteral("CodigoEmpresa"), 0);
    const QString form = TJSONUtil::GetStr(&body, QStringLiteral("TipoRetorno"));
    const auto allowed = companiesOf(request.authUser, request.authPassword);
    if (std::find(allowed.begin(), allowed.end(), company) == allowed.end())
        return Answer{401, "Credenciais não conferem com a empresa", "text/plain; charset=utf-8"};
    int64_t id;
    {
        const std::lock_guard lock(m_mutex);
        id = m_nextSessionId++;
        m_sessions[id] = company;
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

std::optional<std::string> MiddlewareSim::checkSignature(const Request& request,
                                                         const JsonValue& body) {
    const JsonValue& parametros = *body.find("Parametros");
    const JsonValue* signature = body.find("Assinatura");
    if (!parametros.isObject() || !signature->isString())
        return "Envelope inválido: \"Parametros\" deve ser um objeto e \"Assinatura\" um texto.";
    const JsonValue* idValue = parametros.find("Id");
    std::vector<int> candidates;
    if (idValue && idValue->isIntegerNumber()) {
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
        if (signParametros(parametros, company).toStdString() == signature->text())
            return std::nullopt;
    return "Assinatura inválida: a assinatura da requisição não confere com a chave da empresa.";
}

void MiddlewareSim::log(const Request& request, const Answer& answer, double ms) const {
    if (!m_logging)
        return;
    std::fprintf(stderr, "%s %s%s %d (%s) %zu bytes -> %zu bytes, %.1f ms\n",
                 request.method.c_str(), kBasePath, request.path.c_str(), answer.status,
                 request.authUser.empty() ? "sem credenciais" : request.authUser.c_str(),
                 request.body.size(), answer.body.size(), ms);
}

} // namespace sim
