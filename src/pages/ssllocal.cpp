// The local certificate API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;

std::vector<Page> sslLocalPages() {
    Action testar;
    testar.path = u"TSSLLocalAPI/DadosCertificado"_s;
    return {Page{.name = u"ts_DadosCertificadoLocal"_s,
                 .description = u"Mostra os dados de um arquivo de certificado digital local"_s,
                 .controls = {
                     line(u"ed_DadosCertificadoLocalPathCertificado"_s, u"Path Certificado"_s)
                         .withFilePicker(u"bt_DadosCertificadoLocalPathCertificado"_s)
                         .sends(u"PathCertificado"_s, kinds::text()),
                     password(u"ed_DadosCertificadoLocalSenhaCertificado"_s, u"Senha Certificado"_s)
                         .sends(u"SenhaCertificado"_s, kinds::text()),
                     button(u"bt_DadosCertificadoLocalTestar"_s, u"Testar"_s, testar),
                 }}};
}
