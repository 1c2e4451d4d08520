#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QString;

namespace json {

// One JSON value: a tree that owns its members and elements. Objects keep their members in
// the order they were added, duplicates included (lookups find the first). Numbers keep
// their text, so a parsed number is written back exactly as it came and an integer is told
// from a decimal number. Strings are UTF-8.
class JsonValue {
public:
    enum class Type { Null, False, True, Number, String, Array, Object };

    JsonValue() = default;
    JsonValue(JsonValue&&) noexcept = default;
    JsonValue& operator=(JsonValue&&) noexcept = default;
    JsonValue(const JsonValue&) = default; // deep copy
    JsonValue& operator=(const JsonValue&) = default;
    ~JsonValue() = default;

    static JsonValue null() { return JsonValue(); }
    static JsonValue boolean(bool value);
    static JsonValue integer(int64_t value);
    static JsonValue decimal(double value);
    // A number whose text is already in JSON form ("12.5", "7", "1E20").
    static JsonValue numberText(std::string text);
    static JsonValue string(std::string utf8);
    static JsonValue string(const QString& text);
    static JsonValue object();
    static JsonValue array();
    // An object of these members (keys and values in step), or an array of these elements, taken
    // whole.
    static JsonValue objectOf(std::vector<std::string> keys, std::vector<JsonValue> values);
    static JsonValue arrayOf(std::vector<JsonValue> elements);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isBool() const { return m_type == Type::True || m_type == Type::False; }
    bool isTrue() const { return m_type == Type::True; }
    bool isFalse() const { return m_type == Type::False; }
    bool isNumber() const { return m_type == Type::Number; }
    bool isString() const { return m_type == Type::String; }
    bool isArray() const { return m_type == Type::Array; }
    bool isObject() const { return m_type == Type::Object; }

    // String content (UTF-8) or the text of a number.
    const std::string& text() const { return m_text; }
    QString toQString() const;
    // Whether a number is written without fraction or exponent.
    bool isIntegerNumber() const;

    // Objects and arrays.
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const JsonValue& at(std::size_t i) const { return m_items[i]; }
    JsonValue& at(std::size_t i) { return m_items[i]; }
    const std::string& keyAt(std::size_t i) const { return m_keys[i]; }

    // Objects: add at the end; the first member with a name is the one found.
    JsonValue& add(std::string key, JsonValue value);
    // Objects: adds every member of another object at the end, in its order.
    JsonValue& addMembersOf(const JsonValue& object);
    const JsonValue* find(std::string_view key) const;
    JsonValue* find(std::string_view key);
    // Removes and returns the first member named exactly key.
    std::optional<JsonValue> remove(std::string_view key);

    // Arrays.
    JsonValue& append(JsonValue value);

private:
    Type m_type = Type::Null;
    std::string m_text;              // string content or number text
    std::vector<JsonValue> m_items;  // array elements or object member values
    std::vector<std::string> m_keys; // object member names, parallel to m_items
};

// Nesting deeper than this many levels is refused by every reader of JSON text (answers, files,
// the stand-in's requests) instead of exhausting the stack or the memory.
inline constexpr int kMaxDepth = 512;
// The reader's error for such a text.
inline constexpr std::string_view kTooDeepError = "nesting too deep";
// What the user is told of an answer nested too deep.
QString tooDeepMessage();

struct ParseResult {
    std::optional<JsonValue> value;
    std::string error; // empty on success
    std::size_t errorOffset = 0;
    bool tooDeep() const { return error == kTooDeepError; }
};

// Parses UTF-8 JSON text. Byte sequences that are not UTF-8 are read as U+FFFD.
ParseResult parse(std::string_view utf8);

// Takes chosen string values as they stand in the text instead of building them, so that a
// file's base64 of tens of megabytes is never copied: the tree holds an empty string in place
// of a taken value.
class StringCapture {
public:
    virtual ~StringCapture() = default;
    // Whether the string value under these member names (from the root; an array element's
    // name is empty) is taken.
    virtual bool wants(const std::vector<std::string>& names) = 0;
    // The string's content between its quotes, escapes unresolved and unchecked (the taker
    // refuses what the reader would: a raw control character, a bad escape), and its place in
    // the tree: the member or element index at each level from the root. May throw, ending the
    // parse.
    virtual void take(std::string_view rawContent, const std::vector<std::size_t>& place) = 0;
    // The length of the content of a string it takes, given the text from the content's first
    // byte to the end, when the capture finds the closing quote itself as it checks the
    // content in one reading; nothing (the default) has the reader find it.
    virtual std::optional<std::size_t> contentLength(std::string_view rest) {
        (void)rest;
        return std::nullopt;
    }
};
ParseResult parse(std::string_view utf8, StringCapture& capture);

// The wire text: compact, pure ASCII; '"', '\\' and '/' escaped, control characters as
// \b \t \n \f \r or \u00XX, every character above 127 as \uXXXX (upper-case hex, UTF-16).
std::string toWireText(const JsonValue& value);
// The signing text: like the wire text, but only '"' is escaped in strings; every other
// character (non-ASCII included, as UTF-8) stays as it is.
std::string toSigningText(const JsonValue& value);

// Receives text in chunks; lets a large value be signed or sent without building the text.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void write(std::string_view chunk) = 0;
};
void writeWireText(const JsonValue& value, TextSink& sink);
void writeSigningText(const JsonValue& value, TextSink& sink);

} // namespace json
