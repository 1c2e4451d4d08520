// The commerce API pages of sales, parameters, transactions, imports, back-office, code
// sequences, invoices over receipts, bank-slip numbers and terminals.
#include "common/tjsonutil.h"
#include "contracts/pageenums.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

Page imprimirCancSeguro() {
    return Page{
        .name = u"ts_ImprimirCancSeguro"_s,
        .description =
            u"Imprime o comprovante de cancelamento de um documento pela filial, ECF, série e número"_s,
        .controls = {
            line(u"ed_FilialImprimirCancSeguro"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_ECFImprimirCancSeguro"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieImprimirCancSeguro"_s, u"Código da Série"_s, u"1"_s).sends(u"CODSER"_s),
            line(u"ed_NumeroImprimirCancSeguro"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integerElse(0)),
            button(u"bt_TestarImprimirCancSeguro"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ImprimirCancSeguro"_s)),
        }};
}

Page parametrosMiddleware() {
    using Kind = readings::ResultMember::Kind;
    const QString verpro = u"ed_VerproParametrosMiddleware"_s;
    const QString detpro = u"ed_DetproParametrosMiddleware"_s;
    const QString relpro = u"ed_RelproParametrosMiddleware"_s;
    const QString verhom = u"ed_VerhomParametrosMiddleware"_s;
    const QString dethom = u"ed_DethomParametrosMiddleware"_s;
    const QString relhom = u"ed_RelhomParametrosMiddleware"_s;
    const QString regatu = u"ed_RegatuParametrosMiddleware"_s;
    const QString homol = u"ck_HomolParametrosMiddleware"_s;
    return Page{
        .name = u"ts_ParametrosMiddleware"_s,
        .description = u"Consulta os parâmetros do middleware para uma filial e um ECF"_s,
        .controls = {
            line(u"ed_CodfilParametrosMiddleware"_s, u"Filial"_s, u"001"_s).sends(u"CODFIL"_s),
            line(u"ed_NumecfParametrosMiddleware"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            button(u"bt_TestarParametrosMiddleware"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ParametrosMiddleware"_s,
                        readings::resultRecordIntoFields({
                            {u"VersaoProducao"_s, verpro, Kind::Amount},
                            {u"DetalheProducao"_s, detpro, Kind::Text},
                            {u"ReleaseProducao"_s, relpro, Kind::Integer},
                            {u"VersaoHomologacao"_s, verhom, Kind::Amount},
                            {u"DetalheHomologacao"_s, dethom, Kind::Text},
                            {u"ReleaseHomologacao"_s, relhom, Kind::Integer},
                            {u"RegraAtualizacao"_s, regatu, Kind::Text},
                            {u"EmHomologacao"_s, homol, Kind::Boolean},
                        }))),
            line(verpro, u"Versão em Produção"_s),
            line(detpro, u"Detalhe em Produção"_s),
            line(relpro, u"Release em Produção"_s),
            line(verhom, u"Versão em Homologação"_s),
            line(dethom, u"Detalhe em Homologação"_s),
            line(relhom, u"Release em Homologação"_s),
            line(regatu, u"Regra Atualização"_s),
            check(homol, u"Em Homologação?"_s),
        }};
}

// The second action sends again the transaction XML of a request saved earlier: only the XML
// is taken from the saved envelope; the session Id and the signature are the current ones.
Action resendSavedTransaction(const QString& jsonField, const QString& duplicationCheck) {
    Action a = send(u"TCommerceAPI/ExecutaGravaTransacoes"_s);
    a.dados = DadosFn{
        [jsonField, duplicationCheck](PageContext& page) {
            const QString text =
                kinds::fileText(EmptyPath::Error)(page.value(jsonField)).toQString();
            const QByteArray utf8 = text.toUtf8();
            const auto saved =
                json::parse(std::string_view(utf8.constData(), std::size_t(utf8.size()))).value;
            if (!saved)
                throw Exception(
                    u"O arquivo \"%1\" não contém um JSON válido. Nada foi enviado."_s.arg(
                        page.text(jsonField)));
            const json::JsonValue* dados =
                TJSONUtil::GetObj(TJSONUtil::GetObj(&*saved, u"Parametros"_s), u"Dados"_s);
            json::JsonValue d = json::JsonValue::object();
            d.add("XML", TJSONUtil::SetStr(TJSONUtil::GetStr(dados, u"XML"_s)));
            d.add("ProcessaErroDuplicacao", TJSONUtil::SetBool(page.checked(duplicationCheck)));
            return d;
        },
        {jsonField, duplicationCheck}};
    return a;
}

Page executaGravaTransacoes() {
    const QString xml = u"ed_XMLExecutaGravaTransacoes"_s;
    const QString saved = u"ed_JsonExecutaGravaTransacoes"_s;
    const QString duplication = u"ck_ProcessaErroDuplicacaoJsonExecutaGravaTransacoes"_s;
    const QString caption = u"Processar transações com erro de duplicação (PK_LID)"_s;
    return Page{
        .name = u"ts_ExecutaGravaTransacoes"_s,
        .description =
            u"Grava no middleware as transações de venda de um arquivo XML ou digitadas na página"_s,
        .controls = {
            line(xml, u"XML da Transação"_s)
                .withFilePicker(u"bt_PathExecutaGravaTransacoes"_s)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::Error)),
            check(u"ck_ProcessaErroDuplicacaoExecutaGravaTransacoes"_s, caption)
                .sends(u"ProcessaErroDuplicacao"_s, kinds::boolean()),
            button(u"bt_TestarExecutaGravaTransacoes"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ExecutaGravaTransacoes"_s)),
            line(saved, u"JSON da Transação"_s)
                .withFilePicker(u"bt_JsonPathExecutaGravaTransacoes"_s),
            check(duplication, caption),
            button(u"bt_TestarJsonExecutaGravaTransacoes"_s, u"Testar"_s,
                   resendSavedTransaction(saved, duplication)),
        }};
}

Page receberMercadoriaImportacao() {
    return Page{
        .name = u"ts_ReceberMercadoriaImportacao"_s,
        .description =
            u"Registra o recebimento da mercadoria de uma importação pela nota de entrada"_s,
        .controls = {
            line(u"ed_FilialReceberMercadoriaImportacao"_s, u"Filial"_s, u"001"_s)
                .sends(u"CODFIL"_s),
            line(u"ed_ECFReceberMercadoriaImportacao"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s),
            line(u"ed_SerieReceberMercadoriaImportacao"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"CODSER"_s),
            line(u"ed_NumeroReceberMercadoriaImportacao"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMNOT"_s, kinds::integerElse(0)),
            button(u"bt_TestarReceberMercadoriaImportacao"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ReceberMercadoriaImportacao"_s)),
        }};
}

Page processaXMLDI() {
    return Page{
        .name = u"ts_ProcessaXMLDI"_s,
        .description =
            u"Processa o XML de uma Declaração de Importação (DI) pelas chaves informadas"_s,
        .controls = {
            group(u"gb_ChavesDI"_s, u"Chaves DI"_s,
                  {
                      line(u"ed_FilialProcessaXMLDI"_s, u"Filial"_s, u"001"_s).sends(u"Codfil"_s),
                      line(u"ed_SequenProcessaXMLDI"_s, u"Sequenciador"_s, u"         1"_s)
                          .sends(u"sequen"_s),
                  }),
            button(u"bt_TestarProcessaXMLDI"_s, u"Testar"_s, send(u"TCommerceAPI/ProcessaXMLDI"_s)),
        }};
}

Page processaNotaImportacao() {
    return Page{
        .name = u"ts_ProcessaNotaImportacao"_s,
        .description =
            u"Emite a nota fiscal de importação de uma Declaração de Importação para o usuário informado"_s,
        .controls = {
            group(
                u"gb_NIUsuario"_s, u"Usuário"_s,
                {
                    line(u"ed_NIFilialUsuario"_s, u"Filial"_s, u"001"_s).sends(u"FilialUsuario"_s),
                    line(u"ed_NICodigoUsuario"_s, u"Código"_s, u"  1"_s).sends(u"CodigoUsuario"_s),
                }),
            group(u"gb_NIDeclaracaoImportacao"_s, u"Declaracao de Importação"_s,
                  {
                      line(u"ed_NIFilial"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
                      line(u"ed_NISequen"_s, u"Sequenciador"_s, u"         1"_s).sends(u"Sequen"_s),
                  }),
            button(u"bt_TestarProcessaNotaImportacao"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ProcessaNotaImportacao"_s)),
        }};
}

Page consultaRetaguarda() {
    const QString origem = u"ed_OrigemConsultaRetaguarda"_s;
    const QString tipo = u"ed_TipoConsultaRetaguarda"_s;
    const QString versao = u"ed_VersaoConsultaRetaguarda"_s;
    const QString bloco = u"ed_TamanhoBlocoConsultaRetaguarda"_s;
    const QString params = u"vt_ParamsConsultaRetaguarda"_s;
    Action a = send(u"TCommerceAPI/ConsultaRetaguarda"_s);
    a.checks = {notBlank(origem, u"Informe a origem da consulta."_s),
                notBlank(tipo, u"Informe o tipo da consulta."_s),
                notBlank(versao, u"Informe a versão da consulta"_s),
                notBlank(bloco, u"Informe o tamanho do bloco"_s)};
    // The parameters always travel, as an empty list when the grid has no rows.
    a.dados = DadosFn{[params](PageContext& page) {
                          json::JsonValue d = page.keyedObject();
                          d.add("Parametros", tableRows(page.table(params),
                                                        {{u"Nome"_s, u"Nome"_s, Cell::Text},
                                                         {u"Valor"_s, u"Valor"_s, Cell::Text}}));
                          return d;
                      },
                      {params}};
    return Page{
        .name = u"ts_ConsultaRetaguarda"_s,
        .description =
            u"Consulta a retaguarda por origem e tipo, com os parâmetros nome e valor digitados na grade"_s,
        .controls = {
            line(origem, u"Origem"_s, u"C"_s).sends(u"Origem"_s),
            line(tipo, u"Tipo"_s, u"51"_s).sends(u"Tipo"_s, kinds::integer()),
            line(versao, u"Versão"_s, u"1"_s).sends(u"Versao"_s, kinds::integer()),
            line(bloco, u"Tamanho bloco"_s, u"0"_s).sends(u"TamanhoBloco"_s, kinds::integer()),
            group(u"gb_ParametrosConsultaRetaguarda"_s, u"Parâmetros"_s,
                  {grid(u"dbg_ParametrosConsultaRetaguarda"_s, params,
                        u"nv_ParametrosConsultaRetaguarda"_s)}),
            button(u"bt_TestarConsultaRetaguarda"_s, u"Testar"_s, a),
        }};
}

Page bloqueiaOrigem() {
    const QString chave = u"ed_ChaveBloqueiaOrigem"_s;
    const QString filial = u"ed_FilialBloqueiaOrigem"_s;
    const QString ecf = u"ed_ECFBloqueiaOrigem"_s;
    const QString usuario = u"ed_NomeUsuarioBloqueiaOrigem"_s;
    const QString id = u"ed_IDBloqueiaOrigem"_s;
    const QString observacao = u"ed_ObservacaoBloqueiaOrigem"_s;
    Action a = send(u"TCommerceAPI/BloqueiaOrigem"_s);
    a.checks = {notBlank(chave, u"Informe a chave do bloqueio."_s),
                notBlank(filial, u"Informe a filial do bloqueio."_s),
                notBlank(ecf, u"Informe o ECF do bloqueio."_s),
                notBlank(usuario, u"Informe o usuário do bloqueio."_s),
                notBlank(id, u"Informe o ID do bloqueio."_s),
                notBlank(observacao, u"Informe a observação do bloqueio."_s)};
    return Page{
        .name = u"ts_BloqueiaOrigem"_s,
        .description =
            u"Bloqueia uma origem de dados na retaguarda, impedindo seu uso até o desbloqueio"_s,
        .controls = {
            line(chave, u"Chave"_s, u"123456"_s).sends(u"Chave"_s),
            line(filial, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(ecf, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(usuario, u"Nome Usuário"_s, u"USUARIO"_s).sends(u"NomeUsuario"_s),
            line(id, u"ID"_s, u"654321"_s).sends(u"ID"_s),
            line(observacao, u"Observação"_s, u"TESTETESTE"_s).sends(u"Observacao"_s),
            button(u"bt_TestarBloqueiaOrigem"_s, u"Testar"_s, a),
        }};
}

Page desbloqueiaOrigem() {
    const QString chave = u"ed_ChaveDesbloqueiaOrigem"_s;
    const QString filial = u"ed_FilialDesbloqueiaOrigem"_s;
    const QString ecf = u"ed_ECFDesbloqueiaOrigem"_s;
    const QString id = u"ed_IDDesbloqueiaOrigem"_s;
    Action a = send(u"TCommerceAPI/DesbloqueiaOrigem"_s);
    a.checks = {notBlank(chave, u"Informe a chave do desbloqueio."_s),
                notBlank(filial, u"Informe a filial do desbloqueio."_s),
                notBlank(ecf, u"Informe o ECF do desbloqueio."_s),
                notBlank(id, u"Informe o ID do desbloqueio."_s)};
    return Page{.name = u"ts_DesbloqueiaOrigem"_s,
                .description = u"Desbloqueia uma origem de dados que foi bloqueada na retaguarda"_s,
                .controls = {
                    line(chave, u"Chave"_s, u"123456"_s).sends(u"Chave"_s),
                    line(filial, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
                    line(ecf, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
                    line(id, u"ID"_s, u"654321"_s).sends(u"ID"_s),
                    button(u"bt_TestarDesbloqueiaOrigem"_s, u"Testar"_s, a),
                }};
}

Page proximoCodigo() {
    return Page{
        .name = u"ts_ProximoCodigo"_s,
        .description =
            u"Pede o próximo código livre de uma tabela da retaguarda para a filial e série"_s,
        .controls = {
            line(u"ed_CodigoTabelaProximoCodigo"_s, u"Código tabela"_s, u"SAV"_s)
                .maxLen(3)
                .sends(u"CodigoTabela"_s),
            line(u"ed_FilialProximoCodigo"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s),
            line(u"ed_SerieProximoCodigo"_s, u"Série"_s).maxLen(2).sends(u"Serie"_s),
            line(u"ed_ChaveAdicionalProximoCodigo"_s, u"Chave adicional"_s)
                .maxLen(5)
                .sends(u"ChaveAdicional"_s),
            button(u"bt_TestarProximoCodigo"_s, u"Testar"_s, send(u"TCommerceAPI/ProximoCodigo"_s)),
        }};
}

Page processaNFSobreRecibo() {
    const QString filialRecibo = u"ed_FilialReciboProcessaNFSobreRecibo"_s;
    const QString sequenRecibo = u"ed_SequenReciboProcessaNFSobreRecibo"_s;
    return Page{
        .name = u"ts_ProcessaNFSobreRecibo"_s,
        .description =
            u"Emite uma nota fiscal sobre um recibo já registrado, com os itens informados"_s,
        .controls = {
            line(u"ed_FilialProcessaNFSobreRecibo"_s, u"Filial"_s, u"001"_s)
                .sends(u"FilialLogada"_s),
            line(filialRecibo, u"Filial Recibo"_s, u"001"_s).sends(u"FilialRecibo"_s),
            line(sequenRecibo, u"Sequenciador Recibo"_s, u"         1"_s).sends(u"SequenRecibo"_s),
            line(u"ed_FilialUsuarioProcessaNFSobreRecibo"_s, u"Filial Usuário"_s, u"001"_s)
                .sends(u"FilialUsuario"_s),
            line(u"ed_CodigoUsuarioProcessaNFSobreRecibo"_s, u"Código Usuário"_s, u"  1"_s)
                .sends(u"CodigoUsuario"_s),
            line(u"ed_ItensProcessaNFSobreRecibo"_s, u"Itens"_s, u"{1|50,0000};{2|1};{3|1}"_s)
                .sends(u"ItensParciais"_s, kinds::itemList(filialRecibo, sequenRecibo)),
            button(u"bt_TestarProcessaNFSobreRecibo"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ProcessaNFSobreRecibo"_s)),
        }};
}

Page listaNossoNumero() {
    return Page{
        .name = u"ts_ListaNossoNumero"_s,
        .description =
            u"Pede uma faixa de números de boleto (nosso número) para a conta e carteira bancárias"_s,
        .controls = {
            line(u"ed_ListaNossoNumeroQuantidade"_s, u"Quantidade"_s, u"1"_s)
                .sends(u"Quantidade"_s, kinds::integer()),
            line(u"ed_ListaNossoNumeroCodigoBanco"_s, u"Código Banco"_s).sends(u"CodigoBanco"_s),
            line(u"ed_ListaNossoNumeroNumeroAgencia"_s, u"Número Agência"_s)
                .sends(u"NumeroAgencia"_s),
            line(u"ed_ListaNossoNumeroContaCorrente"_s, u"Conta Corrente"_s)
                .sends(u"ContaCorrente"_s),
            line(u"ed_ListaNossoNumeroCodigoCarteira"_s, u"Código Carteira"_s)
                .sends(u"CodigoCarteira"_s, kinds::integer()),
            line(u"ed_ListaNossoNumeroDigitoAgencia"_s, u"Dígito Agência"_s)
                .sends(u"DigitoAgencia"_s),
            line(u"ed_ListaNossoNumeroNumeroAgenciaFicticia"_s, u"Número Agência Fictícia"_s)
                .sends(u"NumeroAgenciaFicticia"_s),
            button(u"bt_ListaNossoNumeroTestar"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ListaNossoNumero"_s)),
        }};
}

Page atualizaStatusECF() {
    return Page{
        .name = u"ts_AtualizaStatusECF"_s,
        .description = u"Atualiza no middleware o status de um ECF (caixa) de uma filial"_s,
        .controls = {
            line(u"ed_AtualizaStatusECFFilial"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_AtualizaStatusECFECF"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            memo(u"mm_AtualizaStatusECFStatusDados"_s, u"Status Dados"_s).sends(u"StatusDados"_s),
            button(u"bt_AtualizaStatusECFTestar"_s, u"Testar"_s,
                   send(u"TCommerceAPI/AtualizaStatusECF"_s)),
        }};
}

// The fiscal printer's controls: enabled, and sent as the "ECF" object, only for an ECF.
const QStringList kPersistePDVEcfControls = {
    u"ed_PersistePDVNumeroECF"_s,         u"ed_PersistePDVSerieECF"_s,
    u"ed_PersistePDVMarcaECF"_s,          u"ed_PersistePDVModeloECF"_s,
    u"ed_PersistePDVVersaoSWECF"_s,       u"dtp_PersistePDVDataSWECF"_s,
    u"cb_PersistePDVArredondaTruncaECF"_s};

Page persistePDV() {
    const QString tipo = u"rg_PersistePDV"_s;
    const QString data = u"dtp_PersistePDVDataSWECF"_s;
    const auto isEcf = [tipo](PageContext& page) { return page.value(tipo).index == 0; };
    const auto applyTipo = [isEcf](PageContext& page) {
        for (const QString& control : kPersistePDVEcfControls)
            page.setEnabled(control, isEcf(page));
    };
    Action a = send(u"TCommerceAPI/PersistePDV"_s);
    // The keyed controls give "CNPJ" and "Terminal", then the members of the "ECF" object.
    a.dados = DadosFn{[isEcf](PageContext& page) {
                          const json::JsonValue all = page.keyedObject();
                          json::JsonValue d = json::JsonValue::object();
                          json::JsonValue ecf = json::JsonValue::object();
                          for (std::size_t i = 0; i < all.size(); ++i) {
                              const bool top = all.keyAt(i) == "CNPJ" || all.keyAt(i) == "Terminal";
                              (top ? d : ecf).add(all.keyAt(i), all.at(i));
                          }
                          if (isEcf(page))
                              d.add("ECF", std::move(ecf));
                          return d;
                      },
                      {tipo}};
    const QStringList arredondaTrunca = {
        TEnum::ECFArredondaTruncaToStr(TEnumECFArredondaTruncaArredonda),
        TEnum::ECFArredondaTruncaToStr(TEnumECFArredondaTruncaTrunca)};
    return Page{
        .name = u"ts_PersistePDV"_s,
        .description =
            u"Cadastra um ponto de venda: um ECF (impressora fiscal) ou um terminal não fiscal"_s,
        .controls =
            {
                radioGroup(tipo, u"Tipo"_s, {u"ECF"_s, u"PDV"_s}, 0).whenChanged(applyTipo),
                line(u"ed_PersistePDVCNPJ"_s, u"CNPJ"_s).sends(u"CNPJ"_s),
                line(u"ed_PersistePDVNomeTerminal"_s, u"Nome Terminal"_s).sends(u"Terminal"_s),
                line(u"ed_PersistePDVNumeroECF"_s, u"Número do ECF"_s).sends(u"Numero"_s),
                line(u"ed_PersistePDVSerieECF"_s, u"Série do ECF"_s).sends(u"NumeroFabricacao"_s),
                line(u"ed_PersistePDVMarcaECF"_s, u"Marca do ECF"_s).sends(u"Marca"_s),
                line(u"ed_PersistePDVModeloECF"_s, u"Modelo do ECF"_s).sends(u"Modelo"_s),
                line(u"ed_PersistePDVVersaoSWECF"_s, u"Versão do Software do ECF"_s)
                    .sends(u"VersaoSoftware"_s),
                datePicker(data, u"Data do Software do ECF"_s)
                    .presetAt(u"07/06/2017 09:34:11"_s)
                    .sends(u"DataSoftware"_s, kinds::pickerDateTime()),
                comboList(u"cb_PersistePDVArredondaTruncaECF"_s, u"Arredonda ou Trunca?"_s,
                          {u"Arredonda"_s, u"Trunca"_s}, 0)
                    .sends(u"ArredondaTrunca"_s, kinds::codeOfPosition(arredondaTrunca)),
                button(u"bt_PersistePDVTestar"_s, u"Testar"_s, a),
            },
        .onBuilt = [applyTipo](PageContext& page) { applyTipo(page); },
    };
}

Page reinicializaPoS() {
    return Page{
        .name = u"ts_ReinicializaPoS"_s,
        .description = u"Reinicializa o ponto de venda (PoS) de uma filial e ECF"_s,
        .controls = {
            line(u"ed_ReinicializaPoSFilial"_s, u"Filial"_s).sends(u"Filial"_s),
            line(u"ed_ReinicializaPoSECF"_s, u"ECF"_s).sends(u"ECF"_s),
            button(u"bt_ReinicializaPoS"_s, u"Testar"_s, send(u"TCommerceAPI/ReinicializaPoS"_s)),
        }};
}

Page reimpressaoCupomEmNotaFiscal() {
    const QString docs = u"vt_ListaDocEmitidos"_s;
    Action a = send(u"TCommerceAPI/ReimpressaoCupomEmNotaFiscal"_s);
    a.dados = DadosFn{
        [docs](PageContext& page) {
            json::JsonValue d = page.keyedObject();
            d.add("DocEmitidos",
                  tableRows(page.table(docs), {{u"Filial"_s, u"Filial"_s, Cell::Text},
                                               {u"NumeroECF"_s, u"NumeroECF"_s, Cell::Text},
                                               {u"Serie"_s, u"Serie"_s, Cell::Text},
                                               {u"NumeroNota"_s, u"NumeroNota"_s, Cell::Integer}}));
            return d;
        },
        {docs}};
    return Page{
        .name = u"ts_ReimpressaoCupomEmNotaFiscal"_s,
        .description =
            u"Reemite como nota fiscal para um parceiro os cupons fiscais listados na grade"_s,
        .controls = {
            line(u"ed_RCFNFFilial"_s, u"Filial"_s, u"001"_s).maxLen(3).sends(u"Filial"_s),
            group(u"gb_RCFNFUsuario"_s, u"Usuário"_s,
                  {
                      line(u"ed_RCFNFUsuarioFilial"_s, u"Filial"_s, u"001"_s)
                          .maxLen(3)
                          .sends(u"FilialUsuario"_s),
                      line(u"ed_RCFNFUsuarioCodigo"_s, u"Código"_s, u"  1"_s)
                          .maxLen(3)
                          .sends(u"CodigoUsuario"_s),
                  }),
            group(u"gb_RCFNFParceiro"_s, u"Parceiro"_s,
                  {
                      line(u"ed_RCFNFParceiroFilial"_s, u"Filial"_s, u"001"_s)
                          .maxLen(3)
                          .sends(u"FilialParceiro"_s),
                      line(u"ed_RCFNFParceiroCodigo"_s, u"Código"_s, u"     1"_s)
                          .maxLen(6)
                          .sends(u"CodigoParceiro"_s),
                      group(u"gb_RCFNFParceiroEndereco"_s, u"Endereço"_s,
                            {
                                line(u"ed_RCFNFParceiroEnderecoFilial"_s, u"Filial"_s, u"001"_s)
                                    .maxLen(3)
                                    .sends(u"FilialEndereco"_s),
                                line(u"ed_RCFNFParceiroEnderecoNumero"_s, u"Número"_s, u"1"_s)
                                    .maxLen(10)
                                    .sends(u"CodigoEndereco"_s, kinds::integerElse(0)),
                            }),
                  }),
            check(u"ed_RCFNFImprime"_s, u"Imprime na Matriz?"_s)
                .sends(u"Imprimir"_s, kinds::boolean()),
            grid(u"gd_ReimpressaoCupomEmNotaFiscalDocEmitidos"_s, docs,
                 u"nv_ReimpressaoCupomEmNotaFiscalDocEmitidos"_s),
            button(u"bt_ReimpressaoCupomEmNotaFiscal"_s, u"Testar"_s, a),
        }};
}

Page processaNFSesAutomatico() {
    return Page{.name = u"ts_ProcessaNFSesAutomatico"_s,
                .description =
                    u"Dispara o processamento automático das NFS-e pendentes de uma empresa"_s,
                .controls = {
                    line(u"ed_CNPJProcessaNFSesAutomatico"_s, u"CNPJ"_s).sends(u"CNPJ"_s),
                    button(u"bt_TestarProcessaNFSesAutomatico"_s, u"Testar"_s,
                           send(u"TCommerceAPI/ProcessaNFSesAutomatico"_s)),
                }};
}

Page geraXMLTransacoesPendentes() {
    const QString inicial = u"dtp_GeraXMLTransacoesPendentesDataInicial"_s;
    const QString final = u"dtp_GeraXMLTransacoesPendentesDataFinal"_s;
    const QString pasta = u"ed_GeraXMLTransacoesPendentesPathSalvar"_s;
    return Page{
        .name = u"ts_GeraXMLTransacoesPendentes"_s,
        .description =
            u"Faz o middleware gravar numa pasta o XML das transações ainda pendentes num período"_s,
        .controls =
            {
                datePicker(inicial, u"Data Inicial"_s)
                    .presetAt(u"15/03/2018 08:45:15"_s)
                    .sends(u"DataInicial"_s, kinds::pickerDateTime()),
                datePicker(final, u"Data Final"_s)
                    .presetAt(u"15/03/2018 08:45:15"_s)
                    .sends(u"DataFinal"_s, kinds::pickerDateTime()),
                line(pasta, u"Salvar em:"_s, u"C:\\temp\\"_s)
                    .withButton(u"bt_GeraXMLTransacoesPendentesPathSalvar"_s, u"..."_s,
                                pickFolder(pasta))
                    .sends(u"PathSalvar"_s),
                button(u"bt_GeraXMLTransacoesPendentesTestar"_s, u"Testar"_s,
                       send(u"TCommerceAPI/GeraXMLTransacoesPendentes"_s)),
            },
    };
}

} // namespace

std::vector<Page> commercePages() {
    return {imprimirCancSeguro(),      parametrosMiddleware(),
            executaGravaTransacoes(),  receberMercadoriaImportacao(),
            processaXMLDI(),           processaNotaImportacao(),
            consultaRetaguarda(),      bloqueiaOrigem(),
            desbloqueiaOrigem(),       proximoCodigo(),
            processaNFSobreRecibo(),   listaNossoNumero(),
            atualizaStatusECF(),       persistePDV(),
            reinicializaPoS(),         reimpressaoCupomEmNotaFiscal(),
            processaNFSesAutomatico(), geraXMLTransacoesPendentes()};
}
