// The local NF-e API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;

std::vector<Page> nfeLocalPages() {
    Action testar;
    testar.path = u"TNFeLocalAPI/ConsultaFormaEmissaoCFe"_s;
    testar.exchange = Exchange::Plain;
    return {Page{
        .name = u"ts_ConsultaFormaEmissaoCFe"_s,
        .description = u"Consulta a forma de emissão do cupom fiscal eletrônico numa UF"_s,
        .controls = {
            line(u"ed_UFConsultaFormaEmissaoCFe"_s, u"UF"_s, u"SP"_s).sends(u"UF"_s, kinds::text()),
            button(u"bt_TestarConsultaFormaEmissaoCFe"_s, u"Testar"_s, testar),
        }}};
}
