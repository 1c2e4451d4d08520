#pragma once

// The conversions that take two arguments, test substrings or have tables of their own.
#include "contracts/fiscalenums.h"
#include "contracts/pageenums.h"
#include "contracts/salesenums.h"
#include "contracts/systemenums.h"

namespace TEnum {
// Compares only the first four characters with "3.00".
TEnumVersaoMDFe VersaoMDFeFromStr(const QString& s);
TEnumVersaoNfe VersaoNfeFromFloat(regional::Currency value);
TEnumBandeiraCartao BandeiraCartaoFromStr(const QString& s);
TEnumRecebimentoOrc RecebimentoFromSkyhub(const QString& s);
QString TipoTributacaoPAFECFToStr(TEnumRegraTipoTributacao regra, TEnumTipoItem tipoItem);
// Hours within which a document may be cancelled; raises "Prazo não definido para Modelo
// informado.".
int32_t PrazoCancelamentoFromModeloUF(TEnumModeloDocumento modelo, const QString& uf);
TEnumTipoEmissao TipoEmissaoContingenciaFromModeloUF(TEnumModeloDocumento modelo,
                                                     const QString& uf);
// The empty choice first, then the database kinds.
TParListaList BancoDadosGetList();
// The ports of common virtual printers (port name, printer name).
TParListaList PortaVirtualImpressoraGetList();
} // namespace TEnum
