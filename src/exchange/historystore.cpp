#include "exchange/historystore.h"

#include "common/exception.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLimitsEveryMs = 60 * 60 * 1000;
}

QString HistoryStore::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           u"/historico.sqlite"_s;
}

HistoryStore::HistoryStore(QString file, HistoryLimits limits, QObject* parent)
    : QObject(parent), m_file(std::move(file)), m_limits(limits), m_worker(new QObject) {
    m_thread.setObjectName(u"historico"_s);
    auto* hourly = new QTimer(this);
    hourly->setInterval(kLimitsEveryMs);
    connect(hourly, &QTimer::timeout, this, &HistoryStore::applyLimitsNow);
    hourly->start();
}

HistoryStore::~HistoryStore() {
    if (!m_thread.isRunning()) { // nothing was ever asked of the store
        delete m_worker;
        return;
    }
    // What is queued is written first; the database is closed on its own thread.
    QMetaObject::invokeMethod(
        m_worker, [this] { m_db.reset(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void HistoryStore::post(std::function<void(HistoryDb&)> work, bool wait) {
    if (!m_thread.isRunning()) { // the thread starts with the first work asked of the store
        m_worker->moveToThread(&m_thread);
        connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread.start(QThread::LowPriority);
    }
    const auto run = [this, work = std::move(work)] {
        if (!m_db && !m_failed) {
            try {
                QDir().mkpath(QFileInfo(m_file).absolutePath());
                m_db = std::make_unique<HistoryDb>(m_file);
                if (!m_db->setAsideMessage().isEmpty())
                    Q_EMIT message(m_db->setAsideMessage());
            } catch (const Exception& e) {
                m_failed = true;
                Q_EMIT message(u"O histórico não será guardado nesta sessão: "_s + e.message());
            }
            if (m_db) {
                try {
                    m_db->applyLimits(m_limits, QDateTime::currentDateTime());
                } catch (const Exception& e) {
                    Q_EMIT message(e.message());
                }
            }
        }
        if (!m_db)
            return;
        try {
            work(*m_db);
        } catch (const Exception& e) {
            Q_EMIT message(e.message());
        }
    };
    QMetaObject::invokeMethod(m_worker, run,
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void HistoryStore::add(HistoryEntry entry) {
    bool first = false;
    {
        const std::lock_guard lock(m_pendingMutex);
        first = m_pending.empty();
        m_pending.push_back(std::move(entry));
    }
    if (first) // one write takes every entry queued until it runs
        post([this](HistoryDb& db) { writePending(db); });
}

void HistoryStore::writePending(HistoryDb& db) {
    std::vector<HistoryEntry> batch;
    {
        const std::lock_guard lock(m_pendingMutex);
        batch.swap(m_pending);
    }
    if (batch.empty())
        return;
    const std::vector<qint64> ids = db.add(batch);
    for (const qint64 id : ids)
        Q_EMIT stored(++m_sequence, id);
}

void HistoryStore::setFiles(qint64 id, const QStringList& files) {
    post([id, files](HistoryDb& db) { db.setFiles(id, files); });
}

template <typename Result>
void HistoryStore::answer(QPointer<QObject> context, std::function<void(const Result&)> done,
                          Result result) {
    // Through the store (on the asking thread), which finds out whether the asker is still there.
    // The guard was made on that thread when the question was asked: the asker may be gone by
    // the time the answer is ready, and a guard cannot be made here from a pointer that dangles.
    QMetaObject::invokeMethod(
        this,
        [context = std::move(context), done = std::move(done), result = std::move(result)] {
            if (context)
                done(result);
        },
        Qt::QueuedConnection);
}

void HistoryStore::query(const HistoryFilter& filter, int offset, int limit, QObject* context,
                         std::function<void(const HistoryPage&)> done) {
    post([this, filter, offset, limit, context = QPointer<QObject>(context),
          done = std::move(done)](HistoryDb& db) {
        answer<HistoryPage>(context, done, db.query(filter, offset, limit));
    });
}

void HistoryStore::environments(QObject* context, std::function<void(const QStringList&)> done) {
    post([this, context = QPointer<QObject>(context), done = std::move(done)](HistoryDb& db) {
        answer<QStringList>(context, done, db.environments());
    });
}

std::optional<HistoryEntry> HistoryStore::loadNow(qint64 id) {
    std::optional<HistoryEntry> entry;
    post([&](HistoryDb& db) { entry = db.load(id); }, true);
    return entry;
}

void HistoryStore::clear(QObject* context, std::function<void()> done) {
    post([this, context = QPointer<QObject>(context), done = std::move(done)](HistoryDb& db) {
        db.clear();
        answer<bool>(
            context, [done](const bool&) { done(); }, true);
    });
}

void HistoryStore::applyLimitsNow() {
    post([limits = m_limits](HistoryDb& db) {
        db.applyLimits(limits, QDateTime::currentDateTime());
    });
}

void HistoryStore::waitForIdle() {
    post([](HistoryDb&) {}, true);
}
