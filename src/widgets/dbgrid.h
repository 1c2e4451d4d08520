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

private:
    void followCurrent(const QModelIndex& current);
    // Puts the grid's current cell on the table's current row, in this column (-1: the column
    // the grid is on).
    void syncCurrentFromTable(int column = -1);
    void onFocusChanged(QWidget* old, QWidget* now);

    MemTable& m_table;
    MemTableModel* m_model;
    bool m_moving = false; // the table is moving to the row the user chose
};

// The vertical navigator beside a grid: insert and delete only.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    DbNavigator(const QString& objectName, DbGrid& grid, QWidget* parent = nullptr);
};
