#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <memory>
#include <utility>

// Runs work on the shared thread pool and hands its result to done on the UI thread, unless
// the receiver has been destroyed meanwhile (the result is then dropped).
template <typename Work, typename Done>
void runOffUiThread(QObject* receiver, Work work, Done done) {
    using Result = decltype(work());
    const QPointer<QObject> guard(receiver);
    QThreadPool::globalInstance()->start([guard, work = std::move(work), done]() mutable {
        auto result = std::make_shared<Result>(work());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, done, result]() mutable {
                if (guard)
                    done(std::move(*result));
            },
            Qt::QueuedConnection);
    });
}

// A thread of the lowest priority, which runs only when no other thread of the program or
// of the system wants a processor: letting go of memory never delays the UI thread nor the
// work the user waits for. Null once the application is gone.
QThreadPool* releasePool();

// Lets go of values on the release thread and leaves them empty. The last reference to a
// large answer, its index or its formatted view would otherwise be freed on the UI thread, and
// giving a few hundred megabytes back to the system takes it tens of milliseconds (the texts
// themselves give their memory back in steps, away from the UI thread). The values are shared
// data (Qt's implicitly shared types, shared_ptr to const), so that another holder (the
// clipboard, a task still reading) keeps reading them unchanged. Once the application is gone
// (the clipboard's data is freed at exit), they are freed here.
template <typename... T> void releaseOffUiThread(T&... values) {
    QThreadPool* const pool = releasePool();
    if (!pool) {
        ((values = T{}), ...);
        return;
    }
    pool->start([... held = std::exchange(values, T{})]() mutable { ((held = T{}), ...); });
}
