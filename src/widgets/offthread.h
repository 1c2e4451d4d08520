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
