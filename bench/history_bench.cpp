// The stored history under load: 10,000 exchanges of 20 kB handed to the window's history
// while its UI thread keeps a 1 ms timer (the longest gap between its ticks is the longest
// stall the user would feel), then a text search over them, as the history window asks it.
// The same timer alone for two seconds first gives the machine's own stall, to read the other
// against. Usage: bench_history [COUNT].
// Prints "count store_ms stall_ms idle_stall_ms search_ms found db_mb".
#include "app/exchangehistory.h"
#include "exchange/historystore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// An answer of about 20 kB that reads like one: a JSON array of records with varied words.
QByteArray answerOf(int n) {
    QByteArray body = R"({"result":[)";
    quint32 seed = quint32(n) * 2654435761u + 1;
    int item = 0;
    while (body.size() < 20 * 1024) {
        seed = seed * 1664525u + 1013904223u;
        body += (item++ ? "," : "") + QByteArray(R"({"CNPJ":")") +
                QByteArray::number(10000000000000ull + seed % 89999999999999ull) +
                R"(","NUMERONOTA":)" + QByteArray::number(seed % 999999) + R"(,"PRODUTO":"item)" +
                QByteArray::number(seed % 5000) + R"( caixa lote)" +
                QByteArray::number((seed >> 8) % 700) + R"("})";
    }
    return body + "]}";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QString file = dir.filePath(u"historico.sqlite"_s);
    auto* store = new HistoryStore(file, {.maxAgeDays = 0, .maxBytes = 0});
    ExchangeHistory history([](const QString&, const QString&) {}, nullptr);
    store->setParent(&history);
    history.attachStore(store);
    history.show(); // the list refreshes as exchanges come, as it would for the user

    ExchangeRecord r;
    r.method = u"POST"_s;
    r.servicePath = u"TNFeAPI/ConsultaNFe"_s;
    r.url = u"http://localhost:8080/datasnap/rest/TNFeAPI/ConsultaNFe"_s;
    r.status = 200;
    r.request = R"({"Parametros":{"Id":1001,"Dados":{"Senha":"x","NUMERO":1}}})";

    // Made beforehand: the bench measures the history, not the making of answers.
    std::vector<QByteArray> answers;
    for (int i = 0; i < 256; ++i)
        answers.push_back(answerOf(i));
    QElapsedTimer sinceTick;
    qint64 stall = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { stall = std::max(stall, sinceTick.restart()); });
    sinceTick.start();
    tick.start();
    QEventLoop idleLoop;
    QTimer::singleShot(2000, &idleLoop, &QEventLoop::quit);
    idleLoop.exec();
    const qint64 idleStall = stall;
    stall = 0;
    QElapsedTimer wall;
    wall.start();
    sinceTick.start();
    int added = 0;
    // Ten exchanges every 5 ms: far more than any window makes, yet the UI thread sleeps between
    // them as a window does, so that what is measured is what the history costs it.
    QTimer feed;
    feed.setInterval(5);
    QEventLoop loop;
    QObject::connect(&feed, &QTimer::timeout, [&] {
        for (int i = 0; i < 10 && added < count; ++i, ++added) {
            r.started = QDateTime::currentDateTime();
            r.answer = answers[std::size_t(added) % answers.size()];
            history.add(r, u"ts_ConsultaNFe"_s);
        }
        if (added >= count) {
            feed.stop();
            loop.quit();
        }
    });
    feed.start();
    loop.exec();
    // Waiting for the store, with the timer still running on the UI thread.
    QEventLoop stored; // sleeps between events, as the window's loop does
    std::thread waiter([&] {
        store->waitForIdle();
        QMetaObject::invokeMethod(&stored, &QEventLoop::quit, Qt::QueuedConnection);
    });
    stored.exec();
    waiter.join();
    const qint64 storeMs = wall.elapsed();
    tick.stop();

    QElapsedTimer search;
    search.start();
    HistoryPage found;
    QEventLoop answered;
    store->query({.text = u"caixa lote42"_s}, 0, ExchangeHistory::kPageRows, &history,
                 [&](const HistoryPage& page) {
                     found = page;
                     answered.quit();
                 });
    answered.exec();
    const qint64 searchMs = search.elapsed();
    std::printf("%d %lld %lld %lld %lld %lld %.1f\n", count, static_cast<long long>(storeMs),
                static_cast<long long>(stall), static_cast<long long>(idleStall),
                static_cast<long long>(searchMs), static_cast<long long>(found.total),
                double(QFileInfo(file).size()) / 1e6);
    return 0;
}
