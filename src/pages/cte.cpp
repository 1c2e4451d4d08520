// The CT-e API pages: authorisation, cancellation, query, number disablement, SEFAZ status,
// DACTE and event printing, PDFs from XML, NSU queries, the taker's manifest and the correction
// letter.
#include "pages/kit/batchrun.h"
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;
using namespace nfe;

namespace {

const QString kJustificativaCTe =
    u"Conhecimento realizado para fins de teste. Por favor, desconsiderar tributação."_s;
const QString kProtocoloEvento = u"135150000123456"_s;
// The communication type chosen on the printer-list page filters the authorisation page's
// printers.
const QString kTipoComunicacao = u"ed_ConsultaImpressoraTipoComunicacaoImpressora"_s;

Page autenticaCTe() {
    const QString xmlAutenticado = u"mm_XMLAutenticadoAutenticaCTe"_s;
    Control emiteCTe = radio(u"rb_MensageriaCTeSefazAutenticaCTe"_s, u"Emite CTe"_s)
                           .sends(u"MENSAGERIADFE"_s, kinds::numberWhenChecked(2, 0));
    emiteCTe.label = u"Mensageria DFe:"_s;
    return Page{
        .name = u"ts_AutenticaCTe"_s,
        .description = u"Envia o XML do CT-e ao SEFAZ para autorização e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_FilialAutenticaCTe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFAutenticaCTe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_CodSerieAutenticaCTe"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_NumeroAutenticaCTe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMCTE"_s, kinds::integer()),
            line(u"ed_XMLAutenticaCTe"_s, u"XML:"_s)
                .withFilePicker(u"bt_XMLAutenticaCTe"_s)
                .sends(u"XML"_s, kinds::joinedFileText(EmptyPath::Error)),
            line(u"ed_XMLTransacaoAutenticaCTe"_s, u"XML Transação:"_s)
                .withFilePicker(u"bt_XMLTransacaoAutenticaCTe"_s)
                .sends(u"XMLTRANSACAO"_s, kinds::joinedFileText(EmptyPath::EmptyText)),
            emiteCTe,
            line(u"ed_PathXMLAutenticaCTe"_s, u"Path XML EmiteCTe:"_s).sends(u"PATHSALVAR"_s),
            line(u"ed_ParaAutenticaCTe"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            hint(u"lb_HintParaAutenticaCTe"_s, u"(informar os endereços separados por \";\")"_s),
            comboEditable(u"cb_ImpressoraAutenticaCTe"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_ConsultaImpressorasAutenticaCTe"_s,
                                   readings::codeOf(kTipoComunicacao))
                .sends(u"NomeImpressora"_s),
            button(u"bt_TestarAutenticaCTe"_s, u"Testar"_s,
                   send(u"TCTeAPI/AutenticaCTe"_s, fiscal::resultText(xmlAutenticado))),
            memo(xmlAutenticado, u"XML Autenticado"_s),
        }};
}

Page cancelarCTeSefaz() {
    const QString evento = u"mm_XMLEventoCancelarCTeSefaz"_s;
    const QString nota = u"mm_XMLNotaCancelarCTeSefaz"_s;
    return Page{
        .name = u"ts_CancelarCTeSefaz"_s,
        .description = u"Cancela um CT-e no SEFAZ e envia o resultado por e-mail"_s,
        .controls = {
            line(u"ed_FilialCancelarCTeSefaz"_s, u"Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_CNPJCancelarCTeSefaz"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_SerieCancelarCTeSefaz"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_ECFCancelarCTeSefaz"_s, u"ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_NumeroCancelarCTeSefaz"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMEROCTE"_s, kinds::integer()),
            line(u"ed_JustificativaCancelarCTeSefaz"_s, u"Justificativa"_s, kJustificativaCTe)
                .sends(u"JUSTIFICATIVA"_s),
            line(u"ed_DataCancelarCTeSefaz"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_AtualizaDataCancelarCTeSefaz"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            line(u"ed_ParaCancelarCTeSefaz"_s, u"Para"_s).sends(u"EMAILPARA"_s),
            button(u"bt_TestarCancelarCTeSefaz"_s, u"Testar"_s,
                   send(u"TCTeAPI/CancelarCTeSefaz"_s,
                        fiscal::eventReading(fiscal::eventRecord(evento, nota)))),
            memo(evento, u"XML do Evento"_s),
            memo(nota, u"XML da Nota"_s),
        }};
}

Page consultarCTe() {
    return Page{
        .name = u"ts_ConsultarCTe"_s,
        .description = u"Consulta um CT-e guardado no middleware"_s,
        .controls = {
            line(u"ed_FilialConsultarCTe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFConsultarCTe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieConsultarCTe"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroConsultarCTe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMCTE"_s, kinds::integer()),
            button(u"bt_TestarConsultarCTe"_s, u"Testar"_s, send(u"TCTeAPI/ConsultarCTe"_s)),
        }};
}

Page inutilizaCTe() {
    const QString cnpj = u"ed_CNPJInutilizaCTe"_s;
    const QString justificativa = u"ed_JustificativaInutilizaCTe"_s;
    const QString serie = u"ed_SerieInutilizaCTe"_s;
    const QString inicial = u"ed_NumeracaoInicialInutilizaCTe"_s;
    const QString final = u"ed_NumeracaoFinalInutilizaCTe"_s;
    BatchRun b = disablementRun(u"vt_InutilizaCTe"_s, u"TCTeAPI/InutilizaCTe"_s, {inicial, final});
    b.modeGroup = u"rg_InutilizaCTeTipo"_s;
    b.groupBox = u"gb_FaixasInutilizaCTe"_s;
    b.grid = u"dbg_InutilizaCTe"_s;
    b.navigator = u"db_InutilizaCTe"_s;
    b.importButton = u"btImportarAqruivoInutilizaCTe"_s;
    b.clearButton = u"bt_LimparGridInutilizaCTe"_s;
    const Action run = b.action({notBlank(cnpj, u"Informe o CNPJ."_s),
                                 notBlank(justificativa, u"Informe a justificativa."_s),
                                 notBlank(serie, u"Informe a série."_s)},
                                {notBlank(inicial, u"Informe a numeração inicial."_s),
                                 notBlank(final, u"Informe a numeração final."_s)},
                                send(u"TCTeAPI/InutilizaCTe"_s));
    return Page{
        .name = u"ts_InutilizaCTe"_s,
        .description = u"Inutiliza no SEFAZ uma faixa de números de CT-e (ou várias, em lote)"_s,
        .controls =
            {
                line(cnpj, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                line(justificativa, u"Justificativa"_s, u"Teste de Inutilização"_s)
                    .sends(u"Justificativa"_s),
                line(serie, u"Série"_s, u"0"_s).sends(u"Serie"_s, kinds::integer()),
                b.modeControl(),
                line(inicial, u"Numeração Inicial"_s, u"0"_s)
                    .labelNamed(u"lb_NumeracaoInicialInutilizaCTe"_s)
                    .sends(u"NumeroInicial"_s, kinds::integer()),
                line(final, u"Numeração Final"_s, u"0"_s)
                    .labelNamed(u"lb_NumeracaoFinalInutilizaCTe"_s)
                    .sends(u"NumeroFinal"_s, kinds::integer()),
                comboList(u"cb_ModeloInutilizaCTe"_s, u"Modelo"_s, {u"57 - CT-e"_s}, 0)
                    .sends(u"ModeloFiscal"_s, kinds::firstChars(2)),
                b.gridBox(),
                button(u"bt_TestarInutilizaCTe"_s, u"Testar"_s, run).keptInSight(),
            },
        .onBuilt = [b](PageContext& page) { b.applyMode(page); },
    };
}

Page cteOnLine() {
    return Page{
        .name = u"ts_CTeOnLine"_s,
        .description = u"Pergunta se o serviço de CT-e do SEFAZ está no ar para uma empresa"_s,
        .controls = {
            line(u"ed_CNPJCTeOnline"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            comboEditable(u"cb_ContingenciaCTeOnline"_s, u"Contingência"_s,
                          {u"Normal"_s, u"SVCAN"_s, u"SVCRS"_s}, u"Normal"_s, 0)
                .sends(u"TIPOEMISSAO"_s, kinds::position()),
            comboEditable(u"cb_ModeloCTeOnline"_s, u"Modelo da Nota"_s, {u"57"_s}, u"57"_s, 0)
                .sends(u"MODELONOTA"_s),
            button(u"bt_TestarCTeOnline"_s, u"Testar"_s, send(u"TCTeAPI/CTeOnLine"_s)),
        }};
}

// The fields that name a stored CT-e on the printing and PDF pages, in their order.
std::vector<Control> storedCTe(const QString& suffix) {
    return {
        line(u"ed_CNPJ"_s + suffix, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
        line(u"ed_Filial"_s + suffix, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
        line(u"ed_ECF"_s + suffix, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
        line(u"ed_Serie"_s + suffix, u"Série"_s, u"1"_s).sends(u"Serie"_s),
        line(u"ed_Numero"_s + suffix, u"Número"_s, u"1"_s).sends(u"Numero"_s, kinds::integer()),
    };
}

Page imprimeCTeDACTE() {
    std::vector<Control> controls = storedCTe(u"ImprimeCTeDACTE"_s);
    controls.push_back(comboEditable(u"cb_ImpressoraImprimeCTeDACTE"_s, u"Impressora"_s, {})
                           .withPrinterLookup(u"bt_ConsultaImpressorasImprimeCTeDACTE"_s)
                           .sends(u"NomeImpressora"_s));
    controls.push_back(
        button(u"bt_TestarImprimeCTeDACTE"_s, u"Testar"_s, send(u"TCTeAPI/ImprimeCTeDACTE"_s)));
    return Page{.name = u"ts_ImprimeCTeDACTE"_s,
                .description = u"Imprime o DACTE de um CT-e guardado no middleware"_s,
                .controls = std::move(controls)};
}

Page imprimeEventoCTe() {
    std::vector<Control> controls = storedCTe(u"ImprimeEventoCTe"_s);
    controls.push_back(
        line(u"ed_ProtocoloEventoImprimeEventoCTe"_s, u"Protocolo Evento"_s, kProtocoloEvento)
            .sends(u"ProtocoloEvento"_s));
    controls.push_back(comboEditable(u"cb_ImpressoraImprimeEventoCTe"_s, u"Impressora"_s, {})
                           .withPrinterLookup(u"bt_ConsultaImpressorasImprimeEventoCTe"_s)
                           .sends(u"NomeImpressora"_s));
    controls.push_back(
        button(u"bt_TestarImprimeEventoCTe"_s, u"Testar"_s, send(u"TCTeAPI/ImprimeEventoCTe"_s)));
    return Page{.name = u"ts_ImprimeEventoCTe"_s,
                .description = u"Imprime um evento de um CT-e guardado"_s,
                .controls = std::move(controls)};
}

Page imprimeCTeDACTEPeloXML() {
    return Page{.name = u"TabSheet1"_s,
                .description = u"Imprime o DACTE a partir do XML autorizado de um CT-e"_s,
                .controls = {
                    line(u"ed_XMLSEFAZImprimeCTeDACTEPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLSEFAZImprimeCTeDACTEPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoImprimeCTeDACTEPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    comboEditable(u"cb_ImpressoraImprimeCTeDACTEPeloXML"_s, u"Impressora"_s, {})
                        .withPrinterLookup(u"bt_ImpressoraImprimeCTeDACTEPeloXML"_s)
                        .sends(u"NomeImpressora"_s),
                    button(u"bt_TestarImprimeCTeDACTEPeloXML"_s, u"Testar"_s,
                           send(u"TCTeAPI/ImprimeCTeDACTEPeloXML"_s)),
                }};
}

Page geraCTePDFPeloXML() {
    return Page{.name = u"TabSheet2"_s,
                .description = u"Gera o DACTE em PDF a partir do XML autorizado de um CT-e"_s,
                .controls = {
                    line(u"ed_XMLSEFAZGeraCTePDFPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLSEFAZGeraCTePDFPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoGeraCTePDFPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    button(u"bt_TestarGeraCTePDFPeloXML"_s, u"Testar"_s,
                           send(u"TCTeAPI/GeraCTePDFPeloXML"_s)),
                }};
}

Page consultaPeloUltimoNSUCTe() {
    return Page{.name = u"ts_ConsultaPeloUltimoNSUCTe"_s,
                .description = u"Consulta os CT-e emitidos contra a empresa depois de um NSU"_s,
                .controls = {
                    line(u"ed_CNPJConsultaPeloNSUCTe"_s, u"CNPJ"_s).sends(u"CNPJ"_s),
                    line(u"ed_UltimoNSUConsultaPeloNSUCTe"_s, u"Último NSU"_s).sends(u"UltNSU"_s),
                    line(u"ed_filialConsultaPeloNSUCTe"_s, u"Filial"_s).sends(u"CODFILIAL"_s),
                    button(u"bt_TestarConsultaPeloNSUCTe"_s, u"Testar"_s,
                           send(u"TCTeAPI/ConsultaPeloUltimoNSU"_s)),
                }};
}

Page manifestarCTe() {
    return Page{
        .name = u"ts_ManifestarCTe"_s,
        .description = u"Registra a manifestação do tomador sobre um CT-e"_s,
        .controls = {
            line(u"ed_CNPJEmitenteManifestarCTe"_s, u"CNPJ Emitente"_s).sends(u"CNPJEMITENTE"_s),
            line(u"ed_FilialManifestarCTe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFManifestarCTe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieManifestarCTe"_s, u"Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroManifestarCTe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMDFE"_s, kinds::integer()),
            comboList(u"cb_TipoManifestoManifestarCTe"_s, u"Tipo de Manifesto:"_s,
                      {u"610110 - Prestação de serviço em desacordo com o informado no CTe"_s}, 0)
                .sends(u"TPMANISFESTO"_s, kinds::digitsOnly()),
            memo(u"mm_ObservacaoManifestarCTe"_s, u"Observação:"_s).sends(u"OBSERVACAO"_s),
            button(u"bt_TestarManifestarCTe"_s, u"Testar"_s, send(u"TCTeAPI/ManifestarCTe"_s)),
        }};
}

Page cartaCorrecaoCTe() {
    return Page{
        .name = u"ts_CartaCorrecaoCTe"_s,
        .description = u"Envia uma carta de correção de um campo de um CT-e autorizado"_s,
        .controls = {
            line(u"ed_FilialCartaCorrecaoCTe"_s, u"Código da Filial"_s, u"001"_s)
                .sends(u"FILIAL"_s),
            line(u"ed_CNPJCartaCorrecaoCTe"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_ECFCartaCorrecaoCTe"_s, u"Número do ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_SerieCartaCorrecaoCTe"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_NumeroCartaCorrecaoCTe"_s, u"Número do CT-e"_s, u"1"_s)
                .sends(u"NUMEROCTE"_s, kinds::integer()),
            line(u"ed_GrupoAlteradoCartaCorrecaoCTe"_s, u"Grupo alterado"_s)
                .sends(u"GRUPOALTERADO"_s),
            line(u"ed_CampoAlteradoCartaCorrecaoCTe"_s, u"Campo alterado"_s)
                .sends(u"CAMPOALTERADO"_s),
            line(u"ed_ValorAlteradoCartaCorrecaoCTe"_s, u"Valor alterado"_s)
                .sends(u"VALORALTERADO"_s),
            line(u"ed_ItemAlteradoCartaCorrecaoCTe"_s, u"Item alterado"_s)
                .sends(u"ITEMALTERADO"_s, kinds::integer()),
            line(u"ed_DataCartaCorrecaoCTe"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_DataCartaCorrecaoCTe"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            button(u"bt_TestarCartaCorrecaoCTe"_s, u"Testar"_s, send(u"TCTeAPI/CartaCorrecao"_s)),
        }};
}

Page geraCTePreviaPDFPeloXML() {
    return Page{.name = u"ts_GeraCTePreviaPDFPeloXML"_s,
                .description = u"Gera uma prévia do DACTE em PDF a partir do XML de um CT-e"_s,
                .controls = {
                    line(u"ed_XMLGeraCTePreviaPDFPeloXML"_s, u"XML do SEFAZ"_s)
                        .withFilePicker(u"bt_XMLGeraCTePreviaPDFPeloXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
                    line(u"ed_CanhotoGeraCTePreviaPDFPeloXML"_s, u"Canhoto"_s).sends(u"CANHOTO"_s),
                    button(u"bt_CanhotoGeraCTePreviaPDFPeloXML"_s, u"Testar"_s,
                           send(u"TCTeAPI/GeraCTePreviaPDFPeloXML"_s)),
                }};
}

Page geraPDFEventoCTe() {
    std::vector<Control> controls = storedCTe(u"GeraPDFEventoCTe"_s);
    controls.push_back(
        line(u"ed_ProtocoloGeraPDFEventoCTe"_s, u"Protocolo Evento"_s, kProtocoloEvento)
            .sends(u"ProtocoloEvento"_s));
    controls.push_back(
        button(u"bt_TestarGeraPDFEventoCTe"_s, u"Testar"_s, send(u"TCTeAPI/GeraPDFEventoCTe"_s)));
    return Page{.name = u"ts_GeraPDFEventoCTe"_s,
                .description = u"Gera o PDF de um evento de um CT-e guardado"_s,
                .controls = std::move(controls)};
}

} // namespace

std::vector<Page> ctePages() {
    return {autenticaCTe(),
            cancelarCTeSefaz(),
            consultarCTe(),
            inutilizaCTe(),
            cteOnLine(),
            imprimeCTeDACTE(),
            imprimeEventoCTe(),
            imprimeCTeDACTEPeloXML(),
            geraCTePDFPeloXML(),
            consultaPeloUltimoNSUCTe(),
            manifestarCTe(),
            cartaCorrecaoCTe(),
            geraCTePreviaPDFPeloXML(),
            geraPDFEventoCTe()};
}
