// The PAF-ECF Bloco X pages: permission, inclusion, transmission, state and generation of the
// daily-closing ("Redução Z") and stock ("Estoque") files for the state tax authority.
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/pafcommon.h"
#include "pages/registry.h"

#include <QHash>

using namespace Qt::StringLiterals;

using namespace kit;
using namespace paf;

namespace {

// The fields every Bloco X page names "ed_" + its stem + the role.
Control filial(const QString& stem) {
    return line(u"ed_"_s + stem + u"Filial"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s);
}

Control numECF(const QString& stem) {
    return line(u"ed_"_s + stem + u"NumECF"_s, u"Número do ECF"_s, u"001"_s)
        .maxLen(3)
        .sends(u"NumECF"_s);
}

// A counter: a whole number, 0 when the text is not one.
Control counter(const QString& stem, const QString& role, const QString& label) {
    return line(u"ed_"_s + stem + role, label, u"1"_s).maxLen(6).sends(role, kinds::integerElse(0));
}

Control numCRZ(const QString& stem) {
    return counter(stem, u"NumCRZ"_s, u"Contador Redução Z"_s);
}

Control numCRO(const QString& stem) {
    return counter(stem, u"NumCRO"_s, u"Contador Reinicio de Operação"_s);
}

Control dataEstoque(const QString& stem, const QString& label, const QString& preset) {
    return datePickerAt(u"ed_"_s + stem + u"DataEstoque"_s, label, preset)
        .sends(u"DataEstoque"_s, kinds::pickerDateTime());
}

Control cnpj(const QString& stem) {
    return line(u"ed_"_s + stem + u"CNPJ"_s, u"CNPJ"_s).sends(u"CNPJ"_s);
}

// The page's one action: "Testar", named "bt_" + the stem.
Control testar(const QString& stem, Action action) {
    return button(u"bt_"_s + stem, u"Testar"_s, std::move(action));
}

// What each page's service does, by stem.
QString description(const QString& stem) {
    static const QHash<QString, QString> descriptions{
        {u"PermiteGeracaoFiscoReducaoZ"_s,
         u"Pergunta se o arquivo do Bloco X de uma Redução Z pode ser gerado"_s},
        {u"InclusaoFiscoReducaoZ"_s,
         u"Entrega ao middleware o XML de Redução Z gerado fora, para guarda e transmissão"_s},
        {u"TransmissaoFiscoReducaoZ"_s,
         u"Faz a transmissão ao fisco do arquivo do Bloco X de uma Redução Z"_s},
        {u"UltimaTransmissaoFiscoReducaoZ"_s,
         u"Consulta a última transmissão ao fisco de Redução Z de um ECF"_s},
        {u"MensagemPendenciasFiscoReducaoZ"_s,
         u"Consulta as pendências de Redução Z no fisco para um ECF"_s},
        {u"PermiteGeracaoFiscoEstoque"_s,
         u"Pergunta se o arquivo do Bloco X de estoque pode ser gerado"_s},
        {u"InclusaoFiscoEstoque"_s,
         u"Entrega ao middleware o XML de estoque gerado fora, para guarda e transmissão"_s},
        {u"TransmissaoFiscoEstoque"_s,
         u"Faz a transmissão ao fisco do arquivo do Bloco X de estoque de uma filial"_s},
        {u"UltimaTransmissaoFiscoEstoque"_s,
         u"Consulta a última transmissão ao fisco do estoque de uma filial"_s},
        {u"MensagemPendenciasFiscoEstoque"_s,
         u"Consulta as pendências de estoque no fisco para uma filial"_s},
        {u"UltimoRegistroFiscoReducaoZ"_s,
         u"Consulta o último registro de Redução Z guardado para um ECF"_s},
        {u"UltimoRegistroFiscoEstoque"_s,
         u"Consulta o último registro de estoque guardado para uma filial"_s},
        {u"MensagemPendenciasPublicFiscoReducaoZ"_s,
         u"Consulta, sem sessão nem credenciais, as pendências de Redução Z de um ECF"_s},
        {u"MensagemPendenciasPublicFiscoEstoque"_s,
         u"Consulta, sem sessão nem credenciais, as pendências de estoque de uma filial"_s},
        {u"GeracaoFiscoReducaoZ"_s,
         u"Faz o middleware gerar e devolver o XML do Bloco X de uma Redução Z"_s},
        {u"GeracaoFiscoEstoque"_s,
         u"Faz o middleware gerar e devolver o XML do Bloco X de estoque"_s},
    };
    return descriptions.value(stem);
}

Page page(const QString& stem, std::vector<Control> controls) {
    return Page{
        .name = u"ts_"_s + stem, .description = description(stem), .controls = std::move(controls)};
}

// A field of a page, named after the page's stem.
using Field = std::function<Control(const QString& stem)>;

Field dataEstoqueAt(const QString& label, const QString& preset) {
    return [=](const QString& stem) { return dataEstoque(stem, label, preset); };
}

// How a request travels: the standard exchange to the "_2" service or to the service itself,
// or the public form (the bare object, without session, envelope or credentials).
enum class Route { Suffixed, Unsuffixed, Public };

// A request whose answer is only shown.
Page request(const QString& stem, Route route, const std::vector<Field>& fields) {
    std::vector<Control> controls;
    for (const Field& f : fields)
        controls.push_back(f(stem));
    Action a = send(u"TPAFAPI/"_s + stem + (route == Route::Suffixed ? u"_2"_s : QString()));
    if (route == Route::Public)
        a.exchange = Exchange::PlainWithoutAuth;
    controls.push_back(testar(stem, a));
    return page(stem, std::move(controls));
}

// The XML file as read, or packed in a ZIP archive and sent in base64 when the box is checked.
// The archive is made in a private temporary folder, so no file beside the XML is touched.
ValueKind xmlFile(const QString& codificado) {
    return {[codificado](const FieldValue& v) {
                return v.page->checked(codificado)
                           ? kinds::packedFileBase64(u"Erro ao criar arquivo compactado!"_s,
                                                     EmptyPath::Error)(v)
                           : kinds::wholeFileText(EmptyPath::Error)(v);
            },
            {codificado}};
}

Control xml(const QString& stem, const QString& defaultFile) {
    return line(u"ed_"_s + stem + u"XML"_s, u"XML"_s, defaultFile)
        .withFilePicker(u"bt_"_s + stem + u"XML"_s)
        .sends(u"XML"_s, xmlFile(u"cb_"_s + stem + u"CodificacaoXMLBase64"_s));
}

Control codificado(const QString& stem) {
    return check(u"cb_"_s + stem + u"CodificacaoXMLBase64"_s, u"Codificação do XML em Base64"_s)
        .sends(u"XMLCodificado"_s, kinds::boolean());
}

Page inclusaoReducaoZ() {
    const QString stem = u"InclusaoFiscoReducaoZ"_s;
    return page(stem, {filial(stem), numECF(stem), numCRZ(stem), numCRO(stem),
                       datePickerAt(u"ed_InclusaoFiscoReducaoZDtMovRZ"_s,
                                    u"Data Movimento Redução Z"_s, u"18/10/2016 10:40:23"_s)
                           .sends(u"DTMovRZ"_s, kinds::pickerDateTime()),
                       xml(stem, u"Reducao.xml"_s), codificado(stem),
                       testar(stem, send(u"TPAFAPI/InclusaoFiscoReducaoZ_2"_s))});
}

Page inclusaoEstoque() {
    const QString stem = u"InclusaoFiscoEstoque"_s;
    return page(stem, {filial(stem), dataEstoque(stem, u"Data Estoque"_s, u"11/10/2016 10:40:23"_s),
                       xml(stem, u"Estoque.xml"_s), codificado(stem),
                       testar(stem, send(u"TPAFAPI/InclusaoFiscoEstoque_2"_s))});
}

// The generated file: Arquivos/<service>.zip, or .xml when not compressed.
Page geracao(const QString& stem, const std::vector<Field>& fields) {
    std::vector<Control> controls;
    for (const Field& f : fields)
        controls.push_back(f(stem));
    const QString comprimir = u"ed_"_s + stem + u"ComprimirRetorno"_s;
    controls.push_back(line(u"ed_"_s + stem + u"NomePAFECF"_s, u"Nome PAF-ECF"_s, kNomePAFECF)
                           .sends(u"NomePAFECF"_s));
    controls.push_back(line(u"ed_"_s + stem + u"VersaoPAFECF"_s, u"Versão PAF-ECF"_s, kVersaoPAFECF)
                           .sends(u"VersaoPAFECF"_s));
    controls.push_back(
        line(u"ed_"_s + stem + u"CredenciamentoPAFECF"_s, u"Nº Credenciamento PAF-ECF"_s, u"123"_s)
            .sends(u"CredenciamentoPAFECF"_s));
    controls.push_back(comprimirRetorno(comprimir));
    controls.push_back(
        testar(stem, send(u"TPAFAPI/"_s + stem, savedFile(stem, comprimir, u"xml"_s))));
    return page(stem, std::move(controls));
}

} // namespace

std::vector<Page> pafBlocoXPages() {
    const Field estoque = dataEstoqueAt(u"Data Estoque"_s, u"11/10/2016 10:40:23"_s);
    return {
        request(u"PermiteGeracaoFiscoReducaoZ"_s, Route::Suffixed,
                {filial, numECF, numCRZ, numCRO}),
        inclusaoReducaoZ(),
        request(u"TransmissaoFiscoReducaoZ"_s, Route::Suffixed, {filial, numECF, cnpj}),
        request(u"UltimaTransmissaoFiscoReducaoZ"_s, Route::Unsuffixed, {filial, numECF}),
        request(u"MensagemPendenciasFiscoReducaoZ"_s, Route::Suffixed, {filial, numECF}),
        request(u"PermiteGeracaoFiscoEstoque"_s, Route::Suffixed, {filial, estoque}),
        inclusaoEstoque(),
        request(u"TransmissaoFiscoEstoque"_s, Route::Suffixed, {filial, cnpj}),
        request(u"UltimaTransmissaoFiscoEstoque"_s, Route::Unsuffixed, {filial}),
        request(u"MensagemPendenciasFiscoEstoque"_s, Route::Suffixed, {filial}),
        request(u"UltimoRegistroFiscoReducaoZ"_s, Route::Unsuffixed, {filial, numECF}),
        request(u"UltimoRegistroFiscoEstoque"_s, Route::Unsuffixed, {filial}),
        request(u"MensagemPendenciasPublicFiscoReducaoZ"_s, Route::Public, {filial, numECF}),
        request(u"MensagemPendenciasPublicFiscoEstoque"_s, Route::Public, {filial}),
        geracao(u"GeracaoFiscoReducaoZ"_s, {filial, numECF, numCRZ, numCRO}),
        geracao(u"GeracaoFiscoEstoque"_s,
                {filial, dataEstoqueAt(u"Data do Estoque"_s, u"02/05/2017 17:55:55"_s)}),
    };
}
