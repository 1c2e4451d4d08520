// The JSON parser and both writers: whatever parses is written as wire text that parses back
// to the same wire text, and the signing text is written without fault.
#include "common/jsonvalue.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const json::ParseResult parsed =
        json::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.value)
        return 0;
    const std::string wire = json::toWireText(*parsed.value);
    const json::ParseResult again = json::parse(wire);
    if (!again.value || json::toWireText(*again.value) != wire)
        std::abort(); // the round trip changed the value
    (void)json::toSigningText(*parsed.value);
    return 0;
}
