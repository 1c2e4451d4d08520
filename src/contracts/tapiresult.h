#pragma once

#include "common/jsonvalue.h"
#include "common/regional.h"
#include "contracts/pageenums.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

// The control part of an answer: whether the call failed, its code and message.
struct TControle {
    QString Msg; // without any "**ABORTE**" marker
    TEnumAPIResultCod Cod = TEnumAPIResultCodNaoDefinido;
    bool Err = false;
};

// The content part: typed slots and the free object.
struct TConteudo {
    // Points into the parsed answer, which must outlive it; never owned.
    const json::JsonValue* Livre = nullptr;
    QDateTime Date = regional::zeroDateTime();
    int64_t Int = 0;
    QString Str;
    bool Bool = false;
    regional::Currency Curr;
    int64_t FInt64 = 0; // never read or written by the converters
};

// An answer of the middleware: {"result":{"controle":…,"conteudo":…}}. Owns both parts.
class TAPIResult {
public:
    TAPIResult();
    // Created empty on first read when absent.
    TControle& Controle();
    TConteudo& Conteudo();
    void SetObjControle(std::unique_ptr<TControle> controle) { m_controle = std::move(controle); }
    void SetObjConteudo(std::unique_ptr<TConteudo> conteudo) { m_conteudo = std::move(conteudo); }

private:
    std::unique_ptr<TControle> m_controle;
    std::unique_ptr<TConteudo> m_conteudo;
};

struct TControleHelper {
    static std::unique_ptr<TControle> fromJSON(const json::JsonValue& obj);
    static json::JsonValue toJSON(const TControle& controle);
};

struct TConteudoHelper {
    static std::unique_ptr<TConteudo> fromJSON(const json::JsonValue& obj, bool readLivre);
    static json::JsonValue toJSON(const TConteudo& conteudo, bool convertLivre);
};

struct TAPIResultHelper {
    // Reads "result" of the answer, or the answer itself when it has no "result".
    static std::unique_ptr<TAPIResult> fromJSON(const json::JsonValue& answer, bool readContent);
    static json::JsonValue toJSON(TAPIResult& result, bool convertContent);
    // An independent copy of "result"."conteudo"."livre"; nothing when the text is not JSON or
    // a level is missing. JSON that is not an object raises.
    static std::optional<json::JsonValue> getConteudoLivreFromString(const QString& text);
};

// The path of an answer {"result":{"controle":…,"conteudo":{"str":…,"livre":…}}}: each step
// is the member of the one before, nullptr where a step is missing or not an object.
const json::JsonValue* answerResult(const json::JsonValue* answer);
const json::JsonValue* answerConteudo(const json::JsonValue* answer);
const json::JsonValue* answerLivre(const json::JsonValue* answer);
