// The local certificate API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace kit;

std::vector<Page> sslLocalPages() {
    Action testar;
    testar.path = QStringLiteral("TSSLLocalAPI/DadosCertificado");
    return {Page{QStringLiteral("ts_DadosCertificadoLocal"),
                 {},
                 {},
                 {
                     line(QStringLiteral("ed_DadosCertificadoLocalPathCertificado"),
                          QStringLiteral("Path Certificado"))
                         .withFilePicker(QStringLiteral("bt_DadosCertificadoLocalPathCertificado"))
                         .sends(QStringLiteral("PathCertificado"), kinds::text()),
                     password(QStringLiteral("ed_DadosCertificadoLocalSenhaCertificado"),
                              QStringLiteral("Senha Certificado"))
                         .sends(QStringLiteral("SenhaCertificado"), kinds::text()),
                     button(QStringLiteral("bt_DadosCertificadoLocalTestar"),
                            QStringLiteral("Testar"), testar),
                 },
                 {}}};
}
