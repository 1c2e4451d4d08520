// The tree of pages: one API group tab per middleware API class, each with its service tabs
// in order and the tab shown when the group is first opened.
#include "app/pagetree.h"

namespace {

// A service tab; its caption is its object name unless given.
PageNode tab(const char* objectName, const char* caption = nullptr) {
    return PageNode{QString::fromUtf8(objectName),
                    QString::fromUtf8(caption ? caption : objectName),
                    {},
                    {},
                    {}};
}

PageNode set(const char* caption, const char* pageSet, const char* firstShown,
             std::vector<PageNode> tabs) {
    return PageNode{QString::fromUtf8(caption), QString::fromUtf8(caption),
                    QString::fromUtf8(pageSet), QString::fromUtf8(firstShown), std::move(tabs)};
}

std::vector<PageNode> buildTree() {
    std::vector<PageNode> groups;
    groups.push_back(set("ts_TConexaoAPI", "pc_ConexaoAPI", "ts_ConectaMiddleware",
                         {
                             tab("ts_ConectaMiddleware"),
                             tab("ts_TestaComunicacao"),
                             tab("ts_Sobre"),
                             tab("ts_ConsultaImpressora"),
                             tab("ts_CadastrarAtualizarEmpresa"),
                             tab("ts_CadastraXML"),
                         }));
    groups.push_back(
        set("ts_TCommerceAPI", "pc_TCommerceAPI", "ts_ImprimirCancSeguro",
            {
                tab("ts_ImprimirCancSeguro"),
                tab("ts_ParametrosMiddleware"),
                tab("ts_ExecutaGravaTransacoes"),
                tab("ts_ConsultaDevolucoes"),
                tab("ts_DadosDevolucao"),
                tab("ts_ProcessaDevolucao"),
                tab("ts_ReceberMercadoriaImportacao"),
                tab("ts_ProcessaXMLDI"),
                tab("ts_ProcessaNotaImportacao"),
                tab("ts_ConsultaRetaguarda"),
                tab("ts_BloqueiaOrigem"),
                tab("ts_DesbloqueiaOrigem"),
                tab("ts_ProximoCodigo"),
                tab("ts_ProcessaNFSobreRecibo"),
                tab("ts_ListaNossoNumero"),
                tab("ts_AtualizaStatusECF"),
                tab("ts_PersistePDV"),
                tab("ts_ReinicializaPoS"),
                tab("ts_ReimpressaoCupomEmNotaFiscal"),
                tab("ts_ProcessaNFSesAutomatico"),
                tab("ts_GeraXMLTransacoesPendentes"),
                tab("ts_ConsultaTitulosBancarios"),
                tab("ts_ArquivoRemessaCNAB"),
                tab("ts_ProcessaArquivoRetornoCNAB"),
                tab("ts_ProcessaNotaDeTransferencia"),
                tab("ts_ImportaXMLNFe"),
                tab("ts_GeraNotaCreditoICMS"),
                tab("ts_PersisteParceiro"),
                tab("ts_PersisteDAV"),
                tab("ts_GeraNotaDAVPreVenda"),
                tab("ts_ImprimeOrdemDeSeparacaoDAV"),
                tab("GeraNotaSeparacaoDAV"),
                tab("ts_SincronizacaoSkyHub"),
                tab("ts_CancelaOrcamento"),
                tab("ts_SetStatusEcommerce"),
                tab("ts_Get_OrderSkyHub"),
                tab("EnviaEmailCotacao"),
                tab("ProcessaCotacaoFornecedor"),
                tab("AprovarCotacaoFornecedor"),
                tab("ts_DefineVencedoresCotacaoFornecedor", "DefineVencedoresCotacaoFornecedor"),
                tab("ts_MarcaExportacaoECommerce"),
            }));
    groups.push_back(set("ts_TNFeAPI", "pc_TNFeAPI", "ts_ValidaArqNF",
                         {
                             tab("ts_AutenticaCFeSAT"),
                             tab("ts_CancelarCFeSAT"),
                             tab("ts_ConverteArqNF"),
                             tab("ts_ValidaArqNF"),
                             tab("ts_AutenticaArqNF"),
                             tab("ts_CancelarNFe"),
                             tab("ts_HoraSefazOnline"),
                             tab("ts_AutenticaArqNFSAT", "ts_AutenticaCFeSATArqNF"),
                             tab("ts_ConsultaXMLAutenticado"),
                             tab("ts_SATAtivo"),
                             tab("ts_AutenticaSEFAZ"),
                             tab("ts_Certificado"),
                             tab("ts_InutilizaSEFAZ"),
                             tab("ts_GetProximaNota"),
                             tab("ts_SetProximaNota"),
                             tab("ts_ZerarNumeroNota"),
                             tab("ts_EnviaEmailGuarda"),
                             tab("ts_CartaCorrecao"),
                             tab("ts_SefazOnLine"),
                             tab("ts_ImprimeDANFE"),
                             tab("ts_ConsultaNF"),
                             tab("ts_GetUltimaNota"),
                             tab("ts_CancelarNFeSefaz"),
                             tab("ts_AutenticaNFSeAssinc"),
                             tab("ts_ImprimeDANFEPeloXML"),
                             tab("ts_ImprimeEventoNFe"),
                             tab("ts_SituacaoGuarda"),
                             tab("ts_EnviaRPSsParaPrefeitura"),
                             tab("ts_ConsultaRPSsNaPrefeitura"),
                             tab("ts_SituacaoGuardaParaNFSe"),
                             tab("ts_CancelaNFSePeloRPS"),
                             tab("ts_AutenticaErpNFeSefaz"),
                             tab("ts_ConsultaStatusOperacionalSAT"),
                             tab("ts_GetGuarda"),
                             tab("ts_GeraPDFPeloXML"),
                             tab("tsRegerarXMLNaGuarda", "ts_RegerarXMLNaGuarda"),
                             tab("ts_GeraXMLDFeFromTransacaoPOS"),
                             tab("ts_AutenticaCFeSATComplementar"),
                             tab("ts_ConsultaPeloUltimoNSUNFe"),
                             tab("ts_ManifestarNFe"),
                             tab("ts_GeraPreviaPDFPeloXML"),
                             tab("ts_SetImprimirNFe"),
                             tab("ts_GeraPDFEventoNFe"),
                         }));
    groups.push_back(set("ts_TImpressoraNaoFiscalAPI", "pc_TImpressoraNaoFiscalAPI",
                         "ts_ImprimirExtratoResumidoCFeSAT",
                         {
                             tab("ts_Inicializa"),
                             tab("ts_imprimeTextoNaoFiscal"),
                             tab("ts_imprimeDANFENFCe"),
                             tab("ts_imprimeEvento"),
                             tab("ts_SetvTroco"),
                             tab("ts_ImprimirExtratoCFeSAT"),
                             tab("ts_ImprimirExtratoResumidoCFeSAT"),
                             tab("ts_ImprimirExtratoCancelamento"),
                             tab("ts_SetUsaCodigoEanImpressao"),
                         }));
    groups.push_back(set("ts_TNFeLocalAPI", "pc_TNFeLocalAPI", "ts_ConsultaFormaEmissaoCFe",
                         {
                             tab("ts_ConsultaFormaEmissaoCFe"),
                         }));
    groups.push_back(set("ts_TSSLAPI", "pc_TSSLAPI", "ts_DadosCertificado",
                         {
                             tab("ts_AssinarXML"),
                             tab("ts_DadosCertificado"),
                         }));
    // The Bloco X page holds a page set of its own; its tab reads "ts_BlocoX".
    PageNode blocoX = set("ts_TPAFBlocoX", "pc_TPAFBlocoX", "ts_PermiteGeracaoFiscoEstoque",
                          {
                              tab("ts_PermiteGeracaoFiscoReducaoZ"),
                              tab("ts_InclusaoFiscoReducaoZ"),
                              tab("ts_TransmissaoFiscoReducaoZ"),
                              tab("ts_UltimaTransmissaoFiscoReducaoZ"),
                              tab("ts_MensagemPendenciasFiscoReducaoZ"),
                              tab("ts_PermiteGeracaoFiscoEstoque"),
                              tab("ts_InclusaoFiscoEstoque"),
                              tab("ts_TransmissaoFiscoEstoque"),
                              tab("ts_UltimaTransmissaoFiscoEstoque"),
                              tab("ts_MensagemPendenciasFiscoEstoque"),
                              tab("ts_UltimoRegistroFiscoReducaoZ"),
                              tab("ts_UltimoRegistroFiscoEstoque"),
                              tab("ts_MensagemPendenciasPublicFiscoReducaoZ"),
                              tab("ts_MensagemPendenciasPublicFiscoEstoque"),
                              tab("ts_GeracaoFiscoReducaoZ"),
                              tab("ts_GeracaoFiscoEstoque"),
                          });
    blocoX.caption = QStringLiteral("ts_BlocoX");
    groups.push_back(
        set("ts_TPAFAPI", "pc_TPAFAPI", "ts_BlocoX",
            {
                std::move(blocoX),
                tab("ts_TPAFPerfil", "ts_Perfil"),
                tab("ts_TPAFBlocoZ", "ts_BlocoZ"),
                tab("ts_TPAFDAVEmitidos", "ts_DAVEmitidos"),
                tab("ts_TPAFImprimeDAV", "ts_ImprimeDAV"),
                tab("ts_TPAFParametrosConfiguracao", "ts_ParametrosConfiguracao"),
                tab("ts_TPAFTabelaIndiceTecnicoProducao", "ts_TabelaIndiceTecnicoProducao"),
                tab("ts_TPAFIdentificacaoPAFECF", "ts_IdentificacaoPAFECF"),
                tab("ts_TPAFRegistrosPAFECF", "ts_RegistrosPAFECF"),
                tab("ts_GeraArquivoRequisicaoExterna"),
            }));
    groups.push_back(set("ts_TCommerceLocalAPI", "pc_TCommerceLocalAPI", "ts_GeraBoleto",
                         {
                             tab("ts_GeraBoleto"),
                             tab("ts_EnviaEmail"),
                             tab("ts_ConsultaCNPJ"),
                             tab("ts_ConsultaCPF"),
                             tab("tsImprimeDAV"),
                         }));
    groups.push_back(set("ts_TPafLocalAPI", "pc_TPafLocalAPI", "ts_ArquivosPAFECF",
                         {
                             tab("ts_ArquivosPAFECF"),
                         }));
    groups.push_back(set("ts_TMiddlewareAPI", "pc_TMiddlewareAPI", "ts_CSRT",
                         {
                             tab("ts_CSRT"),
                         }));
    groups.push_back(set("ts_TSSLLocalAPI", "pc_TSSLLocalAPI", "ts_DadosCertificadoLocal",
                         {
                             tab("ts_DadosCertificadoLocal"),
                         }));
    groups.push_back(tab("tsGenericAPI", "ts_GenericAPI"));
    groups.push_back(set("ts_TCTeAPI", "pc_TCTeAPI", "ts_GeraPDFEventoCTe",
                         {
                             tab("ts_AutenticaCTe"),
                             tab("ts_CancelarCTeSefaz"),
                             tab("ts_ConsultarCTe"),
                             tab("ts_InutilizaCTe"),
                             tab("ts_CTeOnLine"),
                             tab("ts_ImprimeCTeDACTE"),
                             tab("ts_ImprimeEventoCTe"),
                             tab("TabSheet1", "ts_ImprimeCTeDACTEPeloXML"),
                             tab("TabSheet2", "ts_GeraCTePDFPeloXML"),
                             tab("ts_ConsultaPeloUltimoNSUCTe"),
                             tab("ts_ManifestarCTe"),
                             tab("ts_CartaCorrecaoCTe"),
                             tab("ts_GeraCTePreviaPDFPeloXML"),
                             tab("ts_GeraPDFEventoCTe"),
                         }));
    groups.push_back(set("ts_TMDFeAPI", "pc_TMDFeAPI", "ts_GeraMDFePreviaPDFPeloXML",
                         {
                             tab("TabSheet3", "ts_AutenticaMDFe"),
                             tab("TabSheet4", "ts_CancelarMDFeSefaz"),
                             tab("TabSheet5", "ts_ConsultarMDFe"),
                             tab("TabSheet7", "ts_MDFeOnLine"),
                             tab("TabSheet8", "ts_ImprimeMDFeDAMDFE"),
                             tab("TabSheet9", "ts_ImprimeEventoMDFe"),
                             tab("TabSheet10", "ts_ImprimeMDFeDAMDFEPeloXML"),
                             tab("TabSheet11", "ts_GeraMDFePDFPeloXML"),
                             tab("TabSheet6", "ts_EncerrarMDFe"),
                             tab("ts_GeraMDFePreviaPDFPeloXML"),
                         }));
    return groups;
}

} // namespace

const std::vector<PageNode>& pageTree() {
    static const std::vector<PageNode> tree = buildTree();
    return tree;
}
