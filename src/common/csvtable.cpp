#include "common/csvtable.h"

#include "common/exception.h"
#include "common/filehelpers.h"

#include <set>

namespace {

[[noreturn]] void refuse(int line, const QString& why) {
    throw Exception(QStringLiteral("Tabela CSV recusada: linha %1: %2").arg(line).arg(why));
}

// The records of the text, each a list of fields, with the line each starts on.
std::vector<std::pair<int, QStringList>> records(const QString& text, QChar separator) {
    std::vector<std::pair<int, QStringList>> out;
    QStringList fields;
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1;
    const auto endField = [&] {
        fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!(fields.size() == 1 && fields[0].trimmed().isEmpty()))
            out.emplace_back(recordLine, fields);
        fields.clear();
        recordLine = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else
                    quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        refuse(recordLine, QStringLiteral("aspas abertas e não fechadas"));
    endRecord();
    return out;
}

} // namespace

CsvTable readCsvTable(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    const QString firstLine = text.section(u'\n', 0, 0);
    const QChar separator = firstLine.contains(u';') ? u';' : u',';
    std::vector<std::pair<int, QStringList>> all = records(text, separator);
    if (all.empty())
        refuse(1, QStringLiteral("falta o cabeçalho com os nomes das colunas"));
    CsvTable table;
    std::set<QString> seen;
    for (const QString& name : all.front().second) {
        const QString column = name.trimmed();
        if (column.isEmpty())
            refuse(all.front().first, QStringLiteral("uma coluna do cabeçalho não tem nome"));
        if (!seen.insert(column).second)
            refuse(all.front().first, QStringLiteral("a coluna %1 aparece duas vezes").arg(column));
        table.columns.append(column);
    }
    for (std::size_t r = 1; r < all.size(); ++r) {
        QStringList row = all[r].second;
        if (row.size() > table.columns.size())
            refuse(all[r].first, QStringLiteral("%1 campos, mas o cabeçalho tem %2 colunas")
                                     .arg(row.size())
                                     .arg(table.columns.size()));
        while (row.size() < table.columns.size())
            row.append(QString());
        table.rows.push_back(std::move(row));
    }
    return table;
}
