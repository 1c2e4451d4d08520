#pragma once

// The enumerations of sales, payments and orders.
#include "common/regional.h"
#include "contracts/enumkit.h"

enum TEnumAprovacaoOrcPeloCliente {
    TEnumAprovacaoOrcPeloCliente_EmAberto,
    TEnumAprovacaoOrcPeloCliente_Reprovado,
    TEnumAprovacaoOrcPeloCliente_Aprovado
};

enum TEnumBandeiraCartao {
    bcVazio,
    bcVisa,
    bcMastercard,
    bcAmericanExpress,
    bcSorocred,
    bcDinersClub,
    bcElo,
    bcHipercard,
    bcAura,
    bcCabal,
    bcOutros
};

enum TEnumCaixaOrigem {
    coVenda,
    coRecebimento,
    coSangria,
    coReforco,
    coDeposito,
    coRetirada,
    coRecebimentoDevolucao,
    coDevolucaoVendas,
    coDiferenca,
    coRecebimentoTerceiro
};

enum TEnumCanalDeAplicacaoCampanha {
    TEnumCanalDeAplicacaoCampanha_Todos,
    TEnumCanalDeAplicacaoCampanha_Loja,
    TEnumCanalDeAplicacaoCampanha_Omnichannel
};

enum TEnumComissaoSobre {
    tfLiquidoAoVender,
    tfBrutoAoVender,
    tfAReceberNoVencimento,
    tfRecebidoNoRecebimento,
    tfAReceberNoRecebimento,
    tfRecebidoDataCompensacaoCheque,
    tfAReceberDataCompensacaoCheque,
    tfSobreMarkup,
    tfMarkupNoMomentoDaVenda
};

enum TEnumContaCorrenteStatus { ccsAberto, ccsFaturamento, ccsPagamento, ccsSuspensos };

enum TEnumContaCorrenteTipoLanc {
    tlContrato,
    tlTrocoRecebimento,
    tlRecebimentoCC,
    tlDepositoCC,
    tlEstornoCC,
    tlDebitoFornecedor,
    tlFaturaClienteGlobal,
    tlRecebimentoCheque,
    tlRetiradaCC,
    tlCreditoComissao,
    tlValeCompra,
    tlDevolucaoVendaCC,
    tlRecebimentoCCMeioCC,
    tlEstornoCCNoCanc,
    tlFaturamentoOS,
    tlGeraCCCartaoProprio,
    tlEstornoFaturamentoCC,
    tlRecebimentoRec,
    tlDescRecebimentoRec,
    tlTrocoVenda,
    tlEstornoParcContraLancCC,
    tlVendaComCC,
    tlConciliacaoBanc,
    tlExportaCCC,
    tlLancamentoExtrato,
    tlNulo
};

enum TEnumDetTipoParceiro { dtpGovernoEst, dtpGovernoFed, dtpGovernoMun, dtpOutros, dtpNulo };

enum TEnumEntregaFutura { efAberto, efEncomenda, efprocessado, efNulo };

enum TEnumEstadoCivil {
    ecIndefinido,
    ecSolteiro,
    ecCasado,
    ecViuvo,
    ecDivorciado,
    ecUniaoEstavel,
    ecSeparado
};

enum TEnumFlagFinanceiro { tfReforcoConfirmado, tfReforcoEmAberto, tfReforcoSangria, ttfSimples };

enum TEnumFormadorPreco {
    fpPromocaoPorPlano,
    fpDAV,
    fpCambio,
    fpDesconto,
    fpPromocaoFechamento,
    fpInformado,
    fpKit,
    fpNF,
    fpPromocao,
    fpFormulaSQL,
    fpTabela,
    fpNulo
};

enum TEnumFormulaUso {
    TEnumFormulaUsoDiversas,
    TEnumFormulaUsoServicoAdicionalImpressao,
    TEnumFormulaUsoServicoAdicionalNumero,
    TEnumFormulaUsoContaCorrenteImpressao,
    TEnumFormulaUsoServicoAdicionalCancelamento
};

enum TEnumLancaEstoque { leBaixa, leConfirmaReserva, leNao, leReserva };

enum TEnumMontagemItemOrc { moInterna, moEntrega, moNenhuma };

enum TEnumOrcamentoTipoPagamento {
    TEnumOrcamentoTipoPagamento_NaoDefinido,
    TEnumOrcamentoTipoPagamento_Boleto,
    TEnumOrcamentoTipoPagamento_ContaCorrente,
    TEnumOrcamentoTipoPagamento_ParcelaEmAberto
};

enum TEnumOrigemCancelamento { ocCheckout, ocBackoffice, ocNulo };

enum TEnumOrigemConsultaRetaguarda {
    cdCheckout,
    cdDecisor,
    cdRetaguarda,
    cdExportacao,
    cdMarketplace
};

enum TEnumOrigemLancamento { olBackoffice, olCheckout, olScripts, olNulo };

enum TEnumOrigemTipo {
    TEnumOrigemTipoOS,
    TEnumOrigemTipoDAV,
    TEnumOrigemTipoPreVenda,
    TEnumOrigemTipoReforco,
    TEnumOrigemTipoValeCompra,
    TEnumOrigemTipoOSLocal,
    TEnumOrigemTipoDAVLocal,
    TEnumOrigemTipoCPF_CNPJ,
    TEnumOrigemTipoVenda
};

enum TEnumParceiroDenegado {
    TEnumParceiroDenegado_Nao,
    TEnumParceiroDenegado_Sim,
    TEnumParceiroDenegado_PermiteVendas
};

enum TEnumPenAtu { pnAProcessar, pnProcessando, pnNulo };

enum TEnumPeriodoEntrega { peManha, peTarde, peNoite, peNulo };

enum TEnumPromocaoItemOrc { poNaoPromocional, poPromocional, poQualquer, poNulo };

enum TEnumRecebimentoOrc {
    TEnumRecebimentoOrc_NaoDefinido,
    TEnumRecebimentoOrc_BancoBrasil,
    TEnumRecebimentoOrc_Bradesco,
    TEnumRecebimentoOrc_Banrisul,
    TEnumRecebimentoOrc_HSBC,
    TEnumRecebimentoOrc_Itau,
    TEnumRecebimentoOrc_PagamentoDigital,
    TEnumRecebimentoOrc_Amex,
    TEnumRecebimentoOrc_Boleto,
    TEnumRecebimentoOrc_PagSeguroCartao,
    TEnumRecebimentoOrc_Dinners,
    TEnumRecebimentoOrc_Elo,
    TEnumRecebimentoOrc_HiperCard,
    TEnumRecebimentoOrc_MasterCard,
    TEnumRecebimentoOrc_Outros,
    TEnumRecebimentoOrc_PagSeguroBoleto,
    TEnumRecebimentoOrc_PagSeguro,
    TEnumRecebimentoOrc_Aura,
    TEnumRecebimentoOrc_Visa,
    TEnumRecebimentoOrc_BoletoAPrazo,
    TEnumRecebimentoOrc_Orcamento,
    TEnumRecebimentoOrc_Wix,
    TEnumRecebimentoOrc_PayPal,
    TEnumRecebimentoOrc_ContaCorrente
};

enum TEnumRegraAbcXyz {
    TEnumRegraAbcXyz_NaoUsa,
    TEnumRegraAbcXyz_CustoxQuantidade,
    TEnumRegraAbcXyz_NumeroVendas
};

enum TEnumRegraCodigoFiscal {
    TEnumRegraCodigoFiscal_ChaveInterna,
    TEnumRegraCodigoFiscal_ReferenciaBasica,
    TEnumRegraCodigoFiscal_ReferenciaGrade,
    TEnumRegraCodigoFiscal_CodigoExterno
};

enum TEnumRelacaoParceiro {
    rpCliente,
    rpFilial,
    rpClienteTransportadora,
    rpCartoes,
    rpFornecedor,
    rpIndicadorVenda,
    rpMarca,
    rpTecInterno,
    rpMotorista,
    rpRepresentante,
    rpTransportador,
    rpTecExterno
};

enum TEnumSexo { sxNaoConhecido, sxMasculino, sxFeminino };

enum TEnumSitImpressaoEstorno { sieImpressa, siePendente, sieNulo };

enum TEnumSitKit { skHeader, skNormal, skItemKit };

enum TEnumSituacaoAnaliseCredito {
    TEnumSituacaoAnaliseCreditoAberto,
    TEnumSituacaoAnaliseCreditoAprovadoLimite,
    TEnumSituacaoAnaliseCreditoAprovadoVenda,
    TEnumSituacaoAnaliseCreditoReprovado
};

enum TEnumSituacaoAprovacaoCredito {
    TEnumAprovacaoCredito_EmAprovacao,
    TEnumAprovacaoCredito_Reprovado,
    TEnumAprovacaoCredito_Aprovado
};

enum TEnumSituacaoCancelamento {
    scVendaCanceladaNoECF,
    scDevolucao,
    scTransacaoCancelada,
    scOutros,
    scEstornado
};

enum TEnumSituacaoCotacao {
    TEnumSituacaoCotacao_Aberta,
    TEnumSituacaoCotacao_Cancelada,
    TEnumSituacaoCotacao_EnviadaFornecedor,
    TEnumSituacaoCotacao_Finalizada
};

enum TEnumSituacaoCotacaoFornecedor {
    TEnumSituacaoCotacaoFornecedor_Aberta,
    TEnumSituacaoCotacaoFornecedor_Cancelada,
    TEnumSituacaoCotacaoFornecedor_Enviada,
    TEnumSituacaoCotacaoFornecedor_Recebida
};

enum TEnumSituacaoDocEmitido { tfCancelada, tfAberta, tfQuitada };

enum TEnumSituacaoEcommerce {
    TEnumSituacaoEcommerce_Nulo,
    TEnumSituacaoEcommerce_PagamentoEmAnalise,
    TEnumSituacaoEcommerce_PendentePagamento,
    TEnumSituacaoEcommerce_PagamentoAprovado,
    TEnumSituacaoEcommerce_PagamentoEfetivado,
    TEnumSituacaoEcommerce_ProdutoEnviado,
    TEnumSituacaoEcommerce_ProdutoEntregue,
    TEnumSituacaoEcommerce_PagamentoCancelado,
    TEnumSituacaoEcommerce_ProblemaNaEntrega,
    TEnumSituacaoEcommerce_Faturado
};

enum TEnumSituacaoItem { tfNormal, tfCancelado };

enum TEnumSituacaoItemCotacao {
    TEnumSituacaoItemCotacao_Aberta,
    TEnumSituacaoItemCotacao_Cancelada,
    TEnumSituacaoItemCotacao_Finalizada
};

enum TEnumSituacaoItemFornecedor {
    TEnumSituacaoItemFornecedor_Aberta,
    TEnumSituacaoItemFornecedor_Cancelada,
    TEnumSituacaoItemFornecedor_Recebida
};

enum TEnumSituacaoItemFornecedorVencedor {
    TEnumSituacaoItemFornecedorVencedor_True,
    TEnumSituacaoItemFornecedorVencedor_False
};

enum TEnumSituacaoItemOrc {
    soCancelado,
    soConcluido,
    soEmAberto,
    soEmAndamento,
    soVendido,
    soReservado
};

enum TEnumSituacaoItemTEF { siAberto, siPago, siCancelado };

enum TEnumSituacaoOrc {
    TEnumSituacaoOrc_EmAberto,
    TEnumSituacaoOrc_Vendido,
    TEnumSituacaoOrc_Concluido,
    TEnumSituacaoOrc_Cancelado
};

enum TEnumSituacaoOrigemIVO {
    TEnumSituacaoOrigemIVO_PedidoReposicao,
    TEnumSituacaoOrigemIVO_Orcamento,
    TEnumSituacaoOrigemIVO_Venda
};

enum TEnumSituacaoPedidoDeCompra {
    TEnumSituacaoPedidoDeCompra_Aberto,
    TEnumSituacaoPedidoDeCompra_Cancelado,
    TEnumSituacaoPedidoDeCompra_Entregue,
    TEnumSituacaoPedidoDeCompra_Reprovado,
    TEnumSituacaoPedidoDeCompra_Aprovado
};

enum TEnumSituacaoPedidoDeCompraItem {
    TEnumSituacaoPedidoDeCompraItem_Aberto,
    TEnumSituacaoPedidoDeCompraItem_Cancelado,
    TEnumSituacaoPedidoDeCompraItem_Entregue
};

enum TEnumSituacaoRecebimento { paAberto, paCancelado, paEstornado, paPago };

enum TEnumSituacaoRomaneio { srAberto, srCancelado, srEntregue, srFechado };

enum TEnumSituacaoSeparacao {
    ssAberto,
    ssCancelado,
    ssDevolver,
    ssFalta,
    ssEncomendado,
    ssEntregue,
    ssNaoSeparar,
    ssSeparado
};

enum TEnumSituacaoSeparacaoOrc { ssoAberto, ssoProcessado, ssNulo };

enum TEnumSituacaoServicoAdicional { saAberto, saCancelado, saDevolvido, saVendido };

enum TEnumSituacaoTEF { stCancelado, stSucesso, stImpressaoOk, stErroImpressao };

enum TEnumSolucaoPendencia {
    spCancelamentoTransacao,
    spFechamentoCaixa,
    spRecebimentoPendencia,
    spEstornoRecebimento,
    spDesfazResolucao,
    spDesfazEstorno,
    spNaoDefinida
};

enum TEnumStatusRecebimentoTerceiro { rtAEstornar, rtAberto, rtEstornado, rtPago };

enum TEnumTintometrico {
    TEnumTintometrico_Nenhum,
    TEnumTintometrico_SelfColor,
    TEnumTintometrico_ShotColor
};

enum TEnumTipoAplicacaoCampanha {
    TEnumTipoAplicacaoCampanha_Livre,
    TEnumTipoAplicacaoCampanha_PorCupom
};

enum TEnumTipoBonus {
    tbBonusCliente,
    tbBonusIndicador,
    tbBonusVendedor,
    tbBonusVendas,
    tbBonusOutros
};

enum TEnumTipoCobrancaTEF { tcPortadores, tcBancos, tcCartoesCredito, tcECFs };

enum TEnumTipoCodigoImpressoCupomDeDesconto {
    TEnumTipoCodigoImpressoCupomDeDesconto_Barras,
    TEnumTipoCodigoImpressoCupomDeDesconto_QRCode
};

enum TEnumTipoComercio { TEnumTipoComercio_Varejo, TEnumTipoComercio_Atacado };

enum TEnumTipoConta { ttfGerencial, ttfNumeraria, ttfMovimentacao, ttfNulo };

enum TEnumTipoDeGatilhoCampanha {
    TEnumTipoDeGatilhoCampanha_OpAtual,
    TEnumTipoDeGatilhoCampanha_OpFutura
};

enum TEnumTipoDescontoAplicadoCampanha {
    TEnumTipoDescontoAplicadoCampanha_PrecoFixo,
    TEnumTipoDescontoAplicadoCampanha_Percentual,
    TEnumTipoDescontoAplicadoCampanha_Valor
};

enum TEnumTipoDetalheItemOrc { tdKit, tdTinta, tdNulo };

enum TEnumTipoEntrega {
    tfClienteLeva,
    tfDepositoEntrega,
    tfLojaEntrega,
    tfRetiraNoDeposito,
    tfEmOutraLoja,
    tfEntregaFutura,
    tfApenasOrcamento,
    tfVendaSobEncomenda
};

enum TEnumTipoEntregaItemOrc {
    teClienteLeva,
    teDepositoEntrega,
    teLojaEntrega,
    teRetiraDeposito,
    teEmOutraLoja,
    teEntregaFutura,
    teApenasOrcamento,
    teVendaSobEncomenda
};

enum TEnumTipoExportacaoCotacaoFornecedor {
    TEnumTipoExportacaoCotacaoFornecedor_JSON,
    TEnumTipoExportacaoCotacaoFornecedor_Excel
};

enum TEnumTipoIntegracaoPagamento { tiVazio, tiIntegradoTEF, tiNaoIntegradoPOS };

enum TEnumTipoLogDAV { tlDAVInclusao, tlDAVAlteracao, tlDAVExclusao };

enum TEnumTipoMeio {
    tmQualquer,
    tmCheque,
    tmOutros,
    tmBoleto,
    tmCarteiraCarne,
    tmTEFs,
    tmCartaoDebito,
    tmCartaoCredito,
    tmPosDebito,
    tmPosCredito,
    tmMoedaCorrente,
    tmMoedaEstrangeira,
    tmContaCorrente,
    tmValeCompra,
    tmPendencia,
    tmFidelidade,
    tmValePresenteViaTEF,
    tmValePresenteNativo
};

enum TEnumTipoObrigatoriedadeGatilhoCampanha {
    TEnumTipoObrigatoriedadeGatilhoCampanha_ApenasUm,
    TEnumTipoObrigatoriedadeGatilhoCampanha_Todas
};

enum TEnumTipoOperacaoTEF { toCredito, toDebito, toValePresente, toNulo };

enum TEnumTipoPagamento {
    tfDinheiro,
    tfCheque,
    tfCartaoCredito,
    tfCartaoDebito,
    tfCreditoLoja,
    tfValeAlimentacao,
    tfValeRefeicao,
    tfValepresente,
    tfValeCombustivel,
    tfBoletoBancario,
    tfSemPagamento,
    tfOutros
};

enum TEnumTipoPagamentoItemOrc { tpContrato, tpFaturamento, tpNulo };

enum TEnumTipoPortador { tpBancos, tpCartoes, tpECF, tpLimites, tpOutros, tpPortadores };

enum TEnumTipoProduto { tfMaterial, tfServico, tfTerceirizado };

enum TEnumTipoProduto001 { tp001Material, tp001Servico, tp001Nulo };

enum TEnumTipoTecnicoItemOrc { ttCompra, ttFrete, ttNulo };

enum TEnumTipoTransacao {
    ttManutencao,
    ttCarga,
    ttCargaInicial,
    ttVazia,
    ttEtiquetaCliente,
    ttEtiquetaVolumes,
    ttPreVenda,
    ttClienteViaPreVenda,
    ttSolicitaCredito,
    ttCancelaPreVenda,
    ttDAVOS,
    ttAbreDia,
    ttAbreCaixa,
    ttCupomFiscal,
    ttNotaFiscal,
    ttNFCe,
    ttSAT,
    ttRecibo,
    ttRPS,
    ttBloqueiaCaixa,
    ttPropagandaComBloqueio,
    ttPropagandaSemBloqueio,
    ttRetiradaDeCheques,
    ttAbreGaveta,
    ttReImprimeCaixa,
    ttFechaCaixa,
    ttEstornoDeTransacao,
    ttDevolucao,
    ttValePresente,
    ttRecargaValePresente,
    ttConsultaValePresente,
    ttServicosAdicionais,
    ttValeGas,
    ttExtratoConsignacao,
    ttRecargaTelefone,
    ttCopiaVenda,
    ttCancelamentoUltimoCF,
    ttRecebimentoDeClientes,
    ttRecebimentoTerceiros,
    ttDepositoCCC,
    ttRetiradaCCC,
    ttExtratoCCC,
    ttRecebePendencia,
    ttExtratoBonus,
    ttResgateBonus,
    ttFiscalLeituraX,
    ttFiscalLMF,
    ttFiscalArquivoMF,
    ttFiscalArquivoMFD,
    ttFiscalEncerrantes,
    ttFiscalIdentificacaoPAF,
    ttFiscalAbastecimentosPendentes,
    ttFiscalVendasNoPeriodo,
    ttFiscalIndiceTecnicoProducao,
    ttFiscalParametros,
    ttFiscalRegistros,
    ttFiscalArquivoDF,
    ttReforco,
    ttSangria,
    ttCadastroDeClientes,
    ttMesclarDAV,
    ttImprimirDAV,
    ttTrocaSenha,
    ttPendenciasTEF,
    ttReImpressao,
    ttTEFAdministrativo,
    ttLancamentoDeEstoque,
    ttCargaPinPadForcada,
    ttRessarcimentoDeVale,
    ttMostraAlertas,
    ttStatusSefaz,
    ttStatusServidor,
    ttStatusTEF,
    ttControleDeTransmissao,
    ttConfiguracoes,
    ttFormula,
    ttExportacaoCadastral,
    ttImpressaoContexto,
    tteMailNFCe,
    ttCargaPinPad,
    ttFechaDia
};

enum TEnumTipoValorProduto {
    TEnumTipoValorProduto_Venda,
    TEnumTipoValorProduto_CustoDeReposicao,
    TEnumTipoValorProduto_PrecoDeCompra,
    TEnumTipoValorProduto_CustoMedioFiscal,
    TEnumTipoValorProduto_CustoMedioGerencial,
    TEnumTipoValorProduto_PrecoSimulado
};

enum TEnumTipoVenda { tvAmbas, tvDevolucao, tvVenda, tvNulo };

enum TEnumUsoCaixa { ucNaoInformado, ucSangria, ucReforco, ucRessarcimentoValeCompra };

enum TEnumVariacaoCustoTipo { TEnumVariacaoCustoTipo_UltimaCompra, TEnumVariacaoCustoTipo_Grade };

enum TEnumVinculoItem { viAberto, viCompleto, viNao };

namespace TEnum {
QString AprovacaoOrcPeloCliente(TEnumAprovacaoOrcPeloCliente m);
QString AprovacaoOrcPeloClienteToStr(TEnumAprovacaoOrcPeloCliente m);
TEnumAprovacaoOrcPeloCliente AprovacaoOrcPeloClienteFromStr(const QString& s);
int32_t BandeiraCartaoToInt(TEnumBandeiraCartao m);
QString BandeiraCartaoToStr(TEnumBandeiraCartao m);
TEnumBandeiraCartao BandeiraCartaoFromInt(int32_t i);
QString CaixaOrigem(TEnumCaixaOrigem m);
QString CaixaOrigemToStr(TEnumCaixaOrigem m);
TEnumCaixaOrigem CaixaOrigemFromStr(const QString& s);
QString CanalDeAplicacaoCampanha(TEnumCanalDeAplicacaoCampanha m);
QString CanalDeAplicacaoCampanhaToStr(TEnumCanalDeAplicacaoCampanha m);
TEnumCanalDeAplicacaoCampanha CanalDeAplicacaoCampanhaFromStr(const QString& s);
int32_t ComisaoSobreToInt(TEnumComissaoSobre m);
TEnumComissaoSobre ComisaoSobrefromInt(int32_t i);
QString ContaCorrenteStatus(TEnumContaCorrenteStatus m);
QString ContaCorrenteStatusToStr(TEnumContaCorrenteStatus m);
TEnumContaCorrenteStatus ContaCorrenteStatusFromStr(const QString& s);
QString ContaCorrenteTipoLanc(TEnumContaCorrenteTipoLanc m);
QString ContaCorrenteTipoLancToStr(TEnumContaCorrenteTipoLanc m);
TEnumContaCorrenteTipoLanc ContaCorrenteTipoLancFromStr(const QString& s);
QString DetTipoParceiro(TEnumDetTipoParceiro m);
QString DetTipoParceiroToStr(TEnumDetTipoParceiro m);
TEnumDetTipoParceiro DetTipoParceiroFromStr(const QString& s);
QString EntregaFutura(TEnumEntregaFutura m);
QString EntregaFuturaToStr(TEnumEntregaFutura m);
TEnumEntregaFutura EntregaFuturaFromStr(const QString& s);
QString EstadoCivil(TEnumEstadoCivil m);
int32_t EstadoCivilToInt(TEnumEstadoCivil m);
TEnumEstadoCivil EstadoCivilFromInt(int32_t i);
QString FlagFinanceiro(TEnumFlagFinanceiro m);
QString FlagFinanceiroToStr(TEnumFlagFinanceiro m);
TEnumFlagFinanceiro FlagFinanceiroFromStr(const QString& s);
QString FormadorPreco(TEnumFormadorPreco m);
QString FormadorPrecoToStr(TEnumFormadorPreco m);
TEnumFormadorPreco FormadorPrecoFromStr(const QString& s);
QString FormulaUso(TEnumFormulaUso m);
int32_t FormulaUsoToInt(TEnumFormulaUso m);
TEnumFormulaUso FormulaUsoFromInt(int32_t i);
QString LancaEstoqueToStr(TEnumLancaEstoque m);
TEnumLancaEstoque LancaEstoqueFromStr(const QString& s);
QString MontagemItemOrc(TEnumMontagemItemOrc m);
QString MontagemItemOrcToStr(TEnumMontagemItemOrc m);
TEnumMontagemItemOrc MontagemItemOrcFromStr(const QString& s);
QString OrcamentoTipoPagamento(TEnumOrcamentoTipoPagamento m);
QString OrcamentoTipoPagamentoToStr(TEnumOrcamentoTipoPagamento m);
TEnumOrcamentoTipoPagamento OrcamentoTipoPagamentoFromStr(const QString& s);
QString OrigemCancelamento(TEnumOrigemCancelamento m);
QString OrigemCancelamentoToStr(TEnumOrigemCancelamento m);
TEnumOrigemCancelamento OrigemCancelamentoFromStr(const QString& s);
QString OrigemConsultaRetaguarda(TEnumOrigemConsultaRetaguarda m);
QString OrigemConsultaRetaguardaToStr(TEnumOrigemConsultaRetaguarda m);
TEnumOrigemConsultaRetaguarda OrigemConsultaRetaguardaFromStr(const QString& s);
QString OrigemLancamento(TEnumOrigemLancamento m);
QString OrigemLancamentoToStr(TEnumOrigemLancamento m);
TEnumOrigemLancamento OrigemLancamentoFromStr(const QString& s);
QString OrigemTipo(TEnumOrigemTipo m);
int32_t OrigemTipoToInt(TEnumOrigemTipo m);
TEnumOrigemTipo OrigemTipoFromInt(int32_t i);
QString ParceiroDenegado(TEnumParceiroDenegado m);
int32_t ParceiroDenegadoToInt(TEnumParceiroDenegado m);
TEnumParceiroDenegado ParceiroDenegadoFromInt(int32_t i);
QString PenAtu(TEnumPenAtu m);
QString PenAtuToStr(TEnumPenAtu m);
TEnumPenAtu PenAtuFromStr(const QString& s);
QString PeriodoEntrega(TEnumPeriodoEntrega m);
QString PeriodoEntregaToStr(TEnumPeriodoEntrega m);
TEnumPeriodoEntrega PeriodoEntregaFromStr(const QString& s);
QString PromocaoItemOrc(TEnumPromocaoItemOrc m);
QString PromocaoItemOrcToStr(TEnumPromocaoItemOrc m);
TEnumPromocaoItemOrc PromocaoItemOrcFromStr(const QString& s);
QString RecebimentoOrc(TEnumRecebimentoOrc m);
TEnumBandeiraCartao RecebimentoOrcToBandeira(TEnumRecebimentoOrc m);
QString RecebimentoOrcToStr(TEnumRecebimentoOrc m);
TEnumRecebimentoOrc RecebimentoOrcFromStr(const QString& s);
TEnumRegraAbcXyz RegraAbcXyzFromInt(int32_t i);
QString RegraCodigoFiscal(TEnumRegraCodigoFiscal m);
int32_t RegraCodigoFiscalToInt(TEnumRegraCodigoFiscal m);
TEnumRegraCodigoFiscal RegraCodigoFiscalFromInt(int32_t i);
QString RelacaoParceiro(TEnumRelacaoParceiro m);
QString RelacaoParceiroToStr(TEnumRelacaoParceiro m);
TEnumRelacaoParceiro RelacaoParceiroFromStr(const QString& s);
QString Sexo(TEnumSexo m);
int32_t SexoToInt(TEnumSexo m);
TEnumSexo SexoFromInt(int32_t i);
QString SitImpressaoEstorno(TEnumSitImpressaoEstorno m);
QString SitImpressaoEstornoToStr(TEnumSitImpressaoEstorno m);
TEnumSitImpressaoEstorno SitImpressaoEstornoFromStr(const QString& s);
QString SitKit(TEnumSitKit m);
QString SitKitToStr(TEnumSitKit m);
TEnumSitKit SitKitFromStr(const QString& s);
QString SituacaoAnaliseCredito(TEnumSituacaoAnaliseCredito m);
QString SituacaoAnaliseCreditoToStr(TEnumSituacaoAnaliseCredito m);
TEnumSituacaoAnaliseCredito SituacaoAnaliseCreditoFromStr(const QString& s);
QString SituacaoAprovacaoCredito(TEnumSituacaoAprovacaoCredito m);
QString SituacaoAprovacaoCreditoToStr(TEnumSituacaoAprovacaoCredito m);
TEnumSituacaoAprovacaoCredito SituacaoAprovacaoCreditoFromStr(const QString& s);
QString SituacaoCancelamento(TEnumSituacaoCancelamento m);
QString SituacaoCancelamentoToStr(TEnumSituacaoCancelamento m);
TEnumSituacaoCancelamento SituacaoCancelamentoFromStr(const QString& s);
QString SituacaoCotacaoToStr(TEnumSituacaoCotacao m);
TEnumSituacaoCotacao SituacaoCotacao(const QString& s);
QString SituacaoCotacaoFornecedorToStr(TEnumSituacaoCotacaoFornecedor m);
TEnumSituacaoCotacaoFornecedor SituacaoCotacaoFornecedor(const QString& s);
QString SituacaoDocEmitido(TEnumSituacaoDocEmitido m);
TEnumSituacaoDocEmitido SituacaoDocEmitidoFromStr(const QString& s);
QString SituacaoEcommerce(TEnumSituacaoEcommerce m);
QString SituacaoEcommerceToStr(TEnumSituacaoEcommerce m);
TEnumSituacaoEcommerce SituacaoEcommerceFromStr(const QString& s);
QString SituacaoItem(TEnumSituacaoItem m);
QString SituacaoItemToStr(TEnumSituacaoItem m);
TEnumSituacaoItem SituacaoItemFromStr(const QString& s);
QString SituacaoItemCotacaoToStr(TEnumSituacaoItemCotacao m);
TEnumSituacaoItemCotacao SituacaoItemCotacao(const QString& s);
QString SituacaoItemFornecedorToStr(TEnumSituacaoItemFornecedor m);
TEnumSituacaoItemFornecedor SituacaoItemFornecedor(const QString& s);
QString SituacaoItemFornecedorVencedorToStr(TEnumSituacaoItemFornecedorVencedor m);
TEnumSituacaoItemFornecedorVencedor SituacaoItemFornecedorVencedor(const QString& s);
QString SituacaoItemOrcamento(TEnumSituacaoItemOrc m);
QString SituacaoItemOrcamentoToStr(TEnumSituacaoItemOrc m);
TEnumSituacaoItemOrc SituacaoItemOrcamentoFromStr(const QString& s);
QString SituacaoItemTEF(TEnumSituacaoItemTEF m);
QString SituacaoItemTEFToStr(TEnumSituacaoItemTEF m);
TEnumSituacaoItemTEF SituacaoItemTEFFromStr(const QString& s);
QString SituacaoOrc(TEnumSituacaoOrc m);
QString SituacaoOrcToStr(TEnumSituacaoOrc m);
TEnumSituacaoOrc SituacaoOrcFromStr(const QString& s);
QString OrigemIVO(TEnumSituacaoOrigemIVO m);
QString OrigemIVOToStr(TEnumSituacaoOrigemIVO m);
TEnumSituacaoOrigemIVO OrigemIVOFromStr(const QString& s);
QString SituacaoPedidoDeCompra(TEnumSituacaoPedidoDeCompra m);
QString SituacaoPedidoDeCompraToStr(TEnumSituacaoPedidoDeCompra m);
TEnumSituacaoPedidoDeCompra SituacaoPedidoDeCompraFromStr(const QString& s);
QString SituacaoPedidoDeCompraItem(TEnumSituacaoPedidoDeCompraItem m);
QString SituacaoPedidoDeCompraItemToStr(TEnumSituacaoPedidoDeCompraItem m);
TEnumSituacaoPedidoDeCompraItem SituacaoPedidoDeCompraItemFromStr(const QString& s);
QString SituacaoRecebimento(TEnumSituacaoRecebimento m);
QString SituacaoRecebimentoToStr(TEnumSituacaoRecebimento m);
TEnumSituacaoRecebimento SituacaoRecebimentoFromStr(const QString& s);
QString SituacaoRomaneio(TEnumSituacaoRomaneio m);
QString SituacaoRomaneioToStr(TEnumSituacaoRomaneio m);
TEnumSituacaoRomaneio SituacaoRomaneioFromStr(const QString& s);
QString SituacaoSeparacao(TEnumSituacaoSeparacao m);
QString SituacaoSeparacaoToStr(TEnumSituacaoSeparacao m);
TEnumSituacaoSeparacao SituacaoSeparacaoFromStr(const QString& s);
QString SituacaoSeparacaoOrc(TEnumSituacaoSeparacaoOrc m);
QString SituacaoSeparacaoOrcToStr(TEnumSituacaoSeparacaoOrc m);
TEnumSituacaoSeparacaoOrc SituacaoSeparacaoOrcFromStr(const QString& s);
QString SituacaoServicoAdicional(TEnumSituacaoServicoAdicional m);
QString SituacaoServicoAdicionalToStr(TEnumSituacaoServicoAdicional m);
TEnumSituacaoServicoAdicional SituacaoServicoAdicionalFromStr(const QString& s);
QString SituacaoTEF(TEnumSituacaoTEF m);
QString SituacaoTEFToStr(TEnumSituacaoTEF m);
TEnumSituacaoTEF SituacaoTEFFromStr(const QString& s);
QString SolucaoPendencia(TEnumSolucaoPendencia m);
QString SolucaoPendenciaToStr(TEnumSolucaoPendencia m);
TEnumSolucaoPendencia SolucaoPendenciaFromStr(const QString& s);
QString StatusRecebimentoTerceiro(TEnumStatusRecebimentoTerceiro m);
QString StatusRecebimentoTerceiroToStr(TEnumStatusRecebimentoTerceiro m);
TEnumStatusRecebimentoTerceiro StatusRecebimentoTerceiroFromStr(const QString& s);
QString Tintometrico(TEnumTintometrico m);
int32_t TintometricoToInt(TEnumTintometrico m);
TEnumTintometrico TintometricoFromInt(int32_t i);
QString TipoAplicacaoCampanha(TEnumTipoAplicacaoCampanha m);
QString TipoAplicacaoCampanhaToStr(TEnumTipoAplicacaoCampanha m);
TEnumTipoAplicacaoCampanha TipoAplicacaoCampanhaFromStr(const QString& s);
QString TipoBonus(TEnumTipoBonus m);
QString TipoBonusToStr(TEnumTipoBonus m);
TEnumTipoBonus TipoBonusFromStr(const QString& s);
QString TipoCobrancaTEF(TEnumTipoCobrancaTEF m);
QString TipoCobrancaTEFToStr(TEnumTipoCobrancaTEF m);
TEnumTipoCobrancaTEF TipoCobrancaTEFFromStr(const QString& s);
QString TipoCodigoImpressoCupomDeDesconto(TEnumTipoCodigoImpressoCupomDeDesconto m);
QString TipoCodigoImpressoCupomDeDescontoToStr(TEnumTipoCodigoImpressoCupomDeDesconto m);
TEnumTipoCodigoImpressoCupomDeDesconto TipoCodigoImpressoCupomDeDescontoFromStr(const QString& s);
QString TipoComercio(TEnumTipoComercio m);
QString TipoComercioToStr(TEnumTipoComercio m);
TEnumTipoComercio TipoComercioFromStr(const QString& s);
QString TipoConta(TEnumTipoConta m);
QString TipoContaToStr(TEnumTipoConta m);
TEnumTipoConta TipoContaFromStr(const QString& s);
QString TipoDeGatilhoCampanha(TEnumTipoDeGatilhoCampanha m);
QString TipoDeGatilhoCampanhaToStr(TEnumTipoDeGatilhoCampanha m);
TEnumTipoDeGatilhoCampanha TipoDeGatilhoCampanhaFromStr(const QString& s);
QString TipoDescontoAplicadoCampanha(TEnumTipoDescontoAplicadoCampanha m);
QString TipoDescontoAplicadoCampanhaToStr(TEnumTipoDescontoAplicadoCampanha m);
TEnumTipoDescontoAplicadoCampanha TipoDescontoAplicadoCampanhaFromStr(const QString& s);
QString TipoDetalheItemOrc(TEnumTipoDetalheItemOrc m);
QString TipoDetalheItemOrcToStr(TEnumTipoDetalheItemOrc m);
TEnumTipoDetalheItemOrc TipoDetalheItemOrcFromStr(const QString& s);
QString TipoEntrega(TEnumTipoEntrega m);
TEnumTipoEntregaItemOrc TipoEntregaItemOrcFromTipoEntrega(TEnumTipoEntrega m);
QString TipoEntregaToStr(TEnumTipoEntrega m);
TEnumTipoEntrega TipoEntregaFromStr(const QString& s);
QString TipoEntregaItemOrc(TEnumTipoEntregaItemOrc m);
QString TipoEntregaItemOrcToStr(TEnumTipoEntregaItemOrc m);
TEnumTipoEntregaItemOrc TipoEntregaItemOrcFromStr(const QString& s);
QString TipoExportacaoCotacaoFornecedorToStr(TEnumTipoExportacaoCotacaoFornecedor m);
TEnumTipoExportacaoCotacaoFornecedor TipoExportacaoCotacaoFornecedor(const QString& s);
int32_t TipoIntegracaoPagamentoToInt(TEnumTipoIntegracaoPagamento m);
TEnumTipoIntegracaoPagamento TipoIntegracaoPagamentoFromInt(int32_t i);
QString TipoLogDAV(TEnumTipoLogDAV m);
QString TipoLogDAVToStr(TEnumTipoLogDAV m);
TEnumTipoLogDAV TipoLogDAVFromStr(const QString& s);
QString TipoMeio(TEnumTipoMeio m);
QString TipoMeioToStr(TEnumTipoMeio m);
TEnumTipoPagamento TipoPagamentoFromTipoMeio(TEnumTipoMeio m);
TEnumTipoMeio TipoMeioFromStr(const QString& s);
QString TipoObrigatoriedadeGatilhoCampanha(TEnumTipoObrigatoriedadeGatilhoCampanha m);
QString TipoObrigatoriedadeGatilhoCampanhaToStr(TEnumTipoObrigatoriedadeGatilhoCampanha m);
TEnumTipoObrigatoriedadeGatilhoCampanha TipoObrigatoriedadeGatilhoCampanhaFromStr(const QString& s);
QString TipoOperacaoTEF(TEnumTipoOperacaoTEF m);
QString TipoOperacaoTEFToStr(TEnumTipoOperacaoTEF m);
TEnumTipoOperacaoTEF TipoOperacaoTEFFromStr(const QString& s);
TEnumTipoOperacaoTEF TipoOperacaoTEFFromStrPosControle(const QString& s);
QString TipoPagamentoToStr(TEnumTipoPagamento m);
TEnumTipoPagamento TipoPagamentoFromStr(const QString& s);
QString TipoPagamentoItemOrc(TEnumTipoPagamentoItemOrc m);
QString TipoPagamentoItemOrcToStr(TEnumTipoPagamentoItemOrc m);
TEnumTipoPagamentoItemOrc TipoPagamentoItemOrcFromStr(const QString& s);
QString TipoPortador(TEnumTipoPortador m);
QString TipoPortadorToStr(TEnumTipoPortador m);
TEnumTipoPortador TipoPortadorFromStr(const QString& s);
QString TipoProduto(TEnumTipoProduto m);
QString TipoProdutoToStr(TEnumTipoProduto m);
TEnumTipoProduto TipoProdutoFromStr(const QString& s);
QString TipoProduto001(TEnumTipoProduto001 m);
QString TipoProduto001ToStr(TEnumTipoProduto001 m);
TEnumTipoProduto001 TipoProduto001FromStr(const QString& s);
QString TipoTecnicoItemOrc(TEnumTipoTecnicoItemOrc m);
QString TipoTecnicoItemOrcToStr(TEnumTipoTecnicoItemOrc m);
TEnumTipoTecnicoItemOrc TipoTecnicoItemOrcFromStr(const QString& s);
QString TipoTransacao(TEnumTipoTransacao m);
int32_t TipoTransacaoToInt(TEnumTipoTransacao m);
TEnumTipoTransacao TipoTransacaoFromInt(int32_t i);
QString TipoValorProduto(TEnumTipoValorProduto m);
QString TipoValorProdutoToStr(TEnumTipoValorProduto m);
TEnumTipoValorProduto TipoValorProdutoFromStr(const QString& s);
QString TipoVenda(TEnumTipoVenda m);
QString TipoVendaToStr(TEnumTipoVenda m);
TEnumTipoVenda TipoVendaFromStr(const QString& s);
QString UsoCaixa(TEnumUsoCaixa m);
int32_t UsoCaixaToInt(TEnumUsoCaixa m);
TEnumUsoCaixa UsoCaixaFromInt(int32_t i);
QString VariacaoCustoTipo(TEnumVariacaoCustoTipo m);
QString VariacaoCustoTipoToStr(TEnumVariacaoCustoTipo m);
TEnumVariacaoCustoTipo VariacaoCustoTipoFromStr(const QString& s);
QString VinculoItem(TEnumVinculoItem m);
QString VinculoItemToStr(TEnumVinculoItem m);
TEnumVinculoItem VinculoItemFromStr(const QString& s);
} // namespace TEnum
