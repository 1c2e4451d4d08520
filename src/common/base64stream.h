#pragma once

#include <QByteArray>

#include <cstdint>
#include <string_view>

// Decodes standard base64 handed in pieces of any size (a piece may end anywhere, even inside a
// group of four), appending the bytes to a buffer as they are known. The text is read as a
// strict decoder reads it whole: whitespace only around it, "=" padding only as the last one or
// two characters of a text whose length is a multiple of four; bits left over by an unpadded
// text are dropped. Once the text is found invalid, it stays invalid and nothing more is decoded.
class Base64Stream {
public:
    // Decodes the characters, appending to out; false once the text is invalid.
    bool feed(std::string_view chars, QByteArray& out);
    // Ends the text, appending its last bytes; false when it is not valid base64.
    bool finish(QByteArray& out);
    // Whether only whitespace (or nothing) was fed.
    bool blank() const { return m_state == State::Leading; }
    bool valid() const { return m_state != State::Invalid; }

private:
    enum class State { Leading, Text, Trailing, Invalid };
    void invalid() { m_state = State::Invalid; }

    State m_state = State::Leading;
    uint32_t m_bits = 0;  // the characters of the group read so far, six bits each
    int m_inGroup = 0;    // how many (0 to 3)
    int m_padding = 0;    // "=" read
    uint64_t m_count = 0; // characters of the text, padding included
};
