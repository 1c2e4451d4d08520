#pragma once

#include <QString>

class IndexedText;

#include <optional>

// XML held in a text: a JSON string member whose value is XML, or a field that shows XML
// quoted as a JSON string. What is found is the XML itself, unquoted.
namespace xmltext {

// Whether the text is XML: a declaration or an element first, after blanks.
bool isXml(QStringView text);

// The value of the JSON string literal that holds the offset in a JSON text (as received, or
// as the formatted view shows it), when that value is XML.
std::optional<QString> stringAt(const QString& text, qint64 offset);
// The same in an indexed text: one kept as bytes is searched as them, without decoding it.
std::optional<QString> stringAt(const IndexedText& text, qint64 offset);

// The XML a field holds: its text when that is XML, or the XML inside when the text is XML
// quoted as the fiscal readings quote it (between quotes, every quote inside escaped).
std::optional<QString> ofField(const QString& text);

} // namespace xmltext
