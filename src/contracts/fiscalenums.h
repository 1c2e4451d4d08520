#pragma once

// The enumerations of fiscal documents and taxes.
#include "common/regional.h"
#include "contracts/enumkit.h"

enum EnumRegimeTributario { rtSimples, rtPresumido, rtReal, rtSimplesComExcesso };

enum TEnumAmbienteSEFAZ { amProducao, amHomologacao };

enum TEnumAplicacaoRedAliq {
    TEnumAplicacaoRedAliq_PessoasJuridicas,
    TEnumAplicacaoRedAliq_PessoasJuridicasExcetoRevendas,
    TEnumAplicacaoRedAliq_SomenteContribuintes,
    TEnumAplicacaoRedAliq_SomenteRevendas
};

enum TEnumAplicacaoRedICMSConsumidorFinal {
    TEnumAplicacaoRedICMSConsumidorFinal_NaoAplica,
    TEnumAplicacaoRedICMSConsumidorFinal_SomenteDentro,
    TEnumAplicacaoRedICMSConsumidorFinal_SomenteFora,
    TEnumAplicacaoRedICMSConsumidorFinal_Todos
};

enum TEnumCadastroDI { caIncompleto, caCompleto };

enum TEnumCalcSub { TEnumCalcSub_Retem, TEnumCalcSub_Destaca };

enum TEnumCancelamentoSefaz { csNaoSeAplica, csAutenticado, csNaoAutenticado, csDuvida };

enum TEnumCertificadoTipo { TEnumCertificadoTipo_A1, TEnumCertificadoTipo_A3 };

enum TEnumCodigoOperacaoBlocoX {
    TEnumCodigoOperacaoBlocoX_NaoDefinido,
    TEnumCodigoOperacaoBlocoX_Ok,
    TEnumCodigoOperacaoBlocoX_XMLInvalido,
    TEnumCodigoOperacaoBlocoX_ReciboNaoEncontrado,
    TEnumCodigoOperacaoBlocoX_NaoPossuiPermissao,
    TEnumCodigoOperacaoBlocoX_ErroInesperado
};

enum TEnumCodigoProcessamentoBlocoX {
    TEnumCodigoProcessamentoBlocoX_NaoDefinido,
    TEnumCodigoProcessamentoBlocoX_Aguardando,
    TEnumCodigoProcessamentoBlocoX_Sucesso,
    TEnumCodigoProcessamentoBlocoX_Erro,
    TEnumCodigoProcessamentoBlocoX_Cancelado
};

enum TEnumExigibilidadeISS {
    TEnumExigibilidadeISS_Nulo,
    TEnumExigibilidadeISS_Exigivel,
    TEnumExigibilidadeISS_NaoIncidencia,
    TEnumExigibilidadeISS_Isencao,
    TEnumExigibilidadeISS_Exportacao,
    TEnumExigibilidadeISS_Imunidade,
    TEnumExigibilidadeISS_SuspensaDecisaoJudicial,
    TEnumExigibilidadeISS_SuspensaProcessoAdministrativo,
    TEnumExigibilidadeISS_ISSFixo
};

enum TEnumFinalidadeNfe { fnNormal, fnComplementar, fnAjuste, fnDevolucao, fnNaoDefinido };

enum TEnumFlagNfe {
    fnNaoEnviada,
    fnAutorizada,
    fnRejeitada,
    fnCancelada,
    fnInutilizada,
    fnEnviandoAoSefaz,
    fnDenegada,
    fnErroImportacao,
    fnNulo
};

enum TEnumIdDestinoOperacao {
    doNaoInformado,
    doOperacaoInterna,
    doOperacaoInterestadual,
    doOperacaoComExterior
};

enum TEnumImpostosTipoNota { TEnumImpostosTipoNota_Emitida, TEnumImpostosTipoNota_Recebida };

enum TEnumIndicadorPagamento {
    TEnumIndicadorPagamento_NaoInformado,
    TEnumIndicadorPagamento_AVista,
    TEnumIndicadorPagamento_APrazo
};

enum TEnumIndicadorPresenca {
    ipNaoInformado,
    ipNaoSeAplica,
    ipOperacaoPresencial,
    ipOperacaoPelaInternet,
    ipOperacaoPorTelefone,
    ipNFCeEmOperacaoEntregaADomicilio,
    ipOperacaoPresForaEstab,
    ipOperacaoNaoPresencial
};

enum TEnumIntermediacaoDI { inNaoInformada, inContaPropria, inContaOrdem, inEncomenda };

enum TEnumModalidadeBC { mbMargemValorAgregado, mbPauta, mbPrecoTabelado, mbValorOperacao };

enum TEnumModalidadeBCST {
    bsPrecoTabelado,
    bsListaNegativa,
    bsListaPositiva,
    bsListaNeutra,
    bsMargemValorAgregado,
    bsPauta,
    bsValordaOperacao
};

enum TEnumModeloFiscalCFRef { cfRefMaqReg, cfRefPDV, cfRefECF };

enum TEnumModeloFiscalNFRef { NFRefModelo11A };

enum TEnumMotivoCancelamentoNFSe {
    TEnumMotivoCancelamentoNFSe_ErroDeEmissao,
    TEnumMotivoCancelamentoNFSe_ServicoNaoConcluido,
    TEnumMotivoCancelamentoNFSe_RPSCanceladoNaEmissao
};

enum TEnumMotivoDesoneracao {
    TEnumMotivoDesoneracao_NaoDefinido,
    TEnumMotivoDesoneracao_TAXI,
    TEnumMotivoDesoneracao_DEFICIENTE_FISICO,
    TEnumMotivoDesoneracao_PRODUTOR_AGROPECUARIO,
    TEnumMotivoDesoneracao_FROTISTA_LOCADORA,
    TEnumMotivoDesoneracao_DIPLOMATICO_CONSULAR,
    TEnumMotivoDesoneracao_UTILITARIOS_AMAZONIA,
    TEnumMotivoDesoneracao_SUFRAMA,
    TEnumMotivoDesoneracao_VENDA_ORGAO_PUBLICO,
    TEnumMotivoDesoneracao_OUTROS,
    TEnumMotivoDesoneracao_DEFICIENTE_CONDUTOR,
    TEnumMotivoDesoneracao_DEFICIENT_NAO_CONDUTOR,
    TEnumMotivoDesoneracao_ORGAO_FOMENTO
};

enum TEnumNatCredPISCOFINS {
    ncAquisicaoBensRevenda,
    ncAquisicaoBensUtilComoInsumo,
    ncAquisicaoServUtilComoInsumo,
    ncEnergiaEletricaTermica,
    ncAlugueisPredios,
    ncAlugueisMaqEquip,
    ncArmazenagemMercadoriaFrete,
    ncContraprestacoesMercantil,
    ncCreditoSobreEncargoDepreciacao,
    ncCreditoBaseValorAquisicao,
    ncAmortDeprecEdificBenfImoveis,
    ncDevolucaoVendasSujIncidencia,
    ncOutrasOperComDireitoACredito,
    ncAtividadeTransporteCargas,
    ncCustoUnidadeImobiliaria,
    ncCustoUnidadeNaoConcluida,
    ncAtividadePrestServico,
    ncEstoqueAberturaBens,
    ncNulo
};

enum TEnumNaturezaOuOperacaoDaNFSe {
    TEnumNaturezaOuOperacaoDaNFSe_Nulo,
    TEnumNaturezaOuOperacaoDaNFSe_SemDeducao,
    TEnumNaturezaOuOperacaoDaNFSe_ComDeducaoMateriais,
    TEnumNaturezaOuOperacaoDaNFSe_ImuneIsenta,
    TEnumNaturezaOuOperacaoDaNFSe_DevolucaoSimplesRemessa,
    TEnumNaturezaOuOperacaoDaNFSe_Intermediacao
};

enum TEnumOperacaoGuarda { ogNaoDefinido, ogOutros, ogVenda, ogCancelamento };

enum TEnumOrigemProduto {
    TEnumOrigemProduto_0_Nacional,
    TEnumOrigemProduto_1_EstImpDir,
    TEnumOrigemProduto_2_EstMercInt,
    TEnumOrigemProduto_3_NacSup40,
    TEnumOrigemProduto_4_NacProcProd,
    TEnumOrigemProduto_5_NacInf40,
    TEnumOrigemProduto_6_EstImpDirSemSim,
    TEnumOrigemProduto_7_EstMercIntSemSim,
    TEnumOrigemProduto_8_NacImp70
};

enum TEnumPerfil { pPerfil_NaoDefinido, pPerfil_T, pPerfil_V, pPerfil_W };

enum TEnumPosicaoReciboDacte {
    TEnumPosicaoReciboDacte_Cabecalho,
    TEnumPosicaoReciboDacte_Rodape,
    TEnumPosicaoReciboDacte_Esquerda
};

enum TEnumPosicaoReciboDamdfe {
    TEnumPosicaoReciboDamdfe_Cabecalho,
    TEnumPosicaoReciboDamdfe_Rodape,
    TEnumPosicaoReciboDamdfe_Esquerda
};

enum TEnumPosicaoReciboDanfe {
    TEnumPosicaoReciboDanfe_Cabecalho,
    TEnumPosicaoReciboDanfe_Rodape,
    TEnumPosicaoReciboDanfe_Esquerda
};

enum TEnumRegimeTributario { rtVazio, rtSimplesNacional, rtSimplesNacionalEx, rtRegimeNormal };

enum TEnumRegimeUF { TEnumRegimeUF_Normal, TEnumRegimeUF_Especial };

enum TEnumRegraTipoSubstituicao {
    TEnumRegraTipoSubstituicao_Tributa,
    TEnumRegraTipoSubstituicao_DestacaST,
    TEnumRegraTipoSubstituicao_CalculaST
};

enum TEnumRegraTipoTributacao {
    TEnumRegraTipoTributacao_NaoInformado,
    TEnumRegraTipoTributacao_Tributado,
    TEnumRegraTipoTributacao_NaoTributado,
    TEnumRegraTipoTributacao_Isento,
    TEnumRegraTipoTributacao_Substituido,
    TEnumRegraTipoTributacao_IsentoEstado
};

enum TEnumRegTriEspNFSe {
    TEnumRegTriEspNFSe_Nenhum,
    TEnumRegTriEspNFSe_MicroempresaMunicipal,
    TEnumRegTriEspNFSe_Estimativa,
    TEnumRegTriEspNFSe_SociedadeProfissionais,
    TEnumRegTriEspNFSe_Cooperativa,
    TEnumRegTriEspNFSe_MicroempresarioIndividual,
    TEnumRegTriEspNFSe_MicroempresarioEmpresaPP,
    TEnumRegTriEspNFSe_LucroReal,
    TEnumRegTriEspNFSe_LucroPresumido,
    TEnumRegTriEspNFSe_SimplesNacional
};

enum TEnumRequisitoPerfil {
    rpNulo,
    rpExigido,
    rpExigidoUF,
    rpNaoExigido,
    rpAceito,
    rpNaoAceito,
    rpNaoDefinido,
    rpNaoExistenteER
};

enum TEnumSitTributISSQN {
    TEnumSitTributISSQN_Isenta,
    TEnumSitTributISSQN_Normal,
    TEnumSitTributISSQN_Retida,
    TEnumSitTributISSQN_Substituta,
    TEnumSitTributISSQN_Nula
};

enum TEnumSituacaoGuarda {
    sgNulo,
    sgNaoProcessado,
    sgAEnviar,
    sgEnviado,
    sgEnviadoContingencia,
    sgAguardandoVerificacao,
    sgSefazInoperante,
    sgErroValidacao,
    sgErroEnvio,
    sgDenegado,
    sgCancelada,
    sgInutilizada,
    sgInutilizacaoRejeitada,
    sgCancelamentoRejeitado,
    sgResumoDFe,
    sgManifestarDFe,
    sgEncerrado,
    sgProcessamentoManifestacaoPendente
};

enum TEnumSituacaoTransitoImportacao {
    tiImportacaoEmTransito,
    tiImportacaoRecebida,
    tiTransitoImportacaoNulo
};

enum TEnumTipoDeTributacaoServico {
    TEnumTipoDeTributacaoServico_Nulo,
    TEnumTipoDeTributacaoServico_IsentaISS,
    TEnumTipoDeTributacaoServico_NaoIncidencianoMunic,
    TEnumTipoDeTributacaoServico_Imune,
    TEnumTipoDeTributacaoServico_ExigibilidadeSusp,
    TEnumTipoDeTributacaoServico_NaoTributavel,
    TEnumTipoDeTributacaoServico_Tributavel,
    TEnumTipoDeTributacaoServico_TributavelFixo,
    TEnumTipoDeTributacaoServico_TributavelSN,
    TEnumTipoDeTributacaoServico_MEI
};

enum TEnumTipoDI { tpDeclaracaoImportacao, tpDeclaracaoImportacaoSimplificada };

enum TEnumTipoDocumento { TEnumTipoDocumento_RG, TEnumTipoDocumento_IE };

enum TEnumTipoDocumentoFiscal { tpNaoInformado, tpEntrada, tpSaida };

enum TEnumTipoDocumentoImportacao {
    tiDeclaracaoImportacao,
    tiDeclaracaoSimplificadaImportacao,
    tiDeclaracaoImportacaoNulo
};

enum TEnumTipoItem {
    tiMercadoriaRevenda,
    tiMateriaPrima,
    tiEmbalagem,
    tiProdutoProcesso,
    tiProdutoAcabado,
    tiSubproduto,
    tiProdutoIntermediario,
    tiMaterialConsumo,
    tiAtivoImobilizado,
    tiServicos,
    tiOutrosInsumos,
    tiOutras
};

enum TEnumTipoMPBem {
    TEnumTipoMPBem_Vazio,
    TEnumTipoMPBem_Conj_CPU_Monitor_Mouse,
    TEnumTipoMPBem_CPU,
    TEnumTipoMPBem_Modem,
    TEnumTipoMPBem_Monitor,
    TEnumTipoMPBem_Mouse,
    TEnumTipoMPBem_Notebooks,
    TEnumTipoMPBem_Roteadores,
    TEnumTipoMPBem_Smartphones,
    TEnumTipoMPBem_Tablet,
    TEnumTipoMPBem_Teclado,
    TEnumTipoMPBem_AllinOne
};

enum TEnumTipoNatureza {
    TEnumTipoNatureza_Compra,
    TEnumTipoNatureza_ConsumoInterno,
    TEnumTipoNatureza_Devolucao,
    TEnumTipoNatureza_DevolucaoCompra,
    TEnumTipoNatureza_EntradaViaTransferencia,
    TEnumTipoNatureza_NaoClassificado,
    TEnumTipoNatureza_NotaComVinculoAnterior,
    TEnumTipoNatureza_NotaComVinculoFuturo,
    TEnumTipoNatureza_SaidaViaTransferencia,
    TEnumTipoNatureza_Venda,
    TEnumTipoNatureza_DevolucaoTransferencia,
    TEnumTipoNatureza_ComplementarAjuste,
    TEnumTipoNatureza_Estorno,
    TEnumTipoNatureza_Sobra,
    TEnumTipoNatureza_Importacao,
    TEnumTipoNatureza_NaoInformado
};

enum TEnumTipoNFEspecial { tneAvulsa, tneImportada, tneNulo };

enum TEnumTipoNota { tnAmbas, tnFatura, tnNotaFiscal };

enum TEnumTipoSAT { tsAparelhoSAT, tsEmuladorOffline, tsSDKTanca };

enum TEnumTipoTribSimples {
    ttsNaoSeAplica,
    ttsNaoTributado,
    ttsTributacaoOriginal,
    ttsNaoTribExcetoSubstituidos
};

enum TEnumUF {
    ufAcre,
    ufAlagoas,
    ufAmazonas,
    ufAmapa,
    ufBahia,
    ufCeara,
    ufDistritoFederal,
    ufEspiritoSanto,
    ufGoias,
    ufMaranhao,
    ufMinasGerais,
    ufMatoGrossoDoSul,
    ufMatoGrosso,
    ufPara,
    ufParaiba,
    ufPernambuco,
    ufPiaui,
    ufParana,
    ufRioDeJaneiro,
    ufRioGrandeDoNorte,
    ufRondonia,
    ufRoraima,
    ufRioGrandeDoSul,
    ufSantaCatarina,
    ufSergipe,
    ufSaoPaulo,
    ufTocantins
};

enum TEnumVersaoMDFe { vm300, vmNaoDefinido };

enum TEnumVersaoNfe { vn310, vn400, vnNaoDefinido };

enum TEnumViaTransporteDI {
    tiSemTransporte,
    tiMaritima,
    tiFluvial,
    tiLacustre,
    tiAerea,
    tiPostal,
    tiFerroviaria,
    tiRodoviaria,
    tiConduto,
    tiMeiosProprios,
    tiEntradaSaidaFicta,
    tiCourier,
    tiHandcarry
};

namespace TEnum {
QString RegimeTributarioToStr(EnumRegimeTributario m);
QString RegimeTributarioToStrTRX9(EnumRegimeTributario m);
EnumRegimeTributario RegimeTributarioFromStr(const QString& s);
EnumRegimeTributario RegimeTributarioFromStrTRX9(const QString& s);
QString AmbienteSEFAZ(TEnumAmbienteSEFAZ m);
int32_t AmbienteSEFAZToCodigo(TEnumAmbienteSEFAZ m);
int32_t AmbienteSEFAZToInt(TEnumAmbienteSEFAZ m);
TEnumAmbienteSEFAZ AmbienteSEFAZFromCodigo(int32_t i);
TEnumAmbienteSEFAZ AmbienteSEFAZFromInt(int32_t i);
TParListaList AmbienteSEFAZGetList();
QString AplicacaoRedAliqToStr(TEnumAplicacaoRedAliq m);
TEnumAplicacaoRedAliq AplicacaoRedAliqFromStr(const QString& s);
QString AplicacaoRedICMSConsumidorFinalToStr(TEnumAplicacaoRedICMSConsumidorFinal m);
TEnumAplicacaoRedICMSConsumidorFinal AplicacaoRedICMSConsumidorFinalFromStr(const QString& s);
QString CadastroDI(TEnumCadastroDI m);
QString CadastroDIToStr(TEnumCadastroDI m);
TEnumCadastroDI CadastroDIFromStr(const QString& s);
QString CalcSubToStr(TEnumCalcSub m);
TEnumCalcSub CalcSubFromStr(const QString& s);
QString CancelamentoSefaz(TEnumCancelamentoSefaz m);
QString CancelamentoSefazToStr(TEnumCancelamentoSefaz m);
TEnumCancelamentoSefaz CancelamentoSefazFromStr(const QString& s);
QString CertificadoTipo(TEnumCertificadoTipo m);
QString CertificadoTipoToStr(TEnumCertificadoTipo m);
TEnumCertificadoTipo CertificadoTipoFromStr(const QString& s);
QString CodigoOperacaoBlocoX(TEnumCodigoOperacaoBlocoX m);
int32_t CodigoOperacaoBlocoXToInt(TEnumCodigoOperacaoBlocoX m);
TEnumCodigoOperacaoBlocoX CodigoOperacaoBlocoXFromInt(int32_t i);
QString CodigoProcessamentoBlocoX(TEnumCodigoProcessamentoBlocoX m);
int32_t CodigoProcessamentoBlocoXToInt(TEnumCodigoProcessamentoBlocoX m);
TEnumCodigoProcessamentoBlocoX CodigoProcessamentoBlocoXFromInt(int32_t i);
QString ExigibilidadeISS(TEnumExigibilidadeISS m);
QString ExigibilidadeISSToStr(TEnumExigibilidadeISS m);
TEnumExigibilidadeISS ExigibilidadeISSFromStr(const QString& s);
TEnumExigibilidadeISS ExigibilidadeISSFromStrTRX9(const QString& s);
QString FinalidadeNfe(TEnumFinalidadeNfe m);
int32_t FinalidadeNfeToInt(TEnumFinalidadeNfe m);
TEnumFinalidadeNfe FinalidadeNfeFromInt(int32_t i);
QString FlagNfe(TEnumFlagNfe m);
QString FlagNfeToStr(TEnumFlagNfe m);
TEnumFlagNfe FlagNfeFromStr(const QString& s);
QString DestinoOperacao(TEnumIdDestinoOperacao m);
QString DestinoOperacaoToStr(TEnumIdDestinoOperacao m);
TEnumIdDestinoOperacao DestinoOperacaoFromStr(const QString& s);
QString ImpostosTipoNota(TEnumImpostosTipoNota m);
QString ImpostosTipoNotaToStr(TEnumImpostosTipoNota m);
TEnumImpostosTipoNota ImpostosTipoNotaFromStr(const QString& s);
QString IndicadorPagamento(TEnumIndicadorPagamento m);
QString IndicadorPagamentoToStr(TEnumIndicadorPagamento m);
TEnumIndicadorPagamento IndicadorPagamentoFromStr(const QString& s);
QString IndicadorPresenca(TEnumIndicadorPresenca m);
int32_t IndicadorPresencaToInt(TEnumIndicadorPresenca m);
TEnumIndicadorPresenca IndicadorPresencaFromInt(int32_t i);
QString IntermediacaoDI(TEnumIntermediacaoDI m);
int32_t IntermediacaoDIToInt(TEnumIntermediacaoDI m);
TEnumIntermediacaoDI IntermediacaoDIFromInt(int32_t i);
QString ModalidadeBC(TEnumModalidadeBC m);
int32_t ModalidadeBCToInt(TEnumModalidadeBC m);
TEnumModalidadeBC ModalidadeBCFromInt(int32_t i);
QString ModalidadeBCST(TEnumModalidadeBCST m);
int32_t ModalidadeBCSTToInt(TEnumModalidadeBCST m);
TEnumModalidadeBCST ModalidadeBCSTFromInt(int32_t i);
QString ModeloFiscalCFRef(TEnumModeloFiscalCFRef m);
QString ModeloFiscalCFRefToStr(TEnumModeloFiscalCFRef m);
TEnumModeloFiscalCFRef ModeloFiscalCFRefFromStr(const QString& s);
QString ModeloFiscalNFRef(TEnumModeloFiscalNFRef m);
int32_t ModeloFiscalNFRefToInt(TEnumModeloFiscalNFRef m);
TEnumModeloFiscalNFRef ModeloFiscalNFRefFromInt(int32_t i);
QString MotivoCancelamentoNFSe(TEnumMotivoCancelamentoNFSe m);
int32_t MotivoCancelamentoNFSeToInt(TEnumMotivoCancelamentoNFSe m);
TEnumMotivoCancelamentoNFSe MotivoCancelamentoNFSeFromInt(int32_t i);
QString MotivoDesoneracao(TEnumMotivoDesoneracao m);
int32_t MotivoDesoneracaoToInt(TEnumMotivoDesoneracao m);
TEnumMotivoDesoneracao MotivoDesoneracaoFromInt(int32_t i);
QString NatCredPISCOFINS(TEnumNatCredPISCOFINS m);
QString NatCredPISCOFINSToStr(TEnumNatCredPISCOFINS m);
TEnumNatCredPISCOFINS NatCredPISCOFINSFromStr(const QString& s);
QString NaturezaOuOperacaoDaNFSe(TEnumNaturezaOuOperacaoDaNFSe m);
QString NaturezaOuOperacaoDaNFSeToStr(TEnumNaturezaOuOperacaoDaNFSe m);
TEnumNaturezaOuOperacaoDaNFSe NaturezaOuOperacaoDaNFSeFromStr(const QString& s);
QString OperacaoGuardaToStr(TEnumOperacaoGuarda m);
TEnumOperacaoGuarda OperacaoGuardaFromStr(const QString& s);
QString OrigemProduto(TEnumOrigemProduto m);
int32_t OrigemProdutoToInt(TEnumOrigemProduto m);
TEnumOrigemProduto OrigemProdutoFromInt(int32_t i);
QString PerfilToStr(TEnumPerfil m);
TEnumPerfil PerfilFromStr(const QString& s);
QString PosicaoReciboDacte(TEnumPosicaoReciboDacte m);
int32_t PosicaoReciboDacteToInt(TEnumPosicaoReciboDacte m);
TEnumPosicaoReciboDacte PosicaoReciboDacteFromInt(int32_t i);
TParListaList PosicaoReciboDacteGetList();
QString PosicaoReciboDamdfe(TEnumPosicaoReciboDamdfe m);
int32_t PosicaoReciboDamdfeToInt(TEnumPosicaoReciboDamdfe m);
TEnumPosicaoReciboDamdfe PosicaoReciboDamdfeFromInt(int32_t i);
TParListaList PosicaoReciboDamdfeGetList();
QString PosicaoReciboDanfe(TEnumPosicaoReciboDanfe m);
int32_t PosicaoReciboDanfeToInt(TEnumPosicaoReciboDanfe m);
TEnumPosicaoReciboDanfe PosicaoReciboDanfeFromInt(int32_t i);
TParListaList PosicaoReciboDanfeGetList();
int32_t RegimeTributarioToInt(TEnumRegimeTributario m);
TEnumRegimeTributario RegimeTributarioFromInt(int32_t i);
int32_t RegimeUFToInt(TEnumRegimeUF m);
TEnumRegimeUF RegimeUFFromInt(int32_t i);
int32_t RegraTipoSubstituicaoToInt(TEnumRegraTipoSubstituicao m);
TEnumRegraTipoSubstituicao RegraTipoSubstituicaoFromInt(int32_t i);
QString TipoTributacao(TEnumRegraTipoTributacao m);
QString TipoTributacaoToStr(TEnumRegraTipoTributacao m);
TEnumRegraTipoTributacao TipoTributacaoFromStr(const QString& s);
QString RegTriEspNFSe(TEnumRegTriEspNFSe m);
int32_t RegTriEspNFSeToInt(TEnumRegTriEspNFSe m);
TEnumRegTriEspNFSe RegTriEspNFSeFromInt(int32_t i);
TParListaList RegTriEspNFSeGetList();
QString RequisitoPerfilToStr(TEnumRequisitoPerfil m);
TEnumRequisitoPerfil RequisitoPerfilFromStr(const QString& s);
QString SitTributISSQN(TEnumSitTributISSQN m);
QString SitTributISSQNToStr(TEnumSitTributISSQN m);
TEnumSitTributISSQN SitTributISSQNFromStr(const QString& s);
QString SituacaoGuarda(TEnumSituacaoGuarda m);
TEnumFlagNfe FlagNfeFromSituacaoGuarda(TEnumSituacaoGuarda m);
QString SituacaoGuardaToStr(TEnumSituacaoGuarda m);
TEnumSituacaoGuarda SituacaoGuardaFromStr(const QString& s);
QString SituacaoTransitoImportacao(TEnumSituacaoTransitoImportacao m);
QString SituacaoTransitoImportacaoToStr(TEnumSituacaoTransitoImportacao m);
TEnumSituacaoTransitoImportacao SituacaoTransitoImportacaoFromStr(const QString& s);
QString TipoDeTributacaoServico(TEnumTipoDeTributacaoServico m);
QString TipoDeTributacaoServicoToStr(TEnumTipoDeTributacaoServico m);
TEnumTipoDeTributacaoServico TipoDeTributacaoServicoFromStr(const QString& s);
TEnumTipoDeTributacaoServico TipoDeTributacaoServicoFromStrTRX9(const QString& s);
QString TipoDIToStr(TEnumTipoDI m);
TEnumTipoDI TipoDIFromStr(const QString& s);
QString TipoDocumentoToStr(TEnumTipoDocumento m);
TEnumTipoDocumento TipoDocumentoFromStr(const QString& s);
QString TipoDocumentoFiscal(TEnumTipoDocumentoFiscal m);
int32_t TipoDocumentoFiscalToInt(TEnumTipoDocumentoFiscal m);
TEnumTipoDocumentoFiscal TipoDocumentoFiscalFromInt(int32_t i);
TEnumTipoDocumentoFiscal TipoDocumentoFiscalFromStr(const QString& s);
QString TipoDocumentoImportacao(TEnumTipoDocumentoImportacao m);
QString TipoDocumentoImportacaoToStr(TEnumTipoDocumentoImportacao m);
TEnumTipoDocumentoImportacao TipoDocumentoImportacaoFromStr(const QString& s);
QString TipoItem(TEnumTipoItem m);
QString TipoItemToStr(TEnumTipoItem m);
TEnumTipoItem TipoItemFromStr(const QString& s);
QString TipoMPBemToStr(TEnumTipoMPBem m);
TEnumTipoMPBem TipoMPBemFromStr(const QString& s);
QString TipoNatureza(TEnumTipoNatureza m);
QString TipoNaturezaToStr(TEnumTipoNatureza m);
TEnumTipoNatureza TipoNaturezaFromStr(const QString& s);
QString TipoNfEspecial(TEnumTipoNFEspecial m);
QString TipoNfEspecialToStr(TEnumTipoNFEspecial m);
TEnumTipoNFEspecial TipoNfEspecialFromStr(const QString& s);
QString TipoNotaToStr(TEnumTipoNota m);
TEnumTipoNota TipoNotaFromStr(const QString& s);
int32_t TipoSATToInt(TEnumTipoSAT m);
TEnumTipoSAT TipoSATFromInt(int32_t i);
QString TipoTribSimples(TEnumTipoTribSimples m);
QString TipoTribSimplesToStr(TEnumTipoTribSimples m);
TEnumTipoTribSimples TipoTribSimplesFromStr(const QString& s);
QString UFToSigla(TEnumUF m);
TEnumUF UFFromCodigoIbge(int32_t i);
regional::Currency VersaoMDFeToFloat(TEnumVersaoMDFe m);
QString VersaoNfe(TEnumVersaoNfe m);
regional::Currency VersaoNfeToFloat(TEnumVersaoNfe m);
QString VersaoNfeToStr(TEnumVersaoNfe m);
TEnumVersaoNfe VersaoNfeFromStr(const QString& s);
QString ViaTransporteDI(TEnumViaTransporteDI m);
int32_t ViaTransporteDIToInt(TEnumViaTransporteDI m);
TEnumViaTransporteDI ViaTransporteDIFromInt(int32_t i);
} // namespace TEnum
