// The NF-e API pages: authorisation, validation, conversion, cancellation, correction letters
// and SAT status.
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"

using namespace kit;
using namespace nfe;

namespace {

const SatControls kAutenticaCFeSAT{"ed_RetornoAutenticaCFeSAT",
                                   "mm_XMLAutAutenticaCFeSAT",
                                   "XML para Impressão",
                                   "",
                                   "ed_NumeroSATAutenticaCFeSAT",
                                   "ed_NumeroDocAutenticaCFeSAT",
                                   "ed_CodigoDeRetornoAutenticaCFeSAT",
                                   "ed_MensagemDeRetornoAutenticaCFeSAT",
                                   "ed_CodigoDeErroAutenticaCFeSAT",
                                   "ed_MensagemDeErroAutenticaCFeSAT",
                                   "ed_MensagemSistemaAutenticaCFeSAT"};
const SatControls kCancelarCFeSAT{"ed_RetornoCancelarCFeSAT",
                                  "mm_XmlCancCancelarCFeSAT",
                                  "XML do Recibo do Cancelamento",
                                  "mm_XMLVenCancelarCFeSAT",
                                  "",
                                  "",
                                  "ed_CodigoDeRetornoCancelarCFeSAT",
                                  "ed_MensagemDeRetornoCancelarCFeSAT",
                                  "ed_CodigoDeErroCancelarCFeSAT",
                                  "ed_MensagemDeErroCancelarCFeSAT",
                                  "ed_MensagemSistemaCancelarCFeSAT"};
const SatControls kAutenticaCFeSATArqNF{"ed_RetornoAutenticaCFeSATArqNF",
                                        "mm_XmlImpAutenticaCFeSATArqNF",
                                        "XML para Impressão",
                                        "",
                                        "ed_NumeroSatAutenticaCFeSATArqNF",
                                        "ed_NumeroCfeAutenticaCFeSATArqNF",
                                        "ed_CodigoDeRetornoAutenticaCFeSATArqNF",
                                        "ed_MensagemDeRetornoAutenticaCFeSATArqNF",
                                        "ed_CodigoDeErroAutenticaCFeSATArqNF",
                                        "ed_MensagemDeErroAutenticaCFeSATArqNF",
                                        "ed_MensagemSistemaAutenticaCFeSATArqNF"};
const SatControls kAutenticaCFeSATComplementar{"ed_AutenticaCFeSATComplementarRetorno",
                                               "mm_AutenticaCFeSATComplementarXMLImpressao",
                                               "XML para Impressão",
                                               "",
                                               "ed_AutenticaCFeSATComplementarRetNumeroSAT",
                                               "ed_AutenticaCFeSATComplementarRetNumeroCFe",
                                               "ed_AutenticaCFeSATComplementarRetCodigoRetorno",
                                               "ed_AutenticaCFeSATComplementarRetMsgRetorno",
                                               "ed_AutenticaCFeSATComplementarRetCodigoErro",
                                               "ed_AutenticaCFeSATComplementarMsgErro",
                                               "Edit12"};

Page autenticaCFeSAT() {
    return page(
        "ts_AutenticaCFeSAT",
        {
            textField("ed_CodfilAutenticaCfeSAT", "Código da Filial", "001", "CODFIL"),
            textField("ed_NumecfAutenticaCfeSAT", "Número do ECF", "001", "NUMECF"),
            textField("ed_CodserAutenticaCFeSAT", "Código da Série", "1", "CODSER"),
            integerField("ed_NumnotAutenticaCFeSAT", "Número da Nota", "1", "NUMNOT"),
            fileField("ed_XmltrnAutenticaCfeSAT", "XML da Transação", "bt_PathAutenticaCfeSAT",
                      "XMLTRN", kinds::fileText(EmptyPath::Error)),
            textField("ed_ParaAutenticaCFeSAT", "Para", kEmails, "EMAILPARA"),
            button(QStringLiteral("bt_TestarAutenticaCfeSAT"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/AutenticaCFeSAT"),
                        fiscal::recordReading(satRecord(kAutenticaCFeSAT)))),
            satOutputs("gb_RetornoAutenticaCFeSAT", kAutenticaCFeSAT),
        });
}

Page cancelarCFeSAT() {
    return page("ts_CancelarCFeSAT",
                {
                    textField("ed_CodfilCancelarCFeSAT", "Código da Filial", "001", "CODFIL"),
                    textField("ed_NumecfCancelarCFeSAT", "Número do ECF", "001", "NUMECF"),
                    textField("ed_CodserCancelarCFeSAT", "Código da Série", "1", "CODSER"),
                    integerField("ed_NumnotCancelarCFeSAT", "Número da Nota", "1", "NUMNOT"),
                    button(QStringLiteral("bt_TestarCancelarCFeSAT"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/CancelaCFeSAT"),
                                fiscal::recordReading(satRecord(kCancelarCFeSAT)))),
                    satOutputs("gb_RetornoCancelarCFeSAT", kCancelarCFeSAT),
                });
}

Page converteArqNF() {
    return page(
        "ts_ConverteArqNF",
        {
            fileField(
                "ed_ErpConverteArqNF", "ERP da Venda", "sb_PathConverteArqNF", "ConteudoERP",
                kinds::markedFileText(QStringLiteral("ed_QuebraConverteArqNF"), EmptyPath::Error)),
            textField("ed_QuebraConverteArqNF", "Quebra de Linha", "\\n", "QuebraLinha"),
            button(QStringLiteral("bt_TestarConverteArqNF"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/ConverteArqNF"))),
        });
}

Page validaArqNF() {
    return page("ts_ValidaArqNF",
                {
                    textField("ed_FilialValidaArqNF", "Filial", "001", "CODFIL"),
                    textField("ed_EcfValidaArqNF", "ECF", "001", "NUMECF"),
                    textField("ed_SerieValidaArqNF", "Código da Série", "1", "CODSER"),
                    integerField("ed_NumeroValidaArqNF", "Número", "1", "NUMNOT"),
                    fileField("ed_ErpValidaArqNF", "ERP da Venda", "bt_PathValidaArqNF", "ARQERP",
                              kinds::markedFileText(QStringLiteral("ed_QuebraValidaArqNF"),
                                                    EmptyPath::Error)),
                    textField("ed_QuebraValidaArqNF", "Quebra de Linha", "\\n", "QUEBRA"),
                    button(QStringLiteral("bt_TestarValidaArqNF"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/ValidaArqNF"))),
                });
}

Page autenticaArqNF() {
    return page(
        "ts_AutenticaArqNF",
        {
            textField("ed_FilialAutenticaArqNF", "Filial", "001", "CODFIL"),
            textField("ed_EcfAutenticaArqNF", "ECF", "001", "NUMECF"),
            textField("ed_SerieAutenticaArqNF", "Código da Série", "1", "CODSER"),
            integerField("ed_NumeroAutenticaArqNF", "Número", "1", "NUMNOT"),
            fileField(
                "ed_ErpAutenticaArqNF", "ERP da Venda", "bt_PathAutenticaArqNF", "ARQERP",
                kinds::markedFileText(QStringLiteral("ed_QuebraAutenticaArqNF"), EmptyPath::Error)),
            textField("ed_QuebraAutenticaArqNF", "Quebra de Linha", "\\n", "QUEBRA"),
            textField("ed_ParaAutenticaArqNF", "Para", kEmails, "EMAILPARA"),
            printerField("ed_AutenticaArqNFImpressora", "bt_AutenticaArqNFImpressora"),
            button(QStringLiteral("bt_TestarAutenticaArqNF"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/AutenticaArqNF"),
                        fiscal::resultText(QStringLiteral("mm_XMLAutenticadoAutenticaArqNF")))),
            outputMemo("mm_XMLAutenticadoAutenticaArqNF", "XML Autenticado"),
        });
}

Page cancelarNFe() {
    return page("ts_CancelarNFe",
                {
                    textField("ed_FilialCancelarNFe", "Filial", "001", "FILIAL"),
                    textField("ed_CNPJCancelarNFe", "CNPJ", kCnpj, "CNPJ"),
                    textField("ed_SerieCancelarNFe", "Código da Série", "1", "SERIE"),
                    textField("ed_ECFCancelarNFe", "ECF", "001", "NUMEROECF"),
                    integerField("ed_NumeroCancelarNFe", "Número", "1", "NUMERONOTA"),
                    textField("ed_JustificativaCancelarNFe", "Justificativa", kJustificativa,
                              "JUSTIFICATIVA"),
                    dateField("ed_DataCancelarNFe", "bt_DataCancelarNFe", "DATA"),
                    button(QStringLiteral("bt_TestarCancelarNFe"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/CancelarNFe"),
                                fiscal::recordReading(
                                    fiscal::eventRecord(QStringLiteral("mm_XmlEventoCancelarNFe"),
                                                        QStringLiteral("mm_XmlNotaCancelarNFe"))))),
                    outputMemo("mm_XmlEventoCancelarNFe", "XML do Evento"),
                    outputMemo("mm_XmlNotaCancelarNFe", "XML da Nota"),
                });
}

Page autenticaCFeSATArqNF() {
    return page(
        "ts_AutenticaArqNFSAT",
        {
            textField("ed_CodfilAutenticaCFeSATArqNF", "Código da Filial", "001", "CODFIL"),
            textField("ed_NumecfAutenticaCFeSATArqNF", "Número do ECF", "001", "NUMECF"),
            textField("ed_CodserAutenticaCFeSATArqNF", "Código da Série", "1", "CODSER"),
            integerField("ed_NumnotAutenticaCFeSATArqNF", "Número da Nota", "1", "NUMNOT"),
            fileField("ed_ErpAutenticaCFeSATArqNF", "ERP da Venda", "bt_PathAutenticaCFeSATArqNF",
                      "ARQERP",
                      kinds::markedFileText(QStringLiteral("ed_QuebraAutenticaCFeSATArqNF"),
                                            EmptyPath::Error)),
            textField("ed_QuebraAutenticaCFeSATArqNF", "Quebra de Linha", "\\n", "QUEBRA"),
            textField("ed_ParaAutenticaCFeSATArqNF", "Para", kEmails, "EMAILPARA"),
            button(QStringLiteral("bt_TestarAutenticaCFeSATArqNF"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/AutenticaCFeSATArqNF"),
                        fiscal::recordReading(satRecord(kAutenticaCFeSATArqNF)))),
            satOutputs("gb_RetornoAutenticaCFeSATArqNF", kAutenticaCFeSATArqNF),
        });
}

Page satAtivo() {
    Action a = send(QStringLiteral("TNFeAPI/SATAtivo"));
    a.dados = dados::emptyObject();
    return page("ts_SATAtivo",
                {button(QStringLiteral("bt_TestarSATAtivo"), QStringLiteral("Testar"), a)});
}

Page autenticaSEFAZ() {
    const QString sefaz = QStringLiteral("rb_MensageriaDFeSefazAutenticaSEFAZ");
    return page(
        "ts_AutenticaSEFAZ",
        {
            textField("ed_FilialAutenticaSEFAZ", "Filial", "001", "CODFIL"),
            textField("ed_ECFAutenticaSEFAZ", "ECF", "001", "NUMECF"),
            textField("ed_SerieAutenticaSEFAZ", "Código da Série", "1", "SERIE"),
            integerField("ed_NumeroAutenticaSEFAZ", "Número", "1", "NUMNOT"),
            fileField("ed_XMLAutenticaSEFAZ", "XML:", "bt_PathAutenticaSEFAZ", "XML",
                      kinds::joinedFileText(EmptyPath::Error)),
            fileField("ed_XMLTransacaoAutenticaSEFAZ",
                      "XML Transação:", "bt_XMLTransacaoAutenticaSEFAZ", "XMLTRANSACAO",
                      kinds::joinedFileText(EmptyPath::EmptyText)),
            group(QStringLiteral("pn_MensageriaDFeAutenticaSEFAZ"),
                  QStringLiteral("Mensageria DFe:"),
                  {
                      radio(sefaz, QStringLiteral("Sefaz"), true)
                          .sends(QStringLiteral("MENSAGERIADFE"), kinds::numberWhenChecked(0, 1)),
                      radio(QStringLiteral("rb_MensageriaDFeEmiteNFeAutenticaSEFAZ"),
                            QStringLiteral("Emite NFe")),
                  }),
            textField("ed_PathSalvarAutenticaSEFAZ", "Path XML EmiteNFe:", "", "PATHSALVAR"),
            textField("ed_ParaAutenticaSEFAZ", "Para", kEmails, "EMAILPARA"),
            printerField("ed_AutenticaSEFAZImpressora", "bt_AutenticaSEFAZImpressora"),
            button(QStringLiteral("bt_TestarAutenticaSEFAZ"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/AutenticaSEFAZ"),
                        fiscal::resultText(QStringLiteral("mm_XMLAutenticadoAutenticaSEFAZ")))),
            outputMemo("mm_XMLAutenticadoAutenticaSEFAZ", "XML Autenticado"),
        });
}

Page cartaCorrecao() {
    return page(
        "ts_CartaCorrecao",
        {
            textField("ed_CodfilCartaCorrecao", "Código da Filial", "001", "FILIAL"),
            textField("ed_CnpjCartaCorrecao", "CNPJ", kCnpj, "CNPJ"),
            textField("ed_NumecfCartaCorrecao", "Número do ECF", "001", "NUMEROECF"),
            textField("ed_CodserCartaCorrecao", "Código da Série", "1", "SERIE"),
            integerField("ed_NumnotCartaCorrecao", "Número da Nota", "1", "NUMERONOTA"),
            textField("ed_TextoCartaCorrecao", "Texto da Carta", kJustificativa, "TEXTOCARTA"),
            dateField("ed_DataCartaCorrecao", "bt_DataCartaCorrecao", "DATA"),
            button(QStringLiteral("btCartaCorrecao"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/CartaCorrecao"))),
        });
}

Page cancelarNFeSefaz() {
    return page("ts_CancelarNFeSefaz",
                {
                    textField("ed_CancelarNFeSefazFilial", "Filial", "001", "FILIAL"),
                    textField("ed_CancelarNFeSefazCNPJ", "CNPJ", kCnpj, "CNPJ"),
                    textField("ed_CancelarNFeSefazSerie", "Código da Série", "1", "SERIE"),
                    textField("ed_CancelarNFeSefazECF", "ECF", "001", "NUMEROECF"),
                    integerField("ed_CancelarNFeSefazNumero", "Número", "1", "NUMERONOTA"),
                    textField("ed_CancelarNFeSefazJustificativa", "Justificativa", kJustificativa,
                              "JUSTIFICATIVA"),
                    dateField("ed_CancelarNFeSefazData", "bt_CancelarNFeSefazAtualizaData", "DATA"),
                    textField("ed_CancelarNFeSefazEmailPara", "Para", "", "EMAILPARA"),
                    button(QStringLiteral("bt_CancelarNFeSefazTestar"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/CancelarNFeSefaz"),
                                fiscal::eventReading(fiscal::eventRecord(
                                    QStringLiteral("mm_CancelarNFeSefazXmlEvento"),
                                    QStringLiteral("mm_CancelarNFeSefazXmlNota"))))),
                    outputMemo("mm_CancelarNFeSefazXmlEvento", "XML do Evento"),
                    outputMemo("mm_CancelarNFeSefazXmlNota", "XML da Nota"),
                });
}

Page autenticaErpNFeSefaz() {
    return page(
        "ts_AutenticaErpNFeSefaz",
        {
            textField("ed_AutenticaErpNFeSefazFilial", "Filial", "001", "CODFIL"),
            textField("ed_AutenticaErpNFeSefazNumeroECF", "ECF", "001", "NUMECF"),
            textField("ed_AutenticaErpNFeSefazSerie", "Código da Série", "1", "CODSER"),
            integerField("ed_AutenticaErpNFeSefazNumero", "Número", "1", "NUMNOT"),
            fileField("ed_AutenticaErpNFeSefazArquivoErp", "ERP da Venda",
                      "bt_AutenticaErpNFeSefazArquivoErp", "ARQERP",
                      kinds::markedFileText(QStringLiteral("ed_AutenticaErpNFeSefazQuebraLinha"),
                                            EmptyPath::Error)),
            textField("ed_AutenticaErpNFeSefazQuebraLinha", "Quebra de Linha", "\\n", "QUEBRA"),
            textField("ed_AutenticaErpNFeSefazEMail", "Para", kEmails, "EMAILPARA"),
            printerField("ed_AutenticaErpNFeSefazImpressora", "bt_AutenticaErpNFeSefazImpressora"),
            button(QStringLiteral("bt_AutenticaErpNFeSefaz"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/AutenticaErpNFeSefaz"),
                        fiscal::contentText(QStringLiteral("ed_AutenticaErpNFeSefazXMLRetorno")))),
            outputMemo("ed_AutenticaErpNFeSefazXMLRetorno", "XML Retorno"),
        });
}

Page consultaStatusOperacionalSAT() {
    return page(
        "ts_ConsultaStatusOperacionalSAT",
        {
            line(QStringLiteral("ed_ConsultaStatusOperacionalSATNumeroSerie"),
                 QStringLiteral("Número de Série"), QStringLiteral("123456789"))
                .sends(QStringLiteral("NumeroSerie"), kinds::integerElse(-1)),
            button(QStringLiteral("bt_ConsultaStatusOperacionalSAT"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/ConsultaStatusOperacionalSAT"))),
        });
}

Page autenticaCFeSATComplementar() {
    const QString itens = QStringLiteral("vt_AutenticaCFeSATComplementarItens");
    Action a = send(QStringLiteral("TNFeAPI/AutenticaCFeSATComplementar"),
                    fiscal::eventReading(satRecord(kAutenticaCFeSATComplementar)));
    a.checks = {tableNotEmpty(itens, QStringLiteral("Informe os itens do SAT de Origem"))};
    a.dados = [itens](PageContext& page) {
        json::JsonValue dados = json::JsonValue::object();
        dados.add("DocumentoOrigem", page.keyedObject());
        dados.add(
            "Itens",
            tableRows(page.table(itens),
                      {{QStringLiteral("Item"), QStringLiteral("NumeroItem"), Cell::Integer},
                       {QStringLiteral("BaseICMS"), QStringLiteral("BaseICMS"), Cell::Money},
                       {QStringLiteral("AliqICMS"), QStringLiteral("AliqICMS"), Cell::Money}}));
        return dados;
    };
    return page(
        "ts_AutenticaCFeSATComplementar",
        {
            textField("ed_AutenticaCFeSATComplementarFilial", "Código da Filial", "001", "Filial"),
            textField("ed_AutenticaCFeSATComplementarPDV", "Número do PDV", "001", "NumeroECF"),
            textField("ed_AutenticaCFeSATComplementarSerie", "Código da Série", "1", "Serie"),
            line(QStringLiteral("ed_AutenticaCFeSATComplementarNumero"),
                 QStringLiteral("Número da Nota"), QStringLiteral("1"))
                .sends(QStringLiteral("NumeroNota"), kinds::integerElse(0)),
            textField("ed_AutenticaCFeSATComplementarChaveAcesso", "Chave de Acesso", "",
                      "ChaveAcesso"),
            grid(QStringLiteral("dbg_AutenticaCFeSATComplementarItens"), itens,
                 QStringLiteral("DBNavigator1")),
            button(QStringLiteral("bt_AutenticaCFeSATComplementar"), QStringLiteral("Testar"), a),
            satOutputs("gb_AutenticaCFeSATComplementarRetorno", kAutenticaCFeSATComplementar),
        });
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
