// The stored history: what is written, how it is found again, what the limits remove and what
// happens to a damaged file.
#include "exchange/historystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

HistoryEntry entry(const QDateTime& started, const QString& service, const QByteArray& request,
                   const QByteArray& answer, const QString& environment = u"Local"_s) {
    HistoryEntry e;
    e.record.started = started;
    e.record.method = u"POST"_s;
    e.record.servicePath = service;
    e.record.url = u"http://localhost/"_s + service;
    e.record.status = 200;
    e.record.request = request;
    e.record.answer = answer;
    e.page = u"ts_"_s + service.section(u'/', 1);
    e.environment = environment;
    return e;
}

QStringList services(const HistoryPage& page) {
    QStringList s;
    for (const HistoryEntry& e : page.entries)
        s << e.record.servicePath;
    return s;
}

class HistoryDbTest : public ::testing::Test {
protected:
    QString file() const { return dir.filePath(u"historico.sqlite"_s); }
    QTemporaryDir dir;
    const QDateTime t0 = QDateTime(QDate(2026, 3, 2), QTime(10, 0));
};

} // namespace

TEST_F(HistoryDbTest, StoresRedactedCompressedAndFindsByEveryFilter) {
    {
        HistoryDb db(file());
        EXPECT_TRUE(db.setAsideMessage().isEmpty());
        HistoryEntry rejected = entry(t0.addSecs(60), u"TNFeAPI/CancelarNFe"_s,
                                      R"({"Dados":{"JUSTIFICATIVA":"erro de digitação"}})",
                                      R"({"err":true})", u"Homologação"_s);
        rejected.record.rejected = true;
        HistoryEntry failed = entry(t0.addDays(2), u"TConexaoAPI/Sobre"_s, {}, {});
        failed.record.status = 0;
        failed.record.failure = u"Connection refused"_s;
        const std::vector<qint64> ids =
            db.add({entry(t0, u"TConexaoAPI/ConectaMiddleware"_s,
                          R"({"Usuario":"ana","Senha":"segredo123"})", R"({"result":["ok"]})"),
                    rejected, failed});
        ASSERT_EQ(ids.size(), 3u);

        const auto stored = db.load(ids[0]);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->record.request, R"({"Usuario":"ana","Senha":"***"})");
        EXPECT_EQ(stored->requestSize, 38); // as sent
        EXPECT_EQ(stored->record.answer, R"({"result":["ok"]})");
        EXPECT_EQ(stored->environment, u"Local"_s);
        EXPECT_EQ(stored->record.started, t0);
    }
    HistoryDb db(file()); // as the next session finds it
    const auto find = [&](const HistoryFilter& f) { return services(db.query(f, 0, 10)); };
    EXPECT_EQ(find({}), (QStringList{u"TConexaoAPI/Sobre"_s, u"TNFeAPI/CancelarNFe"_s,
                                     u"TConexaoAPI/ConectaMiddleware"_s}));
    EXPECT_EQ(find({.environment = u"Homologação"_s}), QStringList{u"TNFeAPI/CancelarNFe"_s});
    EXPECT_EQ(find({.service = u"conexaoapi"_s}).size(), 2);
    EXPECT_EQ(find({.service = u"ts_CancelarNFe"_s}), QStringList{u"TNFeAPI/CancelarNFe"_s});
    EXPECT_EQ(find({.verdict = u"Rejeitada"_s}), QStringList{u"TNFeAPI/CancelarNFe"_s});
    EXPECT_EQ(find({.verdict = u"Falha"_s}), QStringList{u"TConexaoAPI/Sobre"_s});
    EXPECT_EQ(find({.from = t0.addSecs(1), .until = t0.addDays(1)}),
              QStringList{u"TNFeAPI/CancelarNFe"_s});
    // Words, accents ignored, the last one as a prefix; a redacted password is not there.
    EXPECT_EQ(find({.text = u"digitacao"_s}), QStringList{u"TNFeAPI/CancelarNFe"_s});
    EXPECT_EQ(find({.text = u"erro de dig"_s}), QStringList{u"TNFeAPI/CancelarNFe"_s});
    EXPECT_TRUE(find({.text = u"segredo123"_s}).isEmpty());
    EXPECT_TRUE(find({.text = u"\"*"_s}).isEmpty());
    EXPECT_EQ(db.environments(), (QStringList{u"Homologação"_s, u"Local"_s}));
}

TEST_F(HistoryDbTest, PagesComeLatestFirstWithTheTotal) {
    HistoryDb db(file());
    std::vector<HistoryEntry> many;
    for (int i = 0; i < 250; ++i)
        many.push_back(entry(t0.addSecs(i), u"TNFeAPI/N%1"_s.arg(i), "{}", "{}"));
    db.add(many);
    const HistoryPage third = db.query({}, 200, 100);
    EXPECT_EQ(third.total, 250);
    ASSERT_EQ(third.entries.size(), 50u);
    EXPECT_EQ(third.entries.front().record.servicePath, u"TNFeAPI/N49"_s);
    EXPECT_EQ(third.entries.back().record.servicePath, u"TNFeAPI/N0"_s);
    EXPECT_TRUE(third.entries.front().record.answer.isEmpty()); // a listing carries no bodies
}

TEST_F(HistoryDbTest, LimitsRemoveTheOldestByAgeThenBySize) {
    HistoryDb db(file());
    const QDateTime now = t0.addDays(40);
    std::vector<HistoryEntry> batch;
    batch.push_back(entry(t0, u"TNFeAPI/Velha"_s, "{}", "{}")); // 40 days old
    batch.push_back(entry(now.addDays(-29), u"TNFeAPI/Recente"_s, "{}", "{}"));
    db.add(batch);
    EXPECT_EQ(db.applyLimits({.maxAgeDays = 30, .maxBytes = 0}, now), 1);
    EXPECT_EQ(services(db.query({}, 0, 10)), QStringList{u"TNFeAPI/Recente"_s});

    // Bodies that do not compress, so that the file grows with every entry.
    std::vector<HistoryEntry> large;
    for (int i = 0; i < 40; ++i) {
        QByteArray noise(20 * 1024, Qt::Uninitialized);
        quint32 seed = quint32(i + 1);
        for (qsizetype b = 0; b < noise.size(); ++b) {
            seed = seed * 1664525u + 1013904223u;
            noise[b] = char('a' + (seed >> 24) % 26);
        }
        large.push_back(entry(now.addSecs(i), u"TNFeAPI/G%1"_s.arg(i), noise, "{}"));
    }
    db.add(large);
    const qint64 before = db.usedBytes();
    const qint64 limit = before / 2;
    EXPECT_GT(db.applyLimits({.maxAgeDays = 0, .maxBytes = limit}, now), 0);
    EXPECT_LE(db.usedBytes(), limit);
    const HistoryPage left = db.query({}, 0, 100);
    ASSERT_FALSE(left.entries.empty());
    EXPECT_EQ(left.entries.front().record.servicePath, u"TNFeAPI/G39"_s); // the newest stay
    EXPECT_FALSE(services(left).contains(u"TNFeAPI/Recente"_s));          // the oldest went first

    db.clear();
    EXPECT_EQ(db.count(), 0);
}

TEST_F(HistoryDbTest, DamagedFileIsSetAsideAndANewOneStarted) {
    QFile damaged(file());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, '\x5a'));
    damaged.close();
    HistoryDb db(file());
    EXPECT_TRUE(db.setAsideMessage().contains(u"histórico novo foi iniciado"_s))
        << db.setAsideMessage().toStdString();
    const QStringList aside = QDir(dir.path()).entryList({u"historico-danificado-*.sqlite"_s});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(QFileInfo(dir.filePath(aside[0])).size(), 8192); // kept as it was
    db.add({entry(t0, u"TConexaoAPI/Sobre"_s, "{}", "{}")});
    EXPECT_EQ(db.count(), 1);
}

TEST_F(HistoryDbTest, StoreWritesOffTheCallersThreadAndAnswersOnIt) {
    HistoryStore store(file(), {.maxAgeDays = 0, .maxBytes = 0});
    QSignalSpy messages(&store, &HistoryStore::message);
    for (int i = 0; i < 30; ++i)
        store.add(entry(t0.addSecs(i), u"TNFeAPI/N%1"_s.arg(i), "{}", "{\"x\":1}"));
    HistoryPage got;
    QEventLoop loop;
    QObject context;
    store.query({.text = u"x"_s}, 0, 10, &context, [&](const HistoryPage& page) {
        EXPECT_EQ(QThread::currentThread(), context.thread());
        got = page;
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(got.total, 30);
    EXPECT_EQ(got.entries.size(), 10u);
    const auto loaded = store.loadNow(got.entries.front().id);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->record.answer, "{\"x\":1}");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(HistoryDbTest, AnAskerGoneBeforeItsAnswerIsLeftAlone) {
    HistoryStore store(file(), {.maxAgeDays = 0, .maxBytes = 0});
    // The store's thread is held inside a write while the asker goes away.
    QSemaphore writing, goOn;
    qint64 storedId = 0;
    QObject::connect(
        &store, &HistoryStore::stored, &store,
        [&](qint64, qint64 id) {
            storedId = id;
            writing.release();
            goOn.acquire();
        },
        Qt::DirectConnection);
    store.add(entry(t0, u"TConexaoAPI/Sobre"_s, "{}", "{}"));
    writing.acquire();
    bool answered = false;
    auto asker = std::make_unique<QObject>();
    store.query({}, 0, 10, asker.get(), [&](const HistoryPage&) { answered = true; });
    store.environments(asker.get(), [&](const QStringList&) { answered = true; });
    asker.reset();
    goOn.release();
    store.waitForIdle();
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
    EXPECT_EQ(store.loadNow(storedId)->record.servicePath, u"TConexaoAPI/Sobre"_s);
}

// The database is opened on first use (a store nobody used leaves no file behind), and its
// limits are applied then.
TEST_F(HistoryDbTest, StoreOpensTheDatabaseOnFirstUseAndAppliesTheLimitsThen) {
    const QString unused = dir.filePath(u"sem-uso/historico.sqlite"_s);
    { HistoryStore idle(unused); }
    EXPECT_FALSE(QFile::exists(unused));

    const QDateTime now = QDateTime::currentDateTime();
    {
        HistoryDb db(file());
        db.add({entry(now.addDays(-40), u"TNFeAPI/Velha"_s, "{}", "{}"),
                entry(now.addDays(-1), u"TNFeAPI/Recente"_s, "{}", "{}")});
    }
    HistoryStore store(file(), {.maxAgeDays = 30, .maxBytes = 0});
    HistoryPage got;
    QEventLoop loop;
    QObject context;
    store.query({}, 0, 10, &context, [&](const HistoryPage& page) {
        got = page;
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(services(got), QStringList{u"TNFeAPI/Recente"_s});
}
