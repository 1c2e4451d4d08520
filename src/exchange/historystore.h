#pragma once

#include "exchange/historydb.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>
#include <mutex>

// The stored history, run on a thread of its own so that the window never waits for the disk:
// the thread starts and the database is opened there on first use (a window that records and lists
// nothing never loads the database's libraries), entries are written in batches, and queries answer
// through a callback on the asking object's thread. Limits are applied when the database is opened
// and every hour.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    // The database file in the user's data folder (QStandardPaths::AppDataLocation).
    static QString defaultFile();

    explicit HistoryStore(QString file, HistoryLimits limits = {}, QObject* parent = nullptr);
    ~HistoryStore() override;

    const QString& file() const { return m_file; }
    const HistoryLimits& limits() const { return m_limits; }

    // Queued for writing; the entry's id is given to stored() once it is written.
    void add(HistoryEntry entry);
    void setFiles(qint64 id, const QStringList& files);
    void query(const HistoryFilter& filter, int offset, int limit, QObject* context,
               std::function<void(const HistoryPage&)> done);
    void environments(QObject* context, std::function<void(const QStringList&)> done);
    // Waits for the store: for an action the user asked for on one entry (curl, evidence).
    std::optional<HistoryEntry> loadNow(qint64 id);
    void clear(QObject* context, std::function<void()> done);
    void applyLimitsNow();
    // Waits until everything queued so far is done (tests, closing).
    void waitForIdle();

Q_SIGNALS:
    // Something the user should know: the database set aside, a write that failed.
    void message(const QString& text);
    // The entry written with the given sequence number (counted from 1 by add()) got its id.
    void stored(qint64 sequence, qint64 id);

private:
    // Runs on the store's thread, with the database open (nothing when it could not be).
    void post(std::function<void(HistoryDb&)> work, bool wait = false);
    void writePending(HistoryDb& db);
    template <typename Result>
    void answer(QPointer<QObject> context, std::function<void(const Result&)> done, Result result);

    QString m_file;
    HistoryLimits m_limits;
    QThread m_thread;
    QObject* m_worker;               // lives on m_thread
    std::unique_ptr<HistoryDb> m_db; // used on m_thread only
    bool m_failed = false;           // the database could not be opened at all
    std::mutex m_pendingMutex;
    std::vector<HistoryEntry> m_pending;
    qint64 m_sequence = 0;
};
