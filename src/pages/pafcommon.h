#pragma once

// The pieces the PAF-ECF pages are declared with.
#include "pages/kit/pagespec.h"

namespace paf {

inline const QString kNomePAFECF = QStringLiteral("Quorva POS");
inline const QString kVersaoPAFECF = QStringLiteral("X1");
inline const QString kNumeroLaudo = QStringLiteral("3201700012345");
inline const QString kMD5Exemplo = QStringLiteral("9E107D9D372BB6826BD81D3542A419D6");

// The returned file saved as Arquivos/<method>.<zip or the other extension>, by the "Comprimir
// Retorno" check box; nothing is saved when the answer reports an error or carries no file.
kit::Reading savedFile(const QString& method, const QString& compressCheck,
                       const QString& uncompressedExtension = QStringLiteral("txt"));

// The "Comprimir Retorno" check box, checked, sent as "ArquivoCompactado".
kit::Control comprimirRetorno(const QString& name);

// A spin field without bounds.
kit::Control unboundedSpin(const QString& name, const QString& label, int value);

} // namespace paf
