#include "contracts/systemenums.h"

using enumkit::Cell;
using enumkit::EnumInfo;
using O = enumkit::Otherwise;

template <> const EnumInfo& enumInfo<TEnumAcaoTituloBancario>() {
    static const EnumInfo e{
        "TEnumAcaoTituloBancario",
        {"TEnumAcaoTituloBancario_Incluir", "TEnumAcaoTituloBancario_Cancelar",
         "TEnumAcaoTituloBancario_PagarEmCarteira", "TEnumAcaoTituloBancario_Consistir",
         "TEnumAcaoTituloBancario_AlterarValores", "TEnumAcaoTituloBancario_AlterarData",
         "TEnumAcaoTituloBancario_AlterarValor"},
        {},
        {{"AcaoTituloBancario",
          {"A - Incluir", "C - Cancelar", "P - Pagar em carteira", "I - Consistir",
           "V - Instrução alterar valores", "D - Instrução alterar data",
           "V - Instrução alterar valor"}},
         {"AcaoTituloBancarioToStr", {"A", "C", "P", "I", "V", "D", "V"}}},
        {{"AcaoTituloBancarioFromStr",
          false,
          {{"A", TEnumAcaoTituloBancario_Incluir},
           {"C", TEnumAcaoTituloBancario_Cancelar},
           {"P", TEnumAcaoTituloBancario_PagarEmCarteira},
           {"I", TEnumAcaoTituloBancario_Consistir},
           {"V", TEnumAcaoTituloBancario_AlterarValores},
           {"D", TEnumAcaoTituloBancario_AlterarData}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumAcessoDLL>() {
    static const EnumInfo e{
        "TEnumAcessoDLL",
        {"adNenhum", "adCdecl", "adStdcall"},
        {},
        {{"AcessoDLL", {"Nenhum", "CDECL", "STDCALL"}}, {"AcessoDLLToInt", {"0", "1", "2"}}},
        {{"AcessoDLLFromInt", false, {}, O::defaultTo(adNenhum), "AcessoDLLToInt"}},
        "AcessoDLLToInt",
        "AcessoDLL",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumArquivoBDTipo>() {
    static const EnumInfo e{
        "TEnumArquivoBDTipo",
        {"TEnumArquivoBDTipo_NaoDefinido", "TEnumArquivoBDTipo_RemessaCNAB"},
        {},
        {{"ArquivoBDTipo", {"N - Não definido", "R - Remessa CNAB"}},
         {"ArquivoBDTipoToStr", {"N", "R"}}},
        {{"ArquivoBDTipoFromStr", false, {{"R", TEnumArquivoBDTipo_RemessaCNAB}}, O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumBancoDados>() {
    static const EnumInfo e{
        "TEnumBancoDados",
        {"bdOracle", "bdPostgreSQL", "bdODBC", "bdOraClient", "bdFirebird", "bdSQLServer",
         "bdVazio"},
        {0, 1, 2, 3, 4, 5, 255},
        {{"BancoDados",
          {"Oracle", "PostgreSQL", "ODBC", "OraClient", "Firebird", "SQLServer", "Nenhum"}},
         {"BancoDadosToInt", {"0", "1", "2", "3", "4", "5", "-1"}},
         {"BancoDadosToStr", {"ORA", "PG", "ODBC", "OraClient", "Firebird", "SQLServer", ""}}},
        {{"BancoDadosFromInt", false, {}, O::defaultTo(6), "BancoDadosToInt"},
         {"BancoDadosFromStr",
          false,
          {{"ORA", 0},
           {"Oracle", 0},
           {"PG", 1},
           {"PostgreSQL", 1},
           {"ODBC", 2},
           {"OraClient", 3},
           {"Firebird", 4},
           {"SQLServer", 5}},
          O::defaultTo(6)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCaracteristicaCarteira>() {
    static const EnumInfo e{
        "TEnumCaracteristicaCarteira",
        {"TEnumCaracteristicaCarteira_Simples", "TEnumCaracteristicaCarteira_Vinculada",
         "TEnumCaracteristicaCarteira_Caucionada", "TEnumCaracteristicaCarteira_Descontada",
         "TEnumCaracteristicaCarteira_SimplesComRegistro",
         "TEnumCaracteristicaCarteira_CaucionadaComRegistro", "TEnumCaracteristicaCarteira_Vendor"},
        {},
        {{"CaracteristicaCarteira",
          {"1 - Simples", "2 - Vinculada", "3 - Caucionada", "4 - Descontada",
           "5 - Simples (Com Registro)", "6 - Caucionada (Com Registro)", "7 - Vendor"}},
         {"CaracteristicaCarteiraToStr", {"1", "2", "3", "4", "5", "6", "7"}}},
        {{"CaracteristicaCarteiraFromStr",
          true,
          {},
          O::defaultTo(TEnumCaracteristicaCarteira_Simples),
          "CaracteristicaCarteiraToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumClassificacaoDeTipoDeTarefa>() {
    static const EnumInfo e{
        "TEnumClassificacaoDeTipoDeTarefa",
        {"TEnumClassificacaoDeTipoDeTarefa_Ambos", "TEnumClassificacaoDeTipoDeTarefa_Suporte",
         "TEnumClassificacaoDeTipoDeTarefa_Workflow"},
        {},
        {{"ClassificacaoDeTipoDeTarefa", {"Ambos", "Suporte", "WorkFlow"}},
         {"ClassificacaoDeTipoDeTarefaToStr", {"A", "S", "W"}}},
        {{"ClassificacaoDeTipoDeTarefaFromStr",
          false,
          {},
          O::rejection(),
          "ClassificacaoDeTipoDeTarefaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCobrancaDeTarefa>() {
    static const EnumInfo e{
        "TEnumCobrancaDeTarefa",
        {"TEnumCobrancaDeTarefa_ADefinir", "TEnumCobrancaDeTarefa_AFaturar",
         "TEnumCobrancaDeTarefa_Contrato", "TEnumCobrancaDeTarefa_Cortesia",
         "TEnumCobrancaDeTarefa_Faturado", "TEnumCobrancaDeTarefa_Revenda"},
        {},
        {{"CobrancaDeTarefa",
          {"A Definir", "A Faturar", "Contrato", "Cortesia", "Faturado", "Revenda"}},
         {"CobrancaDeTarefaToStr", {"D", "A", "C", "S", "F", "R"}}},
        {{"CobrancaDeTarefaFromStr", false, {}, O::rejection(), "CobrancaDeTarefaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumDistribuicaoBoleto>() {
    static const EnumInfo e{
        "TEnumDistribuicaoBoleto",
        {"TEnumDistribuicaoBoleto_NaoInformado", "TEnumDistribuicaoBoleto_BancoDistribui",
         "TEnumDistribuicaoBoleto_ClienteDistribui", "TEnumDistribuicaoBoleto_BancoEnviaPorEmail"},
        {},
        {{"DistribuicaoBoleto",
          {"Não informado", "1 - Banco distribui", "2 - Cliente distribui",
           "3 - Banco envia por e-mail"}},
         {"DistribuicaoBoletoToStr", {"", "1", "2", "3"}}},
        {{"DistribuicaoBoletoFromStr",
          false,
          {{"", TEnumDistribuicaoBoleto_NaoInformado},
           {"1", TEnumDistribuicaoBoleto_BancoDistribui},
           {"2", TEnumDistribuicaoBoleto_ClienteDistribui},
           {"3", TEnumDistribuicaoBoleto_BancoEnviaPorEmail}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumEmailCriptografia>() {
    static const EnumInfo e{
        "TEnumEmailCriptografia",
        {"ecSemCriptografia", "ecSSL", "ecTLS"},
        {},
        {{"EmailCriptografia", {"0 - Sem criptografia", "1 - SSL", "2 - TLS"}},
         {"EmailCriptografiaToInt", {"0", "1", "2"}}},
        {{"EmailCriptografiaFromInt", false, {}, O::rejection(), "EmailCriptografiaToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumEmailSituacao>() {
    static const EnumInfo e{
        "TEnumEmailSituacao",
        {"esPendente", "esEnviado", "esErroNoEnvio", "esErroEnvioMailTo", "esErroEnvioCCList",
         "esErroEnvioBCCList"},
        {},
        {{"EmailSituacao",
          {"P - Envio pendente", "E - Enviado", "X - Erro no envio", "D - Destinatário inválido",
           "C - Destinatário CC inválido", "B - Destinário BCC inválido"}},
         {"EmailSituacaoToStr", {"P", "E", "X", "D", "C", "B"}}},
        {{"EmailSituacaoFromStr", false, {}, O::rejection(), "EmailSituacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumEnvioEmail>() {
    static const EnumInfo e{
        "TEnumEnvioEmail",
        {"eeNaoEnvia", "eeEnviaManual", "eeEnviaAutomatico"},
        {},
        {{"EnvioEmailToInt", {"0", "1", "2"}}},
        {{"EnvioEmailFromInt", false, {}, O::defaultTo(eeNaoEnvia), "EnvioEmailToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumExibeCodigoBarraEtiqueta>() {
    static const EnumInfo e{
        "TEnumExibeCodigoBarraEtiqueta",
        {"TEnumExibeCodigoBarraEtiqueta_Padrao", "TEnumExibeCodigoBarraEtiqueta_Sim",
         "TEnumExibeCodigoBarraEtiqueta_Nao"},
        {},
        {{"ExibeCodigoBarraEtiqueta", {"P - Padrão", "S - Sim", "N - Não"}},
         {"ExibeCodigoBarraEtiquetaToStr", {"P", "S", "N"}}},
        {{"ExibeCodigoBarraEtiquetaFromStr",
          false,
          {},
          O::defaultTo(TEnumExibeCodigoBarraEtiqueta_Padrao),
          "ExibeCodigoBarraEtiquetaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumHandShake>() {
    static const EnumInfo e{
        "TEnumHandShake",
        {"TEnumHandShake_Nenhum", "TEnumHandShake_XON_XOFF", "TEnumHandShake_RTS_CTS",
         "TEnumHandShake_DTR_DSR"},
        {},
        {{"HandShake", {"Nenhum", "XON/XOFF", "RTS/CTS", "DTR/DSR"}},
         {"HandShakeToStr", {"N", "X", "R", "D"}}},
        {{"HandShakeFromStr", true, {}, O::defaultTo(TEnumHandShake_Nenhum), "HandShakeToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumInstrucaoBaixaTitulo>() {
    static const EnumInfo e{
        "TEnumInstrucaoBaixaTitulo",
        {"TEnumInstrucaoBaixaTitulo_SemInstrucoes", "TEnumInstrucaoBaixaTitulo_Baixar",
         "TEnumInstrucaoBaixaTitulo_NaoBaixar"},
        {},
        {{"InstrucaoBaixaTitulo",
          {"0 - Sem Instruções", "1 - Baixar / Devolver", "2 - Não Baixar / Não Devolver"}},
         {"InstrucaoBaixaTituloToInt", {"0", "1", "2"}}},
        {{"InstrucaoBaixaTituloFromInt",
          false,
          {},
          O::defaultTo(TEnumInstrucaoBaixaTitulo_SemInstrucoes),
          "InstrucaoBaixaTituloToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumJobs>() {
    static const EnumInfo e{
        "TEnumJobs", {"TEnumJobs_JobMaterializaCustoVenda", "TEnumJobs_JobClassificaAbcXyz"},
        {},          {{"JobsToStr", {"JOB_MATERIALIZACUSTOVENDA", "JOB_CLASSIFICAABCXYZ"}}},
        {},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumLayoutRemessa>() {
    static const EnumInfo e{
        "TEnumLayoutRemessa",
        {"TEnumLayoutRemessa_240", "TEnumLayoutRemessa_400"},
        {},
        {{"LayoutRemessa", {"240 - Posições", "400 - Posições"}},
         {"LayoutRemessaToInt", {"240", "400"}}},
        {{"LayoutRemessaFromInt",
          false,
          {},
          O::defaultTo(TEnumLayoutRemessa_400),
          "LayoutRemessaToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrientacaoEtiqueta>() {
    static const EnumInfo e{
        "TEnumOrientacaoEtiqueta",
        {"TEnumOrientacaoEtiqueta_Nulo", "TEnumOrientacaoEtiqueta_Normal",
         "TEnumOrientacaoEtiqueta_270", "TEnumOrientacaoEtiqueta_180",
         "TEnumOrientacaoEtiqueta_90"},
        {},
        {{"OrientacaoEtiqueta", {"", "Normal", "270", "180", "90"}},
         {"OrientacaoEtiquetaToInt", {"0", "100", "270", "180", "90"}}},
        {{"OrientacaoEtiquetaFromInt",
          false,
          {{"100", TEnumOrientacaoEtiqueta_Normal},
           {"270", TEnumOrientacaoEtiqueta_270},
           {"180", TEnumOrientacaoEtiqueta_180},
           {"90", TEnumOrientacaoEtiqueta_90}},
          O::defaultTo(TEnumOrientacaoEtiqueta_Nulo)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemLogMiddleware>() {
    static const EnumInfo e{
        "TEnumOrigemLogMiddleware",
        {"TEnumOrigemLogMiddleware_Middleware", "TEnumOrigemLogMiddleware_IntegracaoTRX9"},
        {},
        {{"OrigemLogMiddleware", {"0 - Middleware", "1 - Integração TRX9"}},
         {"OrigemLogMiddlewareToInt", {"0", "1"}}},
        {{"OrigemLogMiddlewareFromInt",
          false,
          {},
          O::defaultTo(TEnumOrigemLogMiddleware_Middleware),
          "OrigemLogMiddlewareToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemRequisicaoExterna>() {
    static const EnumInfo e{
        "TEnumOrigemRequisicaoExterna",
        {"TEnumOrigemRequisicaoExterna_NaoDefinido", "TEnumOrigemRequisicaoExterna_Mobile",
         "TEnumOrigemRequisicaoExterna_Internet", "TEnumOrigemRequisicaoExterna_Outros"},
        {},
        {{"OrigemRequisicaoExterna", {"Não definido", "M - Mobile", "I - Internet", "O - Outros"}},
         {"OrigemRequisicaoExternaDesc", {"NAO DEFINIDO", "MOBILE", "INTERNET", "OUTROS"}},
         {"OrigemRequisicaoExternaToStr", {"", "M", "I", "O"}}},
        {{"OrigemRequisicaoExternaFromStr",
          false,
          {},
          O::defaultTo(TEnumOrigemRequisicaoExterna_NaoDefinido),
          "OrigemRequisicaoExternaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumParamCfgSistemaTipo>() {
    static const EnumInfo e{
        "TEnumParamCfgSistemaTipo",
        {"TEnumParamCfgSistemaTipo_NaoInformado", "TEnumParamCfgSistemaTipo_Texto",
         "TEnumParamCfgSistemaTipo_Numerico", "TEnumParamCfgSistemaTipo_Inteiro",
         "TEnumParamCfgSistemaTipo_Booleano", "TEnumParamCfgSistemaTipo_Data"},
        {},
        {{"ParamCfgSistemaTipo",
          {"Não informado", "T - Texto", "N - Numérico", "I - Inteiro", "B - Booleano",
           "D - Data"}},
         {"ParamCfgSistemaTipoToStr", {"", "T", "N", "I", "B", "D"}}},
        {{"ParamCfgSistemaTipoFromStr",
          false,
          {},
          O::defaultTo(TEnumParamCfgSistemaTipo_NaoInformado),
          "ParamCfgSistemaTipoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSerialParity>() {
    static const EnumInfo e{
        "TEnumSerialParity",
        {"TEnumSerialParity_None", "TEnumSerialParity_Odd", "TEnumSerialParity_Even",
         "TEnumSerialParity_Mark", "TEnumSerialParity_Space"},
        {},
        {{"SerialParity", {"None", "Odd", "Even", "Mark", "Space"}},
         {"SerialParityToStr", {"N", "O", "E", "M", "S"}}},
        {{"SerialParityFromStr",
          true,
          {},
          O::defaultTo(TEnumSerialParity_None),
          "SerialParityToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSerialStop>() {
    static const EnumInfo e{
        "TEnumSerialStop",
        {"TEnumSerialStop_1", "TEnumSerialStop_1eMeio", "TEnumSerialStop_2"},
        {},
        {{"SerialStop", {"1", "1/2", "2"}}, {"SerialStopToStr", {"1", "1.5", "2"}}},
        {{"SerialStopFromStr", true, {}, O::defaultTo(TEnumSerialStop_1), "SerialStopToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumStatusImportacao>() {
    static const EnumInfo e{
        "TEnumStatusImportacao",
        {"siImportar", "siOk", "siErro"},
        {},
        {{"StatusImportacao", {"0-A Importar", "1-Importado", "2-Erro na Importação"}},
         {"StatusImportacaoToInt", {"0", "1", "2"}}},
        {{"StatusImportacaoFromInt",
          false,
          {},
          O::raises("Opção inválida para TEnumStatusImportacao."),
          "StatusImportacaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumStatusRequisicaoExterna>() {
    static const EnumInfo e{
        "TEnumStatusRequisicaoExterna",
        {"TEnumStatusRequisicaoExterna_NaoDefinido", "TEnumStatusRequisicaoExterna_Recebida",
         "TEnumStatusRequisicaoExterna_Atendida", "TEnumStatusRequisicaoExterna_Denegada"},
        {},
        {{"StatusRequisicaoExterna", {"", "R - Recebida", "A - Atendida", "D - Denegada"}},
         {"StatusRequisicaoExternaToStr", {"", "R", "A", "D"}}},
        {{"StatusRequisicaoExternaFromStr",
          false,
          {{"", TEnumStatusRequisicaoExterna_NaoDefinido},
           {"R", TEnumStatusRequisicaoExterna_Recebida},
           {"A", TEnumStatusRequisicaoExterna_Atendida},
           {"D", TEnumStatusRequisicaoExterna_Denegada}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoCodBarraImpressora>() {
    static const EnumInfo e{
        "TEnumTipoCodBarraImpressora",
        {"TEnumTipoCodBarraImpressora_EAN13", "TEnumTipoCodBarraImpressora_EAN8",
         "TEnumTipoCodBarraImpressora_STANDARD", "TEnumTipoCodBarraImpressora_INTERLEAVED",
         "TEnumTipoCodBarraImpressora_CODE128", "TEnumTipoCodBarraImpressora_CODE39",
         "TEnumTipoCodBarraImpressora_CODE93", "TEnumTipoCodBarraImpressora_UPCA",
         "TEnumTipoCodBarraImpressora_CODABAR", "TEnumTipoCodBarraImpressora_MSI",
         "TEnumTipoCodBarraImpressora_CODE11"},
        {},
        {{"TipoCodBarraImpressora",
          {"EAN13", "EAN8", "STANDARD", "INTERLEAVED", "CODE128", "CODE39", "CODE93", "UPCA",
           "CODABAR", "MSI", "CODE11"}},
         {"TipoCodBarraImpressoraToStr", {"F", "G", "J", "D", "E", "A", "O", "B", "I", "K", "1"}}},
        {{"TipoCodBarraImpressoraFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoCodBarraImpressora_STANDARD),
          "TipoCodBarraImpressoraToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoConexao>() {
    static const EnumInfo e{
        "TEnumTipoConexao",
        {"tcBancoDados", "tcXML", "tcJSON"},
        {},
        {{"TipoConexao", {"Banco de Dados", "XML", "JSON"}}, {"TipoConexaoToInt", {"0", "1", "2"}}},
        {{"TipoConexaoFromInt", false, {}, O::rejection(), "TipoConexaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDeJurosMora>() {
    static const EnumInfo e{
        "TEnumTipoDeJurosMora",
        {"TEnumTipoDeJurosMora_ValorDia", "TEnumTipoDeJurosMora_TaxaMensal",
         "TEnumTipoDeJurosMora_Isento", "TEnumTipoDeJurosMora_ValorMensal",
         "TEnumTipoDeJurosMora_TaxaDiaria"},
        {},
        {{"TipoDeJurosMora",
          {"1 - Valor Dia", "2 - Taxa Mensal", "3 - Isento", "4 - Valor Mensal",
           "5 - Taxa Diária"}},
         {"TipoDeJurosMoraToInt", {"1", "2", "3", "4", "5"}}},
        {{"TipoDeJurosMoraFromInt",
          false,
          {},
          O::defaultTo(TEnumTipoDeJurosMora_ValorDia),
          "TipoDeJurosMoraToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDeMulta>() {
    static const EnumInfo e{
        "TEnumTipoDeMulta",
        {"TEnumTipoDeMulta_PercentualCorrigido", "TEnumTipoDeMulta_Valor",
         "TEnumTipoDeMulta_Percentual", "TEnumTipoDeMulta_ValorCorrigido"},
        {},
        {{"TipoDeMulta",
          {"# - Percentual Corrigido", "$ - Valor", "% - Percentual", "@ - Valor Corrigido"}},
         {"TipoDeMultaToStr", {"#", "$", "%", "@"}}},
        {{"TipoDeMultaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoDeMulta_Percentual),
          "TipoDeMultaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDiasProtesto>() {
    static const EnumInfo e{
        "TEnumTipoDiasProtesto",
        {"TEnumTipoDiasProtesto_SemInstrucoes", "TEnumTipoDiasProtesto_ProtestarDiasCorridos",
         "TEnumTipoDiasProtesto_ProtestarDiasUteis", "TEnumTipoDiasProtesto_NaoProtestar"},
        {},
        {{"TipoDiasProtesto",
          {"0 - Sem Instruções", "1 - Protestar (Dias Corridos)", "2 - Protestar (Dias Úteis)",
           "3 - Não Protestar"}},
         {"TipoDiasProtestoToInt", {"0", "1", "2", "3"}}},
        {{"TipoDiasProtestoFromInt",
          false,
          {},
          O::defaultTo(TEnumTipoDiasProtesto_SemInstrucoes),
          "TipoDiasProtestoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoImpressao>() {
    static const EnumInfo e{
        "TEnumTipoImpressao",
        {"TEnumTipoImpressao_Retrato", "TEnumTipoImpressao_Paisagem"},
        {},
        {{"TipoImpressao", {"Retrato", "Paisagem"}}, {"TipoImpressaoToInt", {"0", "1"}}},
        {{"TipoImpressaoFromInt", false, {}, O::rejection(), "TipoImpressaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoLogMiddleware>() {
    static const EnumInfo e{
        "TEnumTipoLogMiddleware",
        {"TEnumTipoLogMiddleware_Operacao", "TEnumTipoLogMiddleware_Aviso",
         "TEnumTipoLogMiddleware_Erro"},
        {},
        {{"TipoLogMiddleware", {"0 - Operação", "1 - Aviso", "2 - Erro"}},
         {"TipoLogMiddlewareToInt", {"0", "1", "2"}}},
        {{"TipoLogMiddlewareFromInt",
          false,
          {},
          O::defaultTo(TEnumTipoLogMiddleware_Operacao),
          "TipoLogMiddlewareToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoOperacaoDAO>() {
    static const EnumInfo e{
        "TEnumTipoOperacaoDAO",
        {"todInsert", "todUpdate", "todDelete"},
        {},
        {{"TipoOperacaoDAO", {"inserir", "atualizar", "excluir"}}},
        {},
    };
    return e;
}

namespace TEnum {
QUORVA_ENUM_TEXT(TEnumAcaoTituloBancario, AcaoTituloBancario)
QUORVA_ENUM_TEXT(TEnumAcaoTituloBancario, AcaoTituloBancarioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumAcaoTituloBancario, AcaoTituloBancarioFromStr)
QUORVA_ENUM_TEXT(TEnumAcessoDLL, AcessoDLL)
QUORVA_ENUM_INT(TEnumAcessoDLL, AcessoDLLToInt)
QUORVA_ENUM_FROM_INT(TEnumAcessoDLL, AcessoDLLFromInt)
QUORVA_ENUM_LIST(TEnumAcessoDLL, AcessoDLLGetList)
QUORVA_ENUM_TEXT(TEnumArquivoBDTipo, ArquivoBDTipo)
QUORVA_ENUM_TEXT(TEnumArquivoBDTipo, ArquivoBDTipoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumArquivoBDTipo, ArquivoBDTipoFromStr)
QUORVA_ENUM_TEXT(TEnumBancoDados, BancoDados)
QUORVA_ENUM_INT(TEnumBancoDados, BancoDadosToInt)
QUORVA_ENUM_TEXT(TEnumBancoDados, BancoDadosToStr)
QUORVA_ENUM_FROM_INT(TEnumBancoDados, BancoDadosFromInt)
QUORVA_ENUM_FROM_TEXT(TEnumBancoDados, BancoDadosFromStr)
QUORVA_ENUM_TEXT(TEnumCaracteristicaCarteira, CaracteristicaCarteira)
QUORVA_ENUM_TEXT(TEnumCaracteristicaCarteira, CaracteristicaCarteiraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCaracteristicaCarteira, CaracteristicaCarteiraFromStr)
QUORVA_ENUM_TEXT(TEnumClassificacaoDeTipoDeTarefa, ClassificacaoDeTipoDeTarefa)
QUORVA_ENUM_TEXT(TEnumClassificacaoDeTipoDeTarefa, ClassificacaoDeTipoDeTarefaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumClassificacaoDeTipoDeTarefa, ClassificacaoDeTipoDeTarefaFromStr)
QUORVA_ENUM_TEXT(TEnumCobrancaDeTarefa, CobrancaDeTarefa)
QUORVA_ENUM_TEXT(TEnumCobrancaDeTarefa, CobrancaDeTarefaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCobrancaDeTarefa, CobrancaDeTarefaFromStr)
QUORVA_ENUM_TEXT(TEnumDistribuicaoBoleto, DistribuicaoBoleto)
QUORVA_ENUM_TEXT(TEnumDistribuicaoBoleto, DistribuicaoBoletoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumDistribuicaoBoleto, DistribuicaoBoletoFromStr)
QUORVA_ENUM_TEXT(TEnumEmailCriptografia, EmailCriptografia)
QUORVA_ENUM_INT(TEnumEmailCriptografia, EmailCriptografiaToInt)
QUORVA_ENUM_FROM_INT(TEnumEmailCriptografia, EmailCriptografiaFromInt)
QUORVA_ENUM_TEXT(TEnumEmailSituacao, EmailSituacao)
QUORVA_ENUM_TEXT(TEnumEmailSituacao, EmailSituacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumEmailSituacao, EmailSituacaoFromStr)
QUORVA_ENUM_INT(TEnumEnvioEmail, EnvioEmailToInt)
QUORVA_ENUM_FROM_INT(TEnumEnvioEmail, EnvioEmailFromInt)
QUORVA_ENUM_TEXT(TEnumExibeCodigoBarraEtiqueta, ExibeCodigoBarraEtiqueta)
QUORVA_ENUM_TEXT(TEnumExibeCodigoBarraEtiqueta, ExibeCodigoBarraEtiquetaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumExibeCodigoBarraEtiqueta, ExibeCodigoBarraEtiquetaFromStr)
QUORVA_ENUM_TEXT(TEnumHandShake, HandShake)
QUORVA_ENUM_TEXT(TEnumHandShake, HandShakeToStr)
QUORVA_ENUM_FROM_TEXT(TEnumHandShake, HandShakeFromStr)
QUORVA_ENUM_TEXT(TEnumInstrucaoBaixaTitulo, InstrucaoBaixaTitulo)
QUORVA_ENUM_INT(TEnumInstrucaoBaixaTitulo, InstrucaoBaixaTituloToInt)
QUORVA_ENUM_FROM_INT(TEnumInstrucaoBaixaTitulo, InstrucaoBaixaTituloFromInt)
QUORVA_ENUM_TEXT(TEnumJobs, JobsToStr)
QUORVA_ENUM_TEXT(TEnumLayoutRemessa, LayoutRemessa)
QUORVA_ENUM_INT(TEnumLayoutRemessa, LayoutRemessaToInt)
QUORVA_ENUM_FROM_INT(TEnumLayoutRemessa, LayoutRemessaFromInt)
QUORVA_ENUM_TEXT(TEnumOrientacaoEtiqueta, OrientacaoEtiqueta)
QUORVA_ENUM_INT(TEnumOrientacaoEtiqueta, OrientacaoEtiquetaToInt)
QUORVA_ENUM_FROM_INT(TEnumOrientacaoEtiqueta, OrientacaoEtiquetaFromInt)
QUORVA_ENUM_TEXT(TEnumOrigemLogMiddleware, OrigemLogMiddleware)
QUORVA_ENUM_INT(TEnumOrigemLogMiddleware, OrigemLogMiddlewareToInt)
QUORVA_ENUM_FROM_INT(TEnumOrigemLogMiddleware, OrigemLogMiddlewareFromInt)
QUORVA_ENUM_TEXT(TEnumOrigemRequisicaoExterna, OrigemRequisicaoExterna)
QUORVA_ENUM_TEXT(TEnumOrigemRequisicaoExterna, OrigemRequisicaoExternaDesc)
QUORVA_ENUM_TEXT(TEnumOrigemRequisicaoExterna, OrigemRequisicaoExternaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOrigemRequisicaoExterna, OrigemRequisicaoExternaFromStr)
QUORVA_ENUM_TEXT(TEnumParamCfgSistemaTipo, ParamCfgSistemaTipo)
QUORVA_ENUM_TEXT(TEnumParamCfgSistemaTipo, ParamCfgSistemaTipoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumParamCfgSistemaTipo, ParamCfgSistemaTipoFromStr)
QUORVA_ENUM_TEXT(TEnumSerialParity, SerialParity)
QUORVA_ENUM_TEXT(TEnumSerialParity, SerialParityToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSerialParity, SerialParityFromStr)
QUORVA_ENUM_TEXT(TEnumSerialStop, SerialStop)
QUORVA_ENUM_TEXT(TEnumSerialStop, SerialStopToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSerialStop, SerialStopFromStr)
QUORVA_ENUM_TEXT(TEnumStatusImportacao, StatusImportacao)
QUORVA_ENUM_INT(TEnumStatusImportacao, StatusImportacaoToInt)
QUORVA_ENUM_FROM_INT(TEnumStatusImportacao, StatusImportacaoFromInt)
QUORVA_ENUM_TEXT(TEnumStatusRequisicaoExterna, StatusRequisicaoExterna)
QUORVA_ENUM_TEXT(TEnumStatusRequisicaoExterna, StatusRequisicaoExternaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumStatusRequisicaoExterna, StatusRequisicaoExternaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoCodBarraImpressora, TipoCodBarraImpressora)
QUORVA_ENUM_TEXT(TEnumTipoCodBarraImpressora, TipoCodBarraImpressoraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoCodBarraImpressora, TipoCodBarraImpressoraFromStr)
QUORVA_ENUM_TEXT(TEnumTipoConexao, TipoConexao)
QUORVA_ENUM_INT(TEnumTipoConexao, TipoConexaoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoConexao, TipoConexaoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoDeJurosMora, TipoDeJurosMora)
QUORVA_ENUM_INT(TEnumTipoDeJurosMora, TipoDeJurosMoraToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoDeJurosMora, TipoDeJurosMoraFromInt)
QUORVA_ENUM_TEXT(TEnumTipoDeMulta, TipoDeMulta)
QUORVA_ENUM_TEXT(TEnumTipoDeMulta, TipoDeMultaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDeMulta, TipoDeMultaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDiasProtesto, TipoDiasProtesto)
QUORVA_ENUM_INT(TEnumTipoDiasProtesto, TipoDiasProtestoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoDiasProtesto, TipoDiasProtestoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoImpressao, TipoImpressao)
QUORVA_ENUM_INT(TEnumTipoImpressao, TipoImpressaoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoImpressao, TipoImpressaoFromInt)
QUORVA_ENUM_TEXT(TEnumTipoLogMiddleware, TipoLogMiddleware)
QUORVA_ENUM_INT(TEnumTipoLogMiddleware, TipoLogMiddlewareToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoLogMiddleware, TipoLogMiddlewareFromInt)
QUORVA_ENUM_TEXT(TEnumTipoOperacaoDAO, TipoOperacaoDAO)
} // namespace TEnum
