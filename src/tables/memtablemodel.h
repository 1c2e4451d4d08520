#pragma once

#include "tables/memtable.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <map>
#include <utility>

// Shows and edits a table through a grid: one column per field that is not hidden, one row per
// row the table shows. Editing a cell of another row stores the pending one first, as moving
// to another row of a grid does.
class MemTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemTableModel(MemTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column's own title in place of its field's label.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    // The conversion message of the last text setData refused ("" when it took the text), once.
    QString takeRefusal() { return std::exchange(m_refusal, QString()); }

    MemTable& table() const { return m_table; }
    int fieldOfColumn(int column) const { return m_columns[std::size_t(column)]; }

private:
    MemTable& m_table;
    std::vector<int> m_columns;      // field indices of the shown fields
    std::map<int, QString> m_titles; // columns with a title of their own
    QString m_refusal;
};
