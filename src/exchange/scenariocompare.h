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

// A path in an answer: member names joined with '.', array positions as [n] (as [Key=value] in a
// list matched by a member); a pattern may hold [*] for any position.
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
    QString label; // what kind of difference, when the values alone do not say it
};

// What a comparison skips and how it reads: paths never compared, learned noise, numbers
// compared by value, lists matched by a member or without order.
struct CompareRules {
    QStringList ignore;
    QStringList noise;
    QStringList numeric;
    std::vector<ListRule> lists;
};

struct Comparison {
    std::vector<Difference> differences;
    QStringList notes;    // member order changed, noise skipped
    int ignored = 0;      // members skipped by an ignored path
    int noiseSkipped = 0; // members that differed but are learned noise
    bool equal() const { return differences.empty(); }
};

// Compares the answer that came back with the expected one. Strings that both hold an XML
// document are compared as XML (paths "member⟨root/child⟩", "…⟨root@attribute⟩"); numbers
// with the same value in another text are a difference labelled so, none on a numeric path;
// the content types, when the baseline has one, by media type (a difference) and parameters
// (a note).
Comparison compareAnswer(const ExpectedAnswer& expected, const ExpectedAnswer& actual,
                         const CompareRules& rules);
// The same with only ignored paths and noise.
Comparison compareAnswer(const ExpectedAnswer& expected, const ExpectedAnswer& actual,
                         const QStringList& ignore, const QStringList& noise);

// The paths where two answers differ (nothing ignored): what a repeated run learns as noise.
QStringList differingPaths(const ExpectedAnswer& a, const ExpectedAnswer& b);

// The paths with every list whose elements all differ in one member written once with [*]
// ("l[0].d" … "l[2].d" of a three-element list "l" become "l[*].d"), lists of lists too; the
// lists' sizes are read in the answer. A list where some element kept its value keeps its
// paths one by one.
QStringList generaliseListPaths(const QStringList& paths, const json::JsonValue& answer);

// Where two long values differ: the common start and end elided with their lengths, the
// differing stretch in full (each side cut past 200 characters) with a little context:
// "… (58 caracteres iguais) infProt><xMotivo>Autorizado o uso da NF-[e→E]</xMotivo> … (62 iguais)".
QString differenceExcerpt(const QString& expected, const QString& actual, qsizetype context = 30);

// A value's text for a report, cut past limit characters with its whole length shown.
QString shortValue(const QString& text, qsizetype limit = 60);

// The value under a path of an answer; nullptr when absent.
const json::JsonValue* valueAt(const json::JsonValue& root, const QString& path);
