#include "contracts/timpressora.h"

#include "common/tjsonutil.h"

std::unique_ptr<TImpressora> TImpressoraHelper::fromJSON(const json::JsonValue* obj) {
    if (!obj)
        return nullptr;
    auto p = std::make_unique<TImpressora>(TJSONUtil::GetStr(obj, QStringLiteral("Chave")));
    p->Nome = TJSONUtil::GetStr(obj, QStringLiteral("Nome"));
    p->Porta = TJSONUtil::GetStr(obj, QStringLiteral("Porta"));
    p->Tipo =
        TEnum::TipoComunicacaoImpressoraFromStr(TJSONUtil::GetStr(obj, QStringLiteral("Tipo")));
    p->Velocidade = TJSONUtil::GetInt(obj, QStringLiteral("Velocidade"), 0);
    p->Temperatura = TJSONUtil::GetInt(obj, QStringLiteral("Temperatura"), 0);
    p->DPI = TEnum::DPIImpressoraFromInt(TJSONUtil::GetInt(obj, QStringLiteral("DPI"), 0));
    p->Unidade = TEnum::UnidadeImpressoraFromStr(TJSONUtil::GetStr(obj, QStringLiteral("Unidade")));
    p->Ativo = TJSONUtil::GetBool(obj, QStringLiteral("Ativo"), false);
    return p;
}

std::optional<json::JsonValue> TImpressoraHelper::toJSON(const TImpressora* p) {
    if (!p)
        return std::nullopt;
    json::JsonValue o = json::JsonValue::object();
    o.add("Nome", TJSONUtil::SetStr(p->Nome));
    o.add("Tipo", TJSONUtil::SetStr(TEnum::TipoComunicacaoImpressoraToStr(p->Tipo)));
    o.add("Porta", TJSONUtil::SetStr(p->Porta));
    o.add("Velocidade", TJSONUtil::SetInt(p->Velocidade));
    o.add("Temperatura", TJSONUtil::SetInt(p->Temperatura));
    o.add("DPI", TJSONUtil::SetInt(TEnum::DPIImpressoraToInt(p->DPI)));
    o.add("Unidade", TJSONUtil::SetStr(TEnum::UnidadeImpressoraToStr(p->Unidade)));
    o.add("Ativo", TJSONUtil::SetBool(p->Ativo));
    return o;
}

std::optional<std::vector<TImpressora>>
TImpressoraHelper::fromJSONArray(const json::JsonValue* array) {
    if (!array || !array->isArray())
        return std::nullopt;
    std::vector<TImpressora> list;
    for (std::size_t i = 0; i < array->size(); ++i)
        if (array->at(i).isObject())
            list.push_back(*fromJSON(&array->at(i)));
    return list;
}

std::optional<std::vector<TImpressora>> TImpressoraHelper::ListaFromJSON(const json::JsonValue& obj,
                                                                         const QString& arrayName) {
    return fromJSONArray(obj.isObject() ? obj.find(arrayName.toStdString()) : nullptr);
}

json::JsonValue TImpressoraHelper::ListaToJSON(const std::vector<TImpressora>& lista) {
    json::JsonValue a = json::JsonValue::array();
    for (const TImpressora& p : lista)
        a.append(*toJSON(&p));
    return a;
}
