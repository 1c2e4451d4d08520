#pragma once

#include "widgets/exchangerecord.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

// The line above the panes that says what the exchange is doing: while a request waits, the
// URL with the time elapsed and the "Cancelar" button; once it ends, its HTTP status, time and
// sizes, whether the middleware rejected it, over HTTPS the TLS version and the server's
// certificate (marked when it was not checked), then its method and URL, and last the
// certificate's fingerprint.
// What the status line is told besides exchanges: files saved and the outcome of runs. Any
// layer above the widgets announces through it; the window's status line shows it.
class StatusAnnouncements : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void fileSaved(const QString& path);
    // A further file the same action saved (beside the one announced): kept with the
    // exchange, not shown in the line.
    void fileSavedBeside(const QString& path);
    void outcome(const QString& text, bool bad);
};
StatusAnnouncements& statusAnnouncements();

class ExchangeStatus : public QWidget {
    Q_OBJECT
public:
    explicit ExchangeStatus(QWidget* parent = nullptr);

    void showRecord(const ExchangeRecord& record);
    // A file the last action wrote: its place and size, with "Abrir" and "Abrir pasta".
    void showSavedFile(const QString& path);
    // The outcome of an action of many exchanges (a batch run), in place of the last one's.
    void showOutcome(const QString& text, bool bad);
    QString text() const;
    // The time-out the user chose for requests, in seconds; 0: none.
    int timeoutSeconds() const;

Q_SIGNALS:
    void timeoutChanged(int seconds);

private:
    void waitStarted(const QString& what);
    void waitEnded();
    void tick();

    void setFileLinks(const QString& path);

    QLabel* m_text;
    QPushButton* m_open;
    QPushButton* m_openFolder;
    QString m_savedFile;
    QPushButton* m_cancel;
    QSpinBox* m_timeout;
    QTimer m_ticker;
    QElapsedTimer m_elapsed;
    QString m_waitingFor;
};
