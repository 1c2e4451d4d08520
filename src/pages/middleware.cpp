// The middleware API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;

std::vector<Page> middlewarePages() {
    Action testar;
    testar.path = u"TMiddlewareAPI/CSRT"_s;
    testar.exchange = Exchange::EnvelopeWithoutSession;
    return {Page{.name = u"ts_CSRT"_s,
                 .description =
                     u"Consulta o código de segurança do responsável técnico (CSRT) de uma UF"_s,
                 .controls = {
                     line(u"ed_CSRTUF"_s, u"UF"_s).sends(u"UF"_s, kinds::text()),
                     hint(u"lb_CSRTUFOpcional"_s, u"(opcional)"_s),
                     button(u"bt_CSRTUF"_s, u"Testar"_s, testar),
                 }}};
}
