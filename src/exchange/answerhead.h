#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the client keeps of an answer's head, read one line at a time as libcurl hands the
// lines over (status lines of interim answers included).
struct AnswerHead {
    QByteArray statusLine;     // the last one, e.g. "HTTP/1.1 200 OK"
    QByteArray contentType;    // of the answer of that status line; empty when absent
    qint64 contentLength = -1; // as announced; -1 when absent or not a number
};

// Takes one line of the head (with or without its line break). A new status line starts a new
// head: what an interim answer (100 Continue, a redirect) said is dropped.
void readHeaderLine(QByteArrayView line, AnswerHead& head);
