#include "pageenums.h"

const std::vector<const enumkit::EnumInfo*>& enumkit::all() {
    static const std::vector<const EnumInfo*> every = {
        &enumInfo<TEnumCodigoEmpresa>(),
        &enumInfo<TEnumConexaoMiddlewareTipoRetorno>(),
        &enumInfo<TEnumAPIResultCod>(),
        &enumInfo<TEnumTipoComunicacaoImpressora>(),
        &enumInfo<TEnumDPIImpressora>(),
        &enumInfo<TEnumUnidadeImpressora>(),
        &enumInfo<TEnumModeloImpressora>(),
        &enumInfo<TEnumMensageriaDfe>(),
        &enumInfo<TEnumTipoEmissao>(),
        &enumInfo<TEnumModeloDocumento>(),
        &enumInfo<TEnumModalidadeFrete>(),
        &enumInfo<TEnumECFArredondaTrunca>(),
        &enumInfo<TEnumTipoParceiro>(),
        &enumInfo<TEnumLayoutBoleto>(),
        &enumInfo<TEnumTipoDocumentoTituloBancario>(),
        &enumInfo<TEnumTipoCarteiraTituloBancario>(),
        &enumInfo<TEnumResponEmissaoTituloBancario>(),
        &enumInfo<TEnumTipoPedido>(),
        &enumInfo<TEnumFuncionalidadePAFECF>(),
    };
    return every;
}
