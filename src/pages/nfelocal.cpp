// The local NF-e API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace kit;

std::vector<Page> nfeLocalPages() {
    Action testar;
    testar.path = QStringLiteral("TNFeLocalAPI/ConsultaFormaEmissaoCFe");
    testar.exchange = Exchange::Plain;
    return {Page{QStringLiteral("ts_ConsultaFormaEmissaoCFe"),
                 {},
                 {},
                 {
                     line(QStringLiteral("ed_UFConsultaFormaEmissaoCFe"), QStringLiteral("UF"),
                          QStringLiteral("SP"))
                         .sends(QStringLiteral("UF"), kinds::text()),
                     button(QStringLiteral("bt_TestarConsultaFormaEmissaoCFe"),
                            QStringLiteral("Testar"), testar),
                 },
                 {}}};
}
