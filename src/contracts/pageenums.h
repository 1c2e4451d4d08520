#pragma once

// The enumerations whose codes the pages, the result envelope, the printer record and the
// drop-down lists send or read.
#include "contracts/enumkit.h"

enum TEnumCodigoEmpresa {
    TEnumCodigoEmpresa_NaoDefinido,
    TEnumCodigoEmpresa_QUORVA,
    TEnumCodigoEmpresa_ARVENO,
    TEnumCodigoEmpresa_BELSTRA,
    TEnumCodigoEmpresa_CORDANE,
    TEnumCodigoEmpresa_DULMERA,
    TEnumCodigoEmpresa_ESKARO,
    TEnumCodigoEmpresa_FANTROS,
    TEnumCodigoEmpresa_GORVEL,
    TEnumCodigoEmpresa_HALMIC,
    TEnumCodigoEmpresa_IRVANO,
    TEnumCodigoEmpresa_TAVRIN,
    TEnumCodigoEmpresa_KOLVER,
    TEnumCodigoEmpresa_LUMARO,
    TEnumCodigoEmpresa_MESKAN
};
enum TEnumConexaoMiddlewareTipoRetorno {
    TEnumConexaoMiddlewareTipoRetorno_Simples,
    TEnumConexaoMiddlewareTipoRetorno_Completo
};
enum TEnumAPIResultCod {
    TEnumAPIResultCodNaoDefinido,
    TEnumAPIResultCodEventoNaoLocalizado,
    TEnumAPIResultCodGuardaNaoLocalizada,
    TEnumAPIResultCodNotaDenegada,
    TEnumAPIResultCodPDVJaExiste,
    TEnumAPIResultCodNotaNaoConstaNaSefaz,
    TEnumAPIResultCodNotaJaInutilizada,
    TEnumAPIResultCodNFeRejeicaoCadastral,
    TEnumAPIResultCodNFeRejeicaoErro,
    TEnumAPIResultCodNFeSefazOffline
};
enum TEnumTipoComunicacaoImpressora {
    TEnumTipoComunicacaoImpressora_Normal,
    TEnumTipoComunicacaoImpressora_PPLA,
    TEnumTipoComunicacaoImpressora_PPLB,
    TEnumTipoComunicacaoImpressora_ZPLII,
    TEnumTipoComunicacaoImpressora_EPL2
};
enum TEnumDPIImpressora { TEnumDPIImpressora_203, TEnumDPIImpressora_300, TEnumDPIImpressora_600 };
enum TEnumUnidadeImpressora {
    TEnumUnidadeImpressora_Milimetros,
    TEnumUnidadeImpressora_Polegadas,
    TEnumUnidadeImpressora_Dots,
    TEnumUnidadeImpressora_DecimoDeMilimetros
};
enum TEnumModeloImpressora { miNenhuma, miDaruma, miEpson, miBematech };
enum TEnumMensageriaDfe {
    TEnumMensageriaDfe_QuorvaMiddleware,
    TEnumMensageriaDfe_EmiteNfe,
    TEnumMensageriaDfe_CTe,
    TEnumMensageriaDfe_MDFe
};
enum TEnumTipoEmissao {
    TEnumTipoEmissao_Normal,
    TEnumTipoEmissao_SVCAN,
    TEnumTipoEmissao_SVCRS,
    TEnumTipoEmissao_OffLine
};
enum TEnumModeloDocumento {
    mdCupomFiscal,
    mdNFCe,
    mdNFe,
    mdCFeSAT,
    mdNFSe,
    mdInvalido,
    mdVazio,
    mdCTe,
    mdMDFe
};
enum TEnumModalidadeFrete {
    tfEmitente,
    tfDestinatario,
    tfTerceiro,
    tfProprioEmitente,
    tfProprioDestinatario,
    tfSemFrete
};
enum TEnumECFArredondaTrunca {
    TEnumECFArredondaTruncaNulo,
    TEnumECFArredondaTruncaArredonda,
    TEnumECFArredondaTruncaTrunca
};
enum TEnumTipoParceiro {
    TEnumTipoParceiro_Fisica,
    TEnumTipoParceiro_Juridica,
    TEnumTipoParceiro_Entidade,
    TEnumTipoParceiro_Especial,
    TEnumTipoParceiro_ME,
    TEnumTipoParceiro_Filial
};
enum TEnumLayoutBoleto {
    TEnumLayoutBoleto_Padrao,
    TEnumLayoutBoleto_Carne,
    TEnumLayoutBoleto_Fatura,
    TEnumLayoutBoleto_PadraoEntrega,
    TEnumLayoutBoleto_Outro
};
enum TEnumTipoDocumentoTituloBancario {
    TEnumTipoDocumentoTituloBancario_Tradicional,
    TEnumTipoDocumentoTituloBancario_Escritural
};
enum TEnumTipoCarteiraTituloBancario {
    TEnumTipoCarteiraTituloBancario_Registrada,
    TEnumTipoCarteiraTituloBancario_Simples,
    TEnumTipoCarteiraTituloBancario_Eletronica
};
enum TEnumResponEmissaoTituloBancario {
    TEnumResponEmissaoTituloBancario_BancoEmite,
    TEnumResponEmissaoTituloBancario_CliEmite,
    TEnumResponEmissaoTituloBancario_BancoReemite,
    TEnumResponEmissaoTituloBancario_BancoNaoReemite
};
enum TEnumTipoPedido { tpDAV, tpDAVOS, tpPrevenda, tpDAVNulo };
enum TEnumFuncionalidadePAFECF {
    fpNaoDefinida,
    fpExigePAFECF,
    fpEmitirDAVNaoFiscal,
    fpEmitirPreVenda,
    fpRegistrarNotaManual,
    fpGerarEspelhoMFD,
    fpGerarVendasIdentificadas,
    fpGerarArquivo1704,
    fpBloquearNFNaoManualECFForaFuncionamento,
    fpGerarLeituraMFD,
    fpGerarFiscoReducaoZ,
    fpBloquearFiscoReducaoZ,
    fpGerarFiscoEstoque,
    fpGerarAutoRegistrosPAFECF,
    fpPermitirTrocoTEF
};

namespace TEnum {
QString CodigoEmpresa(TEnumCodigoEmpresa m);
int32_t CodigoEmpresaToInt(TEnumCodigoEmpresa m);
TEnumCodigoEmpresa CodigoEmpresaFromInt(int32_t i);

QString ConexaoMiddlewareTipoRetorno(TEnumConexaoMiddlewareTipoRetorno m);
QString ConexaoMiddlewareTipoRetornoToStr(TEnumConexaoMiddlewareTipoRetorno m);
TEnumConexaoMiddlewareTipoRetorno ConexaoMiddlewareTipoRetornoFromStr(const QString& s);

QString APIResultCodToStr(TEnumAPIResultCod m);
TEnumAPIResultCod APIResultCodFromStr(const QString& s);

QString TipoComunicacaoImpressora(TEnumTipoComunicacaoImpressora m);
QString TipoComunicacaoImpressoraToStr(TEnumTipoComunicacaoImpressora m);
TEnumTipoComunicacaoImpressora TipoComunicacaoImpressoraFromStr(const QString& s);
QString TipoComunicacaoImpressoraFileExt(TEnumTipoComunicacaoImpressora m);
TParListaList TipoComunicacaoImpressoraGetList();

QString DPIImpressora(TEnumDPIImpressora m);
int32_t DPIImpressoraToInt(TEnumDPIImpressora m);
TEnumDPIImpressora DPIImpressoraFromInt(int32_t i);
TParListaList DPIImpressoraGetList();

QString UnidadeImpressora(TEnumUnidadeImpressora m);
QString UnidadeImpressoraToStr(TEnumUnidadeImpressora m);
TEnumUnidadeImpressora UnidadeImpressoraFromStr(const QString& s);

QString ModeloImpressora(TEnumModeloImpressora m);
QString ModeloImpressoraToStr(TEnumModeloImpressora m);
TEnumModeloImpressora ModeloImpressoraFromStr(const QString& s);
TParListaList ModeloImpressoraGetList();

QString MensageriaDfe(TEnumMensageriaDfe m);
int32_t MensageriaDfeToInt(TEnumMensageriaDfe m);
TEnumMensageriaDfe MensageriaDfeFromInt(int32_t i);

QString TipoEmissao(TEnumTipoEmissao m);
int32_t TipoEmissaoToInt(TEnumTipoEmissao m);
TEnumTipoEmissao TipoEmissaoFromInt(int32_t i);

QString ModeloDocumento(TEnumModeloDocumento m);
QString ModeloDocumentoToCodigo(TEnumModeloDocumento m);
TEnumModeloDocumento ModeloDocumentoFromCodigo(const QString& s);
TEnumModeloDocumento ModeloDocumentoFromInt(int32_t i);

QString ModalidadeFrete(TEnumModalidadeFrete m);
QString ModalidadeFreteToStr(TEnumModalidadeFrete m);
TEnumModalidadeFrete ModalidadeFreteFromStr(const QString& s);
TParListaList ModalidadeFreteGetList();

QString ECFArredondaTrunca(TEnumECFArredondaTrunca m);
QString ECFArredondaTruncaToStr(TEnumECFArredondaTrunca m);
TEnumECFArredondaTrunca ECFArredondaTruncaFromStr(const QString& s);

QString TipoParceiro(TEnumTipoParceiro m);
int32_t TipoParceiroToInt(TEnumTipoParceiro m);
TEnumTipoParceiro TipoParceiroFromInt(int32_t i);

QString LayoutBoleto(TEnumLayoutBoleto m);
QString LayoutBoletoToStr(TEnumLayoutBoleto m);
TEnumLayoutBoleto LayoutBoletoFromStr(const QString& s);
QString TipoDocumentoTituloBancario(TEnumTipoDocumentoTituloBancario m);
QString TipoDocumentoTituloBancarioToStr(TEnumTipoDocumentoTituloBancario m);
TEnumTipoDocumentoTituloBancario TipoDocumentoTituloBancarioFromStr(const QString& s);
QString TipoCarteiraTituloBancario(TEnumTipoCarteiraTituloBancario m);
QString TipoCarteiraTituloBancarioToStr(TEnumTipoCarteiraTituloBancario m);
TEnumTipoCarteiraTituloBancario TipoCarteiraTituloBancarioFromStr(const QString& s);
QString ResponEmissaoTituloBancario(TEnumResponEmissaoTituloBancario m);
QString ResponEmissaoTituloBancarioToStr(TEnumResponEmissaoTituloBancario m);
TEnumResponEmissaoTituloBancario ResponEmissaoTituloBancarioFromStr(const QString& s);

QString TipoPedido(TEnumTipoPedido m);
QString TipoPedidoToStr(TEnumTipoPedido m);
TEnumTipoPedido TipoPedidoFromStr(const QString& s);
QString TipoPedidoPAFECF(TEnumTipoPedido m);
QString TipoPedidoImpressaoPAFECF(TEnumTipoPedido m);

QString FuncionalidadePAFECF(TEnumFuncionalidadePAFECF m);
QString FuncionalidadePAFECFToStr(TEnumFuncionalidadePAFECF m);
TEnumFuncionalidadePAFECF FuncionalidadePAFECFFromStr(const QString& s);
TParListaList FuncionalidadePAFECFGetList();
} // namespace TEnum
