#pragma once

#include "common/jsonvalue.h"

#include <string_view>

namespace json {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF); eight ASCII bytes at a time.
bool isValidUtf8(std::string_view bytes);

// parse(), for a text already known to be valid UTF-8: it is not checked again.
ParseResult parseValidUtf8(std::string_view utf8, StringCapture& capture);

} // namespace json
