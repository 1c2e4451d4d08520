// The certificate API pages: XML signing and certificate data.
#include "common/tjsonutil.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/registry.h"

using namespace kit;

namespace {

const QString kCodificado = QStringLiteral("cb_AssinarXMLCodificacaoXMLBase64");
const QString kPackingFailed = QStringLiteral("Erro ao criar arquivo compactado!");

Page assinarXml() {
    Action testar;
    testar.path = QStringLiteral("TSSLAPI/AssinarXML");
    // The signed XML comes back packed the same way when it was sent packed.
    testar.reading =
        readings::saveContentFile(QStringLiteral("AssinarXML"), QStringLiteral("zip"),
                                  [](PageContext& page) { return page.checked(kCodificado); });
    // The file as filtered text, or packed in a ZIP archive and sent as base64.
    const ValueKind xml = [](const FieldValue& v) {
        const bool packed = v.page->checked(kCodificado);
        return packed ? kinds::packedFileBase64(kPackingFailed, EmptyPath::Error)(v)
                      : kinds::rawFileText(EmptyPath::Error)(v);
    };
    return Page{
        QStringLiteral("ts_AssinarXML"),
        {},
        {},
        {
            line(QStringLiteral("ed_CNPJAssinarXML"), QStringLiteral("CNPJ"),
                 QStringLiteral("11222333000181"))
                .sends(QStringLiteral("CNPJ"), kinds::text()),
            line(QStringLiteral("ed_XMLAssinarXML"), QStringLiteral("XML"))
                .withFilePicker(QStringLiteral("bt_XMLAssinarXML"))
                .sends(QStringLiteral("XML"), xml),
            line(QStringLiteral("ed_TagPrincipalAssinarXML"), QStringLiteral("Tag principal"))
                .sends(QStringLiteral("TagPrincipal"), kinds::text()),
            line(QStringLiteral("ed_TagAssinarAssinarXML"), QStringLiteral("Tag a assinar"))
                .sends(QStringLiteral("TagAssinar"), kinds::text()),
            check(kCodificado, QStringLiteral("Codificação do XML em Base64"))
                .sends(QStringLiteral("XMLCodificado"), kinds::boolean()),
            button(QStringLiteral("bt_TestarAssinarXML"), QStringLiteral("Testar"), testar),
        },
        {}};
}

Page dadosCertificado() {
    Action testar;
    testar.path = QStringLiteral("TSSLAPI/DadosCertificado");
    return Page{
        QStringLiteral("ts_DadosCertificado"),
        {},
        {},
        {
            line(QStringLiteral("ed_DadosCertificadoCNPJ"), QStringLiteral("CNPJ"),
                 QStringLiteral("11222333000181"))
                .sends(QStringLiteral("CNPJ"), kinds::text()),
            button(QStringLiteral("bt_DadosCertificadoTestar"), QStringLiteral("Testar"), testar),
        },
        {}};
}

} // namespace

std::vector<Page> sslPages() {
    return {assinarXml(), dadosCertificado()};
}
