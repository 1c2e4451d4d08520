#pragma once

// The enumerations of services, devices, banking and system settings.
#include "common/regional.h"
#include "contracts/enumkit.h"

enum TEnumAcaoTituloBancario {
    TEnumAcaoTituloBancario_Incluir,
    TEnumAcaoTituloBancario_Cancelar,
    TEnumAcaoTituloBancario_PagarEmCarteira,
    TEnumAcaoTituloBancario_Consistir,
    TEnumAcaoTituloBancario_AlterarValores,
    TEnumAcaoTituloBancario_AlterarData,
    TEnumAcaoTituloBancario_AlterarValor
};

enum TEnumAcessoDLL { adNenhum, adCdecl, adStdcall };

enum TEnumArquivoBDTipo { TEnumArquivoBDTipo_NaoDefinido, TEnumArquivoBDTipo_RemessaCNAB };

enum TEnumBancoDados {
    bdOracle,
    bdPostgreSQL,
    bdODBC,
    bdOraClient,
    bdFirebird,
    bdSQLServer,
    bdVazio = 255
};

enum TEnumCaracteristicaCarteira {
    TEnumCaracteristicaCarteira_Simples,
    TEnumCaracteristicaCarteira_Vinculada,
    TEnumCaracteristicaCarteira_Caucionada,
    TEnumCaracteristicaCarteira_Descontada,
    TEnumCaracteristicaCarteira_SimplesComRegistro,
    TEnumCaracteristicaCarteira_CaucionadaComRegistro,
    TEnumCaracteristicaCarteira_Vendor
};

enum TEnumClassificacaoDeTipoDeTarefa {
    TEnumClassificacaoDeTipoDeTarefa_Ambos,
    TEnumClassificacaoDeTipoDeTarefa_Suporte,
    TEnumClassificacaoDeTipoDeTarefa_Workflow
};

enum TEnumCobrancaDeTarefa {
    TEnumCobrancaDeTarefa_ADefinir,
    TEnumCobrancaDeTarefa_AFaturar,
    TEnumCobrancaDeTarefa_Contrato,
    TEnumCobrancaDeTarefa_Cortesia,
    TEnumCobrancaDeTarefa_Faturado,
    TEnumCobrancaDeTarefa_Revenda
};

enum TEnumDistribuicaoBoleto {
    TEnumDistribuicaoBoleto_NaoInformado,
    TEnumDistribuicaoBoleto_BancoDistribui,
    TEnumDistribuicaoBoleto_ClienteDistribui,
    TEnumDistribuicaoBoleto_BancoEnviaPorEmail
};

enum TEnumEmailCriptografia { ecSemCriptografia, ecSSL, ecTLS };

enum TEnumEmailSituacao {
    esPendente,
    esEnviado,
    esErroNoEnvio,
    esErroEnvioMailTo,
    esErroEnvioCCList,
    esErroEnvioBCCList
};

enum TEnumEnvioEmail { eeNaoEnvia, eeEnviaManual, eeEnviaAutomatico };

enum TEnumExibeCodigoBarraEtiqueta {
    TEnumExibeCodigoBarraEtiqueta_Padrao,
    TEnumExibeCodigoBarraEtiqueta_Sim,
    TEnumExibeCodigoBarraEtiqueta_Nao
};

enum TEnumHandShake {
    TEnumHandShake_Nenhum,
    TEnumHandShake_XON_XOFF,
    TEnumHandShake_RTS_CTS,
    TEnumHandShake_DTR_DSR
};

enum TEnumInstrucaoBaixaTitulo {
    TEnumInstrucaoBaixaTitulo_SemInstrucoes,
    TEnumInstrucaoBaixaTitulo_Baixar,
    TEnumInstrucaoBaixaTitulo_NaoBaixar
};

enum TEnumJobs { TEnumJobs_JobMaterializaCustoVenda, TEnumJobs_JobClassificaAbcXyz };

enum TEnumLayoutRemessa { TEnumLayoutRemessa_240, TEnumLayoutRemessa_400 };

enum TEnumOrientacaoEtiqueta {
    TEnumOrientacaoEtiqueta_Nulo,
    TEnumOrientacaoEtiqueta_Normal,
    TEnumOrientacaoEtiqueta_270,
    TEnumOrientacaoEtiqueta_180,
    TEnumOrientacaoEtiqueta_90
};

enum TEnumOrigemLogMiddleware {
    TEnumOrigemLogMiddleware_Middleware,
    TEnumOrigemLogMiddleware_IntegracaoTRX9
};

enum TEnumOrigemRequisicaoExterna {
    TEnumOrigemRequisicaoExterna_NaoDefinido,
    TEnumOrigemRequisicaoExterna_Mobile,
    TEnumOrigemRequisicaoExterna_Internet,
    TEnumOrigemRequisicaoExterna_Outros
};

enum TEnumParamCfgSistemaTipo {
    TEnumParamCfgSistemaTipo_NaoInformado,
    TEnumParamCfgSistemaTipo_Texto,
    TEnumParamCfgSistemaTipo_Numerico,
    TEnumParamCfgSistemaTipo_Inteiro,
    TEnumParamCfgSistemaTipo_Booleano,
    TEnumParamCfgSistemaTipo_Data
};

enum TEnumSerialParity {
    TEnumSerialParity_None,
    TEnumSerialParity_Odd,
    TEnumSerialParity_Even,
    TEnumSerialParity_Mark,
    TEnumSerialParity_Space
};

enum TEnumSerialStop { TEnumSerialStop_1, TEnumSerialStop_1eMeio, TEnumSerialStop_2 };

enum TEnumStatusImportacao { siImportar, siOk, siErro };

enum TEnumStatusRequisicaoExterna {
    TEnumStatusRequisicaoExterna_NaoDefinido,
    TEnumStatusRequisicaoExterna_Recebida,
    TEnumStatusRequisicaoExterna_Atendida,
    TEnumStatusRequisicaoExterna_Denegada
};

enum TEnumTipoCodBarraImpressora {
    TEnumTipoCodBarraImpressora_EAN13,
    TEnumTipoCodBarraImpressora_EAN8,
    TEnumTipoCodBarraImpressora_STANDARD,
    TEnumTipoCodBarraImpressora_INTERLEAVED,
    TEnumTipoCodBarraImpressora_CODE128,
    TEnumTipoCodBarraImpressora_CODE39,
    TEnumTipoCodBarraImpressora_CODE93,
    TEnumTipoCodBarraImpressora_UPCA,
    TEnumTipoCodBarraImpressora_CODABAR,
    TEnumTipoCodBarraImpressora_MSI,
    TEnumTipoCodBarraImpressora_CODE11
};

enum TEnumTipoConexao { tcBancoDados, tcXML, tcJSON };

enum TEnumTipoDeJurosMora {
    TEnumTipoDeJurosMora_ValorDia,
    TEnumTipoDeJurosMora_TaxaMensal,
    TEnumTipoDeJurosMora_Isento,
    TEnumTipoDeJurosMora_ValorMensal,
    TEnumTipoDeJurosMora_TaxaDiaria
};

enum TEnumTipoDeMulta {
    TEnumTipoDeMulta_PercentualCorrigido,
    TEnumTipoDeMulta_Valor,
    TEnumTipoDeMulta_Percentual,
    TEnumTipoDeMulta_ValorCorrigido
};

enum TEnumTipoDiasProtesto {
    TEnumTipoDiasProtesto_SemInstrucoes,
    TEnumTipoDiasProtesto_ProtestarDiasCorridos,
    TEnumTipoDiasProtesto_ProtestarDiasUteis,
    TEnumTipoDiasProtesto_NaoProtestar
};

enum TEnumTipoImpressao { TEnumTipoImpressao_Retrato, TEnumTipoImpressao_Paisagem };

enum TEnumTipoLogMiddleware {
    TEnumTipoLogMiddleware_Operacao,
    TEnumTipoLogMiddleware_Aviso,
    TEnumTipoLogMiddleware_Erro
};

enum TEnumTipoOperacaoDAO { todInsert, todUpdate, todDelete };

namespace TEnum {
QString AcaoTituloBancario(TEnumAcaoTituloBancario m);
QString AcaoTituloBancarioToStr(TEnumAcaoTituloBancario m);
TEnumAcaoTituloBancario AcaoTituloBancarioFromStr(const QString& s);
QString AcessoDLL(TEnumAcessoDLL m);
int32_t AcessoDLLToInt(TEnumAcessoDLL m);
TEnumAcessoDLL AcessoDLLFromInt(int32_t i);
TParListaList AcessoDLLGetList();
QString ArquivoBDTipo(TEnumArquivoBDTipo m);
QString ArquivoBDTipoToStr(TEnumArquivoBDTipo m);
TEnumArquivoBDTipo ArquivoBDTipoFromStr(const QString& s);
QString BancoDados(TEnumBancoDados m);
int32_t BancoDadosToInt(TEnumBancoDados m);
QString BancoDadosToStr(TEnumBancoDados m);
TEnumBancoDados BancoDadosFromInt(int32_t i);
TEnumBancoDados BancoDadosFromStr(const QString& s);
QString CaracteristicaCarteira(TEnumCaracteristicaCarteira m);
QString CaracteristicaCarteiraToStr(TEnumCaracteristicaCarteira m);
TEnumCaracteristicaCarteira CaracteristicaCarteiraFromStr(const QString& s);
QString ClassificacaoDeTipoDeTarefa(TEnumClassificacaoDeTipoDeTarefa m);
QString ClassificacaoDeTipoDeTarefaToStr(TEnumClassificacaoDeTipoDeTarefa m);
TEnumClassificacaoDeTipoDeTarefa ClassificacaoDeTipoDeTarefaFromStr(const QString& s);
QString CobrancaDeTarefa(TEnumCobrancaDeTarefa m);
QString CobrancaDeTarefaToStr(TEnumCobrancaDeTarefa m);
TEnumCobrancaDeTarefa CobrancaDeTarefaFromStr(const QString& s);
QString DistribuicaoBoleto(TEnumDistribuicaoBoleto m);
QString DistribuicaoBoletoToStr(TEnumDistribuicaoBoleto m);
TEnumDistribuicaoBoleto DistribuicaoBoletoFromStr(const QString& s);
QString EmailCriptografia(TEnumEmailCriptografia m);
int32_t EmailCriptografiaToInt(TEnumEmailCriptografia m);
TEnumEmailCriptografia EmailCriptografiaFromInt(int32_t i);
QString EmailSituacao(TEnumEmailSituacao m);
QString EmailSituacaoToStr(TEnumEmailSituacao m);
TEnumEmailSituacao EmailSituacaoFromStr(const QString& s);
int32_t EnvioEmailToInt(TEnumEnvioEmail m);
TEnumEnvioEmail EnvioEmailFromInt(int32_t i);
QString ExibeCodigoBarraEtiqueta(TEnumExibeCodigoBarraEtiqueta m);
QString ExibeCodigoBarraEtiquetaToStr(TEnumExibeCodigoBarraEtiqueta m);
TEnumExibeCodigoBarraEtiqueta ExibeCodigoBarraEtiquetaFromStr(const QString& s);
QString HandShake(TEnumHandShake m);
QString HandShakeToStr(TEnumHandShake m);
TEnumHandShake HandShakeFromStr(const QString& s);
QString InstrucaoBaixaTitulo(TEnumInstrucaoBaixaTitulo m);
int32_t InstrucaoBaixaTituloToInt(TEnumInstrucaoBaixaTitulo m);
TEnumInstrucaoBaixaTitulo InstrucaoBaixaTituloFromInt(int32_t i);
QString JobsToStr(TEnumJobs m);
QString LayoutRemessa(TEnumLayoutRemessa m);
int32_t LayoutRemessaToInt(TEnumLayoutRemessa m);
TEnumLayoutRemessa LayoutRemessaFromInt(int32_t i);
QString OrientacaoEtiqueta(TEnumOrientacaoEtiqueta m);
int32_t OrientacaoEtiquetaToInt(TEnumOrientacaoEtiqueta m);
TEnumOrientacaoEtiqueta OrientacaoEtiquetaFromInt(int32_t i);
QString OrigemLogMiddleware(TEnumOrigemLogMiddleware m);
int32_t OrigemLogMiddlewareToInt(TEnumOrigemLogMiddleware m);
TEnumOrigemLogMiddleware OrigemLogMiddlewareFromInt(int32_t i);
QString OrigemRequisicaoExterna(TEnumOrigemRequisicaoExterna m);
QString OrigemRequisicaoExternaDesc(TEnumOrigemRequisicaoExterna m);
QString OrigemRequisicaoExternaToStr(TEnumOrigemRequisicaoExterna m);
TEnumOrigemRequisicaoExterna OrigemRequisicaoExternaFromStr(const QString& s);
QString ParamCfgSistemaTipo(TEnumParamCfgSistemaTipo m);
QString ParamCfgSistemaTipoToStr(TEnumParamCfgSistemaTipo m);
TEnumParamCfgSistemaTipo ParamCfgSistemaTipoFromStr(const QString& s);
QString SerialParity(TEnumSerialParity m);
QString SerialParityToStr(TEnumSerialParity m);
TEnumSerialParity SerialParityFromStr(const QString& s);
QString SerialStop(TEnumSerialStop m);
QString SerialStopToStr(TEnumSerialStop m);
TEnumSerialStop SerialStopFromStr(const QString& s);
QString StatusImportacao(TEnumStatusImportacao m);
int32_t StatusImportacaoToInt(TEnumStatusImportacao m);
TEnumStatusImportacao StatusImportacaoFromInt(int32_t i);
QString StatusRequisicaoExterna(TEnumStatusRequisicaoExterna m);
QString StatusRequisicaoExternaToStr(TEnumStatusRequisicaoExterna m);
TEnumStatusRequisicaoExterna StatusRequisicaoExternaFromStr(const QString& s);
QString TipoCodBarraImpressora(TEnumTipoCodBarraImpressora m);
QString TipoCodBarraImpressoraToStr(TEnumTipoCodBarraImpressora m);
TEnumTipoCodBarraImpressora TipoCodBarraImpressoraFromStr(const QString& s);
QString TipoConexao(TEnumTipoConexao m);
int32_t TipoConexaoToInt(TEnumTipoConexao m);
TEnumTipoConexao TipoConexaoFromInt(int32_t i);
QString TipoDeJurosMora(TEnumTipoDeJurosMora m);
int32_t TipoDeJurosMoraToInt(TEnumTipoDeJurosMora m);
TEnumTipoDeJurosMora TipoDeJurosMoraFromInt(int32_t i);
QString TipoDeMulta(TEnumTipoDeMulta m);
QString TipoDeMultaToStr(TEnumTipoDeMulta m);
TEnumTipoDeMulta TipoDeMultaFromStr(const QString& s);
QString TipoDiasProtesto(TEnumTipoDiasProtesto m);
int32_t TipoDiasProtestoToInt(TEnumTipoDiasProtesto m);
TEnumTipoDiasProtesto TipoDiasProtestoFromInt(int32_t i);
QString TipoImpressao(TEnumTipoImpressao m);
int32_t TipoImpressaoToInt(TEnumTipoImpressao m);
TEnumTipoImpressao TipoImpressaoFromInt(int32_t i);
QString TipoLogMiddleware(TEnumTipoLogMiddleware m);
int32_t TipoLogMiddlewareToInt(TEnumTipoLogMiddleware m);
TEnumTipoLogMiddleware TipoLogMiddlewareFromInt(int32_t i);
QString TipoOperacaoDAO(TEnumTipoOperacaoDAO m);
} // namespace TEnum
