#include "exchange/signedwire.h"

#include "common/companykeys.h"
#include "common/md5.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/utf8valid.h"
#include "exchange/envelope.h"
#include "exchange/signingdigest.h"

#include "common/jsonreader.h"

#include <array>
#include <bit>
#include <cstring>
#include <string>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The first byte from i that the wire text does not write as it is: below the space, above
// 127, a quote, a backslash or a solidus. Sixteen bytes at a time where the processor has SSE2
// (every x86-64 does), then one by one.
std::size_t nextSpecial(std::string_view s, std::size_t i) {
#if defined(__SSE2__)
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i solidus = _mm_set1_epi8('/');
    while (s.size() - i >= 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + i));
        // Signed, a byte above 127 is below the space too.
        const __m128i stop =
            _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(b, space), _mm_cmpeq_epi8(b, solidus)),
                         _mm_or_si128(_mm_cmpeq_epi8(b, quote), _mm_cmpeq_epi8(b, backslash)));
        if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(stop)))
            return i + std::size_t(std::countr_zero(mask));
        i += 16;
    }
#endif
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\' || c == '/')
            break;
        ++i;
    }
    return i;
}

constexpr char kHex[] = "0123456789ABCDEF";

// Told of the text done with, about kDoneEvery bytes at a time.
constexpr std::size_t kDoneEvery = std::size_t(1) << 20;

// A string of the text the general reading reads otherwise (or not at all): the writing ends,
// and the caller goes the general way.
struct NotTaken {};

// The code unit of the four hexadecimal digits at s[i], or -1.
int32_t unitAt(std::string_view s, std::size_t i) {
    if (s.size() < i + 4)
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

bool isHigh(int32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(int32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The text as RapidJSON's reader reads it, except that each string's content, names included,
// is skipped as it stands (from its opening quote to its closing one, escapes unresolved) and
// kept for the writer: the reader sees an empty string, and the writer reads the content where it
// lies, never copied. The reader takes a quote outside a string only to open one, and inside one
// only to close it, so the quotes it takes alternate.
class RawStringStream {
public:
    using Ch = char;
    explicit RawStringStream(std::string_view text)
        : m_begin(text.data()), m_p(text.data()), m_end(text.data() + text.size()) {}

    Ch Peek() const { return m_p < m_end ? *m_p : '\0'; }
    Ch Take() {
        if (m_p >= m_end)
            return '\0';
        const char c = *m_p++;
        if (c == '"') {
            m_inString = !m_inString;
            if (m_inString)
                skipContent();
        }
        return c;
    }
    std::size_t Tell() const { return std::size_t(m_p - m_begin); }
    // Not used by the reader without in-place parsing.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch*) { return 0; }

    // The content of the string read last, as it stands in the text.
    std::string_view content() const { return m_content; }

private:
    // From the content's first byte to its closing quote: the first quote not escaped by an odd
    // run of backslashes. Without one, the text is not JSON.
    void skipContent() {
        const char* q = m_p;
        for (;;) {
            q = static_cast<const char*>(std::memchr(q, '"', std::size_t(m_end - q)));
            if (!q)
                throw NotTaken{};
            const char* b = q;
            while (b > m_p && b[-1] == '\\')
                --b;
            if ((q - b) % 2 == 0)
                break;
            ++q;
        }
        m_content = std::string_view(m_p, std::size_t(q - m_p));
        m_p = q;
    }

    const char* m_begin;
    const char* m_p;
    const char* m_end;
    bool m_inString = false;
    std::string_view m_content;
};

// RapidJSON's reader's handler: writes each value to the wire text as it is read, feeding the
// signature with the letters and digits of the signing text (the content of names and strings,
// the text of numbers and literals, in the order they come). A string the general reading reads
// otherwise (a raw control character, an unknown escape, a surrogate out of its pair, bytes that
// are not UTF-8) ends the writing.
class WireWriter : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, WireWriter> {
public:
    WireWriter(json::TextSink& sink, Md5Stream& md5, const DadosText& dados,
               const RawStringStream& stream)
        : m_sink(sink), m_letters(md5), m_done(dados.done), m_text(dados.bytes), m_stream(stream) {
        m_buffer.reserve(kChunk + 64);
    }
    ~WireWriter() { flush(); }
    WireWriter(const WireWriter&) = delete;
    WireWriter& operator=(const WireWriter&) = delete;

    bool Null() { return literal("null"); }
    bool Bool(bool b) { return literal(b ? "true" : "false"); }
    bool RawNumber(const char* s, rapidjson::SizeType length, bool) {
        return literal(std::string_view(s, length));
    }
    bool String(const char*, rapidjson::SizeType, bool) {
        separate();
        rawString(m_stream.content());
        m_comma = true;
        tellDone();
        return true;
    }
    bool Key(const char*, rapidjson::SizeType, bool) {
        separate();
        rawString(m_stream.content());
        put(':');
        m_comma = false;
        return true;
    }
    bool StartObject() { return open('{'); }
    bool EndObject(rapidjson::SizeType) { return close('}'); }
    bool StartArray() { return open('['); }
    bool EndArray(rapidjson::SizeType) { return close(']'); }

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
    // The reading is over: the rest of the text is done with.
    void readingDone() {
        if (m_done && m_text.size() > m_doneUpTo)
            m_done(m_text.substr(m_doneUpTo));
        m_doneUpTo = m_text.size();
    }

private:
    void separate() {
        if (m_comma)
            put(',');
    }
    bool literal(std::string_view text) {
        separate();
        signed_(text);
        m_comma = true;
        return true;
    }
    bool open(char bracket) {
        if (!m_depth.open())
            return false;
        separate();
        put(bracket);
        m_comma = false;
        return true;
    }
    bool close(char bracket) {
        m_depth.close();
        put(bracket);
        m_comma = true;
        tellDone();
        return true;
    }
    // Tells of the text before `at` once it is kDoneEvery bytes or more past what was told.
    void tellDone(std::size_t at) {
        if (m_done && at - m_doneUpTo >= kDoneEvery) {
            m_done(m_text.substr(m_doneUpTo, at - m_doneUpTo));
            m_doneUpTo = at;
        }
    }
    void tellDone() { tellDone(m_stream.Tell()); }

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

    // A string's content as it stands in the text, written as the wire text writes the content
    // the general reading reads from it, and checked as it is written.
    void rawString(std::string_view raw) {
        put('"');
        std::size_t i = 0;
        std::size_t told = 0;
        while (i < raw.size()) {
            if (m_done && i - told >= kDoneEvery) {
                tellDone(std::size_t(raw.data() - m_text.data()) + i);
                told = i;
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
                const int length = json::utf8SequenceLength(raw.substr(i));
                if (length == 0)
                    throw NotTaken{};
                uint32_t cp = c & (0x7Fu >> length);
                for (int k = 1; k < length; ++k)
                    cp = (cp << 6) | (static_cast<unsigned char>(raw[i + std::size_t(k)]) & 0x3F);
                codePoint(cp);
                i += std::size_t(length);
            } else if (c != '\\') {
                throw NotTaken{}; // a raw control character
            } else {
                // An escape: the content never ends with its backslash (it would escape the
                // closing quote).
                const char e = raw[i + 1];
                switch (e) {
                case '"':
                case '\\':
                case '/':
                case 'b':
                case 'f':
                case 'n':
                case 'r':
                case 't':
                    put(raw.substr(i, 2)); // the wire text writes these escapes alike
                    i += 2;
                    break;
                case 'u': {
                    const int32_t unit = unitAt(raw, i + 2);
                    if (unit < 0 || isLow(unit))
                        throw NotTaken{};
                    uint32_t cp = uint32_t(unit);
                    i += 6;
                    if (isHigh(unit)) {
                        const int32_t low =
                            raw.size() >= i + 6 && raw[i] == '\\' && raw[i + 1] == 'u'
                                ? unitAt(raw, i + 2)
                                : -1;
                        if (!isLow(low))
                            throw NotTaken{};
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (uint32_t(low) - 0xDC00);
                        i += 6;
                    }
                    codePoint(cp);
                    break;
                }
                default:
                    throw NotTaken{};
                }
            }
        }
        put('"');
    }

    static constexpr std::size_t kChunk = 64 * 1024;
    json::TextSink& m_sink;
    LettersAndDigitsMd5 m_letters;
    const DadosText::Done& m_done;
    std::string_view m_text;
    std::size_t m_doneUpTo = 0; // the text before it told done with
    const RawStringStream& m_stream;
    json::DepthGuard m_depth;
    bool m_comma = false; // a value was written last: the next member or element needs a comma
    std::string m_buffer;
};

} // namespace

bool writeSignedEnvelope(const DadosText& dados, const QString& idText,
                         const QString& companyCodeText, json::TextSink& sink) {
    const int32_t company = regional::strToInt(companyCodeText);
    const std::string id = std::to_string(sessionIdFromText(idText));
    Md5Stream md5;
    try {
        RawStringStream stream(dados.bytes);
        WireWriter out(sink, md5, dados, stream);
        out.put("{\"Parametros\":{\"Id\":");
        out.sign("Id");
        out.signed_(id);
        out.put(",\"Dados\":");
        out.sign("Dados");
        rapidjson::Reader reader;
        if (!reader.Parse<json::kReaderFlags>(stream, out))
            return false;
        // A zero byte ends the reading early: the general way decides.
        if (stream.Tell() != dados.bytes.size())
            return false;
        out.readingDone();
        out.put('}');
    } catch (const NotTaken&) {
        return false;
    } // the text written and the signature fed
    const QByteArray key = RetSenInt(company);
    md5.update(std::string_view(key.constData(), std::size_t(key.size())));
    const std::string tail = ",\"Assinatura\":\"" + md5.finish().toStdString() + "\"}";
    sink.write(tail);
    return true;
}

ByteArraySink::ByteArraySink(qsizetype dataBytes) {
    // A byte of the data becomes at most three of the wire text (two-byte characters as \uXXXX);
    // memory reserved and never written is never touched.
    m_bytes.reserve(dataBytes * 3 + 256);
#if defined(__linux__)
    // A large text is written into huge pages where the system gives them when asked: a page
    // fault for every 4 KiB written costs more than the writing itself.
    constexpr qsizetype kHuge = qsizetype(2) << 20;
    if (dataBytes >= 2 * kHuge) {
        const auto begin = reinterpret_cast<std::uintptr_t>(m_bytes.data());
        const std::uintptr_t from = (begin + kHuge - 1) & ~std::uintptr_t(kHuge - 1);
        const std::uintptr_t to =
            (begin + std::uintptr_t(m_bytes.capacity())) & ~std::uintptr_t(kHuge - 1);
        if (to > from)
            ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
#endif
}

void ByteArraySink::write(std::string_view chunk) {
    m_bytes.append(chunk.data(), qsizetype(chunk.size()));
}
