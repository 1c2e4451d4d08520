#pragma once

// The pieces every fiscal-document page is declared with (NF-e, CT-e, MDF-e).
#include "pages/kit/batchrun.h"
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagespec.h"

namespace nfe {

inline const QString kCnpj = QStringLiteral("11222333000181");
inline const QString kEmails =
    QStringLiteral("fiscal@exemplo.com.br; contabilidade@exemplo.com.br");
inline const QString kJustificativa =
    QStringLiteral("Nota realizada para fins de teste. Por favor, desconsiderar tributação.");
inline const QString kDataPadrao = QStringLiteral("01/01/2015 12:00:00");

// The fields of a page that show the SAT result record (empty names for fields it lacks).
struct SatControls {
    QString retorno;
    QString xmlImp;
    QString xmlImpLabel;
    QString xmlVen;
    QString numSat;
    QString numCfe;
    QString codRet;
    QString msgRet;
    QString codErr;
    QString msgErr;
    QString msgSis;
};
kit::fiscal::Record satRecord(const SatControls& c);
kit::Control satOutputs(const QString& groupName, const SatControls& c);

// The batch run of a range-disablement page (NF-e and CT-e): its texts, checks and import; the
// page sets the names of its own controls and the data value of a row.
kit::BatchRun disablementRun(const QString& table, const QString& path,
                             const QStringList& singleControls);
// One imported line "first;last", trimmed before it is split.
void importRangeLine(const QString& line, MemTable& row);
// One imported line "Filial,ECF,Série,Número" of the XML regeneration run.
void importNumberLine(const QString& line, MemTable& row);

} // namespace nfe
