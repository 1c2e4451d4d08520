#include "exchange/scenario.h"

#include "common/filehelpers.h"
#include "contracts/servicepaths.h"
#include "exchange/httpclient.h"
#include "exchange/session.h"
#include "exchange/utf8step.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

// RapidJSON 1.1.0's stack adds to a null pointer before its first allocation, which clang's
// pointer-overflow check reports (fixed after that release): the check is off for the
// library's own functions only, as in common/jsonreader.h.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((no_sanitize("pointer-overflow"))), apply_to = function)
#endif
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>
#if defined(__clang__)
#pragma clang attribute pop
#endif

#include <cerrno>
#include <cstring>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using json::JsonValue;

namespace {

struct TravelName {
    Travel travel;
    const char* name;
};
constexpr TravelName kTravelNames[] = {
    {Travel::Envelope, "envelope"}, {Travel::EnvelopeWithoutSession, "envelope sem sessão"},
    {Travel::Plain, "simples"},     {Travel::PlainWithoutAuth, "simples sem credenciais"},
    {Travel::Get, "GET"},
};

QString str(const JsonValue& v) {
    return v.toQString();
}

// Line and column (from 1) of a byte offset in the text.
std::pair<qsizetype, qsizetype> lineAndColumn(const QByteArray& text, qsizetype offset) {
    const QByteArray before = text.left(offset);
    return {before.count('\n') + 1, offset - before.lastIndexOf('\n')};
}

[[noreturn]] void refuse(const QString& where, const QString& what) {
    throw EScenarioError(QStringLiteral("Cenário recusado: %1: %2").arg(where, what));
}

QString stepWhere(const ScenarioStep& step, std::size_t index) {
    return step.name.isEmpty() ? QStringLiteral("passo %1").arg(index + 1)
                               : QStringLiteral("passo \"%1\"").arg(step.name);
}

const JsonValue* member(const JsonValue& object, const char* name, JsonValue::Type type,
                        const QString& where) {
    const JsonValue* v = object.find(name);
    if (!v || v->isNull())
        return nullptr;
    const bool ok = type == JsonValue::Type::True ? v->isBool() : v->type() == type;
    if (!ok)
        refuse(where, QStringLiteral("o membro \"%1\" é de outro tipo").arg(QLatin1String(name)));
    return v;
}

QStringList stringList(const JsonValue& object, const char* name, const QString& where) {
    QStringList list;
    if (const JsonValue* a = member(object, name, JsonValue::Type::Array, where))
        for (std::size_t i = 0; i < a->size(); ++i) {
            if (!a->at(i).isString())
                refuse(
                    where,
                    QStringLiteral("\"%1\" deve ser uma lista de textos").arg(QLatin1String(name)));
            list.append(str(a->at(i)));
        }
    return list;
}

void captureUses(const JsonValue& v, QStringList& names) {
    static const QRegularExpression use(QStringLiteral("\\$\\{([^}]*)\\}"));
    if (v.isString()) {
        if (v.text().find("${") == std::string::npos)
            return;
        auto it = use.globalMatch(v.toQString());
        while (it.hasNext())
            names.append(it.next().captured(1));
        return;
    }
    for (std::size_t i = 0; i < v.size(); ++i)
        captureUses(v.at(i), names);
}

std::vector<ListRule> listRules(const JsonValue& object, const QString& where) {
    std::vector<ListRule> rules;
    if (const JsonValue* l = member(object, "listas", JsonValue::Type::Object, where))
        for (std::size_t i = 0; i < l->size(); ++i) {
            if (!l->at(i).isString() || l->at(i).text().empty())
                refuse(where,
                       QStringLiteral("\"listas\": o caminho %1 pede o nome de um membro "
                                      "ou \"%2\"")
                           .arg(QString::fromStdString(l->keyAt(i)), QLatin1String(kWithoutOrder)));
            rules.push_back({QString::fromStdString(l->keyAt(i)), str(l->at(i))});
        }
    return rules;
}

JsonValue listRulesValue(const std::vector<ListRule>& rules) {
    JsonValue o = JsonValue::object();
    for (const ListRule& r : rules)
        o.add(r.path.toStdString(), JsonValue::string(r.key));
    return o;
}

ScenarioStep readStep(const JsonValue& s, std::size_t index) {
    ScenarioStep step;
    QString where = QStringLiteral("passo %1").arg(index + 1);
    if (!s.isObject())
        refuse(where, QStringLiteral("um passo deve ser um objeto"));
    if (const JsonValue* v = member(s, "nome", JsonValue::Type::String, where))
        step.name = str(*v);
    where = stepWhere(step, index);
    if (const JsonValue* v = member(s, "pagina", JsonValue::Type::String, where))
        step.page = str(*v);
    const JsonValue* path = member(s, "servico", JsonValue::Type::String, where);
    if (!path || path->text().empty())
        refuse(where, QStringLiteral("falta o serviço (\"servico\")"));
    step.path = str(*path);
    if (const QString problem = servicePathProblem(step.path); !problem.isEmpty())
        refuse(where, problem);
    if (const JsonValue* v = member(s, "envio", JsonValue::Type::String, where)) {
        const auto travel = travelFromName(str(*v));
        if (!travel)
            refuse(where, QStringLiteral("forma de envio desconhecida: %1").arg(str(*v)));
        step.travel = *travel;
    }
    if (const JsonValue* v = s.find("dados"))
        step.dados = *v;
    else
        step.dados = JsonValue::string(std::string());
    if (const JsonValue* c = member(s, "capturar", JsonValue::Type::Object, where))
        for (std::size_t i = 0; i < c->size(); ++i) {
            if (!c->at(i).isString())
                refuse(where, QStringLiteral("a captura \"%1\" deve ser um caminho")
                                  .arg(QString::fromStdString(c->keyAt(i))));
            step.captures.emplace_back(QString::fromStdString(c->keyAt(i)), str(c->at(i)));
        }
    step.ignore = stringList(s, "ignorar", where);
    step.noise = stringList(s, "ruido", where);
    step.numeric = stringList(s, "numericos", where);
    step.lists = listRules(s, where);
    if (const JsonValue* v = member(s, "tempo_maximo_ms", JsonValue::Type::Number, where)) {
        bool ok = false;
        step.maxMs = v->toQString().toInt(&ok);
        if (!ok || step.maxMs <= 0)
            refuse(where, QStringLiteral("\"tempo_maximo_ms\" deve ser um número inteiro de "
                                         "milissegundos maior que zero"));
    }
    if (const JsonValue* e = member(s, "esperado", JsonValue::Type::Object, where)) {
        if (const JsonValue* st = member(*e, "status", JsonValue::Type::Number, where))
            step.expected.status = st->toQString().toInt();
        if (const JsonValue* t = member(*e, "tipo", JsonValue::Type::String, where))
            step.expected.contentType = str(*t);
        if (const JsonValue* j = e->find("json"))
            step.expected.json = *j;
        else if (const JsonValue* t = member(*e, "texto", JsonValue::Type::String, where))
            step.expected.text = str(*t);
    }
    return step;
}

// rapidjson writer over the tree, numbers written with their own text.
template <typename Writer> void write(Writer& w, const JsonValue& v) {
    using Type = JsonValue::Type;
    switch (v.type()) {
    case Type::Null:
        w.Null();
        return;
    case Type::True:
    case Type::False:
        w.Bool(v.isTrue());
        return;
    case Type::Number:
        w.RawValue(v.text().data(), v.text().size(), rapidjson::kNumberType);
        return;
    case Type::String:
        w.String(v.text().data(), rapidjson::SizeType(v.text().size()));
        return;
    case Type::Array:
        w.StartArray();
        for (std::size_t i = 0; i < v.size(); ++i)
            write(w, v.at(i));
        w.EndArray();
        return;
    case Type::Object:
        w.StartObject();
        for (std::size_t i = 0; i < v.size(); ++i) {
            w.Key(v.keyAt(i).data(), rapidjson::SizeType(v.keyAt(i).size()));
            write(w, v.at(i));
        }
        w.EndObject();
        return;
    }
}

JsonValue list(const QStringList& items) {
    JsonValue a = JsonValue::array();
    for (const QString& s : items)
        a.append(JsonValue::string(s));
    return a;
}

// The value with every base64 string of a file's size reduced to its size and digest; the bytes
// go to files.
void reduceFiles(JsonValue& v, std::map<QString, QByteArray>& files) {
    if (v.isString()) {
        if (qsizetype(v.text().size()) < kFileMemberBytes * 4 / 3)
            return;
        const QByteArray text = QByteArray::fromStdString(v.text());
        const auto decoded =
            QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || decoded.decoded.size() < kFileMemberBytes)
            return;
        const QString digest = QString::fromLatin1(
            QCryptographicHash::hash(*decoded, QCryptographicHash::Sha256).toHex());
        JsonValue file = JsonValue::object();
        file.add("tamanho", JsonValue::integer(decoded.decoded.size()));
        file.add("sha256", JsonValue::string(digest));
        files.emplace(digest, std::move(decoded.decoded));
        JsonValue marker = JsonValue::object();
        marker.add("$arquivo", std::move(file));
        v = std::move(marker);
        return;
    }
    for (std::size_t i = 0; i < v.size(); ++i)
        reduceFiles(v.at(i), files);
}

// The expected answer as written: each file member whose bytes are kept names its file.
void nameKeptFiles(JsonValue& v, const std::map<QString, QByteArray>& files,
                   const QString& folder) {
    if (v.isObject() && v.size() == 1 && v.keyAt(0) == "$arquivo" && v.at(0).isObject()) {
        JsonValue& file = v.at(0);
        const JsonValue* digest = file.find("sha256");
        if (digest && digest->isString() && files.count(digest->toQString())) {
            const QString name = folder + u'/' + digest->toQString() + QStringLiteral(".bin");
            if (JsonValue* kept = file.find("guardado"))
                *kept = JsonValue::string(name);
            else
                file.add("guardado", JsonValue::string(name));
        }
        return;
    }
    for (std::size_t i = 0; i < v.size(); ++i)
        nameKeptFiles(v.at(i), files, folder);
}

} // namespace

QString travelName(Travel travel) {
    for (const TravelName& t : kTravelNames)
        if (t.travel == travel)
            return QString::fromUtf8(t.name);
    return {};
}

std::optional<Travel> travelFromName(const QString& name) {
    for (const TravelName& t : kTravelNames)
        if (name == QString::fromUtf8(t.name))
            return t.travel;
    return std::nullopt;
}

bool isGeneratedValue(const QString& name) {
    return name == QLatin1String("agora") || name.startsWith(QLatin1String("agora:")) ||
           name == QLatin1String("hoje") || name == QLatin1String("uuid") ||
           name == QLatin1String("sequencia");
}

bool isSessionStep(const ScenarioStep& step) {
    return step.path == QLatin1String(kConectaMiddlewarePath);
}

Scenario parseScenario(const QByteArray& utf8) {
    const json::ParseResult parsed =
        json::parse(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (!parsed.value) {
        const auto [line, column] = lineAndColumn(utf8, qsizetype(parsed.errorOffset));
        refuse(QStringLiteral("linha %1, coluna %2").arg(line).arg(column),
               QStringLiteral("não é JSON (%1)").arg(QString::fromStdString(parsed.error)));
    }
    const JsonValue& root = *parsed.value;
    const QString top = QStringLiteral("arquivo");
    if (!root.isObject())
        refuse(top, QStringLiteral("o cenário deve ser um objeto"));
    Scenario scenario;
    if (const JsonValue* v = member(root, "nome", JsonValue::Type::String, top))
        scenario.name = str(*v);
    if (const JsonValue* v = root.find("empresa"); v && !v->isNull()) {
        if (!v->isString() && !v->isNumber())
            refuse(top, QStringLiteral("o membro \"empresa\" é de outro tipo"));
        scenario.company = str(*v);
    }
    if (const JsonValue* v = member(root, "sequencia", JsonValue::Type::Number, top)) {
        bool ok = false;
        scenario.sequence = v->toQString().toLongLong(&ok);
        if (!ok || scenario.sequence < 0)
            refuse(top, QStringLiteral("\"sequencia\" deve ser um número inteiro"));
    }
    scenario.parameters = stringList(root, "parametros", top);
    scenario.ignore = stringList(root, "ignorar", top);
    scenario.numeric = stringList(root, "numericos", top);
    scenario.lists = listRules(root, top);
    const JsonValue* steps = member(root, "passos", JsonValue::Type::Array, top);
    if (!steps)
        refuse(top, QStringLiteral("faltam os passos (\"passos\")"));
    for (std::size_t i = 0; i < steps->size(); ++i)
        scenario.steps.push_back(readStep(steps->at(i), i));
    checkScenario(scenario);
    return scenario;
}

void checkScenario(const Scenario& scenario) {
    std::set<QString> made(scenario.parameters.begin(), scenario.parameters.end());
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const ScenarioStep& step = scenario.steps[i];
        if (const QString problem = servicePathProblem(step.path); !problem.isEmpty())
            refuse(stepWhere(step, i), problem);
        QStringList used;
        captureUses(step.dados, used);
        for (const QString& name : used)
            if (!made.count(name) && !isGeneratedValue(name))
                refuse(stepWhere(step, i),
                       QStringLiteral("usa ${%1}, que nenhum passo anterior captura").arg(name));
        for (const auto& [name, path] : step.captures)
            made.insert(name);
    }
}

Scenario loadScenario(const QString& fileName, qint64 maxBytes) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(
            QStringLiteral("Não foi possível abrir '%1': %2").arg(fileName, f.errorString()));
    // The size is not trusted (the file may grow, or be a pipe): never more than the limit
    // is read.
    const QByteArray text = f.read(maxBytes + 1);
    if (text.size() > maxBytes)
        throw EScenarioError(QStringLiteral("%1: Cenário recusado: o arquivo passa de %2 bytes "
                                            "(o limite de --max-cenario)")
                                 .arg(fileName)
                                 .arg(maxBytes));
    try {
        return parseScenario(text);
    } catch (const EScenarioError& e) {
        throw EScenarioError(fileName + QStringLiteral(": ") + e.message());
    }
}

QByteArray scenarioText(const Scenario& scenario, const QString& keptFolder) {
    JsonValue root = JsonValue::object();
    root.add("nome", JsonValue::string(scenario.name));
    if (!scenario.company.isEmpty())
        root.add("empresa", JsonValue::string(scenario.company));
    if (scenario.sequence > 0)
        root.add("sequencia", JsonValue::integer(scenario.sequence));
    if (!scenario.parameters.isEmpty())
        root.add("parametros", list(scenario.parameters));
    root.add("ignorar", list(scenario.ignore));
    if (!scenario.numeric.isEmpty())
        root.add("numericos", list(scenario.numeric));
    if (!scenario.lists.empty())
        root.add("listas", listRulesValue(scenario.lists));
    JsonValue steps = JsonValue::array();
    for (const ScenarioStep& s : scenario.steps) {
        JsonValue step = JsonValue::object();
        step.add("nome", JsonValue::string(s.name));
        if (!s.page.isEmpty())
            step.add("pagina", JsonValue::string(s.page));
        step.add("servico", JsonValue::string(s.path));
        step.add("envio", JsonValue::string(travelName(s.travel)));
        step.add("dados", s.dados);
        if (!s.captures.empty()) {
            JsonValue captures = JsonValue::object();
            for (const auto& [name, path] : s.captures)
                captures.add(name.toStdString(), JsonValue::string(path));
            step.add("capturar", std::move(captures));
        }
        step.add("ignorar", list(s.ignore));
        if (!s.noise.isEmpty())
            step.add("ruido", list(s.noise));
        if (!s.numeric.isEmpty())
            step.add("numericos", list(s.numeric));
        if (!s.lists.empty())
            step.add("listas", listRulesValue(s.lists));
        if (s.maxMs > 0)
            step.add("tempo_maximo_ms", JsonValue::integer(s.maxMs));
        JsonValue expected = JsonValue::object();
        expected.add("status", JsonValue::integer(s.expected.status));
        if (!s.expected.contentType.isEmpty())
            expected.add("tipo", JsonValue::string(s.expected.contentType));
        if (s.expected.json && !keptFolder.isEmpty() && !s.expected.files.empty()) {
            JsonValue answer = *s.expected.json;
            nameKeptFiles(answer, s.expected.files, keptFolder);
            expected.add("json", std::move(answer));
        } else if (s.expected.json)
            expected.add("json", *s.expected.json);
        else
            expected.add("texto", JsonValue::string(s.expected.text));
        step.add("esperado", std::move(expected));
        steps.append(std::move(step));
    }
    root.add("passos", std::move(steps));
    rapidjson::StringBuffer buffer;
    rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
    writer.SetIndent(' ', 2);
    write(writer, root);
    return QByteArray(buffer.GetString(), qsizetype(buffer.GetSize())) + '\n';
}

QString keptFilesFolder(const QString& scenarioFile) {
    return QFileInfo(scenarioFile).completeBaseName() + QStringLiteral(".arquivos");
}

void saveScenario(const Scenario& scenario, const QString& given, bool keepFiles) {
    // A file the reader would refuse is never written.
    checkScenario(scenario);
    // Through a link, the files are kept beside the file it names, which refers to them.
    const QFileInfo info(given);
    const QString fileName = info.isSymLink() && info.exists() ? info.canonicalFilePath() : given;
    QString folder;
    if (keepFiles) {
        folder = keptFilesFolder(fileName);
        const QDir dir(QFileInfo(fileName).absoluteDir().filePath(folder));
        for (const ScenarioStep& step : scenario.steps)
            for (const auto& [digest, bytes] : step.expected.files) {
                // Named by their digest: a file already there holds these very bytes.
                const QString name = dir.filePath(digest + QStringLiteral(".bin"));
                if (QFileInfo(name).size() == bytes.size())
                    continue;
                if (!dir.mkpath(QStringLiteral(".")))
                    throw EFileError(
                        QStringLiteral("Não foi possível criar a pasta '%1'").arg(dir.path()));
                writeFileWhole(name, bytes);
            }
    }
    writeFileWhole(fileName, scenarioText(scenario, folder));
}

ExpectedAnswer expectedFrom(int status, const QByteArray& body, const QByteArray& contentType) {
    return expectedFrom(status, parseUtf8Answer(body), body, contentType);
}

ExpectedAnswer expectedFrom(int status, std::optional<JsonValue> parsed, const QByteArray& body,
                            const QByteArray& contentType) {
    ExpectedAnswer e;
    e.status = status;
    e.contentType = QString::fromLatin1(contentType);
    if (parsed) {
        reduceFiles(*parsed, e.files);
        e.json = std::move(*parsed);
    } else
        e.text = decodeAnswerText(body, contentType);
    return e;
}

ScenarioStep stepFromExchange(const QString& method, const QString& path, const QByteArray& request,
                              bool authenticated, int status, const QByteArray& answer,
                              const QByteArray& contentType) {
    ScenarioStep step;
    step.path = path;
    step.dados = JsonValue::string(std::string());
    if (method == QLatin1String("GET"))
        step.travel = Travel::Get;
    else {
        auto body = json::parse(std::string_view(request.constData(), std::size_t(request.size())));
        const JsonValue* parametros =
            body.value && body.value->isObject() && body.value->find("Assinatura")
                ? body.value->find("Parametros")
                : nullptr;
        const JsonValue* dados =
            parametros && parametros->isObject() ? parametros->find("Dados") : nullptr;
        if (dados) {
            step.dados = *dados;
            const JsonValue* id = parametros->find("Id");
            step.travel =
                id && id->text() == "0" ? Travel::EnvelopeWithoutSession : Travel::Envelope;
        } else {
            if (body.value)
                step.dados = std::move(*body.value);
            else
                step.dados = JsonValue::string(QString::fromUtf8(request));
            step.travel = authenticated ? Travel::Plain : Travel::PlainWithoutAuth;
        }
    }
    step.expected = expectedFrom(status, answer, contentType);
    return step;
}

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

[[noreturn]] void cannotRecord(const QString& fileName, int error) {
    throw EFileError(QStringLiteral("Não foi possível gravar o cenário '%1': %2")
                         .arg(fileName, QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

void appendStepToScenario(const QString& given, ScenarioStep step, bool keepFiles,
                          const QString& company) {
    const QFileInfo info(given);
    const QString fileName = info.isSymLink() && info.exists() ? info.canonicalFilePath() : given;
    const QByteArray native = QFile::encodeName(fileName);
    for (;;) {
        Descriptor lock;
        bool created = false;
        lock.fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
        if (lock.fd < 0 && errno == ENOENT) {
            lock.fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            created = lock.fd >= 0;
            if (lock.fd < 0 && errno == EEXIST)
                continue; // another recorder made it meanwhile
        }
        if (lock.fd < 0)
            cannotRecord(fileName, errno);
        while (::flock(lock.fd, LOCK_EX) != 0)
            if (errno != EINTR)
                cannotRecord(fileName, errno);
        // The file locked must still be the file of that name: a recorder that held the lock
        // before put a new file in its place.
        struct stat held {
        }, named{};
        if (::fstat(lock.fd, &held) != 0)
            cannotRecord(fileName, errno);
        if (::stat(native.constData(), &named) != 0 || held.st_ino != named.st_ino ||
            held.st_dev != named.st_dev)
            continue;
        try {
            Scenario s;
            if (held.st_size == 0) {
                s.name = QFileInfo(given).completeBaseName();
                s.company = company;
            } else
                s = loadScenario(fileName);
            step.name = freshStepName(s, step.path);
            s.steps.push_back(std::move(step));
            saveScenario(s, fileName, keepFiles);
        } catch (...) {
            if (created)
                ::unlink(native.constData()); // still the empty file made above: it is locked
            throw;
        }
        return;
    }
}

QString servicePathProblem(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("falta o serviço (\"servico\")");
    const auto bad = [&](const QString& why) {
        return QStringLiteral("serviço inválido \"%1\": %2").arg(path, why);
    };
    if (path.startsWith(u'/'))
        return bad(QStringLiteral("o caminho é relativo ao endereço do servidor e não começa "
                                  "com /"));
    for (const QChar c : path)
        if (c.isSpace() || c.category() == QChar::Other_Control || c == u'\\' || c == u'?' ||
            c == u'#')
            return bad(QStringLiteral("só um caminho, sem espaços, \\, ? ou #"));
    if (path.section(u'/', 0, 0).contains(u':'))
        return bad(QStringLiteral("só um caminho, não um endereço"));
    for (const QString& segment : path.split(u'/')) {
        const QString decoded =
            QString::fromUtf8(QByteArray::fromPercentEncoding(segment.toUtf8()));
        if (decoded == QLatin1String(".") || decoded == QLatin1String(".."))
            return bad(QStringLiteral("segmentos . e .. sairiam da base dos serviços"));
    }
    return {};
}

QStringList captureNames(const JsonValue& dados) {
    QStringList names;
    captureUses(dados, names);
    return names;
}

QString freshStepName(const Scenario& scenario, const QString& path) {
    const QString base = path.section(u'/', 1, 1).isEmpty() ? path : path.section(u'/', 1, 1);
    auto used = [&](const QString& name) {
        for (const ScenarioStep& s : scenario.steps)
            if (s.name == name)
                return true;
        return false;
    };
    if (!used(base))
        return base;
    for (int n = 2;; ++n)
        if (const QString name = QStringLiteral("%1 %2").arg(base).arg(n); !used(name))
            return name;
}
