#include "contracts/pageenums.h"

using enumkit::EnumInfo;
using O = enumkit::Otherwise;

template <> const EnumInfo& enumInfo<TEnumCodigoEmpresa>() {
    static const EnumInfo e{
        "TEnumCodigoEmpresa",
        {"TEnumCodigoEmpresa_NaoDefinido", "TEnumCodigoEmpresa_QUORVA", "TEnumCodigoEmpresa_ARVENO",
         "TEnumCodigoEmpresa_BELSTRA", "TEnumCodigoEmpresa_CORDANE", "TEnumCodigoEmpresa_DULMERA",
         "TEnumCodigoEmpresa_ESKARO", "TEnumCodigoEmpresa_FANTROS", "TEnumCodigoEmpresa_GORVEL",
         "TEnumCodigoEmpresa_HALMIC", "TEnumCodigoEmpresa_IRVANO", "TEnumCodigoEmpresa_TAVRIN",
         "TEnumCodigoEmpresa_KOLVER", "TEnumCodigoEmpresa_LUMARO", "TEnumCodigoEmpresa_MESKAN"},
        {},
        {{"CodigoEmpresa",
          {"-1 - Não Definido", "0 - QUORVA", "1 - ARVENO", "2 - BELSTRA", "3 - CORDANE",
           "4 - DULMERA", "5 - ESKARO", "6 - FANTROS", "7 - GORVEL", "8 - HALMIC", "9 - IRVANO",
           "10 - TAVRIN", "11 - KOLVER", "12 - LUMARO", "13 - MESKAN"}},
         {"CodigoEmpresaToInt",
          {"-1", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}}},
        // Only 0 to 13 are companies; -1 and every other number are "not defined".
        {{"CodigoEmpresaFromInt",
          false,
          {{"0", 1},
           {"1", 2},
           {"2", 3},
           {"3", 4},
           {"4", 5},
           {"5", 6},
           {"6", 7},
           {"7", 8},
           {"8", 9},
           {"9", 10},
           {"10", 11},
           {"11", 12},
           {"12", 13},
           {"13", 14}},
          O::defaultTo(TEnumCodigoEmpresa_NaoDefinido)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumConexaoMiddlewareTipoRetorno>() {
    static const EnumInfo e{
        "TEnumConexaoMiddlewareTipoRetorno",
        {"TEnumConexaoMiddlewareTipoRetorno_Simples", "TEnumConexaoMiddlewareTipoRetorno_Completo"},
        {},
        {{"ConexaoMiddlewareTipoRetorno", {"S - Simples", "C - Completo"}},
         {"ConexaoMiddlewareTipoRetornoToStr", {"S", "C"}}},
        {{"ConexaoMiddlewareTipoRetornoFromStr",
          false,
          {{"C", 1}},
          O::defaultTo(TEnumConexaoMiddlewareTipoRetorno_Simples)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumAPIResultCod>() {
    static const EnumInfo e{
        "TEnumAPIResultCod",
        {"TEnumAPIResultCodNaoDefinido", "TEnumAPIResultCodEventoNaoLocalizado",
         "TEnumAPIResultCodGuardaNaoLocalizada", "TEnumAPIResultCodNotaDenegada",
         "TEnumAPIResultCodPDVJaExiste", "TEnumAPIResultCodNotaNaoConstaNaSefaz",
         "TEnumAPIResultCodNotaJaInutilizada", "TEnumAPIResultCodNFeRejeicaoCadastral",
         "TEnumAPIResultCodNFeRejeicaoErro", "TEnumAPIResultCodNFeSefazOffline"},
        {},
        {{"APIResultCodToStr", {"", "-2", "-1", "1", "2", "3", "4", "5", "6", "7"}}},
        {{"APIResultCodFromStr",
          false,
          {},
          O::defaultTo(TEnumAPIResultCodNaoDefinido),
          "APIResultCodToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoComunicacaoImpressora>() {
    static const EnumInfo e{
        "TEnumTipoComunicacaoImpressora",
        {"TEnumTipoComunicacaoImpressora_Normal", "TEnumTipoComunicacaoImpressora_PPLA",
         "TEnumTipoComunicacaoImpressora_PPLB", "TEnumTipoComunicacaoImpressora_ZPLII",
         "TEnumTipoComunicacaoImpressora_EPL2"},
        {},
        {{"TipoComunicacaoImpressora", {"Normal", "PPLA", "PPLB", "ZPLII", "EPL2"}},
         {"TipoComunicacaoImpressoraToStr", {"N", "A", "B", "Z", "E"}},
         {"TipoComunicacaoImpressoraFileExt", {"rtm", "ppla", "pplb", "zplii", "epl2"}}},
        {{"TipoComunicacaoImpressoraFromStr",
          false,
          {},
          O::defaultTo(TEnumTipoComunicacaoImpressora_Normal),
          "TipoComunicacaoImpressoraToStr"}},
        "TipoComunicacaoImpressoraToStr",
        "TipoComunicacaoImpressora",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumDPIImpressora>() {
    static const EnumInfo e{
        "TEnumDPIImpressora",
        {"TEnumDPIImpressora_203", "TEnumDPIImpressora_300", "TEnumDPIImpressora_600"},
        {},
        {{"DPIImpressora", {"203 - DPI", "300 - DPI", "600 - DPI"}},
         {"DPIImpressoraToInt", {"203", "300", "600"}}},
        {{"DPIImpressoraFromInt",
          false,
          {},
          O::defaultTo(TEnumDPIImpressora_203),
          "DPIImpressoraToInt"}},
        "DPIImpressoraToInt",
        "DPIImpressora",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumUnidadeImpressora>() {
    static const EnumInfo e{
        "TEnumUnidadeImpressora",
        {"TEnumUnidadeImpressora_Milimetros", "TEnumUnidadeImpressora_Polegadas",
         "TEnumUnidadeImpressora_Dots", "TEnumUnidadeImpressora_DecimoDeMilimetros"},
        {},
        {{"UnidadeImpressora",
          {"M - Milimetros", "P - Polegadas", "D - Dots", "0 - Decimo De Milimetros"}},
         {"UnidadeImpressoraToStr", {"M", "P", "D", "0"}}},
        {{"UnidadeImpressoraFromStr",
          false,
          {},
          O::defaultTo(TEnumUnidadeImpressora_Milimetros),
          "UnidadeImpressoraToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModeloImpressora>() {
    static const EnumInfo e{
        "TEnumModeloImpressora",
        {"miNenhuma", "miDaruma", "miEpson", "miBematech"},
        {},
        {{"ModeloImpressora", {"Nenhuma", "Daruma", "Epson", "Bematech"}},
         {"ModeloImpressoraToStr", {"Nenhuma", "Daruma", "Epson", "Bematech"}}},
        {{"ModeloImpressoraFromStr",
          true,
          {},
          O::raisesWithArgument("Modelo de impressora não tratado:"),
          "ModeloImpressoraToStr"}},
        "ModeloImpressoraToStr",
        "ModeloImpressora",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumMensageriaDfe>() {
    static const EnumInfo e{
        "TEnumMensageriaDfe",
        {"TEnumMensageriaDfe_QuorvaMiddleware", "TEnumMensageriaDfe_EmiteNfe",
         "TEnumMensageriaDfe_CTe", "TEnumMensageriaDfe_MDFe"},
        {},
        {{"MensageriaDfe", {"Quorva Middleware", "Emite NF-e", "Emite CT-e", "Emite MDF-e"}},
         {"MensageriaDfeToInt", {"0", "1", "2", "3"}}},
        {{"MensageriaDfeFromInt",
          false,
          {},
          O::raises("Mensageria para Documento Fiscal Eletrônico inválida."),
          "MensageriaDfeToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoEmissao>() {
    static const EnumInfo e{
        "TEnumTipoEmissao",
        {"TEnumTipoEmissao_Normal", "TEnumTipoEmissao_SVCAN", "TEnumTipoEmissao_SVCRS",
         "TEnumTipoEmissao_OffLine"},
        {},
        {{"TipoEmissao",
          {"Emissão Normal", "Contingência SVC-AN", "Contingência SVC-RS",
           "Emissão Off-Line NFCe"}},
         {"TipoEmissaoToInt", {"0", "1", "2", "8"}}},
        {{"TipoEmissaoFromInt",
          false,
          {},
          O::defaultTo(TEnumTipoEmissao_Normal),
          "TipoEmissaoToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModeloDocumento>() {
    static const EnumInfo e{
        "TEnumModeloDocumento",
        {"mdCupomFiscal", "mdNFCe", "mdNFe", "mdCFeSAT", "mdNFSe", "mdInvalido", "mdVazio", "mdCTe",
         "mdMDFe"},
        {},
        {{"ModeloDocumento",
          {"2D - Cupom Fiscal", "65 - Nota Fiscal Eletrônica Consumidor",
           "55 - Nota Fiscal Eletrônica", "59 - Nota Fiscal Eletrônica Consumidor SAT",
           "SE - Nota Fiscal Eletrônica de Serviço", "", "", "", ""}},
         {"ModeloDocumentoToCodigo", {"2D", "65", "55", "59", "SE", "", "", "57", "58"}}},
        {{"ModeloDocumentoFromCodigo",
          false,
          {{"", mdVazio},
           {"0", mdVazio},
           {"1", mdVazio},
           {"2D", mdCupomFiscal},
           {"65", mdNFCe},
           {"55", mdNFe},
           {"59", mdCFeSAT},
           {"SE", mdNFSe},
           {"57", mdCTe},
           {"58", mdMDFe}},
          O::defaultTo(mdInvalido)},
         // The sale transaction codes of the point of sale.
         {"ModeloDocumentoFromInt",
          false,
          {{"102", mdCupomFiscal}, {"103", mdNFe}, {"104", mdNFCe}, {"105", mdCFeSAT}},
          O::defaultTo(mdInvalido)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumModalidadeFrete>() {
    static const EnumInfo e{
        "TEnumModalidadeFrete",
        {"tfEmitente", "tfDestinatario", "tfTerceiro", "tfProprioEmitente", "tfProprioDestinatario",
         "tfSemFrete"},
        {},
        {{"ModalidadeFrete",
          {"0- Contratação do Frete por conta do Remetente (CIF)",
           "1- Contratação do Frete por conta do Destinatário (FOB)",
           "2- Contratação do Frete por conta de Terceiros",
           "3- Transporte Próprio por conta do Remetente",
           "4- Transporte Próprio por conta do Destinatário", "9- Sem frete"}},
         {"ModalidadeFreteToStr", {"0", "1", "2", "3", "4", "9"}}},
        {{"ModalidadeFreteFromStr", false, {}, O::defaultTo(tfSemFrete), "ModalidadeFreteToStr"}},
        "ModalidadeFreteToStr",
        "ModalidadeFrete",
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumECFArredondaTrunca>() {
    static const EnumInfo e{
        "TEnumECFArredondaTrunca",
        {"TEnumECFArredondaTruncaNulo", "TEnumECFArredondaTruncaArredonda",
         "TEnumECFArredondaTruncaTrunca"},
        {},
        {{"ECFArredondaTrunca", {"", "A - Arredonda", "T - Trunca"}},
         {"ECFArredondaTruncaToStr", {"", "A", "T"}}},
        {{"ECFArredondaTruncaFromStr", false, {}, O::rejection(), "ECFArredondaTruncaToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoParceiro>() {
    static const EnumInfo e{
        "TEnumTipoParceiro",
        {"TEnumTipoParceiro_Fisica", "TEnumTipoParceiro_Juridica", "TEnumTipoParceiro_Entidade",
         "TEnumTipoParceiro_Especial", "TEnumTipoParceiro_ME", "TEnumTipoParceiro_Filial"},
        {},
        {{"TipoParceiro",
          {"0 - Física", "1 - Jurídica", "2 - Entidade", "3 - Especial", "4 - M.E.", "5 - Filial"}},
         {"TipoParceiroToInt", {"0", "1", "2", "3", "4", "5"}}},
        {{"TipoParceiroFromInt",
          false,
          {},
          O::defaultTo(TEnumTipoParceiro_Fisica),
          "TipoParceiroToInt"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumLayoutBoleto>() {
    static const EnumInfo e{
        "TEnumLayoutBoleto",
        {"TEnumLayoutBoleto_Padrao", "TEnumLayoutBoleto_Carne", "TEnumLayoutBoleto_Fatura",
         "TEnumLayoutBoleto_PadraoEntrega", "TEnumLayoutBoleto_Outro"},
        {},
        {{"LayoutBoleto",
          {"P - Padrão", "C - Carne", "F - Fatura", "E - Padrão Entrega", "O - Outros"}},
         {"LayoutBoletoToStr", {"P", "C", "F", "E", "O"}}},
        {{"LayoutBoletoFromStr",
          false,
          {},
          O::defaultTo(TEnumLayoutBoleto_Padrao),
          "LayoutBoletoToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoDocumentoTituloBancario>() {
    static const EnumInfo e{
        "TEnumTipoDocumentoTituloBancario",
        {"TEnumTipoDocumentoTituloBancario_Tradicional",
         "TEnumTipoDocumentoTituloBancario_Escritural"},
        {},
        {{"TipoDocumentoTituloBancario", {"1 - Tradicional", "2 - Escritural"}},
         {"TipoDocumentoTituloBancarioToStr", {"1", "2"}}},
        {{"TipoDocumentoTituloBancarioFromStr",
          false,
          {},
          O::rejection(),
          "TipoDocumentoTituloBancarioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoCarteiraTituloBancario>() {
    static const EnumInfo e{
        "TEnumTipoCarteiraTituloBancario",
        {"TEnumTipoCarteiraTituloBancario_Registrada", "TEnumTipoCarteiraTituloBancario_Simples",
         "TEnumTipoCarteiraTituloBancario_Eletronica"},
        {},
        {{"TipoCarteiraTituloBancario", {"1", "2", "3"}},
         {"TipoCarteiraTituloBancarioToStr", {"1", "2", "3"}}},
        {{"TipoCarteiraTituloBancarioFromStr",
          false,
          {},
          O::rejection(),
          "TipoCarteiraTituloBancarioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumResponEmissaoTituloBancario>() {
    static const EnumInfo e{
        "TEnumResponEmissaoTituloBancario",
        {"TEnumResponEmissaoTituloBancario_BancoEmite", "TEnumResponEmissaoTituloBancario_CliEmite",
         "TEnumResponEmissaoTituloBancario_BancoReemite",
         "TEnumResponEmissaoTituloBancario_BancoNaoReemite"},
        {},
        {{"ResponEmissaoTituloBancario",
          {"1 - Banco Emite", "2 - Cliente Emite", "3 - Banco Reemite", "4 - Banco Nao Reemite"}},
         {"ResponEmissaoTituloBancarioToStr", {"1", "2", "3", "4"}}},
        {{"ResponEmissaoTituloBancarioFromStr",
          false,
          {},
          O::rejection(),
          "ResponEmissaoTituloBancarioToStr"}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumTipoPedido>() {
    static const EnumInfo e{
        "TEnumTipoPedido",
        {"tpDAV", "tpDAVOS", "tpPrevenda", "tpDAVNulo"},
        {},
        {{"TipoPedido", {"O - DAV", "S - DAV-OS", "P - Pré-Venda", ""}},
         {"TipoPedidoToStr", {"O", "S", "P", ""}},
         {"TipoPedidoPAFECF", {"ORÇAMENTO", "ORDEM DE SERVIÇO", "PRÉ-VENDA", ""}},
         {"TipoPedidoImpressaoPAFECF", {"ORCAMENTO", "ORD. SERV", "PRE-VENDA", ""}}},
        {{"TipoPedidoFromStr",
          false,
          {{"O", tpDAV}, {"S", tpDAVOS}, {"P", tpPrevenda}},
          O::defaultTo(tpDAVNulo)}},
    };
    return e;
}

template <> const EnumInfo& enumInfo<TEnumFuncionalidadePAFECF>() {
    static const EnumInfo e{
        "TEnumFuncionalidadePAFECF",
        {"fpNaoDefinida", "fpExigePAFECF", "fpEmitirDAVNaoFiscal", "fpEmitirPreVenda",
         "fpRegistrarNotaManual", "fpGerarEspelhoMFD", "fpGerarVendasIdentificadas",
         "fpGerarArquivo1704", "fpBloquearNFNaoManualECFForaFuncionamento", "fpGerarLeituraMFD",
         "fpGerarFiscoReducaoZ", "fpBloquearFiscoReducaoZ", "fpGerarFiscoEstoque",
         "fpGerarAutoRegistrosPAFECF", "fpPermitirTrocoTEF"},
        {},
        {{"FuncionalidadePAFECF",
          {"Requisito Inválido/Não Definido", "Exige PAF-ECF",
           "Permitir impressão de DAV em impressora não fiscal para os estados",
           "Permitir impressão de número de pré-venda para os estados",
           "Permitir registrar nota manual para os estados",
           "Define se gera arquivo Espelho MFD do Menu Fiscal",
           "Define se gera arquivo Vendas Identificadas pelo CPF/CNPJ do Menu Fiscal",
           "Define se gera arquivo Arq 17/04 do Menu Fiscal",
           "Bloqueia a emissão de NF (não manual) com ECF fora de funcionamento",
           "Define se gera leitura da memória fiscal automaticamente na primeira Redução Z de cada "
           "mês",
           "Define geração e transmissão do arquivo FISCO-REDUÇÃO-Z",
           "Bloqueia PAF até transmissões pendentes do arquivo FISCO-REDUÇÃO-Z sejam enviadas",
           "Define geração e transmissão do arquivo FISCO-ESTOQUE",
           "Define geração automática do arquivo Registros do PAF-ECF", "Permitir Troco com TEF"}},
         {"FuncionalidadePAFECFToStr",
          {"", "EXIGEPAF", "EMITIRDAVNAOFISCAL", "EMITIRPREVENDA", "REGISTRARNOTAMANUAL",
           "GERAR_ESPELHO_MFD", "GERAR_VENDAS_IDENTIFICADAS", "GERAR_ARQ_1704",
           "BLOQUEAR_NF_ECF_FORA", "GERAR_LEITURA_MFD", "GERAR_FISCO_REDUCAO_Z",
           "BLOQUEAR_FISCO_REDUCAO_Z", "GERAR_FISCO_ESTOQUE", "GERAR_AUTO_REGISTROS_PAFECF",
           "PERMITIR_TROCO_TEF"}}},
        {{"FuncionalidadePAFECFFromStr",
          false,
          {},
          O::defaultTo(fpNaoDefinida),
          "FuncionalidadePAFECFToStr"}},
        "FuncionalidadePAFECFToStr",
        "FuncionalidadePAFECF",
    };
    return e;
}

namespace TEnum {
QUORVA_ENUM_TEXT(TEnumCodigoEmpresa, CodigoEmpresa)
QUORVA_ENUM_INT(TEnumCodigoEmpresa, CodigoEmpresaToInt)
QUORVA_ENUM_FROM_INT(TEnumCodigoEmpresa, CodigoEmpresaFromInt)
QUORVA_ENUM_TEXT(TEnumConexaoMiddlewareTipoRetorno, ConexaoMiddlewareTipoRetorno)
QUORVA_ENUM_TEXT(TEnumConexaoMiddlewareTipoRetorno, ConexaoMiddlewareTipoRetornoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumConexaoMiddlewareTipoRetorno, ConexaoMiddlewareTipoRetornoFromStr)
QUORVA_ENUM_TEXT(TEnumAPIResultCod, APIResultCodToStr)
QUORVA_ENUM_FROM_TEXT(TEnumAPIResultCod, APIResultCodFromStr)
QUORVA_ENUM_TEXT(TEnumTipoComunicacaoImpressora, TipoComunicacaoImpressora)
QUORVA_ENUM_TEXT(TEnumTipoComunicacaoImpressora, TipoComunicacaoImpressoraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoComunicacaoImpressora, TipoComunicacaoImpressoraFromStr)
QUORVA_ENUM_TEXT(TEnumTipoComunicacaoImpressora, TipoComunicacaoImpressoraFileExt)
QUORVA_ENUM_LIST(TEnumTipoComunicacaoImpressora, TipoComunicacaoImpressoraGetList)
QUORVA_ENUM_TEXT(TEnumDPIImpressora, DPIImpressora)
QUORVA_ENUM_INT(TEnumDPIImpressora, DPIImpressoraToInt)
QUORVA_ENUM_FROM_INT(TEnumDPIImpressora, DPIImpressoraFromInt)
QUORVA_ENUM_LIST(TEnumDPIImpressora, DPIImpressoraGetList)
QUORVA_ENUM_TEXT(TEnumUnidadeImpressora, UnidadeImpressora)
QUORVA_ENUM_TEXT(TEnumUnidadeImpressora, UnidadeImpressoraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumUnidadeImpressora, UnidadeImpressoraFromStr)
QUORVA_ENUM_TEXT(TEnumModeloImpressora, ModeloImpressora)
QUORVA_ENUM_TEXT(TEnumModeloImpressora, ModeloImpressoraToStr)
QUORVA_ENUM_FROM_TEXT(TEnumModeloImpressora, ModeloImpressoraFromStr)
QUORVA_ENUM_LIST(TEnumModeloImpressora, ModeloImpressoraGetList)
QUORVA_ENUM_TEXT(TEnumMensageriaDfe, MensageriaDfe)
QUORVA_ENUM_INT(TEnumMensageriaDfe, MensageriaDfeToInt)
QUORVA_ENUM_FROM_INT(TEnumMensageriaDfe, MensageriaDfeFromInt)
QUORVA_ENUM_TEXT(TEnumTipoEmissao, TipoEmissao)
QUORVA_ENUM_INT(TEnumTipoEmissao, TipoEmissaoToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoEmissao, TipoEmissaoFromInt)
QUORVA_ENUM_TEXT(TEnumModeloDocumento, ModeloDocumento)
QUORVA_ENUM_TEXT(TEnumModeloDocumento, ModeloDocumentoToCodigo)
QUORVA_ENUM_FROM_TEXT(TEnumModeloDocumento, ModeloDocumentoFromCodigo)
QUORVA_ENUM_FROM_INT(TEnumModeloDocumento, ModeloDocumentoFromInt)
QUORVA_ENUM_TEXT(TEnumModalidadeFrete, ModalidadeFrete)
QUORVA_ENUM_TEXT(TEnumModalidadeFrete, ModalidadeFreteToStr)
QUORVA_ENUM_FROM_TEXT(TEnumModalidadeFrete, ModalidadeFreteFromStr)
QUORVA_ENUM_LIST(TEnumModalidadeFrete, ModalidadeFreteGetList)
QUORVA_ENUM_TEXT(TEnumECFArredondaTrunca, ECFArredondaTrunca)
QUORVA_ENUM_TEXT(TEnumECFArredondaTrunca, ECFArredondaTruncaToStr)
QUORVA_ENUM_FROM_TEXT(TEnumECFArredondaTrunca, ECFArredondaTruncaFromStr)
QUORVA_ENUM_TEXT(TEnumTipoParceiro, TipoParceiro)
QUORVA_ENUM_INT(TEnumTipoParceiro, TipoParceiroToInt)
QUORVA_ENUM_FROM_INT(TEnumTipoParceiro, TipoParceiroFromInt)
QUORVA_ENUM_TEXT(TEnumLayoutBoleto, LayoutBoleto)
QUORVA_ENUM_TEXT(TEnumLayoutBoleto, LayoutBoletoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumLayoutBoleto, LayoutBoletoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoDocumentoTituloBancario, TipoDocumentoTituloBancario)
QUORVA_ENUM_TEXT(TEnumTipoDocumentoTituloBancario, TipoDocumentoTituloBancarioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoDocumentoTituloBancario, TipoDocumentoTituloBancarioFromStr)
QUORVA_ENUM_TEXT(TEnumTipoCarteiraTituloBancario, TipoCarteiraTituloBancario)
QUORVA_ENUM_TEXT(TEnumTipoCarteiraTituloBancario, TipoCarteiraTituloBancarioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoCarteiraTituloBancario, TipoCarteiraTituloBancarioFromStr)
QUORVA_ENUM_TEXT(TEnumResponEmissaoTituloBancario, ResponEmissaoTituloBancario)
QUORVA_ENUM_TEXT(TEnumResponEmissaoTituloBancario, ResponEmissaoTituloBancarioToStr)
QUORVA_ENUM_FROM_TEXT(TEnumResponEmissaoTituloBancario, ResponEmissaoTituloBancarioFromStr)
QUORVA_ENUM_TEXT(TEnumTipoPedido, TipoPedido)
QUORVA_ENUM_TEXT(TEnumTipoPedido, TipoPedidoToStr)
QUORVA_ENUM_FROM_TEXT(TEnumTipoPedido, TipoPedidoFromStr)
QUORVA_ENUM_TEXT(TEnumTipoPedido, TipoPedidoPAFECF)
QUORVA_ENUM_TEXT(TEnumTipoPedido, TipoPedidoImpressaoPAFECF)
QUORVA_ENUM_TEXT(TEnumFuncionalidadePAFECF, FuncionalidadePAFECF)
QUORVA_ENUM_TEXT(TEnumFuncionalidadePAFECF, FuncionalidadePAFECFToStr)
QUORVA_ENUM_FROM_TEXT(TEnumFuncionalidadePAFECF, FuncionalidadePAFECFFromStr)
QUORVA_ENUM_LIST(TEnumFuncionalidadePAFECF, FuncionalidadePAFECFGetList)
} // namespace TEnum
