#pragma once

#include "pages/kit/pagespec.h"

// Named answer readings and lookups that pages pick from. Each reads the answer's bytes with
// the UTF-8 step; an answer of an unexpected shape changes nothing unless the reading says so.
namespace kit::readings {

// Saves "conteudo"."str" (base64) as Arquivos/<method>.<extension> when the answer reports no
// error; only when the condition holds, if one is given.
Reading saveContentFile(const QString& method, const QString& extension,
                        std::function<bool(PageContext&)> condition = {});
// Saves the file record of "conteudo"."livre" under its own (bare) name in Arquivos.
Reading saveFileRecord(const QString& method);
// "conteudo"."livre"."<array>" file records: their names become the list's entries.
Reading fileRecordNamesInto(const QString& listControl, const QString& arrayName);
// The members of the "result" object into fields (key -> control), emptied when missing.
Reading resultMembersIntoFields(const std::vector<std::pair<QString, QString>>& keysToControls);
// The bare "result" value into a field; the panes are left as they were.
Reading resultIntoField(const QString& control);
// The answer in a message box.
Reading answerInMessageBox();

// Bank-slip records of "livre": record n saved as Arquivos/<n>.pdf (or .zip when packed).
Reading bankSlipFiles(std::function<bool(PageContext&)> packed);
// The captcha: saved as Arquivos/<method>.zip or .png, unpacked when packed, then the picture
// shown in the image and the captcha field emptied.
Reading captcha(const QString& method, const QString& packedCheck, const QString& image,
                const QString& captchaField);
// The "result" array into an input table, one row per object (key -> field).
Reading resultArrayIntoTable(const QString& table,
                             const std::vector<std::pair<QString, QString>>& keysToFields);
// When the answer reports no error, "conteudo"."str" into the field, each "/n" as a line break.
Reading contentTextWithLineBreaks(const QString& control);
// The stored XML: a "result" string into the memo (UTF-8, accents kept); anything else empties it.
Reading storedXml(const QString& memo);
// "livre" as an array of file records: their names added to the list's entries, text kept.
Reading fileRecordNamesAppended(const QString& listControl);

// One member of the "result" object and the control that shows it.
struct ResultMember {
    enum class Kind { Text, Integer, Amount, Boolean }; // Amount: four decimals, decimal comma
    QString key;
    QString control;
    Kind kind = Kind::Text;
};
// The members of the "result" object into their controls (a Boolean into a check box); a missing,
// null or empty "result" empties them all; anything else is reported and changes nothing.
Reading resultRecordIntoFields(std::vector<ResultMember> members);

// The printer-list lookup: fills the list with the printers of the communication type.
Action printerLookup(const QString& listControl,
                     std::function<QString(PageContext&)> tipoComunicacao);
// The code of the communication type chosen in a list (empty when none is chosen).
std::function<QString(PageContext&)> codeOf(const QString& listControl);
std::function<QString(PageContext&)> fixedText(const QString& text);

} // namespace kit::readings
