#pragma once

#include "tables/memtable.h"

#include <QHash>
#include <QObject>

// The module of in-memory input tables; it exists before the window so that the window's
// grids find their tables already there. Every table is published under its name (vt_…) and
// under the name of its data source (ds_…).
class TdmPrincipal : public QObject {
    Q_OBJECT
public:
    explicit TdmPrincipal(QObject* parent = nullptr);
    ~TdmPrincipal() override;

    // The table of a vt_ or ds_ name; raises for an unknown name.
    MemTable& table(const QString& name) const;
    MemTable* findTable(const QString& name) const { return m_byName.value(name); }
    QList<MemTable*> tables() const { return m_tables; }
    static QString dataSourceName(const QString& tableName) {
        return QStringLiteral("ds_") + tableName.mid(3);
    }

private:
    MemTable& add(const QString& name, std::vector<FieldDef> fields);
    void addRules();

    QList<MemTable*> m_tables;
    QHash<QString, MemTable*> m_byName;
};

// Rules that tables share.
namespace tablerules {
// Stores a row when at least one of the named fields is filled: a text that is not blank, a
// number that is not null and not 0. Otherwise the row is dropped silently.
void blankRowDiscard(MemTable& table, const QStringList& fields);
// Before a detail row is inserted: the master's pending row is stored, and a master row is
// appended and stored when the master has none at all.
void masterRowGuarantee(MemTable& detail, MemTable& master);
} // namespace tablerules
