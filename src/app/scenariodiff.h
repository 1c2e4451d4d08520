#pragma once

#include "exchange/scenario.h"

#include <QHash>
#include <QString>

// An answer as the scenario window shows it beside another: its HTTP status on the first line,
// then the JSON two spaces a level (or the text as it came), with the line each answer path
// starts on, so the lines of the differing paths can be marked.
struct AnswerLines {
    QString text;
    QHash<QString, int> lineOf; // answer path -> line, from 0; "(status HTTP)" is line 0
};
// A very long answer is cut after kMaxAnswerLines lines (a text one after kMaxAnswerChars
// characters), so choosing its step stays quick.
inline constexpr qsizetype kMaxAnswerLines = 20000;
inline constexpr qsizetype kMaxAnswerChars = 2000000;
AnswerLines answerLines(const ExpectedAnswer& answer);

// The line of a path, or of its nearest enclosing member when the path is absent on this side;
// -1 when none is shown.
int lineOfPath(const AnswerLines& lines, const QString& path);
