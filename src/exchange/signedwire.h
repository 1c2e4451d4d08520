#pragma once

#include "common/jsonvalue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>

// A data text in JSON ready to be sent in the signed envelope straight from its bytes, in one
// pass: long strings are read where they stand in the text (never copied into a value), the
// signature is fed while the text is written, and the text goes to the sink in pieces. The bytes
// written are exactly those of toWireText(buildEnvelope(idText, companyCodeText, <the parsed
// data>)). The text's bytes must outlive it.
class SignedDados {
public:
    // Nothing when the text is not taken this way (it is not JSON or not UTF-8, or a string
    // holds what the general reading reads otherwise, such as a lone surrogate): the caller then
    // parses it as a value, which also reports the error.
    static std::optional<SignedDados> fromJson(std::string_view dadosJson);
    // The same, for a text already known to be valid UTF-8 (json::isValidUtf8).
    static std::optional<SignedDados> fromValidUtf8(std::string_view dadosJson);
    SignedDados(SignedDados&&) noexcept;
    SignedDados& operator=(SignedDados&&) noexcept;
    ~SignedDados();

    // The company code is converted as buildEnvelope converts it, before anything is written.
    void writeEnvelope(const QString& idText, const QString& companyCodeText,
                       json::TextSink& sink) const;

private:
    struct Parsed;
    explicit SignedDados(std::unique_ptr<Parsed> parsed);
    std::unique_ptr<Parsed> m_parsed;
};

// A sink that keeps the text, its memory reserved once for the largest text the data can make.
class ByteArraySink : public json::TextSink {
public:
    explicit ByteArraySink(qsizetype dataBytes);
    void write(std::string_view chunk) override;
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};
