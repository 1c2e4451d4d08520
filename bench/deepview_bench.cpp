// The formatted view of deep answers of about 40 kB: its time, its size against the answer's
// and the peak memory of the process that formats it (each shape in a child of its own).
//
//   bench_deepview
//
// Shapes: lists nested 20,000 deep (beyond the depth any reader takes: refused at once), and
// the deepest answer read (512 levels) filled with items at the bottom, each on a line.
#include "common/jsonpretty.h"
#include "common/jsonvalue.h"

#include <QElapsedTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray deepLists() {
    return QByteArray(20'000, '[') + QByteArray(20'000, ']');
}

QByteArray deepestWithItems() {
    const int levels = json::kMaxDepth - 1;
    QByteArray items;
    while (items.size() + 2 * levels < 40'000)
        items += items.isEmpty() ? "0" : ",0";
    return QByteArray(levels, '[') + '[' + items + ']' + QByteArray(levels, ']');
}

void measure(const char* name, const QByteArray& answer) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const QString text = QString::fromLatin1(answer);
        QElapsedTimer timer;
        timer.start();
        const jsonpretty::Formatted view = jsonpretty::format(text);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%-28s %7lld bytes  %8.1f ms  %9lld caracteres (%5.1f×)  %s\n", name,
                    static_cast<long long>(answer.size()), ms,
                    static_cast<long long>(view.isJson ? view.text.size() : 0),
                    view.isJson ? double(view.text.size()) / double(answer.size()) : 0.0,
                    view.isJson ? "formatado" : qPrintable(view.error));
        std::fflush(stdout);
        std::_Exit(0);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    std::printf("%-28s pico de memória do processo: %ld KiB\n", "", usage.ru_maxrss);
}

} // namespace

int main() {
    measure("listas 20.000 níveis", deepLists());
    measure("512 níveis com itens", deepestWithItems());
    return 0;
}
