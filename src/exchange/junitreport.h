#pragma once

#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

#include <QDateTime>
#include <QString>

#include <vector>

// One replay of a scenario as a JUnit test suite: a test case per step, named by the step's
// name (made unique within the suite when repeated, so that inserting a step renames no other
// test in a CI's history).
struct JunitSuite {
    QString name;
    const Scenario* scenario = nullptr;
    const std::vector<StepOutcome>* outcomes = nullptr;
    QDateTime started;
    QString server; // where it ran, kept as a property
};

// The names of the test cases, in the steps' order.
QStringList junitCaseNames(const Scenario& scenario);

// The report in the form CI systems read (the Ant JUnit schema): differences as <failure>
// whose message names the first differing path and its values, errors and steps not run as
// <error>, the notes (member order, noise, rejection) in the suite's system-out. Control
// characters in values are written escaped (\x01), as on a terminal. Written whole or not at
// all.
void writeJunitReport(const QString& fileName, const std::vector<JunitSuite>& suites);
