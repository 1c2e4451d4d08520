#pragma once

#include "common/jsonvalue.h"

#include <QString>

#include <cstdint>

// The signed request envelope:
// {"Parametros":{"Id":<session Id>,"Dados":<data>},"Assinatura":<signature>}.

// The session Id sent for the text of the Id field (64-bit): 0 when it is not an integer.
int64_t sessionIdFromText(const QString& idText);

// The signature of a Parametros object: MD5 of the ASCII letters and digits of its signing
// text followed by the company key, as 32 upper-case hexadecimal digits. Streams the text, so
// large data is never copied whole.
QString signParametros(const json::JsonValue& parametros, int32_t companyCode);

// Builds and signs the envelope. The company code text must be an integer (conversion error
// otherwise, before anything is sent); the data value becomes part of the envelope.
json::JsonValue buildEnvelope(const QString& idText, const QString& companyCodeText,
                              json::JsonValue dados);
