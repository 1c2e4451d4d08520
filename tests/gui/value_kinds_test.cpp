// The value kinds are pure functions of a control's value: one table of cases.
#include "common/exception.h"
#include "common/jsonvalue.h"
#include "pages/kit/valuekinds.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

FieldValue typed(const QString& text) {
    FieldValue v;
    v.text = text;
    return v;
}

FieldValue chosen(int index, const QString& text = {}, const QVariant& data = {}) {
    FieldValue v;
    v.index = index;
    v.text = text;
    v.data = data;
    return v;
}

FieldValue ticked(bool checked) {
    FieldValue v;
    v.checked = checked;
    return v;
}

struct KindCase {
    const char* name;
    ValueKind kind;
    FieldValue value;
    std::string wire; // the JSON sent, or the start of the error's message
    bool raises = false;
};

} // namespace

TEST(ValueKinds, EachKindSendsItsJson) {
    const std::vector<KindCase> cases = {
        {"text filters", kinds::text(), typed(u"Jo\u00E3o\tA_B"_s), R"("Jo\u00E3oA_B")"},
        {"text with line breaks", kinds::textWithLineBreaks(), typed(u"a\r\nb"_s), R"("a\\nb")"},
        {"padded zeros", kinds::padded(6, u'0'), typed(u" 42 "_s), R"("000042")"},
        {"padded never cuts", kinds::padded(2, u'0'), typed(u"1234"_s), R"("1234")"},
        {"zeros or blanks, empty", kinds::paddedZerosOrBlanks(3), typed(u" "_s), R"("   ")"},
        {"zeros or blanks, typed", kinds::paddedZerosOrBlanks(3), typed(u"7"_s), R"("007")"},
        {"first two chars", kinds::firstChars(2), typed(u"55 - NF-e"_s), R"("55")"},
        {"first two as integer", kinds::firstTwoCharsAsInteger(), typed(u"07 - X"_s), "7"},
        {"first two not a number", kinds::firstTwoCharsAsInteger(), typed(u"A - X"_s),
         "'A ' is not a valid integer value", true},
        {"digits only", kinds::digitsOnly(), typed(u"210 - Ciência"_s), R"("210")"},
        {"integer", kinds::integer(), typed(u"-12"_s), "-12"},
        {"integer, strict", kinds::integer(), typed(u"1,5"_s), "'1,5' is not a valid integer value",
         true},
        {"integer else -1", kinds::integerElse(-1), typed(u"x"_s), "-1"},
        {"integer, empty is 0", kinds::integerEmptyZero(), typed(QString()), "0"},
        {"integer, empty is 0, else strict", kinds::integerEmptyZero(), typed(u"y"_s),
         "'y' is not a valid integer value", true},
        {"64-bit integer", kinds::integer64(), typed(u"-99999999999999"_s), "-99999999999999"},
        {"integer as text", kinds::integerAsText(), typed(u"0012"_s), R"("12")"},
        {"money", kinds::money(), typed(u"10,5"_s), "10.5"},
        {"money, strict", kinds::money(), typed(u"1.000,5"_s),
         "'1.000,5' is not a valid floating point value", true},
        {"money with thousands", kinds::money(true), typed(u"1.000,25"_s), "1000.25"},
        {"money with groups", kinds::money(true), typed(u"-1.234.567"_s), "-1234567"},
        // A dot anywhere else is not a thousands separator.
        {"money, dot as decimal", kinds::money(true), typed(u"0.25"_s),
         "'0.25' is not a valid floating point value", true},
        {"money, dot after one digit", kinds::money(true), typed(u"1.5"_s),
         "'1.5' is not a valid floating point value", true},
        {"money, group of two", kinds::money(true), typed(u"1.00,5"_s),
         "'1.00,5' is not a valid floating point value", true},
        {"money, dot in the fraction", kinds::money(true), typed(u"1,000.5"_s),
         "'1,000.5' is not a valid floating point value", true},
        {"money else zero, dot", kinds::moneyElseZero(), typed(u"0.25"_s), "0"},
        {"money else zero", kinds::moneyElseZero(), typed(u"abc"_s), "0"},
        {"boolean", kinds::boolean(), ticked(true), "true"},
        {"date-time", kinds::dateTime(), typed(u"31/12/2024"_s), R"("31\/12\/2024 00:00:00")"},
        {"date-time, strict", kinds::dateTime(), typed(u"2024-12-31"_s), "'2024-12-31'", true},
        {"position", kinds::position(), chosen(2), "2"},
        {"position of typed text", kinds::position(), chosen(-1, u"Outro"_s), "-1"},
        {"code", kinds::code(), chosen(1, u"Normal"_s, u"N"_s), R"("N")"},
        {"code, nothing chosen", kinds::code(), chosen(-1), R"("")"},
        {"code of position", kinds::codeOfPosition({u"A"_s, u"T"_s}), chosen(1), R"("T")"},
        {"code of no position", kinds::codeOfPosition({u"A"_s, u"T"_s}), chosen(-1), R"("")"},
        {"code when checked", kinds::codeWhenChecked(u"S"_s, u"N"_s), ticked(false), R"("N")"},
        {"number when checked", kinds::numberWhenChecked(2, 0), ticked(true), "2"},
        {"code of extension", kinds::codeOfExtension({{u"xml"_s, u"X"_s}}, u"O"_s),
         typed(u"/tmp/Nota.XML"_s), R"("X")"},
        {"code of other extension", kinds::codeOfExtension({{u"xml"_s, u"X"_s}}, u"O"_s),
         typed(u"/tmp/nota.txt"_s), R"("O")"},
        {"lines as objects", kinds::linesAsObjects(u"Arquivo"_s), typed(u"a.txt\r\nb.txt"_s),
         R"([{"Arquivo":"a.txt"},{"Arquivo":"b.txt"}])"},
        {"constant", kinds::constant(json::JsonValue::integer(3)), typed(u"x"_s), "3"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            const json::JsonValue sent = c.kind(c.value);
            EXPECT_FALSE(c.raises) << "sent " << json::toWireText(sent);
            EXPECT_EQ(json::toWireText(sent), c.wire);
        } catch (const Exception& e) {
            EXPECT_TRUE(c.raises) << e.message().toStdString();
            EXPECT_TRUE(e.message().startsWith(QString::fromStdString(c.wire)))
                << e.message().toStdString();
        }
    }
}
