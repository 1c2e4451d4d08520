#pragma once

#include "common/exception.h"
#include "common/jsonvalue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <utility>
#include <vector>

// A scenario: a named sequence of exchanges with the answers they are expected to get, kept as
// an indented UTF-8 JSON file a person can read, edit and keep under version control.

// How a step's data travels.
enum class Travel {
    Envelope,               // signed envelope with the session Id
    EnvelopeWithoutSession, // signed envelope, sent even when no session is open
    Plain,                  // the data value itself, with basic authentication
    PlainWithoutAuth,       // the data value itself, without authentication
    Get,                    // a GET of the path
};
QString travelName(Travel travel);
std::optional<Travel> travelFromName(const QString& name);

// A step's expected answer: the HTTP status and the body, JSON as JSON (base64 file members of
// kFileMemberBytes or more as {"$arquivo":{"tamanho":N,"sha256":"…"}}), other text as text.
struct ExpectedAnswer {
    int status = 0;
    QString contentType; // as the server sent it; empty when not known (older files)
    std::optional<json::JsonValue> json;
    QString text; // when the body is not JSON
    // The bytes of the file members reduced above, by their SHA-256 in hex: held in memory
    // only, written beside the scenario file when asked.
    std::map<QString, QByteArray> files;
};

// A list compared by a member of its elements ("Chave") or, with kWithoutOrder, without
// regard to order; path is a path pattern ([*] allowed).
struct ListRule {
    QString path;
    QString key;
};
inline constexpr const char* kWithoutOrder = "sem_ordem";

struct ScenarioStep {
    QString name;
    QString page; // the page it was recorded from, when known
    QString path; // the service path, e.g. "TNFeAPI/AutenticaSEFAZ"
    Travel travel = Travel::Envelope;
    json::JsonValue dados;                             // the value as sent, never the envelope
    std::vector<std::pair<QString, QString>> captures; // name, answer path
    QStringList ignore;                                // typed by hand
    QStringList noise;                                 // learned by repeated runs
    QStringList numeric;         // paths compared as numbers, whatever their text
    std::vector<ListRule> lists; // lists matched by a member or without order
    int maxMs = 0;               // an answer slower than this is a difference; 0: no limit
    ExpectedAnswer expected;
};

struct Scenario {
    QString name;
    QString company;        // the company code it was recorded with; empty: not known
    qint64 sequence = 0;    // the last ${sequencia} a run sent
    QStringList parameters; // ${name}s taken from a data table (cenario --dados)
    QStringList ignore;     // for every step
    QStringList numeric;    // for every step
    std::vector<ListRule> lists;
    std::vector<ScenarioStep> steps;
};

// Whether ${name} is a value the replay makes itself: "agora" or "agora:FORMAT" (the date and
// time, dd/MM/yyyy HH:mm:ss unless a Qt format is given), "hoje" (dd/MM/yyyy), "uuid" and
// "sequencia" (a number one larger on every run, kept in the file).
bool isGeneratedValue(const QString& name);

// The file's refusal: where it is (line and column, or the step's name) and what is wrong.
class EScenarioError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EScenarioError"); }
};

// Decoded base64 strings of this many bytes or more are kept as their size and SHA-256.
inline constexpr qsizetype kFileMemberBytes = 4096;

// The session service: a step to it opens the session the later steps use.
bool isSessionStep(const ScenarioStep& step);

// The largest scenario file read unless told otherwise.
inline constexpr qint64 kDefaultMaxScenarioBytes = 256ll * 1024 * 1024;

// Reads a scenario file's text, refusing (EScenarioError) text that is not JSON (with its line
// and column), a member of the wrong kind, a step with no service or a service that is not a
// path (see servicePathProblem), an unknown travel, and a capture used before any step makes
// it (with the step's name). A service no page calls is taken: the middleware decides.
Scenario parseScenario(const QByteArray& utf8);
// What the reader checks beyond the form of each member: every service is a path (see
// servicePathProblem) and every ${name} is captured by an earlier step. Raises EScenarioError.
void checkScenario(const Scenario& scenario);
// The file read and checked; a file larger than maxBytes is refused without being read whole.
Scenario loadScenario(const QString& fileName, qint64 maxBytes = kDefaultMaxScenarioBytes);
// The file's text: two spaces a level, members always in the same order, UTF-8 kept. With a
// folder of kept files, every file member whose bytes are held names its file there
// ("guardado": "FOLDER/SHA256.bin", relative to the scenario file).
QByteArray scenarioText(const Scenario& scenario, const QString& keptFolder = {});
// Writes the file whole or not at all, and never a file the reader would refuse
// (checkScenario). With keepFiles, the bytes of the file members held in
// memory are first written beside it, in keptFilesFolder(fileName), one file each.
void saveScenario(const Scenario& scenario, const QString& fileName, bool keepFiles = false);
// Appends the step to the scenario file (made when missing), named anew so that its name is
// not used yet. The file is read, changed and written under an exclusive lock on it, so that
// recorders running at once each add their step. A new file keeps the company code given.
// Raises as loadScenario and saveScenario do.
void appendStepToScenario(const QString& fileName, ScenarioStep step, bool keepFiles = false,
                          const QString& company = {});
// "NAME.arquivos" for the scenario file NAME.json: where its file members' bytes are kept.
QString keptFilesFolder(const QString& scenarioFile);

// The expected form of an answer body: JSON with its file members reduced, else the text.
ExpectedAnswer expectedFrom(int status, const QByteArray& body, const QByteArray& contentType);
// The same when the body has been parsed already (nullopt: it is not JSON).
ExpectedAnswer expectedFrom(int status, std::optional<json::JsonValue> parsed,
                            const QByteArray& body, const QByteArray& contentType);
// A step made from an exchange as it went out: the data value taken out of its envelope (the
// session Id, signature, company key and password are never kept). The travel is read from
// the method, the body and whether it was authenticated.
ScenarioStep stepFromExchange(const QString& method, const QString& path, const QByteArray& request,
                              bool authenticated, int status, const QByteArray& answer,
                              const QByteArray& contentType);
// Why a service path cannot be sent to (empty when it can): it must be a path below the
// service base, without ".", ".." (also percent-encoded) or empty-named climbs, a query, a
// fragment, a scheme, spaces or control characters.
QString servicePathProblem(const QString& path);
// The names a step's data uses as ${name}, in order.
QStringList captureNames(const json::JsonValue& dados);

// A step name not used yet in the scenario, from the service name.
QString freshStepName(const Scenario& scenario, const QString& path);
