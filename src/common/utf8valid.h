#pragma once

#include <string_view>

namespace json {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF); eight ASCII bytes at a time.
bool isValidUtf8(std::string_view bytes);

} // namespace json
