// The non-fiscal printer API pages. The printer services take the data value itself, without
// session or envelope; some answer in a message box, the others in the panes.
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

// Where a printer service's answer is shown.
enum class Answer { MessageBox, Panes };

// The plain exchange of a printer service, its data value built from the page's keys.
Action printer(const QString& service, Answer answer, DadosFn dados = {}) {
    Action a;
    a.path = u"TImpressoraNaoFiscalAPI/"_s + service;
    a.exchange = Exchange::Plain;
    a.dados = std::move(dados);
    if (answer == Answer::MessageBox) {
        a.options.showInPanes = false;
        a.reading = readings::answerInMessageBox();
    }
    return a;
}

// A printer token: the CNPJ as a bare string through the signed envelope; the panes are left
// as they were and the bare result goes into the field.
Action token(const QString& service, const QString& cnpj, const QString& field) {
    Action a = send(u"TNFeAPI/"_s + service, readings::resultIntoField(field));
    a.dados = dados::bareString(cnpj);
    a.options.showInPanes = false;
    return a;
}

Page inicializa() {
    const QString cnpj = u"ed_CnpjImpressora"_s;
    const QString tokenField = u"ed_TokenImpressora"_s;
    const QString tokenId = u"ed_TokenIdImpressora"_s;
    return Page{
        .name = u"ts_Inicializa"_s,
        .description =
            u"Inicializa, ativa ou desativa a impressora não fiscal e pede o token do serviço de NF-e"_s,
        .controls =
            {
                line(cnpj, u"CNPJ"_s, u"11222333000181"_s),
                line(tokenField, u"Token"_s).sends(u"TOKEN"_s),
                line(tokenId, u"Token Id"_s).sends(u"IDTOKEN"_s),
                comboEditable(u"cb_ModeloImpressora"_s, u"Modelo"_s,
                              {u"Nenhuma"_s, u"Daruma"_s, u"Epson"_s, u"Bematech"_s}, {}, 1)
                    .sends(u"MODELO"_s),
                line(u"ed_PortaImpressora"_s, u"Porta"_s, u"COM4"_s).sends(u"PORTA"_s),
                line(u"ed_VelocidadeImpressora"_s, u"Velocidade"_s, u"115200"_s)
                    .sends(u"VELOCIDADE"_s, kinds::integer()),
                button(u"bt_InicializaImpressoNaoFiscal"_s, u"InicializaImpressoNaoFiscal"_s,
                       printer(u"InicializaImpressoraNaoFiscal"_s, Answer::MessageBox)),
                button(u"bt_AtivarImpressora"_s, u"Ativar"_s,
                       printer(u"Ativar"_s, Answer::MessageBox, dados::emptyObject())),
                button(u"bt_DesativarImpressora"_s, u"Desativar"_s,
                       printer(u"Desativar"_s, Answer::MessageBox, dados::emptyObject())),
                button(u"bt_TokenImpressora"_s, u"Token TNFeAPI"_s,
                       token(u"Token"_s, cnpj, tokenField)),
                button(u"bt_TokenIdImpressora"_s, u"Token Id TNFeAPI"_s,
                       token(u"TokenID"_s, cnpj, tokenId)),
            },
        .keyOrder = {u"MODELO"_s, u"PORTA"_s, u"VELOCIDADE"_s, u"TOKEN"_s, u"IDTOKEN"_s},
    };
}

Page imprimeTextoNaoFiscal() {
    const QString texto = u"mm_TextoImprimeTextoNaoFiscal"_s;
    return Page{
        .name = u"ts_imprimeTextoNaoFiscal"_s,
        .description = u"Imprime um texto livre na impressora não fiscal"_s,
        .controls = {
            memo(texto, u"Texto"_s, u"Olá mundo!"_s),
            button(u"bt_imprimeTextoNaoFiscalImpressora"_s, u"Imprimir"_s,
                   printer(u"imprimeTextoNaoFiscal"_s, Answer::Panes, dados::bareString(texto))),
        }};
}

Page imprimeDANFENFCe() {
    return Page{
        .name = u"ts_imprimeDANFENFCe"_s,
        .description =
            u"Imprime o DANFE de uma NFC-e a partir do XML autorizado, com os totais de tributos"_s,
        .controls = {
            line(u"ed_XmlimprimeDANFENFCe"_s, u"XML do SEFAZ"_s)
                .withFilePicker(u"bt_PathimprimeDANFENFCe"_s)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
            line(u"ed_ImpMunimprimeDANFENFCe"_s, u"Imp. Municipais"_s)
                .sends(u"IMPOSTOSMUNICIPAIS"_s, kinds::money(true)),
            line(u"ed_ImpEstimprimeDANFENFCe"_s, u"Imp. Estaduais"_s)
                .sends(u"IMPOSTOSESTADUAIS"_s, kinds::money(true)),
            line(u"ed_ImpFedimprimeDANFENFCe"_s, u"Imp. Federais"_s)
                .sends(u"IMPOSTOSFEDERAIS"_s, kinds::money(true)),
            memo(u"mm_RodapeimprimeDANFENFCe"_s, u"Rodapé"_s).sends(u"RODAPE"_s),
            button(u"bt_ImprimirimprimeDANFENFCe"_s, u"Imprimir"_s,
                   printer(u"imprimeDANFENFCe"_s, Answer::MessageBox)),
        }};
}

Page imprimeEvento() {
    return Page{.name = u"ts_imprimeEvento"_s,
                .description = u"Imprime um evento junto com a sua nota na impressora não fiscal"_s,
                .controls = {
                    line(u"ed_ArqEventoImpressora"_s, u"XML do Evento"_s)
                        .withFilePicker(u"bt_CarregarEventoImpressora"_s)
                        .sends(u"XMLEVENTO"_s, kinds::fileText(EmptyPath::Error)),
                    line(u"ed_ArqNotaImpressora"_s, u"XML da Nota"_s)
                        .withFilePicker(u"bt_ArqNotaImpressora"_s)
                        .sends(u"XMLNOTA"_s, kinds::fileText(EmptyPath::Error)),
                    button(u"bt_imprimeEventoImpressora"_s, u"Imprimir"_s,
                           printer(u"imprimeEvento"_s, Answer::MessageBox)),
                }};
}

Page setvTroco() {
    return Page{
        .name = u"ts_SetvTroco"_s,
        .description = u"Define o valor do troco impresso no cupom"_s,
        .controls = {
            line(u"ed_ValorSetvTroco"_s, u"Troco"_s).sends(u"VALOR"_s, kinds::money(true)),
            button(u"bt_TestarSetvTroco"_s, u"Testar"_s, printer(u"SetvTroco"_s, Answer::Panes)),
        }};
}

// A CF-e SAT statement page: the sale's receipt XML, printed.
Page extrato(const QString& service) {
    return Page{
        .name = u"ts_"_s + service,
        .description = service.contains(u"Resumido"_s)
                           ? u"Imprime o extrato resumido de uma venda em CF-e SAT"_s
                           : u"Imprime o extrato completo de uma venda em CF-e SAT"_s,
        .controls = {
            line(u"ed_XML"_s + service, u"XML Recibo da Venda"_s)
                .withFilePicker(u"bt_Path"_s + service)
                .sends(u"XMLVEN"_s, kinds::fileText(EmptyPath::Error)),
            button(u"bt_Imprimir"_s + service, u"Imprimir"_s, printer(service, Answer::Panes)),
        }};
}

Page imprimirExtratoCancelamento() {
    return Page{.name = u"ts_ImprimirExtratoCancelamento"_s,
                .description = u"Imprime o extrato do cancelamento de um CF-e SAT"_s,
                .controls = {
                    line(u"ed_XMLImprimirExtratoCancelamento"_s, u"XML Recibo de Cancelamento"_s)
                        .withFilePicker(u"bt_PathImprimirExtratoCancelamento"_s)
                        .sends(u"XMLCAN"_s, kinds::fileText(EmptyPath::Error)),
                    line(u"ed_XMLVenImprimirExtratoCancelamento"_s, u"XML Recibo de Venda"_s)
                        .withFilePicker(u"bt_PathVenImprimirExtratoCancelamento"_s)
                        .sends(u"XMLVEN"_s, kinds::fileText(EmptyPath::Error)),
                    button(u"bt_ImprimirImprimirExtratoCancelamento"_s, u"Imprimir"_s,
                           printer(u"ImprimirExtratoCancelamento"_s, Answer::Panes)),
                }};
}

Page setUsaCodigoEanImpressao() {
    return Page{.name = u"ts_SetUsaCodigoEanImpressao"_s,
                .description =
                    u"Diz ao serviço de impressão se deve imprimir o código EAN dos produtos"_s,
                .controls = {
                    check(u"ck_SetUsaCodigoEanImpressao"_s, u"Usa código EAN na impressão?"_s)
                        .sends(u"VALOR"_s, kinds::boolean()),
                    button(u"bt_UsaCodigoEanImpressao"_s, u"Testar"_s,
                           printer(u"SetUsaCodigoEanImpressao"_s, Answer::Panes)),
                }};
}

} // namespace

std::vector<Page> impressoraPages() {
    return {inicializa(),
            imprimeTextoNaoFiscal(),
            imprimeDANFENFCe(),
            imprimeEvento(),
            setvTroco(),
            extrato(u"ImprimirExtratoCFeSAT"_s),
            extrato(u"ImprimirExtratoResumidoCFeSAT"_s),
            imprimirExtratoCancelamento(),
            setUsaCodigoEanImpressao()};
}
