// The only place that includes RapidJSON: its SAX reader builds our own value tree.
#include "jsonvalue.h"

#include <QString>

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

namespace json {

namespace {

class Builder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Builder> {
public:
    bool Null() { return put(JsonValue::null()); }
    bool Bool(bool b) { return put(JsonValue::boolean(b)); }
    bool RawNumber(const char* s, rapidjson::SizeType len, bool) {
        return put(JsonValue::numberText(std::string(s, len)));
    }
    bool String(const char* s, rapidjson::SizeType len, bool) {
        return put(JsonValue::string(std::string(s, len)));
    }
    bool StartObject() { return open(JsonValue::object()); }
    bool Key(const char* s, rapidjson::SizeType len, bool) {
        m_key.assign(s, len);
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(JsonValue::array()); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    bool tooDeep() const { return m_tooDeep; }
    JsonValue take() { return std::move(m_root); }

private:
    bool put(JsonValue v) {
        if (m_stack.empty()) {
            m_root = std::move(v);
            return true;
        }
        JsonValue& top = m_stack.back();
        if (top.isObject())
            top.add(std::move(m_key), std::move(v));
        else
            top.append(std::move(v));
        return true;
    }
    bool open(JsonValue container) {
        if (m_stack.size() >= std::size_t(kMaxDepth)) {
            m_tooDeep = true;
            return false;
        }
        m_keys.push_back(std::move(m_key));
        m_stack.push_back(std::move(container));
        return true;
    }
    bool close() {
        JsonValue done = std::move(m_stack.back());
        m_stack.pop_back();
        m_key = std::move(m_keys.back());
        m_keys.pop_back();
        return put(std::move(done));
    }

    std::vector<JsonValue> m_stack;
    std::vector<std::string> m_keys;
    std::string m_key;
    JsonValue m_root;
    bool m_tooDeep = false;
};

constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag |
                            rapidjson::kParseValidateEncodingFlag;

ParseResult parseValid(std::string_view utf8) {
    Builder builder;
    rapidjson::Reader reader;
    rapidjson::MemoryStream stream(utf8.data(), utf8.size());
    const rapidjson::ParseResult ok = reader.Parse<kFlags>(stream, builder);
    ParseResult result;
    if (ok) {
        result.value = builder.take();
        return result;
    }
    result.errorOffset = ok.Offset();
    result.error = builder.tooDeep() ? std::string("nesting too deep")
                                     : std::string(rapidjson::GetParseError_En(ok.Code()));
    return result;
}

} // namespace

ParseResult parse(std::string_view utf8) {
    ParseResult result = parseValid(utf8);
    if (!result.value && result.error == rapidjson::GetParseError_En(
                                             rapidjson::kParseErrorStringInvalidEncoding)) {
        // Not UTF-8: read the malformed sequences as U+FFFD and try again.
        const QByteArray repaired =
            QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toUtf8();
        result = parseValid(std::string_view(repaired.constData(), std::size_t(repaired.size())));
    }
    return result;
}

} // namespace json
