// RapidJSON's SAX reader builds our own value tree.
#include "common/jsonvalue.h"
#include "common/utf8valid.h"

#include "common/jsonreader.h"

#include <QString>

#include <cstring>
#include <functional>
#include <iterator>
#include <optional>

namespace json {

namespace {

// Reads the text from memory, and hands a string value the builder asked for to it whole, as
// it stands, skipping over it: the reader then sees an empty string.
class CapturingStream {
public:
    using Ch = char;
    using Taker = std::function<void(std::string_view)>;

    CapturingStream(std::string_view text, Taker taker, StringCapture& capture)
        : m_begin(text.data()), m_p(text.data()), m_end(text.data() + text.size()),
          m_taker(std::move(taker)), m_capture(capture) {}

    char Peek() const { return m_p < m_end ? *m_p : '\0'; }
    char Take() {
        if (m_p >= m_end)
            return '\0';
        const char c = *m_p++;
        if (m_armed) {
            if (c == '"') {
                m_armed = false;
                takeString();
            } else if (c != ':' && c != ' ' && c != '\t' && c != '\n' && c != '\r') {
                m_armed = false; // the value is not a string
            }
        }
        return c;
    }
    std::size_t Tell() const { return std::size_t(m_p - m_begin); }
    // Not used by the reader without in-place parsing.
    char* PutBegin() { return nullptr; }
    void Put(char) {}
    void Flush() {}
    std::size_t PutEnd(char*) { return 0; }

    // The next value, when it is a string, is taken.
    void arm() { m_armed = true; }

private:
    // At the first character of a string's content: finds its closing quote (the first one not
    // escaped by an odd run of backslashes) and hands the content over, unchecked: the taker
    // refuses what the reader would refuse. Without a closing quote the reader reports it.
    void takeString() {
        if (const std::optional<std::size_t> length =
                m_capture.contentLength(std::string_view(m_p, std::size_t(m_end - m_p)))) {
            m_taker(std::string_view(m_p, *length));
            m_p += *length;
            return;
        }
        const char* q = m_p;
        for (;;) {
            q = static_cast<const char*>(std::memchr(q, '"', std::size_t(m_end - q)));
            if (!q)
                return;
            const char* b = q;
            while (b > m_p && b[-1] == '\\')
                --b;
            if ((q - b) % 2 == 0)
                break;
            ++q;
        }
        m_taker(std::string_view(m_p, std::size_t(q - m_p)));
        m_p = q;
    }

    const char* m_begin;
    const char* m_p;
    const char* m_end;
    Taker m_taker;
    StringCapture& m_capture;
    bool m_armed = false;
};

// Builds the tree bottom-up: the values of the open containers wait on one stack, and a container
// is made when it closes, its members moved into memory of exactly their number (no container
// grows one member at a time).
class Builder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Builder> {
public:
    Builder() = default;
    Builder(StringCapture* capture, CapturingStream* stream)
        : m_capture(capture), m_stream(stream) {}

    bool Null() { return put(JsonValue::null()); }
    bool Bool(bool b) { return put(JsonValue::boolean(b)); }
    bool RawNumber(const char* s, rapidjson::SizeType len, bool) {
        return put(JsonValue::numberText(std::string(s, len)));
    }
    bool String(const char* s, rapidjson::SizeType len, bool) {
        return put(JsonValue::string(std::string(s, len)));
    }
    bool StartObject() { return open(true); }
    bool Key(const char* s, rapidjson::SizeType len, bool) {
        m_key.assign(s, len);
        if (m_capture) {
            m_names.push_back(m_key);
            if (m_capture->wants(m_names))
                m_stream->arm();
            m_names.pop_back();
        }
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(false); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    bool tooDeep() const { return m_depth.tooDeep(); }
    JsonValue take() { return std::move(m_root); }

    // A string value taken by the capture: its place is the next one of the open container.
    void taken(std::string_view raw) {
        m_place.push_back(filled());
        m_capture->take(raw, m_place);
        m_place.pop_back();
    }

private:
    struct Open {
        bool object;
        std::size_t firstValue; // in m_values
        std::size_t firstKey;   // in m_keys
        std::string key;        // its own name in the container around it
    };

    // The members or elements the innermost open container has so far.
    std::size_t filled() const { return m_values.size() - m_open.back().firstValue; }

    bool put(JsonValue v) {
        if (m_open.empty()) {
            m_root = std::move(v);
            return true;
        }
        if (m_open.back().object)
            m_keys.push_back(std::move(m_key));
        m_values.push_back(std::move(v));
        return true;
    }
    bool open(bool object) {
        if (!m_depth.open())
            return false;
        if (m_capture && !m_open.empty()) {
            m_names.push_back(m_open.back().object ? m_key : std::string());
            m_place.push_back(filled());
        }
        m_open.push_back(Open{object, m_values.size(), m_keys.size(), std::move(m_key)});
        return true;
    }
    bool close() {
        m_depth.close();
        Open done = std::move(m_open.back());
        m_open.pop_back();
        const auto firstValue = m_values.begin() + std::ptrdiff_t(done.firstValue);
        std::vector<JsonValue> values(std::make_move_iterator(firstValue),
                                      std::make_move_iterator(m_values.end()));
        m_values.erase(firstValue, m_values.end());
        JsonValue container;
        if (done.object) {
            const auto firstKey = m_keys.begin() + std::ptrdiff_t(done.firstKey);
            std::vector<std::string> keys(std::make_move_iterator(firstKey),
                                          std::make_move_iterator(m_keys.end()));
            m_keys.erase(firstKey, m_keys.end());
            container = JsonValue::objectOf(std::move(keys), std::move(values));
        } else {
            container = JsonValue::arrayOf(std::move(values));
        }
        m_key = std::move(done.key);
        if (m_capture && !m_open.empty()) {
            m_names.pop_back();
            m_place.pop_back();
        }
        return put(std::move(container));
    }

    std::vector<Open> m_open;
    std::vector<JsonValue> m_values; // of the open containers, innermost last
    std::vector<std::string> m_keys; // of the open objects' members, in step with their values
    std::string m_key;
    JsonValue m_root;
    DepthGuard m_depth;
    StringCapture* m_capture = nullptr;
    CapturingStream* m_stream = nullptr;
    std::vector<std::string> m_names; // names of the open containers below the root
    std::vector<std::size_t> m_place; // their indices
};

// Encoding is checked once up front (isValidUtf8), which is much faster than checking while
// parsing on answers that are almost all ASCII.
constexpr unsigned kFlags = kReaderFlags;

} // namespace

namespace {

template <unsigned Flags = kFlags, typename Stream>
ParseResult parseWith(Stream& stream, Builder& builder) {
    rapidjson::Reader reader;
    const rapidjson::ParseResult ok = reader.Parse<Flags>(stream, builder);
    ParseResult result;
    if (ok) {
        result.value = builder.take();
        return result;
    }
    result.errorOffset = ok.Offset();
    result.error = builder.tooDeep() ? std::string(kTooDeepError)
                                     : std::string(rapidjson::GetParseError_En(ok.Code()));
    return result;
}

ParseResult parseValid(std::string_view utf8) {
    Builder builder;
    rapidjson::MemoryStream stream(utf8.data(), utf8.size());
    return parseWith(stream, builder);
}

template <unsigned Flags = kFlags>
ParseResult parseValid(std::string_view utf8, StringCapture& capture) {
    Builder* target = nullptr;
    CapturingStream stream(
        utf8, [&](std::string_view raw) { target->taken(raw); }, capture);
    Builder builder(&capture, &stream);
    target = &builder;
    return parseWith<Flags>(stream, builder);
}

// Malformed UTF-8 sequences read as U+FFFD.
QByteArray repairedUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toUtf8();
}

std::string_view viewOf(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

QString tooDeepMessage() {
    return QStringLiteral("A resposta tem mais de %1 níveis de listas e objetos, um dentro do "
                          "outro; não foi lida.")
        .arg(kMaxDepth);
}

ParseResult parse(std::string_view utf8) {
    if (isValidUtf8(utf8))
        return parseValid(utf8);
    return parseValid(viewOf(repairedUtf8(utf8)));
}

ParseResult parseCheckingUtf8(std::string_view text, StringCapture& capture) {
    // Outside strings only ASCII is JSON; the reader checks the strings it reads.
    return parseValid<kFlags | rapidjson::kParseValidateEncodingFlag>(text, capture);
}

ParseResult parse(std::string_view utf8, StringCapture& capture) {
    if (isValidUtf8(utf8))
        return parseValid(utf8, capture);
    const QByteArray repaired = repairedUtf8(utf8);
    return parseValid(viewOf(repaired), capture);
}

} // namespace json
