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

std::uintptr_t pageSize() {
    static const auto size = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    return size;
}

std::uintptr_t pageStart(const char* p) {
    return reinterpret_cast<std::uintptr_t>(p) & ~(pageSize() - 1);
}

std::size_t wholePages(std::size_t bytes) {
    return (bytes + pageSize() - 1) & ~(pageSize() - 1);
}

} // namespace

std::unique_ptr<MappedFile> MappedFile::map(int fd, std::size_t size, const QString& name) {
    if (size == 0 || g_begin.load())
        return nullptr;
    // Room for the file and a zero byte after it, as anonymous memory first (it reads as
    // zeros), then the file over its start: the rest of the file's last page reads as zeros
    // too, and a file that fills its last page is followed by the anonymous page.
    const std::size_t filePages = wholePages(size);
    const std::size_t mapped = wholePages(size + 1);
    void* const room =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED)
        return nullptr;
    if (::mmap(room, filePages, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_FIXED, fd, 0) ==
        MAP_FAILED) {
        ::munmap(room, mapped);
        return nullptr;
    }
    auto* const begin = static_cast<char*>(room);
    g_message = QStringLiteral("testador-cli: o arquivo '%1' ficou menor enquanto era lido; o "
                               "comando foi interrompido\n")
                    .arg(name)
                    .toUtf8();
    g_begin = begin;
    g_end = begin + filePages;
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &g_previous);
    return std::unique_ptr<MappedFile>(new MappedFile(begin, size, mapped));
}

MappedFile::MappedFile(char* data, std::size_t size, std::size_t mapped)
    : m_data(data), m_size(size), m_mapped(mapped) {}

MappedFile::~MappedFile() {
    ::sigaction(SIGBUS, &g_previous, nullptr);
    g_begin = nullptr;
    g_end = nullptr;
    ::munmap(m_data, m_mapped);
}

void MappedFile::release(std::string_view part) const {
    // Whole pages only, up to the one the part ends in (read on, it comes back); a private
    // page given back reads as the file again.
    const std::uintptr_t from = pageStart(part.data());
    const std::uintptr_t to = pageStart(part.data() + part.size());
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
}

void MappedFile::restore() const {
    ::madvise(m_data, wholePages(m_size), MADV_DONTNEED);
}
