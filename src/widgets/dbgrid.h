#pragma once

#include <QTableView>
#include <QWidget>

#include <utility>
#include <vector>

class MemTable;
class MemTableModel;

// A grid bound to an in-memory table: the table's current row follows the grid's, and leaving
// the grid stores the pending row. Enter keeps its ordinary meaning inside it.
class DbGrid : public QTableView {
    Q_OBJECT
public:
    DbGrid(const QString& objectName, MemTable& table, QWidget* parent = nullptr);
    MemTable& table() const { return m_table; }
    MemTableModel* tableModel() const { return m_model; }
    // Shows only these fields, in this order, under these titles ("~" breaks a line).
    void showColumns(const std::vector<std::pair<QString, QString>>& fieldsAndTitles);
    // The column of the field as wide as so many characters of the grid's font.
    void setColumnChars(const QString& field, int chars);

protected:
    // A text the cell's field cannot take is refused where it was typed: the conversion's
    // message is shown and the editor stays open with the text until it is corrected.
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void followCurrent(const QModelIndex& current);
    // Puts the grid's current cell on the table's current row, in this column (-1: the column
    // the grid is on).
    void syncCurrentFromTable(int column = -1);
    void onFocusChanged(QWidget* old, QWidget* now);

    MemTable& m_table;
    MemTableModel* m_model;
    bool m_moving = false;              // the table is moving to the row the user chose
    QWidget* m_refusedEditor = nullptr; // the editor whose text was just refused
    bool m_refusing = false;            // the refusal's message is being shown
};

// The vertical navigator beside a grid: insert and delete only.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    DbNavigator(const QString& objectName, DbGrid& grid, QWidget* parent = nullptr);
};
