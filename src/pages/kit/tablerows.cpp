#include "pages/kit/tablerows.h"

#include "common/tjsonutil.h"
#include "tables/memtable.h"

namespace kit {

json::JsonValue cellValue(const MemTable& table, const Column& c) {
    switch (c.cell) {
    case Cell::Text:
        return TJSONUtil::SetStr(table.asString(c.field));
    case Cell::Integer:
        return TJSONUtil::SetInt(table.asInteger(c.field));
    case Cell::IntegerAsText:
        return TJSONUtil::SetStr(QString::number(table.asInteger(c.field)));
    case Cell::Money:
        return TJSONUtil::SetCurr(table.asCurrency(c.field));
    case Cell::DateTime:
        return TJSONUtil::SetDateTime(table.asDateTime(c.field),
                                      QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    case Cell::Boolean:
        return TJSONUtil::SetBool(table.asBoolean(c.field));
    }
    return {};
}

std::optional<json::JsonValue> nonBlankStrings(MemTable& table, const QString& field) {
    table.postIfEditing();
    if (table.recordCount() == 0)
        return std::nullopt;
    json::JsonValue list = json::JsonValue::array();
    for (table.first(); !table.eof(); table.next())
        if (!table.asString(field).trimmed().isEmpty())
            list.append(TJSONUtil::SetStr(table.asString(field)));
    return list;
}

json::JsonValue tableRows(MemTable& table, const std::vector<Column>& columns) {
    json::JsonValue rows = json::JsonValue::array();
    table.postIfEditing();
    for (table.first(); !table.eof(); table.next()) {
        json::JsonValue row = json::JsonValue::object();
        for (const Column& c : columns)
            row.add(c.key.toStdString(), cellValue(table, c));
        rows.append(std::move(row));
    }
    if (table.recordCount() > 0)
        table.moveTo(table.recordCount() - 1);
    return rows;
}

} // namespace kit
