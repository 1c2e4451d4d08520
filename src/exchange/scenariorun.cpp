#include "exchange/scenariorun.h"

#include "exchange/answerverdict.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "exchange/utf8step.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <set>

using json::JsonValue;

namespace {

QByteArray wire(const JsonValue& v) {
    return QByteArray::fromStdString(json::toWireText(v));
}

bool hasSessionStep(const Scenario& s) {
    for (const ScenarioStep& step : s.steps)
        if (isSessionStep(step))
            return true;
    return false;
}

QString sessionIdOf(const QByteArray& body, const QByteArray& contentType) {
    if (const auto complete = sessionIdFromCompleteAnswer(body))
        return *complete;
    return sessionIdFromSimpleAnswer(answerDisplayText(body, contentType));
}

} // namespace

std::optional<QString> captureValue(const JsonValue& answer, const QString& path) {
    const JsonValue* v = valueAt(answer, path);
    if (!v)
        return std::nullopt;
    if (v->isString())
        return v->toQString();
    return QString::fromStdString(json::toSigningText(*v));
}

ScenarioReplay::ScenarioReplay(const Scenario& scenario, ReplayTarget target)
    : m_scenario(scenario), m_target(std::move(target)),
      m_client(std::make_unique<MiddlewareHttpClient>(
          m_target.credentials ? *m_target.credentials
                               : credentialsForCompanyText(m_target.companyCode))),
      m_anonymous(std::make_unique<MiddlewareHttpClient>(std::nullopt)),
      m_sequence(scenario.sequence + 1) {
    for (MiddlewareHttpClient* c : {m_client.get(), m_anonymous.get()}) {
        c->setCancelFlag(m_target.cancel);
        c->setTimeoutSeconds(m_target.timeoutSeconds);
        c->setTls(m_target.tls, m_target.clientPassword);
        if (m_target.maxAnswerBytes > 0)
            c->setMaxAnswerBytes(m_target.maxAnswerBytes);
    }
    m_target.session.codigoEmpresa = m_target.companyCode;
    m_sessionTried = hasSessionStep(scenario);
}

ScenarioReplay::~ScenarioReplay() = default;

void ScenarioReplay::openSession() {
    m_sessionTried = true;
    try {
        const JsonValue request =
            buildSessionRequest(m_target.session, TEnumConexaoMiddlewareTipoRetorno_Simples);
        const HttpAnswer a = m_client->postRaw(
            serviceUrl(m_target.baseUrl, QString::fromLatin1(kConectaMiddlewarePath)),
            wire(request));
        if (a.status < 200 || a.status > 299)
            m_sessionError = QStringLiteral("a sessão não foi aberta: %1").arg(a.statusLine);
        else
            m_sessionId = sessionIdOf(a.body, a.contentType);
    } catch (const std::exception& e) {
        m_sessionError =
            QStringLiteral("a sessão não foi aberta: %1").arg(QString::fromUtf8(e.what()));
    }
}

JsonValue substituteCaptures(const JsonValue& dados, const std::map<QString, QString>& captured) {
    return substituteValues(dados, [&](const QString& name) -> std::optional<QString> {
        const auto it = captured.find(name);
        return it == captured.end() ? std::nullopt : std::optional<QString>(it->second);
    });
}

JsonValue substituteValues(const JsonValue& dados, const ValueLookup& lookup) {
    if (dados.isString()) {
        const std::string& text = dados.text();
        if (text.find("${") == std::string::npos)
            return dados;
        // One pass over the text as written: a value put in is never read again, so a
        // captured value holding "${x}" goes out as it came.
        std::string out;
        out.reserve(text.size());
        std::size_t at = 0;
        for (;;) {
            const std::size_t open = text.find("${", at);
            const std::size_t close =
                open == std::string::npos ? std::string::npos : text.find('}', open + 2);
            if (close == std::string::npos) {
                out.append(text, at, std::string::npos);
                break;
            }
            out.append(text, at, open - at);
            const std::optional<QString> value =
                lookup(QString::fromUtf8(text.data() + open + 2, qsizetype(close - open - 2)));
            if (value)
                out += value->toStdString();
            else
                out.append(text, open, close + 1 - open);
            at = close + 1;
        }
        return JsonValue::string(std::move(out));
    }
    if (dados.isArray()) {
        JsonValue a = JsonValue::array();
        for (std::size_t i = 0; i < dados.size(); ++i)
            a.append(substituteValues(dados.at(i), lookup));
        return a;
    }
    if (dados.isObject()) {
        JsonValue o = JsonValue::object();
        for (std::size_t i = 0; i < dados.size(); ++i)
            o.add(dados.keyAt(i), substituteValues(dados.at(i), lookup));
        return o;
    }
    return dados;
}

JsonValue ScenarioReplay::substituted(const JsonValue& dados) const {
    // Values made anew for each step: every ${uuid} of one step is the same.
    const QDateTime now = QDateTime::currentDateTime();
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return substituteValues(dados, [&](const QString& name) -> std::optional<QString> {
        if (const auto it = m_captured.find(name); it != m_captured.end())
            return it->second;
        if (const auto it = m_target.parameters.find(name); it != m_target.parameters.end())
            return it->second;
        if (name == QLatin1String("agora"))
            return now.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        if (name.startsWith(QLatin1String("agora:")))
            return now.toString(name.mid(6));
        if (name == QLatin1String("hoje"))
            return now.toString(QStringLiteral("dd/MM/yyyy"));
        if (name == QLatin1String("uuid"))
            return uuid;
        if (name == QLatin1String("sequencia"))
            return QString::number(m_sequence);
        return std::nullopt;
    });
}

StepOutcome ScenarioReplay::runNext() {
    const std::size_t index = m_next++;
    const ScenarioStep& step = m_scenario.steps[index];
    StepOutcome out;
    // What this step would capture fails with it unless it runs to the end.
    const auto failCaptures = [&] {
        for (const auto& [name, path] : step.captures) {
            m_captured.erase(name);
            m_failedCaptures.insert_or_assign(name, index);
        }
    };
    // A step whose data uses a capture that failed is not sent: it would send the placeholder.
    for (const QString& name : captureNames(step.dados))
        if (const auto failed = m_failedCaptures.find(name); failed != m_failedCaptures.end()) {
            out.notRun = true;
            out.error = QStringLiteral("não executado: a captura %1 falhou no passo %2")
                            .arg(name)
                            .arg(failed->second + 1);
            failCaptures();
            return out;
        }
    if (!m_sessionTried)
        openSession();
    if (!m_sessionError.isEmpty()) {
        out.error = m_sessionError;
        failCaptures();
        return out;
    }
    try {
        JsonValue dados = substituted(step.dados);
        if (isSessionStep(step) && dados.isObject())
            if (JsonValue* company = dados.find("CodigoEmpresa"))
                *company = JsonValue::numberText(m_target.companyCode.trimmed().toStdString());
        const QString url = serviceUrl(m_target.baseUrl, step.path);
        HttpAnswer a;
        switch (step.travel) {
        case Travel::Envelope:
        case Travel::EnvelopeWithoutSession:
            out.request = wire(buildEnvelope(m_sessionId, m_target.companyCode, std::move(dados)));
            a = m_client->postRaw(url, out.request);
            break;
        case Travel::Plain:
            out.request = wire(dados);
            a = m_client->postRaw(url, out.request);
            break;
        case Travel::PlainWithoutAuth:
            out.request = wire(dados);
            a = m_anonymous->postRaw(url, out.request);
            break;
        case Travel::Get:
            a = m_client->getRaw(url);
            break;
        }
        out.elapsedMs = a.elapsedMs;
        out.body = a.body;
        out.contentType = a.contentType;
        // The answer is parsed once: its verdict, captures and comparison all read that value.
        std::optional<JsonValue> parsed = parseUtf8Answer(a.body);
        if (parsed) {
            const AnswerVerdict verdict = answerVerdictOf(*parsed);
            out.rejected = verdict.rejected;
            out.rejection = verdict.message;
        }
        QString captureError;
        for (const auto& [name, path] : step.captures) {
            const auto value = parsed ? captureValue(*parsed, path) : std::nullopt;
            if (!value) {
                captureError =
                    QStringLiteral("a captura \"%1\" não achou %2 na resposta").arg(name, path);
                m_captured.erase(name);
                m_failedCaptures.insert_or_assign(name, index);
                continue;
            }
            m_captured[name] = *value;
            m_failedCaptures.erase(name);
        }
        out.answer = expectedFrom(a.status, std::move(parsed), a.body, a.contentType);
        if (isSessionStep(step) && a.status >= 200 && a.status <= 299)
            m_sessionId = sessionIdOf(a.body, a.contentType);
        out.comparison = compareStep(m_scenario, step, out.answer);
        if (step.maxMs > 0 && out.elapsedMs > step.maxMs)
            out.comparison.differences.push_back(
                {QStringLiteral("(tempo)"), QStringLiteral("até %1 ms").arg(step.maxMs),
                 QStringLiteral("%1 ms").arg(out.elapsedMs, 0, 'f', 0)});
        out.verdict = out.comparison.equal() ? Verdict::Equal : Verdict::Different;
        if (!captureError.isEmpty()) {
            out.verdict = Verdict::Error;
            out.error = captureError;
            out.captureFailed = true;
        }
    } catch (const ERequestCancelled& e) {
        out.verdict = Verdict::Error;
        out.error = QString::fromUtf8(e.what());
        out.unanswered = true;
        failCaptures();
    } catch (const ESocketError& e) {
        out.verdict = Verdict::Error;
        out.error = e.code() == ESocketError::kTimedOut && m_target.timeoutSeconds > 0
                        ? QStringLiteral("tempo esgotado: sem resposta em %1 s")
                              .arg(m_target.timeoutSeconds)
                        : QString(e.message()).replace(QLatin1String("\r\n"), QLatin1String(" "));
        out.unanswered = e.code() == ESocketError::kTimedOut;
        failCaptures();
    } catch (const std::exception& e) {
        out.verdict = Verdict::Error;
        out.error = QString::fromUtf8(e.what());
        failCaptures();
    }
    return out;
}

Comparison compareStep(const Scenario& scenario, const ScenarioStep& step,
                       const ExpectedAnswer& answer) {
    CompareRules rules{scenario.ignore + step.ignore, step.noise, scenario.numeric + step.numeric,
                       step.lists};
    rules.lists.insert(rules.lists.end(), scenario.lists.begin(), scenario.lists.end());
    return compareAnswer(step.expected, answer, rules);
}

void recompare(const Scenario& scenario, std::size_t index, StepOutcome& outcome) {
    if (outcome.verdict == Verdict::Error)
        return;
    outcome.comparison = compareStep(scenario, scenario.steps[index], outcome.answer);
    outcome.verdict = outcome.comparison.equal() ? Verdict::Equal : Verdict::Different;
}

std::vector<StepOutcome> replayScenario(const Scenario& scenario, const ReplayTarget& target) {
    std::vector<StepOutcome> outcomes;
    ScenarioReplay replay(scenario, target);
    while (replay.hasNext())
        outcomes.push_back(replay.runNext());
    return outcomes;
}

bool acceptAnswer(ScenarioStep& step, const StepOutcome& outcome) {
    if (outcome.verdict == Verdict::Error)
        return false;
    step.expected = outcome.answer;
    return true;
}

std::vector<QStringList> learnNoise(Scenario& scenario,
                                    const std::vector<std::vector<StepOutcome>>& runs) {
    std::vector<QStringList> learned(scenario.steps.size());
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        ScenarioStep& step = scenario.steps[i];
        QStringList ignore = scenario.ignore;
        ignore += step.ignore;
        const PathPatterns ignored(ignore);
        const PathPatterns known(step.noise);
        QStringList differing;
        std::set<QString> seen;
        for (std::size_t r = 1; r < runs.size(); ++r)
            for (const QString& path : differingPaths(runs[0][i].answer, runs[r][i].answer))
                if (seen.insert(path).second)
                    differing.append(path);
        // A list whose every element changes one member is learned as one [*] path.
        if (runs[0][i].answer.json)
            differing = generaliseListPaths(differing, *runs[0][i].answer.json);
        for (const QString& path : differing)
            if (!known.matches(path) && !ignored.matches(path)) {
                step.noise.append(path);
                learned[i].append(path);
            }
    }
    return learned;
}

QString verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Equal:
        return QStringLiteral("igual");
    case Verdict::Different:
        return QStringLiteral("diferente");
    case Verdict::Error:
        break;
    }
    return QStringLiteral("erro");
}

QString stepLabel(const Scenario& scenario, std::size_t index) {
    const ScenarioStep& step = scenario.steps[index];
    return step.name.isEmpty() ? step.path : step.name;
}

QString differenceLine(const Difference& difference) {
    const auto side = [](const QString& v) {
        return v.isEmpty() ? QStringLiteral("(ausente)") : shortValue(v);
    };
    const QString& e = difference.expected;
    const QString& a = difference.actual;
    // A long value shows where it changed, not its start on both sides.
    QString line = !e.isEmpty() && !a.isEmpty() && std::max(e.size(), a.size()) > 60
                       ? QStringLiteral("%1: %2").arg(difference.path, differenceExcerpt(e, a))
                       : QStringLiteral("%1: %2 → %3").arg(difference.path, side(e), side(a));
    if (!difference.label.isEmpty())
        line += QStringLiteral(" (%1)").arg(difference.label);
    return line;
}
