#pragma once

#include "exchange/httpclient.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <exception>
#include <optional>
#include <thread>
#include <utility>

class QWidget;

// Whether an action is waiting for the middleware.
bool isWaitingForWork();

// The flag every request of the running action watches (hand it to the HTTP client): raising
// it ends the transfer at once and the wait with ERequestCancelled.
const std::atomic<bool>* cancelFlag();
// Cancels the work being waited for (the "Cancelar" button, Esc, closing the window).
void requestCancel();
bool cancelRequested();

// Keeps one cancel flag over several waits (a batch run): a cancel during any of them is seen
// by the next one and by cancelRequested() between them.
class CancelScope {
public:
    CancelScope();
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;
};

// Told when a wait starts (with what it waits for, usually the URL) and ends.
class WaitSignals : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void started(const QString& what);
    void ended();
};
WaitSignals& waitSignals();

// A widget that keeps taking input while a wait runs (the "Cancelar" button); every other
// widget of the window refuses mouse, wheel and key input meanwhile, and Esc cancels.
void acceptInputWhileWaiting(QWidget* widget);

// Sets up and takes down everything around one wait (pointer, input guard, signals).
class WaitScope {
public:
    explicit WaitScope(const QString& what);
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

// Runs blocking work (a request to the middleware) on a helper thread while the window keeps
// painting. Nothing else can start meanwhile: user input is refused except by the "Cancelar"
// button and Esc. Errors of the work are rethrown here; a cancelled wait raises
// ERequestCancelled and discards whatever the work returned.
template <typename Work> auto waitWithoutFreezing(const QString& what, Work&& work) {
    using Result = decltype(work());
    std::optional<Result> result;
    std::exception_ptr error;
    {
        const WaitScope scope(what);
        QEventLoop loop;
        std::thread worker([&] {
            try {
                result.emplace(work());
            } catch (...) {
                error = std::current_exception();
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    }
    if (cancelRequested())
        throw ERequestCancelled();
    if (error)
        std::rethrow_exception(error);
    return std::move(*result);
}

template <typename Work> auto waitWithoutFreezing(Work&& work) {
    return waitWithoutFreezing(QString(), std::forward<Work>(work));
}
