#include "mappedfile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdint>

namespace {

// The one mapping watched for bus errors, and what is said when one falls inside it.
std::atomic<const char*> g_begin{nullptr};
std::atomic<const char*> g_end{nullptr};
QByteArray g_message;
struct sigaction g_previous {};

void onBusError(int signal, siginfo_t* info, void*) {
    const auto* at = static_cast<const char*>(info->si_addr);
    if (at >= g_begin.load() && at < g_end.load()) {
        // Only async-signal-safe calls here.
        [[maybe_unused]] const ssize_t n =
            ::write(STDERR_FILENO, g_message.constData(), std::size_t(g_message.size()));
        ::_exit(2);
    }
    // Not the mapping: the fault is left to what handled it before (by default, the end).
    ::sigaction(signal, &g_previous, nullptr);
}

std::uintptr_t pageStart(const char* p) {
    static const auto pageSize = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    return reinterpret_cast<std::uintptr_t>(p) & ~(pageSize - 1);
}

} // namespace

std::unique_ptr<MappedFile> MappedFile::map(int fd, std::size_t size, const QString& name) {
    if (size == 0 || g_begin.load())
        return nullptr;
    void* const data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED)
        return nullptr;
    auto* const begin = static_cast<const char*>(data);
    g_message = QStringLiteral("testador-cli: o arquivo '%1' ficou menor enquanto era lido; o "
                               "comando foi interrompido\n")
                    .arg(name)
                    .toUtf8();
    g_begin = begin;
    g_end = begin + size;
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &g_previous);
    return std::unique_ptr<MappedFile>(new MappedFile(begin, size));
}

MappedFile::MappedFile(const char* data, std::size_t size) : m_data(data), m_size(size) {}

MappedFile::~MappedFile() {
    ::sigaction(SIGBUS, &g_previous, nullptr);
    g_begin = nullptr;
    g_end = nullptr;
    ::munmap(const_cast<char*>(m_data), m_size);
}

void MappedFile::release(std::string_view part) const {
    // Whole pages only, up to the one the part ends in (read on, it comes back); the mapping
    // is read-only, so nothing given back is lost.
    const std::uintptr_t from = pageStart(part.data());
    const std::uintptr_t to = pageStart(part.data() + part.size());
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
}
