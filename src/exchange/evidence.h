#pragma once

#include "exchange/tls.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

// One exchange written down for a colleague or a support ticket.
struct Evidence {
    QString page;        // the tab the action ran from
    QString servicePath; // "TNFeAPI/AutenticaSEFAZ"
    QString method;
    QString url;
    QDateTime started;
    QString companyCode; // the code only: the company key is never written
    QString user;        // the basic-authentication user, empty without authentication
    int status = 0;
    QString statusLine;
    QString failure;
    double elapsedMs = 0;
    QByteArray request;
    QByteArray answer;
    QByteArray answerContentType;
    struct File {
        QString name; // as shown in the summary and stored in the archive
        QString path; // where it is on disk
    };
    std::vector<File> files; // the files the action saved
    QString programVersion;
    TlsSettings tls;       // as set for an HTTPS address
    TlsSession tlsSession; // as the connection was made
};

// The text with the values of password members ("Senha…", "…Password…", any case) replaced
// by "***", in JSON and in JSON carried inside a JSON string; every other byte stays.
QByteArray redactPasswords(const QByteArray& json);

// The readable summary: what, when, where, the TLS of an HTTPS exchange (its version, the server's
// certificate, the files set, and a mark when the certificate was not checked), status, timings,
// sizes and the SHA-256 of the request as sent, the answer and every file.
QString evidenceSummary(const Evidence& evidence);

// Writes a ZIP archive holding "resumo.txt" (the summary), "requisicao.txt" (the request,
// passwords redacted), "resposta.txt" (the answer's bytes) and "arquivos/" + each file.
// Raises EFileError when it cannot be written.
void writeEvidence(const Evidence& evidence, const QString& zipPath);
