#include "exchange/signedwire.h"

#include "common/companykeys.h"
#include "common/md5.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/utf8valid.h"
#include "exchange/envelope.h"
#include "exchange/signingdigest.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A string of the text the general reading would take otherwise: the parse ends, and the caller
// goes the general way.
struct NotTaken {};

// The code unit of the four hexadecimal digits at s[i], or -1.
int32_t unitAt(std::string_view s, std::size_t i) {
    if (s.size() - i < 4)
        return -1;
    int32_t unit = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const int d = hexDigit(s[i + k]);
        if (d < 0)
            return -1;
        unit = unit * 16 + d;
    }
    return unit;
}

// The bytes a reading stops at: below the space, above 127, a quote, a backslash and, when
// Solidus, a solidus.
template <bool Solidus>
constexpr std::array<bool, 256> kStops = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] = c < 0x20 || c >= 0x80 || c == '"' || c == '\\' || (Solidus && c == '/');
    return t;
}();

// The first byte from i that is a stop (kStops): sixteen bytes at a time where the processor
// has SSE2 (every x86-64 does), then one by one.
template <bool Solidus> std::size_t nextOf(std::string_view s, std::size_t i) {
#if defined(__SSE2__)
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i solidus = _mm_set1_epi8('/');
    while (s.size() - i >= 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + i));
        // Signed, a byte above 127 is below the space too.
        __m128i stop =
            _mm_or_si128(_mm_cmplt_epi8(b, space),
                         _mm_or_si128(_mm_cmpeq_epi8(b, quote), _mm_cmpeq_epi8(b, backslash)));
        if constexpr (Solidus)
            stop = _mm_or_si128(stop, _mm_cmpeq_epi8(b, solidus));
        if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(stop)))
            return i + std::size_t(std::countr_zero(mask));
        i += 16;
    }
#endif
    while (i < s.size() && !kStops<Solidus>[static_cast<unsigned char>(s[i])])
        ++i;
    return i;
}

// What a string's content is checked at: kStops without the solidus.
std::size_t nextStop(std::string_view s, std::size_t i) {
    return nextOf<false>(s, i);
}

// The first byte from i that the wire text does not write as it is: above 127, below the
// space, a quote, a backslash or a solidus.
std::size_t nextSpecial(std::string_view s, std::size_t i) {
    return nextOf<true>(s, i);
}

bool isHigh(int32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(int32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Told of the text done with, about kDoneEvery bytes at a time.
constexpr std::size_t kDoneEvery = std::size_t(1) << 20;

// Takes every member's string as it stands in the text, after checking, in the same reading
// that finds its end, that it reads here exactly as the general reading reads it.
class TakeStrings : public json::StringCapture {
public:
    TakeStrings(std::string_view text, SignedDados::Done done)
        : m_text(text), m_done(std::move(done)), m_doneUpTo(text.data()),
          m_doneUntil(text.data() + text.size() / 2) {}
    bool wants(const std::vector<std::string>&) override { return true; }
    std::optional<std::size_t> contentLength(std::string_view rest) override {
        return endOfContent(rest);
    }
    void take(std::string_view raw, const std::vector<std::size_t>& place) override {
        if (raw.data() < m_text.data() || raw.data() + raw.size() > m_text.data() + m_text.size())
            throw NotTaken{}; // not read from the text itself
        m_taken.emplace(place, raw);
    }
    const std::string_view* find(const std::vector<std::size_t>& place) const {
        const auto it = m_taken.find(place);
        return it == m_taken.end() ? nullptr : &it->second;
    }
    const SignedDados::Done& done() const { return m_done; }
    // The reading is over: the rest of the first half is done with.
    void readingDone() {
        if (m_done && m_doneUpTo < m_doneUntil)
            m_done(std::string_view(m_doneUpTo, std::size_t(m_doneUntil - m_doneUpTo)));
        m_doneUpTo = m_doneUntil;
    }

private:
    // The offset of the closing quote; raw control characters, unknown escapes, surrogates that
    // are not in pairs, bytes that are not UTF-8 and a missing closing quote are not taken.
    std::size_t endOfContent(std::string_view raw) {
        for (std::size_t i = nextStop(raw, 0);; i = nextStop(raw, i)) {
            if (i >= raw.size())
                throw NotTaken{};
            if (m_done && m_doneUpTo < m_doneUntil &&
                raw.data() + i - m_doneUpTo >= std::ptrdiff_t(kDoneEvery)) {
                const char* const upTo = std::min(raw.data() + i, m_doneUntil);
                m_done(std::string_view(m_doneUpTo, std::size_t(upTo - m_doneUpTo)));
                m_doneUpTo = upTo;
            }
            const auto c = static_cast<unsigned char>(raw[i]);
            if (c == '"')
                return i;
            if (c >= 0x80) {
                const int length = json::utf8SequenceLength(raw.substr(i));
                if (length == 0)
                    throw NotTaken{};
                i += std::size_t(length);
                continue;
            }
            if (c < 0x20)
                throw NotTaken{};
            // A backslash.
            if (++i >= raw.size())
                throw NotTaken{};
            switch (raw[i]) {
            case '"':
            case '\\':
            case '/':
            case 'b':
            case 'f':
            case 'n':
            case 'r':
            case 't':
                break;
            case 'u': {
                const int32_t unit = unitAt(raw, i + 1);
                if (unit < 0 || isLow(unit))
                    throw NotTaken{};
                i += 4;
                if (isHigh(unit)) {
                    if (raw.size() - i < 7 || raw[i + 1] != '\\' || raw[i + 2] != 'u' ||
                        !isLow(unitAt(raw, i + 3)))
                        throw NotTaken{};
                    i += 6;
                }
                break;
            }
            default:
                throw NotTaken{};
            }
            ++i;
        }
    }

    std::string_view m_text;
    SignedDados::Done m_done;
    const char* m_doneUpTo;
    // Only the first half is told done with: the writing reads from the start again, and finds
    // the second half still in memory.
    const char* m_doneUntil;
    std::map<std::vector<std::size_t>, std::string_view> m_taken;
};

constexpr char kHex[] = "0123456789ABCDEF";

// Writes the wire text in pieces to the sink, feeding the signature with the letters and
// digits of what it writes inside Parametros.
class Writer {
public:
    Writer(json::TextSink& sink, Md5Stream& md5, const SignedDados::Done& done)
        : m_sink(sink), m_letters(md5), m_done(done) {
        m_buffer.reserve(kChunk + 64);
    }
    ~Writer() { flush(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void put(std::string_view text) {
        if (m_buffer.size() + text.size() > kChunk) {
            flush();
            if (text.size() > kChunk) {
                m_sink.write(text);
                return;
            }
        }
        m_buffer.append(text);
    }
    void put(char c) {
        m_buffer.push_back(c);
        if (m_buffer.size() >= kChunk)
            flush();
    }
    // Letters and digits of the signing text that the wire text writes otherwise.
    void sign(std::string_view text) { m_letters.put(text); }
    // Text of the signing text's content: written and signed.
    void signed_(std::string_view text) {
        put(text);
        m_letters.put(text);
    }
    void flush() {
        if (!m_buffer.empty()) {
            m_sink.write(m_buffer);
            m_buffer.clear();
        }
    }

    // A value of the tree; strings taken from the text are written from it.
    void value(const json::JsonValue& v, std::vector<std::size_t>& place,
               const TakeStrings& taken) {
        using Type = json::JsonValue::Type;
        switch (v.type()) {
        case Type::Array:
        case Type::Object:
            put(v.isObject() ? '{' : '[');
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (i)
                    put(',');
                if (v.isObject()) {
                    put(json::toWireText(json::JsonValue::string(v.keyAt(i))));
                    m_letters.put(v.keyAt(i));
                    put(':');
                }
                place.push_back(i);
                value(v.at(i), place, taken);
                place.pop_back();
            }
            put(v.isObject() ? '}' : ']');
            return;
        case Type::String:
            if (v.text().empty())
                if (const std::string_view* raw = taken.find(place)) {
                    rawString(*raw);
                    return;
                }
            put(json::toWireText(v));
            m_letters.put(v.text());
            return;
        default:
            put(json::toWireText(v));
            m_letters.value(v);
            return;
        }
    }

private:
    void unit(uint32_t u) {
        const char esc[6] = {
            '\\',         'u', kHex[(u >> 12) & 0xF], kHex[(u >> 8) & 0xF], kHex[(u >> 4) & 0xF],
            kHex[u & 0xF]};
        put(std::string_view(esc, 6));
    }
    void codePoint(uint32_t cp) {
        if (cp > 0xFFFF) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else if (cp >= 0x80) {
            unit(cp);
        } else {
            asciiChar(char(cp));
        }
    }
    // One character below 128 of the content, as the wire text writes it.
    void asciiChar(char c) {
        switch (c) {
        case '"':
            put("\\\"");
            return;
        case '\\':
            put("\\\\");
            return;
        case '/':
            put("\\/");
            return;
        case '\b':
            put("\\b");
            return;
        case '\t':
            put("\\t");
            return;
        case '\n':
            put("\\n");
            return;
        case '\f':
            put("\\f");
            return;
        case '\r':
            put("\\r");
            return;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                unit(static_cast<unsigned char>(c));
            else
                signed_(std::string_view(&c, 1));
        }
    }

    // A string as it stands in the text (checked by TakeStrings, in valid UTF-8), written as the
    // wire text writes its content.
    void rawString(std::string_view raw) {
        put('"');
        if (!m_doneUpTo)
            m_doneUpTo = raw.data();
        std::size_t i = 0;
        while (i < raw.size()) {
            if (m_done && raw.data() + i - m_doneUpTo >= std::ptrdiff_t(kDoneEvery)) {
                m_done(std::string_view(m_doneUpTo, std::size_t(raw.data() + i - m_doneUpTo)));
                m_doneUpTo = raw.data() + i;
            }
            const std::size_t j = nextSpecial(raw, i);
            if (j > i)
                signed_(raw.substr(i, j - i));
            i = j;
            if (i >= raw.size())
                break;
            const auto c = static_cast<unsigned char>(raw[i]);
            if (c == '/') {
                put("\\/");
                ++i;
            } else if (c >= 0x80) {
                const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
                uint32_t cp = c & (0x7F >> length);
                for (int k = 1; k < length; ++k)
                    cp = (cp << 6) | (static_cast<unsigned char>(raw[i + std::size_t(k)]) & 0x3F);
                codePoint(cp);
                i += std::size_t(length);
            } else { // a backslash
                const char e = raw[i + 1];
                if (e == 'u') {
                    uint32_t cp = uint32_t(unitAt(raw, i + 2));
                    i += 6;
                    if (isHigh(int32_t(cp))) {
                        cp = 0x10000 + ((cp - 0xD800) << 10) +
                             (uint32_t(unitAt(raw, i + 2)) - 0xDC00);
                        i += 6;
                    }
                    codePoint(cp);
                } else {
                    put(raw.substr(i, 2)); // the wire text writes these escapes alike
                    i += 2;
                }
            }
        }
        put('"');
    }

    static constexpr std::size_t kChunk = 64 * 1024;
    json::TextSink& m_sink;
    LettersAndDigitsMd5 m_letters;
    const SignedDados::Done& m_done;
    const char* m_doneUpTo = nullptr; // the text before it told done with
    std::string m_buffer;
};

} // namespace

struct SignedDados::Parsed {
    Parsed(std::string_view text, Done done) : taken(text, std::move(done)) {}
    TakeStrings taken;
    json::JsonValue value;
};

SignedDados::SignedDados(std::unique_ptr<Parsed> parsed) : m_parsed(std::move(parsed)) {}
SignedDados::SignedDados(SignedDados&&) noexcept = default;
SignedDados& SignedDados::operator=(SignedDados&&) noexcept = default;
SignedDados::~SignedDados() = default;

std::optional<SignedDados> SignedDados::fromJson(std::string_view dadosJson, Done done) {
    auto parsed = std::make_unique<Parsed>(dadosJson, std::move(done));
    try {
        json::ParseResult result = json::parseCheckingUtf8(dadosJson, parsed->taken);
        if (!result.value)
            return std::nullopt;
        parsed->value = std::move(*result.value);
    } catch (const NotTaken&) {
        return std::nullopt;
    }
    parsed->taken.readingDone();
    return SignedDados(std::move(parsed));
}

void SignedDados::writeEnvelope(const QString& idText, const QString& companyCodeText,
                                json::TextSink& sink) const {
    const int32_t company = regional::strToInt(companyCodeText);
    const std::string id = std::to_string(sessionIdFromText(idText));
    Md5Stream md5;
    {
        Writer out(sink, md5, m_parsed->taken.done());
        out.put("{\"Parametros\":{\"Id\":");
        out.sign("Id");
        out.signed_(id);
        out.put(",\"Dados\":");
        out.sign("Dados");
        std::vector<std::size_t> place;
        out.value(m_parsed->value, place, m_parsed->taken);
        out.put('}');
    } // the text written and the signature fed
    const QByteArray key = RetSenInt(company);
    md5.update(std::string_view(key.constData(), std::size_t(key.size())));
    const std::string tail = ",\"Assinatura\":\"" + md5.finish().toStdString() + "\"}";
    sink.write(tail);
}

ByteArraySink::ByteArraySink(qsizetype dataBytes) {
    // A byte of the data becomes at most three of the wire text (two-byte characters as \uXXXX);
    // memory reserved and never written is never touched.
    m_bytes.reserve(dataBytes * 3 + 256);
}

void ByteArraySink::write(std::string_view chunk) {
    m_bytes.append(chunk.data(), qsizetype(chunk.size()));
}
