#include "contracts/fiscalenums.h"

using enumkit::Cell;
using enumkit::EnumInfo;
using O = enumkit::Otherwise;

template <> const EnumInfo& enumInfo<EnumRegimeTributario>() {
    static const EnumInfo e{
        "EnumRegimeTributario",
        {"rtSimples", "rtPresumido", "rtReal", "rtSimplesComExcesso"},
        {},
        {{"RegimeTributarioToStr", {"S", "P", "R", "E"}},
         {"RegimeTributarioToStrTRX9", {"", "8", "7", "10"}}},
        {{"RegimeTributarioFromStr",
          false,
          {{"S", rtSimples}, {"R", rtReal}, {"E", rtSimplesComExcesso}},
          O::defaultTo(rtPresumido)},
         {"RegimeTributarioFromStrTRX9",
          false,
          {{"7", rtReal}, {"10", rtSimplesComExcesso}},
          O::defaultTo(rtPresumido)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumAmbienteSEFAZ>() {
    static const EnumInfo e{
        "TEnumAmbienteSEFAZ",
        {"amProducao", "amHomologacao"},
        {},
        {{"AmbienteSEFAZ", {"Produção", "Homologação"}},
         {"AmbienteSEFAZToCodigo", {"1", "2"}},
         {"AmbienteSEFAZToInt", {"0", "1"}}},
        {{"AmbienteSEFAZFromCodigo", false, {}, O::defaultTo(amProducao), "AmbienteSEFAZToCodigo"},
         {"AmbienteSEFAZFromInt",
          false,
          {},
          O::raises("Opção inválida para TEnumAmbienteSEFAZ."),
          "AmbienteSEFAZToInt"}},
        "AmbienteSEFAZToInt",
        "AmbienteSEFAZ",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumAplicacaoRedAliq>() {
    static const EnumInfo e{
        "TEnumAplicacaoRedAliq",
        {"TEnumAplicacaoRedAliq_PessoasJuridicas",
         "TEnumAplicacaoRedAliq_PessoasJuridicasExcetoRevendas",
         "TEnumAplicacaoRedAliq_SomenteContribuintes", "TEnumAplicacaoRedAliq_SomenteRevendas"},
        {},
        {{"AplicacaoRedAliqToStr", {"J", "E", "C", "R"}}},
        {{"AplicacaoRedAliqFromStr",
          false,
          {},
          O::defaultTo(TEnumAplicacaoRedAliq_SomenteContribuintes),
          "AplicacaoRedAliqToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumAplicacaoRedICMSConsumidorFinal>() {
    static const EnumInfo e{
        "TEnumAplicacaoRedICMSConsumidorFinal",
        {"TEnumAplicacaoRedICMSConsumidorFinal_NaoAplica",
         "TEnumAplicacaoRedICMSConsumidorFinal_SomenteDentro",
         "TEnumAplicacaoRedICMSConsumidorFinal_SomenteFora",
         "TEnumAplicacaoRedICMSConsumidorFinal_Todos"},
        {},
        {{"AplicacaoRedICMSConsumidorFinalToStr", {"F", "D", "O", "T"}}},
        {{"AplicacaoRedICMSConsumidorFinalFromStr",
          false,
          {},
          O::defaultTo(TEnumAplicacaoRedICMSConsumidorFinal_Todos),
          "AplicacaoRedICMSConsumidorFinalToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCadastroDI>() {
    static const EnumInfo e{
        "TEnumCadastroDI",
        {"caIncompleto", "caCompleto"},
        {},
        {{"CadastroDI", {"I - Incompleto", "C - Completo"}}, {"CadastroDIToStr", {"I", "C"}}},
        {{"CadastroDIFromStr", false, {}, O::defaultTo(caIncompleto), "CadastroDIToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCalcSub>() {
    static const EnumInfo e{
        "TEnumCalcSub",
        {"TEnumCalcSub_Retem", "TEnumCalcSub_Destaca"},
        {},
        {{"CalcSubToStr", {"R", "D"}}},
        {{"CalcSubFromStr", false, {}, O::defaultTo(TEnumCalcSub_Retem), "CalcSubToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCancelamentoSefaz>() {
    static const EnumInfo e{
        "TEnumCancelamentoSefaz",
        {"csNaoSeAplica", "csAutenticado", "csNaoAutenticado", "csDuvida"},
        {},
        {{"CancelamentoSefaz",
          {"0 - Não se aplica", "A - Autenticado", "N - Não autenticado", "D - Dúvida"}},
         {"CancelamentoSefazToStr", {"0", "A", "N", "D"}}},
        {{"CancelamentoSefazFromStr",
          false,
          {},
          O::defaultTo(csNaoSeAplica),
          "CancelamentoSefazToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCertificadoTipo>() {
    static const EnumInfo e{
        "TEnumCertificadoTipo",
        {"TEnumCertificadoTipo_A1", "TEnumCertificadoTipo_A3"},
        {},
        {{"CertificadoTipo", {"A1", "A3"}}, {"CertificadoTipoToStr", {"A1", "A3"}}},
        {{"CertificadoTipoFromStr", true, {}, O::rejection(), "CertificadoTipoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCodigoOperacaoBlocoX>() {
    static const EnumInfo e{
        "TEnumCodigoOperacaoBlocoX",
        {"TEnumCodigoOperacaoBlocoX_NaoDefinido", "TEnumCodigoOperacaoBlocoX_Ok",
         "TEnumCodigoOperacaoBlocoX_XMLInvalido", "TEnumCodigoOperacaoBlocoX_ReciboNaoEncontrado",
         "TEnumCodigoOperacaoBlocoX_NaoPossuiPermissao",
         "TEnumCodigoOperacaoBlocoX_ErroInesperado"},
        {},
        {{"CodigoOperacaoBlocoX",
          {"Não Definido", "OK", "XML inválido", "Recibo não encontrado",
           "Não possui permissão de acesso ao recibo", "Ocorreu um erro inesperado"}},
         {"CodigoOperacaoBlocoXToInt", {"-1", "0", "1", "2", "3", "9999"}}},
        {{"CodigoOperacaoBlocoXFromInt",
          false,
          {},
          O::defaultTo(TEnumCodigoOperacaoBlocoX_NaoDefinido),
          "CodigoOperacaoBlocoXToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumCodigoProcessamentoBlocoX>() {
    static const EnumInfo e{
        "TEnumCodigoProcessamentoBlocoX",
        {"TEnumCodigoProcessamentoBlocoX_NaoDefinido", "TEnumCodigoProcessamentoBlocoX_Aguardando",
         "TEnumCodigoProcessamentoBlocoX_Sucesso", "TEnumCodigoProcessamentoBlocoX_Erro",
         "TEnumCodigoProcessamentoBlocoX_Cancelado"},
        {},
        {{"CodigoProcessamentoBlocoX",
          {"Não Definido", "Aguardando", "Sucesso", "Erro", "Cancelado"}},
         {"CodigoProcessamentoBlocoXToInt", {"-1", "0", "1", "2", "3"}}},
        {{"CodigoProcessamentoBlocoXFromInt",
          false,
          {},
          O::defaultTo(TEnumCodigoProcessamentoBlocoX_NaoDefinido),
          "CodigoProcessamentoBlocoXToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumExigibilidadeISS>() {
    static const EnumInfo e{
        "TEnumExigibilidadeISS",
        {"TEnumExigibilidadeISS_Nulo", "TEnumExigibilidadeISS_Exigivel",
         "TEnumExigibilidadeISS_NaoIncidencia", "TEnumExigibilidadeISS_Isencao",
         "TEnumExigibilidadeISS_Exportacao", "TEnumExigibilidadeISS_Imunidade",
         "TEnumExigibilidadeISS_SuspensaDecisaoJudicial",
         "TEnumExigibilidadeISS_SuspensaProcessoAdministrativo", "TEnumExigibilidadeISS_ISSFixo"},
        {},
        {{"ExigibilidadeISS",
          {"", "0 - Exigível", "1 - Não Incidência", "2 - Isenção", "3 - Exportação",
           "4 - Imunidade", "5 - Suspensa por Decisão Judicial",
           "6 - Suspensa por Processo Administrativo", "7 - ISS Fixo"}},
         {"ExigibilidadeISSToStr", {"", "0", "1", "2", "3", "4", "5", "6", "7"}}},
        {{"ExigibilidadeISSFromStr",
          false,
          {{"", TEnumExigibilidadeISS_Nulo},
           {"-1", TEnumExigibilidadeISS_Nulo},
           {"9", TEnumExigibilidadeISS_Nulo},
           {"0", TEnumExigibilidadeISS_Exigivel},
           {"1", TEnumExigibilidadeISS_NaoIncidencia},
           {"2", TEnumExigibilidadeISS_Isencao},
           {"3", TEnumExigibilidadeISS_Exportacao},
           {"4", TEnumExigibilidadeISS_Imunidade},
           {"5", TEnumExigibilidadeISS_SuspensaDecisaoJudicial},
           {"6", TEnumExigibilidadeISS_SuspensaProcessoAdministrativo},
           {"7", TEnumExigibilidadeISS_ISSFixo}},
          O::rejection()},
         {"ExigibilidadeISSFromStrTRX9",
          false,
          {{"", TEnumExigibilidadeISS_Nulo},
           {"-1", TEnumExigibilidadeISS_Nulo},
           {"9", TEnumExigibilidadeISS_Nulo},
           {"3", TEnumExigibilidadeISS_NaoIncidencia},
           {"1", TEnumExigibilidadeISS_Isencao},
           {"2", TEnumExigibilidadeISS_Imunidade},
           {"5", TEnumExigibilidadeISS_SuspensaDecisaoJudicial},
           {"6", TEnumExigibilidadeISS_SuspensaProcessoAdministrativo}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFinalidadeNfe>() {
    static const EnumInfo e{
        "TEnumFinalidadeNfe",
        {"fnNormal", "fnComplementar", "fnAjuste", "fnDevolucao", "fnNaoDefinido"},
        {},
        {{"FinalidadeNfe",
          {"1 - Normal", "2 - Complementar", "3 - Ajuste", "4 - Devolução",
           Cell::raises("Finalidade de NF-e não definida")}},
         {"FinalidadeNfeToInt",
          {"1", "2", "3", "4", Cell::raises("Finalidade de NF-e não definida")}}},
        {{"FinalidadeNfeFromInt",
          false,
          {},
          O::raises("Finalidade de NF-e inválida"),
          "FinalidadeNfeToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFlagNfe>() {
    static const EnumInfo e{
        "TEnumFlagNfe",
        {"fnNaoEnviada", "fnAutorizada", "fnRejeitada", "fnCancelada", "fnInutilizada",
         "fnEnviandoAoSefaz", "fnDenegada", "fnErroImportacao", "fnNulo"},
        {},
        {{"FlagNfe",
          {"0 - Não Enviada", "1 - Autorizada", "2 - Rejeitada", "3 - Cancelada", "4 - Inutilizada",
           "5 - Enviando ao Sefaz", "6 - Denegada", "8 - Erro de Importação", ""}},
         {"FlagNfeToStr", {"0", "1", "2", "3", "4", "5", "6", "8", ""}}},
        {{"FlagNfeFromStr", false, {}, O::defaultTo(fnNulo), "FlagNfeToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumIdDestinoOperacao>() {
    static const EnumInfo e{
        "TEnumIdDestinoOperacao",
        {"doNaoInformado", "doOperacaoInterna", "doOperacaoInterestadual", "doOperacaoComExterior"},
        {},
        {{"DestinoOperacao",
          {"Não informado", "1 – Operação Interna", "2 – Operação Interestadual",
           "3 – Operação com exterior"}},
         {"DestinoOperacaoToStr", {"", "1", "2", "3"}}},
        {{"DestinoOperacaoFromStr", false, {}, O::rejection(), "DestinoOperacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumImpostosTipoNota>() {
    static const EnumInfo e{
        "TEnumImpostosTipoNota",
        {"TEnumImpostosTipoNota_Emitida", "TEnumImpostosTipoNota_Recebida"},
        {},
        {{"ImpostosTipoNota", {"E - Emitida", "R - Recebida"}},
         {"ImpostosTipoNotaToStr", {"E", "R"}}},
        {{"ImpostosTipoNotaFromStr", false, {}, O::rejection(), "ImpostosTipoNotaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumIndicadorPagamento>() {
    static const EnumInfo e{
        "TEnumIndicadorPagamento",
        {"TEnumIndicadorPagamento_NaoInformado", "TEnumIndicadorPagamento_AVista",
         "TEnumIndicadorPagamento_APrazo"},
        {},
        {{"IndicadorPagamento",
          {"Não informado", "0 - Pagamento à Vista", "1 - Pagamento à Prazo"}},
         {"IndicadorPagamentoToStr", {"", "0", "1"}}},
        {{"IndicadorPagamentoFromStr",
          false,
          {{"", TEnumIndicadorPagamento_NaoInformado},
           {"0", TEnumIndicadorPagamento_AVista},
           {"1", TEnumIndicadorPagamento_APrazo}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumIndicadorPresenca>() {
    static const EnumInfo e{
        "TEnumIndicadorPresenca",
        {"ipNaoInformado", "ipNaoSeAplica", "ipOperacaoPresencial", "ipOperacaoPelaInternet",
         "ipOperacaoPorTelefone", "ipNFCeEmOperacaoEntregaADomicilio", "ipOperacaoPresForaEstab",
         "ipOperacaoNaoPresencial"},
        {},
        {{"IndicadorPresenca",
          {"Não informado", "0 – não se aplica (nf-e de ajuste/compl.)", "1 – operação presencial",
           "2 – operação pela Internet", "3 – operação por telefone",
           "4 – NFC-e em operação com entrega a domicílio",
           "5 – operação presencial fora do estabelecimento",
           "9 – operação não presencial (outros)"}},
         {"IndicadorPresencaToInt", {"-1", "0", "1", "2", "3", "4", "5", "9"}}},
        {{"IndicadorPresencaFromInt",
          false,
          {},
          O::defaultTo(ipNaoInformado),
          "IndicadorPresencaToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumIntermediacaoDI>() {
    static const EnumInfo e{
        "TEnumIntermediacaoDI",
        {"inNaoInformada", "inContaPropria", "inContaOrdem", "inEncomenda"},
        {},
        {{"IntermediacaoDI",
          {"0 - Não informada", "1 - Importação por conta própria",
           "2 - Importação por conta e ordem", "3 - Importação por encomenda"}},
         {"IntermediacaoDIToInt", {"0", "1", "2", "3"}}},
        {{"IntermediacaoDIFromInt", false, {}, O::rejection(), "IntermediacaoDIToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModalidadeBC>() {
    static const EnumInfo e{
        "TEnumModalidadeBC",
        {"mbMargemValorAgregado", "mbPauta", "mbPrecoTabelado", "mbValorOperacao"},
        {},
        {{"ModalidadeBC",
          {"0 - Margem Valor Agregado (%)", "1 - Pauta (Valor)", "2 - Preço Tabelado Máx. (valor)",
           "3 - Valor da operação"}},
         {"ModalidadeBCToInt", {"0", "1", "2", "3"}}},
        {{"ModalidadeBCFromInt",
          false,
          {},
          O::raises("Opção de enumerador não implementada para TEnumModalidadeBC."),
          "ModalidadeBCToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModalidadeBCST>() {
    static const EnumInfo e{
        "TEnumModalidadeBCST",
        {"bsPrecoTabelado", "bsListaNegativa", "bsListaPositiva", "bsListaNeutra",
         "bsMargemValorAgregado", "bsPauta", "bsValordaOperacao"},
        {},
        {{"ModalidadeBCST",
          {"0 – Preço tabelado ou máximo sugerido", "1 - Lista Negativa (valor)",
           "2 - Lista Positiva (valor)", "3 - Lista Neutra (valor)",
           "4 - Margem Valor Agregado (%)", "5 - Pauta (valor)", "6 - Valor da Operação"}},
         {"ModalidadeBCSTToInt", {"0", "1", "2", "3", "4", "5", "6"}}},
        {{"ModalidadeBCSTFromInt",
          false,
          {},
          O::raises("Opção de enumerador não implementada para TEnumModalidadeBCST."),
          "ModalidadeBCSTToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModeloFiscalCFRef>() {
    static const EnumInfo e{
        "TEnumModeloFiscalCFRef",
        {"cfRefMaqReg", "cfRefPDV", "cfRefECF"},
        {},
        {{"ModeloFiscalCFRef",
          {"2B – Cupom fiscal emitido por máquina registradora (não ECF)", "2C – Cupom fiscal PDV",
           "2D – Cupom Fiscal ECF"}},
         {"ModeloFiscalCFRefToStr", {"2B", "2C", "2D"}}},
        {{"ModeloFiscalCFRefFromStr", false, {}, O::rejection(), "ModeloFiscalCFRefToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModeloFiscalNFRef>() {
    static const EnumInfo e{
        "TEnumModeloFiscalNFRef",
        {"NFRefModelo11A"},
        {},
        {{"ModeloFiscalNFRef", {"1 - Nota Fiscal modelo 1/1-A"}},
         {"ModeloFiscalNFRefToInt", {"1"}}},
        {{"ModeloFiscalNFRefFromInt",
          false,
          {},
          O::defaultTo(NFRefModelo11A),
          "ModeloFiscalNFRefToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumMotivoCancelamentoNFSe>() {
    static const EnumInfo e{
        "TEnumMotivoCancelamentoNFSe",
        {"TEnumMotivoCancelamentoNFSe_ErroDeEmissao",
         "TEnumMotivoCancelamentoNFSe_ServicoNaoConcluido",
         "TEnumMotivoCancelamentoNFSe_RPSCanceladoNaEmissao"},
        {},
        {{"MotivoCancelamentoNFSe",
          {"1 - Erro de emissão", "2 - Serviço não concluido", "3 - RPS Cancelado na Emissão"}},
         {"MotivoCancelamentoNFSeToInt", {"1", "2", "3"}}},
        {{"MotivoCancelamentoNFSeFromInt",
          false,
          {},
          O::rejection(),
          "MotivoCancelamentoNFSeToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumMotivoDesoneracao>() {
    static const EnumInfo e{
        "TEnumMotivoDesoneracao",
        {"TEnumMotivoDesoneracao_NaoDefinido", "TEnumMotivoDesoneracao_TAXI",
         "TEnumMotivoDesoneracao_DEFICIENTE_FISICO", "TEnumMotivoDesoneracao_PRODUTOR_AGROPECUARIO",
         "TEnumMotivoDesoneracao_FROTISTA_LOCADORA", "TEnumMotivoDesoneracao_DIPLOMATICO_CONSULAR",
         "TEnumMotivoDesoneracao_UTILITARIOS_AMAZONIA", "TEnumMotivoDesoneracao_SUFRAMA",
         "TEnumMotivoDesoneracao_VENDA_ORGAO_PUBLICO", "TEnumMotivoDesoneracao_OUTROS",
         "TEnumMotivoDesoneracao_DEFICIENTE_CONDUTOR",
         "TEnumMotivoDesoneracao_DEFICIENT_NAO_CONDUTOR", "TEnumMotivoDesoneracao_ORGAO_FOMENTO"},
        {},
        {{"MotivoDesoneracao",
          {"0 - Não Definido", "1 - TAXI", "2 - DEFICIENTE_FISICO", "3 - PRODUTOR_AGROPECUARIO",
           "4 - FROTISTA_LOCADORA", "5 - DIPLOMATICO_CONSULAR", "6 - UTILITARIOS_AMAZONIA",
           "7 - SUFRAMA ", "8 - VENDA_ORGAO_PUBLICO", "9 - OUTROS", "10 - DEFICIENTE_CONDUTOR",
           "11 - DEFICIENT_NAO_CONDUTOR", "12 - ORGAO_FOMENTO"}},
         {"MotivoDesoneracaoToInt",
          {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}}},
        {{"MotivoDesoneracaoFromInt",
          false,
          {},
          O::defaultTo(TEnumMotivoDesoneracao_NaoDefinido),
          "MotivoDesoneracaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumNatCredPISCOFINS>() {
    static const EnumInfo e{
        "TEnumNatCredPISCOFINS",
        {"ncAquisicaoBensRevenda", "ncAquisicaoBensUtilComoInsumo", "ncAquisicaoServUtilComoInsumo",
         "ncEnergiaEletricaTermica", "ncAlugueisPredios", "ncAlugueisMaqEquip",
         "ncArmazenagemMercadoriaFrete", "ncContraprestacoesMercantil",
         "ncCreditoSobreEncargoDepreciacao", "ncCreditoBaseValorAquisicao",
         "ncAmortDeprecEdificBenfImoveis", "ncDevolucaoVendasSujIncidencia",
         "ncOutrasOperComDireitoACredito", "ncAtividadeTransporteCargas",
         "ncCustoUnidadeImobiliaria", "ncCustoUnidadeNaoConcluida", "ncAtividadePrestServico",
         "ncEstoqueAberturaBens", "ncNulo"},
        {},
        {{"NatCredPISCOFINS",
          {"01 - Aquisição de bens para revenda", "02 - Aquisição bens util. c/ insumo",
           "03 - Aquisição serv. util. insumo", "04 - Energia elétrica e térmica",
           "05 - Energia elétrica e térmica", "06 - Aluguéis de máquinas e equip.",
           "07 - Armazenagem mercadoria e frete", "08 - Contraprestações mercatil",
           "09 - Créd. s/ encargos depreciação", "10 - Créd. c/ base valor aquisição",
           "11 - Amort. deprec. edific. imóveis", "12 - Dev. de vendas suj. Incidência",
           "13 - Outras Operações direito créd.", "14 - Atividade Transporte de Cargas",
           "15 - Custo de Unidade Imobiliária", "16 - Custo unidade não concluída",
           "17 - Atividade de Prestação de Serv", "18 - Estoque de abertura de bens", ""}},
         {"NatCredPISCOFINSToStr",
          {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15",
           "16", "17", "18", ""}}},
        {{"NatCredPISCOFINSFromStr", false, {}, O::defaultTo(ncNulo), "NatCredPISCOFINSToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumNaturezaOuOperacaoDaNFSe>() {
    static const EnumInfo e{
        "TEnumNaturezaOuOperacaoDaNFSe",
        {"TEnumNaturezaOuOperacaoDaNFSe_Nulo", "TEnumNaturezaOuOperacaoDaNFSe_SemDeducao",
         "TEnumNaturezaOuOperacaoDaNFSe_ComDeducaoMateriais",
         "TEnumNaturezaOuOperacaoDaNFSe_ImuneIsenta",
         "TEnumNaturezaOuOperacaoDaNFSe_DevolucaoSimplesRemessa",
         "TEnumNaturezaOuOperacaoDaNFSe_Intermediacao"},
        {},
        {{"NaturezaOuOperacaoDaNFSe",
          {"", "0 - Sem Dedução", "1 - Com Dedução de Materiais", "2 - Imune/Isenta",
           "3 - Devolução de Simples Remessa", "4 - Intermediação"}},
         {"NaturezaOuOperacaoDaNFSeToStr", {"", "0", "1", "2", "3", "4"}}},
        {{"NaturezaOuOperacaoDaNFSeFromStr",
          false,
          {{"", TEnumNaturezaOuOperacaoDaNFSe_Nulo},
           {"999", TEnumNaturezaOuOperacaoDaNFSe_Nulo},
           {"0", TEnumNaturezaOuOperacaoDaNFSe_SemDeducao},
           {"1", TEnumNaturezaOuOperacaoDaNFSe_ComDeducaoMateriais},
           {"2", TEnumNaturezaOuOperacaoDaNFSe_ImuneIsenta},
           {"3", TEnumNaturezaOuOperacaoDaNFSe_DevolucaoSimplesRemessa},
           {"4", TEnumNaturezaOuOperacaoDaNFSe_Intermediacao}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOperacaoGuarda>() {
    static const EnumInfo e{
        "TEnumOperacaoGuarda",
        {"ogNaoDefinido", "ogOutros", "ogVenda", "ogCancelamento"},
        {},
        {{"OperacaoGuardaToStr", {"N", "O", "V", "C"}}},
        {{"OperacaoGuardaFromStr", false, {}, O::defaultTo(ogOutros), "OperacaoGuardaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumOrigemProduto>() {
    static const EnumInfo e{
        "TEnumOrigemProduto",
        {"TEnumOrigemProduto_0_Nacional", "TEnumOrigemProduto_1_EstImpDir",
         "TEnumOrigemProduto_2_EstMercInt", "TEnumOrigemProduto_3_NacSup40",
         "TEnumOrigemProduto_4_NacProcProd", "TEnumOrigemProduto_5_NacInf40",
         "TEnumOrigemProduto_6_EstImpDirSemSim", "TEnumOrigemProduto_7_EstMercIntSemSim",
         "TEnumOrigemProduto_8_NacImp70"},
        {},
        {{"OrigemProduto",
          {"0 - Nacional", "1 - Estrangeira Importação Direta", "2 - Estrangeira Mercado Interno",
           "3 - Nacional (superior 40%)", "4 - Nacional (Processos Produtivo)",
           "5 - Nacional (inferior 40%)", "6 - Estrangeira I.D. s/Similar",
           "7 - Estrangeira M.I. s/Similar", "8 - Nacional, Import. > a 70%"}},
         {"OrigemProdutoToInt", {"0", "1", "2", "3", "4", "5", "6", "7", "8"}}},
        {{"OrigemProdutoFromInt",
          false,
          {},
          O::defaultTo(TEnumOrigemProduto_0_Nacional),
          "OrigemProdutoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPerfil>() {
    static const EnumInfo e{
        "TEnumPerfil",
        {"pPerfil_NaoDefinido", "pPerfil_T", "pPerfil_V", "pPerfil_W"},
        {},
        {{"PerfilToStr", {"", "T", "V", "W"}}},
        {{"PerfilFromStr", false, {}, O::defaultTo(pPerfil_NaoDefinido), "PerfilToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPosicaoReciboDacte>() {
    static const EnumInfo e{
        "TEnumPosicaoReciboDacte",
        {"TEnumPosicaoReciboDacte_Cabecalho", "TEnumPosicaoReciboDacte_Rodape",
         "TEnumPosicaoReciboDacte_Esquerda"},
        {},
        {{"PosicaoReciboDacte", {"0 - Cabeçalho", "1 - Rodapé", "2 - Esquerda"}},
         {"PosicaoReciboDacteToInt", {"0", "1", "2"}}},
        {{"PosicaoReciboDacteFromInt",
          false,
          {},
          O::defaultTo(TEnumPosicaoReciboDacte_Cabecalho),
          "PosicaoReciboDacteToInt"}},
        "PosicaoReciboDacteToInt",
        "PosicaoReciboDacte",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPosicaoReciboDamdfe>() {
    static const EnumInfo e{
        "TEnumPosicaoReciboDamdfe",
        {"TEnumPosicaoReciboDamdfe_Cabecalho", "TEnumPosicaoReciboDamdfe_Rodape",
         "TEnumPosicaoReciboDamdfe_Esquerda"},
        {},
        {{"PosicaoReciboDamdfe", {"0 - Cabeçalho", "1 - Rodapé", "2 - Esquerda"}},
         {"PosicaoReciboDamdfeToInt", {"0", "1", "2"}}},
        {{"PosicaoReciboDamdfeFromInt",
          false,
          {},
          O::defaultTo(TEnumPosicaoReciboDamdfe_Cabecalho),
          "PosicaoReciboDamdfeToInt"}},
        "PosicaoReciboDamdfeToInt",
        "PosicaoReciboDamdfe",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumPosicaoReciboDanfe>() {
    static const EnumInfo e{
        "TEnumPosicaoReciboDanfe",
        {"TEnumPosicaoReciboDanfe_Cabecalho", "TEnumPosicaoReciboDanfe_Rodape",
         "TEnumPosicaoReciboDanfe_Esquerda"},
        {},
        {{"PosicaoReciboDanfe", {"0 - Cabeçalho", "1 - Rodapé", "2 - Esquerda"}},
         {"PosicaoReciboDanfeToInt", {"0", "1", "2"}}},
        {{"PosicaoReciboDanfeFromInt",
          false,
          {},
          O::defaultTo(TEnumPosicaoReciboDanfe_Cabecalho),
          "PosicaoReciboDanfeToInt"}},
        "PosicaoReciboDanfeToInt",
        "PosicaoReciboDanfe",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegimeTributario>() {
    static const EnumInfo e{
        "TEnumRegimeTributario",
        {"rtVazio", "rtSimplesNacional", "rtSimplesNacionalEx", "rtRegimeNormal"},
        {},
        {{"RegimeTributarioToInt", {"0", "1", "2", "3"}}},
        {{"RegimeTributarioFromInt", false, {}, O::rejection(), "RegimeTributarioToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegimeUF>() {
    static const EnumInfo e{
        "TEnumRegimeUF",
        {"TEnumRegimeUF_Normal", "TEnumRegimeUF_Especial"},
        {},
        {{"RegimeUFToInt", {"0", "1"}}},
        {{"RegimeUFFromInt", false, {}, O::defaultTo(TEnumRegimeUF_Normal), "RegimeUFToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegraTipoSubstituicao>() {
    static const EnumInfo e{
        "TEnumRegraTipoSubstituicao",
        {"TEnumRegraTipoSubstituicao_Tributa", "TEnumRegraTipoSubstituicao_DestacaST",
         "TEnumRegraTipoSubstituicao_CalculaST"},
        {},
        {{"RegraTipoSubstituicaoToInt", {"1", "2", "3"}}},
        {{"RegraTipoSubstituicaoFromInt",
          false,
          {},
          O::defaultTo(TEnumRegraTipoSubstituicao_Tributa),
          "RegraTipoSubstituicaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegraTipoTributacao>() {
    static const EnumInfo e{
        "TEnumRegraTipoTributacao",
        {"TEnumRegraTipoTributacao_NaoInformado", "TEnumRegraTipoTributacao_Tributado",
         "TEnumRegraTipoTributacao_NaoTributado", "TEnumRegraTipoTributacao_Isento",
         "TEnumRegraTipoTributacao_Substituido", "TEnumRegraTipoTributacao_IsentoEstado"},
        {},
        {{"TipoTributacao",
          {"", "0 - Tributado", "1 - Não Tributado", "2 - Isento", "3 - Substituído",
           "4 - Isento no Estado"}},
         {"TipoTributacaoToStr", {"", "0", "1", "2", "3", "4"}}},
        {{"TipoTributacaoFromStr",
          false,
          {},
          O::defaultTo(TEnumRegraTipoTributacao_NaoInformado),
          "TipoTributacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRegTriEspNFSe>() {
    static const EnumInfo e{
        "TEnumRegTriEspNFSe",
        {"TEnumRegTriEspNFSe_Nenhum", "TEnumRegTriEspNFSe_MicroempresaMunicipal",
         "TEnumRegTriEspNFSe_Estimativa", "TEnumRegTriEspNFSe_SociedadeProfissionais",
         "TEnumRegTriEspNFSe_Cooperativa", "TEnumRegTriEspNFSe_MicroempresarioIndividual",
         "TEnumRegTriEspNFSe_MicroempresarioEmpresaPP", "TEnumRegTriEspNFSe_LucroReal",
         "TEnumRegTriEspNFSe_LucroPresumido", "TEnumRegTriEspNFSe_SimplesNacional"},
        {},
        {{"RegTriEspNFSe",
          {"0 - Nenhum", "1 - Microempresa Municipal", "2 - Estimativa",
           "3 - Sociedade de Profissionais", "4 - Cooperativa", "5 - Microempresario Individual",
           "6 - Microempresario Empresa PP", "7 - Lucro Real", "8 - Lucro Presumido",
           "9 - Simples Nacional"}},
         {"RegTriEspNFSeToInt", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}}},
        {{"RegTriEspNFSeFromInt", false, {}, O::rejection(), "RegTriEspNFSeToInt"}},
        "RegTriEspNFSeToInt",
        "RegTriEspNFSe",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumRequisitoPerfil>() {
    static const EnumInfo e{
        "TEnumRequisitoPerfil",
        {"rpNulo", "rpExigido", "rpExigidoUF", "rpNaoExigido", "rpAceito", "rpNaoAceito",
         "rpNaoDefinido", "rpNaoExistenteER"},
        {},
        {{"RequisitoPerfilToStr", {"", "E", "EUF", "NE", "A", "NAC", "ND", "?"}}},
        {{"RequisitoPerfilFromStr", false, {}, O::defaultTo(rpNulo), "RequisitoPerfilToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSitTributISSQN>() {
    static const EnumInfo e{
        "TEnumSitTributISSQN",
        {"TEnumSitTributISSQN_Isenta", "TEnumSitTributISSQN_Normal", "TEnumSitTributISSQN_Retida",
         "TEnumSitTributISSQN_Substituta", "TEnumSitTributISSQN_Nula"},
        {},
        {{"SitTributISSQN", {"I - Isenta", "N - Normal", "R - Retida", "S - Substituta", ""}},
         {"SitTributISSQNToStr", {"I", "N", "R", "S", ""}}},
        {{"SitTributISSQNFromStr",
          false,
          {},
          O::defaultTo(TEnumSitTributISSQN_Nula),
          "SitTributISSQNToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoGuarda>() {
    static const EnumInfo e{
        "TEnumSituacaoGuarda",
        {"sgNulo", "sgNaoProcessado", "sgAEnviar", "sgEnviado", "sgEnviadoContingencia",
         "sgAguardandoVerificacao", "sgSefazInoperante", "sgErroValidacao", "sgErroEnvio",
         "sgDenegado", "sgCancelada", "sgInutilizada", "sgInutilizacaoRejeitada",
         "sgCancelamentoRejeitado", "sgResumoDFe", "sgManifestarDFe", "sgEncerrado",
         "sgProcessamentoManifestacaoPendente"},
        {},
        {{"SituacaoGuarda",
          {"", "N - Não Processado", "0 - A Enviar", "1 - Enviado", "2 - Enviado em Contingência",
           "9 - Nota Fiscal Aguardando Verificação de Status", "I - Inoperante",
           "V - Erro de Validação", "E - Erro de Envio", "D - Denegado", "C - Cancelado",
           "Z - Numeração Inutilizada", "Y - Inutilização Rejeitada", "X - Cancelamento Rejeitado",
           "R - Resumo do DF-e", "M - DF-e marcado para manifestação", "F - MDF-e encerrado",
           "P - Manifesto aguardando o processamento no SEFAZ"}},
         {"FlagNfeFromSituacaoGuarda",
          {"fnNulo", "fnNulo", "fnNulo", "fnAutorizada", "fnNaoEnviada", "fnNulo", "fnNaoEnviada",
           "fnRejeitada", "fnRejeitada", "fnDenegada", "fnCancelada", "fnInutilizada",
           "fnErroImportacao", "fnNulo", "fnNulo", "fnNulo", "fnNulo", "fnNulo"}},
         {"SituacaoGuardaToStr",
          {"", "N", "0", "1", "2", "9", "I", "V", "E", "D", "C", "Z", "Y", "X", "R", "M", "F",
           "P"}}},
        {{"SituacaoGuardaFromStr", false, {}, O::defaultTo(sgNulo), "SituacaoGuardaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumSituacaoTransitoImportacao>() {
    static const EnumInfo e{
        "TEnumSituacaoTransitoImportacao",
        {"tiImportacaoEmTransito", "tiImportacaoRecebida", "tiTransitoImportacaoNulo"},
        {},
        {{"SituacaoTransitoImportacao",
          {"1 - Importação em trânsito", "2 - Importação Recebida", ""}},
         {"SituacaoTransitoImportacaoToStr", {"1", "2", ""}}},
        {{"SituacaoTransitoImportacaoFromStr",
          false,
          {},
          O::defaultTo(tiTransitoImportacaoNulo),
          "SituacaoTransitoImportacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDeTributacaoServico>() {
    static const EnumInfo e{
        "TEnumTipoDeTributacaoServico",
        {"TEnumTipoDeTributacaoServico_Nulo", "TEnumTipoDeTributacaoServico_IsentaISS",
         "TEnumTipoDeTributacaoServico_NaoIncidencianoMunic", "TEnumTipoDeTributacaoServico_Imune",
         "TEnumTipoDeTributacaoServico_ExigibilidadeSusp",
         "TEnumTipoDeTributacaoServico_NaoTributavel", "TEnumTipoDeTributacaoServico_Tributavel",
         "TEnumTipoDeTributacaoServico_TributavelFixo", "TEnumTipoDeTributacaoServico_TributavelSN",
         "TEnumTipoDeTributacaoServico_MEI"},
        {},
        {{"TipoDeTributacaoServico",
          {"", "0 - Isenta ISS", "1 - Não Incidência no Município", "2 - Imune",
           "3 - Exigibilidade Suspensa", "4 - Não Tributável", "5 - Tributável",
           "6 - Tributável Fixo", "7 - Tributável SN", "8 - MEI"}},
         {"TipoDeTributacaoServicoToStr", {"", "0", "1", "2", "3", "4", "5", "6", "7", "8"}}},
        {{"TipoDeTributacaoServicoFromStr",
          false,
          {{"", TEnumTipoDeTributacaoServico_Nulo},
           {"99", TEnumTipoDeTributacaoServico_Nulo},
           {"0", TEnumTipoDeTributacaoServico_IsentaISS},
           {"1", TEnumTipoDeTributacaoServico_NaoIncidencianoMunic},
           {"2", TEnumTipoDeTributacaoServico_Imune},
           {"3", TEnumTipoDeTributacaoServico_ExigibilidadeSusp},
           {"4", TEnumTipoDeTributacaoServico_NaoTributavel},
           {"5", TEnumTipoDeTributacaoServico_Tributavel},
           {"6", TEnumTipoDeTributacaoServico_TributavelFixo},
           {"7", TEnumTipoDeTributacaoServico_TributavelSN},
           {"8", TEnumTipoDeTributacaoServico_MEI}},
          O::rejection()},
         {"TipoDeTributacaoServicoFromStrTRX9",
          false,
          {{"", TEnumTipoDeTributacaoServico_Nulo},
           {"99", TEnumTipoDeTributacaoServico_Nulo},
           {"1", TEnumTipoDeTributacaoServico_IsentaISS},
           {"3", TEnumTipoDeTributacaoServico_NaoIncidencianoMunic},
           {"2", TEnumTipoDeTributacaoServico_Imune},
           {"6", TEnumTipoDeTributacaoServico_ExigibilidadeSusp},
           {"7", TEnumTipoDeTributacaoServico_ExigibilidadeSusp},
           {"4", TEnumTipoDeTributacaoServico_NaoTributavel},
           {"8", TEnumTipoDeTributacaoServico_MEI}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDI>() {
    static const EnumInfo e{
        "TEnumTipoDI",
        {"tpDeclaracaoImportacao", "tpDeclaracaoImportacaoSimplificada"},
        {},
        {{"TipoDIToStr", {"0", "1"}}},
        {{"TipoDIFromStr",
          false,
          {{"0", tpDeclaracaoImportacao},
           {"00", tpDeclaracaoImportacao},
           {"01", tpDeclaracaoImportacaoSimplificada},
           {"1", tpDeclaracaoImportacaoSimplificada}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDocumento>() {
    static const EnumInfo e{
        "TEnumTipoDocumento",
        {"TEnumTipoDocumento_RG", "TEnumTipoDocumento_IE"},
        {},
        {{"TipoDocumentoToStr", {"RG", "IE"}}},
        {{"TipoDocumentoFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoDocumento_RG),
          "TipoDocumentoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDocumentoFiscal>() {
    static const EnumInfo e{
        "TEnumTipoDocumentoFiscal",
        {"tpNaoInformado", "tpEntrada", "tpSaida"},
        {},
        {{"TipoDocumentoFiscal", {"", "0 - Entrada", "1 - Saída"}},
         {"TipoDocumentoFiscalToInt", {"-1", "0", "1"}}},
        {{"TipoDocumentoFiscalFromInt",
          false,
          {},
          O::defaultTo(tpNaoInformado),
          "TipoDocumentoFiscalToInt"},
         {"TipoDocumentoFiscalFromStr", false, {{"+", tpEntrada}, {"-", tpSaida}}, O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDocumentoImportacao>() {
    static const EnumInfo e{
        "TEnumTipoDocumentoImportacao",
        {"tiDeclaracaoImportacao", "tiDeclaracaoSimplificadaImportacao",
         "tiDeclaracaoImportacaoNulo"},
        {},
        {{"TipoDocumentoImportacao",
          {"0 - Declaração de Importação", "1 - Declaração Simplificada de Importação", ""}},
         {"TipoDocumentoImportacaoToStr", {"0", "1", ""}}},
        {{"TipoDocumentoImportacaoFromStr",
          false,
          {},
          O::defaultTo(tiDeclaracaoImportacaoNulo),
          "TipoDocumentoImportacaoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoItem>() {
    static const EnumInfo e{
        "TEnumTipoItem",
        {"tiMercadoriaRevenda", "tiMateriaPrima", "tiEmbalagem", "tiProdutoProcesso",
         "tiProdutoAcabado", "tiSubproduto", "tiProdutoIntermediario", "tiMaterialConsumo",
         "tiAtivoImobilizado", "tiServicos", "tiOutrosInsumos", "tiOutras"},
        {},
        {{"TipoItem",
          {"00 – Mercadoria para Revenda", "01 – Matéria-Prima", "02 – Embalagem",
           "03 – Produto em Processo", "04 – Produto Acabado", "05 – Subproduto",
           "06 – Produto Intermediário", "07 – Material de Uso e Consumo", "08 – Ativo Imobilizado",
           "09 – Serviços", "10 – Outros Insumos", "99 – Outras"}},
         {"TipoItemToStr",
          {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"}}},
        {{"TipoItemFromStr", false, {}, O::rejection(), "TipoItemToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoMPBem>() {
    static const EnumInfo e{
        "TEnumTipoMPBem",
        {"TEnumTipoMPBem_Vazio", "TEnumTipoMPBem_Conj_CPU_Monitor_Mouse", "TEnumTipoMPBem_CPU",
         "TEnumTipoMPBem_Modem", "TEnumTipoMPBem_Monitor", "TEnumTipoMPBem_Mouse",
         "TEnumTipoMPBem_Notebooks", "TEnumTipoMPBem_Roteadores", "TEnumTipoMPBem_Smartphones",
         "TEnumTipoMPBem_Tablet", "TEnumTipoMPBem_Teclado", "TEnumTipoMPBem_AllinOne"},
        {},
        {{"TipoMPBemToStr", {"", "C", "U", "D", "M", "O", "N", "R", "S", "T", "E", "A"}}},
        {{"TipoMPBemFromStr", false, {}, O::defaultTo(TEnumTipoMPBem_Vazio), "TipoMPBemToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoNatureza>() {
    static const EnumInfo e{
        "TEnumTipoNatureza",
        {"TEnumTipoNatureza_Compra", "TEnumTipoNatureza_ConsumoInterno",
         "TEnumTipoNatureza_Devolucao", "TEnumTipoNatureza_DevolucaoCompra",
         "TEnumTipoNatureza_EntradaViaTransferencia", "TEnumTipoNatureza_NaoClassificado",
         "TEnumTipoNatureza_NotaComVinculoAnterior", "TEnumTipoNatureza_NotaComVinculoFuturo",
         "TEnumTipoNatureza_SaidaViaTransferencia", "TEnumTipoNatureza_Venda",
         "TEnumTipoNatureza_DevolucaoTransferencia", "TEnumTipoNatureza_ComplementarAjuste",
         "TEnumTipoNatureza_Estorno", "TEnumTipoNatureza_Sobra", "TEnumTipoNatureza_Importacao",
         "TEnumTipoNatureza_NaoInformado"},
        {},
        {{"TipoNatureza",
          {"P - Compra", "C - Consumo interno", "D - Devolução", "M - Devolução de compra",
           "E - Entrada via transferência", "N - Não classificado", "A - Nota com vínculo anterior",
           "F - Nota com vínculo futuro", "S - Saida via transferência", "V - Venda",
           "R - Devolução de transferência", "J - Complementar/Ajuste", "B - Estorno", "O - Sobra",
           "I - Importação", ""}},
         {"TipoNaturezaToStr",
          {"P", "C", "D", "M", "E", "N", "A", "F", "S", "V", "R", "J", "B", "O", "I", ""}}},
        {{"TipoNaturezaFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoNatureza_NaoInformado),
          "TipoNaturezaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoNFEspecial>() {
    static const EnumInfo e{
        "TEnumTipoNFEspecial",
        {"tneAvulsa", "tneImportada", "tneNulo"},
        {},
        {{"TipoNfEspecial", {"A - Avulsa", "I - Importada", ""}},
         {"TipoNfEspecialToStr", {"A", "I", ""}}},
        {{"TipoNfEspecialFromStr", false, {}, O::defaultTo(tneNulo), "TipoNfEspecialToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoNota>() {
    static const EnumInfo e{
        "TEnumTipoNota",
        {"tnAmbas", "tnFatura", "tnNotaFiscal"},
        {},
        {{"TipoNotaToStr", {"A", "F", "N"}}},
        {{"TipoNotaFromStr", false, {}, O::defaultTo(tnAmbas), "TipoNotaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoSAT>() {
    static const EnumInfo e{
        "TEnumTipoSAT",
        {"tsAparelhoSAT", "tsEmuladorOffline", "tsSDKTanca"},
        {},
        {{"TipoSATToInt", {"0", "1", "2"}}},
        {{"TipoSATFromInt", false, {}, O::rejection(), "TipoSATToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoTribSimples>() {
    static const EnumInfo e{
        "TEnumTipoTribSimples",
        {"ttsNaoSeAplica", "ttsNaoTributado", "ttsTributacaoOriginal",
         "ttsNaoTribExcetoSubstituidos"},
        {},
        {{"TipoTribSimples",
          {"", "N - Não tributado", "O - Tributação original",
           "S - Não trib. exceto substituídos"}},
         {"TipoTribSimplesToStr", {"", "N", "O", "S"}}},
        {{"TipoTribSimplesFromStr",
          false,
          {},
          O::defaultTo(ttsNaoSeAplica),
          "TipoTribSimplesToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumUF>() {
    static const EnumInfo e{
        "TEnumUF",
        {"ufAcre",       "ufAlagoas",  "ufAmazonas",        "ufAmapa",
         "ufBahia",      "ufCeara",    "ufDistritoFederal", "ufEspiritoSanto",
         "ufGoias",      "ufMaranhao", "ufMinasGerais",     "ufMatoGrossoDoSul",
         "ufMatoGrosso", "ufPara",     "ufParaiba",         "ufPernambuco",
         "ufPiaui",      "ufParana",   "ufRioDeJaneiro",    "ufRioGrandeDoNorte",
         "ufRondonia",   "ufRoraima",  "ufRioGrandeDoSul",  "ufSantaCatarina",
         "ufSergipe",    "ufSaoPaulo", "ufTocantins"},
        {},
        {{"UFToSigla",
          {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
           "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"}}},
        {{"UFFromCodigoIbge",
          false,
          {{"12", ufAcre},
           {"27", ufAlagoas},
           {"13", ufAmazonas},
           {"16", ufAmapa},
           {"29", ufBahia},
           {"23", ufCeara},
           {"53", ufDistritoFederal},
           {"32", ufEspiritoSanto},
           {"52", ufGoias},
           {"21", ufMaranhao},
           {"31", ufMinasGerais},
           {"50", ufMatoGrossoDoSul},
           {"51", ufMatoGrosso},
           {"15", ufPara},
           {"25", ufParaiba},
           {"26", ufPernambuco},
           {"22", ufPiaui},
           {"41", ufParana},
           {"33", ufRioDeJaneiro},
           {"24", ufRioGrandeDoNorte},
           {"11", ufRondonia},
           {"14", ufRoraima},
           {"43", ufRioGrandeDoSul},
           {"42", ufSantaCatarina},
           {"28", ufSergipe},
           {"35", ufSaoPaulo},
           {"17", ufTocantins}},
          O::rejection()}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumVersaoMDFe>() {
    static const EnumInfo e{
        "TEnumVersaoMDFe",
        {"vm300", "vmNaoDefinido"},
        {},
        {{"VersaoMDFeToFloat", {"3.00", "0"}}},
        {},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumVersaoNfe>() {
    static const EnumInfo e{
        "TEnumVersaoNfe",
        {"vn310", "vn400", "vnNaoDefinido"},
        {},
        {{"VersaoNfe", {"Versão 3.1", "Versão 4.0", ""}},
         {"VersaoNfeToFloat", {"3.10", "4.00", "0"}},
         {"VersaoNfeToStr", {"3.10", "4.00", ""}}},
        {{"VersaoNfeFromStr", false, {}, O::defaultTo(vnNaoDefinido), "VersaoNfeToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumViaTransporteDI>() {
    static const EnumInfo e{
        "TEnumViaTransporteDI",
        {"tiSemTransporte", "tiMaritima", "tiFluvial", "tiLacustre", "tiAerea", "tiPostal",
         "tiFerroviaria", "tiRodoviaria", "tiConduto", "tiMeiosProprios", "tiEntradaSaidaFicta",
         "tiCourier", "tiHandcarry"},
        {},
        {{"ViaTransporteDI",
          {"0 - Sem Via de Transporte", "1 - Marítima", "2 - Fluvial", "3 - Lacustre", "4 - Aérea",
           "5 - Postal", "6 - Ferroviária", "7 - Rodoviária", "8 - Conduto / Rede Transmissão",
           "9 - Meios Próprios", "10 - Entrada / Saída ficta", "11 - Courier",
           "12 - Handcarry (NT 2013/005 v 1.10)"}},
         {"ViaTransporteDIToInt",
          {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}}},
        {{"ViaTransporteDIFromInt", false, {}, O::rejection(), "ViaTransporteDIToInt"}},
    };
    return e;
}

namespace TEnum {
QUORVA_ENUM_TEXT(EnumRegimeTributario, RegimeTributarioToStr)
QUORVA_ENUM_TEXT(EnumRegimeTributario, RegimeTributarioToStrTRX9)
QUORVA_ENUM_FROM_TEXT(EnumRegimeTributario, RegimeTributarioFromStr)
QUORVA_ENUM_FROM_TEXT(EnumRegimeTributario, RegimeTributarioFromStrTRX9)
QUORVA_ENUM_TEXT(TEnumAmbienteSEFAZ, AmbienteSEFAZ)
QUORVA_ENUM_INT(TEnumAmbienteSEFAZ, AmbienteSEFAZToCodigo)
QUORVA_ENUM_INT(TEnumAmbienteSEFAZ, AmbienteSEFAZToInt)
QUORVA_ENUM_FROM_INT(TEnumAmbienteSEFAZ, AmbienteSEFAZFromCodigo)
QUORVA_ENUM_FROM_INT(TEnumAmbienteSEFAZ, AmbienteSEFAZFromInt)
QUORVA_ENUM_LIST(TEnumAmbienteSEFAZ, AmbienteSEFAZGetList)
QUORVA_ENUM_TEXT(TEnumAplicacaoRedAliq, AplicacaoRedAliqToStr)
QUORVA_ENUM_FROM_TEXT(TEnumAplicacaoRedAliq, AplicacaoRedAliqFromStr)
QUORVA_ENUM_TEXT(TEnumAplicacaoRedICMSConsumidorFinal, AplicacaoRedICMSConsumidorFinalToStr)
QUORVA_ENUM_FROM_TEXT(TEnumAplicacaoRedICMSConsumidorFinal, AplicacaoRedICMSConsumidorFinalFromStr)
QUORVA_ENUM_TEXT(TEnumCadastroDI, CadastroDI)
QUORVA_ENUM_TEXT(TEnumCadastroDI, CadastroDIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCadastroDI, CadastroDIFromStr)
QUORVA_ENUM_TEXT(TEnumCalcSub, CalcSubToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCalcSub, CalcSubFromStr)
QUORVA_ENUM_TEXT(TEnumCancelamentoSefaz, CancelamentoSefaz)
QUORVA_ENUM_TEXT(TEnumCancelamentoSefaz, CancelamentoSefazToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCancelamentoSefaz, CancelamentoSefazFromStr)
QUORVA_ENUM_TEXT(TEnumCertificadoTipo, CertificadoTipo)
QUORVA_ENUM_TEXT(TEnumCertificadoTipo, CertificadoTipoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumCertificadoTipo, CertificadoTipoFromStr)
QUORVA_ENUM_TEXT(TEnumCodigoOperacaoBlocoX, CodigoOperacaoBlocoX)
QUORVA_ENUM_INT(TEnumCodigoOperacaoBlocoX, CodigoOperacaoBlocoXToInt)
QUORVA_ENUM_FROM_INT(TEnumCodigoOperacaoBlocoX, CodigoOperacaoBlocoXFromInt)
QUORVA_ENUM_TEXT(TEnumCodigoProcessamentoBlocoX, CodigoProcessamentoBlocoX)
QUORVA_ENUM_INT(TEnumCodigoProcessamentoBlocoX, CodigoProcessamentoBlocoXToInt)
QUORVA_ENUM_FROM_INT(TEnumCodigoProcessamentoBlocoX, CodigoProcessamentoBlocoXFromInt)
QUORVA_ENUM_TEXT(TEnumExigibilidadeISS, ExigibilidadeISS)
QUORVA_ENUM_TEXT(TEnumExigibilidadeISS, ExigibilidadeISSToStr)
QUORVA_ENUM_FROM_TEXT(TEnumExigibilidadeISS, ExigibilidadeISSFromStr)
QUORVA_ENUM_FROM_TEXT(TEnumExigibilidadeISS, ExigibilidadeISSFromStrTRX9)
QUORVA_ENUM_TEXT(TEnumFinalidadeNfe, FinalidadeNfe)
QUORVA_ENUM_INT(TEnumFinalidadeNfe, FinalidadeNfeToInt)
QUORVA_ENUM_FROM_INT(TEnumFinalidadeNfe, FinalidadeNfeFromInt)
QUORVA_ENUM_TEXT(TEnumFlagNfe, FlagNfe)
QUORVA_ENUM_TEXT(TEnumFlagNfe, FlagNfeToStr)
QUORVA_ENUM_FROM_TEXT(TEnumFlagNfe, FlagNfeFromStr)
QUORVA_ENUM_TEXT(TEnumIdDestinoOperacao, DestinoOperacao)
QUORVA_ENUM_TEXT(TEnumIdDestinoOperacao, DestinoOperacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumIdDestinoOperacao, DestinoOperacaoFromStr)
QUORVA_ENUM_TEXT(TEnumImpostosTipoNota, ImpostosTipoNota)
QUORVA_ENUM_TEXT(TEnumImpostosTipoNota, ImpostosTipoNotaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumImpostosTipoNota, ImpostosTipoNotaFromStr)
QUORVA_ENUM_TEXT(TEnumIndicadorPagamento, IndicadorPagamento)
QUORVA_ENUM_TEXT(TEnumIndicadorPagamento, IndicadorPagamentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumIndicadorPagamento, IndicadorPagamentoFromStr)
QUORVA_ENUM_TEXT(TEnumIndicadorPresenca, IndicadorPresenca)
QUORVA_ENUM_INT(TEnumIndicadorPresenca, IndicadorPresencaToInt)
QUORVA_ENUM_FROM_INT(TEnumIndicadorPresenca, IndicadorPresencaFromInt)
QUORVA_ENUM_TEXT(TEnumIntermediacaoDI, IntermediacaoDI)
QUORVA_ENUM_INT(TEnumIntermediacaoDI, IntermediacaoDIToInt)
QUORVA_ENUM_FROM_INT(TEnumIntermediacaoDI, IntermediacaoDIFromInt)
QUORVA_ENUM_TEXT(TEnumModalidadeBC, ModalidadeBC)
QUORVA_ENUM_INT(TEnumModalidadeBC, ModalidadeBCToInt)
QUORVA_ENUM_FROM_INT(TEnumModalidadeBC, ModalidadeBCFromInt)
QUORVA_ENUM_TEXT(TEnumModalidadeBCST, ModalidadeBCST)
QUORVA_ENUM_INT(TEnumModalidadeBCST, ModalidadeBCSTToInt)
QUORVA_ENUM_FROM_INT(TEnumModalidadeBCST, ModalidadeBCSTFromInt)
QUORVA_ENUM_TEXT(TEnumModeloFiscalCFRef, ModeloFiscalCFRef)
QUORVA_ENUM_TEXT(TEnumModeloFiscalCFRef, ModeloFiscalCFRefToStr)
QUORVA_ENUM_FROM_TEXT(TEnumModeloFiscalCFRef, ModeloFiscalCFRefFromStr)
QUORVA_ENUM_TEXT(TEnumModeloFiscalNFRef, ModeloFiscalNFRef)
QUORVA_ENUM_INT(TEnumModeloFiscalNFRef, ModeloFiscalNFRefToInt)
QUORVA_ENUM_FROM_INT(TEnumModeloFiscalNFRef, ModeloFiscalNFRefFromInt)
QUORVA_ENUM_TEXT(TEnumMotivoCancelamentoNFSe, MotivoCancelamentoNFSe)
QUORVA_ENUM_INT(TEnumMotivoCancelamentoNFSe, MotivoCancelamentoNFSeToInt)
QUORVA_ENUM_FROM_INT(TEnumMotivoCancelamentoNFSe, MotivoCancelamentoNFSeFromInt)
QUORVA_ENUM_TEXT(TEnumMotivoDesoneracao, MotivoDesoneracao)
QUORVA_ENUM_INT(TEnumMotivoDesoneracao, MotivoDesoneracaoToInt)
QUORVA_ENUM_FROM_INT(TEnumMotivoDesoneracao, MotivoDesoneracaoFromInt)
QUORVA_ENUM_TEXT(TEnumNatCredPISCOFINS, NatCredPISCOFINS)
QUORVA_ENUM_TEXT(TEnumNatCredPISCOFINS, NatCredPISCOFINSToStr)
QUORVA_ENUM_FROM_TEXT(TEnumNatCredPISCOFINS, NatCredPISCOFINSFromStr)
QUORVA_ENUM_TEXT(TEnumNaturezaOuOperacaoDaNFSe, NaturezaOuOperacaoDaNFSe)
QUORVA_ENUM_TEXT(TEnumNaturezaOuOperacaoDaNFSe, NaturezaOuOperacaoDaNFSeToStr)
QUORVA_ENUM_FROM_TEXT(TEnumNaturezaOuOperacaoDaNFSe, NaturezaOuOperacaoDaNFSeFromStr)
QUORVA_ENUM_TEXT(TEnumOperacaoGuarda, OperacaoGuardaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumOperacaoGuarda, OperacaoGuardaFromStr)
QUORVA_ENUM_TEXT(TEnumOrigemProduto, OrigemProduto)
QUORVA_ENUM_INT(TEnumOrigemProduto, OrigemProdutoToInt)
QUORVA_ENUM_FROM_INT(TEnumOrigemProduto, OrigemProdutoFromInt)
QUORVA_ENUM_TEXT(TEnumPerfil, PerfilToStr)
QUORVA_ENUM_FROM_TEXT(TEnumPerfil, PerfilFromStr)
QUORVA_ENUM_TEXT(TEnumPosicaoReciboDacte, PosicaoReciboDacte)
QUORVA_ENUM_INT(TEnumPosicaoReciboDacte, PosicaoReciboDacteToInt)
QUORVA_ENUM_FROM_INT(TEnumPosicaoReciboDacte, PosicaoReciboDacteFromInt)
QUORVA_ENUM_LIST(TEnumPosicaoReciboDacte, PosicaoReciboDacteGetList)
QUORVA_ENUM_TEXT(TEnumPosicaoReciboDamdfe, PosicaoReciboDamdfe)
QUORVA_ENUM_INT(TEnumPosicaoReciboDamdfe, PosicaoReciboDamdfeToInt)
QUORVA_ENUM_FROM_INT(TEnumPosicaoReciboDamdfe, PosicaoReciboDamdfeFromInt)
QUORVA_ENUM_LIST(TEnumPosicaoReciboDamdfe, PosicaoReciboDamdfeGetList)
QUORVA_ENUM_TEXT(TEnumPosicaoReciboDanfe, PosicaoReciboDanfe)
QUORVA_ENUM_INT(TEnumPosicaoReciboDanfe, PosicaoReciboDanfeToInt)
QUORVA_ENUM_FROM_INT(TEnumPosicaoReciboDanfe, PosicaoReciboDanfeFromInt)
QUORVA_ENUM_LIST(TEnumPosicaoReciboDanfe, PosicaoReciboDanfeGetList)
QUORVA_ENUM_INT(TEnumRegimeTributario, RegimeTributarioToInt)
QUORVA_ENUM_FROM_INT(TEnumRegimeTributario, RegimeTributarioFromInt)
QUORVA_ENUM_INT(TEnumRegimeUF, RegimeUFToInt)
QUORVA_ENUM_FROM_INT(TEnumRegimeUF, RegimeUFFromInt)
QUORVA_ENUM_INT(TEnumRegraTipoSubstituicao, RegraTipoSubstituicaoToInt)
QUORVA_ENUM_FROM_INT(TEnumRegraTipoSubstituicao, RegraTipoSubstituicaoFromInt)
QUORVA_ENUM_TEXT(TEnumRegraTipoTributacao, TipoTributacao)
QUORVA_ENUM_TEXT(TEnumRegraTipoTributacao, TipoTributacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumRegraTipoTributacao, TipoTributacaoFromStr)
QUORVA_ENUM_TEXT(TEnumRegTriEspNFSe, RegTriEspNFSe)
QUORVA_ENUM_INT(TEnumRegTriEspNFSe, RegTriEspNFSeToInt)
QUORVA_ENUM_FROM_INT(TEnumRegTriEspNFSe, RegTriEspNFSeFromInt)
QUORVA_ENUM_LIST(TEnumRegTriEspNFSe, RegTriEspNFSeGetList)
QUORVA_ENUM_TEXT(TEnumRequisitoPerfil, RequisitoPerfilToStr)
QUORVA_ENUM_FROM_TEXT(TEnumRequisitoPerfil, RequisitoPerfilFromStr)
QUORVA_ENUM_TEXT(TEnumSitTributISSQN, SitTributISSQN)
QUORVA_ENUM_TEXT(TEnumSitTributISSQN, SitTributISSQNToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSitTributISSQN, SitTributISSQNFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoGuarda, SituacaoGuarda)
QUORVA_ENUM_MEMBER(TEnumSituacaoGuarda, TEnumFlagNfe, FlagNfeFromSituacaoGuarda)
QUORVA_ENUM_TEXT(TEnumSituacaoGuarda, SituacaoGuardaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoGuarda, SituacaoGuardaFromStr)
QUORVA_ENUM_TEXT(TEnumSituacaoTransitoImportacao, SituacaoTransitoImportacao)
QUORVA_ENUM_TEXT(TEnumSituacaoTransitoImportacao, SituacaoTransitoImportacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumSituacaoTransitoImportacao, SituacaoTransitoImportacaoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDeTributacaoServico, TipoDeTributacaoServico)
QUORVA_ENUM_TEXT(TEnumTipoDeTributacaoServico, TipoDeTributacaoServicoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDeTributacaoServico, TipoDeTributacaoServicoFromStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDeTributacaoServico, TipoDeTributacaoServicoFromStrTRX9)
QUORVA_ENUM_TEXT(TEnumTipoDI, TipoDIToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDI, TipoDIFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDocumento, TipoDocumentoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDocumento, TipoDocumentoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDocumentoFiscal, TipoDocumentoFiscal)
QUORVA_ENUM_INT(TEnumTipoDocumentoFiscal, TipoDocumentoFiscalToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoDocumentoFiscal, TipoDocumentoFiscalFromInt)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDocumentoFiscal, TipoDocumentoFiscalFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDocumentoImportacao, TipoDocumentoImportacao)
QUORVA_ENUM_TEXT(TEnumTipoDocumentoImportacao, TipoDocumentoImportacaoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDocumentoImportacao, TipoDocumentoImportacaoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoItem, TipoItem)
QUORVA_ENUM_TEXT(TEnumTipoItem, TipoItemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoItem, TipoItemFromStr)
QUORVA_ENUM_TEXT(TEnumTipoMPBem, TipoMPBemToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoMPBem, TipoMPBemFromStr)
QUORVA_ENUM_TEXT(TEnumTipoNatureza, TipoNatureza)
QUORVA_ENUM_TEXT(TEnumTipoNatureza, TipoNaturezaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoNatureza, TipoNaturezaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoNFEspecial, TipoNfEspecial)
QUORVA_ENUM_TEXT(TEnumTipoNFEspecial, TipoNfEspecialToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoNFEspecial, TipoNfEspecialFromStr)
QUORVA_ENUM_TEXT(TEnumTipoNota, TipoNotaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoNota, TipoNotaFromStr)
QUORVA_ENUM_INT(TEnumTipoSAT, TipoSATToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoSAT, TipoSATFromInt)
QUORVA_ENUM_TEXT(TEnumTipoTribSimples, TipoTribSimples)
QUORVA_ENUM_TEXT(TEnumTipoTribSimples, TipoTribSimplesToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoTribSimples, TipoTribSimplesFromStr)
QUORVA_ENUM_TEXT(TEnumUF, UFToSigla)
QUORVA_ENUM_FROM_INT(TEnumUF, UFFromCodigoIbge)
QUORVA_ENUM_CURRENCY(TEnumVersaoMDFe, VersaoMDFeToFloat)
QUORVA_ENUM_TEXT(TEnumVersaoNfe, VersaoNfe)
QUORVA_ENUM_CURRENCY(TEnumVersaoNfe, VersaoNfeToFloat)
QUORVA_ENUM_TEXT(TEnumVersaoNfe, VersaoNfeToStr)
QUORVA_ENUM_FROM_TEXT(TEnumVersaoNfe, VersaoNfeFromStr)
QUORVA_ENUM_TEXT(TEnumViaTransporteDI, ViaTransporteDI)
QUORVA_ENUM_INT(TEnumViaTransporteDI, ViaTransporteDIToInt)
QUORVA_ENUM_FROM_INT(TEnumViaTransporteDI, ViaTransporteDIFromInt)
} // namespace TEnum
