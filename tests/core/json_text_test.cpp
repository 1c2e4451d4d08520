#include "common/jsonvalue.h"
#include "common/utf8valid.h"

#include <QByteArray>

#include <gtest/gtest.h>

using json::JsonValue;

namespace {

JsonValue str(const char* utf8) {
    return JsonValue::string(std::string(utf8));
}

struct TextCase {
    const char* name;
    JsonValue value;
    const char* wire;
    const char* signing;
};

} // namespace

TEST(JsonText, WireAndSigningTextOfStrings) {
    const std::vector<TextCase> cases = {
        {"plain", str("abc"), R"("abc")", R"("abc")"},
        {"quote", str("a\"b"), R"("a\"b")", R"("a\"b")"},
        {"backslash", str("a\\b"), R"("a\\b")", R"("a\b")"},
        {"solidus", str("a/b"), R"("a\/b")", R"("a/b")"},
        {"named controls", str("\b\t\n\f\r"), R"("\b\t\n\f\r")", "\"\b\t\n\f\r\""},
        {"other controls", str(std::string("\x01\x1f\x00z", 4).c_str()), R"("\u0001\u001F")",
         "\"\x01\x1f\""},
        {"DEL stays", str("\x7f"), "\"\x7f\"", "\"\x7f\""},
        {"latin-1", str("Água é"), R"("\u00C1gua \u00E9")", "\"Água é\""},
        {"BMP above latin-1", str("€ ©"), R"("\u20AC \u00A9")", "\"€ ©\""},
        {"surrogate pair", str("😀"), R"("\uD83D\uDE00")", "\"😀\""},
        {"empty", str(""), R"("")", R"("")"},
        {"not UTF-8",
         str("\xff"
             "a\xc3"),
         R"("\uFFFDa\uFFFD")",
         "\"\xff"
         "a\xc3\""},
        {"cut sequence", str("\xe2\x82"), R"("\uFFFD\uFFFD")", "\"\xe2\x82\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(json::toWireText(c.value), c.wire) << c.name;
        EXPECT_EQ(json::toSigningText(c.value), c.signing) << c.name;
    }
}

TEST(JsonText, NumbersLiteralsNestingAndMemberOrder) {
    JsonValue inner = JsonValue::array();
    inner.append(JsonValue::integer(-7));
    inner.append(JsonValue::decimal(12.5));
    inner.append(JsonValue::decimal(0.1 + 0.2));
    inner.append(JsonValue::decimal(1e20));
    inner.append(JsonValue::decimal(1.5e-7));
    inner.append(JsonValue::decimal(0.00001));
    inner.append(JsonValue::decimal(123456789012345678.0));
    inner.append(JsonValue::boolean(true));
    inner.append(JsonValue::boolean(false));
    inner.append(JsonValue::null());
    JsonValue o = JsonValue::object();
    o.add("z", JsonValue::integer(1));
    o.add("a", std::move(inner));
    o.add("Ç/", JsonValue::object());
    o.add("z", JsonValue::integer(2)); // duplicates are kept, in order
    EXPECT_EQ(
        json::toWireText(o),
        R"({"z":1,"a":[-7,12.5,0.3,1E20,1.5E-7,0.00001,1.23456789012346E17,true,false,null],"\u00C7\/":{},"z":2})");
    EXPECT_EQ(o.find("z")->text(), "1");
}

TEST(JsonParse, KeepsNumberTextDuplicatesAndOrder) {
    const auto parsed =
        json::parse(R"({"b":1.50,"a":[1E3,-0],"b":"second","s":"\u00C1\/\ud83d\ude00"})");
    ASSERT_TRUE(parsed.value);
    const JsonValue& v = *parsed.value;
    EXPECT_EQ(v.find("b")->text(), "1.50");
    EXPECT_FALSE(v.find("b")->isIntegerNumber());
    EXPECT_EQ(v.find("s")->text(), "Á/😀");
    // Written back: parsed numbers keep their text, members their order.
    EXPECT_EQ(json::toWireText(v),
              R"({"b":1.50,"a":[1E3,-0],"b":"second","s":"\u00C1\/\uD83D\uDE00"})");
}

TEST(JsonParse, RefusesBadInputWithoutCrashing) {
    for (const char* bad : {"", "{", "{\"a\":}", "[1,]", "{\"a\":1} x", "nul", "\"abc"}) {
        const auto r = json::parse(bad);
        EXPECT_FALSE(r.value) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const auto r = json::parse(deep);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.error, "nesting too deep");
}

TEST(JsonParse, BytesThatAreNotUtf8ReadAsReplacementCharacter) {
    const auto r = json::parse("{\"a\":\"x\xff\xfey\"}");
    ASSERT_TRUE(r.value);
    EXPECT_EQ(r.value->find("a")->text(), "x\xEF\xBF\xBD\xEF\xBF\xBDy");
}

// Each sequence, well-formed or not, is judged alike wherever it stands: after ASCII runs of
// every length around the 16-byte blocks the ASCII is skipped in, and before ASCII or the end.
TEST(Utf8Validity, EverySequenceJudgedAlikeAtEveryPlace) {
    const struct {
        const char* bytes;
        bool valid;
    } cases[] = {
        {"\xC3\xA7", true},         // ç
        {"\xC3\x87\xC3\x9A", true}, // ÇÚ
        {"\xE2\x82\xAC", true},     // €
        {"\xF0\x9F\x98\x80", true}, // 😀
        {"\xF4\x8F\xBF\xBF", true}, // U+10FFFF
        {"\xEF\xBF\xBF", true},     // U+FFFF
        {"\xC3", false},            // cut before its end
        {"\xE2\x82", false},
        {"\xF0\x9F\x98", false},
        {"\x80", false},         // a continuation byte alone
        {"\xC3\xA7\xA7", false}, // one continuation too many
        {"\xC0\xAF", false},     // overlong
        {"\xE0\x80\xAF", false},
        {"\xF0\x80\x80\xAF", false},
        {"\xED\xA0\x80", false}, // a surrogate
        {"\xED\xBF\xBF", false},
        {"\xF4\x90\x80\x80", false}, // past U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},
        {"\xFF", false},
        {"\xC3\x41", false}, // ASCII where a continuation belongs
    };
    for (const auto& c : cases) {
        for (std::size_t before = 0; before <= 40; ++before) {
            for (const std::size_t after : {0, 1, 15, 16, 17}) {
                const std::string text =
                    std::string(before, 'a') + c.bytes + std::string(after, 'z');
                EXPECT_EQ(json::isValidUtf8(text), c.valid)
                    << "bytes " << QByteArray(c.bytes).toHex().constData() << " after " << before
                    << " ASCII, before " << after;
            }
        }
    }
    EXPECT_TRUE(json::isValidUtf8(""));
    EXPECT_TRUE(json::isValidUtf8(std::string(1000, 'a')));
}

// Text that grows far beyond its bytes when escaped (six bytes for one) comes out whole.
TEST(JsonText, HeavilyEscapedTextIsWrittenWhole) {
    JsonValue a = JsonValue::array();
    a.append(JsonValue::string(std::string(200000, '\x01')));
    a.append(JsonValue::string(std::string(100000, '/') + "\xc3\xa9"));
    std::string expected = "[\"";
    for (int i = 0; i < 200000; ++i)
        expected += "\\u0001";
    expected += "\",\"";
    for (int i = 0; i < 100000; ++i)
        expected += "\\/";
    expected += "\\u00E9\"]";
    EXPECT_EQ(json::toWireText(a), expected);
}

TEST(JsonText, StreamingWriterMatchesTextWriter) {
    struct Collect : json::TextSink {
        std::string text;
        int chunks = 0;
        void write(std::string_view c) override {
            text.append(c);
            ++chunks;
        }
    };
    JsonValue o = JsonValue::object();
    o.add("xml", JsonValue::string(std::string(300000, 'x') + "é\"/"));
    o.add("n", JsonValue::integer(3));
    Collect wire, signing;
    json::writeWireText(o, wire);
    json::writeSigningText(o, signing);
    EXPECT_EQ(wire.text, json::toWireText(o));
    EXPECT_EQ(signing.text, json::toSigningText(o));
    EXPECT_GT(wire.chunks, 1);
}
