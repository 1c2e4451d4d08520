#include "widgets/offthread.h"

QThreadPool* releasePool() {
    QCoreApplication* const app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    // Made on first use and owned by the application: gone with it.
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(app);
        pool->setMaxThreadCount(1);
        pool->setThreadPriority(QThread::IdlePriority);
    }
    return pool;
}
