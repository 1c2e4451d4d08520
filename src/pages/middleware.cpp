// The middleware API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace kit;

std::vector<Page> middlewarePages() {
    Action testar;
    testar.path = QStringLiteral("TMiddlewareAPI/CSRT");
    testar.exchange = Exchange::EnvelopeWithoutSession;
    return {Page{QStringLiteral("ts_CSRT"),
                 {},
                 {},
                 {
                     line(QStringLiteral("ed_CSRTUF"), QStringLiteral("UF"))
                         .sends(QStringLiteral("UF"), kinds::text()),
                     hint(QStringLiteral("lb_CSRTUFOpcional"), QStringLiteral("(opcional)")),
                     button(QStringLiteral("bt_CSRTUF"), QStringLiteral("Testar"), testar),
                 },
                 {}}};
}
