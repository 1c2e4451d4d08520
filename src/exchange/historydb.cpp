#include "exchange/historydb.h"

#include "common/exception.h"
#include "exchange/evidence.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// The word index holds the start of each body only: enough to find an exchange by what it is
// about, without an index larger than the bodies.
constexpr qsizetype kIndexedBytes = 256 * 1024;

QString indexedText(const QByteArray& request, const QByteArray& answer) {
    return QString::fromUtf8(request.left(kIndexedBytes)) + u'\n' +
           QString::fromUtf8(answer.left(kIndexedBytes));
}

QString failureOf(const QSqlQuery& q) {
    return q.lastError().text();
}

void run(QSqlQuery& q, const QString& what) {
    if (!q.exec())
        throw EFileError(u"Histórico: não foi possível %1: %2"_s.arg(what, failureOf(q)));
}

void run(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw EFileError(u"Histórico: \"%1\" falhou: %2"_s.arg(sql, failureOf(q)));
}

// A phrase for the word index: every word of the text, the last one as a prefix.
QString matchExpression(const QString& text) {
    QStringList words;
    QString word;
    for (const QChar c : text + u' ') {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (words.isEmpty())
        return {};
    return u"\""_s + words.join(u' ') + u"\" *"_s;
}

const QString kColumns =
    u"id, started, environment, page, method, service, url, authenticated, company, status, "
    "status_line, content_type, failure, cancelled, rejected, rejection, elapsed_ms, "
    "request_size, answer_size, files"_s;

HistoryEntry summaryOf(const QSqlQuery& q) {
    HistoryEntry e;
    ExchangeRecord& r = e.record;
    e.id = q.value(0).toLongLong();
    r.started = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong());
    e.environment = q.value(2).toString();
    e.page = q.value(3).toString();
    r.method = q.value(4).toString();
    r.servicePath = q.value(5).toString();
    r.url = q.value(6).toString();
    r.authenticated = q.value(7).toBool();
    r.companyCode = q.value(8).toString();
    r.status = q.value(9).toInt();
    r.statusLine = q.value(10).toString();
    r.contentType = q.value(11).toByteArray();
    r.failure = q.value(12).toString();
    r.cancelled = q.value(13).toBool();
    r.rejected = q.value(14).toBool();
    r.rejection = q.value(15).toString();
    r.elapsedMs = q.value(16).toDouble();
    e.requestSize = q.value(17).toLongLong();
    e.answerSize = q.value(18).toLongLong();
    const QString files = q.value(19).toString();
    e.files = files.isEmpty() ? QStringList() : files.split(u'\n');
    return e;
}

} // namespace

HistoryDb::HistoryDb(const QString& file)
    : m_file(file), m_connection(u"historico-"_s + QUuid::createUuid().toString()) {
    const QString reason = openFile();
    if (reason.isEmpty())
        return;
    QSqlDatabase::removeDatabase(m_connection);
    // Set aside with its journal, so that nothing of it is mixed into the new one.
    const QFileInfo info(m_file);
    const QString aside = info.absolutePath() + u'/' + info.completeBaseName() + u"-danificado-"_s +
                          QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s) + u'.' +
                          info.suffix();
    QFile::remove(aside);
    if (!QFile::rename(m_file, aside))
        throw EFileError(
            u"O histórico em \"%1\" está danificado e não pôde ser posto de lado."_s.arg(m_file));
    for (const QString& journal : {u"-wal"_s, u"-shm"_s})
        if (QFile::exists(m_file + journal))
            QFile::rename(m_file + journal, aside + journal);
    m_setAside = u"O histórico não pôde ser aberto (%1). O arquivo foi guardado como \"%2\" e um "
                 "histórico novo foi iniciado."_s.arg(reason, aside);
    if (const QString failure = openFile(); !failure.isEmpty())
        throw EFileError(
            u"Não foi possível criar o histórico em \"%1\": %2"_s.arg(m_file, failure));
}

HistoryDb::~HistoryDb() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString HistoryDb::openFile() {
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(m_file);
    if (!db.open())
        return db.lastError().text();
    try {
        createSchema();
    } catch (const Exception& e) {
        db.close();
        return e.message();
    }
    return {};
}

void HistoryDb::createSchema() {
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    {
        // Reading the schema is what finds a file that is not a database.
        QSqlQuery probe(db);
        if (!probe.exec(u"SELECT count(*) FROM sqlite_master"_s))
            throw EFileError(failureOf(probe));
    }
    run(db, u"PRAGMA auto_vacuum = INCREMENTAL"_s); // before the first table: freed pages go back
    run(db, u"PRAGMA journal_mode = WAL"_s);
    run(db, u"PRAGMA synchronous = NORMAL"_s);
    run(db, u"CREATE TABLE IF NOT EXISTS exchange ("
            "id INTEGER PRIMARY KEY, started INTEGER NOT NULL, environment TEXT, page TEXT, "
            "method TEXT, service TEXT, url TEXT, authenticated INTEGER, company TEXT, "
            "status INTEGER, status_line TEXT, content_type BLOB, failure TEXT, "
            "cancelled INTEGER, rejected INTEGER, rejection TEXT, verdict TEXT, "
            "elapsed_ms REAL, request_size INTEGER, answer_size INTEGER, files TEXT, "
            "request BLOB, answer BLOB)"_s);
    run(db, u"CREATE INDEX IF NOT EXISTS exchange_started ON exchange(started)"_s);
    // Contentless: the bodies are stored compressed once; the index keeps only the words.
    run(db, u"CREATE VIRTUAL TABLE IF NOT EXISTS words USING fts5(body, content='', "
            "tokenize='unicode61 remove_diacritics 2')"_s);
}

std::vector<qint64> HistoryDb::add(const std::vector<HistoryEntry>& entries) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    std::vector<qint64> ids;
    db.transaction();
    try {
        QSqlQuery q(db);
        q.prepare(u"INSERT INTO exchange (started, environment, page, method, service, url, "
                  "authenticated, company, status, status_line, content_type, failure, cancelled, "
                  "rejected, rejection, verdict, elapsed_ms, request_size, answer_size, files, "
                  "request, answer) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s);
        QSqlQuery words(db);
        words.prepare(u"INSERT INTO words (rowid, body) VALUES (?, ?)"_s);
        for (const HistoryEntry& e : entries) {
            const ExchangeRecord& r = e.record;
            const QByteArray request = redactPasswords(r.request);
            const QByteArray answer = redactPasswords(r.answer);
            const QVariantList values = {r.started.toMSecsSinceEpoch(),
                                         e.environment,
                                         e.page,
                                         r.method,
                                         r.servicePath,
                                         r.url,
                                         r.authenticated,
                                         r.companyCode,
                                         r.status,
                                         r.statusLine,
                                         r.contentType,
                                         r.failure,
                                         r.cancelled,
                                         r.rejected,
                                         r.rejection,
                                         verdictOf(r),
                                         r.elapsedMs,
                                         qint64(r.request.size()),
                                         qint64(r.answer.size()),
                                         e.files.join(u'\n'),
                                         qCompress(request),
                                         qCompress(answer)};
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values[i]);
            run(q, u"gravar a troca"_s);
            const qint64 id = q.lastInsertId().toLongLong();
            words.bindValue(0, id);
            words.bindValue(1, indexedText(request, answer));
            run(words, u"indexar a troca"_s);
            ids.push_back(id);
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw EFileError(u"Histórico: não foi possível gravar: %1"_s.arg(db.lastError().text()));
    return ids;
}

void HistoryDb::setFiles(qint64 id, const QStringList& files) {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"UPDATE exchange SET files = ? WHERE id = ?"_s);
    q.addBindValue(files.join(u'\n'));
    q.addBindValue(id);
    run(q, u"gravar os arquivos da troca"_s);
}

HistoryPage HistoryDb::query(const HistoryFilter& f, int offset, int limit) {
    QStringList where;
    QVariantList values;
    if (!f.environment.isEmpty()) {
        where << u"environment = ?"_s;
        values << f.environment;
    }
    if (!f.service.isEmpty()) {
        QString pattern = f.service;
        pattern.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s);
        pattern = u'%' + pattern + u'%';
        where << u"(service LIKE ? ESCAPE '\\' OR page LIKE ? ESCAPE '\\')"_s;
        values << pattern << pattern;
    }
    if (!f.verdict.isEmpty()) {
        where << u"verdict = ?"_s;
        values << f.verdict;
    }
    if (f.from.isValid()) {
        where << u"started >= ?"_s;
        values << f.from.toMSecsSinceEpoch();
    }
    if (f.until.isValid()) {
        where << u"started < ?"_s;
        values << f.until.toMSecsSinceEpoch();
    }
    const QString match = matchExpression(f.text);
    if (!match.isEmpty()) {
        where << u"id IN (SELECT rowid FROM words WHERE words MATCH ?)"_s;
        values << match;
    } else if (!f.text.trimmed().isEmpty()) {
        return {}; // only signs: no word to look for
    }
    const QString condition = where.isEmpty() ? QString() : u" WHERE "_s + where.join(u" AND "_s);
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    HistoryPage page;
    QSqlQuery count(db);
    count.prepare(u"SELECT count(*) FROM exchange"_s + condition);
    for (const QVariant& v : values)
        count.addBindValue(v);
    run(count, u"contar as trocas"_s);
    if (count.next())
        page.total = count.value(0).toLongLong();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(u"SELECT "_s + kColumns + u" FROM exchange"_s + condition +
              u" ORDER BY started DESC, id DESC LIMIT ? OFFSET ?"_s);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.addBindValue(limit);
    q.addBindValue(offset);
    run(q, u"ler as trocas"_s);
    while (q.next())
        page.entries.push_back(summaryOf(q));
    return page;
}

std::optional<HistoryEntry> HistoryDb::load(qint64 id) {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"SELECT "_s + kColumns + u", request, answer FROM exchange WHERE id = ?"_s);
    q.addBindValue(id);
    run(q, u"ler a troca"_s);
    if (!q.next())
        return std::nullopt;
    HistoryEntry e = summaryOf(q);
    e.record.request = qUncompress(q.value(20).toByteArray());
    e.record.answer = qUncompress(q.value(21).toByteArray());
    return e;
}

QStringList HistoryDb::environments() {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"SELECT DISTINCT environment FROM exchange WHERE environment <> '' "
              "ORDER BY environment"_s);
    run(q, u"ler os ambientes"_s);
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

void HistoryDb::removeEntries(const QString& where, const QVariantList& values) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    db.transaction();
    try {
        // A contentless index forgets a row when told its words again.
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        rows.prepare(u"SELECT id, request, answer FROM exchange WHERE "_s + where);
        for (const QVariant& v : values)
            rows.addBindValue(v);
        run(rows, u"ler as trocas a remover"_s);
        QSqlQuery forget(db);
        forget.prepare(u"INSERT INTO words (words, rowid, body) VALUES ('delete', ?, ?)"_s);
        while (rows.next()) {
            forget.bindValue(0, rows.value(0));
            forget.bindValue(1, indexedText(qUncompress(rows.value(1).toByteArray()),
                                            qUncompress(rows.value(2).toByteArray())));
            run(forget, u"remover a troca do índice"_s);
        }
        QSqlQuery remove(db);
        remove.prepare(u"DELETE FROM exchange WHERE "_s + where);
        for (const QVariant& v : values)
            remove.addBindValue(v);
        run(remove, u"remover as trocas"_s);
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw EFileError(u"Histórico: não foi possível remover: %1"_s.arg(db.lastError().text()));
    // The index keeps what it forgot until its parts are merged.
    run(db, u"INSERT INTO words (words) VALUES ('optimize')"_s);
    run(db, u"PRAGMA incremental_vacuum"_s);
}

qint64 HistoryDb::applyLimits(const HistoryLimits& limits, const QDateTime& now) {
    const qint64 before = count();
    if (limits.maxAgeDays > 0)
        removeEntries(u"started < ?"_s, {now.addDays(-limits.maxAgeDays).toMSecsSinceEpoch()});
    // Oldest first, a twentieth of what is left at a time, until the file fits.
    while (limits.maxBytes > 0 && usedBytes() > limits.maxBytes) {
        const qint64 left = count();
        if (left == 0)
            break;
        removeEntries(u"id IN (SELECT id FROM exchange ORDER BY started, id LIMIT ?)"_s,
                      {std::max<qint64>(1, left / 20)});
    }
    return before - count();
}

void HistoryDb::clear() {
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    run(db, u"DELETE FROM exchange"_s);
    run(db, u"INSERT INTO words (words) VALUES ('delete-all')"_s);
    run(db, u"PRAGMA incremental_vacuum"_s);
}

qint64 HistoryDb::usedBytes() {
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const auto pragma = [&](const QString& name) {
        QSqlQuery q(db);
        if (!q.exec(u"PRAGMA "_s + name) || !q.next())
            throw EFileError(u"Histórico: %1: %2"_s.arg(name, failureOf(q)));
        return q.value(0).toLongLong();
    };
    // The write-ahead log is folded in first, so that the figure is the file's.
    run(db, u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    return (pragma(u"page_count"_s) - pragma(u"freelist_count"_s)) * pragma(u"page_size"_s);
}

qint64 HistoryDb::count() {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(u"SELECT count(*) FROM exchange"_s) || !q.next())
        throw EFileError(u"Histórico: não foi possível contar as trocas: %1"_s.arg(failureOf(q)));
    return q.value(0).toLongLong();
}
