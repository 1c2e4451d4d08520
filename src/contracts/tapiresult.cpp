#include "contracts/tapiresult.h"

#include "common/tjsonutil.h"

namespace {
const QString kAborte = QStringLiteral("**ABORTE**");
const QString kDateFormat = QStringLiteral("DD/MM/YYYY HH:NN:SS");
} // namespace

TAPIResult::TAPIResult()
    : m_controle(std::make_unique<TControle>()), m_conteudo(std::make_unique<TConteudo>()) {}

TControle& TAPIResult::Controle() {
    if (!m_controle)
        m_controle = std::make_unique<TControle>();
    return *m_controle;
}

TConteudo& TAPIResult::Conteudo() {
    if (!m_conteudo)
        m_conteudo = std::make_unique<TConteudo>();
    return *m_conteudo;
}

std::unique_ptr<TControle> TControleHelper::fromJSON(const json::JsonValue& obj) {
    auto c = std::make_unique<TControle>();
    c->Err = TJSONUtil::GetBool(&obj, QStringLiteral("err"), false);
    c->Cod = TEnum::APIResultCodFromStr(TJSONUtil::GetStr(&obj, QStringLiteral("cod")));
    c->Msg = TJSONUtil::GetStr(&obj, QStringLiteral("msg")).remove(kAborte);
    return c;
}

json::JsonValue TControleHelper::toJSON(const TControle& controle) {
    json::JsonValue o = json::JsonValue::object();
    o.add("err", TJSONUtil::SetBool(controle.Err));
    o.add("cod", TJSONUtil::SetStr(TEnum::APIResultCodToStr(controle.Cod)));
    o.add("msg", TJSONUtil::SetStr(controle.Msg));
    return o;
}

std::unique_ptr<TConteudo> TConteudoHelper::fromJSON(const json::JsonValue& obj, bool readLivre) {
    auto c = std::make_unique<TConteudo>();
    c->Int = TJSONUtil::GetInt64(&obj, QStringLiteral("int"), 0);
    c->Str = TJSONUtil::GetStr(&obj, QStringLiteral("str"));
    c->Curr = TJSONUtil::GetCurr(&obj, QStringLiteral("curr"));
    c->Bool = TJSONUtil::GetBool(&obj, QStringLiteral("bool"), false);
    c->Date = TJSONUtil::GetDateTime(&obj, QStringLiteral("date"), regional::zeroDateTime());
    if (readLivre)
        c->Livre = TJSONUtil::GetObj(&obj, QStringLiteral("livre"));
    return c;
}

json::JsonValue TConteudoHelper::toJSON(const TConteudo& conteudo, bool convertLivre) {
    json::JsonValue o = json::JsonValue::object();
    o.add("int", TJSONUtil::SetInt64(conteudo.Int));
    o.add("str", TJSONUtil::SetStr(conteudo.Str));
    o.add("curr", TJSONUtil::SetCurr(conteudo.Curr));
    o.add("bool", TJSONUtil::SetBool(conteudo.Bool));
    o.add("date", TJSONUtil::SetDateTime(conteudo.Date, kDateFormat));
    if (convertLivre && conteudo.Livre)
        o.add("livre", TJSONUtil::SetObj(*conteudo.Livre));
    return o;
}

std::unique_ptr<TAPIResult> TAPIResultHelper::fromJSON(const json::JsonValue& answer,
                                                       bool readContent) {
    auto result = std::make_unique<TAPIResult>();
    const json::JsonValue* wrapped = answer.isObject() ? answer.find("result") : nullptr;
    const json::JsonValue& e = wrapped ? *wrapped : answer;
    if (const json::JsonValue* controle = e.isObject() ? e.find("controle") : nullptr) {
        result->SetObjControle(TControleHelper::fromJSON(*controle));
    } else {
        // Without a control part, the answer is an error exactly when it carries the marker.
        const QString text = QString::fromStdString(json::toWireText(e));
        TControle& c = result->Controle();
        c.Err = text.contains(kAborte);
        c.Msg = QString(text).remove(kAborte);
    }
    if (readContent)
        if (const json::JsonValue* conteudo = e.isObject() ? e.find("conteudo") : nullptr)
            result->SetObjConteudo(TConteudoHelper::fromJSON(*conteudo, true));
    return result;
}

json::JsonValue TAPIResultHelper::toJSON(TAPIResult& result, bool convertContent) {
    json::JsonValue o = json::JsonValue::object();
    o.add("controle", TControleHelper::toJSON(result.Controle()));
    if (convertContent)
        o.add("conteudo", TConteudoHelper::toJSON(result.Conteudo(), true));
    return o;
}

std::optional<json::JsonValue> TAPIResultHelper::getConteudoLivreFromString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const auto parsed = json::parse(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (!parsed.value)
        return std::nullopt;
    if (!parsed.value->isObject())
        throw Exception(QStringLiteral("Resposta inesperada: o JSON recebido não é um objeto."));
    const json::JsonValue* result = parsed.value->find("result");
    const json::JsonValue* conteudo = result ? result->find("conteudo") : nullptr;
    const json::JsonValue* livre = conteudo ? conteudo->find("livre") : nullptr;
    if (!livre)
        return std::nullopt;
    return json::parse(json::toWireText(*livre)).value;
}

namespace {
const json::JsonValue* memberOf(const json::JsonValue* object, const char* key) {
    return object && object->isObject() ? object->find(key) : nullptr;
}
} // namespace

const json::JsonValue* answerResult(const json::JsonValue* answer) {
    return memberOf(answer, "result");
}

const json::JsonValue* answerConteudo(const json::JsonValue* answer) {
    return memberOf(answerResult(answer), "conteudo");
}

const json::JsonValue* answerLivre(const json::JsonValue* answer) {
    return memberOf(answerConteudo(answer), "livre");
}
