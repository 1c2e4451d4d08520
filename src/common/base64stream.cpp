#include "common/base64stream.h"

#include <array>

namespace {

constexpr uint8_t kPad = 64;
constexpr uint8_t kSpace = 65;
constexpr uint8_t kBad = 66;

// The six bits of every base64 character; kPad, kSpace or kBad for the others.
constexpr std::array<uint8_t, 256> kValue = [] {
    std::array<uint8_t, 256> t{};
    t.fill(kBad);
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (uint8_t v = 0; v < 64; ++v)
        t[static_cast<unsigned char>(alphabet[v])] = v;
    t['='] = kPad;
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        t[static_cast<unsigned char>(c)] = kSpace;
    return t;
}();

} // namespace

bool Base64Stream::feed(std::string_view chars, QByteArray& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(chars.data());
    const auto* const end = p + chars.size();
    while (p < end && m_state != State::Invalid) {
        if (m_state == State::Leading) {
            while (p < end && kValue[*p] == kSpace)
                ++p;
            if (p < end)
                m_state = State::Text;
            continue;
        }
        if (m_state == State::Trailing) {
            while (p < end && kValue[*p] == kSpace)
                ++p;
            if (p < end)
                invalid(); // text after the whitespace that ended it
            continue;
        }
        // Whole groups of four, while no padding was read.
        if (m_inGroup == 0 && m_padding == 0 && end - p >= 4) {
            const qsizetype groups = (end - p) / 4;
            const qsizetype start = out.size();
            out.resize(start + groups * 3);
            auto* o = reinterpret_cast<unsigned char*>(out.data()) + start;
            const auto* const first = p;
            for (qsizetype g = 0; g < groups; ++g) {
                const uint32_t a = kValue[p[0]], b = kValue[p[1]], c = kValue[p[2]],
                               d = kValue[p[3]];
                if ((a | b | c | d) >= 64)
                    break;
                const uint32_t v = a << 18 | b << 12 | c << 6 | d;
                o[0] = static_cast<unsigned char>(v >> 16);
                o[1] = static_cast<unsigned char>(v >> 8);
                o[2] = static_cast<unsigned char>(v);
                o += 3;
                p += 4;
            }
            out.resize(start + (p - first) / 4 * 3);
            m_count += uint64_t(p - first);
            if (p == end)
                break;
        }
        // One character at a time: the rest of a group, padding, whitespace, anything else.
        const uint8_t v = kValue[*p];
        if (v == kSpace) {
            m_state = State::Trailing;
            continue;
        }
        ++p;
        ++m_count;
        if (v == kBad || (v < 64 && m_padding > 0) || (v == kPad && ++m_padding > 2)) {
            invalid();
            break;
        }
        if (v == kPad)
            continue;
        m_bits = m_bits << 6 | v;
        if (++m_inGroup == 4) {
            out.append(char(m_bits >> 16)).append(char(m_bits >> 8)).append(char(m_bits));
            m_bits = 0;
            m_inGroup = 0;
        }
    }
    return m_state != State::Invalid;
}

bool Base64Stream::finish(QByteArray& out) {
    if (m_state == State::Invalid || (m_padding > 0 && m_count % 4 != 0)) {
        invalid();
        return false;
    }
    // An unfinished group gives its whole bytes; a single character gives none.
    if (m_inGroup == 2) {
        out.append(char(m_bits >> 4));
    } else if (m_inGroup == 3) {
        out.append(char(m_bits >> 10)).append(char(m_bits >> 2));
    }
    m_bits = 0;
    m_inGroup = 0;
    return true;
}
