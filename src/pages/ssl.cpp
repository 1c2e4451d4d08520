// The certificate API pages: XML signing and certificate data.
#include "common/tjsonutil.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;

namespace {

const QString kCodificado = u"cb_AssinarXMLCodificacaoXMLBase64"_s;
const QString kPackingFailed = u"Erro ao criar arquivo compactado!"_s;

Page assinarXml() {
    Action testar;
    testar.path = u"TSSLAPI/AssinarXML"_s;
    // The signed XML comes back packed the same way when it was sent packed.
    testar.reading = readings::saveContentFile(
        u"AssinarXML"_s, u"zip"_s, [](PageContext& page) { return page.checked(kCodificado); });
    // The file as filtered text, or packed in a ZIP archive and sent as base64.
    const ValueKind xml = [](const FieldValue& v) {
        const bool packed = v.page->checked(kCodificado);
        return packed ? kinds::packedFileBase64(kPackingFailed, EmptyPath::Error)(v)
                      : kinds::rawFileText(EmptyPath::Error)(v);
    };
    return Page{.name = u"ts_AssinarXML"_s,
                .description = u"Assina um XML com o certificado digital da empresa"_s,
                .controls = {
                    line(u"ed_CNPJAssinarXML"_s, u"CNPJ"_s, u"11222333000181"_s)
                        .sends(u"CNPJ"_s, kinds::text()),
                    line(u"ed_XMLAssinarXML"_s, u"XML"_s)
                        .withFilePicker(u"bt_XMLAssinarXML"_s)
                        .sends(u"XML"_s, xml),
                    line(u"ed_TagPrincipalAssinarXML"_s, u"Tag principal"_s)
                        .sends(u"TagPrincipal"_s, kinds::text()),
                    line(u"ed_TagAssinarAssinarXML"_s, u"Tag a assinar"_s)
                        .sends(u"TagAssinar"_s, kinds::text()),
                    check(kCodificado, u"Codificação do XML em Base64"_s)
                        .sends(u"XMLCodificado"_s, kinds::boolean()),
                    button(u"bt_TestarAssinarXML"_s, u"Testar"_s, testar),
                }};
}

Page dadosCertificado() {
    Action testar;
    testar.path = u"TSSLAPI/DadosCertificado"_s;
    return Page{
        .name = u"ts_DadosCertificado"_s,
        .description =
            u"Mostra os dados do certificado digital de uma empresa guardado no middleware"_s,
        .controls = {
            line(u"ed_DadosCertificadoCNPJ"_s, u"CNPJ"_s, u"11222333000181"_s)
                .sends(u"CNPJ"_s, kinds::text()),
            button(u"bt_DadosCertificadoTestar"_s, u"Testar"_s, testar),
        }};
}

} // namespace

std::vector<Page> sslPages() {
    return {assinarXml(), dadosCertificado()};
}
