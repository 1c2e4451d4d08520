#pragma once

// The services of each API class of the middleware, reached at API class "/" service name.
#include "contracts/enumkit.h"

#include <QStringList>

enum TEnumServicos_TCommerceAPI {
    TCommerceAPI_NaoEncontrado,
    TCommerceAPI_ConsultaRetaguarda,
    TCommerceAPI_ExecutaGravaTransacoes,
    TCommerceAPI_Separar,
    TCommerceAPI_ParametrosMiddleware,
    TCommerceAPI_ConsultaDevolucoes,
    TCommerceAPI_DadosDevolucao,
    TCommerceAPI_ProcessaDevolucao,
    TCommerceAPI_ImprimirCancSeguro,
    TCommerceAPI_ReceberMercadoriaImportacao,
    TCommerceAPI_ProcessaXMLDI,
    TCommerceAPI_ProcessaNotaImportacao,
    TCommerceAPI_BloqueiaOrigem,
    TCommerceAPI_DesbloqueiaOrigem,
    TCommerceAPI_ProximoCodigo,
    TCommerceAPI_ProcessaNFSobreRecibo,
    TCommerceAPI_ListaNossoNumero,
    TCommerceAPI_AtualizaStatusECF,
    TCommerceAPI_PersistePDV,
    TCommerceAPI_ReinicializaPoS,
    TCommerceAPI_ReimpressaoCupomEmNotaFiscal,
    TCommerceAPI_ProcessaNFSesAutomatico,
    TCommerceAPI_GeraXMLTransacoesPendentes,
    TCommerceAPI_ConsultaTitulosBancarios,
    TCommerceAPI_ArquivoRemessaCNAB,
    TCommerceAPI_ProcessaArquivoRetornoCNAB,
    TCommerceAPI_ProcessaNotaDeTransferencia,
    TCommerceAPI_ProcessaNotaCreditoICMS,
    TCommerceAPI_ImportaXMLNFe,
    TCommerceAPI_PersisteParceiro,
    TCommerceAPI_PersisteDAV,
    TCommerceAPI_GeraNotaDAVPreVenda,
    TCommerceAPI_ConsultaModeloOrdemDeSeparacaoDAV,
    TCommerceAPI_ImprimeOrdemDeSeparacaoDAV,
    TCommerceAPI_SincronizaSkyhub,
    TCommerceAPI_Get_OrderSkyHub,
    TCommerceAPI_CancelaOrcamento,
    TCommerceAPI_GerarNFESeparacaoDAV,
    TCommerceAPI_SetStatusEcommerce,
    TCommerceAPI_EnviaEmailCotacaoFornecedor,
    TCommerceAPI_ProcessaCotacaoFornecedor,
    TCommerceAPI_AprovarCotacaoFornecedor,
    TCommerceAPI_DefineVencedoresCotacaoFornecedor,
    TCommerceAPI_ProcessaCFeSATComplementar,
    TCommerceAPI_AtualizaStatusDFe,
    TCommerceAPI_CancelaDocumentoEmitido,
    TCommerceAPI_IntegracaoInventarioEstoqueRI4,
    TCommerceAPI_MarcaExportacaoECommerce,
    TCommerceAPI_ConsultaDadosRetaguarda,
    TCommerceAPI_CalculaDescontoDaCampanha
};
enum TEnumServicos_TCommerceLocalAPI {
    TCommerceLocalAPI_NaoEncontrado,
    TCommerceLocalAPI_GeraBoletoPDF,
    TCommerceLocalAPI_GeraBoleto,
    TCommerceLocalAPI_EnviaEmail,
    TCommerceLocalAPI_ConsultaCNPJCaptcha,
    TCommerceLocalAPI_ConsultaCNPJ,
    TCommerceLocalAPI_ConsultaCPFCaptcha,
    TCommerceLocalAPI_ConsultaCPF,
    TCommerceLocalAPI_ConsultaModelosDAV,
    TCommerceLocalAPI_ImprimeDAV,
    TCommerceLocalAPI_CalculaDescontoDaCampanha
};
enum TEnumServicos_TConexaoAPI {
    TConexaoAPI_NaoEncontrado,
    TConexaoAPI_ConectaMiddleware,
    TConexaoAPI_TestaComunicacao,
    TConexaoAPI_Sobre,
    TConexaoAPI_MiddlewareOnline,
    TConexaoAPI_ConsultaImpressora,
    TConexaoAPI_CadastrarAlterarEmpresa,
    TConexaoAPI_CadastraXML
};
enum TEnumServicos_TConexaoLocalAPI {
    TConexaoLocalAPI_NaoEncontrado,
    TConexaoLocalAPI_Sobre,
    TConexaoLocalAPI_TestaComunicacao
};
enum TEnumServicos_TCTeAPI {
    TCTeAPI_NaoEncontrado,
    TCTeAPI_AutenticaCTe,
    TCTeAPI_CancelarCTeSefaz,
    TCTeAPI_ConsultarCTe,
    TCTeAPI_InutilizaCTe,
    TCTeAPI_CTeOnLine,
    TCTeAPI_ImprimeCTeDACTE,
    TCTeAPI_ImprimeEventoCTe,
    TCTeAPI_ImprimeCTeDACTEPeloXML,
    TCTeAPI_GeraCTePDFPeloXML,
    TCTeAPI_ConsultaPeloUltimoNSU,
    TCTeAPI_ManifestarCTe,
    TCTeAPI_CartaCorrecao,
    TCTeAPI_GeraCTePreviaPDFPeloXML,
    TCTeAPI_GeraPDFEventoCTe
};
enum TEnumServicos_TImpressoraNaoFiscalAPI {
    TImpressoraNaoFiscalAPI_NaoEncontrado,
    TImpressoraNaoFiscalAPI_InicializaImpressoraNaoFiscal,
    TImpressoraNaoFiscalAPI_Ativar,
    TImpressoraNaoFiscalAPI_Desativar,
    TImpressoraNaoFiscalAPI_imprimeTextoNaoFiscal,
    TImpressoraNaoFiscalAPI_imprimeDANFENFCe,
    TImpressoraNaoFiscalAPI_imprimeEvento,
    TImpressoraNaoFiscalAPI_CortarPapel,
    TImpressoraNaoFiscalAPI_getAtivo,
    TImpressoraNaoFiscalAPI_SetvTroco,
    TImpressoraNaoFiscalAPI_ImprimirExtratoCFeSAT,
    TImpressoraNaoFiscalAPI_ImprimirExtratoResumidoCFeSAT,
    TImpressoraNaoFiscalAPI_ImprimirExtratoCancelamento,
    TImpressoraNaoFiscalAPI_AbrirGaveta,
    TImpressoraNaoFiscalAPI_SetUsaCodigoEanImpressao,
    TImpressoraNaoFiscalAPI_ImprimirCupomDeDesconto
};
enum TEnumServicos_TMDFeAPI {
    TMDFeAPI_NaoEncontrado,
    TMDFeAPI_AutenticaMDFe,
    TMDFeAPI_CancelarMDFeSefaz,
    TMDFeAPI_ConsultarMDFe,
    TMDFeAPI_MDFeOnline,
    TMDFeAPI_ImprimeMDFeDAMDFE,
    TMDFeAPI_ImprimeEventoMDFe,
    TMDFeAPI_ImprimeMDFeDAMDFEPeloXML,
    TMDFeAPI_GeraMDFePDFPeloXML,
    TMDFeAPI_EncerrarMDFe,
    TMDFeAPI_GeraMDFePreviaPDFPeloXML
};
enum TEnumServicos_TMiddlewareAPI { TMiddlewareAPI_NaoEncontrado, TMiddlewareAPI_CSRT };
enum TEnumServicos_TNFeAPI {
    TNFeAPI_NaoEncontrado,
    TNFeAPI_AutenticaSEFAZ,
    TNFeAPI_ProcessaXMLs,
    TNFeAPI_HoraSefazOnline,
    TNFeAPI_CancelarNFeSEFAZ,
    TNFeAPI_CancelarNFe,
    TNFeAPI_CancelarNFCe,
    TNFeAPI_CancelaCFeSAT,
    TNFeAPI_Token,
    TNFeAPI_TokenID,
    TNFeAPI_Certificado,
    TNFeAPI_SenhaCertificado,
    TNFeAPI_AutenticaCFeSAT,
    TNFeAPI_ConverteArqNF,
    TNFeAPI_ValidaArqNF,
    TNFeAPI_AutenticaArqNF,
    TNFeAPI_AutenticaCFeSATArqNF,
    TNFeAPI_ConsultaXMLAutenticado,
    TNFeAPI_SATAtivo,
    TNFeAPI_InutilizaSEFAZ,
    TNFeAPI_ReplicaDadosGuarda,
    TNFeAPI_GetProximaNota,
    TNFeAPI_SetProximaNota,
    TNFeAPI_ZerarNumeroNota,
    TNFeAPI_EnviaEmailGuarda,
    TNFeAPI_CartaCorrecao,
    TNFeAPI_SefazOnLine,
    TNFeAPI_ImprimeDANFE,
    TNFeAPI_ConsultaNF,
    TNFeAPI_GetUltimaNota,
    TNFeAPI_AutenticaNFSeAssinc,
    TNFeAPI_ImprimeDANFEPeloXML,
    TNFeAPI_ImprimeEventoNFe,
    TNFeAPI_EnviaRPSsParaPrefeitura,
    TNFeAPI_ConsultaRPSsNaPrefeitura,
    TNFeAPI_SituacaoGuarda,
    TNFeAPI_SituacaoGuardaParaNFSe,
    TNFeAPI_AutenticaErpNFeSefaz,
    TNFeAPI_ConsultaStatusOperacionalSAT,
    TNFeAPI_GetGuarda,
    TNFeAPI_GeraPDFPeloXML,
    TNFeAPI_RegerarXMLNaGuarda,
    TNFeAPI_GeraXMLDFeFromTransacaoPOS,
    TNFeAPI_AutenticaCFeSATComplementar,
    TNFeAPI_ConsultaPeloUltimoNSU,
    TNFeAPI_ManifestarNFe,
    TNFeAPI_GeraPreviaPDFPeloXML,
    TNFeAPI_SetImprimirNFe,
    TNFeAPI_CancelaNFSePeloRPS,
    TNFeAPI_GeraPDFEventoNFe
};
enum TEnumServicos_TNFeLocalAPI {
    TNFeLocalAPI_NaoEncontrado,
    TNFeLocalAPI_ConsultaFormaEmissaoCFe
};
enum TEnumServicos_TPAFAPI {
    TPAFAPI_NaoEncontrado,
    TPAFAPI_PermiteGeracaoFiscoReducaoZ,
    TPAFAPI_PermiteGeracaoFiscoEstoque,
    TPAFAPI_TransmissaoFiscoReducaoZ,
    TPAFAPI_TransmissaoFiscoEstoque,
    TPAFAPI_InclusaoFiscoReducaoZ,
    TPAFAPI_InclusaoFiscoEstoque,
    TPAFAPI_MensagemPendenciasFiscoReducaoZ,
    TPAFAPI_MensagemPendenciasFiscoEstoque,
    TPAFAPI_PermiteGeracaoFiscoReducaoZ_2,
    TPAFAPI_PermiteGeracaoFiscoEstoque_2,
    TPAFAPI_TransmissaoFiscoReducaoZ_2,
    TPAFAPI_TransmissaoFiscoEstoque_2,
    TPAFAPI_InclusaoFiscoReducaoZ_2,
    TPAFAPI_InclusaoFiscoEstoque_2,
    TPAFAPI_MensagemPendenciasFiscoReducaoZ_2,
    TPAFAPI_MensagemPendenciasFiscoEstoque_2,
    TPAFAPI_UltimaTransmissaoFiscoReducaoZ,
    TPAFAPI_UltimaTransmissaoFiscoEstoque,
    TPAFAPI_UltimoRegistroFiscoReducaoZ,
    TPAFAPI_UltimoRegistroFiscoEstoque,
    TPAFAPI_MensagemPendenciasPublicFiscoReducaoZ,
    TPAFAPI_MensagemPendenciasPublicFiscoEstoque,
    TPAFAPI_ConsultarPerfilEstado,
    TPAFAPI_GeraTabelaPerfilUFWiki,
    TPAFAPI_VendasIdentificadas,
    TPAFAPI_GeracaoFiscoReducaoZ,
    TPAFAPI_GeracaoFiscoEstoque,
    TPAFAPI_DAVEmitidos,
    TPAFAPI_ImprimeDAV,
    TPAFAPI_ParametrosConfiguracao,
    TPAFAPI_TabelaIndiceTecnicoProducao,
    TPAFAPI_IdentificacaoPAFECF,
    TPAFAPI_RegistrosPAFECF,
    TPAFAPI_GeraArquivoRequisicaoExterna
};
enum TEnumServicos_TPafLocalAPI { TPafLocalAPI_NaoEncontrado, TPafLocalAPI_ArquivosPAFECF };
enum TEnumServicos_TSSLAPI { TSSLAPI_NaoEncontrado, TSSLAPI_AssinarXML, TSSLAPI_DadosCertificado };
enum TEnumServicos_TSSLLocalAPI { TSSLLocalAPI_NaoEncontrado, TSSLLocalAPI_DadosCertificado };

namespace TEnum {
TEnumServicos_TCommerceAPI ServicosCommerceAPIFromStr(const QString& s);
QString ServicosCommerceAPIToStr(TEnumServicos_TCommerceAPI m);
TEnumServicos_TCommerceLocalAPI ServicosCommerceLocalAPIFromStr(const QString& s);
QString ServicosCommerceLocalAPIToStr(TEnumServicos_TCommerceLocalAPI m);
TEnumServicos_TConexaoAPI ServicosConexaoAPIFromStr(const QString& s);
QString ServicosConexaoAPIToStr(TEnumServicos_TConexaoAPI m);
TEnumServicos_TConexaoLocalAPI ServicosConexaoLocalAPIFromStr(const QString& s);
TEnumServicos_TCTeAPI ServicosCTeAPIFromStr(const QString& s);
QString ServicosCTeAPIToStr(TEnumServicos_TCTeAPI m);
TEnumServicos_TImpressoraNaoFiscalAPI ServicosImpressoraNaoFiscalAPIFromStr(const QString& s);
QString ServicosImpressoraNaoFiscalAPIToStr(TEnumServicos_TImpressoraNaoFiscalAPI m);
TEnumServicos_TMDFeAPI ServicosMDFeAPIFromStr(const QString& s);
QString ServicosMDFeAPIToStr(TEnumServicos_TMDFeAPI m);
TEnumServicos_TMiddlewareAPI ServicosMiddlewareAPIFromStr(const QString& s);
QString ServicosMiddlewareAPIToStr(TEnumServicos_TMiddlewareAPI m);
TEnumServicos_TNFeAPI ServicosNFeAPIFromStr(const QString& s);
QString ServicosNFeAPIToStr(TEnumServicos_TNFeAPI m);
TEnumServicos_TNFeLocalAPI ServicosNFeLocalAPIFromStr(const QString& s);
QString ServicosNFeLocalAPIToStr(TEnumServicos_TNFeLocalAPI m);
TEnumServicos_TPAFAPI ServicosPAFAPIFromStr(const QString& s);
QString ServicosPAFAPIToStr(TEnumServicos_TPAFAPI m);
TEnumServicos_TPafLocalAPI ServicosPafLocalAPIFromStr(const QString& s);
TEnumServicos_TSSLAPI ServicosSSLAPIFromStr(const QString& s);
QString ServicosSSLAPIToStr(TEnumServicos_TSSLAPI m);
TEnumServicos_TSSLLocalAPI ServicosSSLLocalAPIFromStr(const QString& s);
QString ServicosSSLLocalAPIToStr(TEnumServicos_TSSLLocalAPI m);
} // namespace TEnum

// Every service path ("TNFeAPI/AutenticaSEFAZ"), class by class, in member order.
QStringList servicePaths();
