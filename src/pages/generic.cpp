// The generic page: any service, with a free JSON data value.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;

namespace {

const QString kJson = u"edGenericAPIJSON"_s;
const QString kArray = u"cbGenericAPITipoParametro"_s;

const char* const kSample = R"({
  "ItensSeparacao": [
    {
      "Filial": "001",
      "Sequen": "0000012345",
      "QtdSeparar": 2,
      "QtdFaltas": 0,
      "Contem": 1,
      "TipoEntrega": "R",
      "Referencia": "REF-001"
    }
  ]
})";

} // namespace

std::vector<Page> genericPages() {
    Action testar;
    testar.pathFn = [](PageContext& page) {
        return page.text(u"edGenericAPIAPI"_s) + u'/' + page.text(u"edGenericAPIMetodo"_s);
    };
    testar.dados = [](PageContext& page) {
        json::JsonValue value = dados::freeJson(kJson, true)(page);
        // The box decides whether the data value must be an array or an object.
        if (page.checked(kArray) ? !value.isArray() : !value.isObject())
            throw Exception(u"Invalid class typecast"_s);
        return value;
    };
    return {Page{
        .name = u"tsGenericAPI"_s,
        .description =
            u"Chama qualquer serviço pelo nome da API e do método, com o Dados em JSON livre"_s,
        .controls =
            {
                memo(kJson, u"Json para Teste:"_s, QString::fromUtf8(kSample)),
                line(u"edGenericAPIAPI"_s, u"Nome da API"_s, u"TCommerceAPI"_s),
                line(u"edGenericAPIMetodo"_s, u"Nome do Método"_s, u"Separar"_s),
                check(kArray, u"Parâmetro do Tipo Array"_s, true),
                button(u"btGenericAPITestar"_s, u"Testar"_s, testar),
                button(u"btGenericAPILimpar"_s, u"Limpar"_s, clearField(kJson)),
            },
        .groupBox = u"gbGenericAPI"_s,
        .groupTitle = u"Generic API"_s}};
}
