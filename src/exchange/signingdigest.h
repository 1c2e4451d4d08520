#pragma once

// What the request signature is computed over, fed to MD5 as the text is read: shared by the
// envelope built as a value and the one written straight from a data text.

#include "common/jsonvalue.h"
#include "common/md5.h"

#include <algorithm>
#include <array>
#include <string_view>

inline constexpr std::array<bool, 256> kLetterOrDigit = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return t;
}();

// Feeds MD5 with the ASCII letters and digits of the signing text of a value, in one pass over
// the value's own bytes. The signing text adds only quotes, backslashes, colons, commas and
// brackets around the names, numbers, literals and string contents, none of them a letter or a
// digit, so the letters and digits of a value's text are those of its parts in document order.
class LettersAndDigitsMd5 {
public:
    explicit LettersAndDigitsMd5(Md5Stream& md5) : m_md5(md5) {}
    ~LettersAndDigitsMd5() { flush(); }
    LettersAndDigitsMd5(const LettersAndDigitsMd5&) = delete;
    LettersAndDigitsMd5& operator=(const LettersAndDigitsMd5&) = delete;

    void value(const json::JsonValue& v) {
        using Type = json::JsonValue::Type;
        switch (v.type()) {
        case Type::Null:
            put("null");
            return;
        case Type::True:
            put("true");
            return;
        case Type::False:
            put("false");
            return;
        case Type::Number:
        case Type::String:
            put(v.text());
            return;
        case Type::Array:
        case Type::Object:
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (v.isObject())
                    put(v.keyAt(i));
                value(v.at(i));
            }
            return;
        }
    }

    // Letters and digits of a piece of the signing text's content.
    void put(std::string_view text) {
        while (!text.empty()) {
            // Every byte is stored and the count moves on only past a letter or digit: no
            // branch per byte. A block never exceeds the room left, so nothing overflows.
            const std::size_t block = std::min(text.size(), m_buffer.size() - m_used);
            char* const out = m_buffer.data() + m_used;
            std::size_t kept = 0;
            for (std::size_t i = 0; i < block; ++i) {
                const char c = text[i];
                out[kept] = c;
                kept += kLetterOrDigit[static_cast<unsigned char>(c)];
            }
            m_used += kept;
            text.remove_prefix(block);
            if (m_buffer.size() - m_used < kMinRoom)
                flush();
        }
    }

private:
    void flush() {
        m_md5.update(std::string_view(m_buffer.data(), m_used));
        m_used = 0;
    }

    static constexpr std::size_t kMinRoom = 4096;
    Md5Stream& m_md5;
    std::array<char, 64 * 1024> m_buffer{};
    std::size_t m_used = 0;
};
