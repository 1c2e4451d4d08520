#include "common/utf8valid.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace json {

namespace {

// The first byte from p that is not ASCII, or end: sixteen bytes at a time where the processor
// has SSE2 (every x86-64 does), else eight.
const unsigned char* skipAscii(const unsigned char* p, const unsigned char* end) {
#if defined(__SSE2__)
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if (const auto high = static_cast<unsigned>(_mm_movemask_epi8(block)))
            return p + std::countr_zero(high);
        p += 16;
    }
#endif
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ULL)
            break;
        p += 8;
    }
    while (p < end && *p < 0x80)
        ++p;
    return p;
}

// The length of the well-formed sequence at p (its first byte is not ASCII), or 0.
int sequenceLength(const unsigned char* p, const unsigned char* end) {
    const unsigned char c = *p;
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
        return 0;
    }
    if (end - p < len)
        return 0;
    for (int k = 1; k < len; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[k] & 0x3F);
    }
    static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

int utf8SequenceLength(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    return bytes.empty() ? 0 : sequenceLength(p, p + bytes.size());
}

bool isValidUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = p + s.size();
    for (p = skipAscii(p, end); p < end; p = skipAscii(p, end)) {
        const int len = sequenceLength(p, end);
        if (len == 0)
            return false;
        p += len;
    }
    return true;
}

} // namespace json
