// The data text signed straight from its bytes: whatever that reading takes must parse as a
// value, and the envelope it writes must be byte for byte the one written from that value,
// whether the strings are copied or decoded where they lie. The input is given in a buffer of
// exactly its size and its zero byte, so a reading past the text's end is caught.
#include "common/jsonvalue.h"
#include "exchange/envelope.h"
#include "exchange/signedwire.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
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
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::optional<std::string> expected;
    for (const bool inPlace : {false, true}) {
        std::unique_ptr<char[]> bytes(new char[size + 1]);
        std::memcpy(bytes.get(), data, size);
        bytes[size] = '\0';
        const std::string_view view(bytes.get(), size);
        StringSink sink;
        const DadosText dados =
            inPlace ? DadosText{view, bytes.get(), {}} : DadosText::readOnly(view);
        if (!writeSignedEnvelope(dados, QStringLiteral("1001"), QStringLiteral("7"), sink))
            continue;
        if (!expected) {
            json::ParseResult parsed = json::parse(text);
            if (!parsed.value)
                std::abort(); // taken by the fast reading, refused by the general one
            expected = json::toWireText(buildEnvelope(QStringLiteral("1001"), QStringLiteral("7"),
                                                      std::move(*parsed.value)));
        }
        if (sink.text != *expected)
            std::abort(); // the two writings differ
    }
    return 0;
}
