#pragma once

// The pieces every fiscal-document page is declared with (NF-e, CT-e, MDF-e).
#include "pages/kit/batchrun.h"
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagespec.h"

namespace nfe {

inline const char* const kCnpj = "11222333000181";
inline const char* const kEmails = "fiscal@exemplo.com.br; contabilidade@exemplo.com.br";
inline const char* const kJustificativa =
    "Nota realizada para fins de teste. Por favor, desconsiderar tributação.";
inline const char* const kDataPadrao = "01/01/2015 12:00:00";

kit::Page page(const char* name, std::vector<kit::Control> controls);
// A text field sent as text.
kit::Control textField(const char* name, const char* label, const char* defaultText,
                       const char* key);
// A text field sent as a strict integer.
kit::Control integerField(const char* name, const char* label, const char* defaultText,
                          const char* key);
// A path field with its "..." picker, sent by the given file kind.
kit::Control fileField(const char* name, const char* label, const char* picker, const char* key,
                       kit::ValueKind kind);
// A date field ("Data", default 01/01/2015 12:00:00) with its "Atualiza data" button, sent as
// date-time.
kit::Control dateField(const char* name, const char* button, const char* key);
// The printer drop-down ("Impressora", text sent under "NomeImpressora") with its lookup button.
kit::Control printerField(const char* name, const char* button, const char* typeFromList = nullptr);
kit::Control outputLine(const char* name, const char* label);
kit::Control outputMemo(const char* name, const char* label);

// The fields of a page that show the SAT result record (empty names for fields it lacks).
struct SatControls {
    const char* retorno;
    const char* xmlImp;
    const char* xmlImpLabel;
    const char* xmlVen;
    const char* numSat;
    const char* numCfe;
    const char* codRet;
    const char* msgRet;
    const char* codErr;
    const char* msgErr;
    const char* msgSis;
};
kit::fiscal::Record satRecord(const SatControls& c);
kit::Control satOutputs(const char* groupName, const SatControls& c);

// The batch run of a range-disablement page (NF-e and CT-e): its texts, checks and import; the
// page sets the names of its own controls and the data value of a row.
kit::BatchRun disablementRun(const char* table, const char* path,
                             const QStringList& singleControls);
// One imported line "first;last", trimmed before it is split.
void importRangeLine(const QString& line, MemTable& row);

} // namespace nfe
