#include "common/exception.h"
#include "common/jsonpretty.h"
#include "common/jsonvalue.h"
#include "exchange/answerfiles.h"
#include "exchange/answerverdict.h"
#include "exchange/utf8step.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QByteArray nested(int depth, const QByteArray& inside = {}) {
    return QByteArray(depth, '[') + inside + QByteArray(depth, ']');
}

} // namespace

// An answer nested far deeper than any reader accepts: every reader of answers refuses it with
// the same clear message instead of exhausting the stack.
TEST(DeepAnswer, EveryReaderRefusesItClearly) {
    const QByteArray deep =
        R"({"a":)" + nested(300'000) + R"(,"result":{"controle":{"err":true,"msg":"x"}}})";
    EXPECT_FALSE(readAnswerVerdict(deep).rejected);
    // A control part before the deep part is read as it is.
    EXPECT_TRUE(readAnswerVerdict(R"({"result":{"controle":{"err":true,"msg":"x"},"a":)" +
                                  nested(300'000) + "}}")
                    .rejected);

    const jsonpretty::Formatted view = jsonpretty::format(QString::fromLatin1(deep));
    EXPECT_FALSE(view.isJson);
    EXPECT_EQ(view.error, json::tooDeepMessage());

    EXPECT_TRUE(json::parse(deep.toStdString()).tooDeep());
    try {
        parseUtf8Answer(deep);
        ADD_FAILURE() << "aceita";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), json::tooDeepMessage());
    }
    const QTemporaryDir dir;
    try {
        saveContentFileFromAnswer(deep, dir.path(), u"A.bin"_s);
        ADD_FAILURE() << "aceita";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), json::tooDeepMessage());
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // At the limit, every reader still reads.
    const QByteArray deepest = nested(json::kMaxDepth, "1");
    EXPECT_TRUE(json::parse(deepest.toStdString()).value);
    EXPECT_TRUE(jsonpretty::format(QString::fromLatin1(deepest)).isJson);
    EXPECT_FALSE(json::parse(nested(json::kMaxDepth + 1).toStdString()).value);
}

// The verdict is read past deep parts within the limit that come before the control part.
TEST(DeepAnswer, VerdictReadsPastDeepParts) {
    const QByteArray answer =
        R"({"a":)" + nested(400) + R"(,"result":{"controle":{"err":true,"msg":"recusada"}}})";
    const AnswerVerdict v = readAnswerVerdict(answer);
    EXPECT_TRUE(v.rejected);
    EXPECT_EQ(v.message, u"recusada"_s);
}

// The formatted view stays a small multiple of the answer, however deep its lines lie, and a
// deep line shows its level.
TEST(DeepAnswer, FormattedViewStaysASmallMultipleOfTheAnswer) {
    QByteArray items;
    for (int i = 0; i < 20'000; ++i)
        items += i ? ",0" : "0";
    const QByteArray answer = nested(json::kMaxDepth - 1, "[" + items + "]");
    const jsonpretty::Formatted view = jsonpretty::format(QString::fromLatin1(answer));
    ASSERT_TRUE(view.isJson) << view.error.toStdString();
    EXPECT_LT(view.text.size(), 32 * answer.size());
    EXPECT_TRUE(view.text.contains(u"«512» 0,"_s));
}
