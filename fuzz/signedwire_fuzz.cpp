// The data text signed straight from its bytes: whatever that reading takes must parse as a
// value, and the envelope it writes must be byte for byte the one written from that value.
// The input is given in a buffer of exactly its size, so a reading past the text's end is caught.
#include "common/jsonvalue.h"
#include "exchange/envelope.h"
#include "exchange/signedwire.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class StringSink : public json::TextSink {
public:
    void write(std::string_view chunk) override { text.append(chunk); }
    std::string text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    StringSink sink;
    if (!writeSignedEnvelope(DadosText{text, {}}, QStringLiteral("1001"), QStringLiteral("7"),
                             sink))
        return 0;
    json::ParseResult parsed = json::parse(text);
    if (!parsed.value)
        std::abort(); // taken by the fast reading, refused by the general one
    if (sink.text != json::toWireText(buildEnvelope(QStringLiteral("1001"), QStringLiteral("7"),
                                                    std::move(*parsed.value))))
        std::abort(); // the two writings differ
    return 0;
}
