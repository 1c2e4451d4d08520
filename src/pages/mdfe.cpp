// The MDF-e API pages: authorisation, cancellation, query, SEFAZ status, DAMDFE and event
// printing, PDFs from XML and the closing of a manifest.
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;
using namespace nfe;

namespace {

const QString kJustificativaMDFe =
    u"Conhecimento realizado para fins de teste. Por favor, desconsiderar tributação."_s;
const QString kProtocoloEvento = u"958150000123456"_s;
// The communication type chosen on the printer-list page filters the authorisation page's
// printers.
const QString kTipoComunicacao = u"ed_ConsultaImpressoraTipoComunicacaoImpressora"_s;
const QString kHintPara = u"(informar os endereços separados por \";\")"_s;

Page autenticaMDFe() {
    const QString xmlAutenticado = u"mm_XMLAutenticadoAutenticaMDFe"_s;
    Control emiteMDFe = radio(u"rb_MensageriaAutenticaMDFe"_s, u"Emite MDFe"_s)
                            .sends(u"MENSAGERIADFE"_s, kinds::numberWhenChecked(3, 0));
    emiteMDFe.label = u"Mensageria DFe:"_s;
    return Page{
        .name = u"TabSheet3"_s,
        .description =
            u"Envia o XML do MDF-e ao SEFAZ para autorização e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_FilialAutenticaMDFe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFAutenticaMDFe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_CodigoSerieAutenticaMDFe"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            // The manifest's number travels under the CT-e key.
            line(u"ed_NumeroAutenticaMDFe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMCTE"_s, kinds::integer()),
            line(u"ed_XMLAutenticaMDFe"_s, u"XML:"_s)
                .withFilePicker(u"bt_XMLAutenticaMDFe"_s)
                .sends(u"XML"_s, kinds::joinedFileText(EmptyPath::Error)),
            line(u"ed_XMLTransacaoAutenticaMDFe"_s, u"XML Transação:"_s)
                .withFilePicker(u"bt_XMLTransacaoAutenticaMDFe"_s)
                .sends(u"XMLTRANSACAO"_s, kinds::joinedFileText(EmptyPath::EmptyText)),
            emiteMDFe,
            line(u"ed_PathXMLAutenticaMDFe"_s, u"Path XML EmiteMDFe:"_s).sends(u"PATHSALVAR"_s),
            line(u"ed_ParaAutenticaMDFe"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            comboEditable(u"cb_ImpressorasAutenticaMDFe"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_ImpressorasAutenticaMDFe"_s,
                                   readings::codeOf(kTipoComunicacao))
                .sends(u"NomeImpressora"_s),
            button(u"bt_TestarAutenticaMDFe"_s, u"Testar"_s,
                   send(u"TMDFeAPI/AutenticaMDFe"_s, fiscal::resultText(xmlAutenticado))),
            memo(xmlAutenticado, u"XML Autenticado"_s),
        }};
}

Page cancelarMDFeSefaz() {
    const QString evento = u"mm_XMLEventoCancelarMDFeSEFAZ"_s;
    const QString nota = u"mm_XMLNotaCancelarMDFeSEFAZ"_s;
    return Page{
        .name = u"TabSheet4"_s,
        .description = u"Cancela um MDF-e no SEFAZ e envia o resultado por e-mail"_s,
        .controls = {
            line(u"ed_FilialCancelarMDFeSEFAZ"_s, u"Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_CNPJCancelarMDFeSEFAZ"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_CodigoSerieCancelarMDFeSEFAZ"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"SERIE"_s),
            line(u"ed_ECFCancelarMDFeSEFAZ"_s, u"ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_NumeroCancelarMDFeSEFAZ"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMEROMDFE"_s, kinds::integer()),
            line(u"ed_JustificativaCancelarMDFeSEFAZ"_s, u"Justificativa"_s, kJustificativaMDFe)
                .sends(u"JUSTIFICATIVA"_s),
            line(u"ed_DataCancelarMDFeSEFAZ"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_AtualizaDataCancelarMDFeSEFAZ"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            line(u"ed_ParaCancelarMDFeSEFAZ"_s, u"Para"_s).sends(u"EMAILPARA"_s),
            hint(u"lb_HintParaCancelarMDFeSEFAZ"_s, kHintPara),
            button(u"tb_TestarCancelarMDFeSEFAZ"_s, u"Testar"_s,
                   send(u"TMDFeAPI/CancelarMDFeSefaz"_s,
                        fiscal::eventReading(fiscal::eventRecord(evento, nota)))),
            memo(evento, u"XML do Evento"_s),
            memo(nota, u"XML da Nota"_s),
        }};
}

Page consultarMDFe() {
    return Page{
        .name = u"TabSheet5"_s,
        .description = u"Consulta um MDF-e guardado no middleware"_s,
        .controls = {
            line(u"ed_FilialConsultarMDFe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFConsultarMDFe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_CodigoSerieConsultarMDFe"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroConsultarMDFe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMMDFE"_s, kinds::integer()),
            button(u"bt_TestarConsultarMDFe"_s, u"Testar"_s, send(u"TMDFeAPI/ConsultarMDFe"_s)),
        }};
}

Page mdfeOnLine() {
    return Page{
        .name = u"TabSheet7"_s,
        .description = u"Pergunta se o serviço de MDF-e do SEFAZ está no ar para uma empresa"_s,
        .controls = {
            line(u"ed_CNPJMDFeOnLine"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            comboEditable(u"cb_ContingenciaMDFeOnLine"_s, u"Contingência"_s,
                          {u"Normal"_s, u"SVCAN"_s, u"SVCRS"_s}, u"Normal"_s, 0)
                .sends(u"TIPOEMISSAO"_s, kinds::position()),
            comboEditable(u"cb_ModeloMDFeOnLine"_s, u"Modelo da Nota"_s, {u"58"_s}, u"58"_s, 0)
                .sends(u"MODELONOTA"_s),
            button(u"bt_TestarMDFeOnLine"_s, u"Testar"_s, send(u"TMDFeAPI/MDFeOnLine"_s)),
        }};
}

// The fields that name a stored MDF-e on the printing pages, in their order.
std::vector<Control> storedMDFe(const QString& suffix) {
    return {
        line(u"ed_CNPJ"_s + suffix, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
        line(u"ed_Filial"_s + suffix, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
        line(u"ed_ECF"_s + suffix, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
        line(u"ed_Serie"_s + suffix, u"Série"_s, u"1"_s).sends(u"Serie"_s),
        line(u"ed_Numero"_s + suffix, u"Número"_s, u"1"_s).sends(u"Numero"_s, kinds::integer()),
    };
}

Page imprimeMDFeDAMDFE() {
    std::vector<Control> controls = storedMDFe(u"ImprimeMDFeDAMDFE"_s);
    controls.push_back(comboEditable(u"cb_ImpressoraImprimeMDFeDAMDFE"_s, u"Impressora"_s, {})
                           .withPrinterLookup(u"bt_ImpressorasImprimeMDFeDAMDFE"_s)
                           .sends(u"NomeImpressora"_s));
    controls.push_back(button(u"bt_TestarImprimeMDFeDAMDFE"_s, u"Testar"_s,
                              send(u"TMDFeAPI/ImprimeMDFeDAMDFE"_s)));
    return Page{.name = u"TabSheet8"_s,
                .description = u"Imprime o DAMDFE de um MDF-e guardado no middleware"_s,
                .controls = std::move(controls)};
}

Page imprimeEventoMDFe() {
    std::vector<Control> controls = storedMDFe(u"ImprimeEventoMDFe"_s);
    controls.push_back(
        line(u"ed_ProtocoloEventoImprimeEventoMDFe"_s, u"Protocolo Evento"_s, kProtocoloEvento)
            .sends(u"ProtocoloEvento"_s));
    controls.push_back(comboEditable(u"cb_ImpressoraImprimeEventoMDFe"_s, u"Impressora"_s, {})
                           .withPrinterLookup(u"bt_ImpressoraImprimeEventoMDFe"_s)
                           .sends(u"NomeImpressora"_s));
    controls.push_back(button(u"bt_TestarImprimeEventoMDFe"_s, u"Testar"_s,
                              send(u"TMDFeAPI/ImprimeEventoMDFe"_s)));
    return Page{.name = u"TabSheet9"_s,
                .description = u"Imprime um evento de um MDF-e guardado"_s,
                .controls = std::move(controls)};
}

Page imprimeMDFeDAMDFEPeloXML() {
    return Page{.name = u"TabSheet10"_s,
                .description = u"Imprime o DAMDFE a partir do XML autorizado de um MDF-e"_s,
                .controls = {
                    line(u"ed_XMLImprimeMDFeDAMDFEPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLImprimeMDFeDAMDFEPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoImprimeMDFeDAMDFEPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    comboEditable(u"cb_ImpressoraImprimeMDFeDAMDFEPeloXML"_s, u"Impressora"_s, {})
                        .withPrinterLookup(u"bt_ImpressoraImprimeMDFeDAMDFEPeloXML"_s)
                        .sends(u"NomeImpressora"_s),
                    button(u"bt_TestarImprimeMDFeDAMDFEPeloXML"_s, u"Testar"_s,
                           send(u"TMDFeAPI/ImprimeMDFeDAMDFEPeloXML"_s)),
                }};
}

// The PDF of an authorised manifest from its XML: this page's own picker and fields, sent to
// its own service, like the CT-e page of the same name.
Page geraMDFePDFPeloXML() {
    return Page{.name = u"TabSheet11"_s,
                .description = u"Gera o DAMDFE em PDF a partir do XML autorizado de um MDF-e"_s,
                .controls = {
                    line(u"ed_XMLGeraMDFePDFPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLGeraMDFePDFPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoGeraMDFePDFPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    button(u"bt_TestarGeraMDFePDFPeloXML"_s, u"Testar"_s,
                           send(u"TMDFeAPI/GeraMDFePDFPeloXML"_s)),
                }};
}

Page encerrarMDFe() {
    return Page{
        .name = u"TabSheet6"_s,
        .description = u"Encerra no SEFAZ um MDF-e autorizado"_s,
        .controls = {
            line(u"ed_XMLEncerrarMDFe"_s, u"XML do SEFAZ"_s)
                .withFilePicker(u"bt_XMLEncerrarMDFe"_s)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
            line(u"ed_CNPJEncerrarMDFe"_s, u"CNPJ"_s).sends(u"CNPJ"_s),
            button(u"bt_TestarEncerrarMDFe"_s, u"Testar"_s, send(u"TMDFeAPI/EncerrarMDFe"_s)),
        }};
}

Page geraMDFePreviaPDFPeloXML() {
    return Page{.name = u"ts_GeraMDFePreviaPDFPeloXML"_s,
                .description = u"Gera uma prévia do DAMDFE em PDF a partir do XML de um MDF-e"_s,
                .controls = {
                    line(u"ed_XMLGeraMDFePreviaPDFPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLGeraMDFePreviaPDFPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoGeraMDFePreviaPDFPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    button(u"bt_TestarGeraMDFePreviaPDFPeloXML"_s, u"Testar"_s,
                           send(u"TMDFeAPI/GeraMDFePreviaPDFPeloXML"_s)),
                }};
}

} // namespace

std::vector<Page> mdfePages() {
    return {autenticaMDFe(),
            cancelarMDFeSefaz(),
            consultarMDFe(),
            mdfeOnLine(),
            imprimeMDFeDAMDFE(),
            imprimeEventoMDFe(),
            imprimeMDFeDAMDFEPeloXML(),
            geraMDFePDFPeloXML(),
            encerrarMDFe(),
            geraMDFePreviaPDFPeloXML()};
}
