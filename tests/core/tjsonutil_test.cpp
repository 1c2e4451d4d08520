#include "common/charfilter.h"
#include "common/exception.h"
#include "common/tjsonutil.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

JsonValue parsed(const char* text) {
    auto r = json::parse(text);
    EXPECT_TRUE(r.value) << text;
    return r.value ? std::move(*r.value) : JsonValue();
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(ValidCharacterFilter, SetHas163CharactersOf158Distinct) {
    const QString& set = GetCaracteresValidos();
    EXPECT_EQ(set.size(), 163);
    EXPECT_EQ(QSet<QChar>(set.begin(), set.end()).size(), 158);
    EXPECT_TRUE(set.endsWith(QStringLiteral("\\\\fim")));
}

TEST(ValidCharacterFilter, KeepsDropsOrReplaces) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a\tb°c é", "abc é"},       // tab and degree sign dropped, accent kept
        {"Привет", "??????"},        // outside the code page: one "?" each
        {"“x” – € ™ … ©", "x     "}, // in the code page, outside the set: dropped
        {"linha1\r\nlinha2\n", "linha1\r\nlinha2\n"},
        {"¹²³£¢¬§ªº´¨~^`", "¹²³£¢¬§ªº´¨~^`"},
        {"ÅÆØßåæøÿ\u00A0", ""},
        {"😀", "?"},                             // one character outside the plane: one "?"
        {"a\u0080b\u0085c\u009F", "a?b?c?"},    // C1 controls the code page cannot hold
        {"\u0081\u008D\u008F\u0090\u009D", ""}, // its five unused codes, outside the set
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimpaString(u(c.in)), u(c.out)) << c.in;
}

TEST(ValidCharacterFilter, SettersAndGettersFilterAndTreatLineBreaks) {
    EXPECT_EQ(TJSONUtil::SetStr(u("a\tb")).text(), "ab");
    EXPECT_EQ(TJSONUtil::SetStr(u("l1\r\nl2\rl3"), true).text(), "l1\\nl2\rl3");
    // Line breaks are replaced before the filter runs, whichever way the text is written.
    const struct {
        const char* in;
        const char* withLineBreaks;
    } breaks[] = {
        {"\r\n", "\\n"},          {"a\r\r\nb\r", "a\r\\nb\r"}, {"\n\r\nÇé", "\n\\nÇé"},
        {"x\r\x01\ny", "x\r\ny"}, // the control character goes after the replacement
        {"€\r\n", "\\n"},
    };
    for (const auto& c : breaks) {
        EXPECT_EQ(TJSONUtil::SetStr(u(c.in), true).text(), c.withLineBreaks) << c.in;
        EXPECT_EQ(TJSONUtil::SetStr(u(c.in), false).text(), LimpaString(u(c.in)).toStdString())
            << c.in;
    }
    const JsonValue o = parsed(R"({"t":"a\\nb\tc","n":5})");
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("t")), u("a\\nbc"));
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("t"), {}, true), u("a\r\nbc"));
    // A number member is not a string: the default comes back, filtered too.
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("n"), u("d\tef")), u("def"));
    EXPECT_EQ(json::toWireText(TJSONUtil::SetStrList({u("a\tb"), u("c")})), R"(["ab","c"])");
}

TEST(KeyLookup, AsGivenThenLowerThenUpper) {
    const JsonValue o =
        parsed(R"({"nome":"lower","NoMe":"mixed","IDADE":"upper","Cod":7,"cod":"text"})");
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("Nome")), u("lower"));
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("NOME")), u("lower"));
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("Idade")), u("upper"));
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("nOmE"), u("none")), u("lower"));
    // The exact member has the wrong type, so the lower-case one is taken.
    EXPECT_EQ(TJSONUtil::GetStr(&o, u("Cod")), u("text"));
    // Member names are compared exactly: "Cod" is neither "COD" nor "cod".
    EXPECT_EQ(TJSONUtil::GetInt(&o, u("COD")), 0);
    EXPECT_EQ(TJSONUtil::GetInt(&o, u("Cod")), 7);
    EXPECT_EQ(TJSONUtil::GetStr(nullptr, u("x"), u("def")), u("def"));
}

TEST(KeyLookup, GetBoolLooksForTrueInAllFormsFirst) {
    const struct {
        const char* json;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {R"({"ativo":false,"ATIVO":true})", false, true},
        {R"({"Ativo":false})", true, false},
        {R"({"Ativo":"true"})", false, false},
        {R"({"Ativo":1})", true, true},
        {R"({})", true, true},
    };
    for (const auto& c : cases) {
        const JsonValue o = parsed(c.json);
        EXPECT_EQ(TJSONUtil::GetBool(&o, u("Ativo"), c.defaultValue), c.expected) << c.json;
    }
}

TEST(NumberGetters, IntegersCurrencyAndErrors) {
    const JsonValue o = parsed(
        R"({"i":42,"f":12.5,"e":1E3,"big":99999999999,"c1":1.23456,"c2":7,"c3":1.03125,"c4":1.09375})");
    EXPECT_EQ(TJSONUtil::GetInt(&o, u("i")), 42);
    EXPECT_EQ(TJSONUtil::GetInt64(&o, u("big")), 99999999999LL);
    EXPECT_EQ(TJSONUtil::GetInt(&o, u("missing"), -1), -1);
    for (const char* key : {"f", "e", "big"}) {
        try {
            TJSONUtil::GetInt(&o, u(key));
            ADD_FAILURE() << key;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value")
                                       .arg(QString::fromStdString(o.find(key)->text())));
        }
    }
    EXPECT_DOUBLE_EQ(TJSONUtil::GetDoub(&o, u("f")), 12.5);
    EXPECT_EQ(TJSONUtil::GetCurr(&o, u("c1")).scaled(), 12346);
    EXPECT_EQ(TJSONUtil::GetCurr(&o, u("c2")).scaled(), 70000);
    EXPECT_EQ(TJSONUtil::GetCurr(&o, u("c3")).scaled(), 10312); // ties to even
    EXPECT_EQ(TJSONUtil::GetCurr(&o, u("c4")).scaled(), 10938);
    EXPECT_EQ(json::toWireText(TJSONUtil::SetCurr(regional::Currency::fromScaled(125000))), "12.5");
}

TEST(DateGetters, RegionalAndIsoForms) {
    const QDateTime expected = regional::makeDateTime(2024, 3, 25, 14, 7, 9);
    const QDateTime someDefault = regional::makeDateTime(2000, 1, 1);
    const JsonValue o = parsed(
        R"({"br":"25/03/2024 14:07:09","iso":"2024-03-25T14:07:09.123-03:00","bad":"xx","day":"31/12/2024"})");
    EXPECT_EQ(TJSONUtil::GetDateTime(&o, u("br"), someDefault), expected);
    EXPECT_EQ(TJSONUtil::GetDateTime(&o, u("iso"), regional::zeroDateTime()), expected);
    EXPECT_EQ(TJSONUtil::GetDateTime(&o, u("iso"), someDefault), someDefault);
    EXPECT_EQ(TJSONUtil::GetDateTime(&o, u("bad"), someDefault), someDefault);
    EXPECT_EQ(TJSONUtil::GetDateTime(&o, u("day"), someDefault),
              regional::makeDateTime(2024, 12, 31));
    EXPECT_EQ(XMLDate2DateTime(u("2024-03-25")), regional::makeDateTime(2024, 3, 25));
    EXPECT_TRUE(regional::isZero(XMLDate2DateTime(u("  "))));
    EXPECT_THROW(XMLDate2DateTime(u("2024-0x-25")), EConvertError);
    EXPECT_THROW(XMLDate2DateTime(u("2024")), EConvertError); // date-encoding error
}

TEST(DateSetters, FormatAndZero) {
    const QDateTime dt = regional::makeDateTime(2024, 3, 5, 4, 7, 9);
    EXPECT_EQ(TJSONUtil::SetDateTime(dt, u("DD/MM/YYYY HH:NN:SS")).text(), "05/03/2024 04:07:09");
    EXPECT_EQ(TJSONUtil::SetDateTime(regional::zeroDateTime(), u("DD/MM/YYYY HH:NN:SS")).text(),
              "30/12/1899 00:00:00");
    EXPECT_EQ(TJSONUtil::SetDateTime(regional::zeroDateTime(), u("YYYY"), true).text(),
              "0000-00-00 00:00:00");
}

TEST(OtherOperations, VazioRemovePairAndParseJSONValue) {
    const JsonValue emptyObject = JsonValue::object();
    const JsonValue emptyString = JsonValue::string(std::string());
    const JsonValue null = JsonValue::null();
    const JsonValue zero = JsonValue::integer(0);
    EXPECT_TRUE(TJSONUtil::Vazio(nullptr));
    EXPECT_TRUE(TJSONUtil::Vazio(&null));
    EXPECT_TRUE(TJSONUtil::Vazio(&emptyString));
    EXPECT_FALSE(TJSONUtil::Vazio(&emptyObject));
    EXPECT_FALSE(TJSONUtil::Vazio(&zero));

    JsonValue o = parsed(R"({"Key":1,"key":2,"KEY":3,"other":4})");
    TJSONUtil::RemovePair(o, u("Key"));
    EXPECT_EQ(json::toWireText(o), R"({"other":4})");

    const auto p = TJSONUtil::ParseJSONValue(u("{\"a\":\"Água\"}"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->find("a")->text(), "?gua");
    EXPECT_FALSE(TJSONUtil::ParseJSONValue(u("{oops")));
}
