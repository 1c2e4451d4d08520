#pragma once

#include "common/jsonvalue.h"

#include <QString>

#include <optional>

#include <vector>

class MemTable;

namespace kit {

// How a table cell becomes JSON: empty cells are "", 0 or the zero date.
enum class Cell { Text, Integer, IntegerAsText, Money, DateTime, Boolean };

struct Column {
    QString field; // the table's field
    QString key;   // the JSON key
    Cell cell;
};

// One object per row the table shows, first row to last; the table is left on its last row.
json::JsonValue tableRows(MemTable& table, const std::vector<Column>& columns);
// The non-blank texts of a field, in table order; nothing when the table has no rows.
std::optional<json::JsonValue> nonBlankStrings(MemTable& table, const QString& field);
json::JsonValue cellValue(const MemTable& table, const Column& column);

} // namespace kit
