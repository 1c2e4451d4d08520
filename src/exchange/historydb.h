#pragma once

#include "exchange/historyentry.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// What the history window asks for: every member left empty matches everything.
struct HistoryFilter {
    QString environment; // exactly
    QString service;     // part of the page's name or of the service path, any case
    QString verdict;     // one of allVerdicts()
    QDateTime from;      // started at or after
    QDateTime until;     // started before
    QString text;        // words of the request or the answer (the last one may be a prefix)
};

struct HistoryPage {
    std::vector<HistoryEntry> entries; // latest first, without their bodies
    qint64 total = 0;                  // matching the filter, over every page
};

// How much the history keeps: entries older than maxAgeDays and, oldest first, whatever makes
// the database larger than maxBytes are removed.
struct HistoryLimits {
    int maxAgeDays = 30;
    qint64 maxBytes = 1024ll * 1024 * 1024;
};

// The stored history: one SQLite database, bodies compressed, passwords redacted, a word index
// over the request and the answer. Used from one thread only (the store's own).
class HistoryDb {
public:
    // Opens (or creates) the database file. One that cannot be opened or is damaged is renamed
    // beside it and a new one started; setAsideMessage() then tells the user.
    explicit HistoryDb(const QString& file);
    ~HistoryDb();
    HistoryDb(const HistoryDb&) = delete;
    HistoryDb& operator=(const HistoryDb&) = delete;

    const QString& file() const { return m_file; }
    // Empty unless the database found at opening was set aside.
    const QString& setAsideMessage() const { return m_setAside; }

    // Stores the entries in one transaction; returns their ids in order.
    std::vector<qint64> add(const std::vector<HistoryEntry>& entries);
    void setFiles(qint64 id, const QStringList& files);
    HistoryPage query(const HistoryFilter& filter, int offset, int limit);
    // The whole entry, bodies included.
    std::optional<HistoryEntry> load(qint64 id);
    // The environments and the services seen, for the filters' lists.
    QStringList environments();

    // Removes what the limits no longer allow; returns how many entries went.
    qint64 applyLimits(const HistoryLimits& limits, const QDateTime& now);
    void clear();
    // Pages in use times the page size.
    qint64 usedBytes();
    qint64 count();

private:
    // Empty when it opened; else why not.
    QString openFile();
    void createSchema();
    void removeEntries(const QString& where, const QVariantList& values);

    QString m_file;
    QString m_connection;
    QString m_setAside;
};
