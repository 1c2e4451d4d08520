// Every reading of an answer body the core does: the UTF-8 step, the display text, both
// session answers, the result envelope and the records in its free object.
#include "common/exception.h"
#include "common/tjsonutil.h"
#include "contracts/tapiresult.h"
#include "contracts/tarquivo.h"
#include "contracts/timpressora.h"
#include "exchange/session.h"
#include "exchange/utf8step.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace {

// Readings that may refuse a value with an error, as the window would show it.
template <typename F> void guarded(F&& reading) {
    try {
        reading();
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* type :
         {"", "application/json; charset=utf-8", "text/plain; charset=ISO-8859-1"})
        (void)answerDisplayText(body, type);
    (void)sessionIdFromSimpleAnswer(utf8Step(body));
    // An "Id" that is a number but not an integer is the conversion error.
    guarded([&] { (void)sessionIdFromCompleteAnswer(body); });
    guarded([&] { (void)TAPIResultHelper::getConteudoLivreFromString(utf8Step(body)); });
    // An answer nested too deep is refused with an error.
    std::optional<json::JsonValue> answer;
    guarded([&] { answer = parseUtf8Answer(body); });
    if (!answer)
        return 0;
    for (const bool content : {false, true})
        guarded([&] { (void)TAPIResultHelper::fromJSON(*answer, content); });
    const json::JsonValue* livre = answerLivre(&*answer);
    guarded([&] { (void)TImpressoraHelper::fromJSONArray(livre); });
    guarded([&] { (void)TImpressoraHelper::fromJSON(livre); });
    guarded([&] { (void)TArquivoHelper::fromJSON(livre); });
    guarded([&] { (void)TArquivoHelper::ListaFromJSON(livre, QStringLiteral("Arquivos")); });
    guarded([&] { (void)TBoletoHelper::fromJSON(livre); });
    guarded([&] {
        if (const auto arquivo = TArquivoHelper::fromJSON(livre))
            (void)decodeBase64Strict(arquivo->Base64);
    });
    const json::JsonValue* conteudo = answerConteudo(&*answer);
    guarded([&] { (void)TJSONUtil::GetCurr(conteudo, QStringLiteral("curr")); });
    guarded([&] { (void)TJSONUtil::GetDateTime(conteudo, QStringLiteral("date"), QDateTime()); });
    guarded([&] { (void)TJSONUtil::GetInt64(conteudo, QStringLiteral("int")); });
    guarded([&] { (void)TJSONUtil::GetStrUtf8(conteudo, QStringLiteral("str")); });
    return 0;
}
