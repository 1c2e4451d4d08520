#include "exchange/signedwire.h"

#include "common/companykeys.h"
#include "common/md5.h"
#include "common/regional.h"
#include "common/utf8valid.h"
#include "exchange/envelope.h"
#include "exchange/signingdigest.h"

#include "common/jsonreader.h"

#include <array>
#include <bit>
#include <cstring>
#include <string>

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

// RapidJSON's reader's handler: writes each value to the wire text as it is read, feeding the
// signature with the letters and digits of the signing text (the content of names and strings,
// the text of numbers and literals, in the order they come). A string that is not UTF-8 stops
// the reading (the general way reads it otherwise).
class WireWriter : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, WireWriter> {
public:
    WireWriter(json::TextSink& sink, Md5Stream& md5, const DadosText& dados)
        : m_sink(sink), m_letters(md5), m_done(dados.done), m_text(dados.bytes) {
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
    bool String(const char* s, rapidjson::SizeType length, bool) {
        separate();
        if (!string(std::string_view(s, length)))
            return false;
        m_comma = true;
        tellDone();
        return true;
    }
    bool Key(const char* s, rapidjson::SizeType length, bool) {
        separate();
        if (!string(std::string_view(s, length)))
            return false;
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
    // Where the reader is, as an offset into the text (the stream's place; a string or a
    // number being read is not counted in it yet).
    template <typename Stream> void follow(Stream& stream) {
        m_stream = &stream;
        m_tell = [](void* s) { return static_cast<Stream*>(s)->Tell(); };
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
    // Tells of the text the reader moved past, once it is kDoneEvery bytes or more.
    void tellDone() {
        if (!m_done || !m_stream)
            return;
        const std::size_t at = m_tell(m_stream);
        if (at - m_doneUpTo >= kDoneEvery) {
            m_done(m_text.substr(m_doneUpTo, at - m_doneUpTo));
            m_doneUpTo = at;
        }
    }

    void unit(uint32_t u) {
        const char esc[6] = {
            '\\',         'u', kHex[(u >> 12) & 0xF], kHex[(u >> 8) & 0xF], kHex[(u >> 4) & 0xF],
            kHex[u & 0xF]};
        put(std::string_view(esc, 6));
    }
    // A character below the space, a quote, a backslash or a solidus, as the wire text writes
    // it (none of them is signed).
    void special(char c) {
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
            unit(static_cast<unsigned char>(c));
        }
    }
    // A string's content, read and unescaped, written as the wire text writes it: false when it
    // is not UTF-8.
    bool string(std::string_view s) {
        put('"');
        std::size_t i = 0;
        while (i < s.size()) {
            const std::size_t j = nextSpecial(s, i);
            if (j > i)
                signed_(s.substr(i, j - i));
            i = j;
            if (i >= s.size())
                break;
            const auto c = static_cast<unsigned char>(s[i]);
            if (c < 0x80) {
                special(char(c));
                ++i;
                continue;
            }
            const int length = json::utf8SequenceLength(s.substr(i));
            if (length == 0)
                return false;
            uint32_t cp = c & (0x7Fu >> length);
            for (int k = 1; k < length; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
            if (cp > 0xFFFF) {
                unit(0xD800 + ((cp - 0x10000) >> 10));
                unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                unit(cp);
            }
            i += std::size_t(length);
        }
        put('"');
        return true;
    }

    static constexpr std::size_t kChunk = 64 * 1024;
    json::TextSink& m_sink;
    LettersAndDigitsMd5 m_letters;
    const DadosText::Done& m_done;
    std::string_view m_text;
    std::size_t m_doneUpTo = 0; // the text before it told done with
    void* m_stream = nullptr;
    std::size_t (*m_tell)(void*) = nullptr;
    json::DepthGuard m_depth;
    bool m_comma = false; // a value was written last: the next member or element needs a comma
    std::string m_buffer;
};

// Reads the whole text from the stream into the writer: false when it is not taken.
template <unsigned Flags, typename Stream>
bool readInto(Stream& stream, WireWriter& writer, std::size_t size) {
    writer.follow(stream);
    rapidjson::Reader reader;
    if (!reader.Parse<Flags>(stream, writer))
        return false;
    // A zero byte inside the text ends the reading early: the general way decides.
    if (stream.Tell() != size)
        return false;
    writer.readingDone();
    return true;
}

} // namespace

bool writeSignedEnvelope(const DadosText& dados, const QString& idText,
                         const QString& companyCodeText, json::TextSink& sink) {
    const int32_t company = regional::strToInt(companyCodeText);
    const std::string id = std::to_string(sessionIdFromText(idText));
    Md5Stream md5;
    {
        WireWriter out(sink, md5, dados);
        out.put("{\"Parametros\":{\"Id\":");
        out.sign("Id");
        out.signed_(id);
        out.put(",\"Dados\":");
        out.sign("Dados");
        constexpr unsigned kFlags = json::kReaderFlags;
        bool taken = false;
        if (dados.writable) {
            rapidjson::InsituStringStream stream(dados.writable);
            taken = readInto<kFlags | rapidjson::kParseInsituFlag>(stream, out, dados.bytes.size());
        } else {
            rapidjson::StringStream stream(dados.bytes.data());
            taken = readInto<kFlags>(stream, out, dados.bytes.size());
        }
        if (!taken)
            return false;
        out.put('}');
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
}

void ByteArraySink::write(std::string_view chunk) {
    m_bytes.append(chunk.data(), qsizetype(chunk.size()));
}
