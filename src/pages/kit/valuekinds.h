#pragma once

#include "common/jsonvalue.h"
#include "pages/kit/named.h"
#include "pages/kit/tablerows.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>

namespace kit {

class PageContext;

// What a control holds when an action reads it.
struct FieldValue {
    QString name; // the control's objectName
    QString text; // line, memo (lines joined with CR LF), combo text, or a path
    bool checked = false;
    int index = -1; // selected position of a list or radio group, -1 for none or typed text
    QVariant data;  // data of the selected entry (a code), or a picker's date-time
    const PageContext* page = nullptr; // for kinds that read other controls
};

// A value kind turns a control's value into the JSON value sent under its key.
using ValueKind = Named<json::JsonValue(const FieldValue&)>;

// What a file-reading kind does with an empty path: Error reads it like any other path, so
// the file error ends the action; EmptyText sends an empty text.
enum class EmptyPath { Error, EmptyText };

namespace kinds {
// Text as typed, through the valid-character filter.
ValueKind text();
// Text exactly as typed, without the filter.
ValueKind rawText();
// Multi-line text with the line-break treatment (CR LF as \n) and the filter.
ValueKind textWithLineBreaks();
// Trimmed text left-padded with the pad character to the width (never cut).
ValueKind padded(int width, QChar pad);
// Zeros to the width, or that many blanks when the field is empty.
ValueKind paddedZerosOrBlanks(int width);
// The first character, or the first two characters, of the text.
ValueKind firstChars(int count);
// The first two characters read as an integer, strictly.
ValueKind firstTwoCharsAsInteger();
// The decimal digits of the text.
ValueKind digitsOnly();
// 32-bit integer; text that is not an integer raises the conversion error.
ValueKind integer();
// 32-bit integer, or the fallback when the text is not an integer.
ValueKind integerElse(int32_t fallback);
// Empty text as 0, anything else strictly.
ValueKind integerEmptyZero();
// 64-bit integer, strict.
ValueKind integer64();
// The integer written as decimal text.
ValueKind integerAsText();
// Money typed with "," (four decimals), strict; with thousands, "." separators are accepted.
ValueKind money(bool acceptThousands = false);
// Money, or 0 when the text is not a number.
ValueKind moneyElseZero();
// A check box's state.
ValueKind boolean();
// A date-time typed as text, written "DD/MM/YYYY HH:NN:SS"; strict.
ValueKind dateTime();
// A date-time picker's value, written "DD/MM/YYYY HH:NN:SS".
ValueKind pickerDateTime();
// The position of the selected entry (-1 for none or typed text).
ValueKind position();
// The code attached to the selected entry, "" when none is selected.
ValueKind code();
// A fixed code per position of the selected entry.
ValueKind codeOfPosition(const QStringList& codes);
// A code when the check box or radio button is checked, another when it is not.
ValueKind codeWhenChecked(const QString& checkedCode, const QString& uncheckedCode);
// A number when the check box or radio button is checked, another when it is not.
ValueKind numberWhenChecked(int32_t checkedValue, int32_t uncheckedValue);
// A code chosen by the extension of the path (lower case, without the dot).
ValueKind codeOfExtension(const std::map<QString, QString>& codes, const QString& otherwise);
// The file-text kinds read a file either in the 8-bit code page, one character per byte with
// no byte-order-mark detection (readCodePageFile: the middleware turns the text back into the
// file's exact bytes), or by its byte-order mark (readMarkedFile), as each kind says.
// The file's lines (code page) joined with nothing.
ValueKind joinedFileText(EmptyPath policy);
// The file's lines (by the byte-order mark), CR LF after every line.
ValueKind fileText(EmptyPath policy);
// The file's lines (code page), each preceded by the marker typed in another control (none
// when empty).
ValueKind markedFileText(const QString& markerControl, EmptyPath policy);
// The whole file in the code page, line breaks as they are, through the filter.
ValueKind rawFileText(EmptyPath policy);
// The file's bytes in base64; packed in a ZIP archive first when asked.
ValueKind fileBase64(bool pack, EmptyPath policy);
// The file packed in a ZIP archive, in base64; a packing failure raises the message given.
ValueKind packedFileBase64(const QString& failureMessage, EmptyPath policy);
// Memo lines as an array of one-key objects.
ValueKind linesAsObjects(const QString& key);
// The item list "{1|50,0000};{2|1}": one object per piece with the two controls' texts under
// "Codfil" and "Sequen", the item ("Numite", strict integer) and the quantity ("Qtdmov", money).
ValueKind itemList(const QString& codfilControl, const QString& sequenControl);
// A list of attachments: [{"Anexo":{"Conteudo":<base64 kept with the
// entry>,"NomeArquivo":<name>}}].
ValueKind attachments();
// A fixed value.
ValueKind constant(const json::JsonValue& value);
// The whole file in the code page, exactly as read: line breaks kept, no filter.
ValueKind wholeFileText(EmptyPath policy);
// An input table's rows as an array of objects (tableRows), for a grid sent under a key.
ValueKind rowsOf(const QString& table, std::vector<Column> columns);
// A list of attachments whose base64 sits at the same position of a companion (hidden) list:
// [{"Anexo":{"Conteudo":<base64>,"NomeArquivo":<name without folder>}}].
ValueKind attachmentsFrom(const QString& base64List);
} // namespace kinds

// Data value builders that are not built from the controls' keys.
using DadosFn = Named<json::JsonValue(PageContext&)>;
namespace dados {
DadosFn emptyString(); // "Dados":""
DadosFn emptyObject(); // "Dados":{}
// The control's text itself, unfiltered, as the data value.
DadosFn bareString(const QString& control);
// The control's text parsed as JSON (UTF-8, or reduced to ASCII first); invalid JSON raises
// with the parser's message and nothing is sent.
DadosFn freeJson(const QString& control, bool asciiFirst);
} // namespace dados

// Gives a kind or a data builder its words where it is defined:
//   return said(u"inteiro; texto inválido vira 0"_s) << [](const FieldValue& v) {…};
struct said {
    QString words;
    ValueKind operator<<(ValueKind kind) const {
        kind.words = words;
        return kind;
    }
    DadosFn operator<<(DadosFn dados) const {
        dados.words = words;
        return dados;
    }
};

} // namespace kit
