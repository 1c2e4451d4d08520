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
// sizes, whether the middleware rejected it, then its method and URL.
class ExchangeStatus : public QWidget {
    Q_OBJECT
public:
    explicit ExchangeStatus(QWidget* parent = nullptr);

    void showRecord(const ExchangeRecord& record);
    QString text() const;
    // The time-out the user chose for requests, in seconds; 0: none.
    int timeoutSeconds() const;

Q_SIGNALS:
    void timeoutChanged(int seconds);

private:
    void waitStarted(const QString& what);
    void waitEnded();
    void tick();

    QLabel* m_text;
    QPushButton* m_cancel;
    QSpinBox* m_timeout;
    QTimer m_ticker;
    QElapsedTimer m_elapsed;
    QString m_waitingFor;
};
