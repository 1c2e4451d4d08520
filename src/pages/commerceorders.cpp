// The commerce API pages of bank titles, CNAB files, transfer and separation notes, NF-e import,
// ICMS credit notes, separation orders, e-commerce and budgets.
#include "common/tjsonutil.h"
#include "contracts/tarquivo.h"
#include "contracts/tcombo.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/pageroutines.h"

#include <QComboBox>

#include <limits>

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

const QString kCodigosRemessa = u"vt_CodigosRemessaCNAB"_s;
const QString kItensPedido = u"vt_ItemPedidoReposicao"_s;
const QString kLotesItem = u"vt_LoteItemPedidoReposicao"_s;

// A copy of the object with one more member placed right after another one.
json::JsonValue withMemberAfter(const json::JsonValue& object, const char* after, const char* key,
                                json::JsonValue value) {
    json::JsonValue out = json::JsonValue::object();
    for (std::size_t i = 0; i < object.size(); ++i) {
        out.add(object.keyAt(i), object.at(i));
        if (object.keyAt(i) == after)
            out.add(key, std::move(value));
    }
    return out;
}

// The controls of the freight block of one page.
struct Frete {
    QString filialTransportadora, codigoTransportadora, valorSeguro, valorFrete, modalidade,
        conhecimento, placa, uf, rntc, marca, quantidade, numero, pesoBruto, pesoLiquido;

    QStringList names() const {
        return {filialTransportadora,
                codigoTransportadora,
                valorSeguro,
                valorFrete,
                modalidade,
                conhecimento,
                placa,
                uf,
                rntc,
                marca,
                quantidade,
                numero,
                pesoBruto,
                pesoLiquido};
    }
};

const Frete kFreteTransferencia{
    u"ed_ProcessaNotaDeTransferenciaFilTrans"_s,   u"ed_ProcessaNotaDeTransferenciaCodTransp"_s,
    u"ed_ProcessaNotaDeTransferenciaValSeguro"_s,  u"ed_ProcessaNotaDeTransferenciaValFrete"_s,
    u"ed_ProcessaNotaDeTransferenciaModalidade"_s, u"ed_ProcessaNotaDeTransferenciaConFrete"_s,
    u"ed_ProcessaNotaDeTransferenciaPlaca"_s,      u"ed_ProcessaNotaDeTransferenciaUF"_s,
    u"ed_ProcessaNotaDeTransferenciaRNTC"_s,       u"ed_ProcessaNotaDeTransferenciaMarca"_s,
    u"ed_ProcessaNotaDeTransferenciaQtde"_s,       u"ed_ProcessaNotaDeTransferenciaNumero"_s,
    u"ed_ProcessaNotaDeTransferenciaPesoBruto"_s,  u"ed_ProcessaNotaDeTransferenciaPesoLiq"_s};

const Frete kFreteSeparacao{
    u"edGeraNotaSeparacaoDAVFreteFilTra"_s,     u"edGeraNotaSeparacaoDAVFreteCodTra"_s,
    u"edGeraNotaSeparacaoDAVFreteVlrSeg"_s,     u"edGeraNotaSeparacaoDAVFreteVlrFre"_s,
    u"edGeraNotaSeparacaoDAVFreteModalidade"_s, u"edGeraNotaSeparacaoDAVFreteNumConh"_s,
    u"edGeraNotaSeparacaoDAVFretePlaca"_s,      u"edGeraNotaSeparacaoDAVFreteUf"_s,
    u"edGeraNotaSeparacaoDAVFreteRNTC"_s,       u"edGeraNotaSeparacaoDAVFreteMarca"_s,
    u"edGeraNotaSeparacaoDAVFreteQuantidade"_s, u"edGeraNotaSeparacaoDAVFreteNumero"_s,
    u"edGeraNotaSeparacaoDAVFretePesoBruto"_s,  u"edGeraNotaSeparacaoDAVFretePesoLiquido"_s};

std::vector<Control> freteControls(const Frete& f) {
    return {
        line(f.filialTransportadora, u"Filial Transportadora"_s),
        line(f.codigoTransportadora, u"Código Transportadora"_s),
        line(f.valorSeguro, u"Valor Seguro"_s, u"0,00"_s),
        line(f.valorFrete, u"Valor do Frete"_s, u"0,00"_s),
        enumCombo(f.modalidade, u"Modalidade"_s,
                  [] { return TCombo::Create<TComboModalidadeFrete>(nullptr, false); }),
        line(f.conhecimento, u"Conhecimento de Frete"_s),
        line(f.placa, u"Placa"_s).maxLen(7),
        line(f.uf, u"UF"_s).maxLen(2),
        line(f.rntc, u"RNTC"_s),
        line(f.marca, u"Marca"_s, u"1"_s),
        line(f.quantidade, u"Quantidade"_s, u"1"_s).digitsOnlyInput(),
        line(f.numero, u"Número"_s).digitsOnlyInput(),
        line(f.pesoBruto, u"Peso Bruto"_s, u"0"_s),
        line(f.pesoLiquido, u"Peso Liquído"_s, u"0"_s),
    };
}

// The "Frete" object: carrier, values, modality, bill of lading, vehicle and one volume.
json::JsonValue freteObject(PageContext& page, const Frete& f) {
    const auto value = [&page](const QString& control, const ValueKind& kind) {
        return kind(page.value(control));
    };
    json::JsonValue transportador = json::JsonValue::object();
    transportador.add("FilCli", value(f.filialTransportadora, kinds::text()));
    transportador.add("CodCli", value(f.codigoTransportadora, kinds::text()));
    json::JsonValue veiculo = json::JsonValue::object();
    veiculo.add("Placa", value(f.placa, kinds::text()));
    veiculo.add("UF", value(f.uf, kinds::text()));
    veiculo.add("RNTC", value(f.rntc, kinds::text()));
    json::JsonValue volume = json::JsonValue::object();
    volume.add("Marca", value(f.marca, kinds::text()));
    volume.add("Quantidade", value(f.quantidade, kinds::integerElse(0)));
    volume.add("Numero", value(f.numero, kinds::text()));
    volume.add("PesoBruto", value(f.pesoBruto, kinds::moneyElseZero()));
    volume.add("PesoLiquido", value(f.pesoLiquido, kinds::moneyElseZero()));
    json::JsonValue volumes = json::JsonValue::array();
    volumes.append(std::move(volume));

    json::JsonValue frete = json::JsonValue::object();
    frete.add("Transportador", std::move(transportador));
    frete.add("ValorSeguro", value(f.valorSeguro, kinds::moneyElseZero()));
    frete.add("ValorFrete", value(f.valorFrete, kinds::moneyElseZero()));
    frete.add("FreteModalidade", value(f.modalidade, kinds::code()));
    frete.add("ConhecimentoFrete", value(f.conhecimento, kinds::text()));
    frete.add("Veiculo", std::move(veiculo));
    frete.add("Volume", std::move(volumes));
    return frete;
}

// The page's keyed fields followed by its freight block (and, when given, more members).
DadosFn keyedWithFrete(const Frete& f, const QStringList& moreNames = {},
                       std::function<void(PageContext&, json::JsonValue&)> more = {}) {
    return {[f, more](PageContext& page) {
                json::JsonValue dados = page.keyedObject();
                dados.add("Frete", freteObject(page, f));
                if (more)
                    more(page, dados);
                return dados;
            },
            f.names() + moreNames};
}

// Every order item with the lots the detail table shows for it, first item to last.
json::JsonValue itensComLotes(PageContext& page) {
    static const std::vector<Column> item = {{u"CODFIL"_s, u"Filial"_s, Cell::Text},
                                             {u"NUMPED"_s, u"NumeroPedido"_s, Cell::Text},
                                             {u"NUMITE"_s, u"NumeroItem"_s, Cell::Integer},
                                             {u"QTDITE"_s, u"Quantidade"_s, Cell::Money}};
    static const std::vector<Column> lote = {{u"FILLOT"_s, u"Filial"_s, Cell::Text},
                                             {u"SEQLOT"_s, u"Sequen"_s, Cell::Text},
                                             {u"QTDITE"_s, u"Quantidade"_s, Cell::Money}};
    MemTable& itens = page.table(kItensPedido);
    MemTable& lotes = page.table(kLotesItem);
    json::JsonValue list = json::JsonValue::array();
    for (itens.first(); !itens.eof(); itens.next()) {
        json::JsonValue o = json::JsonValue::object();
        for (const Column& c : item)
            o.add(c.key.toStdString(), cellValue(itens, c));
        o.add("Lotes", tableRows(lotes, lote)); // the lots of the current item only
        list.append(std::move(o));
    }
    if (itens.recordCount() > 0)
        itens.moveTo(itens.recordCount() - 1);
    return list;
}

Page consultaTitulosBancarios() {
    const QString inicial = u"ed_ConsultaTitulosBancariosDatIniVenda"_s;
    const QString final = u"ed_ConsultaTitulosBancariosDatFimVenda"_s;
    return Page{
        .name = u"ts_ConsultaTitulosBancarios"_s,
        .description =
            u"Lista os títulos bancários (boletos) das vendas de um parceiro num período"_s,
        .controls = {
            line(u"ed_ConsultaTitulosBancariosFilial"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            datePicker(inicial, u"Data Inicial"_s)
                .presetAt(u"02/05/2018 08:45:15"_s)
                .sends(u"DataInicialVenda"_s, kinds::pickerDateTime()),
            datePicker(final, u"Data Final"_s)
                .presetAt(u"02/05/2018 08:45:15"_s)
                .sends(u"DataFinalVenda"_s, kinds::pickerDateTime()),
            line(u"ed_ConsultaTitulosBancariosFilialParceiro"_s, u"Filial Parceiro"_s)
                .sends(u"FilialParceiro"_s),
            line(u"ed_ConsultaTitulosBancariosCodigoParceiro"_s, u"Código Parceiro"_s)
                .sends(u"CodigoParceiro"_s),
            line(u"ed_ConsultaTitulosBancariosCodigoBanco"_s, u"Código Banco"_s)
                .sends(u"CodigoBanco"_s),
            line(u"ed_ConsultaTitulosBancariosNumeroAgencia"_s, u"Número Agência"_s)
                .sends(u"NumeroAgencia"_s),
            line(u"ed_ConsultaTitulosBancariosDigitoAgencia"_s, u"Dígito Agência"_s)
                .sends(u"DigitoAgencia"_s),
            line(u"ed_ConsultaTitulosBancariosNumeroContaCorrente"_s, u"Conta Corrente"_s)
                .sends(u"NumeroContaCorrente"_s),
            line(u"ed_ConsultaTitulosBancariosDigitoContaCorrente"_s, u"Dígito Conta Corrente"_s)
                .sends(u"DigitoContaCorrente"_s),
            line(u"ed_ConsultaTitulosBancariosCodigoCarteira"_s, u"Código Carteira"_s)
                .sends(u"CodigoCarteira"_s, kinds::integerElse(-1)),
            line(u"ed_ConsultaTitulosBancariosNumeroECF"_s, u"Número ECF"_s)
                .maxLen(3)
                .sends(u"NumeroECF"_s),
            line(u"ed_ConsultaTitulosBancariosSerie"_s, u"Série"_s).sends(u"Serie"_s),
            line(u"ed_ConsultaTitulosBancariosNumeroNota"_s, u"Número Nota"_s)
                .sends(u"NumeroNota"_s),
            button(u"bt_ConsultaTitulosBancarios"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ConsultaTitulosBancarios"_s)),
        }};
}

Page arquivoRemessaCNAB() {
    // The codes travel as an array only when the grid has rows (an empty array when all are
    // blank); without rows the key is left out.
    Action testar = send(u"TCommerceAPI/ArquivoRemessaCNAB"_s,
                         readings::saveFileRecord(u"ArquivoRemessaCNAB"_s));
    testar.dados =
        DadosFn{[](PageContext& page) {
                    json::JsonValue dados = page.keyedObject();
                    if (auto codigos = nonBlankStrings(page.table(kCodigosRemessa), u"Codigo"_s))
                        dados.add("ListaCodigoRemessa", std::move(*codigos));
                    return dados;
                },
                {kCodigosRemessa}};
    return Page{
        .name = u"ts_ArquivoRemessaCNAB"_s,
        .description = u"Gera o arquivo de remessa CNAB de uma conta e carteira bancárias"_s,
        .controls = {
            line(u"ed_ArquivoRemessaCNABFilial"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            line(u"ed_ArquivoRemessaCNABCodigoBanco"_s, u"Código Banco"_s).sends(u"CodigoBanco"_s),
            line(u"ed_ArquivoRemessaCNABNumeroAgencia"_s, u"Número Agência"_s)
                .sends(u"NumeroAgencia"_s),
            line(u"ed_ArquivoRemessaCNABDigitoAgencia"_s, u"Dígito Agência"_s)
                .sends(u"DigitoAgencia"_s),
            line(u"ed_ArquivoRemessaCNABNumeroContaCorrente"_s, u"Conta Corrente"_s)
                .sends(u"NumeroContaCorrente"_s),
            line(u"ed_ArquivoRemessaCNABDigitoContaCorrente"_s, u"Dígito Conta Corrente"_s)
                .sends(u"DigitoContaCorrente"_s),
            line(u"ed_ArquivoRemessaCNABCodigoCarteira"_s, u"Código Carteira"_s)
                .sends(u"CodigoCarteira"_s, kinds::integerElse(-1)),
            check(u"ed_ArquivoRemessaCNABComprimirRetorno"_s, u"Comprimir Retorno"_s)
                .sends(u"ArquivoCompactado"_s, kinds::boolean()),
            group(u"gb_ArquivoRemessaCNABCodigosRemessa"_s, u"Códigos de Remessa"_s,
                  {grid(u"dbg_ArquivoRemessaCNABCodigosRemessa"_s, kCodigosRemessa,
                        u"dbn_ArquivoRemessaCNABCodigosRemessa"_s)}),
            button(u"bt_ArquivoRemessaCNAB"_s, u"Testar"_s, testar),
        }};
}

Page processaArquivoRetornoCNAB() {
    return Page{.name = u"ts_ProcessaArquivoRetornoCNAB"_s,
                .description = u"Envia o arquivo de retorno CNAB do banco para baixa dos títulos"_s,
                .controls = {
                    line(u"ed_ProcessaArquivoRetornoCNABArquivoRetorno"_s, u"Arquivo Retorno"_s)
                        .withFilePicker(u"bt_ProcessaArquivoRetornoCNABArquivoRetorno"_s)
                        .sends(u"ArquivoRetorno"_s, kinds::fileBase64(false, EmptyPath::Error)),
                    button(u"bt_ProcessaArquivoRetornoCNAB"_s, u"Testar"_s,
                           send(u"TCommerceAPI/ProcessaArquivoRetornoCNAB"_s)),
                }};
}

Page processaNotaDeTransferencia() {
    Action testar = send(u"TCommerceAPI/ProcessaNotaDeTransferencia"_s);
    testar.dados = keyedWithFrete(
        kFreteTransferencia, {kItensPedido, kLotesItem},
        [](PageContext& page, json::JsonValue& dados) { dados.add("Itens", itensComLotes(page)); });
    const QString impressora = u"ed_ProcessaNotaDeTransferenciaNomeImpressora"_s;
    return Page{
        .name = u"ts_ProcessaNotaDeTransferencia"_s,
        .description =
            u"Emite a nota de transferência entre filiais para os itens de pedidos de reposição, com dados do frete"_s,
        .controls = {
            tabs(
                u"pc_ProcessaNotaDeTransferencia"_s,
                {
                    tab(u"ts_ProcessaNotaDeTransferenciaConfiguracao"_s, u"Configuração"_s,
                        {
                            line(u"ed_ProcessaNotaDeTransferenciaFilialUsuario"_s,
                                 u"Filial Usuário"_s, u"001"_s)
                                .sends(u"FilialUsuario"_s),
                            line(u"ed_ProcessaNotaDeTransferenciaCodigoUsuario"_s,
                                 u"Código Usuário"_s, u"1"_s)
                                .sends(u"CodigoUsuario"_s),
                            check(u"ed_ProcessaNotaDeTransferenciaImprimir"_s, u"Imprimir?"_s, true)
                                .sends(u"Imprimir"_s, kinds::boolean()),
                            comboEditable(impressora, u"Impressora"_s, {})
                                .withPrinterLookup(
                                    u"bt_ProcessaNotaDeTransferenciaConsultaImpressora"_s)
                                .sends(u"NomeImpressora"_s),
                        }),
                    tab(u"ts_ProcessaNotaDeTransferenciaPedidos"_s, u"Pedidos"_s,
                        {
                            grid(u"wwDBGrid1"_s, kItensPedido,
                                 u"nv_ProcessaNotaDeTransferenciaItensPedido"_s),
                            group(u"gb_ProcessaNotaDeTransferenciaLotes"_s, u"Lotes"_s,
                                  {grid(u"wwDBGrid2"_s, kLotesItem,
                                        u"nv_ProcessaNotaDeTransferenciaItensPedidoLotes"_s)}),
                        }),
                    tab(u"ts_ProcessaNotaDeTransferenciaFrete"_s, u"Frete"_s,
                        freteControls(kFreteTransferencia)),
                }),
            button(u"bt_ProcessaNotaDeTransferencia"_s, u"Testar"_s, testar).keptInSight(),
        }};
}

Page importaXMLNFe() {
    const QString autorizacao = u"ed_ImportaXMLNFeTEFAutorizacao"_s;
    const QString nsu = u"ed_ImportaXMLNFeTEFNSU"_s;
    const QString dataHora = u"dtp_ed_ImportaXMLNFeTEFDataHora"_s;
    const QString valor = u"ed_ImportaXMLNFeTEFValor"_s;
    const QString cartao = u"ed_ImportaXMLNFeTEFCartao"_s;
    const QString parcelas = u"se_ImportaXMLNFeTEFParcelas"_s;
    Action testar = send(u"TCommerceAPI/ImportaXMLNFe"_s);
    // The card payment's object goes right after the XML.
    testar.dados =
        DadosFn{[=](PageContext& page) {
                    const json::JsonValue keyed = page.keyedObject();
                    json::JsonValue tef = json::JsonValue::object();
                    tef.add("NumeroAutorizacao", kinds::text()(page.value(autorizacao)));
                    tef.add("NSU", kinds::text()(page.value(nsu)));
                    tef.add("DataTransacao", kinds::pickerDateTime()(page.value(dataHora)));
                    tef.add("ValorOperacao", kinds::money()(page.value(valor)));
                    tef.add("NumeroCartao", kinds::text()(page.value(cartao)));
                    tef.add("NumeroParcelas", kinds::integer()(page.value(parcelas)));
                    return withMemberAfter(keyed, "XML", "TEF", std::move(tef));
                },
                {autorizacao, nsu, dataHora, valor, cartao, parcelas}};
    return Page{
        .name = u"ts_ImportaXMLNFe"_s,
        .description =
            u"Importa uma NF-e pelo XML com os dados do pagamento em cartão (TEF) que a quitou"_s,
        .controls = {
            line(u"ed_ImportaXMLNFeXML"_s, u"XML da NF-e"_s)
                .withFilePicker(u"bt_ImportaXMLNFeXML"_s)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::Error)),
            line(autorizacao, u"TEF Autorização:"_s, u"11111"_s),
            line(nsu, u"TEF NSU:"_s, u"11111"_s),
            dateTimePicker(dataHora, u"TEF Data/Hora:"_s).presetAt(u"18/10/2016 10:40:23"_s),
            line(valor, u"TEF Valor:"_s, u"90,00"_s),
            line(cartao, u"TEF Cartão:"_s, u"1111111111"_s),
            spin(parcelas, u"TEF Parcelas:"_s, 3, std::numeric_limits<int>::min(),
                 std::numeric_limits<int>::max()),
            line(u"ed_ImportaXMLNFeFilialUsuario"_s, u"Filial Usuário"_s, u"001"_s)
                .sends(u"FilialUsuario"_s),
            line(u"ed_ImportaXMLNFeCodigoUsuario"_s, u"Código Usuário"_s, u"1"_s)
                .sends(u"CodigoUsuario"_s),
            button(u"bt_ImportaXMLNFeTestar"_s, u"Testar"_s, testar),
        }};
}

Page geraNotaCreditoICMS() {
    Action testar = send(u"TCommerceAPI/ProcessaNotaCreditoICMS"_s);
    // The origin branch travels twice: as the issuing branch and as the origin.
    testar.dados = [](PageContext& page) {
        const json::JsonValue keyed = page.keyedObject();
        const json::JsonValue* emitente = keyed.find("FilialEmitente");
        return withMemberAfter(keyed, "FilialEmitente", "FilialOrigem",
                               emitente ? *emitente : json::JsonValue());
    };
    return Page{
        .name = u"ts_GeraNotaCreditoICMS"_s,
        .description = u"Emite a nota de crédito de ICMS entre duas filiais para um período"_s,
        .controls =
            {
                line(u"ed_GeraNotaCreditoICMSFilUsuario"_s, u"Filial Usuário"_s, u"001"_s)
                    .sends(u"FilialUsuario"_s),
                line(u"ed_GeraNotaCreditoICMSUsuario"_s, u"Código Usuário"_s, u"1"_s)
                    .sends(u"CodigoUsuario"_s),
                line(u"ed_filialOrigem"_s, u"Filial Origem"_s, u"001"_s).sends(u"FilialEmitente"_s),
                line(u"ed_filialDest"_s, u"Filial Destino"_s, u"022"_s).sends(u"FilialDestino"_s),
                dateTimePicker(u"dt_inicialICMS"_s, u"Data Inicial"_s)
                    .presetAt(u"20/05/2019 00:00:00"_s)
                    .sends(u"DataInicial"_s, kinds::pickerDateTime()),
                dateTimePicker(u"dt_finalICMS"_s, u"Data Final"_s)
                    .presetAt(u"23/05/2019 23:59:59"_s)
                    .sends(u"DataFinal"_s, kinds::pickerDateTime()),
                line(u"ed_nomeImpressoraCreditoICMS"_s, u"Nome Impressora"_s, u"1"_s)
                    .sends(u"NomeImpressora"_s),
                button(u"bt_GeraNotaCreditoSCMS"_s, u"Testar"_s, testar),
            },
        .groupBox = u"gb_notaCreditopICMS"_s,
    };
}

// "Consulta Modelos/Impressoras": the printers of type "N" into one list, then the report
// models of the sub-folder into the other.
Action consultaModelos(const QString& modelo, const QString& impressora,
                       const QString& subDiretorio) {
    Action a;
    a.exchange = Exchange::Custom;
    a.uses = {modelo, impressora, subDiretorio};
    a.custom = [=](PageContext& page) {
        auto& modelos = page.as<QComboBox>(modelo);
        modelos.clear();
        page.exchange().conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
        TConexaoAPIConsultaImpressoras(page.exchange(), page.as<QComboBox>(impressora), u"N"_s);
        const HttpAnswer answer =
            page.exchange().standard(u"TCommerceAPI/ConsultaModeloOrdemDeSeparacaoDAV"_s, [&] {
                json::JsonValue dados = json::JsonValue::object();
                dados.add("SubDiretorioReport", kinds::text()(page.value(subDiretorio)));
                return dados;
            });
        const auto parsed = parseUtf8Answer(answer.body);
        if (!parsed)
            throw Exception(u"Resposta inesperada: o texto recebido não é JSON. Nenhum modelo "
                            u"foi listado."_s);
        const json::JsonValue* level = &*parsed;
        for (const char* key : {"result", "conteudo", "livre"})
            level = level && level->isObject() ? level->find(key) : nullptr;
        if (!level || !level->isArray())
            return; // an error envelope or no list: nothing to list
        for (std::size_t i = 0; i < level->size(); ++i)
            if (level->at(i).isObject())
                modelos.addItem(TArquivoHelper::fromJSON(&level->at(i))->Nome);
    };
    return a;
}

Page imprimeOrdemDeSeparacaoDAV() {
    const QString subDiretorio = u"ed_ImprimeOrdemDeSeparacaoDAVSubDiretorioModelo"_s;
    const QString modelo = u"ed_ImprimeOrdemDeSeparacaoDAVModelo"_s;
    const QString impressora = u"ed_ImprimeOrdemDeSeparacaoDAVImpressora"_s;
    const QString comprimir = u"ed_ImprimeOrdemDeSeparacaoDAVComprimirRetorno"_s;
    // Without a printer the middleware returns the document, saved by its packing.
    const Reading salva{[=](PageContext& page, const HttpAnswer& answer) {
                            if (page.text(impressora).trimmed().isEmpty())
                                ResultDecodeBase64(u"ImprimeOrdemDeSeparacaoDAV"_s,
                                                   page.checked(comprimir) ? u"zip"_s : u"pdf"_s,
                                                   answer.body);
                        },
                        {impressora, comprimir}};
    return Page{
        .name = u"ts_ImprimeOrdemDeSeparacaoDAV"_s,
        .description =
            u"Imprime a ordem de separação de um DAV ou pré-venda com o modelo de relatório escolhido"_s,
        .controls =
            {
                line(subDiretorio, u"Sub-Diretório Modelo"_s).sends(u"SubDiretorioReport"_s),
                comboEditable(modelo, u"Modelo"_s, {}).sends(u"Modelo"_s),
                comboEditable(impressora, u"Impressora"_s, {}).sends(u"NomeImpressora"_s),
                button(u"bt_ImprimeOrdemDeSeparacaoDAVConsultaModelo"_s,
                       u"Consulta Modelos/Impressoras"_s,
                       consultaModelos(modelo, impressora, subDiretorio)),
                check(comprimir, u"Comprimir Retorno?"_s, true)
                    .sends(u"ComprimirArquivoRetorno"_s, kinds::boolean()),
                check(u"ed_ImprimeOrdemDeSeparacaoDAVImprimir"_s, u"Imprimir?"_s, true)
                    .sends(u"Imprimir"_s, kinds::boolean()),
                line(u"ed_ImprimeOrdemDeSeparacaoDAVFilial"_s, u"Filial"_s).sends(u"Filial"_s),
                line(u"ed_ImprimeOrdemDeSeparacaoDAVTipoPedido"_s, u"Tipo DAV/Pré-Venda"_s)
                    .sends(u"TipoPedido"_s),
                line(u"ed_ImprimeOrdemDeSeparacaoDAVNumeroDAV"_s, u"Número Pedido"_s)
                    .sends(u"NumeroDAV"_s),
                line(u"ed_ImprimeOrdemDeSeparacaoDAVNumeroPedidoRE"_s,
                     u"Número Requisição Externa"_s)
                    .sends(u"NumeroPedidoRE"_s),
                button(u"bt_ImprimeOrdemDeSeparacaoDAV"_s, u"Imprime"_s,
                       send(u"TCommerceAPI/ImprimeOrdemDeSeparacaoDAV"_s, salva)),
            },
        .keyOrder = {u"Filial"_s, u"TipoPedido"_s, u"NumeroDAV"_s, u"NumeroPedidoRE"_s,
                     u"Imprimir"_s, u"Modelo"_s, u"NomeImpressora"_s, u"ComprimirArquivoRetorno"_s,
                     u"SubDiretorioReport"_s},
    };
}

Page geraNotaSeparacaoDAV() {
    Action testar = send(u"TCommerceAPI/GerarNFESeparacaoDAV"_s);
    testar.dados = keyedWithFrete(kFreteSeparacao);
    return Page{
        .name = u"GeraNotaSeparacaoDAV"_s,
        .description = u"Emite a NF-e da separação de um DAV ou pré-venda, com dados do frete"_s,
        .controls = {
            tabs(u"pcGeraNotaSeparacaoDAV"_s,
                 {
                     tab(u"tsGeraNotaSeparacaoDAVPedido"_s, u"Pedidos"_s,
                         {
                             line(u"ed_GeraNotaSeparacaoDAVFilial"_s, u"Código Filial"_s)
                                 .sends(u"Filial"_s),
                             line(u"ed_GeraNotaSeparacaoDAVTipPed"_s, u"Tipo DAV/Pré-Venda"_s)
                                 .sends(u"TipoPedido"_s),
                             line(u"ed_GeraNotaSeparacaoDAVNumeroDAV"_s, u"Número Pedido"_s)
                                 .sends(u"NumeroDAV"_s),
                             line(u"ed_GeraNotaSeparacaoDAVFilialUsuario"_s, u"Filial Usuário"_s,
                                  u"001"_s)
                                 .sends(u"FilialUsuario"_s),
                             line(u"ed_GeraNotaSeparacaoDAVCodigoUsuario"_s, u"Código Usuário"_s,
                                  u"1"_s)
                                 .sends(u"CodigoUsuario"_s),
                         }),
                     tab(u"tsGeraNotaSeparacaoDAVFrete"_s, u"Frete"_s,
                         freteControls(kFreteSeparacao)),
                 }),
            button(u"bt_GeraNotaSeparacaoDAV"_s, u"Testar"_s, testar),
        }};
}

Page sincronizacaoSkyHub() {
    return Page{
        .name = u"ts_SincronizacaoSkyHub"_s,
        .description =
            u"Sincroniza com a plataforma de comércio eletrônico os pedidos e produtos de uma filial"_s,
        .controls = {
            line(u"EdSincronizacaoSkyhubCodfil"_s, u"Código Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            button(u"BtSincronizacaoSkyhub"_s, u"Testar"_s,
                   send(u"TCommerceAPI/SincronizaSkyhub"_s)),
        }};
}

Page cancelaOrcamento() {
    return Page{
        .name = u"ts_CancelaOrcamento"_s,
        .description = u"Cancela um orçamento (pedido) de uma filial"_s,
        .controls = {
            line(u"Ed_CancelaOrcamentoFilial"_s, u"Filial"_s).sends(u"Filial"_s),
            line(u"Ed_CancelaOrcamentoTipo"_s, u"Tipo Pedido"_s).sends(u"TipoPedido"_s),
            line(u"Ed_CancelaOrcamentoNumeroPedido"_s, u"Número Pedido"_s).sends(u"NumeroDAV"_s),
            button(u"Bt_CancelaOrcamento"_s, u"Testar"_s, send(u"TCommerceAPI/CancelaOrcamento"_s)),
        }};
}

Page setStatusEcommerce() {
    return Page{
        .name = u"ts_SetStatusEcommerce"_s,
        .description = u"Altera o status de um pedido de comércio eletrônico"_s,
        .controls = {
            line(u"ed_SetStatusECommerceFilial"_s, u"Código Filial"_s).sends(u"Filial"_s),
            line(u"ed_SetStatusECommerceTipPed"_s, u"Tipo DAV/Pré-Venda"_s).sends(u"TipoPedido"_s),
            line(u"ed_SetStatusECommerceNumped"_s, u"Número Pedido"_s).sends(u"NumeroDAV"_s),
            line(u"ed_SetStatusEcommerceStatus"_s, u"Status"_s).sends(u"Status"_s),
            button(u"BtSetStatusECommerce"_s, u"Testar"_s,
                   send(u"TCommerceAPI/SetStatusEcommerce"_s)),
        }};
}

Page getOrderSkyHub() {
    return Page{
        .name = u"ts_Get_OrderSkyHub"_s,
        .description =
            u"Busca um pedido da plataforma de comércio eletrônico pelo número dele na plataforma"_s,
        .controls = {
            line(u"ed_Get_OrderSkyHubFilial"_s, u"Código Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s),
            line(u"ed_Get_OrderSkyHubNumeroPedido"_s, u"Número Pedido Skyhub"_s)
                .sends(u"NumeroPedidoSkyhub"_s),
            button(u"btGet_OrderSkyHub"_s, u"Testar"_s, send(u"TCommerceAPI/Get_OrderSkyHub"_s)),
        }};
}

Page marcaExportacaoECommerce() {
    return Page{
        .name = u"ts_MarcaExportacaoECommerce"_s,
        .description =
            u"Marca um documento fiscal como exportado para a plataforma de comércio eletrônico"_s,
        .controls = {
            line(u"ed_MarcaExportacaoECommerceFilial"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_MarcaExportacaoECommerceNumeroECF"_s, u"ECF"_s, u"001"_s)
                .sends(u"NumeroECF"_s),
            line(u"ed_MarcaExportacaoECommerceSerie"_s, u"Série"_s, u"1"_s).sends(u"SerieNF"_s),
            line(u"ed_MarcaExportacaoECommerceNumeroNota"_s, u"Número"_s, u"100007"_s)
                .sends(u"NumeroNF"_s, kinds::integerElse(0)),
            button(u"bt_MarcaExportacaoECommerce"_s, u"Testar"_s,
                   send(u"TCommerceAPI/MarcaExportacaoECommerce"_s)),
        }};
}

} // namespace

std::vector<Page> commerceOrderPages() {
    return {consultaTitulosBancarios(),
            arquivoRemessaCNAB(),
            processaArquivoRetornoCNAB(),
            processaNotaDeTransferencia(),
            importaXMLNFe(),
            geraNotaCreditoICMS(),
            imprimeOrdemDeSeparacaoDAV(),
            geraNotaSeparacaoDAV(),
            sincronizacaoSkyHub(),
            cancelaOrcamento(),
            setStatusEcommerce(),
            getOrderSkyHub(),
            marcaExportacaoECommerce()};
}
