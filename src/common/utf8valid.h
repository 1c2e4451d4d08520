#pragma once

#include "common/jsonvalue.h"

#include <string_view>

namespace json {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF); runs of ASCII sixteen bytes at a time.
bool isValidUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence that starts the bytes (its first byte is not
// ASCII), or 0.
int utf8SequenceLength(std::string_view bytes);

// parse(), for a text not known to be UTF-8, checked in the same reading: the reader checks
// the names and any string it reads, the capture the strings it takes. Text that is not UTF-8
// is refused (no value), never repaired.
ParseResult parseCheckingUtf8(std::string_view text, StringCapture& capture);

} // namespace json
