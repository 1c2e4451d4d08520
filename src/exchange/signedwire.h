#pragma once

#include "common/jsonvalue.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

// A data text in JSON written into the signed envelope straight from its bytes, in one pass:
// RapidJSON's reader reads its structure, each value is written to the wire text as soon as it is
// read (members in the order they come, as the envelope built from the value writes them;
// strings from where they lie in the text, never copied), and the signature is fed as the text is
// written. No value is built. The bytes written are exactly those of
// toWireText(buildEnvelope(idText, companyCodeText, <the parsed data>)).
struct DadosText {
    // Told of each part of the text read and written, in order, about a mebibyte at a time, so
    // that the text's owner may give its memory back meanwhile (nothing told is read again).
    using Done = std::function<void(std::string_view part)>;

    std::string_view bytes;
    Done done;
};

// Writes the envelope of the data text to the sink. False when the text is not taken this way
// (it is not JSON, not UTF-8, or nested deeper than json::kMaxDepth): the sink then holds the
// start of an envelope, to be thrown away, and the caller parses the text as a value, which also
// reports the error. The company code is
// converted as buildEnvelope converts it, before anything is written (a conversion error is
// raised).
bool writeSignedEnvelope(const DadosText& dados, const QString& idText,
                         const QString& companyCodeText, json::TextSink& sink);

// A sink that keeps the text, its memory reserved once for the largest text the data can make.
class ByteArraySink : public json::TextSink {
public:
    explicit ByteArraySink(qsizetype dataBytes);
    void write(std::string_view chunk) override;
    QByteArray take() { return std::move(m_bytes); }
    // Starts again empty, keeping the memory reserved.
    void clear() { m_bytes.resize(0); }

private:
    QByteArray m_bytes;
};
