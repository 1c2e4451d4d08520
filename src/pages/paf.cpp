// The PAF-ECF API pages: the per-state profile, the fiscal menu's reports (identified sales,
// issued DAVs, DAV printout, configuration parameters, technical production index) and the
// external request file.
#include "common/tjsonutil.h"
#include "contracts/pageenums.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/pafcommon.h"
#include "pages/registry.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

using namespace kit;
using namespace paf;

namespace {

const QString kFuncionalidade = u"ed_TPAFPerfilFuncionalidade"_s;
const QString kEstado = u"ed_TPAFPerfilEstado"_s;
const QString kDocWiki = u"ed_TPAFPerfilDocWiki"_s;

// The states, alphabetical by name.
const QStringList kEstados = {u"AC"_s, u"AL"_s, u"AP"_s, u"AM"_s, u"BA"_s, u"CE"_s, u"DF"_s,
                              u"ES"_s, u"GO"_s, u"MA"_s, u"MT"_s, u"MS"_s, u"MG"_s, u"PA"_s,
                              u"PB"_s, u"PR"_s, u"PE"_s, u"PI"_s, u"RJ"_s, u"RN"_s, u"RS"_s,
                              u"RO"_s, u"RR"_s, u"SC"_s, u"SP"_s, u"SE"_s, u"TO"_s};

// Both lists emptied and filled again, the first entry of each selected.
void fillPerfilLists(PageContext& page) {
    auto& funcionalidades = page.as<QComboBox>(kFuncionalidade);
    funcionalidades.clear();
    for (const TParLista& par : TEnum::FuncionalidadePAFECFGetList())
        funcionalidades.addItem(par.Descricao, par.Valor);
    funcionalidades.setCurrentIndex(0);
    auto& estados = page.as<QComboBox>(kEstado);
    estados.clear();
    estados.addItems(kEstados);
    estados.setCurrentIndex(0);
}

// The code of the chosen functionality; a list with nothing chosen counts as its first entry.
json::JsonValue funcionalidadeCode(const FieldValue& v) {
    if (v.index >= 0)
        return TJSONUtil::SetStr(v.data.toString());
    const auto& list = v.page->as<QComboBox>(v.name);
    return TJSONUtil::SetStr(list.count() > 0 ? list.itemData(0).toString() : QString());
}

// The wiki text, each "/n" a line break; an answer that is not a result envelope changes
// nothing and says so.
Reading wikiText() {
    return {[](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseUtf8Answer(answer.body);
                const json::JsonValue* result =
                    parsed && parsed->isObject() ? parsed->find("result") : nullptr;
                if (!result || !result->isObject())
                    throw Exception(u"Resposta inesperada: sem \"result\". A documentação "
                                    u"não foi alterada."_s);
                readings::contentTextWithLineBreaks(kDocWiki)(page, answer);
            },
            {kDocWiki}};
}

Page perfil() {
    QStringList captions;
    QVariantList codes;
    for (const TParLista& par : TEnum::FuncionalidadePAFECFGetList()) {
        captions << par.Descricao;
        codes << par.Valor;
    }
    Control funcionalidade =
        comboList(kFuncionalidade, u"Funcionalidade"_s, captions, 0)
            .sends(u"Funcionalidade"_s, ValueKind(funcionalidadeCode, {kFuncionalidade}));
    funcionalidade.itemData = codes;
    funcionalidade.reselectFirst = true;
    Action wiki = send(u"TPAFAPI/GeraTabelaPerfilUFWiki"_s, wikiText());
    wiki.dados = dados::emptyObject();
    return Page{
        .name = u"ts_TPAFPerfil"_s,
        .description =
            u"Consulta o perfil de requisitos do PAF-ECF de um estado e gera a tabela de perfis por UF"_s,
        .controls =
            {
                funcionalidade,
                comboEditable(kEstado, u"Estado"_s, kEstados, QString(), 0).sends(u"Estado"_s),
                button(u"bt_TPAFPerfilConsultarPerfilEstado"_s, u"Consultar Perfil Estado"_s,
                       send(u"TPAFAPI/ConsultarPerfilEstado"_s)),
                button(u"bt_TPAFPerfilDocWiki"_s, u"Gerar documentação do wiki"_s, wiki),
                memo(kDocWiki, u"Documentação Wiki"_s)
                    .readOnlyField()
                    .withButton(u"bt_TPAFPerfilDocWikiCopiar"_s, u"Copiar"_s,
                                copyToClipboard(kDocWiki)),
                hint(u"lb_TPAFPerfilWiki"_s,
                     u"Após atualizar tabelas de Funcionalidades atualize: "
                     u"http://wiki.quorva.com.br/wiki/index.php/Tabela_de_Perfil_por_UF"_s),
            },
        .onShown = fillPerfilLists,
    };
}

Page vendasIdentificadas() {
    const QString comprimir = u"ed_TPAFBlocoZComprimirRetorno"_s;
    return Page{
        .name = u"ts_TPAFBlocoZ"_s,
        .description = u"Gera o arquivo das vendas identificadas por CPF ou CNPJ de um mês"_s,
        .controls = {
            line(u"ed_TPAFBlocoZFilial"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s),
            line(u"ed_TPAFBlocoZNomePAFECF"_s, u"Nome PAF-ECF"_s, kNomePAFECF)
                .sends(u"NomePAFECF"_s),
            line(u"ed_TPAFBlocoZVersaoPAFECF"_s, u"Versão PAF-ECF"_s, kVersaoPAFECF)
                .sends(u"VersaoPAFECF"_s),
            line(u"ed_TPAFBlocoZNumeroLaudo"_s, u"Número do Laudo"_s, kNumeroLaudo)
                .sends(u"NumeroLaudo"_s),
            line(u"ed_TPAFBlocoZMes"_s, u"Mês"_s, u"04"_s).maxLen(2).sends(u"Mes"_s),
            line(u"ed_TPAFBlocoZAno"_s, u"Ano"_s, u"2017"_s).maxLen(4).sends(u"Ano"_s),
            line(u"ed_TPAFBlocoZCNPJCPF"_s, u"CNPJ/CPF"_s).maxLen(14).sends(u"Documento"_s),
            comprimirRetorno(comprimir),
            button(u"bt_TPAFBlocoZTestar"_s, u"Testar"_s,
                   send(u"TPAFAPI/VendasIdentificadas"_s,
                        savedFile(u"VendasIdentificadas"_s, comprimir))),
        }};
}

// The order types of a DAV by position: DAV, DAV-OS (any other entry sends "").
QStringList tipoPedidoCodes() {
    return {TEnum::TipoPedidoToStr(tpDAV), TEnum::TipoPedidoToStr(tpDAVOS)};
}

Page davEmitidos() {
    const QString comprimir = u"ed_TPAFDAVEmitidosComprimirRetorno"_s;
    return Page{
        .name = u"ts_TPAFDAVEmitidos"_s,
        .description = u"Lista os DAVs emitidos por uma filial num período"_s,
        .controls = {
            line(u"ed_TPAFDAVEmitidosFilial"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s),
            comboEditable(u"ed_TPAFDAVEmitidosTipoPedido"_s, u"Tipo de Pedido"_s,
                          {u"DAV"_s, u"DAV-OS"_s, u"Todos"_s}, QString(), 2)
                .sends(u"Tipo"_s, kinds::codeOfPosition(tipoPedidoCodes())),
            unboundedSpin(u"ed_TPAFDAVEmitidosNumeroColunas"_s, u"Número de Colunas"_s, 48)
                .sends(u"NumeroColunas"_s, kinds::integer()),
            datePickerAt(u"ed_TPAFDAVEmitidosDataInicial"_s, u"Data Inicial"_s,
                         u"03/05/2017 17:14:31"_s)
                .sends(u"DataInicial"_s, kinds::pickerDateTime()),
            datePickerAt(u"ed_TPAFDAVEmitidosDataFinal"_s, u"Data Final"_s,
                         u"03/05/2017 17:14:31"_s)
                .sends(u"DataFinal"_s, kinds::pickerDateTime()),
            comprimirRetorno(comprimir),
            button(u"bt_TPAFDAVEmitidos"_s, u"Testar"_s,
                   send(u"TPAFAPI/DAVEmitidos"_s, savedFile(u"DAVEmitidos"_s, comprimir))),
        }};
}

Page imprimeDAV() {
    const QString comprimir = u"ed_TPAFImprimeDAVComprimirRetorno"_s;
    return Page{
        .name = u"ts_TPAFImprimeDAV"_s,
        .description = u"Imprime um DAV emitido pelo número do pedido"_s,
        .controls = {
            line(u"ed_TPAFImprimeDAVFilial"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s),
            // Shows "DAV" with no entry chosen: "Tipo" is "" until the user picks one.
            comboEditable(u"ed_TPAFImprimeDAVTipoPedido"_s, u"Tipo de Pedido"_s,
                          {u"DAV"_s, u"DAV-OS"_s}, u"DAV"_s)
                .sends(u"Tipo"_s, kinds::codeOfPosition(tipoPedidoCodes())),
            line(u"ed_TPAFImprimeDAVNumeroPedido"_s, u"Número do Pedido"_s, u"00000001"_s)
                .maxLen(10)
                .sends(u"NumeroPedido"_s),
            comprimirRetorno(comprimir),
            button(u"bt_TPAFImprimeDAV"_s, u"Testar"_s,
                   send(u"TPAFAPI/ImprimeDAV"_s, savedFile(u"ImprimeDAV"_s, comprimir))),
        }};
}

Page parametrosConfiguracao() {
    const QString comprimir = u"ed_TPAFParametrosConfiguracaoComprimirRetorno"_s;
    return Page{.name = u"ts_TPAFParametrosConfiguracao"_s,
                .description =
                    u"Gera o relatório dos parâmetros de configuração do PAF-ECF de uma filial"_s,
                .controls = {
                    line(u"ed_TPAFParametrosConfiguracaoFilial"_s, u"Filial"_s, u"001"_s)
                        .maxLen(3)
                        .sends(u"Filial"_s),
                    comprimirRetorno(comprimir),
                    button(u"bt_TPAFParametrosConfiguracao"_s, u"Testar"_s,
                           send(u"TPAFAPI/ParametrosConfiguracao"_s,
                                savedFile(u"ParametrosConfiguracao"_s, comprimir))),
                }};
}

Page tabelaIndiceTecnicoProducao() {
    const QString comprimir = u"ed_TPAFTabelaIndiceTecnicoProducaoComprimirRetorno"_s;
    return Page{.name = u"ts_TPAFTabelaIndiceTecnicoProducao"_s,
                .description = u"Gera a tabela de índice técnico de produção do PAF-ECF"_s,
                .controls = {
                    comprimirRetorno(comprimir),
                    button(u"bt_TPAFTabelaIndiceTecnicoProducao"_s, u"Testar"_s,
                           send(u"TPAFAPI/TabelaIndiceTecnicoProducao"_s,
                                savedFile(u"TabelaIndiceTecnicoProducao"_s, comprimir))),
                }};
}

Page geraArquivoRequisicaoExterna() {
    return Page{
        .name = u"ts_GeraArquivoRequisicaoExterna"_s,
        .description =
            u"Gera o arquivo que responde a uma requisição externa do fisco para um dia"_s,
        .controls =
            {
                line(u"ed_GeraArquivoRequisicaoExternaFilial"_s, u"Filial"_s, u"001"_s)
                    .maxLen(3)
                    .sends(u"Filial"_s),
                line(u"ed_GeraArquivoRequisicaoExternaNomePAFECF"_s, u"Nome PAF-ECF"_s, kNomePAFECF)
                    .sends(u"NomePAFECF"_s),
                line(u"ed_GeraArquivoRequisicaoExternaVersaoPAFECF"_s, u"Versão PAF-ECF"_s,
                     kVersaoPAFECF)
                    .sends(u"VersaoPAFECF"_s),
                line(u"ed_GeraArquivoRequisicaoExternaLaudoPAFECF"_s, u"Número do Laudo"_s,
                     kNumeroLaudo)
                    .sends(u"NumeroLaudo"_s),
                line(u"ed_GeraArquivoRequisicaoExternaMes"_s, u"Mês"_s, u"02"_s)
                    .maxLen(2)
                    .sends(u"Mes"_s),
                line(u"ed_GeraArquivoRequisicaoExternaAno"_s, u"Ano"_s, u"2019"_s)
                    .maxLen(4)
                    .sends(u"Ano"_s),
                line(u"ed_GeraArquivoRequisicaoExternaDia"_s, u"Dia"_s, u"01"_s)
                    .maxLen(2)
                    .sends(u"Dia"_s),
                check(u"ck_GeraArquivoRequisicaoExternaComprimirRetorno"_s, u"Comprimir Retorno"_s,
                      true)
                    .sends(u"ArquivoCompactado"_s, kinds::boolean()),
                button(u"bt_TestarGeraArquivoRequisicaoExterna"_s, u"Testar"_s,
                       send(u"TPAFAPI/GeraArquivoRequisicaoExterna"_s,
                            readings::saveFileRecord(u"GeraArquivoRequisicaoExterna"_s))),
            },
        // "Dia" stands after the month and year on the page but travels before them.
        .keyOrder = {u"Filial"_s, u"NomePAFECF"_s, u"VersaoPAFECF"_s, u"NumeroLaudo"_s, u"Dia"_s,
                     u"Mes"_s, u"Ano"_s, u"ArquivoCompactado"_s},
    };
}

} // namespace

std::vector<Page> pafPages() {
    return {perfil(),
            vendasIdentificadas(),
            davEmitidos(),
            imprimeDAV(),
            parametrosConfiguracao(),
            tabelaIndiceTecnicoProducao(),
            geraArquivoRequisicaoExterna()};
}
