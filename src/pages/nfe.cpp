// The NF-e API pages: authorisation, validation, conversion, cancellation, correction letters
// and SAT status.
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

using namespace kit;
using namespace nfe;

namespace {

const SatControls kAutenticaCFeSAT{u"ed_RetornoAutenticaCFeSAT"_s,
                                   u"mm_XMLAutAutenticaCFeSAT"_s,
                                   u"XML para Impressão"_s,
                                   QString(),
                                   u"ed_NumeroSATAutenticaCFeSAT"_s,
                                   u"ed_NumeroDocAutenticaCFeSAT"_s,
                                   u"ed_CodigoDeRetornoAutenticaCFeSAT"_s,
                                   u"ed_MensagemDeRetornoAutenticaCFeSAT"_s,
                                   u"ed_CodigoDeErroAutenticaCFeSAT"_s,
                                   u"ed_MensagemDeErroAutenticaCFeSAT"_s,
                                   u"ed_MensagemSistemaAutenticaCFeSAT"_s};
const SatControls kCancelarCFeSAT{u"ed_RetornoCancelarCFeSAT"_s,
                                  u"mm_XmlCancCancelarCFeSAT"_s,
                                  u"XML do Recibo do Cancelamento"_s,
                                  u"mm_XMLVenCancelarCFeSAT"_s,
                                  QString(),
                                  QString(),
                                  u"ed_CodigoDeRetornoCancelarCFeSAT"_s,
                                  u"ed_MensagemDeRetornoCancelarCFeSAT"_s,
                                  u"ed_CodigoDeErroCancelarCFeSAT"_s,
                                  u"ed_MensagemDeErroCancelarCFeSAT"_s,
                                  u"ed_MensagemSistemaCancelarCFeSAT"_s};
const SatControls kAutenticaCFeSATArqNF{u"ed_RetornoAutenticaCFeSATArqNF"_s,
                                        u"mm_XmlImpAutenticaCFeSATArqNF"_s,
                                        u"XML para Impressão"_s,
                                        QString(),
                                        u"ed_NumeroSatAutenticaCFeSATArqNF"_s,
                                        u"ed_NumeroCfeAutenticaCFeSATArqNF"_s,
                                        u"ed_CodigoDeRetornoAutenticaCFeSATArqNF"_s,
                                        u"ed_MensagemDeRetornoAutenticaCFeSATArqNF"_s,
                                        u"ed_CodigoDeErroAutenticaCFeSATArqNF"_s,
                                        u"ed_MensagemDeErroAutenticaCFeSATArqNF"_s,
                                        u"ed_MensagemSistemaAutenticaCFeSATArqNF"_s};
const SatControls kAutenticaCFeSATComplementar{u"ed_AutenticaCFeSATComplementarRetorno"_s,
                                               u"mm_AutenticaCFeSATComplementarXMLImpressao"_s,
                                               u"XML para Impressão"_s,
                                               QString(),
                                               u"ed_AutenticaCFeSATComplementarRetNumeroSAT"_s,
                                               u"ed_AutenticaCFeSATComplementarRetNumeroCFe"_s,
                                               u"ed_AutenticaCFeSATComplementarRetCodigoRetorno"_s,
                                               u"ed_AutenticaCFeSATComplementarRetMsgRetorno"_s,
                                               u"ed_AutenticaCFeSATComplementarRetCodigoErro"_s,
                                               u"ed_AutenticaCFeSATComplementarMsgErro"_s,
                                               u"Edit12"_s};

Page autenticaCFeSAT() {
    return Page{
        .name = u"ts_AutenticaCFeSAT"_s,
        .description =
            u"Envia a transação de venda ao SAT para autorizar o CF-e SAT e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_CodfilAutenticaCfeSAT"_s, u"Código da Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_NumecfAutenticaCfeSAT"_s, u"Número do ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_CodserAutenticaCFeSAT"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumnotAutenticaCFeSAT"_s, u"Número da Nota"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_XmltrnAutenticaCfeSAT"_s, u"XML da Transação"_s)
                .withFilePicker(u"bt_PathAutenticaCfeSAT"_s)
                .sends(u"XMLTRN"_s, kinds::fileText(EmptyPath::Error)),
            line(u"ed_ParaAutenticaCFeSAT"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            button(u"bt_TestarAutenticaCfeSAT"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaCFeSAT"_s,
                        fiscal::recordReading(satRecord(kAutenticaCFeSAT)))),
            satOutputs(u"gb_RetornoAutenticaCFeSAT"_s, kAutenticaCFeSAT),
        }};
}

Page cancelarCFeSAT() {
    return Page{
        .name = u"ts_CancelarCFeSAT"_s,
        .description = u"Cancela no SAT um CF-e SAT já autorizado"_s,
        .controls = {
            line(u"ed_CodfilCancelarCFeSAT"_s, u"Código da Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_NumecfCancelarCFeSAT"_s, u"Número do ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_CodserCancelarCFeSAT"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumnotCancelarCFeSAT"_s, u"Número da Nota"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            button(u"bt_TestarCancelarCFeSAT"_s, u"Testar"_s,
                   send(u"TNFeAPI/CancelaCFeSAT"_s,
                        fiscal::recordReading(satRecord(kCancelarCFeSAT)))),
            satOutputs(u"gb_RetornoCancelarCFeSAT"_s, kCancelarCFeSAT),
        }};
}

Page converteArqNF() {
    const QString quebraConverteArqNF = u"ed_QuebraConverteArqNF"_s;
    return Page{
        .name = u"ts_ConverteArqNF"_s,
        .description = u"Converte o arquivo de venda do ERP no XML da nota"_s,
        .controls = {
            line(u"ed_ErpConverteArqNF"_s, u"ERP da Venda"_s)
                .withFilePicker(u"sb_PathConverteArqNF"_s)
                .sends(u"ConteudoERP"_s,
                       kinds::markedFileText(quebraConverteArqNF, EmptyPath::Error)),
            line(quebraConverteArqNF, u"Quebra de Linha"_s, u"\\n"_s).sends(u"QuebraLinha"_s),
            button(u"bt_TestarConverteArqNF"_s, u"Testar"_s, send(u"TNFeAPI/ConverteArqNF"_s)),
        }};
}

Page validaArqNF() {
    const QString quebraValidaArqNF = u"ed_QuebraValidaArqNF"_s;
    return Page{
        .name = u"ts_ValidaArqNF"_s,
        .description = u"Valida o arquivo de venda do ERP sem autorizar a nota"_s,
        .controls = {
            line(u"ed_FilialValidaArqNF"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_EcfValidaArqNF"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieValidaArqNF"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroValidaArqNF"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_ErpValidaArqNF"_s, u"ERP da Venda"_s)
                .withFilePicker(u"bt_PathValidaArqNF"_s)
                .sends(u"ARQERP"_s, kinds::markedFileText(quebraValidaArqNF, EmptyPath::Error)),
            line(quebraValidaArqNF, u"Quebra de Linha"_s, u"\\n"_s).sends(u"QUEBRA"_s),
            button(u"bt_TestarValidaArqNF"_s, u"Testar"_s, send(u"TNFeAPI/ValidaArqNF"_s)),
        }};
}

Page autenticaArqNF() {
    const QString quebraAutenticaArqNF = u"ed_QuebraAutenticaArqNF"_s;
    const QString xMLAutenticadoAutenticaArqNF = u"mm_XMLAutenticadoAutenticaArqNF"_s;
    return Page{
        .name = u"ts_AutenticaArqNF"_s,
        .description =
            u"Autoriza uma nota a partir do arquivo de venda do ERP e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_FilialAutenticaArqNF"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_EcfAutenticaArqNF"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieAutenticaArqNF"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroAutenticaArqNF"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_ErpAutenticaArqNF"_s, u"ERP da Venda"_s)
                .withFilePicker(u"bt_PathAutenticaArqNF"_s)
                .sends(u"ARQERP"_s, kinds::markedFileText(quebraAutenticaArqNF, EmptyPath::Error)),
            line(quebraAutenticaArqNF, u"Quebra de Linha"_s, u"\\n"_s).sends(u"QUEBRA"_s),
            line(u"ed_ParaAutenticaArqNF"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            comboEditable(u"ed_AutenticaArqNFImpressora"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_AutenticaArqNFImpressora"_s)
                .sends(u"NomeImpressora"_s),
            button(u"bt_TestarAutenticaArqNF"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaArqNF"_s,
                        fiscal::resultText(xMLAutenticadoAutenticaArqNF))),
            memo(xMLAutenticadoAutenticaArqNF, u"XML Autenticado"_s),
        }};
}

Page cancelarNFe() {
    const QString xmlEventoCancelarNFe = u"mm_XmlEventoCancelarNFe"_s;
    const QString xmlNotaCancelarNFe = u"mm_XmlNotaCancelarNFe"_s;
    return Page{
        .name = u"ts_CancelarNFe"_s,
        .description =
            u"Cancela uma nota NF-e ou NFC-e autorizada e mostra o XML do evento de cancelamento"_s,
        .controls = {
            line(u"ed_FilialCancelarNFe"_s, u"Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_CNPJCancelarNFe"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_SerieCancelarNFe"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_ECFCancelarNFe"_s, u"ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_NumeroCancelarNFe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMERONOTA"_s, kinds::integer()),
            line(u"ed_JustificativaCancelarNFe"_s, u"Justificativa"_s, kJustificativa)
                .sends(u"JUSTIFICATIVA"_s),
            line(u"ed_DataCancelarNFe"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_DataCancelarNFe"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            button(u"bt_TestarCancelarNFe"_s, u"Testar"_s,
                   send(u"TNFeAPI/CancelarNFe"_s, fiscal::recordReading(fiscal::eventRecord(
                                                      xmlEventoCancelarNFe, xmlNotaCancelarNFe)))),
            memo(xmlEventoCancelarNFe, u"XML do Evento"_s),
            memo(xmlNotaCancelarNFe, u"XML da Nota"_s),
        }};
}

Page autenticaCFeSATArqNF() {
    const QString quebraAutenticaCFeSATArqNF = u"ed_QuebraAutenticaCFeSATArqNF"_s;
    return Page{
        .name = u"ts_AutenticaArqNFSAT"_s,
        .description =
            u"Autoriza um CF-e SAT a partir do arquivo de venda do ERP e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_CodfilAutenticaCFeSATArqNF"_s, u"Código da Filial"_s, u"001"_s)
                .sends(u"CODFIL"_s),
            line(u"ed_NumecfAutenticaCFeSATArqNF"_s, u"Número do ECF"_s, u"001"_s)
                .sends(u"NUMECF"_s),
            line(u"ed_CodserAutenticaCFeSATArqNF"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"CODSER"_s),
            line(u"ed_NumnotAutenticaCFeSATArqNF"_s, u"Número da Nota"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_ErpAutenticaCFeSATArqNF"_s, u"ERP da Venda"_s)
                .withFilePicker(u"bt_PathAutenticaCFeSATArqNF"_s)
                .sends(u"ARQERP"_s,
                       kinds::markedFileText(quebraAutenticaCFeSATArqNF, EmptyPath::Error)),
            line(quebraAutenticaCFeSATArqNF, u"Quebra de Linha"_s, u"\\n"_s).sends(u"QUEBRA"_s),
            line(u"ed_ParaAutenticaCFeSATArqNF"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            button(u"bt_TestarAutenticaCFeSATArqNF"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaCFeSATArqNF"_s,
                        fiscal::recordReading(satRecord(kAutenticaCFeSATArqNF)))),
            satOutputs(u"gb_RetornoAutenticaCFeSATArqNF"_s, kAutenticaCFeSATArqNF),
        }};
}

Page satAtivo() {
    Action a = send(u"TNFeAPI/SATAtivo"_s);
    a.dados = dados::emptyObject();
    return Page{.name = u"ts_SATAtivo"_s,
                .description = u"Pergunta se o equipamento SAT está ativo"_s,
                .controls = {button(u"bt_TestarSATAtivo"_s, u"Testar"_s, a)}};
}

Page autenticaSEFAZ() {
    const QString xMLAutenticadoAutenticaSEFAZ = u"mm_XMLAutenticadoAutenticaSEFAZ"_s;
    const QString sefaz = u"rb_MensageriaDFeSefazAutenticaSEFAZ"_s;
    return Page{
        .name = u"ts_AutenticaSEFAZ"_s,
        .description =
            u"Envia o XML da NF-e ou NFC-e ao SEFAZ para autorização e mostra o XML autorizado"_s,
        .controls = {
            line(u"ed_FilialAutenticaSEFAZ"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFAutenticaSEFAZ"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieAutenticaSEFAZ"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_NumeroAutenticaSEFAZ"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_XMLAutenticaSEFAZ"_s, u"XML:"_s)
                .withFilePicker(u"bt_PathAutenticaSEFAZ"_s)
                .sends(u"XML"_s, kinds::joinedFileText(EmptyPath::Error)),
            line(u"ed_XMLTransacaoAutenticaSEFAZ"_s, u"XML Transação:"_s)
                .withFilePicker(u"bt_XMLTransacaoAutenticaSEFAZ"_s)
                .sends(u"XMLTRANSACAO"_s, kinds::joinedFileText(EmptyPath::EmptyText)),
            group(u"pn_MensageriaDFeAutenticaSEFAZ"_s, u"Mensageria DFe:"_s,
                  {
                      radio(sefaz, u"Sefaz"_s, true)
                          .sends(u"MENSAGERIADFE"_s, kinds::numberWhenChecked(0, 1)),
                      radio(u"rb_MensageriaDFeEmiteNFeAutenticaSEFAZ"_s, u"Emite NFe"_s),
                  }),
            line(u"ed_PathSalvarAutenticaSEFAZ"_s, u"Path XML EmiteNFe:"_s, QString())
                .sends(u"PATHSALVAR"_s),
            line(u"ed_ParaAutenticaSEFAZ"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            comboEditable(u"ed_AutenticaSEFAZImpressora"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_AutenticaSEFAZImpressora"_s)
                .sends(u"NomeImpressora"_s),
            button(u"bt_TestarAutenticaSEFAZ"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaSEFAZ"_s,
                        fiscal::resultText(xMLAutenticadoAutenticaSEFAZ))),
            memo(xMLAutenticadoAutenticaSEFAZ, u"XML Autenticado"_s),
        }};
}

Page cartaCorrecao() {
    return Page{
        .name = u"ts_CartaCorrecao"_s,
        .description = u"Envia uma carta de correção (CC-e) para uma NF-e autorizada"_s,
        .controls = {
            line(u"ed_CodfilCartaCorrecao"_s, u"Código da Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_CnpjCartaCorrecao"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_NumecfCartaCorrecao"_s, u"Número do ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_CodserCartaCorrecao"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_NumnotCartaCorrecao"_s, u"Número da Nota"_s, u"1"_s)
                .sends(u"NUMERONOTA"_s, kinds::integer()),
            line(u"ed_TextoCartaCorrecao"_s, u"Texto da Carta"_s, kJustificativa)
                .sends(u"TEXTOCARTA"_s),
            line(u"ed_DataCartaCorrecao"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_DataCartaCorrecao"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            button(u"btCartaCorrecao"_s, u"Testar"_s, send(u"TNFeAPI/CartaCorrecao"_s)),
        }};
}

Page cancelarNFeSefaz() {
    const QString cancelarNFeSefazXmlEvento = u"mm_CancelarNFeSefazXmlEvento"_s;
    const QString cancelarNFeSefazXmlNota = u"mm_CancelarNFeSefazXmlNota"_s;
    return Page{
        .name = u"ts_CancelarNFeSefaz"_s,
        .description =
            u"Cancela no SEFAZ uma nota NF-e autorizada e envia o resultado por e-mail"_s,
        .controls = {
            line(u"ed_CancelarNFeSefazFilial"_s, u"Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_CancelarNFeSefazCNPJ"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_CancelarNFeSefazSerie"_s, u"Código da Série"_s, u"1"_s).sends(u"SERIE"_s),
            line(u"ed_CancelarNFeSefazECF"_s, u"ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_CancelarNFeSefazNumero"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMERONOTA"_s, kinds::integer()),
            line(u"ed_CancelarNFeSefazJustificativa"_s, u"Justificativa"_s, kJustificativa)
                .sends(u"JUSTIFICATIVA"_s),
            line(u"ed_CancelarNFeSefazData"_s, u"Data"_s, kDataPadrao)
                .withNowButton(u"bt_CancelarNFeSefazAtualizaData"_s)
                .sends(u"DATA"_s, kinds::dateTime()),
            line(u"ed_CancelarNFeSefazEmailPara"_s, u"Para"_s, QString()).sends(u"EMAILPARA"_s),
            button(u"bt_CancelarNFeSefazTestar"_s, u"Testar"_s,
                   send(u"TNFeAPI/CancelarNFeSefaz"_s,
                        fiscal::eventReading(fiscal::eventRecord(cancelarNFeSefazXmlEvento,
                                                                 cancelarNFeSefazXmlNota)))),
            memo(cancelarNFeSefazXmlEvento, u"XML do Evento"_s),
            memo(cancelarNFeSefazXmlNota, u"XML da Nota"_s),
        }};
}

Page autenticaErpNFeSefaz() {
    const QString autenticaErpNFeSefazQuebraLinha = u"ed_AutenticaErpNFeSefazQuebraLinha"_s;
    const QString autenticaErpNFeSefazXMLRetorno = u"ed_AutenticaErpNFeSefazXMLRetorno"_s;
    return Page{
        .name = u"ts_AutenticaErpNFeSefaz"_s,
        .description = u"Autoriza no SEFAZ uma nota montada a partir do arquivo de venda do ERP"_s,
        .controls = {
            line(u"ed_AutenticaErpNFeSefazFilial"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_AutenticaErpNFeSefazNumeroECF"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_AutenticaErpNFeSefazSerie"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"CODSER"_s),
            line(u"ed_AutenticaErpNFeSefazNumero"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_AutenticaErpNFeSefazArquivoErp"_s, u"ERP da Venda"_s)
                .withFilePicker(u"bt_AutenticaErpNFeSefazArquivoErp"_s)
                .sends(u"ARQERP"_s,
                       kinds::markedFileText(autenticaErpNFeSefazQuebraLinha, EmptyPath::Error)),
            line(autenticaErpNFeSefazQuebraLinha, u"Quebra de Linha"_s, u"\\n"_s)
                .sends(u"QUEBRA"_s),
            line(u"ed_AutenticaErpNFeSefazEMail"_s, u"Para"_s, kEmails).sends(u"EMAILPARA"_s),
            comboEditable(u"ed_AutenticaErpNFeSefazImpressora"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_AutenticaErpNFeSefazImpressora"_s)
                .sends(u"NomeImpressora"_s),
            button(u"bt_AutenticaErpNFeSefaz"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaErpNFeSefaz"_s,
                        fiscal::contentText(autenticaErpNFeSefazXMLRetorno))),
            memo(autenticaErpNFeSefazXMLRetorno, u"XML Retorno"_s),
        }};
}

Page consultaStatusOperacionalSAT() {
    return Page{.name = u"ts_ConsultaStatusOperacionalSAT"_s,
                .description =
                    u"Pergunta o status operacional do equipamento SAT pelo número de série"_s,
                .controls = {
                    line(u"ed_ConsultaStatusOperacionalSATNumeroSerie"_s, u"Número de Série"_s,
                         u"123456789"_s)
                        .sends(u"NumeroSerie"_s, kinds::integerElse(-1)),
                    button(u"bt_ConsultaStatusOperacionalSAT"_s, u"Testar"_s,
                           send(u"TNFeAPI/ConsultaStatusOperacionalSAT"_s)),
                }};
}

Page autenticaCFeSATComplementar() {
    const QString itens = u"vt_AutenticaCFeSATComplementarItens"_s;
    Action a = send(u"TNFeAPI/AutenticaCFeSATComplementar"_s,
                    fiscal::eventReading(satRecord(kAutenticaCFeSATComplementar)));
    a.checks = {tableNotEmpty(itens, u"Informe os itens do SAT de Origem"_s)};
    a.dados = [itens](PageContext& page) {
        json::JsonValue dados = json::JsonValue::object();
        dados.add("DocumentoOrigem", page.keyedObject());
        dados.add("Itens",
                  tableRows(page.table(itens), {{u"Item"_s, u"NumeroItem"_s, Cell::Integer},
                                                {u"BaseICMS"_s, u"BaseICMS"_s, Cell::Money},
                                                {u"AliqICMS"_s, u"AliqICMS"_s, Cell::Money}}));
        return dados;
    };
    return Page{
        .name = u"ts_AutenticaCFeSATComplementar"_s,
        .description = u"Autoriza um CF-e SAT complementar para itens de um cupom de origem"_s,
        .controls = {
            line(u"ed_AutenticaCFeSATComplementarFilial"_s, u"Código da Filial"_s, u"001"_s)
                .sends(u"Filial"_s),
            line(u"ed_AutenticaCFeSATComplementarPDV"_s, u"Número do PDV"_s, u"001"_s)
                .sends(u"NumeroECF"_s),
            line(u"ed_AutenticaCFeSATComplementarSerie"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"Serie"_s),
            line(u"ed_AutenticaCFeSATComplementarNumero"_s, u"Número da Nota"_s, u"1"_s)
                .sends(u"NumeroNota"_s, kinds::integerElse(0)),
            line(u"ed_AutenticaCFeSATComplementarChaveAcesso"_s, u"Chave de Acesso"_s, QString())
                .sends(u"ChaveAcesso"_s),
            grid(u"dbg_AutenticaCFeSATComplementarItens"_s, itens, u"DBNavigator1"_s),
            button(u"bt_AutenticaCFeSATComplementar"_s, u"Testar"_s, a),
            satOutputs(u"gb_AutenticaCFeSATComplementarRetorno"_s, kAutenticaCFeSATComplementar),
        }};
}

} // namespace

std::vector<Page> nfePages() {
    return {autenticaCFeSAT(),
            cancelarCFeSAT(),
            converteArqNF(),
            validaArqNF(),
            autenticaArqNF(),
            cancelarNFe(),
            autenticaCFeSATArqNF(),
            satAtivo(),
            autenticaSEFAZ(),
            cartaCorrecao(),
            cancelarNFeSefaz(),
            autenticaErpNFeSefaz(),
            consultaStatusOperacionalSAT(),
            autenticaCFeSATComplementar()};
}
