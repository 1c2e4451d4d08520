// The PAF-ECF API pages built from grids: the identification of the PAF-ECF program and the
// PAF-ECF records file with its products and issued DAVs.
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/pafcommon.h"
#include "pages/registry.h"
#include "tables/memtable.h"

using namespace Qt::StringLiterals;

using namespace kit;
using namespace paf;

namespace {

const QString kNomePrincipalExecutavel = u"ed_TPAFIdentificacaoPAFECFNomePrincipalExecutavel"_s;

const QString kProdutos = u"vt_ListaProdutoPAFECF"_s;
const QString kDAVs = u"vt_DAVEmitidos"_s;
const QString kDAVItens = u"vt_DAVEmitidosItens"_s;
const QString kDAVAlteracoes = u"vt_DAVEmitidosAlteracoes"_s;

Page identificacaoPAFECF() {
    const QString comprimir = u"ed_TPAFIdentificacaoPAFECFComprimirRetorno"_s;
    return Page{
        .name = u"ts_TPAFIdentificacaoPAFECF"_s,
        .description =
            u"Gera a identificação do PAF-ECF, com seus arquivos e as impressoras fiscais"_s,
        .controls = {
            line(u"ed_TPAFIdentificacaoPAFECFFilial"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            line(u"ed_TPAFIdentificacaoPAFECFNomeAplicativo"_s, u"Nome Aplicativo"_s, kNomePAFECF)
                .sends(u"NomeAplicativo"_s),
            line(u"ed_TPAFIdentificacaoPAFECFVersaoAplicativo"_s, u"Versão Aplicativo"_s,
                 kVersaoPAFECF)
                .sends(u"VersaoAplicativo"_s),
            line(kNomePrincipalExecutavel, u"Nome Principal Executável"_s, u"POS.jnp"_s)
                .sends(u"NomePrincipalExecutavel"_s),
            line(u"ed_TPAFIdentificacaoPAFECFMD5PrincipalExecutavel"_s,
                 u"MD5 Principal Executável"_s, kMD5Exemplo)
                .sends(u"MD5PrincipalExecutavel"_s),
            line(u"ed_TPAFIdentificacaoPAFECFNumeroLaudo"_s, u"Número Laudo"_s, u"123456789"_s)
                .sends(u"NumeroLaudo"_s),
            datePickerAt(u"ed_TPAFIdentificacaoPAFECFDataLaudo"_s, u"Data Laudo"_s,
                         u"03/05/2017 17:14:31"_s)
                .sends(u"DataLaudo"_s, kinds::pickerDateTime()),
            line(u"ed_TPAFIdentificacaoPAFECFNomeArquivoAutenticacao"_s,
                 u"Nome Arquivo Autenticação"_s, u"MD5.txt"_s)
                .sends(u"NomeArquivoAutenticacao"_s),
            line(u"ed_TPAFIdentificacaoPAFECFMD5ArquivoAutenticacao"_s,
                 u"MD5 Arquivo Autenticação"_s, u"123456789"_s)
                .sends(u"MD5ArquivoAutenticacao"_s),
            group(
                u"gb_TPAFIdentificacaoPAFECFListaArquivos"_s, u"Lista de Arquivos do PAF-ECF"_s,
                {grid(u"gd_TPAFIdentificacaoPAFECFListaArquivos"_s, u"vt_ListaArquivosPAFECF"_s,
                      u"nv_TPAFIdentificacaoPAFECFListaArquivos"_s)
                     .withColumnWidths({{u"Nome"_s, 70}, {u"MD5"_s, 32}})
                     .sends(u"ListaArquivo"_s, kinds::rowsOf(u"vt_ListaArquivosPAFECF"_s,
                                                             {{u"Nome"_s, u"Nome"_s, Cell::Text},
                                                              {u"MD5"_s, u"MD5"_s, Cell::Text}}))}),
            group(u"gb_TPAFIdentificacaoPAFECFListaECF"_s, u"Lista de ECF"_s,
                  {grid(u"gd_TPAFIdentificacaoPAFECFListaECF"_s, u"vt_ListaECFPAFECF"_s,
                        u"nv_TPAFIdentificacaoPAFECFListaECF"_s)
                       .withColumnWidths({{u"NumeroFabricacao"_s, 50}})
                       .sends(u"ListaNumeroSerie"_s,
                              kinds::rowsOf(
                                  u"vt_ListaECFPAFECF"_s,
                                  {{u"NumeroFabricacao"_s, u"NumeroFabricacao"_s, Cell::Text}}))}),
            unboundedSpin(u"ed_TPAFIdentificacaoPAFECFNumeroColunas"_s, u"Número de Colunas"_s, 48)
                .sends(u"NumeroColunas"_s, kinds::integer()),
            comprimirRetorno(comprimir),
            button(u"bt_TPAFIdentificacaoPAFECF"_s, u"Testar"_s,
                   send(u"TPAFAPI/IdentificacaoPAFECF"_s,
                        savedFile(u"IdentificacaoPAFECF"_s, comprimir))),
        }};
}

// One object of the table's current row.
json::JsonValue rowObject(const MemTable& table, const std::vector<Column>& columns) {
    json::JsonValue o = json::JsonValue::object();
    for (const Column& c : columns)
        o.add(c.key.toStdString(), cellValue(table, c));
    return o;
}

// The product or service of an item or change row, with its unit of measure.
json::JsonValue produtoServico(const MemTable& t) {
    json::JsonValue o = rowObject(t, {{u"CodigoFiscal"_s, u"CodigoFiscal"_s, Cell::Text},
                                      {u"Desmat"_s, u"Desmat"_s, Cell::Text},
                                      {u"TipoTributacao"_s, u"TipoTributacao"_s, Cell::Text},
                                      {u"CodFps"_s, u"CodFps"_s, Cell::Text},
                                      {u"PerIcm"_s, u"PerIcm"_s, Cell::Money}});
    o.add("Medida", rowObject(t, {{u"UniMed"_s, u"UniMed"_s, Cell::Text}}));
    return o;
}

json::JsonValue item(const MemTable& t) {
    json::JsonValue o = rowObject(t, {{u"NumeroItem"_s, u"NumeroItem"_s, Cell::Integer}});
    o.add("ProdutoServico", produtoServico(t));
    json::JsonValue rest =
        rowObject(t, {{u"QtdItem"_s, u"QtdItem"_s, Cell::Money},
                      {u"vUnitario"_s, u"vUnitario"_s, Cell::Money},
                      {u"vDesconto"_s, u"vDesconto"_s, Cell::Money},
                      {u"vAcrescimo"_s, u"vAcrescimo"_s, Cell::Money},
                      {u"vTotalSemDesc"_s, u"vTotalSemDesc"_s, Cell::Money},
                      {u"SituacaoItemOrcamentoPAF"_s, u"SituacaoItemOrcamentoPAF"_s, Cell::Text},
                      {u"CasasDecimaisQuantidade"_s, u"CasasDecimaisQuantidade"_s, Cell::Integer},
                      {u"CasasDecimaisValor"_s, u"CasasDecimaisValor"_s, Cell::Integer},
                      {u"RegistroValido"_s, u"RegistroValido"_s, Cell::Boolean}});
    o.addMembersOf(rest);
    return o;
}

json::JsonValue alteracao(const MemTable& t) {
    json::JsonValue o = rowObject(t, {{u"NumeroItem"_s, u"NumeroItem"_s, Cell::Integer},
                                      {u"Data"_s, u"Data"_s, Cell::DateTime},
                                      {u"TipoLog"_s, u"TipoLog"_s, Cell::Text}});
    o.add("ProdutoServico", produtoServico(t));
    json::JsonValue rest =
        rowObject(t, {{u"Quantidade"_s, u"Quantidade"_s, Cell::Money},
                      {u"ValorUnitario"_s, u"ValorUnitario"_s, Cell::Money},
                      {u"ValorDesconto"_s, u"ValorDesconto"_s, Cell::Money},
                      {u"ValorAcrescimo"_s, u"ValorAcrescimo"_s, Cell::Money},
                      {u"ValorTotal"_s, u"ValorTotal"_s, Cell::Money},
                      {u"Cancelado"_s, u"Cancelado"_s, Cell::Boolean},
                      {u"CasasDecimaisQuantidade"_s, u"CasasDecimaisQuantidade"_s, Cell::Integer},
                      {u"CasasDecimaisValor"_s, u"CasasDecimaisValor"_s, Cell::Integer},
                      {u"RegistroValido"_s, u"RegistroValido"_s, Cell::Boolean}});
    o.addMembersOf(rest);
    return o;
}

// The rows a detail table shows for its master's current row.
json::JsonValue detailRows(MemTable& detail, json::JsonValue (*rowOf)(const MemTable&)) {
    json::JsonValue rows = json::JsonValue::array();
    for (detail.first(); !detail.eof(); detail.next())
        rows.append(rowOf(detail));
    return rows;
}

// One object per issued DAV, each carrying only its own items and changes (the detail tables
// follow the DAV table's current row).
json::JsonValue orcamentos(const FieldValue& v) {
    MemTable& davs = v.page->table(kDAVs);
    MemTable& itens = v.page->table(kDAVItens);
    MemTable& alteracoes = v.page->table(kDAVAlteracoes);
    json::JsonValue list = json::JsonValue::array();
    for (davs.first(); !davs.eof(); davs.next()) {
        json::JsonValue dav = rowObject(davs, {{u"Filial"_s, u"Filial"_s, Cell::Text},
                                               {u"TipoPedido"_s, u"TipoPedido"_s, Cell::Text},
                                               {u"NumeroDAV"_s, u"NumeroDAV"_s, Cell::Text},
                                               {u"DataPedido"_s, u"DataPedido"_s, Cell::DateTime}});
        dav.add("Cliente",
                rowObject(davs, {{u"RazaoSocial"_s, u"RazaoSocial"_s, Cell::Text},
                                 {u"NomeFantasia"_s, u"NomeFantasia"_s, Cell::Text},
                                 {u"Documento"_s, u"Documento"_s, Cell::Text},
                                 {u"TipoPessoa"_s, u"TipoPessoa"_s, Cell::IntegerAsText}}));
        dav.add("ECFImpressao",
                rowObject(davs, {{u"FilialECF"_s, u"Filial"_s, Cell::Text},
                                 {u"NumeroECF"_s, u"Numero"_s, Cell::Text},
                                 {u"NumeroFabricacao"_s, u"NumeroFabricacao"_s, Cell::Text},
                                 {u"Modelo"_s, u"Modelo"_s, Cell::Text},
                                 {u"Marca"_s, u"Marca"_s, Cell::Text},
                                 {u"Tipo"_s, u"Tipo"_s, Cell::Text},
                                 {u"MFAdicional"_s, u"MFAdicional"_s, Cell::Text}}));
        const json::JsonValue rest =
            rowObject(davs, {{u"COOImpressaoDAV"_s, u"COOImpressaoDAV"_s, Cell::Text},
                             {u"ValorTotal"_s, u"ValorTotal"_s, Cell::Money},
                             {u"COOVendaDAV"_s, u"COOVendaDAV"_s, Cell::Text},
                             {u"NumeroECFVendaDAV"_s, u"NumeroECFVendaDAV"_s, Cell::Text},
                             {u"RegistroValido"_s, u"RegistroValido"_s, Cell::Boolean}});
        dav.addMembersOf(rest);
        dav.add("Itens", detailRows(itens, item));
        dav.add("Alteracoes", detailRows(alteracoes, alteracao));
        list.append(std::move(dav));
    }
    return list;
}

// The controls' keys in tab order, with the main executable's name of the identification page
// before "MD5ArquivoAutenticacao".
DadosFn registrosDados() {
    return {[](PageContext& page) {
                const json::JsonValue own = page.keyedObject();
                json::JsonValue dados = json::JsonValue::object();
                for (std::size_t i = 0; i < own.size(); ++i) {
                    if (own.keyAt(i) == "MD5ArquivoAutenticacao")
                        dados.add("NomePrincipalExecutavel",
                                  kinds::text()(page.value(kNomePrincipalExecutavel)));
                    dados.add(own.keyAt(i), own.at(i));
                }
                return dados;
            },
            {kNomePrincipalExecutavel}};
}

Control dbGrid(const QString& name, const QString& table) {
    return grid(u"gd_"_s + name, table, u"nv_"_s + name);
}

Page registrosPAFECF() {
    const QString comprimir = u"ed_TPAFRegistrosPAFECFComprimirRetorno"_s;
    Action testar =
        send(u"TPAFAPI/RegistrosPAFECF"_s, readings::saveFileRecord(u"RegistrosPAFECF"_s));
    testar.dados = registrosDados();
    const Control principal = tab(
        u"ts_TPAFRegistrosPAFECFFiltroPrincipal"_s, u"Principal"_s,
        {
            line(u"ed_TPAFRegistrosPAFECFFilial"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            line(u"ed_TPAFRegistrosPAFECFNumeroECF"_s, u"Número ECF"_s, u"001"_s)
                .maxLen(3)
                .sends(u"NumeroECF"_s),
            datePickerAt(u"ed_TPAFRegistrosPAFECFDataInicial"_s, u"Data Inicial"_s,
                         u"12/05/2017 10:17:16"_s)
                .sends(u"DataInicial"_s, kinds::pickerDateTime()),
            datePickerAt(u"ed_TPAFRegistrosPAFECFDataFinal"_s, u"Data Final"_s,
                         u"12/05/2017 10:17:08"_s)
                .sends(u"DataFinal"_s, kinds::pickerDateTime()),
            check(u"ed_TPAFRegistrosPAFECFReducaoZ"_s, u"Geração pela Redução Z"_s)
                .sends(u"ReducaoZ"_s, kinds::boolean()),
            line(u"ed_TPAFRegistrosPAFECFNomeAplicativo"_s, u"Nome Aplicativo"_s, kNomePAFECF)
                .sends(u"NomeAplicativo"_s),
            line(u"ed_TPAFRegistrosPAFECFVersaoAplicativo"_s, u"Versão Aplicativo"_s, kVersaoPAFECF)
                .sends(u"VersaoAplicativo"_s),
            line(u"ed_TPAFRegistrosPAFECFMD5ArquivoAutenticacao"_s, u"MD5 Arquivo Autenticação"_s,
                 kMD5Exemplo)
                .sends(u"MD5ArquivoAutenticacao"_s),
            check(u"ed_TPAFRegistrosPAFECFGeraBlocoP"_s, u"Gera Bloco P"_s)
                .sends(u"GeraBlocoP"_s, kinds::boolean()),
            check(u"ed_TPAFRegistrosPAFECFGeraBlocoE"_s, u"Gera Bloco E"_s)
                .sends(u"GeraBlocoE"_s, kinds::boolean()),
            check(u"ed_TPAFRegistrosPAFECFEvidenciaTabelasDAV"_s, u"Evidência Tabelas DAV"_s)
                .sends(u"EvidenciaTabelasDAV"_s, kinds::boolean()),
        });
    Control produtos =
        dbGrid(u"TPAFRegistrosPAFECFListaProduto"_s, kProdutos)
            .withColumnWidths({{u"FILMAT"_s, 10},
                               {u"CODMAT"_s, 11},
                               {u"CODCOR"_s, 13},
                               {u"CODTAM"_s, 12},
                               {u"CHAVE"_s, 20}})
            .sends(u"ListaProdutos"_s,
                   kinds::rowsOf(kProdutos, {{u"CHAVE"_s, u"Chave"_s, Cell::Text},
                                             {u"FILMAT"_s, u"Filmat"_s, Cell::Text},
                                             {u"CODMAT"_s, u"Codmat"_s, Cell::Text},
                                             {u"CODCOR"_s, u"Codcor"_s, Cell::Integer},
                                             {u"CODTAM"_s, u"Codtam"_s, Cell::Integer}}));
    const Control davs =
        tabs(u"pc_TPAFRegistrosPAFECFFiltrosDAVs"_s,
             {
                 tab(u"ts_TPAFRegistrosPAFECFFiltrosDAVs_DAV"_s, u"DAV"_s,
                     {dbGrid(u"TPAFRegistrosPAFECFFiltrosDAVs_DAV"_s, kDAVs)
                          .sends(u"ListaOrcamentos"_s,
                                 ValueKind(orcamentos, {kDAVs, kDAVItens, kDAVAlteracoes}))}),
                 tab(u"ts_TPAFRegistrosPAFECFFiltrosDAVs_Itens"_s, u"Itens"_s,
                     {dbGrid(u"TPAFRegistrosPAFECFFiltrosDAVs_Itens"_s, kDAVItens)}),
                 tab(u"ts_TPAFRegistrosPAFECFFiltrosDAVs_Alteracoes"_s, u"Alterações"_s,
                     {dbGrid(u"TPAFRegistrosPAFECFFiltrosDAVs_Alteracoes"_s, kDAVAlteracoes)}),
             });
    return Page{
        .name = u"ts_TPAFRegistrosPAFECF"_s,
        .description =
            u"Gera o arquivo de registros do PAF-ECF de um período, com filtros de produtos e DAVs"_s,
        .controls =
            {
                tabs(u"pc_TPAFRegistrosPAFECFGrupoFiltros"_s,
                     {
                         principal,
                         tab(u"ts_TPAFRegistrosPAFECFFiltrosProdutos"_s, u"Produtos"_s,
                             {hint(u"lb_TPAFRegistrosPAFECFListaProduto"_s,
                                   u"Lista de Produtos para Filtro Estoque Bloco E"_s),
                              produtos}),
                         tab(u"ts_TPAFRegistrosPAFECFFiltrosDAVs"_s, u"DAVs Emitidos"_s, {davs}),
                     }),
                group(u"pn_TPAFRegistrosPAFECFRodape"_s, QString(),
                      {comprimirRetorno(comprimir),
                       button(u"bt_TPAFRegistrosPAFECF"_s, u"Testar"_s, testar)}),
            },
    };
}

} // namespace

std::vector<Page> pafRegistrosPages() {
    return {identificacaoPAFECF(), registrosPAFECF()};
}
