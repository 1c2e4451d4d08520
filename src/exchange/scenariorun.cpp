#include "exchange/scenariorun.h"

#include "exchange/answerverdict.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"
#include "exchange/utf8step.h"

#include <QRegularExpression>

#include <algorithm>

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
      m_anonymous(std::make_unique<MiddlewareHttpClient>(std::nullopt)) {
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

JsonValue ScenarioReplay::substituted(const JsonValue& dados) const {
    if (dados.isString()) {
        const QString text = dados.toQString();
        if (!text.contains(QLatin1String("${")))
            return dados;
        QString out = text;
        for (const auto& [name, value] : m_captured)
            out.replace(QStringLiteral("${%1}").arg(name), value);
        return JsonValue::string(out);
    }
    if (dados.isArray()) {
        JsonValue a = JsonValue::array();
        for (std::size_t i = 0; i < dados.size(); ++i)
            a.append(substituted(dados.at(i)));
        return a;
    }
    if (dados.isObject()) {
        JsonValue o = JsonValue::object();
        for (std::size_t i = 0; i < dados.size(); ++i)
            o.add(dados.keyAt(i), substituted(dados.at(i)));
        return o;
    }
    return dados;
}

StepOutcome ScenarioReplay::runNext() {
    const ScenarioStep& step = m_scenario.steps[m_next++];
    StepOutcome out;
    if (!m_sessionTried)
        openSession();
    if (!m_sessionError.isEmpty()) {
        out.error = m_sessionError;
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
                continue;
            }
            m_captured[name] = *value;
        }
        out.answer = expectedFrom(a.status, std::move(parsed), a.body, a.contentType);
        if (isSessionStep(step) && a.status >= 200 && a.status <= 299)
            m_sessionId = sessionIdOf(a.body, a.contentType);
        out.comparison = compareStep(m_scenario, step, out.answer);
        out.verdict = out.comparison.equal() ? Verdict::Equal : Verdict::Different;
        if (!captureError.isEmpty()) {
            out.verdict = Verdict::Error;
            out.error = captureError;
        }
    } catch (const std::exception& e) {
        out.verdict = Verdict::Error;
        out.error = QString::fromUtf8(e.what());
    }
    return out;
}

Comparison compareStep(const Scenario& scenario, const ScenarioStep& step,
                       const ExpectedAnswer& answer) {
    QStringList ignore = scenario.ignore;
    ignore += step.ignore;
    return compareAnswer(step.expected, answer, ignore, step.noise);
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
        const auto ignored = [&](const QString& path) {
            return std::any_of(ignore.cbegin(), ignore.cend(),
                               [&](const QString& p) { return pathMatches(p, path); });
        };
        for (std::size_t r = 1; r < runs.size(); ++r)
            for (const QString& path : differingPaths(runs[0][i].answer, runs[r][i].answer))
                if (!step.noise.contains(path) && !ignored(path)) {
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
    return QStringLiteral("%1: %2 → %3")
        .arg(difference.path, side(difference.expected), side(difference.actual));
}
