#pragma once

#include "exchange/exchangerecord.h"

#include <QStringList>

// One finished exchange as the history keeps it: the record, where it ran from and what its
// action saved. A plain value; the store writes every member (bodies compressed, passwords
// redacted).
struct HistoryEntry {
    ExchangeRecord record;
    QString page;        // the tab the action ran from
    QString environment; // the environment chosen when it ran ("" without one)
    QStringList files;   // the files the action saved, when known
    qint64 id = 0;       // in the store; 0 before it is stored
    // The bodies' sizes: a listed entry comes without its bodies.
    qint64 requestSize = 0;
    qint64 answerSize = 0;
};

// The entry's verdict in one word, as the history lists and filters it: "OK", "Rejeitada",
// "Erro HTTP", "Cancelada" or "Falha".
QString verdictOf(const ExchangeRecord& record);
// Every verdict, in the order the history offers them.
QStringList allVerdicts();
