// The NF-e API pages of storage, NFS-e, printing, events, distribution and manifest.
#include "common/texthelpers.h"
#include "pages/kit/batchrun.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"
#include "tables/memtable.h"

using namespace Qt::StringLiterals;

using namespace kit;
using namespace nfe;

// One imported line "Filial,ECF,Série,Número": the line is trimmed before it is split, each
// piece is trimmed, a missing piece is empty, and the text fields keep their width.
void nfe::importNumberLine(const QString& line, MemTable& row) {
    QString rest = line.trimmed();
    for (const QString& field : {u"Filial"_s, u"ECF"_s, u"Serie"_s}) {
        const qsizetype p = rest.indexOf(u',');
        if (p < 0) {
            row.setValue(field, QString());
            continue;
        }
        row.setValue(field, rest.left(p).trimmed());
        rest = rest.mid(p + 1);
    }
    const QString numero = rest.trimmed();
    if (!numero.isEmpty())
        row.setValue(u"Numero"_s, Str2Int(numero));
}

namespace {

const QString kProtocoloEvento = u"135240000123456"_s;

// The four store-query pages send the same keys from fields of the same labels.
struct StoreQuery {
    QString page;
    QString path;
    QString button;
    QString filial;
    QString ecf;
    QString serie;
    QString numero;
    QString description;
};

Page storeQuery(const StoreQuery& q) {
    return Page{.name = q.page,
                .description = q.description,
                .controls = {
                    line(q.filial, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
                    line(q.ecf, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
                    line(q.serie, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
                    line(q.numero, u"Número"_s, u"1"_s).sends(u"NUMNOT"_s, kinds::integer()),
                    button(q.button, u"Testar"_s, send(q.path)),
                }};
}

// "XML do SEFAZ" and "Canhoto": the XML read as a file text (an empty path sends "").
std::vector<Control> xmlAndStub(const QString& xml, const QString& picker, const QString& stub) {
    return {line(xml, u"XML do SEFAZ"_s)
                .withFilePicker(picker)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
            line(stub, u"Canhoto"_s).sends(u"CANHOTO"_s)};
}

Page consultaXMLAutenticado() {
    const QString xmlNota = u"mm_XmlNotaConsultaXMLAutenticado"_s;
    return Page{
        .name = u"ts_ConsultaXMLAutenticado"_s,
        .description = u"Devolve o XML autorizado de uma nota guardada no middleware"_s,
        .controls = {
            line(u"ed_FilialConsultaXMLAutenticado"_s, u"Filial"_s, u"001"_s).sends(u"FILIAL"_s),
            line(u"ed_SerieConsultaXMLAutenticado"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"SERIE"_s),
            line(u"ed_ECFConsultaXMLAutenticado"_s, u"ECF"_s, u"001"_s).sends(u"NUMEROECF"_s),
            line(u"ed_NumeroConsultaXMLAutenticado"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMERONOTA"_s, kinds::integerElse(0)),
            button(u"bt_TestarConsultaXMLAutenticado"_s, u"Testar"_s,
                   send(u"TNFeAPI/ConsultaXMLAutenticado"_s, readings::storedXml(xmlNota))),
            memo(xmlNota, u"XML da Nota"_s),
        }};
}

Page enviaEmailGuarda() {
    return Page{.name = u"ts_EnviaEmailGuarda"_s,
                .description = u"Envia por e-mail uma nota guardada no middleware"_s,
                .controls = {
                    line(u"ed_CNPJEnviaEmailGuarda"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                    line(u"ed_FilialEnviaEmailGuarda"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
                    line(u"ed_ECFEnviaEmailGuarda"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
                    line(u"ed_SerieEnviaEmailGuarda"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
                    line(u"ed_NumeroEnviaEmailGuarda"_s, u"Número"_s, u"1"_s)
                        .sends(u"Numero"_s, kinds::integer()),
                    line(u"ed_ParaEnviaEmailGuarda"_s, u"Para"_s, kEmails).sends(u"Para"_s),
                    hint(u"lb_ParaEnviaEmailGuardaDica"_s,
                         u"(informar os endereços separados por \";\")"_s),
                    button(u"bt_TestarEnviaEmailGuarda"_s, u"Testar"_s,
                           send(u"TNFeAPI/EnviaEmailGuarda"_s)),
                }};
}

Page imprimeDANFE() {
    return Page{
        .name = u"ts_ImprimeDANFE"_s,
        .description = u"Imprime o DANFE de uma nota guardada no middleware"_s,
        .controls = {
            line(u"ed_CNPJImprimeDANFE"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_FilialImprimeDANFE"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_ECFImprimeDANFE"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_SerieImprimeDANFE"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
            line(u"ed_NumeroImprimeDANFE"_s, u"Número"_s, u"1"_s)
                .sends(u"Numero"_s, kinds::integer()),
            comboEditable(u"ed_ImprimeDANFEImpressora"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_ImprimeDANFEImpressora"_s)
                .sends(u"NomeImpressora"_s),
            button(u"bt_TestarImprimeDANFE"_s, u"Testar"_s, send(u"TNFeAPI/ImprimeDANFE"_s)),
        }};
}

Page consultaNF() {
    return storeQuery({.page = u"ts_ConsultaNF"_s,
                       .path = u"TNFeAPI/ConsultaNF"_s,
                       .button = u"bt_ConsultaNF"_s,
                       .filial = u"ed_ConsultaNFFilial"_s,
                       .ecf = u"ed_ConsultaNFECF"_s,
                       .serie = u"ed_ConsultaNFSerie"_s,
                       .numero = u"ed_ConsultaNFNota"_s,
                       .description = u"Consulta a situação de uma nota guardada no middleware"_s});
}

Page imprimeDANFEPeloXML() {
    std::vector<Control> controls =
        xmlAndStub(u"ed_XMLImprimeDANFEPeloXML"_s, u"bt_XMLImprimeDANFEPeloXML"_s,
                   u"ed_CanhotoImprimeDANFEPeloXML"_s);
    controls.push_back(comboEditable(u"ed_ImprimeDANFEPeloXMLImpressora"_s, u"Impressora"_s, {})
                           .withPrinterLookup(u"bt_ImprimeDANFEPeloXMLImpressora"_s)
                           .sends(u"NomeImpressora"_s));
    controls.push_back(button(u"bt_TestarXMLImprimeDANFEPeloXML"_s, u"Testar"_s,
                              send(u"TNFeAPI/ImprimeDANFEPeloXML"_s)));
    return Page{.name = u"ts_ImprimeDANFEPeloXML"_s,
                .description = u"Imprime o DANFE a partir do XML autorizado de uma nota"_s,
                .controls = std::move(controls)};
}

Page imprimeEventoNFe() {
    return Page{
        .name = u"ts_ImprimeEventoNFe"_s,
        .description =
            u"Imprime um evento (cancelamento, carta de correção) de uma nota guardada"_s,
        .controls = {
            line(u"ed_ImprimeEventoNFeCNPJ"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_ImprimeEventoNFeFilial"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_ImprimeEventoNFeECF"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_ImprimeEventoNFeSerie"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
            line(u"ed_ImprimeEventoNFeNumero"_s, u"Número"_s, u"1"_s)
                .sends(u"Numero"_s, kinds::integer()),
            line(u"ed_ImprimeEventoNFeProtocoloEvento"_s, u"Protocolo Evento"_s, kProtocoloEvento)
                .sends(u"ProtocoloEvento"_s),
            comboEditable(u"ed_ImprimeEventoNFeImpressora"_s, u"Impressora"_s, {})
                .withPrinterLookup(u"bt_ImprimeEventoNFeImpressora"_s)
                .sends(u"NomeImpressora"_s),
            button(u"bt_ImprimeEventoNFe"_s, u"Testar"_s, send(u"TNFeAPI/ImprimeEventoNFe"_s)),
        }};
}

Page situacaoGuarda() {
    return storeQuery(
        {.page = u"ts_SituacaoGuarda"_s,
         .path = u"TNFeAPI/SituacaoGuarda"_s,
         .button = u"bt_TestarSituacaoGuarda"_s,
         .filial = u"ed_FilialSituacaoGuarda"_s,
         .ecf = u"ed_ECFSituacaoGuarda"_s,
         .serie = u"ed_SerieSituacaoGuarda"_s,
         .numero = u"ed_NumeroSituacaoGuarda"_s,
         .description = u"Consulta a situação de uma nota na guarda do middleware"_s});
}

// The NFS-e pages: asynchronous authorisation, RPS batches to the city hall, store query and
// cancellation.
Page autenticaNFSeAssinc() {
    return Page{
        .name = u"ts_AutenticaNFSeAssinc"_s,
        .description = u"Envia uma NFS-e (RPS) à prefeitura para autorização assíncrona"_s,
        .controls = {
            line(u"ed_CnpjAutenticaNFSeAssinc"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_FilialAutenticaNFSeAssinc"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_EcfAutenticaNFSeAssinc"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_SerieAutenticaNFSeAssinc"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
            line(u"ed_NumeroAutenticaNFSeAssinc"_s, u"Número"_s, u"1"_s)
                .sends(u"Numero"_s, kinds::integer()),
            memo(u"mm_XmlAutenticaNFSeAssinc"_s, u"XML"_s).sends(u"XML"_s),
            line(u"ed_MsgErroAutenticaNFSeAssinc"_s, u"Mensagem de Erro"_s).sends(u"MsgErro"_s),
            button(u"bt_TestarAutenticaNFSeAssinc"_s, u"Testar"_s,
                   send(u"TNFeAPI/AutenticaNFSeAssinc"_s)),
        }};
}

// A city-hall batch page: one "CNPJ" key.
Page rpsBatch(const QString& page, const QString& field, const QString& button, const QString& path,
              const QString& description) {
    return Page{.name = page,
                .description = description,
                .controls = {line(field, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                             kit::button(button, u"Testar"_s, send(path))}};
}

Page enviaRPSsParaPrefeitura() {
    return rpsBatch(u"ts_EnviaRPSsParaPrefeitura"_s, u"ed_CNPJEnviaRPSsParaPrefeitura"_s,
                    u"bt_TestarEnviaRPSsParaPrefeitura"_s, u"TNFeAPI/EnviaRPSsParaPrefeitura"_s,
                    u"Envia à prefeitura os RPS pendentes para conversão em NFS-e"_s);
}

Page consultaRPSsNaPrefeitura() {
    return rpsBatch(u"ts_ConsultaRPSsNaPrefeitura"_s, u"ed_CNPJConsultaRPSsNaPrefeitura"_s,
                    u"bt_TestarConsultaRPSsNaPrefeitura"_s, u"TNFeAPI/ConsultaRPSsNaPrefeitura"_s,
                    u"Consulta na prefeitura a situação dos RPS enviados"_s);
}

Page situacaoGuardaParaNFSe() {
    return storeQuery(
        {.page = u"ts_SituacaoGuardaParaNFSe"_s,
         .path = u"TNFeAPI/SituacaoGuardaParaNFSe"_s,
         .button = u"bt_TestarSituacaoGuardaParaNFSe"_s,
         .filial = u"ed_FilialSituacaoGuardaParaNFSe"_s,
         .ecf = u"ed_ECFSituacaoGuardaParaNFSe"_s,
         .serie = u"ed_CodigoSerieSituacaoGuardaParaNFSe"_s,
         .numero = u"ed_NumeroSituacaoGuardaParaNFSe"_s,
         .description = u"Consulta a situação de uma NFS-e na guarda do middleware"_s});
}

Page cancelaNFSePeloRPS() {
    return Page{
        .name = u"ts_CancelaNFSePeloRPS"_s,
        .description = u"Cancela a NFS-e emitida para um RPS"_s,
        .controls = {
            line(u"ed_CNPJCancelaNFSePeloRPS"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
            line(u"ed_FilialCancelaNFSePeloRPS"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFCancelaNFSePeloRPS"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieCancelaNFSePeloRPS"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroCancelaNFSePeloRPS"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integer()),
            line(u"ed_MotivoCancelaNFSePeloRPS"_s, u"Motivo"_s, u"Serviço não concluído"_s)
                .sends(u"MOTCAN"_s),
            button(u"bt_TestarCancelaNFSePeloRPS"_s, u"Testar"_s,
                   send(u"TNFeAPI/CancelaNFSePeloRPS"_s)),
        }};
}

Page getGuarda() {
    return storeQuery({.page = u"ts_GetGuarda"_s,
                       .path = u"TNFeAPI/GetGuarda"_s,
                       .button = u"bt_GetGuarda"_s,
                       .filial = u"ed_GetGuardaFilial"_s,
                       .ecf = u"ed_GetGuardaNumeroECF"_s,
                       .serie = u"ed_GetGuardaSerie"_s,
                       .numero = u"ed_GetGuardaNumeroNota"_s,
                       .description = u"Devolve o registro de uma nota guardada no middleware"_s});
}

Page geraPDFPeloXML() {
    std::vector<Control> controls = xmlAndStub(u"ed_XMLGeraPDFPeloXML"_s, u"bt_XMLGeraPDFPeloXML"_s,
                                               u"ed_CanhotoGeraPDFPeloXML"_s);
    controls.push_back(
        button(u"btGeraPDFPeloXML"_s, u"Testar"_s, send(u"TNFeAPI/GeraPDFPeloXML"_s)));
    return Page{
        .name = u"ts_GeraPDFPeloXML"_s,
        .description =
            u"Gera o DANFE em PDF a partir do XML autorizado de uma nota e mostra o PDF sem gravá-lo"_s,
        .controls = std::move(controls)};
}

Page regerarXMLNaGuarda() {
    const QString filial = u"ed_RegerarXMLNaGuardaFilial"_s;
    const QString ecf = u"ed_RegerarXMLNaGuardaECF"_s;
    const QString serie = u"ed_RegerarXMLNaGuardaSerie"_s;
    const QString nota = u"ed_RegerarXMLNaGuardaNota"_s;
    BatchRun b;
    b.modeGroup = u"rg_RegerarXMLNaGuardaTipo"_s;
    b.modeItems = {u"Nota Única"_s, u"Várias Notas"_s};
    b.groupBox = u"gb_RegerarXMLNaGuardaNumeros"_s;
    b.groupCaption = u"Números"_s;
    b.grid = u"dbg_RegerarXMLNaGuardaNumeros"_s;
    b.navigator = u"db_RegerarXMLNaGuarda"_s;
    b.importButton = u"bt_RegerarXMLNaGuardaImportarArquivo"_s;
    b.clearButton = u"bt_RegerarXMLNaGuardaLimparGrid"_s;
    b.table = u"vt_RegerarXMLSefazNumeros"_s;
    b.path = u"TNFeAPI/RegerarXMLNaGuarda"_s;
    b.singleControls = {filial, ecf, serie, nota};
    b.disableInsteadOfHide = true;
    b.tableEmptyMessage = u"Informe pelo menos um número!"_s;
    b.rowCheck = [](MemTable& row) -> std::optional<QString> {
        if (row.asInteger(u"Numero"_s) == 0)
            return u"Número da faixa não pode ser zero. Verifique!"_s;
        return std::nullopt;
    };
    b.runConfirmation = u"Deseja realmente gerar o XML de todos esses números?"_s;
    b.importConfirmation =
        u"Os númeris já informados no grid serão eliminadas. Deseja realmente importar o arquivo?"_s;
    b.clearConfirmation = u"Deseja realmente limpar o grid com os números?"_s;
    b.rowKeys = {{u"Filial"_s, u"CODFIL"_s, Cell::Text},
                 {u"ECF"_s, u"NUMECF"_s, Cell::Text},
                 {u"Serie"_s, u"CODSER"_s, Cell::Text},
                 {u"Numero"_s, u"NUMNOT"_s, Cell::Integer}};
    b.importLine = importNumberLine;
    const Action run = b.action({}, {}, send(b.path));
    return Page{
        .name = u"tsRegerarXMLNaGuarda"_s,
        .description = u"Regera o XML guardado de uma nota a partir do XML informado"_s,
        .controls =
            {
                b.modeControl(),
                line(filial, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
                line(ecf, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
                line(serie, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
                line(nota, u"Número"_s, u"1"_s).sends(u"NUMNOT"_s, kinds::integer()),
                b.gridBox(),
                button(u"bt_RegerarXMLNaGuardaXML"_s, u"Testar"_s, run).keptInSight(),
            },
        .onBuilt = [b](PageContext& page) { b.applyMode(page); },
    };
}

Page geraXMLDFeFromTransacaoPOS() {
    return Page{.name = u"ts_GeraXMLDFeFromTransacaoPOS"_s,
                .description = u"Monta o XML do documento fiscal (DF-e) de uma transação do PDV"_s,
                .controls = {
                    line(u"ed_GeraXMLDFeFromTransacaoPOSXML"_s, u"XML da Transação"_s)
                        .withFilePicker(u"bt_GeraXMLDFeFromTransacaoPOSXML"_s)
                        .sends(u"XML"_s, kinds::fileText(EmptyPath::Error)),
                    check(u"ed_GeraXMLDFeFromTransacaoPOSGeraEmContingencia"_s,
                          u"Gerar DFe em Contingência"_s)
                        .sends(u"GeraEmContingencia"_s, kinds::boolean()),
                    button(u"bt_GeraXMLDFeFromTransacaoPOS"_s, u"Testar"_s,
                           send(u"TNFeAPI/GeraXMLDFeFromTransacaoPOS"_s)),
                }};
}

Page consultaPeloUltimoNSUNFe() {
    return Page{.name = u"ts_ConsultaPeloUltimoNSUNFe"_s,
                .description = u"Consulta as NF-e emitidas contra a empresa depois de um NSU"_s,
                .controls = {
                    line(u"ed_CNPJConsultaPeloNSUNFe"_s, u"CNPJ"_s).sends(u"CNPJ"_s),
                    line(u"ed_UltimoNSUConsultaPeloNSUNFe"_s, u"Último NSU"_s).sends(u"UltNSU"_s),
                    line(u"ed_FilialConsultaPeloNSUNFe"_s, u"Filial"_s).sends(u"CODFILIAL"_s),
                    button(u"bt_TestarConsultaPeloNSUNFe"_s, u"Testar"_s,
                           send(u"TNFeAPI/ConsultaPeloUltimoNSU"_s)),
                }};
}

Page manifestarNFe() {
    const QStringList tipos = {
        u"210200 – Confirmação da Operação"_s,
        u"210210 – Ciência da Operação"_s,
        u"210220 – Desconhecimento da Operação"_s,
        u"210240 – Operação não Realizada "_s,
    };
    return Page{
        .name = u"ts_ManifestarNFe"_s,
        .description =
            u"Registra a manifestação do destinatário sobre uma NF-e (ciência, confirmação, desconhecimento)"_s,
        .controls = {
            line(u"ed_CNPJEmitenteManifestarNFe"_s, u"CNPJ Emitente"_s).sends(u"CNPJEMITENTE"_s),
            line(u"ed_FilialManifestarNFe"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFManifestarNFe"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieManifestarNFe"_s, u"Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroManifestarNFe"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMDFE"_s, kinds::integer()),
            comboEditable(u"cb_TipoManifestoManifestarNFe"_s, u"Tipo de Manifesto:"_s, tipos,
                          tipos[1], 1)
                .sends(u"TPMANISFESTO"_s, kinds::digitsOnly()),
            button(u"bt_TestarManifestarNFe"_s, u"Testar"_s, send(u"TNFeAPI/ManifestarNFe"_s)),
        }};
}

Page geraPreviaPDFPeloXML() {
    std::vector<Control> controls =
        xmlAndStub(u"ed_XMLGeraPreviaPDFPeloXML"_s, u"bt_XMLGeraPreviaPDFPeloXML"_s,
                   u"ed_CanhotoGeraPreviaPDFPeloXML"_s);
    controls.push_back(button(u"bt_TestarGeraPreviaPDFPeloXML"_s, u"Testar"_s,
                              send(u"TNFeAPI/GeraPreviaPDFPeloXML"_s)));
    return Page{
        .name = u"ts_GeraPreviaPDFPeloXML"_s,
        .description =
            u"Gera uma prévia do DANFE em PDF a partir do XML de uma nota ainda não autorizada"_s,
        .controls = std::move(controls)};
}

Page setImprimirNFe() {
    return Page{
        .name = u"ts_SetImprimirNFe"_s,
        .description = u"Marca ou desmarca a impressão de uma nota guardada no middleware"_s,
        .controls = {
            line(u"ed_FilialSetImprimirNFe"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_ECFSetImprimirNFe"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_SerieSetImprimirNFe"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
            line(u"ed_NumeroSetImprimirNFe"_s, u"Número"_s, u"1"_s)
                .sends(u"Numero"_s, kinds::integer()),
            button(u"bt_TestarSetImprimirNFe"_s, u"Testar"_s, send(u"TNFeAPI/SetImprimirNFe"_s)),
        }};
}

Page geraPDFEventoNFe() {
    return Page{.name = u"ts_GeraPDFEventoNFe"_s,
                .description = u"Gera o PDF de um evento de uma nota guardada"_s,
                .controls = {
                    line(u"ed_CNPJGeraPDFEventoNFe"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                    line(u"ed_FilialGeraPDFEventoNFe"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
                    line(u"ed_ECFGeraPDFEventoNFe"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
                    line(u"ed_SerieGeraPDFEventoNFe"_s, u"Série"_s, u"1"_s).sends(u"Serie"_s),
                    line(u"ed_NumeroGeraPDFEventoNFe"_s, u"Número"_s, u"1"_s)
                        .sends(u"Numero"_s, kinds::integer()),
                    line(u"ed_ProtocoloGeraPDFEventoNFe"_s, u"Protocolo Evento"_s, kProtocoloEvento)
                        .sends(u"ProtocoloEvento"_s),
                    button(u"bt_TestarGeraPDFEventoNFe"_s, u"Testar"_s,
                           send(u"TNFeAPI/GeraPDFEventoNFe"_s)),
                }};
}

} // namespace

std::vector<Page> nfeGuardaPages() {
    return {consultaXMLAutenticado(),
            enviaEmailGuarda(),
            imprimeDANFE(),
            consultaNF(),
            autenticaNFSeAssinc(),
            imprimeDANFEPeloXML(),
            imprimeEventoNFe(),
            situacaoGuarda(),
            enviaRPSsParaPrefeitura(),
            consultaRPSsNaPrefeitura(),
            situacaoGuardaParaNFSe(),
            cancelaNFSePeloRPS(),
            getGuarda(),
            geraPDFPeloXML(),
            regerarXMLNaGuarda(),
            geraXMLDFeFromTransacaoPOS(),
            consultaPeloUltimoNSUNFe(),
            manifestarNFe(),
            geraPreviaPDFPeloXML(),
            setImprimirNFe(),
            geraPDFEventoNFe()};
}
