#include "common/jsonvalue.h"

namespace json {

namespace {

enum class Mode { Wire, Signing };

struct StringOut {
    std::string& s;
    void put(char c) { s.push_back(c); }
    void put(std::string_view v) { s.append(v); }
};

struct SinkOut {
    TextSink& sink;
    std::string buffer;
    explicit SinkOut(TextSink& target) : sink(target) { buffer.reserve(kChunk); }
    ~SinkOut() { flush(); }
    void put(char c) {
        buffer.push_back(c);
        if (buffer.size() >= kChunk)
            flush();
    }
    void put(std::string_view v) {
        if (buffer.size() + v.size() >= kChunk) {
            flush();
            if (v.size() >= kChunk) {
                sink.write(v);
                return;
            }
        }
        buffer.append(v);
    }
    void flush() {
        if (!buffer.empty()) {
            sink.write(buffer);
            buffer.clear();
        }
    }
    static constexpr std::size_t kChunk = 64 * 1024;
};

constexpr char kHex[] = "0123456789ABCDEF";

template <typename Out> void putUnit(Out& out, uint32_t unit) {
    const char esc[6] = {'\\',
                         'u',
                         kHex[(unit >> 12) & 0xF],
                         kHex[(unit >> 8) & 0xF],
                         kHex[(unit >> 4) & 0xF],
                         kHex[unit & 0xF]};
    out.put(std::string_view(esc, 6));
}

// Decodes one UTF-8 sequence at s[i]; returns the code point and advances i. A malformed
// sequence reads as U+FFFD and consumes one byte.
uint32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    uint32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + std::size_t(len) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + std::size_t(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += std::size_t(len);
    return cp;
}

template <typename Out> void writeWireString(Out& out, std::string_view s) {
    out.put('"');
    std::size_t i = 0;
    while (i < s.size()) {
        // Copy runs of characters that need no escape in one go.
        std::size_t j = i;
        while (j < s.size()) {
            const auto c = static_cast<unsigned char>(s[j]);
            if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\' || c == '/')
                break;
            ++j;
        }
        if (j > i)
            out.put(s.substr(i, j - i));
        i = j;
        if (i >= s.size())
            break;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const uint32_t cp = decodeUtf8(s, i);
            if (cp > 0xFFFF) {
                putUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
                putUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                putUnit(out, cp);
            }
            continue;
        }
        ++i;
        switch (c) {
        case '"':
            out.put("\\\"");
            break;
        case '\\':
            out.put("\\\\");
            break;
        case '/':
            out.put("\\/");
            break;
        case '\b':
            out.put("\\b");
            break;
        case '\t':
            out.put("\\t");
            break;
        case '\n':
            out.put("\\n");
            break;
        case '\f':
            out.put("\\f");
            break;
        case '\r':
            out.put("\\r");
            break;
        default:
            putUnit(out, c);
            break;
        }
    }
    out.put('"');
}

template <typename Out> void writeSigningString(Out& out, std::string_view s) {
    out.put('"');
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t q = s.find('"', i);
        if (q == std::string_view::npos) {
            out.put(s.substr(i));
            break;
        }
        out.put(s.substr(i, q - i));
        out.put("\\\"");
        i = q + 1;
    }
    out.put('"');
}

template <typename Out> void writeValue(Out& out, const JsonValue& v, Mode mode) {
    switch (v.type()) {
    case JsonValue::Type::Null:
        out.put("null");
        return;
    case JsonValue::Type::True:
        out.put("true");
        return;
    case JsonValue::Type::False:
        out.put("false");
        return;
    case JsonValue::Type::Number:
        out.put(v.text());
        return;
    case JsonValue::Type::String:
        if (mode == Mode::Wire)
            writeWireString(out, v.text());
        else
            writeSigningString(out, v.text());
        return;
    case JsonValue::Type::Array:
        out.put('[');
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i)
                out.put(',');
            writeValue(out, v.at(i), mode);
        }
        out.put(']');
        return;
    case JsonValue::Type::Object:
        out.put('{');
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i)
                out.put(',');
            if (mode == Mode::Wire)
                writeWireString(out, v.keyAt(i));
            else
                writeSigningString(out, v.keyAt(i));
            out.put(':');
            writeValue(out, v.at(i), mode);
        }
        out.put('}');
        return;
    }
}

} // namespace

std::string toWireText(const JsonValue& value) {
    std::string s;
    StringOut out{s};
    writeValue(out, value, Mode::Wire);
    return s;
}

std::string toSigningText(const JsonValue& value) {
    std::string s;
    StringOut out{s};
    writeValue(out, value, Mode::Signing);
    return s;
}

void writeWireText(const JsonValue& value, TextSink& sink) {
    SinkOut out(sink);
    writeValue(out, value, Mode::Wire);
}

void writeSigningText(const JsonValue& value, TextSink& sink) {
    SinkOut out(sink);
    writeValue(out, value, Mode::Signing);
}

} // namespace json
