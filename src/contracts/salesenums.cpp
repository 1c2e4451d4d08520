#include "contracts/salesenums.h"

using enumkit::Cell;
using enumkit::EnumInfo;
using O = enumkit::Otherwise;

template <> const EnumInfo& enumInfo<TEnumAprovacaoOrcPeloCliente>() {
    static const EnumInfo e{
        "TEnumAprovacaoOrcPeloCliente",
        {"TEnumAprovacaoOrcPeloCliente_EmAberto", "TEnumAprovacaoOrcPeloCliente_Reprovado",
         "TEnumAprovacaoOrcPeloCliente_Aprovado"},
        {},
        {{"AprovacaoOrcPeloCliente", {"Em Aberto", "Reprovado", "Aprovado"}},
         {"AprovacaoOrcPeloClienteToStr", {"A", "2", "1"}}},
        {{"AprovacaoOrcPeloClienteFromStr",
          false,
          {{"A", TEnumAprovacaoOrcPeloCliente_EmAberto},
           {"2", TEnumAprovacaoOrcPeloCliente_Reprovado},
           {"", TEnumAprovacaoOrcPeloCliente_Aprovado},
           {"1", TEnumAprovacaoOrcPeloCliente_Aprovado}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumBandeiraCartao>() {
    static const EnumInfo e{
        "TEnumBandeiraCartao",
        {"bcVazio", "bcVisa", "bcMastercard", "bcAmericanExpress", "bcSorocred", "bcDinersClub",
         "bcElo", "bcHipercard", "bcAura", "bcCabal", "bcOutros"},
        {},
        {{"BandeiraCartaoToInt", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "99"}},
         {"BandeiraCartaoToStr",
          {"", "VISA", "MASTER", "AMEX", "SOROCRED", "DINERS", "ELO", "HIPERCARD", "AURA", "CABAL",
           "OUTRO"}}},
        {{"BandeiraCartaoFromInt", false, {}, O::rejection(), "BandeiraCartaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCaixaOrigem>() {
    static const EnumInfo e{
        "TEnumCaixaOrigem",
        {"coVenda", "coRecebimento", "coSangria", "coReforco", "coDeposito", "coRetirada",
         "coRecebimentoDevolucao", "coDevolucaoVendas", "coDiferenca", "coRecebimentoTerceiro"},
        {},
        {{"CaixaOrigem",
          {"1 - Venda", "2 - Recebimento", "3 - Sangria", "4 - Reforço", "5 - Depósito",
           "6 - Retirada", "7 - Recebimento de devolução", "8 - Devolução de vendas",
           "9 - Diferença", "T - Recebimento de terceiro"}},
         {"CaixaOrigemToStr", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "T"}}},
        {{"CaixaOrigemFromStr", false, {}, O::defaultTo(coVenda), "CaixaOrigemToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCanalDeAplicacaoCampanha>() {
    static const EnumInfo e{
        "TEnumCanalDeAplicacaoCampanha",
        {"TEnumCanalDeAplicacaoCampanha_Todos", "TEnumCanalDeAplicacaoCampanha_Loja",
         "TEnumCanalDeAplicacaoCampanha_Omnichannel"},
        {},
        {{"CanalDeAplicacaoCampanha", {"T - Todos", "L - Loja", "O - Omnichannel"}},
         {"CanalDeAplicacaoCampanhaToStr", {"T", "L", "O"}}},
        {{"CanalDeAplicacaoCampanhaFromStr",
          false,
          {},
          O::defaultTo(TEnumCanalDeAplicacaoCampanha_Todos),
          "CanalDeAplicacaoCampanhaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumComissaoSobre>() {
    static const EnumInfo e{
        "TEnumComissaoSobre",
        {"tfLiquidoAoVender", "tfBrutoAoVender", "tfAReceberNoVencimento",
         "tfRecebidoNoRecebimento", "tfAReceberNoRecebimento", "tfRecebidoDataCompensacaoCheque",
         "tfAReceberDataCompensacaoCheque", "tfSobreMarkup", "tfMarkupNoMomentoDaVenda"},
        {},
        {{"ComisaoSobreToInt", {"0", "1", "2", "3", "4", "5", "6", "7", "8"}}},
        {{"ComisaoSobrefromInt", false, {}, O::defaultTo(tfLiquidoAoVender), "ComisaoSobreToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumContaCorrenteStatus>() {
    static const EnumInfo e{
        "TEnumContaCorrenteStatus",
        {"ccsAberto", "ccsFaturamento", "ccsPagamento", "ccsSuspensos"},
        {},
        {{"ContaCorrenteStatus",
          {"A - Aberto", "F - Faturamento", "P - Pagamento", "S - Suspensos"}},
         {"ContaCorrenteStatusToStr", {"A", "F", "P", "S"}}},
        {{"ContaCorrenteStatusFromStr",
          false,
          {},
          O::defaultTo(ccsAberto),
          "ContaCorrenteStatusToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumContaCorrenteTipoLanc>() {
    static const EnumInfo e{
        "TEnumContaCorrenteTipoLanc",
        {"tlContrato",
         "tlTrocoRecebimento",
         "tlRecebimentoCC",
         "tlDepositoCC",
         "tlEstornoCC",
         "tlDebitoFornecedor",
         "tlFaturaClienteGlobal",
         "tlRecebimentoCheque",
         "tlRetiradaCC",
         "tlCreditoComissao",
         "tlValeCompra",
         "tlDevolucaoVendaCC",
         "tlRecebimentoCCMeioCC",
         "tlEstornoCCNoCanc",
         "tlFaturamentoOS",
         "tlGeraCCCartaoProprio",
         "tlEstornoFaturamentoCC",
         "tlRecebimentoRec",
         "tlDescRecebimentoRec",
         "tlTrocoVenda",
         "tlEstornoParcContraLancCC",
         "tlVendaComCC",
         "tlConciliacaoBanc",
         "tlExportaCCC",
         "tlLancamentoExtrato",
         "tlNulo"},
        {},
        {{"ContaCorrenteTipoLanc",
          {"A - Contrato",
           "B - Troco no recebimento",
           "C - Recebimento de C/C",
           "D - Depósito na C/C",
           "E - Estorno de C/C",
           "F - Débito para o fornecedor",
           "G - Fatura cliente global",
           "H - Recebimento de Cheque",
           "I - Retirada de C/C",
           "J - Credita comissão",
           "K - Vale compra",
           "L - Devolução de venda em C/C",
           "M  - Receb. de C/C com o meio C/C",
           "N - Estorno de C/C no cancelamento",
           "O - Faturamento referente a OS",
           "P - Gera C/C cartão próprio",
           "Q - Estorno de faturamento de C/C",
           "R - Recebimento de REC",
           "S - Desconto no recebimento de C/C",
           "T - Troco na venda",
           "U - Estorno parc. contra lanc. C/C",
           "V - Venda com C/C",
           "W - Conciliação banc./Gerar cred.",
           "X - Exporta CCC",
           "Z - Lançamento extrato",
           ""}},
         {"ContaCorrenteTipoLancToStr",
          {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Z", ""}}},
        {{"ContaCorrenteTipoLancFromStr",
          false,
          {},
          O::defaultTo(tlNulo),
          "ContaCorrenteTipoLancToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumDetTipoParceiro>() {
    static const EnumInfo e{
        "TEnumDetTipoParceiro",
        {"dtpGovernoEst", "dtpGovernoFed", "dtpGovernoMun", "dtpOutros", "dtpNulo"},
        {},
        {{"DetTipoParceiro",
          {"E - Governo Estadual", "F - Governo Federal", "M - Governo Municipal", "O - Outros",
           ""}},
         {"DetTipoParceiroToStr", {"E", "F", "M", "O", ""}}},
        {{"DetTipoParceiroFromStr", false, {}, O::defaultTo(dtpNulo), "DetTipoParceiroToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumEntregaFutura>() {
    static const EnumInfo e{
        "TEnumEntregaFutura",
        {"efAberto", "efEncomenda", "efprocessado", "efNulo"},
        {},
        {{"EntregaFutura", {"A - Aberto", "E - Encomenda", "P - Processado", ""}},
         {"EntregaFuturaToStr", {"A", "E", "P", ""}}},
        {{"EntregaFuturaFromStr", false, {}, O::defaultTo(efNulo), "EntregaFuturaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumEstadoCivil>() {
    static const EnumInfo e{
        "TEnumEstadoCivil",
        {"ecIndefinido", "ecSolteiro", "ecCasado", "ecViuvo", "ecDivorciado", "ecUniaoEstavel",
         "ecSeparado"},
        {},
        {{"EstadoCivil",
          {"0 - Indefinido", "1 - Solteiro", "2 - Casado", "3 - Viúvo", "4 - Divorciado",
           "5 - União estável", "6 - Separado"}},
         {"EstadoCivilToInt", {"0", "1", "2", "3", "4", "5", "6"}}},
        {{"EstadoCivilFromInt", false, {}, O::defaultTo(ecIndefinido), "EstadoCivilToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFlagFinanceiro>() {
    static const EnumInfo e{
        "TEnumFlagFinanceiro",
        {"tfReforcoConfirmado", "tfReforcoEmAberto", "tfReforcoSangria", "ttfSimples"},
        {},
        {{"FlagFinanceiro",
          {"R - Reforço Confirmado", "A - Reforço em Aberto(Positivo)",
           "I - Reforço Sangria(Negativo)", "S - Simples(Não Identificada)"}},
         {"FlagFinanceiroToStr", {"R", "A", "I", "S"}}},
        {{"FlagFinanceiroFromStr",
          false,
          {},
          O::defaultTo(tfReforcoConfirmado),
          "FlagFinanceiroToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFormadorPreco>() {
    static const EnumInfo e{
        "TEnumFormadorPreco",
        {"fpPromocaoPorPlano", "fpDAV", "fpCambio", "fpDesconto", "fpPromocaoFechamento",
         "fpInformado", "fpKit", "fpNF", "fpPromocao", "fpFormulaSQL", "fpTabela", "fpNulo"},
        {},
        {{"FormadorPreco",
          {"2 - Promoção por Plano", "A - DAV", "C - Câmbio", "D - Desconto",
           "F - Promoção de Fechamento", "I - Informado", "K - Kit", "N - NF", "P - Promoção",
           "S - Fórmula SQL", "T - Tabela", ""}},
         {"FormadorPrecoToStr", {"2", "A", "C", "D", "F", "I", "K", "N", "P", "S", "T", ""}}},
        {{"FormadorPrecoFromStr", false, {}, O::defaultTo(fpNulo), "FormadorPrecoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFormulaUso>() {
    static const EnumInfo e{
        "TEnumFormulaUso",
        {"TEnumFormulaUsoDiversas", "TEnumFormulaUsoServicoAdicionalImpressao",
         "TEnumFormulaUsoServicoAdicionalNumero", "TEnumFormulaUsoContaCorrenteImpressao",
         "TEnumFormulaUsoServicoAdicionalCancelamento"},
        {},
        {{"FormulaUso",
          {"1 - Diversas", "2 - Impressão de Serviço Adicional",
           "3 - Numeração de Serviço Adicional", "4 - Impressão de Conta Corrente",
           "5 - Cancelamento de Serviço Adicional"}},
         {"FormulaUsoToInt", {"1", "2", "3", "4", "5"}}},
        {{"FormulaUsoFromInt", false, {}, O::rejection(), "FormulaUsoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumLancaEstoque>() {
    static const EnumInfo e{
        "TEnumLancaEstoque",
        {"leBaixa", "leConfirmaReserva", "leNao", "leReserva"},
        {},
        {{"LancaEstoqueToStr", {"S", "C", "N", "R"}}},
        {{"LancaEstoqueFromStr", false, {}, O::defaultTo(leBaixa), "LancaEstoqueToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumMontagemItemOrc>() {
    static const EnumInfo e{
        "TEnumMontagemItemOrc",
        {"moInterna", "moEntrega", "moNenhuma"},
        {},
        {{"MontagemItemOrc",
          {"I - Montagem Interna", "T - Montagem na Entrega", "F - Sem Montagem"}},
         {"MontagemItemOrcToStr", {"I", "T", "F"}}},
        {{"MontagemItemOrcFromStr", false, {}, O::defaultTo(moNenhuma), "MontagemItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrcamentoTipoPagamento>() {
    static const EnumInfo e{
        "TEnumOrcamentoTipoPagamento",
        {"TEnumOrcamentoTipoPagamento_NaoDefinido", "TEnumOrcamentoTipoPagamento_Boleto",
         "TEnumOrcamentoTipoPagamento_ContaCorrente",
         "TEnumOrcamentoTipoPagamento_ParcelaEmAberto"},
        {},
        {{"OrcamentoTipoPagamento", {"N", "B", "C", "P"}},
         {"OrcamentoTipoPagamentoToStr",
          {"Não Definido", "Boleto", "Conta Corrente", "Parcela Em Aberto"}}},
        {{"OrcamentoTipoPagamentoFromStr",
          false,
          {{"B", TEnumOrcamentoTipoPagamento_Boleto},
           {"C", TEnumOrcamentoTipoPagamento_ContaCorrente},
           {"P", TEnumOrcamentoTipoPagamento_ParcelaEmAberto}},
          O::defaultTo(TEnumOrcamentoTipoPagamento_NaoDefinido)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemCancelamento>() {
    static const EnumInfo e{
        "TEnumOrigemCancelamento",
        {"ocCheckout", "ocBackoffice", "ocNulo"},
        {},
        {{"OrigemCancelamento", {"1 - Checkout", "2 - Backoffice", ""}},
         {"OrigemCancelamentoToStr", {"1", "2", ""}}},
        {{"OrigemCancelamentoFromStr", false, {}, O::defaultTo(ocNulo), "OrigemCancelamentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemConsultaRetaguarda>() {
    static const EnumInfo e{
        "TEnumOrigemConsultaRetaguarda",
        {"cdCheckout", "cdDecisor", "cdRetaguarda", "cdExportacao", "cdMarketplace"},
        {},
        {{"OrigemConsultaRetaguarda",
          {"C - Checkout", "D - Decisor", "R - Retaguarda", "E - Exportação", "M - Marketplace"}},
         {"OrigemConsultaRetaguardaToStr", {"C", "D", "R", "E", "M"}}},
        {{"OrigemConsultaRetaguardaFromStr",
          false,
          {},
          O::rejection(),
          "OrigemConsultaRetaguardaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemLancamento>() {
    static const EnumInfo e{
        "TEnumOrigemLancamento",
        {"olBackoffice", "olCheckout", "olScripts", "olNulo"},
        {},
        {{"OrigemLancamento", {"B - Backoffice", "C - Checkout", "I - Scripts Internos", ""}},
         {"OrigemLancamentoToStr", {"B", "C", "I", ""}}},
        {{"OrigemLancamentoFromStr", false, {}, O::defaultTo(olNulo), "OrigemLancamentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemTipo>() {
    static const EnumInfo e{
        "TEnumOrigemTipo",
        {"TEnumOrigemTipoOS", "TEnumOrigemTipoDAV", "TEnumOrigemTipoPreVenda",
         "TEnumOrigemTipoReforco", "TEnumOrigemTipoValeCompra", "TEnumOrigemTipoOSLocal",
         "TEnumOrigemTipoDAVLocal", "TEnumOrigemTipoCPF_CNPJ", "TEnumOrigemTipoVenda"},
        {},
        {{"OrigemTipo",
          {"1 - OS", "2 - DAV", "3 - Pré-Venda", "4 - Reforço", "5 - Vale Compra",
           "6 - O.S. Local (Quorva PoS)", "7 - DAV Local (Quorva PoS)", "8 - CPF ou CNPJ",
           "9 - Venda"}},
         {"OrigemTipoToInt", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}}},
        {{"OrigemTipoFromInt", false, {}, O::rejection(), "OrigemTipoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumParceiroDenegado>() {
    static const EnumInfo e{
        "TEnumParceiroDenegado",
        {"TEnumParceiroDenegado_Nao", "TEnumParceiroDenegado_Sim",
         "TEnumParceiroDenegado_PermiteVendas"},
        {},
        {{"ParceiroDenegado", {"1 - Não", "2 - Sim", "3 - Sim. Permitir Vendas"}},
         {"ParceiroDenegadoToInt", {"1", "2", "3"}}},
        {{"ParceiroDenegadoFromInt",
          false,
          {},
          O::defaultTo(TEnumParceiroDenegado_Nao),
          "ParceiroDenegadoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPenAtu>() {
    static const EnumInfo e{
        "TEnumPenAtu",
        {"pnAProcessar", "pnProcessando", "pnNulo"},
        {},
        {{"PenAtu", {"T - A processar", "P - Processando", ""}}, {"PenAtuToStr", {"T", "P", ""}}},
        {{"PenAtuFromStr", false, {}, O::defaultTo(pnNulo), "PenAtuToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPeriodoEntrega>() {
    static const EnumInfo e{
        "TEnumPeriodoEntrega",
        {"peManha", "peTarde", "peNoite", "peNulo"},
        {},
        {{"PeriodoEntrega", {"M - Manhã", "T - Tarde", "N - Noite", ""}},
         {"PeriodoEntregaToStr", {"M", "T", "N", ""}}},
        {{"PeriodoEntregaFromStr", false, {}, O::defaultTo(peNulo), "PeriodoEntregaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPromocaoItemOrc>() {
    static const EnumInfo e{
        "TEnumPromocaoItemOrc",
        {"poNaoPromocional", "poPromocional", "poQualquer", "poNulo"},
        {},
        {{"PromocaoItemOrc",
          {"N - Não Promocional no Plano", "E - Promocional no Plano", "Q - Qualquer Plano", ""}},
         {"PromocaoItemOrcToStr", {"N", "E", "Q", ""}}},
        {{"PromocaoItemOrcFromStr", false, {}, O::defaultTo(poNulo), "PromocaoItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRecebimentoOrc>() {
    static const EnumInfo e{
        "TEnumRecebimentoOrc",
        {"TEnumRecebimentoOrc_NaoDefinido",
         "TEnumRecebimentoOrc_BancoBrasil",
         "TEnumRecebimentoOrc_Bradesco",
         "TEnumRecebimentoOrc_Banrisul",
         "TEnumRecebimentoOrc_HSBC",
         "TEnumRecebimentoOrc_Itau",
         "TEnumRecebimentoOrc_PagamentoDigital",
         "TEnumRecebimentoOrc_Amex",
         "TEnumRecebimentoOrc_Boleto",
         "TEnumRecebimentoOrc_PagSeguroCartao",
         "TEnumRecebimentoOrc_Dinners",
         "TEnumRecebimentoOrc_Elo",
         "TEnumRecebimentoOrc_HiperCard",
         "TEnumRecebimentoOrc_MasterCard",
         "TEnumRecebimentoOrc_Outros",
         "TEnumRecebimentoOrc_PagSeguroBoleto",
         "TEnumRecebimentoOrc_PagSeguro",
         "TEnumRecebimentoOrc_Aura",
         "TEnumRecebimentoOrc_Visa",
         "TEnumRecebimentoOrc_BoletoAPrazo",
         "TEnumRecebimentoOrc_Orcamento",
         "TEnumRecebimentoOrc_Wix",
         "TEnumRecebimentoOrc_PayPal",
         "TEnumRecebimentoOrc_ContaCorrente"},
        {},
        {{"RecebimentoOrc",
          {"",
           "Banco Brasil",
           "Bradesco",
           "Banrisul",
           "HSBC",
           "Itau",
           "Pagamento Digital",
           "Amex",
           "Boleto",
           "PagSeguro Cartão",
           "Dinners",
           "Elo",
           "HiperCard",
           "MasterCard",
           "Outros",
           "PagSeguro Boleto",
           "PagSeguro",
           "Aura",
           "Visa",
           "Boleto a Prazo",
           "",
           "Wix Pagamentos",
           "PayPal",
           ""}},
         {"RecebimentoOrcToBandeira",
          {"bcVazio",     "bcVazio",           "bcVazio", "bcVazio", "bcVazio",      "bcVazio",
           "bcVazio",     "bcAmericanExpress", "bcVazio", "bcVazio", "bcDinersClub", "bcElo",
           "bcHipercard", "bcMastercard",      "bcVazio", "bcVazio", "bcVazio",      "bcAura",
           "bcVisa",      "bcVazio",           "bcVazio", "bcVazio", "bcVazio",      "bcVazio"}},
         {"RecebimentoOrcToStr", {"",  "1", "2", "3", "4", "5", "9", "A", "B", "C", "D", "E",
                                  "H", "M", "O", "P", "S", "U", "V", "W", "",  "X", "Y", ""}}},
        {{"RecebimentoOrcFromStr",
          false,
          {},
          O::defaultTo(TEnumRecebimentoOrc_NaoDefinido),
          "RecebimentoOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegraAbcXyz>() {
    static const EnumInfo e{
        "TEnumRegraAbcXyz",
        {"TEnumRegraAbcXyz_NaoUsa", "TEnumRegraAbcXyz_CustoxQuantidade",
         "TEnumRegraAbcXyz_NumeroVendas"},
        {},
        {},
        {{"RegraAbcXyzFromInt",
          false,
          {{"0", TEnumRegraAbcXyz_NaoUsa},
           {"1", TEnumRegraAbcXyz_CustoxQuantidade},
           {"2", TEnumRegraAbcXyz_NumeroVendas}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegraCodigoFiscal>() {
    static const EnumInfo e{
        "TEnumRegraCodigoFiscal",
        {"TEnumRegraCodigoFiscal_ChaveInterna", "TEnumRegraCodigoFiscal_ReferenciaBasica",
         "TEnumRegraCodigoFiscal_ReferenciaGrade", "TEnumRegraCodigoFiscal_CodigoExterno"},
        {},
        {{"RegraCodigoFiscal",
          {"1 - Chave Interna", "2 - Referência Básica", "3 - Referência de Grade",
           "4 - Código Externo"}},
         {"RegraCodigoFiscalToInt", {"1", "2", "3", "4"}}},
        {{"RegraCodigoFiscalFromInt", false, {}, O::rejection(), "RegraCodigoFiscalToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRelacaoParceiro>() {
    static const EnumInfo e{
        "TEnumRelacaoParceiro",
        {"rpCliente", "rpFilial", "rpClienteTransportadora", "rpCartoes", "rpFornecedor",
         "rpIndicadorVenda", "rpMarca", "rpTecInterno", "rpMotorista", "rpRepresentante",
         "rpTransportador", "rpTecExterno"},
        {},
        {{"RelacaoParceiro",
          {"0 - Todo parceiro é um Cliente", "1 - Filial", "A - Cliente Transportadora",
           "C - Cartões", "F - Fornecedor", "I - Indicador Venda", "M - Marca",
           "N - Técnico Interno", "O - Motorista", "R - Representante", "T - Transportador",
           "X - Técnico Externo"}},
         {"RelacaoParceiroToStr", {"0", "1", "A", "C", "F", "I", "M", "N", "O", "R", "T", "X"}}},
        {{"RelacaoParceiroFromStr", false, {}, O::defaultTo(rpCliente), "RelacaoParceiroToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSexo>() {
    static const EnumInfo e{
        "TEnumSexo",
        {"sxNaoConhecido", "sxMasculino", "sxFeminino"},
        {},
        {{"Sexo", {"0 - Não conhecido", "1 - Masculino", "2 - Feminino"}},
         {"SexoToInt", {"0", "1", "2"}}},
        {{"SexoFromInt", false, {}, O::defaultTo(sxNaoConhecido), "SexoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSitImpressaoEstorno>() {
    static const EnumInfo e{
        "TEnumSitImpressaoEstorno",
        {"sieImpressa", "siePendente", "sieNulo"},
        {},
        {{"SitImpressaoEstorno", {"I - Impressa", "P - Pendente para Impressão", ""}},
         {"SitImpressaoEstornoToStr", {"I", "P", ""}}},
        {{"SitImpressaoEstornoFromStr",
          false,
          {},
          O::defaultTo(sieNulo),
          "SitImpressaoEstornoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSitKit>() {
    static const EnumInfo e{
        "TEnumSitKit",
        {"skHeader", "skNormal", "skItemKit"},
        {},
        {{"SitKit", {"1 - Header", "2 - Normal", "3 - Item kit"}},
         {"SitKitToStr", {"1", "2", "3"}}},
        {{"SitKitFromStr", false, {}, O::defaultTo(skHeader), "SitKitToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoAnaliseCredito>() {
    static const EnumInfo e{
        "TEnumSituacaoAnaliseCredito",
        {"TEnumSituacaoAnaliseCreditoAberto", "TEnumSituacaoAnaliseCreditoAprovadoLimite",
         "TEnumSituacaoAnaliseCreditoAprovadoVenda", "TEnumSituacaoAnaliseCreditoReprovado"},
        {},
        {{"SituacaoAnaliseCredito",
          {"A - Aberto", "1 - Aprovado dentro do limite", "2 - Aprovado somente para esta venda",
           "R - Reprovado"}},
         {"SituacaoAnaliseCreditoToStr", {"A", "1", "2", "R"}}},
        {{"SituacaoAnaliseCreditoFromStr",
          false,
          {},
          O::rejection(),
          "SituacaoAnaliseCreditoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoAprovacaoCredito>() {
    static const EnumInfo e{
        "TEnumSituacaoAprovacaoCredito",
        {"TEnumAprovacaoCredito_EmAprovacao", "TEnumAprovacaoCredito_Reprovado",
         "TEnumAprovacaoCredito_Aprovado"},
        {},
        {{"SituacaoAprovacaoCredito", {"Em Aprovação", "Reprovado", "Aprovado"}},
         {"SituacaoAprovacaoCreditoToStr", {"E", "R", "A"}}},
        {{"SituacaoAprovacaoCreditoFromStr",
          false,
          {{"", TEnumAprovacaoCredito_EmAprovacao},
           {"E", TEnumAprovacaoCredito_EmAprovacao},
           {"R", TEnumAprovacaoCredito_Reprovado},
           {"A", TEnumAprovacaoCredito_Aprovado}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoCancelamento>() {
    static const EnumInfo e{
        "TEnumSituacaoCancelamento",
        {"scVendaCanceladaNoECF", "scDevolucao", "scTransacaoCancelada", "scOutros", "scEstornado"},
        {},
        {{"SituacaoCancelamento",
          {"C - Venda Cancelada no ECF", "D - Devolução", "T - Transação Cancelada", "O - Outros",
           "E - Estornado"}},
         {"SituacaoCancelamentoToStr", {"C", "D", "T", "O", "E"}}},
        {{"SituacaoCancelamentoFromStr",
          false,
          {},
          O::defaultTo(scEstornado),
          "SituacaoCancelamentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoCotacao>() {
    static const EnumInfo e{
        "TEnumSituacaoCotacao",
        {"TEnumSituacaoCotacao_Aberta", "TEnumSituacaoCotacao_Cancelada",
         "TEnumSituacaoCotacao_EnviadaFornecedor", "TEnumSituacaoCotacao_Finalizada"},
        {},
        {{"SituacaoCotacaoToStr", {"A", "C", "E", "F"}}},
        {{"SituacaoCotacao",
          false,
          {{"A", TEnumSituacaoCotacao_Aberta},
           {"C", TEnumSituacaoCotacao_Cancelada},
           {"E", TEnumSituacaoCotacao_EnviadaFornecedor},
           {"F", TEnumSituacaoCotacao_Finalizada}},
          O::raises("Opção de enumerador não implementada para TEnumSituacaoCotacao.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoCotacaoFornecedor>() {
    static const EnumInfo e{
        "TEnumSituacaoCotacaoFornecedor",
        {"TEnumSituacaoCotacaoFornecedor_Aberta", "TEnumSituacaoCotacaoFornecedor_Cancelada",
         "TEnumSituacaoCotacaoFornecedor_Enviada", "TEnumSituacaoCotacaoFornecedor_Recebida"},
        {},
        {{"SituacaoCotacaoFornecedorToStr", {"A", "C", "E", "R"}}},
        {{"SituacaoCotacaoFornecedor",
          false,
          {{"A", TEnumSituacaoCotacaoFornecedor_Aberta},
           {"C", TEnumSituacaoCotacaoFornecedor_Cancelada},
           {"E", TEnumSituacaoCotacaoFornecedor_Enviada},
           {"R", TEnumSituacaoCotacaoFornecedor_Recebida}},
          O::raises("Opção de enumerador não implementada para TEnumSituacaoCotacaoFornecedor.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoDocEmitido>() {
    static const EnumInfo e{
        "TEnumSituacaoDocEmitido",
        {"tfCancelada", "tfAberta", "tfQuitada"},
        {},
        {{"SituacaoDocEmitido", {"C", "A", "Q"}}},
        {{"SituacaoDocEmitidoFromStr",
          false,
          {{"A", tfAberta}, {"Q", tfQuitada}},
          O::defaultTo(tfCancelada)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoEcommerce>() {
    static const EnumInfo e{
        "TEnumSituacaoEcommerce",
        {"TEnumSituacaoEcommerce_Nulo", "TEnumSituacaoEcommerce_PagamentoEmAnalise",
         "TEnumSituacaoEcommerce_PendentePagamento", "TEnumSituacaoEcommerce_PagamentoAprovado",
         "TEnumSituacaoEcommerce_PagamentoEfetivado", "TEnumSituacaoEcommerce_ProdutoEnviado",
         "TEnumSituacaoEcommerce_ProdutoEntregue", "TEnumSituacaoEcommerce_PagamentoCancelado",
         "TEnumSituacaoEcommerce_ProblemaNaEntrega", "TEnumSituacaoEcommerce_Faturado"},
        {},
        {{"SituacaoEcommerce",
          {"", "Pagamento em análise", "Pendente de pagamento", "Pagamento aprovado",
           "Pagamento efetivado", "Produto enviado", "Produto entregue", "Pedido cancelado",
           "Problema na entrega", "Faturado"}},
         {"SituacaoEcommerceToStr", {"", "T", "R", "P", "F", "E", "N", "C", "O", "V"}}},
        {{"SituacaoEcommerceFromStr",
          false,
          {{"", TEnumSituacaoEcommerce_Nulo},
           {"T", TEnumSituacaoEcommerce_PagamentoEmAnalise},
           {"R", TEnumSituacaoEcommerce_PendentePagamento},
           {"P", TEnumSituacaoEcommerce_PagamentoAprovado},
           {"F", TEnumSituacaoEcommerce_PagamentoEfetivado},
           {"E", TEnumSituacaoEcommerce_ProdutoEnviado},
           {"N", TEnumSituacaoEcommerce_ProdutoEntregue},
           {"C", TEnumSituacaoEcommerce_PagamentoCancelado},
           {"O", TEnumSituacaoEcommerce_ProblemaNaEntrega},
           {"V", TEnumSituacaoEcommerce_Faturado}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItem>() {
    static const EnumInfo e{
        "TEnumSituacaoItem",
        {"tfNormal", "tfCancelado"},
        {},
        {{"SituacaoItem", {"Normal", "Cancelado"}}, {"SituacaoItemToStr", {"N", "C"}}},
        {{"SituacaoItemFromStr", false, {}, O::defaultTo(tfCancelado), "SituacaoItemToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItemCotacao>() {
    static const EnumInfo e{
        "TEnumSituacaoItemCotacao",
        {"TEnumSituacaoItemCotacao_Aberta", "TEnumSituacaoItemCotacao_Cancelada",
         "TEnumSituacaoItemCotacao_Finalizada"},
        {},
        {{"SituacaoItemCotacaoToStr", {"A", "C", "F"}}},
        {{"SituacaoItemCotacao",
          false,
          {{"A", TEnumSituacaoItemCotacao_Aberta},
           {"C", TEnumSituacaoItemCotacao_Cancelada},
           {"F", TEnumSituacaoItemCotacao_Finalizada}},
          O::raises("Opção de enumerador não implementada para TEnumSituacaoItemCotacao.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItemFornecedor>() {
    static const EnumInfo e{
        "TEnumSituacaoItemFornecedor",
        {"TEnumSituacaoItemFornecedor_Aberta", "TEnumSituacaoItemFornecedor_Cancelada",
         "TEnumSituacaoItemFornecedor_Recebida"},
        {},
        {{"SituacaoItemFornecedorToStr", {"A", "C", "R"}}},
        {{"SituacaoItemFornecedor",
          false,
          {{"A", TEnumSituacaoItemFornecedor_Aberta},
           {"C", TEnumSituacaoItemFornecedor_Cancelada},
           {"R", TEnumSituacaoItemFornecedor_Recebida}},
          O::raises("Opção de enumerador não implementada para TEnumSituacaoItemFornecedor.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItemFornecedorVencedor>() {
    static const EnumInfo e{
        "TEnumSituacaoItemFornecedorVencedor",
        {"TEnumSituacaoItemFornecedorVencedor_True", "TEnumSituacaoItemFornecedorVencedor_False"},
        {},
        {{"SituacaoItemFornecedorVencedorToStr", {"T", "F"}}},
        {{"SituacaoItemFornecedorVencedor",
          false,
          {{"T", TEnumSituacaoItemFornecedorVencedor_True},
           {"F", TEnumSituacaoItemFornecedorVencedor_False}},
          O::raises(
              "Opção de enumerador não implementada para TEnumSituacaoItemFornecedorVencedor.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItemOrc>() {
    static const EnumInfo e{
        "TEnumSituacaoItemOrc",
        {"soCancelado", "soConcluido", "soEmAberto", "soEmAndamento", "soVendido", "soReservado"},
        {},
        {{"SituacaoItemOrcamento",
          {"C - Cancelado", "O - Concluído", "A - Em aberto", "T - Em andamento",
           "E - Faturado/Vendido", "R - Reservado"}},
         {"SituacaoItemOrcamentoToStr", {"C", "O", "A", "T", "E", "R"}}},
        {{"SituacaoItemOrcamentoFromStr",
          false,
          {},
          O::defaultTo(soEmAberto),
          "SituacaoItemOrcamentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoItemTEF>() {
    static const EnumInfo e{
        "TEnumSituacaoItemTEF",
        {"siAberto", "siPago", "siCancelado"},
        {},
        {{"SituacaoItemTEF", {"A - Aberto", "P - Pago", "C - Cancelado"}},
         {"SituacaoItemTEFToStr", {"A", "P", "C"}}},
        {{"SituacaoItemTEFFromStr",
          false,
          {},
          O::raisesWithArgument("Situação do item de TEF inválida: "),
          "SituacaoItemTEFToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoOrc>() {
    static const EnumInfo e{
        "TEnumSituacaoOrc",
        {"TEnumSituacaoOrc_EmAberto", "TEnumSituacaoOrc_Vendido", "TEnumSituacaoOrc_Concluido",
         "TEnumSituacaoOrc_Cancelado"},
        {},
        {{"SituacaoOrc", {"Em aberto", "Vendido", "Concluído", "Cancelado"}},
         {"SituacaoOrcToStr", {"A", "E", "O", "C"}}},
        {{"SituacaoOrcFromStr", false, {}, O::rejection(), "SituacaoOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoOrigemIVO>() {
    static const EnumInfo e{
        "TEnumSituacaoOrigemIVO",
        {"TEnumSituacaoOrigemIVO_PedidoReposicao", "TEnumSituacaoOrigemIVO_Orcamento",
         "TEnumSituacaoOrigemIVO_Venda"},
        {},
        {{"OrigemIVO", {"P - Pedido de Reposição", "O - Orçamento", "V - Venda"}},
         {"OrigemIVOToStr", {"P", "O", "V"}}},
        {{"OrigemIVOFromStr",
          false,
          {},
          O::defaultTo(TEnumSituacaoOrigemIVO_PedidoReposicao),
          "OrigemIVOToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoPedidoDeCompra>() {
    static const EnumInfo e{
        "TEnumSituacaoPedidoDeCompra",
        {"TEnumSituacaoPedidoDeCompra_Aberto", "TEnumSituacaoPedidoDeCompra_Cancelado",
         "TEnumSituacaoPedidoDeCompra_Entregue", "TEnumSituacaoPedidoDeCompra_Reprovado",
         "TEnumSituacaoPedidoDeCompra_Aprovado"},
        {},
        {{"SituacaoPedidoDeCompra",
          {"A - Aberto", "C - Cancelado", "E - Entregue", "0 - Reprovado", "2 - Aprovado"}},
         {"SituacaoPedidoDeCompraToStr", {"A", "C", "E", "0", "2"}}},
        {{"SituacaoPedidoDeCompraFromStr",
          false,
          {},
          O::rejection(),
          "SituacaoPedidoDeCompraToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoPedidoDeCompraItem>() {
    static const EnumInfo e{
        "TEnumSituacaoPedidoDeCompraItem",
        {"TEnumSituacaoPedidoDeCompraItem_Aberto", "TEnumSituacaoPedidoDeCompraItem_Cancelado",
         "TEnumSituacaoPedidoDeCompraItem_Entregue"},
        {},
        {{"SituacaoPedidoDeCompraItem", {"A - Aberto", "C - Cancelado", "E - Entregue"}},
         {"SituacaoPedidoDeCompraItemToStr", {"A", "C", "E"}}},
        {{"SituacaoPedidoDeCompraItemFromStr",
          false,
          {},
          O::rejection(),
          "SituacaoPedidoDeCompraItemToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoRecebimento>() {
    static const EnumInfo e{
        "TEnumSituacaoRecebimento",
        {"paAberto", "paCancelado", "paEstornado", "paPago"},
        {},
        {{"SituacaoRecebimento", {"A - Aberto", "C - Cancelado", "X - Estornado", "P - Pago"}},
         {"SituacaoRecebimentoToStr", {"A", "C", "X", "P"}}},
        {{"SituacaoRecebimentoFromStr",
          false,
          {},
          O::raises("Situacao de recebimento desconhecida."),
          "SituacaoRecebimentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoRomaneio>() {
    static const EnumInfo e{
        "TEnumSituacaoRomaneio",
        {"srAberto", "srCancelado", "srEntregue", "srFechado"},
        {},
        {{"SituacaoRomaneio", {"Aberto", "Cancelado", "Entregue", "Fechado"}},
         {"SituacaoRomaneioToStr", {"A", "C", "E", "F"}}},
        {{"SituacaoRomaneioFromStr", false, {}, O::rejection(), "SituacaoRomaneioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoSeparacao>() {
    static const EnumInfo e{
        "TEnumSituacaoSeparacao",
        {"ssAberto", "ssCancelado", "ssDevolver", "ssFalta", "ssEncomendado", "ssEntregue",
         "ssNaoSeparar", "ssSeparado"},
        {},
        {{"SituacaoSeparacao",
          {"A - Aberto", "C - Cancelado", "D - Devolver", "F - Em Falta", "O - Encomendado",
           "E - Entregue", "N - Não Separar", "P - Separado"}},
         {"SituacaoSeparacaoToStr", {"A", "C", "D", "F", "O", "E", "N", "P"}}},
        {{"SituacaoSeparacaoFromStr", false, {}, O::defaultTo(ssAberto), "SituacaoSeparacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoSeparacaoOrc>() {
    static const EnumInfo e{
        "TEnumSituacaoSeparacaoOrc",
        {"ssoAberto", "ssoProcessado", "ssNulo"},
        {},
        {{"SituacaoSeparacaoOrc", {"A - Aberto", "P - Processado", ""}},
         {"SituacaoSeparacaoOrcToStr", {"A", "P", ""}}},
        {{"SituacaoSeparacaoOrcFromStr",
          false,
          {},
          O::defaultTo(ssNulo),
          "SituacaoSeparacaoOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoServicoAdicional>() {
    static const EnumInfo e{
        "TEnumSituacaoServicoAdicional",
        {"saAberto", "saCancelado", "saDevolvido", "saVendido"},
        {},
        {{"SituacaoServicoAdicional",
          {"A - Aberto", "C - Cancelado", "D - Devolvido", "F - Vendido"}},
         {"SituacaoServicoAdicionalToStr", {"A", "C", "D", "F"}}},
        {{"SituacaoServicoAdicionalFromStr",
          false,
          {},
          O::defaultTo(saAberto),
          "SituacaoServicoAdicionalToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoTEF>() {
    static const EnumInfo e{
        "TEnumSituacaoTEF",
        {"stCancelado", "stSucesso", "stImpressaoOk", "stErroImpressao"},
        {},
        {{"SituacaoTEF",
          {"C - Cancelado", "S - Sucesso", "M - Impressão Ok", "E - Erro na Impressão"}},
         {"SituacaoTEFToStr", {"C", "S", "M", "E"}}},
        {{"SituacaoTEFFromStr", false, {}, O::defaultTo(stCancelado), "SituacaoTEFToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSolucaoPendencia>() {
    static const EnumInfo e{
        "TEnumSolucaoPendencia",
        {"spCancelamentoTransacao", "spFechamentoCaixa", "spRecebimentoPendencia",
         "spEstornoRecebimento", "spDesfazResolucao", "spDesfazEstorno", "spNaoDefinida"},
        {},
        {{"SolucaoPendencia",
          {"C - Cancelamento da Transação", "F - Fechamento de caixa",
           "R - Recebimento de pendência", "E - Estorno de recebimento", "D - Desfaz resolução",
           "X - Desfaz Estorno", ""}},
         {"SolucaoPendenciaToStr", {"C", "F", "R", "E", "D", "X", ""}}},
        {{"SolucaoPendenciaFromStr", false, {}, O::rejection(), "SolucaoPendenciaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumStatusRecebimentoTerceiro>() {
    static const EnumInfo e{
        "TEnumStatusRecebimentoTerceiro",
        {"rtAEstornar", "rtAberto", "rtEstornado", "rtPago"},
        {},
        {{"StatusRecebimentoTerceiro",
          {"S - A Estornar", "A - Aberto", "E - Estornado", "P - Pago"}},
         {"StatusRecebimentoTerceiroToStr", {"S", "A", "E", "P"}}},
        {{"StatusRecebimentoTerceiroFromStr",
          false,
          {},
          O::rejection(),
          "StatusRecebimentoTerceiroToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTintometrico>() {
    static const EnumInfo e{
        "TEnumTintometrico",
        {"TEnumTintometrico_Nenhum", "TEnumTintometrico_SelfColor", "TEnumTintometrico_ShotColor"},
        {},
        {{"Tintometrico",
          {Cell::raises("Opção de enumerador não implementada para TEnumTintometrico."),
           "SelfColor", "ShotColor"}},
         {"TintometricoToInt",
          {Cell::raises("Opção de enumerador não implementada para TEnumTintometrico."), "0",
           "1"}}},
        {{"TintometricoFromInt", false, {}, O::rejection(), "TintometricoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoAplicacaoCampanha>() {
    static const EnumInfo e{
        "TEnumTipoAplicacaoCampanha",
        {"TEnumTipoAplicacaoCampanha_Livre", "TEnumTipoAplicacaoCampanha_PorCupom"},
        {},
        {{"TipoAplicacaoCampanha", {"L - Lives", "P - Por Cupom"}},
         {"TipoAplicacaoCampanhaToStr", {"L", "P"}}},
        {{"TipoAplicacaoCampanhaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoAplicacaoCampanha_Livre),
          "TipoAplicacaoCampanhaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoBonus>() {
    static const EnumInfo e{
        "TEnumTipoBonus",
        {"tbBonusCliente", "tbBonusIndicador", "tbBonusVendedor", "tbBonusVendas", "tbBonusOutros"},
        {},
        {{"TipoBonus",
          {"C - Bônus concedido como cliente", "I - Bônus concedido como indicador",
           "V - Bônus concedido como vendedor", "X - Bônus referente à vendas", "O - Outros"}},
         {"TipoBonusToStr", {"C", "I", "V", "X", "O"}}},
        {{"TipoBonusFromStr", false, {}, O::defaultTo(tbBonusOutros), "TipoBonusToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoCobrancaTEF>() {
    static const EnumInfo e{
        "TEnumTipoCobrancaTEF",
        {"tcPortadores", "tcBancos", "tcCartoesCredito", "tcECFs"},
        {},
        {{"TipoCobrancaTEF",
          {"P - Portadores", "B - Bancos", "C - Cartões de Crédito", "E - ECFs"}},
         {"TipoCobrancaTEFToStr", {"P", "B", "C", "E"}}},
        {{"TipoCobrancaTEFFromStr",
          false,
          {},
          O::raisesWithArgument("Tipo de cobrança de TEF não implementado: "),
          "TipoCobrancaTEFToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoCodigoImpressoCupomDeDesconto>() {
    static const EnumInfo e{
        "TEnumTipoCodigoImpressoCupomDeDesconto",
        {"TEnumTipoCodigoImpressoCupomDeDesconto_Barras",
         "TEnumTipoCodigoImpressoCupomDeDesconto_QRCode"},
        {},
        {{"TipoCodigoImpressoCupomDeDesconto", {"B - Barras", "Q - QR-Code"}},
         {"TipoCodigoImpressoCupomDeDescontoToStr", {"B", "Q"}}},
        {{"TipoCodigoImpressoCupomDeDescontoFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoCodigoImpressoCupomDeDesconto_QRCode),
          "TipoCodigoImpressoCupomDeDescontoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoComercio>() {
    static const EnumInfo e{
        "TEnumTipoComercio",
        {"TEnumTipoComercio_Varejo", "TEnumTipoComercio_Atacado"},
        {},
        {{"TipoComercio", {"V - Varejo", "A - Atacado/Equiparado a Indústria"}},
         {"TipoComercioToStr", {"V", "A"}}},
        {{"TipoComercioFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoComercio_Varejo),
          "TipoComercioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoConta>() {
    static const EnumInfo e{
        "TEnumTipoConta",
        {"ttfGerencial", "ttfNumeraria", "ttfMovimentacao", "ttfNulo"},
        {},
        {{"TipoConta", {"G - Gerencial", "N - Numerária", "M - Transferência", ""}},
         {"TipoContaToStr", {"G", "N", "M", ""}}},
        {{"TipoContaFromStr", false, {}, O::defaultTo(ttfNulo), "TipoContaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDeGatilhoCampanha>() {
    static const EnumInfo e{
        "TEnumTipoDeGatilhoCampanha",
        {"TEnumTipoDeGatilhoCampanha_OpAtual", "TEnumTipoDeGatilhoCampanha_OpFutura"},
        {},
        {{"TipoDeGatilhoCampanha", {"O - Para operação atual", "F - Cupom para uso futuro"}},
         {"TipoDeGatilhoCampanhaToStr", {"O", "F"}}},
        {{"TipoDeGatilhoCampanhaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoDeGatilhoCampanha_OpAtual),
          "TipoDeGatilhoCampanhaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDescontoAplicadoCampanha>() {
    static const EnumInfo e{
        "TEnumTipoDescontoAplicadoCampanha",
        {"TEnumTipoDescontoAplicadoCampanha_PrecoFixo",
         "TEnumTipoDescontoAplicadoCampanha_Percentual", "TEnumTipoDescontoAplicadoCampanha_Valor"},
        {},
        {{"TipoDescontoAplicadoCampanha",
          {"F - Preço Fixo por Produto", "P - Percentual", "V - Valor"}},
         {"TipoDescontoAplicadoCampanhaToStr", {"F", "P", "V"}}},
        {{"TipoDescontoAplicadoCampanhaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoDescontoAplicadoCampanha_PrecoFixo),
          "TipoDescontoAplicadoCampanhaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDetalheItemOrc>() {
    static const EnumInfo e{
        "TEnumTipoDetalheItemOrc",
        {"tdKit", "tdTinta", "tdNulo"},
        {},
        {{"TipoDetalheItemOrc", {"K - Kit", "T - Tinta", ""}},
         {"TipoDetalheItemOrcToStr", {"K", "T", ""}}},
        {{"TipoDetalheItemOrcFromStr", false, {}, O::defaultTo(tdNulo), "TipoDetalheItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoEntrega>() {
    static const EnumInfo e{
        "TEnumTipoEntrega",
        {"tfClienteLeva", "tfDepositoEntrega", "tfLojaEntrega", "tfRetiraNoDeposito",
         "tfEmOutraLoja", "tfEntregaFutura", "tfApenasOrcamento", "tfVendaSobEncomenda"},
        {},
        {{"TipoEntrega",
          {"0 - Cliente Leva", "1 - Depósito Entrega", "2 - Loja Entrega", "3 - Retira no Depósito",
           "4 - Em Outra Loja", "5 - Entrega Futura", "6 - Apenas Orçamento",
           "7 - Venda Sob Encomenda"}},
         {"TipoEntregaItemOrcFromTipoEntrega",
          {"teClienteLeva", "teDepositoEntrega", "teLojaEntrega", "teRetiraDeposito",
           "teEmOutraLoja", "teEntregaFutura", "teApenasOrcamento", "teVendaSobEncomenda"}},
         {"TipoEntregaToStr", {"0", "1", "2", "3", "4", "5", "6", "7"}}},
        {{"TipoEntregaFromStr", false, {}, O::defaultTo(tfClienteLeva), "TipoEntregaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoEntregaItemOrc>() {
    static const EnumInfo e{
        "TEnumTipoEntregaItemOrc",
        {"teClienteLeva", "teDepositoEntrega", "teLojaEntrega", "teRetiraDeposito", "teEmOutraLoja",
         "teEntregaFutura", "teApenasOrcamento", "teVendaSobEncomenda"},
        {},
        {{"TipoEntregaItemOrc",
          {"0 - Cliente Leva", "1 - Depósito Entrega", "2 - Loja Entrega", "3 - Retira no Depósito",
           "4 - Em Outra Loja", "5 - Entrega Futura", "6 - Apenas Orçamento",
           "7 - Venda Sob Encomenda"}},
         {"TipoEntregaItemOrcToStr", {"0", "1", "2", "3", "4", "5", "6", "7"}}},
        {{"TipoEntregaItemOrcFromStr",
          false,
          {},
          O::defaultTo(teClienteLeva),
          "TipoEntregaItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoExportacaoCotacaoFornecedor>() {
    static const EnumInfo e{
        "TEnumTipoExportacaoCotacaoFornecedor",
        {"TEnumTipoExportacaoCotacaoFornecedor_JSON", "TEnumTipoExportacaoCotacaoFornecedor_Excel"},
        {},
        {{"TipoExportacaoCotacaoFornecedorToStr", {"J", "E"}}},
        {{"TipoExportacaoCotacaoFornecedor",
          false,
          {{"J", TEnumTipoExportacaoCotacaoFornecedor_JSON},
           {"E", TEnumTipoExportacaoCotacaoFornecedor_Excel}},
          O::raises(
              "Opção de enumerador não implementada para TEnumTipoExportacaoCotacaoFornecedor.")}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoIntegracaoPagamento>() {
    static const EnumInfo e{
        "TEnumTipoIntegracaoPagamento",
        {"tiVazio", "tiIntegradoTEF", "tiNaoIntegradoPOS"},
        {},
        {{"TipoIntegracaoPagamentoToInt", {"0", "1", "2"}}},
        {{"TipoIntegracaoPagamentoFromInt",
          false,
          {},
          O::rejection(),
          "TipoIntegracaoPagamentoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoLogDAV>() {
    static const EnumInfo e{
        "TEnumTipoLogDAV",
        {"tlDAVInclusao", "tlDAVAlteracao", "tlDAVExclusao"},
        {},
        {{"TipoLogDAV", {"I", "A", "E"}},
         {"TipoLogDAVToStr", {"I - Inclusão", "A - Alteração", "E - Exclusao"}}},
        {{"TipoLogDAVFromStr",
          false,
          {{"I", tlDAVInclusao}, {"A", tlDAVAlteracao}, {"E", tlDAVExclusao}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoMeio>() {
    static const EnumInfo e{
        "TEnumTipoMeio",
        {"tmQualquer", "tmCheque", "tmOutros", "tmBoleto", "tmCarteiraCarne", "tmTEFs",
         "tmCartaoDebito", "tmCartaoCredito", "tmPosDebito", "tmPosCredito", "tmMoedaCorrente",
         "tmMoedaEstrangeira", "tmContaCorrente", "tmValeCompra", "tmPendencia", "tmFidelidade",
         "tmValePresenteViaTEF", "tmValePresenteNativo"},
        {},
        {{"TipoMeio",
          {"Q - Qualquer", "H - Cheque", "O - Outros", "B - Boleto", "N - Carteira/Carnê",
           "T - TEFs", "D - Cartão Débito", "C - Cartão Crédito", "1 - Débito via POS",
           "2 - Crédito via POS", "R - Moeda Corrente", "E - Moeda Estrangeira",
           "F - Conta Corrente", "V - Vale Compra", "P - Pendência", "I - Fidelidade",
           "R - Vale Presente via TEF", "S - Vale Presente Nativo"}},
         {"TipoMeioToStr",
          {"Q", "H", "O", "B", "N", "T", "D", "C", "1", "2", "R", "E", "F", "V", "9", "I", "P",
           "S"}},
         {"TipoPagamentoFromTipoMeio",
          {"tfOutros", "tfCheque", "tfOutros", "tfBoletoBancario", "tfCreditoLoja",
           "tfCartaoCredito", "tfCartaoDebito", "tfCartaoCredito", "tfCartaoDebito",
           "tfCartaoCredito", "tfDinheiro", "tfDinheiro", "tfCreditoLoja", "tfValepresente",
           "tfOutros", "tfOutros", "tfOutros", "tfOutros"}}},
        {{"TipoMeioFromStr", false, {}, O::rejection(), "TipoMeioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoObrigatoriedadeGatilhoCampanha>() {
    static const EnumInfo e{
        "TEnumTipoObrigatoriedadeGatilhoCampanha",
        {"TEnumTipoObrigatoriedadeGatilhoCampanha_ApenasUm",
         "TEnumTipoObrigatoriedadeGatilhoCampanha_Todas"},
        {},
        {{"TipoObrigatoriedadeGatilhoCampanha",
          {"U - Apenas uma das regras aplicadas sobre os produtos",
           "T - Todas as regras aplicadas sobre os produtos"}},
         {"TipoObrigatoriedadeGatilhoCampanhaToStr", {"U", "T"}}},
        {{"TipoObrigatoriedadeGatilhoCampanhaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoObrigatoriedadeGatilhoCampanha_ApenasUm),
          "TipoObrigatoriedadeGatilhoCampanhaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoOperacaoTEF>() {
    static const EnumInfo e{
        "TEnumTipoOperacaoTEF",
        {"toCredito", "toDebito", "toValePresente", "toNulo"},
        {},
        {{"TipoOperacaoTEF", {"C - Crédito", "D - Débito", "P - Vale Presente", ""}},
         {"TipoOperacaoTEFToStr", {"C", "D", "P", ""}}},
        {{"TipoOperacaoTEFFromStr", false, {}, O::defaultTo(toNulo), "TipoOperacaoTEFToStr"},
         {"TipoOperacaoTEFFromStrPosControle",
          false,
          {{"02", toCredito}, {"01", toDebito}},
          O::defaultTo(toNulo)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoPagamento>() {
    static const EnumInfo e{
        "TEnumTipoPagamento",
        {"tfDinheiro", "tfCheque", "tfCartaoCredito", "tfCartaoDebito", "tfCreditoLoja",
         "tfValeAlimentacao", "tfValeRefeicao", "tfValepresente", "tfValeCombustivel",
         "tfBoletoBancario", "tfSemPagamento", "tfOutros"},
        {},
        {{"TipoPagamentoToStr",
          {"01", "02", "03", "04", "05", "10", "11", "12", "13", "15", "90", "99"}}},
        {{"TipoPagamentoFromStr", false, {}, O::defaultTo(tfOutros), "TipoPagamentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoPagamentoItemOrc>() {
    static const EnumInfo e{
        "TEnumTipoPagamentoItemOrc",
        {"tpContrato", "tpFaturamento", "tpNulo"},
        {},
        {{"TipoPagamentoItemOrc", {"C - Contrato", "F - Faturamento", ""}},
         {"TipoPagamentoItemOrcToStr", {"C", "F", ""}}},
        {{"TipoPagamentoItemOrcFromStr",
          false,
          {},
          O::defaultTo(tpNulo),
          "TipoPagamentoItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoPortador>() {
    static const EnumInfo e{
        "TEnumTipoPortador",
        {"tpBancos", "tpCartoes", "tpECF", "tpLimites", "tpOutros", "tpPortadores"},
        {},
        {{"TipoPortador",
          {"B - Bancos", "C - Cartões de Crédito", "E - ECFs", "L - Limites C/C", "O - Outros",
           "P - Portadores"}},
         {"TipoPortadorToStr", {"B", "C", "E", "L", "O", "P"}}},
        {{"TipoPortadorFromStr", false, {}, O::defaultTo(tpBancos), "TipoPortadorToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoProduto>() {
    static const EnumInfo e{
        "TEnumTipoProduto",
        {"tfMaterial", "tfServico", "tfTerceirizado"},
        {},
        {{"TipoProduto", {"0 - Material", "1 - Serviço", "2 - Terceirizado"}},
         {"TipoProdutoToStr", {"0", "1", "2"}}},
        {{"TipoProdutoFromStr", false, {}, O::defaultTo(tfMaterial), "TipoProdutoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoProduto001>() {
    static const EnumInfo e{
        "TEnumTipoProduto001",
        {"tp001Material", "tp001Servico", "tp001Nulo"},
        {},
        {{"TipoProduto001", {"M - Material", "S - Serviço", ""}},
         {"TipoProduto001ToStr", {"M", "S", ""}}},
        {{"TipoProduto001FromStr", false, {}, O::defaultTo(tp001Nulo), "TipoProduto001ToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoTecnicoItemOrc>() {
    static const EnumInfo e{
        "TEnumTipoTecnicoItemOrc",
        {"ttCompra", "ttFrete", "ttNulo"},
        {},
        {{"TipoTecnicoItemOrc", {"F - Compra", "T - Frete", ""}},
         {"TipoTecnicoItemOrcToStr", {"F", "T", ""}}},
        {{"TipoTecnicoItemOrcFromStr", false, {}, O::defaultTo(ttNulo), "TipoTecnicoItemOrcToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoTransacao>() {
    static const EnumInfo e{
        "TEnumTipoTransacao",
        {"ttManutencao",
         "ttCarga",
         "ttCargaInicial",
         "ttVazia",
         "ttEtiquetaCliente",
         "ttEtiquetaVolumes",
         "ttPreVenda",
         "ttClienteViaPreVenda",
         "ttSolicitaCredito",
         "ttCancelaPreVenda",
         "ttDAVOS",
         "ttAbreDia",
         "ttAbreCaixa",
         "ttCupomFiscal",
         "ttNotaFiscal",
         "ttNFCe",
         "ttSAT",
         "ttRecibo",
         "ttRPS",
         "ttBloqueiaCaixa",
         "ttPropagandaComBloqueio",
         "ttPropagandaSemBloqueio",
         "ttRetiradaDeCheques",
         "ttAbreGaveta",
         "ttReImprimeCaixa",
         "ttFechaCaixa",
         "ttEstornoDeTransacao",
         "ttDevolucao",
         "ttValePresente",
         "ttRecargaValePresente",
         "ttConsultaValePresente",
         "ttServicosAdicionais",
         "ttValeGas",
         "ttExtratoConsignacao",
         "ttRecargaTelefone",
         "ttCopiaVenda",
         "ttCancelamentoUltimoCF",
         "ttRecebimentoDeClientes",
         "ttRecebimentoTerceiros",
         "ttDepositoCCC",
         "ttRetiradaCCC",
         "ttExtratoCCC",
         "ttRecebePendencia",
         "ttExtratoBonus",
         "ttResgateBonus",
         "ttFiscalLeituraX",
         "ttFiscalLMF",
         "ttFiscalArquivoMF",
         "ttFiscalArquivoMFD",
         "ttFiscalEncerrantes",
         "ttFiscalIdentificacaoPAF",
         "ttFiscalAbastecimentosPendentes",
         "ttFiscalVendasNoPeriodo",
         "ttFiscalIndiceTecnicoProducao",
         "ttFiscalParametros",
         "ttFiscalRegistros",
         "ttFiscalArquivoDF",
         "ttReforco",
         "ttSangria",
         "ttCadastroDeClientes",
         "ttMesclarDAV",
         "ttImprimirDAV",
         "ttTrocaSenha",
         "ttPendenciasTEF",
         "ttReImpressao",
         "ttTEFAdministrativo",
         "ttLancamentoDeEstoque",
         "ttCargaPinPadForcada",
         "ttRessarcimentoDeVale",
         "ttMostraAlertas",
         "ttStatusSefaz",
         "ttStatusServidor",
         "ttStatusTEF",
         "ttControleDeTransmissao",
         "ttConfiguracoes",
         "ttFormula",
         "ttExportacaoCadastral",
         "ttImpressaoContexto",
         "tteMailNFCe",
         "ttCargaPinPad",
         "ttFechaDia"},
        {},
        {{"TipoTransacao",
          {"1 - Manutenção e suporte",
           "2 - Carga",
           "3 - Carga Inicial",
           "10 - Vazia",
           "22 - Etiqueta de clientes",
           "33 - Etiqueta de volumes",
           "50 - Pre Venda",
           "51 - Cadastro de clientes via Pré-Venda",
           "52 - Solicitação de Crédito",
           "59 - Cancela Pré-Venda",
           "60 - DAV-OS",
           "100 - Abre Dia",
           "101 - Abre Caixa",
           "102 - Cupom Fiscal",
           "103 - Nota Fiscal",
           "104 - Venda (NFCe)",
           "105 - Venda (SAT)",
           "106 - Recibo",
           "109 - RPS (Recibo Provisório de Serviços)",
           "200 - Bloqueia o caixa (Shift F10)",
           "201 - Propaganda com bloqueio de caixa  (Shift F11)",
           "202 - Propaganda sem bloqueio de caixa  (Shift F12)",
           "203 - Retirada de cheques",
           "204 - Abre gaveta",
           "290 - Re-imprime caixa",
           "299 - Fecha caixa",
           "300 - Estorno de transações",
           "301 - Devolução",
           "303 - Ativação de Vale Presente",
           "304 - Recarga de Vale Presente",
           "305 - Consulta de Vale Presente",
           "306 - Serviços adicionais (Seguros, garantia estendida ...)",
           "307 - Vale gás",
           "312 - Extrato de consignação",
           "314 - Recarga de celular",
           "380 - Copia itens de venda",
           "390 - Cancelamento de Cupom Fiscal",
           "400 - Recebimento de débitos de clientes",
           "401 - Recebimento de contas externas (Títulos, água, luz, telefone... )",
           "402 - Depósito em conta corrente",
           "403 - Retirada de conta corrente",
           "404 - Extrato de conta corrente",
           "405 - Recebimento de pendências",
           "406 - Extrato de bônus",
           "407 - Resgate de bônus",
           "600 - LX (Leitura X)",
           "601 - LMF (Leitura de Memória Fiscal)",
           "602 - Arquivo MF (Gera arquivo de Memória Fiscal)",
           "603 - Arquivo MFD (Gera arquivo de Memória Fiscal Detalhada)",
           "604 - Encerrantes",
           "605 - Identificação do PAF-ECF",
           "606 - Abastecimentos pendentes",
           "607 - Vendas do período",
           "608 - Tabela de índice técnico produção",
           "609 - Parâmetros de configuração",
           "610 - Registros do PAF-ECF",
           "611 - Arquivo Fiscal do PAF-ECF para DF",
           "700 - Reforço",
           "799 - Sangria",
           "800 - Cadastro de clientes",
           "801 - Mescla de DAVs",
           "802 - Impressão de DAV",
           "803 - Troca de senha",
           "804 - Pendências de TEF",
           "805 - Reimpressão de cupom vinculado ou gerencial",
           "806 - Opções administrativas de TEF",
           "807 - Lançamento de Estoque",
           "850 - Carga de tabelas do PinPad (Forçada)",
           "877 - Ressarcimento de Vale Compra",
           "880 - Alertas do sistema (Shift F4)",
           "881 - Status da comunicação com o Sefaz (Shift F5)",
           "882 - Status da comunicação com o servidor (Shift F6)",
           "883 - Status da comunicação com o TEF (Shift F7)",
           "890 - Controle De Transmissao",
           "891 - Configurações de ambiente",
           "892 - Fórmula",
           "893 - Exportação cadastral",
           "899 - Relatório de configuração",
           "997 - Envio de e-Mail da NFC-e",
           "998 - Carga de tabelas do PinPad",
           "999 - Fecha dia"}},
         {"TipoTransacaoToInt",
          {"1",   "2",   "3",   "10",  "22",  "33",  "50",  "51",  "52",  "59",  "60",  "100",
           "101", "102", "103", "104", "105", "106", "109", "200", "201", "202", "203", "204",
           "290", "299", "300", "301", "303", "304", "305", "306", "307", "312", "314", "380",
           "390", "400", "401", "402", "403", "404", "405", "406", "407", "600", "601", "602",
           "603", "604", "605", "606", "607", "608", "609", "610", "611", "700", "799", "800",
           "801", "802", "803", "804", "805", "806", "807", "850", "877", "880", "881", "882",
           "883", "890", "891", "892", "893", "899", "997", "998", "999"}}},
        {{"TipoTransacaoFromInt",
          false,
          {},
          O::raises("Tipo de transação não implementado"),
          "TipoTransacaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoValorProduto>() {
    static const EnumInfo e{
        "TEnumTipoValorProduto",
        {"TEnumTipoValorProduto_Venda", "TEnumTipoValorProduto_CustoDeReposicao",
         "TEnumTipoValorProduto_PrecoDeCompra", "TEnumTipoValorProduto_CustoMedioFiscal",
         "TEnumTipoValorProduto_CustoMedioGerencial", "TEnumTipoValorProduto_PrecoSimulado"},
        {},
        {{"TipoValorProduto",
          {"V - Preço de venda", "R - Custo de reposição", "C - Preço de compra",
           "M - Custo Médio Fiscal", "G - Custo Médio Gerencial", "S - Preço Simulado"}},
         {"TipoValorProdutoToStr", {"V", "R", "C", "M", "G", "S"}}},
        {{"TipoValorProdutoFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoValorProduto_Venda),
          "TipoValorProdutoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoVenda>() {
    static const EnumInfo e{
        "TEnumTipoVenda",
        {"tvAmbas", "tvDevolucao", "tvVenda", "tvNulo"},
        {},
        {{"TipoVenda", {"A - Ambas", "- - Devolucação", "+ - Venda", ""}},
         {"TipoVendaToStr", {"A", "-", "+", ""}}},
        {{"TipoVendaFromStr", false, {}, O::defaultTo(tvNulo), "TipoVendaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumUsoCaixa>() {
    static const EnumInfo e{
        "TEnumUsoCaixa",
        {"ucNaoInformado", "ucSangria", "ucReforco", "ucRessarcimentoValeCompra"},
        {},
        {{"UsoCaixa",
          {Cell::raises("Opção de enumerador não implementada para TEnumUsoCaixa."), "0 - Sangria",
           "1 - Reforço", "2 - Ressarcimento de Vale Compra"}},
         {"UsoCaixaToInt",
          {Cell::raises("Opção de enumerador não implementada para TEnumUsoCaixa."), "0", "1",
           "2"}}},
        {{"UsoCaixaFromInt", false, {}, O::rejection(), "UsoCaixaToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumVariacaoCustoTipo>() {
    static const EnumInfo e{
        "TEnumVariacaoCustoTipo",
        {"TEnumVariacaoCustoTipo_UltimaCompra", "TEnumVariacaoCustoTipo_Grade"},
        {},
        {{"VariacaoCustoTipo", {"C - Última Compra", "G - Grade"}},
         {"VariacaoCustoTipoToStr", {"C", "G"}}},
        {{"VariacaoCustoTipoFromStr", false, {}, O::rejection(), "VariacaoCustoTipoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumVinculoItem>() {
    static const EnumInfo e{
        "TEnumVinculoItem",
        {"viAberto", "viCompleto", "viNao"},
        {},
        {{"VinculoItem", {"A - Aberto", "C - Completo", "N - Não é vínculo"}},
         {"VinculoItemToStr", {"A", "C", "N"}}},
        {{"VinculoItemFromStr", false, {}, O::defaultTo(viNao), "VinculoItemToStr"}},
    };
    return e;
}

namespace TEnum {
QUORVA_ENUM_TEXT(TEnumAprovacaoOrcPeloCliente, AprovacaoOrcPeloCliente)
QUORVA_ENUM_TEXT(TEnumAprovacaoOrcPeloCliente, AprovacaoOrcPeloClienteToStr)
QUORVA_ENUM_FROM_TEXT(TEnumAprovacaoOrcPeloCliente, AprovacaoOrcPeloClienteFromStr)
QUORVA_ENUM_INT(TEnumBandeiraCartao, BandeiraCartaoToInt)
QUORVA_ENUM_TEXT(TEnumBandeiraCartao, BandeiraCartaoToStr)
QUORVA_ENUM_FROM_INT(TEnumBandeiraCartao, BandeiraCartaoFromInt)
QUORVA_ENUM_TEXT(TEnumCaixaOrigem, CaixaOrigem)
QUORVA_ENUM_TEXT(TEnumCaixaOrigem, CaixaOrigemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCaixaOrigem, CaixaOrigemFromStr)
QUORVA_ENUM_TEXT(TEnumCanalDeAplicacaoCampanha, CanalDeAplicacaoCampanha)
QUORVA_ENUM_TEXT(TEnumCanalDeAplicacaoCampanha, CanalDeAplicacaoCampanhaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCanalDeAplicacaoCampanha, CanalDeAplicacaoCampanhaFromStr)
QUORVA_ENUM_INT(TEnumComissaoSobre, ComisaoSobreToInt)
QUORVA_ENUM_FROM_INT(TEnumComissaoSobre, ComisaoSobrefromInt)
QUORVA_ENUM_TEXT(TEnumContaCorrenteStatus, ContaCorrenteStatus)
QUORVA_ENUM_TEXT(TEnumContaCorrenteStatus, ContaCorrenteStatusToStr)
QUORVA_ENUM_FROM_TEXT(TEnumContaCorrenteStatus, ContaCorrenteStatusFromStr)
QUORVA_ENUM_TEXT(TEnumContaCorrenteTipoLanc, ContaCorrenteTipoLanc)
QUORVA_ENUM_TEXT(TEnumContaCorrenteTipoLanc, ContaCorrenteTipoLancToStr)
QUORVA_ENUM_FROM_TEXT(TEnumContaCorrenteTipoLanc, ContaCorrenteTipoLancFromStr)
QUORVA_ENUM_TEXT(TEnumDetTipoParceiro, DetTipoParceiro)
QUORVA_ENUM_TEXT(TEnumDetTipoParceiro, DetTipoParceiroToStr)
QUORVA_ENUM_FROM_TEXT(TEnumDetTipoParceiro, DetTipoParceiroFromStr)
QUORVA_ENUM_TEXT(TEnumEntregaFutura, EntregaFutura)
QUORVA_ENUM_TEXT(TEnumEntregaFutura, EntregaFuturaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumEntregaFutura, EntregaFuturaFromStr)
QUORVA_ENUM_TEXT(TEnumEstadoCivil, EstadoCivil)
QUORVA_ENUM_INT(TEnumEstadoCivil, EstadoCivilToInt)
QUORVA_ENUM_FROM_INT(TEnumEstadoCivil, EstadoCivilFromInt)
QUORVA_ENUM_TEXT(TEnumFlagFinanceiro, FlagFinanceiro)
QUORVA_ENUM_TEXT(TEnumFlagFinanceiro, FlagFinanceiroToStr)
QUORVA_ENUM_FROM_TEXT(TEnumFlagFinanceiro, FlagFinanceiroFromStr)
QUORVA_ENUM_TEXT(TEnumFormadorPreco, FormadorPreco)
QUORVA_ENUM_TEXT(TEnumFormadorPreco, FormadorPrecoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumFormadorPreco, FormadorPrecoFromStr)
QUORVA_ENUM_TEXT(TEnumFormulaUso, FormulaUso)
QUORVA_ENUM_INT(TEnumFormulaUso, FormulaUsoToInt)
QUORVA_ENUM_FROM_INT(TEnumFormulaUso, FormulaUsoFromInt)
QUORVA_ENUM_TEXT(TEnumLancaEstoque, LancaEstoqueToStr)
QUORVA_ENUM_FROM_TEXT(TEnumLancaEstoque, LancaEstoqueFromStr)
QUORVA_ENUM_TEXT(TEnumMontagemItemOrc, MontagemItemOrc)
QUORVA_ENUM_TEXT(TEnumMontagemItemOrc, MontagemItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumMontagemItemOrc, MontagemItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumOrcamentoTipoPagamento, OrcamentoTipoPagamento)
QUORVA_ENUM_TEXT(TEnumOrcamentoTipoPagamento, OrcamentoTipoPagamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOrcamentoTipoPagamento, OrcamentoTipoPagamentoFromStr)
QUORVA_ENUM_TEXT(TEnumOrigemCancelamento, OrigemCancelamento)
QUORVA_ENUM_TEXT(TEnumOrigemCancelamento, OrigemCancelamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOrigemCancelamento, OrigemCancelamentoFromStr)
QUORVA_ENUM_TEXT(TEnumOrigemConsultaRetaguarda, OrigemConsultaRetaguarda)
QUORVA_ENUM_TEXT(TEnumOrigemConsultaRetaguarda, OrigemConsultaRetaguardaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOrigemConsultaRetaguarda, OrigemConsultaRetaguardaFromStr)
QUORVA_ENUM_TEXT(TEnumOrigemLancamento, OrigemLancamento)
QUORVA_ENUM_TEXT(TEnumOrigemLancamento, OrigemLancamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOrigemLancamento, OrigemLancamentoFromStr)
QUORVA_ENUM_TEXT(TEnumOrigemTipo, OrigemTipo)
QUORVA_ENUM_INT(TEnumOrigemTipo, OrigemTipoToInt)
QUORVA_ENUM_FROM_INT(TEnumOrigemTipo, OrigemTipoFromInt)
QUORVA_ENUM_TEXT(TEnumParceiroDenegado, ParceiroDenegado)
QUORVA_ENUM_INT(TEnumParceiroDenegado, ParceiroDenegadoToInt)
QUORVA_ENUM_FROM_INT(TEnumParceiroDenegado, ParceiroDenegadoFromInt)
QUORVA_ENUM_TEXT(TEnumPenAtu, PenAtu)
QUORVA_ENUM_TEXT(TEnumPenAtu, PenAtuToStr)
QUORVA_ENUM_FROM_TEXT(TEnumPenAtu, PenAtuFromStr)
QUORVA_ENUM_TEXT(TEnumPeriodoEntrega, PeriodoEntrega)
QUORVA_ENUM_TEXT(TEnumPeriodoEntrega, PeriodoEntregaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumPeriodoEntrega, PeriodoEntregaFromStr)
QUORVA_ENUM_TEXT(TEnumPromocaoItemOrc, PromocaoItemOrc)
QUORVA_ENUM_TEXT(TEnumPromocaoItemOrc, PromocaoItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumPromocaoItemOrc, PromocaoItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumRecebimentoOrc, RecebimentoOrc)
QUORVA_ENUM_MEMBER(TEnumRecebimentoOrc, TEnumBandeiraCartao, RecebimentoOrcToBandeira)
QUORVA_ENUM_TEXT(TEnumRecebimentoOrc, RecebimentoOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumRecebimentoOrc, RecebimentoOrcFromStr)
QUORVA_ENUM_FROM_INT(TEnumRegraAbcXyz, RegraAbcXyzFromInt)
QUORVA_ENUM_TEXT(TEnumRegraCodigoFiscal, RegraCodigoFiscal)
QUORVA_ENUM_INT(TEnumRegraCodigoFiscal, RegraCodigoFiscalToInt)
QUORVA_ENUM_FROM_INT(TEnumRegraCodigoFiscal, RegraCodigoFiscalFromInt)
QUORVA_ENUM_TEXT(TEnumRelacaoParceiro, RelacaoParceiro)
QUORVA_ENUM_TEXT(TEnumRelacaoParceiro, RelacaoParceiroToStr)
QUORVA_ENUM_FROM_TEXT(TEnumRelacaoParceiro, RelacaoParceiroFromStr)
QUORVA_ENUM_TEXT(TEnumSexo, Sexo)
QUORVA_ENUM_INT(TEnumSexo, SexoToInt)
QUORVA_ENUM_FROM_INT(TEnumSexo, SexoFromInt)
QUORVA_ENUM_TEXT(TEnumSitImpressaoEstorno, SitImpressaoEstorno)
QUORVA_ENUM_TEXT(TEnumSitImpressaoEstorno, SitImpressaoEstornoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSitImpressaoEstorno, SitImpressaoEstornoFromStr)
QUORVA_ENUM_TEXT(TEnumSitKit, SitKit)
QUORVA_ENUM_TEXT(TEnumSitKit, SitKitToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSitKit, SitKitFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoAnaliseCredito, SituacaoAnaliseCredito)
QUORVA_ENUM_TEXT(TEnumSituacaoAnaliseCredito, SituacaoAnaliseCreditoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoAnaliseCredito, SituacaoAnaliseCreditoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoAprovacaoCredito, SituacaoAprovacaoCredito)
QUORVA_ENUM_TEXT(TEnumSituacaoAprovacaoCredito, SituacaoAprovacaoCreditoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoAprovacaoCredito, SituacaoAprovacaoCreditoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoCancelamento, SituacaoCancelamento)
QUORVA_ENUM_TEXT(TEnumSituacaoCancelamento, SituacaoCancelamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoCancelamento, SituacaoCancelamentoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoCotacao, SituacaoCotacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoCotacao, SituacaoCotacao)
QUORVA_ENUM_TEXT(TEnumSituacaoCotacaoFornecedor, SituacaoCotacaoFornecedorToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoCotacaoFornecedor, SituacaoCotacaoFornecedor)
QUORVA_ENUM_TEXT(TEnumSituacaoDocEmitido, SituacaoDocEmitido)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoDocEmitido, SituacaoDocEmitidoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoEcommerce, SituacaoEcommerce)
QUORVA_ENUM_TEXT(TEnumSituacaoEcommerce, SituacaoEcommerceToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoEcommerce, SituacaoEcommerceFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoItem, SituacaoItem)
QUORVA_ENUM_TEXT(TEnumSituacaoItem, SituacaoItemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItem, SituacaoItemFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoItemCotacao, SituacaoItemCotacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItemCotacao, SituacaoItemCotacao)
QUORVA_ENUM_TEXT(TEnumSituacaoItemFornecedor, SituacaoItemFornecedorToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItemFornecedor, SituacaoItemFornecedor)
QUORVA_ENUM_TEXT(TEnumSituacaoItemFornecedorVencedor, SituacaoItemFornecedorVencedorToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItemFornecedorVencedor, SituacaoItemFornecedorVencedor)
QUORVA_ENUM_TEXT(TEnumSituacaoItemOrc, SituacaoItemOrcamento)
QUORVA_ENUM_TEXT(TEnumSituacaoItemOrc, SituacaoItemOrcamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItemOrc, SituacaoItemOrcamentoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoItemTEF, SituacaoItemTEF)
QUORVA_ENUM_TEXT(TEnumSituacaoItemTEF, SituacaoItemTEFToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoItemTEF, SituacaoItemTEFFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoOrc, SituacaoOrc)
QUORVA_ENUM_TEXT(TEnumSituacaoOrc, SituacaoOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoOrc, SituacaoOrcFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoOrigemIVO, OrigemIVO)
QUORVA_ENUM_TEXT(TEnumSituacaoOrigemIVO, OrigemIVOToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoOrigemIVO, OrigemIVOFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoPedidoDeCompra, SituacaoPedidoDeCompra)
QUORVA_ENUM_TEXT(TEnumSituacaoPedidoDeCompra, SituacaoPedidoDeCompraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoPedidoDeCompra, SituacaoPedidoDeCompraFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoPedidoDeCompraItem, SituacaoPedidoDeCompraItem)
QUORVA_ENUM_TEXT(TEnumSituacaoPedidoDeCompraItem, SituacaoPedidoDeCompraItemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoPedidoDeCompraItem, SituacaoPedidoDeCompraItemFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoRecebimento, SituacaoRecebimento)
QUORVA_ENUM_TEXT(TEnumSituacaoRecebimento, SituacaoRecebimentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoRecebimento, SituacaoRecebimentoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoRomaneio, SituacaoRomaneio)
QUORVA_ENUM_TEXT(TEnumSituacaoRomaneio, SituacaoRomaneioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoRomaneio, SituacaoRomaneioFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoSeparacao, SituacaoSeparacao)
QUORVA_ENUM_TEXT(TEnumSituacaoSeparacao, SituacaoSeparacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoSeparacao, SituacaoSeparacaoFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoSeparacaoOrc, SituacaoSeparacaoOrc)
QUORVA_ENUM_TEXT(TEnumSituacaoSeparacaoOrc, SituacaoSeparacaoOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoSeparacaoOrc, SituacaoSeparacaoOrcFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoServicoAdicional, SituacaoServicoAdicional)
QUORVA_ENUM_TEXT(TEnumSituacaoServicoAdicional, SituacaoServicoAdicionalToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoServicoAdicional, SituacaoServicoAdicionalFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoTEF, SituacaoTEF)
QUORVA_ENUM_TEXT(TEnumSituacaoTEF, SituacaoTEFToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoTEF, SituacaoTEFFromStr)
QUORVA_ENUM_TEXT(TEnumSolucaoPendencia, SolucaoPendencia)
QUORVA_ENUM_TEXT(TEnumSolucaoPendencia, SolucaoPendenciaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSolucaoPendencia, SolucaoPendenciaFromStr)
QUORVA_ENUM_TEXT(TEnumStatusRecebimentoTerceiro, StatusRecebimentoTerceiro)
QUORVA_ENUM_TEXT(TEnumStatusRecebimentoTerceiro, StatusRecebimentoTerceiroToStr)
QUORVA_ENUM_FROM_TEXT(TEnumStatusRecebimentoTerceiro, StatusRecebimentoTerceiroFromStr)
QUORVA_ENUM_TEXT(TEnumTintometrico, Tintometrico)
QUORVA_ENUM_INT(TEnumTintometrico, TintometricoToInt)
QUORVA_ENUM_FROM_INT(TEnumTintometrico, TintometricoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoAplicacaoCampanha, TipoAplicacaoCampanha)
QUORVA_ENUM_TEXT(TEnumTipoAplicacaoCampanha, TipoAplicacaoCampanhaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoAplicacaoCampanha, TipoAplicacaoCampanhaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoBonus, TipoBonus)
QUORVA_ENUM_TEXT(TEnumTipoBonus, TipoBonusToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoBonus, TipoBonusFromStr)
QUORVA_ENUM_TEXT(TEnumTipoCobrancaTEF, TipoCobrancaTEF)
QUORVA_ENUM_TEXT(TEnumTipoCobrancaTEF, TipoCobrancaTEFToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoCobrancaTEF, TipoCobrancaTEFFromStr)
QUORVA_ENUM_TEXT(TEnumTipoCodigoImpressoCupomDeDesconto, TipoCodigoImpressoCupomDeDesconto)
QUORVA_ENUM_TEXT(TEnumTipoCodigoImpressoCupomDeDesconto, TipoCodigoImpressoCupomDeDescontoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoCodigoImpressoCupomDeDesconto,
                      TipoCodigoImpressoCupomDeDescontoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoComercio, TipoComercio)
QUORVA_ENUM_TEXT(TEnumTipoComercio, TipoComercioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoComercio, TipoComercioFromStr)
QUORVA_ENUM_TEXT(TEnumTipoConta, TipoConta)
QUORVA_ENUM_TEXT(TEnumTipoConta, TipoContaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoConta, TipoContaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDeGatilhoCampanha, TipoDeGatilhoCampanha)
QUORVA_ENUM_TEXT(TEnumTipoDeGatilhoCampanha, TipoDeGatilhoCampanhaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDeGatilhoCampanha, TipoDeGatilhoCampanhaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDescontoAplicadoCampanha, TipoDescontoAplicadoCampanha)
QUORVA_ENUM_TEXT(TEnumTipoDescontoAplicadoCampanha, TipoDescontoAplicadoCampanhaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDescontoAplicadoCampanha, TipoDescontoAplicadoCampanhaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDetalheItemOrc, TipoDetalheItemOrc)
QUORVA_ENUM_TEXT(TEnumTipoDetalheItemOrc, TipoDetalheItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDetalheItemOrc, TipoDetalheItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumTipoEntrega, TipoEntrega)
QUORVA_ENUM_MEMBER(TEnumTipoEntrega, TEnumTipoEntregaItemOrc, TipoEntregaItemOrcFromTipoEntrega)
QUORVA_ENUM_TEXT(TEnumTipoEntrega, TipoEntregaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoEntrega, TipoEntregaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoEntregaItemOrc, TipoEntregaItemOrc)
QUORVA_ENUM_TEXT(TEnumTipoEntregaItemOrc, TipoEntregaItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoEntregaItemOrc, TipoEntregaItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumTipoExportacaoCotacaoFornecedor, TipoExportacaoCotacaoFornecedorToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoExportacaoCotacaoFornecedor, TipoExportacaoCotacaoFornecedor)
QUORVA_ENUM_INT(TEnumTipoIntegracaoPagamento, TipoIntegracaoPagamentoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoIntegracaoPagamento, TipoIntegracaoPagamentoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoLogDAV, TipoLogDAV)
QUORVA_ENUM_TEXT(TEnumTipoLogDAV, TipoLogDAVToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoLogDAV, TipoLogDAVFromStr)
QUORVA_ENUM_TEXT(TEnumTipoMeio, TipoMeio)
QUORVA_ENUM_TEXT(TEnumTipoMeio, TipoMeioToStr)
QUORVA_ENUM_MEMBER(TEnumTipoMeio, TEnumTipoPagamento, TipoPagamentoFromTipoMeio)
QUORVA_ENUM_FROM_TEXT(TEnumTipoMeio, TipoMeioFromStr)
QUORVA_ENUM_TEXT(TEnumTipoObrigatoriedadeGatilhoCampanha, TipoObrigatoriedadeGatilhoCampanha)
QUORVA_ENUM_TEXT(TEnumTipoObrigatoriedadeGatilhoCampanha, TipoObrigatoriedadeGatilhoCampanhaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoObrigatoriedadeGatilhoCampanha,
                      TipoObrigatoriedadeGatilhoCampanhaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoOperacaoTEF, TipoOperacaoTEF)
QUORVA_ENUM_TEXT(TEnumTipoOperacaoTEF, TipoOperacaoTEFToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoOperacaoTEF, TipoOperacaoTEFFromStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoOperacaoTEF, TipoOperacaoTEFFromStrPosControle)
QUORVA_ENUM_TEXT(TEnumTipoPagamento, TipoPagamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoPagamento, TipoPagamentoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoPagamentoItemOrc, TipoPagamentoItemOrc)
QUORVA_ENUM_TEXT(TEnumTipoPagamentoItemOrc, TipoPagamentoItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoPagamentoItemOrc, TipoPagamentoItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumTipoPortador, TipoPortador)
QUORVA_ENUM_TEXT(TEnumTipoPortador, TipoPortadorToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoPortador, TipoPortadorFromStr)
QUORVA_ENUM_TEXT(TEnumTipoProduto, TipoProduto)
QUORVA_ENUM_TEXT(TEnumTipoProduto, TipoProdutoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoProduto, TipoProdutoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoProduto001, TipoProduto001)
QUORVA_ENUM_TEXT(TEnumTipoProduto001, TipoProduto001ToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoProduto001, TipoProduto001FromStr)
QUORVA_ENUM_TEXT(TEnumTipoTecnicoItemOrc, TipoTecnicoItemOrc)
QUORVA_ENUM_TEXT(TEnumTipoTecnicoItemOrc, TipoTecnicoItemOrcToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoTecnicoItemOrc, TipoTecnicoItemOrcFromStr)
QUORVA_ENUM_TEXT(TEnumTipoTransacao, TipoTransacao)
QUORVA_ENUM_INT(TEnumTipoTransacao, TipoTransacaoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoTransacao, TipoTransacaoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoValorProduto, TipoValorProduto)
QUORVA_ENUM_TEXT(TEnumTipoValorProduto, TipoValorProdutoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoValorProduto, TipoValorProdutoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoVenda, TipoVenda)
QUORVA_ENUM_TEXT(TEnumTipoVenda, TipoVendaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoVenda, TipoVendaFromStr)
QUORVA_ENUM_TEXT(TEnumUsoCaixa, UsoCaixa)
QUORVA_ENUM_INT(TEnumUsoCaixa, UsoCaixaToInt)
QUORVA_ENUM_FROM_INT(TEnumUsoCaixa, UsoCaixaFromInt)
QUORVA_ENUM_TEXT(TEnumVariacaoCustoTipo, VariacaoCustoTipo)
QUORVA_ENUM_TEXT(TEnumVariacaoCustoTipo, VariacaoCustoTipoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumVariacaoCustoTipo, VariacaoCustoTipoFromStr)
QUORVA_ENUM_TEXT(TEnumVinculoItem, VinculoItem)
QUORVA_ENUM_TEXT(TEnumVinculoItem, VinculoItemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumVinculoItem, VinculoItemFromStr)
} // namespace TEnum
