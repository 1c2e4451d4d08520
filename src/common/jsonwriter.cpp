#include "common/jsonvalue.h"
#include "common/utf8valid.h"

#include <array>
#include <cassert>
#include <cstring>

namespace json {

namespace {

enum class Mode { Wire, Signing };

// Writes into memory reserved beforehand for the exact size of the text (see wireSize and
// signingSize), so a text of any size is written in one pass with no reallocation.
// Appends to a text reserved beforehand for about its size (see sizeEstimate): written in one
// pass, a text of any size is moved at most once more when the estimate falls short.
struct StringOut {
    std::string& s;
    void put(char c) { s.push_back(c); }
    void put(std::string_view v) { s.append(v); }
};

struct PointerOut {
    char* p;
    void put(char c) { *p++ = c; }
    void put(std::string_view v) {
        std::memcpy(p, v.data(), v.size());
        p += v.size();
    }
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
    const int len = utf8SequenceLength(s.substr(i));
    if (len == 0) {
        ++i;
        return 0xFFFD;
    }
    static constexpr unsigned char kLeadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
    uint32_t cp = static_cast<unsigned char>(s[i]) & kLeadBits[len];
    for (int k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
    i += std::size_t(len);
    return cp;
}

// Bytes of a string's content in the wire text: 1 for a byte written as it is, 2 for the short
// escapes, 6 for \u00XX; 0 marks the first byte of a UTF-8 sequence (sized by decoding it).
constexpr std::array<unsigned char, 256> kWireCost = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] = c < 0x20 ? 6 : c >= 0x80 ? 0 : 1;
    for (const char c : {'"', '\\', '/', '\b', '\t', '\n', '\f', '\r'})
        t[static_cast<unsigned char>(c)] = 2;
    return t;
}();

// The end of the run of bytes from i that the wire text takes as they are, eight at a time.
std::size_t plainEnd(std::string_view s, std::size_t i) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHigh = 0x8080808080808080ULL;
    const auto hasZero = [](uint64_t w) { return (w - kOnes) & ~w & kHigh; };
    while (s.size() - i >= 8) {
        uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        // Any byte above 127, below 32 (w - 0x20 borrows), or a quote, backslash or solidus.
        const uint64_t special = (w & kHigh) | ((w - 0x20 * kOnes) & ~w & kHigh) |
                                 hasZero(w ^ ('"' * kOnes)) | hasZero(w ^ ('\\' * kOnes)) |
                                 hasZero(w ^ ('/' * kOnes));
        if (special)
            break;
        i += 8;
    }
    while (i < s.size() && kWireCost[static_cast<unsigned char>(s[i])] == 1)
        ++i;
    return i;
}

std::size_t wireStringSize(std::string_view s) {
    std::size_t size = 2; // the quotes
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t j = plainEnd(s, i);
        size += j - i;
        i = j;
        if (i >= s.size())
            break;
        const unsigned char cost = kWireCost[static_cast<unsigned char>(s[i])];
        if (cost) {
            size += cost;
            ++i;
            continue;
        }
        size += decodeUtf8(s, i) > 0xFFFF ? 12 : 6;
    }
    return size;
}

std::size_t signingStringSize(std::string_view s) {
    std::size_t size = 2 + s.size();
    for (std::size_t q = s.find('"'); q != std::string_view::npos; q = s.find('"', q + 1))
        ++size;
    return size;
}

// The exact size of the text writeValue produces.
std::size_t textSize(const JsonValue& v, Mode mode) {
    const auto stringSize = mode == Mode::Wire ? wireStringSize : signingStringSize;
    switch (v.type()) {
    case JsonValue::Type::Null:
    case JsonValue::Type::True:
        return 4;
    case JsonValue::Type::False:
        return 5;
    case JsonValue::Type::Number:
        return v.text().size();
    case JsonValue::Type::String:
        return stringSize(v.text());
    case JsonValue::Type::Array:
    case JsonValue::Type::Object: {
        std::size_t size = 2 + (v.empty() ? 0 : v.size() - 1); // brackets and commas
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (v.isObject())
                size += stringSize(v.keyAt(i)) + 1; // the key and its colon
            size += textSize(v.at(i), mode);
        }
        return size;
    }
    }
    return 0;
}

template <typename Out> void writeWireString(Out& out, std::string_view s) {
    out.put('"');
    std::size_t i = 0;
    while (i < s.size()) {
        // Copy runs of characters that need no escape in one go.
        const std::size_t j = plainEnd(s, i);
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

namespace {
// About the size of a value's wire text without reading its strings byte by byte: a string
// grows by its escapes, half of its size allowed for them. Memory reserved and not
// written is never touched.
std::size_t sizeEstimate(const JsonValue& v) {
    switch (v.type()) {
    case JsonValue::Type::String:
    case JsonValue::Type::Number:
        return v.text().size() + v.text().size() / 2 + 2;
    case JsonValue::Type::Array:
    case JsonValue::Type::Object: {
        std::size_t size = 2 + v.size();
        for (std::size_t i = 0; i < v.size(); ++i)
            size += sizeEstimate(v.at(i)) + (v.isObject() ? v.keyAt(i).size() + 8 : 0);
        return size;
    }
    default:
        return 5;
    }
}

std::string toText(const JsonValue& value, Mode mode) {
    std::string s;
    if (mode == Mode::Signing) {
        // Exact and cheap: only quotes are escaped.
        s.resize(textSize(value, mode));
        PointerOut out{s.data()};
        writeValue(out, value, mode);
        assert(out.p == s.data() + s.size());
        return s;
    }
    s.reserve(sizeEstimate(value));
    StringOut out{s};
    writeValue(out, value, mode);
    return s;
}
} // namespace

std::string toWireText(const JsonValue& value) {
    return toText(value, Mode::Wire);
}

std::string toSigningText(const JsonValue& value) {
    return toText(value, Mode::Signing);
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
