#pragma once

#include "common/jsonvalue.h"
#include "common/tquorvaobject.h"
#include "contracts/pageenums.h"

#include <memory>
#include <optional>
#include <vector>

// A printer the middleware can drive.
class TImpressora : public TQuorvaObject {
public:
    explicit TImpressora(const QString& chave = {}) : TQuorvaObject(chave) {}
    QString Nome;
    TEnumTipoComunicacaoImpressora Tipo = TEnumTipoComunicacaoImpressora_Normal;
    int32_t Velocidade = 0;
    int32_t Temperatura = 0;
    QString Porta;
    TEnumDPIImpressora DPI = TEnumDPIImpressora_203;
    bool Ativo = true;
    TEnumUnidadeImpressora Unidade = TEnumUnidadeImpressora_Milimetros;
};

struct TImpressoraHelper {
    static std::unique_ptr<TImpressora> fromJSON(const json::JsonValue* obj);
    static std::optional<json::JsonValue> toJSON(const TImpressora* impressora);
    // Elements that are not objects are skipped; nothing when no array is given.
    static std::optional<std::vector<TImpressora>> fromJSONArray(const json::JsonValue* array);
    static std::optional<std::vector<TImpressora>> ListaFromJSON(const json::JsonValue& obj,
                                                                 const QString& arrayName);
    static json::JsonValue ListaToJSON(const std::vector<TImpressora>& lista);
};
