#pragma once

#include "jsonvalue.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace kit {

// What a control holds when an action reads it.
struct FieldValue {
    QString name; // the control's objectName
    QString text; // line, memo, combo text, or a path
    bool checked = false;
    int index = -1; // selected position of a list, -1 for none or typed text
    QVariant data;  // data attached to the selected entry (a code)
};

// A value kind turns a control's value into the JSON value sent under its key.
using ValueKind = std::function<json::JsonValue(const FieldValue&)>;

namespace kinds {
// Text as typed, through the valid-character filter.
ValueKind text();
// Text exactly as typed, without the filter.
ValueKind rawText();
// Multi-line text with the line-break treatment (CR LF as \n) and the filter.
ValueKind textWithLineBreaks();
// 32-bit integer; text that is not an integer raises the conversion error.
ValueKind integer();
// 32-bit integer, or the fallback when the text is not an integer.
ValueKind integerElse(int32_t fallback);
// 64-bit integer, strict.
ValueKind integer64();
// Money typed with "," (four decimals), strict.
ValueKind money();
// A check box's state.
ValueKind boolean();
// A date-time typed as text, written "DD/MM/YYYY HH:NN:SS"; strict.
ValueKind dateTime();
// The position of the selected entry (-1 for none).
ValueKind position();
// The code attached to the selected entry, "" when none is selected.
ValueKind code();
} // namespace kinds

} // namespace kit
