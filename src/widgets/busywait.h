#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <optional>
#include <thread>
#include <utility>

// Whether an action is waiting for the middleware (the window refuses to close meanwhile).
bool isWaitingForWork();
void setWaitingForWork(bool waiting);

// Runs blocking work (a request to the middleware) on a helper thread while the window keeps
// painting. User input is held back until the work ends, so the action behaves exactly as a
// blocking call would: nothing else can start meanwhile. Errors of the work are rethrown here.
template <typename Work> auto waitWithoutFreezing(Work&& work) {
    using Result = decltype(work());
    std::optional<Result> result;
    std::exception_ptr error;
    QEventLoop loop;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setWaitingForWork(true);
    std::thread worker([&] {
        try {
            result.emplace(work());
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    setWaitingForWork(false);
    QApplication::restoreOverrideCursor();
    if (error)
        std::rethrow_exception(error);
    return std::move(*result);
}
