#pragma once

#include "pages/kit/pagespec.h"

// The answer readings of the fiscal-document pages and the records they fill.
namespace kit::fiscal {

// One member of a record read back into a field.
struct RecordField {
    enum class Kind { Text, Integer, Memo };
    QString key;
    QString control;
    Kind kind = Kind::Text;
};
using Record = std::vector<RecordField>;

// The SAT result record; controls given in the order RETORNO, XMLIMP, [XMLVEN,] [NUMSAT,
// NUMCFE,] CODRET, MSGRET, CODERR, MSGERR, MSGSIS as the page has them.
Record satRecord(const std::vector<std::pair<QString, QString>>& keysToControls);
// The document event record: "XMLEVENTO" and "XMLNOTA" into two memos.
Record eventRecord(const QString& eventoMemo, const QString& notaMemo);

// The text form of "result" into the field: a string in double quotes with its inner double
// quotes escaped, anything else as compact JSON.
Reading resultText(const QString& control);
// "result" read again as an object into the record; no "result" empties the record's fields.
Reading recordReading(Record record);
// "result"."conteudo"."livre" into the record: present, read; "livre" missing, emptied;
// "result" or "conteudo" missing, left alone.
Reading eventReading(Record record);
// The envelope's "conteudo"."str" into the field (emptied first).
Reading contentText(const QString& control);

} // namespace kit::fiscal
