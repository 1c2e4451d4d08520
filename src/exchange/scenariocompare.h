#pragma once

#include "common/jsonvalue.h"
#include "exchange/scenario.h"

#include <QString>
#include <QStringList>

#include <set>
#include <vector>

// Comparison of an answer with a step's expected one. Objects are compared by member name (a
// changed member order is a note, not a difference), arrays by position, numbers and strings by
// their exact text, file members by size and SHA-256. Ignored paths are skipped and counted;
// learned noise is skipped too, but its kind and shape must still match (a date stays a date).

// A path in an answer: member names joined with '.', array positions as [n]; a pattern may
// hold [*] for any position.
bool pathMatches(const QString& pattern, const QString& path);

// One pattern, read once and matched against many paths without building anything.
class PathPattern {
public:
    explicit PathPattern(const QString& pattern);
    bool matches(QStringView path) const;

private:
    std::vector<QString> m_pieces; // the text between the [*]
};

// A list of patterns: exact paths looked up at once, those with [*] matched one by one.
class PathPatterns {
public:
    explicit PathPatterns(const QStringList& patterns);
    bool matches(const QString& path) const;

private:
    std::set<QString> m_exact;
    std::vector<PathPattern> m_wild;
};

struct Difference {
    QString path;
    QString expected; // the value's JSON text ("" when absent)
    QString actual;
};

struct Comparison {
    std::vector<Difference> differences;
    QStringList notes;    // member order changed, noise skipped
    int ignored = 0;      // members skipped by an ignored path
    int noiseSkipped = 0; // members that differed but are learned noise
    bool equal() const { return differences.empty(); }
};

// Compares the answer that came back with the expected one; ignore holds the scenario's and the
// step's paths.
Comparison compareAnswer(const ExpectedAnswer& expected, const ExpectedAnswer& actual,
                         const QStringList& ignore, const QStringList& noise);

// The paths where two answers differ (nothing ignored): what a repeated run learns as noise.
QStringList differingPaths(const ExpectedAnswer& a, const ExpectedAnswer& b);

// The paths with every list whose elements all differ in one member written once with [*]
// ("l[0].d" … "l[2].d" of a three-element list "l" become "l[*].d"), lists of lists too; the
// lists' sizes are read in the answer. A list where some element kept its value keeps its
// paths one by one.
QStringList generaliseListPaths(const QStringList& paths, const json::JsonValue& answer);

// A value's text for a report, cut past limit characters with its whole length shown.
QString shortValue(const QString& text, qsizetype limit = 60);

// The value under a path of an answer; nullptr when absent.
const json::JsonValue* valueAt(const json::JsonValue& root, const QString& path);
