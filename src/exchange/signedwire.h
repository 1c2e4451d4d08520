#pragma once

#include "common/jsonvalue.h"

#include <QByteArray>
#include <QString>

#include <functional>
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
    // Told of each part of the text done with, in order, about a mebibyte at a time, so that
    // the text's owner may give its memory back meanwhile (what is read again is read from where
    // it lies): by the reading, of the first half of the text only (the writing starts there
    // again and finds the rest still in memory); by each writing, of all of it.
    using Done = std::function<void(std::string_view part)>;

    // Nothing when the text is not taken this way (it is not JSON or not UTF-8, or a string
    // holds what the general reading reads otherwise, such as a lone surrogate): the caller then
    // parses it as a value, which also reports the error. The text is read once, its encoding
    // checked as it is read.
    static std::optional<SignedDados> fromJson(std::string_view dadosJson, Done done = {});
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
