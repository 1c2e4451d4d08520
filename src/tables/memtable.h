#pragma once

#include "common/regional.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

// A field of an in-memory table.
struct FieldDef {
    enum class Type { String, Integer, Float, Currency, Boolean, Date, DateTime, Timestamp, Memo };
    QString name;
    Type type = Type::String;
    int size = 0;  // strings: at most this many characters
    QString label; // column title; empty shows the name ("~" breaks the title)
    bool readOnly = false;
    bool hidden = false; // not shown by grids
};

// An in-memory table: typed fields, a current row, insert / edit / post / cancel / delete with
// hooks, and master-detail filtering on key fields. Rows live only in memory.
class MemTable : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class PostDecision { Store, Discard };

    MemTable(const QString& name, std::vector<FieldDef> fields, QObject* parent = nullptr);

    const std::vector<FieldDef>& fields() const { return m_fields; }
    int fieldIndex(const QString& name) const; // -1 when unknown
    const FieldDef& field(const QString& name) const;
    void setReadOnly(const QString& field, bool readOnly);

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    // The rows a reader sees: all of them, or the current master row's details.
    int recordCount() const { return int(m_visible.size()); }
    // Every row, whatever the master's current row.
    int totalRecordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_current; } // -1 when there is no row
    void moveTo(int index);
    void first() { moveTo(0); }
    void next() { moveTo(m_current + 1); }
    bool eof() const { return m_current < 0 || m_current >= recordCount(); }

    // A new row at the end, its defaults set by the after-insert hooks; a pending row of this
    // table is posted first.
    void append();
    void edit();
    // Stores the pending row unless a before-post hook discards it.
    void post();
    void cancel();
    // Removes the current row; raises when rows are shown but none is current.
    void remove();
    // Removes every row a reader sees (a pending row is cancelled first).
    void removeAll();
    // Posts a pending row, if there is one.
    void postIfEditing();

    QVariant value(const QString& field) const;
    QVariant valueAt(int row, int fieldIndex) const; // row of the visible set
    bool isNull(const QString& field) const { return !value(field).isValid(); }
    // Starts editing the current row when browsing. Raises for a read-only field.
    void setValue(const QString& field, const QVariant& value);
    void setNull(const QString& field) { setValue(field, QVariant()); }

    // Readings with the conventions of the pages: an empty cell reads as "", 0 or zero date.
    QString asString(const QString& field) const;
    int32_t asInteger(const QString& field) const;
    double asFloat(const QString& field) const;
    regional::Currency asCurrency(const QString& field) const;
    bool asBoolean(const QString& field) const;
    QDateTime asDateTime(const QString& field) const;

    // Hooks, run in the order they were added.
    void addBeforeInsert(std::function<void(MemTable&)> hook) {
        m_beforeInsert.push_back(std::move(hook));
    }
    void addAfterInsert(std::function<void(MemTable&)> hook) {
        m_afterInsert.push_back(std::move(hook));
    }
    void addBeforePost(std::function<PostDecision(MemTable&)> hook) {
        m_beforePost.push_back(std::move(hook));
    }

    // Shows only the rows whose key fields equal those of the master's current row.
    void setMaster(MemTable* master, const QStringList& keyFields);
    MemTable* master() const { return m_master; }

Q_SIGNALS:
    // Rows, the filter, the state or the current row changed.
    void changed();
    // A value of a row changed (a row of the visible set).
    void valueEdited(int row);
    // An edited row was stored: its values before the edit and after it, by field position.
    void rowStored(const std::vector<QVariant>& before, const std::vector<QVariant>& after);

private:
    using Row = std::vector<QVariant>;
    QVariant coerce(const FieldDef& f, const QVariant& v) const;
    void refilter();
    void requireOpen() const;
    int rowIndexOfCurrent() const;
    bool matchesMaster(const Row& row) const;
    // Detail rows linked to the master row as it was before an edit follow its new key values.
    void followMasterKeys(const Row& before, const Row& after);

    std::vector<FieldDef> m_fields;
    std::vector<Row> m_rows;
    std::vector<int> m_visible; // indices into m_rows
    int m_current = -1;
    State m_state = State::Inactive;
    int m_pendingRow = -1; // index into m_rows while editing or inserting
    Row m_backup;
    MemTable* m_master = nullptr;
    QStringList m_keys;
    std::vector<std::function<void(MemTable&)>> m_beforeInsert;
    std::vector<std::function<void(MemTable&)>> m_afterInsert;
    std::vector<std::function<PostDecision(MemTable&)>> m_beforePost;
};
