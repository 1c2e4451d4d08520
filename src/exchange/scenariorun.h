#pragma once

#include "exchange/credentials.h"
#include "exchange/scenario.h"
#include "exchange/scenariocompare.h"
#include "exchange/session.h"
#include "exchange/tls.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class MiddlewareHttpClient;

// Where and how a scenario is replayed.
struct ReplayTarget {
    QString baseUrl;
    QString companyCode = QStringLiteral("0");
    // The session page's values, for the session a scenario without a session step opens.
    SessionFields session = SessionFields::defaults();
    int timeoutSeconds = 0;
    // The HTTP credentials of a chosen environment, in place of the company code's own.
    std::optional<HttpCredentials> credentials;
    TlsSettings tls;           // of an HTTPS address
    QString clientPassword;    // of the client certificate
    qint64 maxAnswerBytes = 0; // 0: the client's own limit
    // The values of a data table's row, used as ${column} (cenario --dados).
    std::map<QString, QString> parameters;
    const std::atomic<bool>* cancel = nullptr; // raised: the running request ends at once
};

enum class Verdict { Equal, Different, Error };

struct StepOutcome {
    Verdict verdict = Verdict::Error;
    Comparison comparison;
    ExpectedAnswer answer; // what came back, in the file's form
    QByteArray request;    // the body sent
    QByteArray body;       // the answer as received
    QByteArray contentType;
    QString error; // why nothing could be compared
    double elapsedMs = 0;
    bool rejected = false; // the answer's control part says "err":true
    QString rejection;
    bool notRun = false; // not sent: its data uses a capture that failed
    // Sent, but no answer came: the time-out passed or the request was cancelled.
    bool unanswered = false;
    bool captureFailed = false; // a capture found nothing in the answer
};

// One replay of a scenario: the steps run in order on one client, every envelope signed anew
// with the session of this replay and the company's key; captures carry answer values into the
// later steps' data. Opens a session first when the scenario has no session step.
class ScenarioReplay {
public:
    ScenarioReplay(const Scenario& scenario, ReplayTarget target);
    ~ScenarioReplay();
    ScenarioReplay(const ScenarioReplay&) = delete;
    ScenarioReplay& operator=(const ScenarioReplay&) = delete;

    // Runs the next step; false when there is none.
    bool hasNext() const { return m_next < m_scenario.steps.size(); }
    std::size_t nextIndex() const { return m_next; }
    StepOutcome runNext();
    // Back to the first step for another run, keeping the session opened first.
    void rewind() {
        m_next = 0;
        m_captured.clear();
        m_failedCaptures.clear();
        ++m_sequence;
    }
    // The ${sequencia} this run sends: the scenario's last one and one.
    qint64 sequence() const { return m_sequence; }
    // The session opened first, when the scenario has no session step (an error of it ends
    // the replay: every step reports it).
    const QString& sessionId() const { return m_sessionId; }

private:
    void openSession();
    json::JsonValue substituted(const json::JsonValue& dados) const;

    const Scenario& m_scenario;
    ReplayTarget m_target;
    std::unique_ptr<MiddlewareHttpClient> m_client;
    std::unique_ptr<MiddlewareHttpClient> m_anonymous;
    std::size_t m_next = 0;
    QString m_sessionId = QStringLiteral("0");
    bool m_sessionTried = false;
    QString m_sessionError;
    std::map<QString, QString> m_captured;
    std::map<QString, std::size_t> m_failedCaptures; // name: the step where it failed
    qint64 m_sequence = 1;
};

// The step's answer compared with its baseline, the scenario's and the step's ignored paths
// and learned noise applied.
Comparison compareStep(const Scenario& scenario, const ScenarioStep& step,
                       const ExpectedAnswer& answer);
// Compares a step's outcome again, after its baseline or ignored paths changed (an error stays
// an error).
void recompare(const Scenario& scenario, std::size_t index, StepOutcome& outcome);
// One whole replay.
std::vector<StepOutcome> replayScenario(const Scenario& scenario, const ReplayTarget& target);
// What came back becomes the step's baseline; false (nothing changed) for an error.
bool acceptAnswer(ScenarioStep& step, const StepOutcome& outcome);
// Runs that learn noise start at least this far apart, so that a time stamp to the second (the
// middleware's dates) changes between them even when a whole run takes a few milliseconds.
inline constexpr int kNoiseRunSpacingMs = 1100;
// What is left to wait, after a run that started elapsedMs ago, before the next may start.
inline int noiseRunPauseMs(qint64 elapsedMs) {
    return elapsedMs >= kNoiseRunSpacingMs ? 0 : int(kNoiseRunSpacingMs - elapsedMs);
}
// The members that differed between repeated runs (runs[r][step]) become each step's learned
// noise, unless a path ignored by hand already skips them; returns, per step, the paths it learned
// now.
std::vector<QStringList> learnNoise(Scenario& scenario,
                                    const std::vector<std::vector<StepOutcome>>& runs);

// "igual", "diferente" or "erro".
QString verdictName(Verdict verdict);
// The step's name, or its service path when it has none.
QString stepLabel(const Scenario& scenario, std::size_t index);
// "path: expected → obtained", long values cut, absent ones as "(ausente)".
QString differenceLine(const Difference& difference);

// The data with each ${name} of a captured value replaced by it, in one pass over the text as
// written (a value put in is never read again); a name not captured stays as it is.
json::JsonValue substituteCaptures(const json::JsonValue& dados,
                                   const std::map<QString, QString>& captured);
// The same with each name's value given by the lookup (nothing: the text stays as it is).
using ValueLookup = std::function<std::optional<QString>(const QString& name)>;
json::JsonValue substituteValues(const json::JsonValue& dados, const ValueLookup& lookup);

// The value a capture takes from an answer: a string's text, else the value's JSON text.
std::optional<QString> captureValue(const json::JsonValue& answer, const QString& path);
