#include "common/memorysteps.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdint>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace memorysteps {

namespace {

constexpr std::size_t kStep = std::size_t(4) << 20;
// Smaller blocks are freed at once: their pages are few.
constexpr std::size_t kWorthSteps = std::size_t(8) << 20;

} // namespace

bool awayFromUiThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() != app->thread();
}

void giveBack(void* data, std::size_t bytes) {
#ifdef Q_OS_LINUX
    if (!data || bytes < kWorthSteps)
        return;
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
    const std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
    while (from < to) {
        const std::size_t length = std::min<std::size_t>(kStep, to - from);
        ::madvise(reinterpret_cast<void*>(from), length, MADV_DONTNEED);
        from += length;
        std::this_thread::yield();
    }
#else
    (void)data;
    (void)bytes;
#endif
}

void giveBack(QByteArray& bytes) {
    // Shared (or the bytes of another, fromRawData): the last holder frees them.
    if (!bytes.data_ptr().needsDetach())
        giveBack(bytes.data_ptr().data(), std::size_t(bytes.capacity()));
    bytes = QByteArray();
}

void giveBack(QString& text) {
    if (!text.data_ptr().needsDetach())
        giveBack(text.data_ptr().data(), std::size_t(text.capacity()) * sizeof(QChar));
    text = QString();
}

} // namespace memorysteps
