#include "contracts/serviceenums.h"

using enumkit::EnumInfo;
using O = enumkit::Otherwise;

template <> const EnumInfo& enumInfo<TEnumServicos_TCommerceAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TCommerceAPI",
        {"TCommerceAPI_NaoEncontrado",
         "TCommerceAPI_ConsultaRetaguarda",
         "TCommerceAPI_ExecutaGravaTransacoes",
         "TCommerceAPI_Separar",
         "TCommerceAPI_ParametrosMiddleware",
         "TCommerceAPI_ConsultaDevolucoes",
         "TCommerceAPI_DadosDevolucao",
         "TCommerceAPI_ProcessaDevolucao",
         "TCommerceAPI_ImprimirCancSeguro",
         "TCommerceAPI_ReceberMercadoriaImportacao",
         "TCommerceAPI_ProcessaXMLDI",
         "TCommerceAPI_ProcessaNotaImportacao",
         "TCommerceAPI_BloqueiaOrigem",
         "TCommerceAPI_DesbloqueiaOrigem",
         "TCommerceAPI_ProximoCodigo",
         "TCommerceAPI_ProcessaNFSobreRecibo",
         "TCommerceAPI_ListaNossoNumero",
         "TCommerceAPI_AtualizaStatusECF",
         "TCommerceAPI_PersistePDV",
         "TCommerceAPI_ReinicializaPoS",
         "TCommerceAPI_ReimpressaoCupomEmNotaFiscal",
         "TCommerceAPI_ProcessaNFSesAutomatico",
         "TCommerceAPI_GeraXMLTransacoesPendentes",
         "TCommerceAPI_ConsultaTitulosBancarios",
         "TCommerceAPI_ArquivoRemessaCNAB",
         "TCommerceAPI_ProcessaArquivoRetornoCNAB",
         "TCommerceAPI_ProcessaNotaDeTransferencia",
         "TCommerceAPI_ProcessaNotaCreditoICMS",
         "TCommerceAPI_ImportaXMLNFe",
         "TCommerceAPI_PersisteParceiro",
         "TCommerceAPI_PersisteDAV",
         "TCommerceAPI_GeraNotaDAVPreVenda",
         "TCommerceAPI_ConsultaModeloOrdemDeSeparacaoDAV",
         "TCommerceAPI_ImprimeOrdemDeSeparacaoDAV",
         "TCommerceAPI_SincronizaSkyhub",
         "TCommerceAPI_Get_OrderSkyHub",
         "TCommerceAPI_CancelaOrcamento",
         "TCommerceAPI_GerarNFESeparacaoDAV",
         "TCommerceAPI_SetStatusEcommerce",
         "TCommerceAPI_EnviaEmailCotacaoFornecedor",
         "TCommerceAPI_ProcessaCotacaoFornecedor",
         "TCommerceAPI_AprovarCotacaoFornecedor",
         "TCommerceAPI_DefineVencedoresCotacaoFornecedor",
         "TCommerceAPI_ProcessaCFeSATComplementar",
         "TCommerceAPI_AtualizaStatusDFe",
         "TCommerceAPI_CancelaDocumentoEmitido",
         "TCommerceAPI_IntegracaoInventarioEstoqueRI4",
         "TCommerceAPI_MarcaExportacaoECommerce",
         "TCommerceAPI_ConsultaDadosRetaguarda",
         "TCommerceAPI_CalculaDescontoDaCampanha"},
        {},
        {{"ServicosCommerceAPIToStr",
          {"",
           "ConsultaRetaguarda",
           "ExecutaGravaTransacoes",
           "Separar",
           "ParametrosMiddleware",
           "ConsultaDevolucoes",
           "DadosDevolucao",
           "ProcessaDevolucao",
           "ImprimirCancSeguro",
           "ReceberMercadoriaImportacao",
           "ProcessaXMLDI",
           "ProcessaNotaImportacao",
           "BloqueiaOrigem",
           "DesbloqueiaOrigem",
           "ProximoCodigo",
           "ProcessaNFSobreRecibo",
           "ListaNossoNumero",
           "AtualizaStatusECF",
           "PersistePDV",
           "ReinicializaPoS",
           "ReimpressaoCupomEmNotaFiscal",
           "ProcessaNFSesAutomatico",
           "GeraXMLTransacoesPendentes",
           "ConsultaTitulosBancarios",
           "ArquivoRemessaCNAB",
           "ProcessaArquivoRetornoCNAB",
           "ProcessaNotaDeTransferencia",
           "ProcessaNotaCreditoICMS",
           "ImportaXMLNFe",
           "PersisteParceiro",
           "PersisteDAV",
           "GeraNotaDAVPreVenda",
           "ConsultaModeloOrdemDeSeparacaoDAV",
           "ImprimeOrdemDeSeparacaoDAV",
           "SincronizaSkyhub",
           "Get_OrderSkyHub",
           "CancelaOrcamento",
           "GerarNFESeparacaoDAV",
           "SetStatusEcommerce",
           "EnviaEmailCotacaoFornecedor",
           "ProcessaCotacaoFornecedor",
           "AprovarCotacaoFornecedor",
           "DefineVencedoresCotacaoFornecedor",
           "ProcessaCFeSATComplementar",
           "AtualizaStatusDFe",
           "CancelaDocumentoEmitido",
           "IntegracaoInventarioEstoqueRI4",
           "MarcaExportacaoECommerce",
           "ConsultaDadosRetaguarda",
           "CalculaDescontoDaCampanha"}}},
        {{"ServicosCommerceAPIFromStr", true, {}, O::defaultTo(0), "ServicosCommerceAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TCommerceLocalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TCommerceLocalAPI",
        {"TCommerceLocalAPI_NaoEncontrado", "TCommerceLocalAPI_GeraBoletoPDF",
         "TCommerceLocalAPI_GeraBoleto", "TCommerceLocalAPI_EnviaEmail",
         "TCommerceLocalAPI_ConsultaCNPJCaptcha", "TCommerceLocalAPI_ConsultaCNPJ",
         "TCommerceLocalAPI_ConsultaCPFCaptcha", "TCommerceLocalAPI_ConsultaCPF",
         "TCommerceLocalAPI_ConsultaModelosDAV", "TCommerceLocalAPI_ImprimeDAV",
         "TCommerceLocalAPI_CalculaDescontoDaCampanha"},
        {},
        {{"ServicosCommerceLocalAPIToStr",
          {"", "GeraBoletoPDF", "GeraBoleto", "EnviaEmail", "ConsultaCNPJCaptcha", "ConsultaCNPJ",
           "ConsultaCPFCaptcha", "ConsultaCPF", "ConsultaModelosDAV", "ImprimeDAV",
           "CalculaDescontoDaCampanha"}}},
        {{"ServicosCommerceLocalAPIFromStr",
          true,
          {},
          O::defaultTo(0),
          "ServicosCommerceLocalAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TConexaoAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TConexaoAPI",
        {"TConexaoAPI_NaoEncontrado", "TConexaoAPI_ConectaMiddleware",
         "TConexaoAPI_TestaComunicacao", "TConexaoAPI_Sobre", "TConexaoAPI_MiddlewareOnline",
         "TConexaoAPI_ConsultaImpressora", "TConexaoAPI_CadastrarAlterarEmpresa",
         "TConexaoAPI_CadastraXML"},
        {},
        {{"ServicosConexaoAPIToStr",
          {"", "ConectaMiddleware", "TestaComunicacao", "Sobre", "MiddlewareOnline",
           "ConsultaImpressora", "CadastrarAlterarEmpresa", "CadastraXML"}}},
        {{"ServicosConexaoAPIFromStr", true, {}, O::defaultTo(0), "ServicosConexaoAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TConexaoLocalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TConexaoLocalAPI",
        {"TConexaoLocalAPI_NaoEncontrado", "TConexaoLocalAPI_Sobre",
         "TConexaoLocalAPI_TestaComunicacao"},
        {},
        {{"ServicosConexaoLocalAPIToStr", {"", "Sobre", "TestaComunicacao"}}},
        {{"ServicosConexaoLocalAPIFromStr",
          true,
          {},
          O::defaultTo(0),
          "ServicosConexaoLocalAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TCTeAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TCTeAPI",
        {"TCTeAPI_NaoEncontrado", "TCTeAPI_AutenticaCTe", "TCTeAPI_CancelarCTeSefaz",
         "TCTeAPI_ConsultarCTe", "TCTeAPI_InutilizaCTe", "TCTeAPI_CTeOnLine",
         "TCTeAPI_ImprimeCTeDACTE", "TCTeAPI_ImprimeEventoCTe", "TCTeAPI_ImprimeCTeDACTEPeloXML",
         "TCTeAPI_GeraCTePDFPeloXML", "TCTeAPI_ConsultaPeloUltimoNSU", "TCTeAPI_ManifestarCTe",
         "TCTeAPI_CartaCorrecao", "TCTeAPI_GeraCTePreviaPDFPeloXML", "TCTeAPI_GeraPDFEventoCTe"},
        {},
        {{"ServicosCTeAPIToStr",
          {"", "AutenticaCTe", "CancelarCTeSefaz", "ConsultarCTe", "InutilizaCTe", "CTeOnLine",
           "ImprimeCTeDACTE", "ImprimeEventoCTe", "ImprimeCTeDACTEPeloXML", "GeraCTePDFPeloXML",
           "ConsultaPeloUltimoNSU", "ManifestarCTe", "CartaCorrecao", "GeraCTePreviaPDFPeloXML",
           "GeraPDFEventoCTe"}}},
        {{"ServicosCTeAPIFromStr", true, {}, O::defaultTo(0), "ServicosCTeAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TImpressoraNaoFiscalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TImpressoraNaoFiscalAPI",
        {"TImpressoraNaoFiscalAPI_NaoEncontrado",
         "TImpressoraNaoFiscalAPI_InicializaImpressoraNaoFiscal", "TImpressoraNaoFiscalAPI_Ativar",
         "TImpressoraNaoFiscalAPI_Desativar", "TImpressoraNaoFiscalAPI_imprimeTextoNaoFiscal",
         "TImpressoraNaoFiscalAPI_imprimeDANFENFCe", "TImpressoraNaoFiscalAPI_imprimeEvento",
         "TImpressoraNaoFiscalAPI_CortarPapel", "TImpressoraNaoFiscalAPI_getAtivo",
         "TImpressoraNaoFiscalAPI_SetvTroco", "TImpressoraNaoFiscalAPI_ImprimirExtratoCFeSAT",
         "TImpressoraNaoFiscalAPI_ImprimirExtratoResumidoCFeSAT",
         "TImpressoraNaoFiscalAPI_ImprimirExtratoCancelamento",
         "TImpressoraNaoFiscalAPI_AbrirGaveta", "TImpressoraNaoFiscalAPI_SetUsaCodigoEanImpressao",
         "TImpressoraNaoFiscalAPI_ImprimirCupomDeDesconto"},
        {},
        {{"ServicosImpressoraNaoFiscalAPIToStr",
          {"", "InicializaImpressoraNaoFiscal", "Ativar", "Desativar", "imprimeTextoNaoFiscal",
           "imprimeDANFENFCe", "imprimeEvento", "CortarPapel", "getAtivo", "SetvTroco",
           "ImprimirExtratoCFeSAT", "ImprimirExtratoResumidoCFeSAT", "ImprimirExtratoCancelamento",
           "AbrirGaveta", "SetUsaCodigoEanImpressao", "ImprimirCupomDeDesconto"}}},
        {{"ServicosImpressoraNaoFiscalAPIFromStr",
          true,
          {},
          O::defaultTo(0),
          "ServicosImpressoraNaoFiscalAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TMDFeAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TMDFeAPI",
        {"TMDFeAPI_NaoEncontrado", "TMDFeAPI_AutenticaMDFe", "TMDFeAPI_CancelarMDFeSefaz",
         "TMDFeAPI_ConsultarMDFe", "TMDFeAPI_MDFeOnline", "TMDFeAPI_ImprimeMDFeDAMDFE",
         "TMDFeAPI_ImprimeEventoMDFe", "TMDFeAPI_ImprimeMDFeDAMDFEPeloXML",
         "TMDFeAPI_GeraMDFePDFPeloXML", "TMDFeAPI_EncerrarMDFe",
         "TMDFeAPI_GeraMDFePreviaPDFPeloXML"},
        {},
        {{"ServicosMDFeAPIToStr",
          {"", "AutenticaMDFe", "CancelarMDFeSefaz", "ConsultarMDFe", "MDFeOnLine",
           "ImprimeMDFeDAMDFE", "ImprimeEventoMDFe", "ImprimeMDFeDAMDFEPeloXML",
           "GeraMDFePDFPeloXML", "EncerrarMDFe", "GeraMDFePreviaPDFPeloXML"}}},
        {{"ServicosMDFeAPIFromStr", true, {}, O::defaultTo(0), "ServicosMDFeAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TMiddlewareAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TMiddlewareAPI",
        {"TMiddlewareAPI_NaoEncontrado", "TMiddlewareAPI_CSRT"},
        {},
        {{"ServicosMiddlewareAPIToStr", {"", "CSRT"}}},
        {{"ServicosMiddlewareAPIFromStr", true, {}, O::defaultTo(0), "ServicosMiddlewareAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TNFeAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TNFeAPI",
        {"TNFeAPI_NaoEncontrado",
         "TNFeAPI_AutenticaSEFAZ",
         "TNFeAPI_ProcessaXMLs",
         "TNFeAPI_HoraSefazOnline",
         "TNFeAPI_CancelarNFeSEFAZ",
         "TNFeAPI_CancelarNFe",
         "TNFeAPI_CancelarNFCe",
         "TNFeAPI_CancelaCFeSAT",
         "TNFeAPI_Token",
         "TNFeAPI_TokenID",
         "TNFeAPI_Certificado",
         "TNFeAPI_SenhaCertificado",
         "TNFeAPI_AutenticaCFeSAT",
         "TNFeAPI_ConverteArqNF",
         "TNFeAPI_ValidaArqNF",
         "TNFeAPI_AutenticaArqNF",
         "TNFeAPI_AutenticaCFeSATArqNF",
         "TNFeAPI_ConsultaXMLAutenticado",
         "TNFeAPI_SATAtivo",
         "TNFeAPI_InutilizaSEFAZ",
         "TNFeAPI_ReplicaDadosGuarda",
         "TNFeAPI_GetProximaNota",
         "TNFeAPI_SetProximaNota",
         "TNFeAPI_ZerarNumeroNota",
         "TNFeAPI_EnviaEmailGuarda",
         "TNFeAPI_CartaCorrecao",
         "TNFeAPI_SefazOnLine",
         "TNFeAPI_ImprimeDANFE",
         "TNFeAPI_ConsultaNF",
         "TNFeAPI_GetUltimaNota",
         "TNFeAPI_AutenticaNFSeAssinc",
         "TNFeAPI_ImprimeDANFEPeloXML",
         "TNFeAPI_ImprimeEventoNFe",
         "TNFeAPI_EnviaRPSsParaPrefeitura",
         "TNFeAPI_ConsultaRPSsNaPrefeitura",
         "TNFeAPI_SituacaoGuarda",
         "TNFeAPI_SituacaoGuardaParaNFSe",
         "TNFeAPI_AutenticaErpNFeSefaz",
         "TNFeAPI_ConsultaStatusOperacionalSAT",
         "TNFeAPI_GetGuarda",
         "TNFeAPI_GeraPDFPeloXML",
         "TNFeAPI_RegerarXMLNaGuarda",
         "TNFeAPI_GeraXMLDFeFromTransacaoPOS",
         "TNFeAPI_AutenticaCFeSATComplementar",
         "TNFeAPI_ConsultaPeloUltimoNSU",
         "TNFeAPI_ManifestarNFe",
         "TNFeAPI_GeraPreviaPDFPeloXML",
         "TNFeAPI_SetImprimirNFe",
         "TNFeAPI_CancelaNFSePeloRPS",
         "TNFeAPI_GeraPDFEventoNFe"},
        {},
        {{"ServicosNFeAPIToStr",
          {"",
           "AutenticaSEFAZ",
           "ProcessaXMLs",
           "HoraSefazOnline",
           "CancelarNFeSEFAZ",
           "CancelarNFe",
           "CancelarNFCe",
           "CancelaCFeSAT",
           "Token",
           "TokenID",
           "Certificado",
           "SenhaCertificado",
           "AutenticaCFeSAT",
           "ConverteArqNF",
           "ValidaArqNF",
           "AutenticaArqNF",
           "AutenticaCFeSATArqNF",
           "ConsultaXMLAutenticado",
           "SATAtivo",
           "InutilizaSEFAZ",
           "ReplicaDadosGuarda",
           "GetProximaNota",
           "SetProximaNota",
           "ZerarNumeroNota",
           "EnviaEmailGuarda",
           "CartaCorrecao",
           "SefazOnLine",
           "ImprimeDANFE",
           "ConsultaNF",
           "GetUltimaNota",
           "AutenticaNFSeAssinc",
           "ImprimeDANFEPeloXML",
           "ImprimeEventoNFe",
           "EnviaRPSsParaPrefeitura",
           "ConsultaRPSsNaPrefeitura",
           "SituacaoGuarda",
           "SituacaoGuardaParaNFSe",
           "AutenticaErpNFeSefaz",
           "ConsultaStatusOperacionalSAT",
           "GetGuarda",
           "GeraPDFPeloXML",
           "RegerarXMLNaGuarda",
           "GeraXMLDFeFromTransacaoPOS",
           "AutenticaCFeSATComplementar",
           "ConsultaPeloUltimoNSU",
           "ManifestarNFe",
           "GeraPreviaPDFPeloXML",
           "SetImprimirNFe",
           "CancelaNFSePeloRPS",
           "GeraPDFEventoNFe"}}},
        {{"ServicosNFeAPIFromStr", true, {}, O::defaultTo(0), "ServicosNFeAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TNFeLocalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TNFeLocalAPI",
        {"TNFeLocalAPI_NaoEncontrado", "TNFeLocalAPI_ConsultaFormaEmissaoCFe"},
        {},
        {{"ServicosNFeLocalAPIToStr", {"", "ConsultaFormaEmissaoCFe"}}},
        {{"ServicosNFeLocalAPIFromStr", true, {}, O::defaultTo(0), "ServicosNFeLocalAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TPAFAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TPAFAPI",
        {"TPAFAPI_NaoEncontrado",
         "TPAFAPI_PermiteGeracaoFiscoReducaoZ",
         "TPAFAPI_PermiteGeracaoFiscoEstoque",
         "TPAFAPI_TransmissaoFiscoReducaoZ",
         "TPAFAPI_TransmissaoFiscoEstoque",
         "TPAFAPI_InclusaoFiscoReducaoZ",
         "TPAFAPI_InclusaoFiscoEstoque",
         "TPAFAPI_MensagemPendenciasFiscoReducaoZ",
         "TPAFAPI_MensagemPendenciasFiscoEstoque",
         "TPAFAPI_PermiteGeracaoFiscoReducaoZ_2",
         "TPAFAPI_PermiteGeracaoFiscoEstoque_2",
         "TPAFAPI_TransmissaoFiscoReducaoZ_2",
         "TPAFAPI_TransmissaoFiscoEstoque_2",
         "TPAFAPI_InclusaoFiscoReducaoZ_2",
         "TPAFAPI_InclusaoFiscoEstoque_2",
         "TPAFAPI_MensagemPendenciasFiscoReducaoZ_2",
         "TPAFAPI_MensagemPendenciasFiscoEstoque_2",
         "TPAFAPI_UltimaTransmissaoFiscoReducaoZ",
         "TPAFAPI_UltimaTransmissaoFiscoEstoque",
         "TPAFAPI_UltimoRegistroFiscoReducaoZ",
         "TPAFAPI_UltimoRegistroFiscoEstoque",
         "TPAFAPI_MensagemPendenciasPublicFiscoReducaoZ",
         "TPAFAPI_MensagemPendenciasPublicFiscoEstoque",
         "TPAFAPI_ConsultarPerfilEstado",
         "TPAFAPI_GeraTabelaPerfilUFWiki",
         "TPAFAPI_VendasIdentificadas",
         "TPAFAPI_GeracaoFiscoReducaoZ",
         "TPAFAPI_GeracaoFiscoEstoque",
         "TPAFAPI_DAVEmitidos",
         "TPAFAPI_ImprimeDAV",
         "TPAFAPI_ParametrosConfiguracao",
         "TPAFAPI_TabelaIndiceTecnicoProducao",
         "TPAFAPI_IdentificacaoPAFECF",
         "TPAFAPI_RegistrosPAFECF",
         "TPAFAPI_GeraArquivoRequisicaoExterna"},
        {},
        {{"ServicosPAFAPIToStr",
          {"",
           "PermiteGeracaoFiscoReducaoZ",
           "PermiteGeracaoFiscoEstoque",
           "TransmissaoFiscoReducaoZ",
           "TransmissaoFiscoEstoque",
           "InclusaoFiscoReducaoZ",
           "InclusaoFiscoEstoque",
           "MensagemPendenciasFiscoReducaoZ",
           "MensagemPendenciasFiscoEstoque",
           "PermiteGeracaoFiscoReducaoZ_2",
           "PermiteGeracaoFiscoEstoque_2",
           "TransmissaoFiscoReducaoZ_2",
           "TransmissaoFiscoEstoque_2",
           "InclusaoFiscoReducaoZ_2",
           "InclusaoFiscoEstoque_2",
           "MensagemPendenciasFiscoReducaoZ_2",
           "MensagemPendenciasFiscoEstoque_2",
           "UltimaTransmissaoFiscoReducaoZ",
           "UltimaTransmissaoFiscoEstoque",
           "UltimoRegistroFiscoReducaoZ",
           "UltimoRegistroFiscoEstoque",
           "MensagemPendenciasPublicFiscoReducaoZ",
           "MensagemPendenciasPublicFiscoEstoque",
           "ConsultarPerfilEstado",
           "GeraTabelaPerfilUFWiki",
           "VendasIdentificadas",
           "GeracaoFiscoReducaoZ",
           "GeracaoFiscoEstoque",
           "DAVEmitidos",
           "ImprimeDAV",
           "ParametrosConfiguracao",
           "TabelaIndiceTecnicoProducao",
           "IdentificacaoPAFECF",
           "RegistrosPAFECF",
           "GeraArquivoRequisicaoExterna"}}},
        {{"ServicosPAFAPIFromStr", true, {}, O::defaultTo(0), "ServicosPAFAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TPafLocalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TPafLocalAPI",
        {"TPafLocalAPI_NaoEncontrado", "TPafLocalAPI_ArquivosPAFECF"},
        {},
        {{"ServicosPafLocalAPIToStr", {"", "ArquivosPAFECF"}}},
        {{"ServicosPafLocalAPIFromStr", true, {}, O::defaultTo(0), "ServicosPafLocalAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TSSLAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TSSLAPI",
        {"TSSLAPI_NaoEncontrado", "TSSLAPI_AssinarXML", "TSSLAPI_DadosCertificado"},
        {},
        {{"ServicosSSLAPIToStr", {"", "AssinarXML", "DadosCertificado"}}},
        {{"ServicosSSLAPIFromStr", true, {}, O::defaultTo(0), "ServicosSSLAPIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumServicos_TSSLLocalAPI>() {
    static const EnumInfo e{
        "TEnumServicos_TSSLLocalAPI",
        {"TSSLLocalAPI_NaoEncontrado", "TSSLLocalAPI_DadosCertificado"},
        {},
        {{"ServicosSSLLocalAPIToStr", {"", "DadosCertificado"}}},
        {{"ServicosSSLLocalAPIFromStr", true, {}, O::defaultTo(0), "ServicosSSLLocalAPIToStr"}},
    };
    return e;
}

namespace TEnum {
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TCommerceAPI, ServicosCommerceAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TCommerceAPI, ServicosCommerceAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TCommerceLocalAPI, ServicosCommerceLocalAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TCommerceLocalAPI, ServicosCommerceLocalAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TConexaoAPI, ServicosConexaoAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TConexaoAPI, ServicosConexaoAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TConexaoLocalAPI, ServicosConexaoLocalAPIFromStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TCTeAPI, ServicosCTeAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TCTeAPI, ServicosCTeAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TImpressoraNaoFiscalAPI, ServicosImpressoraNaoFiscalAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TImpressoraNaoFiscalAPI, ServicosImpressoraNaoFiscalAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TMDFeAPI, ServicosMDFeAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TMDFeAPI, ServicosMDFeAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TMiddlewareAPI, ServicosMiddlewareAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TMiddlewareAPI, ServicosMiddlewareAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TNFeAPI, ServicosNFeAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TNFeAPI, ServicosNFeAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TNFeLocalAPI, ServicosNFeLocalAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TNFeLocalAPI, ServicosNFeLocalAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TPAFAPI, ServicosPAFAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TPAFAPI, ServicosPAFAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TPafLocalAPI, ServicosPafLocalAPIFromStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TSSLAPI, ServicosSSLAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TSSLAPI, ServicosSSLAPIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumServicos_TSSLLocalAPI, ServicosSSLLocalAPIFromStr)
QUORVA_ENUM_TEXT(TEnumServicos_TSSLLocalAPI, ServicosSSLLocalAPIToStr)
} // namespace TEnum

QStringList servicePaths() {
    // Each service enumeration's codes after its "_NaoEncontrado" member, under its class.
    const std::vector<const EnumInfo*> families = {
        &enumInfo<TEnumServicos_TCommerceAPI>(), &enumInfo<TEnumServicos_TCommerceLocalAPI>(),
        &enumInfo<TEnumServicos_TConexaoAPI>(),  &enumInfo<TEnumServicos_TConexaoLocalAPI>(),
        &enumInfo<TEnumServicos_TCTeAPI>(),      &enumInfo<TEnumServicos_TImpressoraNaoFiscalAPI>(),
        &enumInfo<TEnumServicos_TMDFeAPI>(),     &enumInfo<TEnumServicos_TMiddlewareAPI>(),
        &enumInfo<TEnumServicos_TNFeAPI>(),      &enumInfo<TEnumServicos_TNFeLocalAPI>(),
        &enumInfo<TEnumServicos_TPAFAPI>(),      &enumInfo<TEnumServicos_TPafLocalAPI>(),
        &enumInfo<TEnumServicos_TSSLAPI>(),      &enumInfo<TEnumServicos_TSSLLocalAPI>(),
    };
    QStringList paths;
    for (const EnumInfo* e : families) {
        const QString apiClass =
            QString::fromLatin1(e->typeName).mid(int(qstrlen("TEnumServicos_")));
        const enumkit::Column& codes = e->columns.front();
        for (std::size_t i = 1; i < codes.cells.size(); ++i)
            paths << apiClass + u'/' + QString::fromLatin1(codes.cells[i].value);
    }
    return paths;
}
