// The generic page: any service, with a free JSON data value.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace kit;

namespace {

const QString kJson = QStringLiteral("edGenericAPIJSON");
const QString kArray = QStringLiteral("cbGenericAPITipoParametro");

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
        return page.text(QStringLiteral("edGenericAPIAPI")) + u'/' +
               page.text(QStringLiteral("edGenericAPIMetodo"));
    };
    testar.dados = [](PageContext& page) {
        json::JsonValue value = dados::freeJson(kJson, true)(page);
        // The box decides whether the data value must be an array or an object.
        if (page.checked(kArray) ? !value.isArray() : !value.isObject())
            throw Exception(QStringLiteral("Invalid class typecast"));
        return value;
    };
    return {Page{QStringLiteral("tsGenericAPI"),
                 QStringLiteral("gbGenericAPI"),
                 QStringLiteral("Generic API"),
                 {
                     memo(kJson, QStringLiteral("Json para Teste:"), QString::fromUtf8(kSample)),
                     line(QStringLiteral("edGenericAPIAPI"), QStringLiteral("Nome da API"),
                          QStringLiteral("TCommerceAPI")),
                     line(QStringLiteral("edGenericAPIMetodo"), QStringLiteral("Nome do Método"),
                          QStringLiteral("Separar")),
                     check(kArray, QStringLiteral("Parâmetro do Tipo Array"), true),
                     button(QStringLiteral("btGenericAPITestar"), QStringLiteral("Testar"), testar),
                     button(QStringLiteral("btGenericAPILimpar"), QStringLiteral("Limpar"),
                            clearField(kJson)),
                 },
                 {}}};
}
