#pragma once

#include <QByteArray>
#include <QString>

// What a result envelope's control part says of an answer: {"result":{"controle":{"err":true,
// "msg":"..."}}} is a rejection with its message. Answers of any other shape are no rejection.
struct AnswerVerdict {
    bool rejected = false;
    QString message;
};

// Reads the body (UTF-8 JSON) only as far as its control part.
AnswerVerdict readAnswerVerdict(const QByteArray& body);

namespace json {
class JsonValue;
}
// The same of an answer already parsed.
AnswerVerdict answerVerdictOf(const json::JsonValue& answer);
