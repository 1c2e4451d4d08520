// The only place that includes RapidJSON: its SAX reader builds our own value tree.
#include "common/jsonvalue.h"

#include <QString>

#include <cstring>

#if defined(__SSE4_2__)
#define RAPIDJSON_SSE42
#elif defined(__SSE2__)
#define RAPIDJSON_SSE2
#endif
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

// Encoding is checked once up front (isValidUtf8), which is much faster than checking while
// parsing on answers that are almost all ASCII.
constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

bool isValidUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        // Skip ASCII eight bytes at a time.
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int len;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p < len)
            return false;
        for (int k = 1; k < len; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[k] & 0x3F);
        }
        static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += len;
    }
    return true;
}

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
    if (isValidUtf8(utf8))
        return parseValid(utf8);
    // Not UTF-8: read the malformed sequences as U+FFFD.
    const QByteArray repaired = QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toUtf8();
    return parseValid(std::string_view(repaired.constData(), std::size_t(repaired.size())));
}

} // namespace json
