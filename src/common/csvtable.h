#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A table of values in a CSV file, as spreadsheets save them: a header line naming the columns,
// then a line per row; fields separated by ';' or ',' (the one the header uses), a field
// between double quotes may hold the separator, line breaks and doubled quotes. The text is
// read by its byte-order mark, else as UTF-8 when valid, else as Windows-1252.
struct CsvTable {
    QStringList columns;
    std::vector<QStringList> rows; // each as long as columns; blank lines are skipped
};

// Raises Exception ("Tabela CSV recusada: linha N: …") for a header without names, a name
// twice, a quote left open, or a line with more fields than the header.
CsvTable readCsvTable(const QByteArray& bytes);
