#pragma once

#include "common/jsonvalue.h"
#include "exchange/scenario.h"

#include <QString>
#include <QStringList>

#include <vector>

// Comparison of an answer with a step's expected one. Objects are compared by member name (a
// changed member order is a note, not a difference), arrays by position, numbers and strings by
// their exact text, file members by size and SHA-256. Ignored paths are skipped and counted;
// learned noise is skipped too, but its kind and shape must still match (a date stays a date).

// A path in an answer: member names joined with '.', array positions as [n]; a pattern may
// hold [*] for any position.
bool pathMatches(const QString& pattern, const QString& path);

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

// A value's text for a report, cut past limit characters with its whole length shown.
QString shortValue(const QString& text, qsizetype limit = 60);

// The value under a path of an answer; nullptr when absent.
const json::JsonValue* valueAt(const json::JsonValue& root, const QString& path);
