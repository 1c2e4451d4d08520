#include "common/filteredtext.h"

#include <cassert>

std::string utf8OfFilteredText(QStringView text, bool lineBreaks) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    std::size_t size = std::size_t(text.size());
    for (const char16_t* p = begin; p < end; ++p) {
        assert(*p < 0x100);
        size += *p >> 7; // a second byte above 127
        if (lineBreaks && *p == u'\r' && p + 1 < end && p[1] == u'\n')
            ++p; // two characters, two bytes
    }
    std::string utf8(size, '\0');
    char* out = utf8.data();
    for (const char16_t* p = begin; p < end; ++p) {
        const char16_t c = *p;
        if (c < 0x80) {
            if (lineBreaks && c == u'\r' && p + 1 < end && p[1] == u'\n') {
                *out++ = '\\';
                *out++ = 'n';
                ++p;
            } else {
                *out++ = char(c);
            }
        } else {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
    assert(out == utf8.data() + utf8.size());
    return utf8;
}
