#include "cenarioload.h"
#include "latencyhistogram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The figures of one step, all users together: every count atomic, added to by each user's
// thread as its requests end.
struct StepFigures {
    std::atomic<std::uint64_t> runs = 0;
    std::atomic<std::uint64_t> failed = 0;          // no answer: the connection failed
    std::atomic<std::uint64_t> unanswered = 0;      // no answer in time (time-out, the end)
    std::atomic<std::uint64_t> httpErrors = 0;      // an answer with an error status
    std::atomic<std::uint64_t> rejections = 0;      // "err":true
    std::atomic<std::uint64_t> different = 0;       // compared unlike the recorded answer
    std::atomic<std::uint64_t> captureFailures = 0; // a capture found nothing
    std::atomic<std::uint64_t> notRun = 0;          // not sent: it uses a capture that failed
    LatencyHistogram latency;

    void merge(const StepFigures& o) {
        for (auto [mine, theirs] : {std::pair{&runs, &o.runs},
                                    {&failed, &o.failed},
                                    {&unanswered, &o.unanswered},
                                    {&httpErrors, &o.httpErrors},
                                    {&rejections, &o.rejections},
                                    {&different, &o.different},
                                    {&captureFailures, &o.captureFailures}})
            *mine += theirs->load();
        latency.merge(o.latency);
    }
    std::uint64_t bad() const {
        return failed + unanswered + httpErrors + rejections + different + captureFailures + notRun;
    }

    // One request's end: when it was due, when it left and what came of it.
    void record(const StepOutcome& out, Clock::time_point due, Clock::time_point left,
                Clock::time_point ended) {
        if (out.notRun) {
            ++notRun;
            return;
        }
        ++runs;
        if (out.answer.status == 0) {
            if (out.unanswered) {
                ++unanswered;
                latency.add(msBetween(due, ended));
            } else {
                ++failed;
            }
            return;
        }
        latency.add(msBetween(due, left) + out.elapsedMs);
        httpErrors += out.answer.status < 200 || out.answer.status > 299;
        rejections += out.rejected;
        different += out.verdict == Verdict::Different;
        captureFailures += out.captureFailed;
    }
};

std::atomic<bool> g_interrupted = false;
extern "C" void onInterrupt(int) {
    g_interrupted = true;
}

QString ms(double v) {
    return QString::number(v, 'f', 1);
}

// Ends and joins every user's thread however the run ends.
class Users {
public:
    Users(std::atomic<bool>& ending, std::atomic<bool>& cancel)
        : m_ending(ending), m_cancel(cancel) {}
    ~Users() {
        m_ending = true;
        m_cancel = true;
        join();
    }
    Users(const Users&) = delete;
    Users& operator=(const Users&) = delete;

    void reserve(std::size_t n) { m_threads.reserve(n); }
    void add(std::thread thread) { m_threads.push_back(std::move(thread)); }
    std::size_t started() const { return m_threads.size(); }
    void join() {
        for (std::thread& t : m_threads)
            if (t.joinable())
                t.join();
    }

private:
    std::atomic<bool>& m_ending;
    std::atomic<bool>& m_cancel;
    std::vector<std::thread> m_threads;
};

} // namespace

int runLoad(const Scenario& scenario, const ReplayTarget& given, const LoadOptions& options,
            const CliIo& io) {
    const std::size_t stepCount = scenario.steps.size();
    const std::unique_ptr<StepFigures[]> steps(new StepFigures[stepCount]);
    std::atomic<std::uint64_t> runs = 0;
    std::atomic<std::uint64_t> slots = 0;
    std::atomic<int> active = 0;
    // Raised at the end: no request starts any more. Raised after the wait: those in flight end.
    std::atomic<bool> ending = false;
    std::atomic<bool> cancel = false;
    ReplayTarget target = given;
    target.cancel = &cancel;
    g_interrupted = false;
    const auto previous = std::signal(SIGINT, onInterrupt);

    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(options.seconds);
    const auto user = [&] {
        ScenarioReplay replay(scenario, target);
        while (!ending) {
            Clock::time_point due = Clock::now();
            if (options.rate > 0) {
                const auto slot = slots.fetch_add(1);
                due = start + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double>(double(slot) / options.rate));
                if (due >= end)
                    break;
                while (!ending && Clock::now() < due)
                    std::this_thread::sleep_for(std::min<Clock::duration>(
                        due - Clock::now(), std::chrono::milliseconds(50)));
            }
            replay.rewind();
            while (replay.hasNext() && !ending) {
                const std::size_t i = replay.nextIndex();
                const Clock::time_point left = Clock::now();
                if (options.rate <= 0)
                    due = left; // without a rate, a request is due when it can leave
                const StepOutcome out = replay.runNext();
                const Clock::time_point ended = Clock::now();
                steps[i].record(out, due, left, ended);
                due = ended; // the next step of the run is due once this one is answered
            }
            if (!replay.hasNext())
                ++runs;
        }
        --active;
    };

    std::optional<QString> startError;
    {
        Users users(ending, cancel);
        try {
            users.reserve(std::size_t(options.users));
            for (int u = 0; u < options.users; ++u) {
                ++active;
                try {
                    users.add(options.startThread ? options.startThread(user) : std::thread(user));
                } catch (...) {
                    --active;
                    throw;
                }
            }
        } catch (const std::exception& e) {
            startError = QStringLiteral("só %1 de %2 usuário(s) foram iniciados: %3")
                             .arg(users.started())
                             .arg(options.users)
                             .arg(QString::fromLocal8Bit(e.what()));
        }

        while (!startError && Clock::now() < end && !g_interrupted) {
            std::this_thread::sleep_for(
                std::min<Clock::duration>(std::chrono::seconds(1), end - Clock::now()));
            StepFigures sum;
            for (std::size_t i = 0; i < stepCount; ++i)
                sum.merge(steps[i]);
            const double seconds = msBetween(start, Clock::now()) / 1000;
            io.err(QStringLiteral("%1 s: %2 execuções, %3 requisições (%4/s), %5 com erro\n")
                       .arg(seconds, 0, 'f', 0)
                       .arg(runs.load())
                       .arg(sum.runs.load())
                       .arg(double(sum.runs) / seconds, 0, 'f', 1)
                       .arg(sum.bad())
                       .toUtf8());
        }
        // The requests in flight are waited for, up to the time-out, then cut short (at once
        // when the run could not start as asked).
        ending = true;
        const Clock::time_point waitEnd =
            startError ? Clock::now()
                       : Clock::now() + std::chrono::seconds(given.timeoutSeconds > 0
                                                                 ? given.timeoutSeconds
                                                                 : kLoadEndWaitSeconds);
        while (active > 0 && Clock::now() < waitEnd)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        cancel = true;
        users.join();
    }
    std::signal(SIGINT, previous);
    const double seconds = msBetween(start, Clock::now()) / 1000;

    StepFigures total;
    for (std::size_t i = 0; i < stepCount; ++i)
        total.merge(steps[i]);
    const QString latencies = options.rate > 0
                                  ? QStringLiteral("desde o horário previsto de cada requisição")
                                  : QStringLiteral("tempo de serviço de cada requisição");
    const auto label = [&](std::size_t i) {
        return scenario.steps[i].name.isEmpty() ? scenario.steps[i].path : scenario.steps[i].name;
    };
    if (options.json) {
        auto figures = [&](const StepFigures& f) {
            QJsonObject o;
            o[QStringLiteral("requisicoes")] = qint64(f.runs);
            o[QStringLiteral("falhas")] = qint64(f.failed);
            o[QStringLiteral("semResposta")] = qint64(f.unanswered);
            o[QStringLiteral("statusDeErro")] = qint64(f.httpErrors);
            o[QStringLiteral("rejeicoes")] = qint64(f.rejections);
            o[QStringLiteral("diferentes")] = qint64(f.different);
            o[QStringLiteral("capturasFalhas")] = qint64(f.captureFailures);
            o[QStringLiteral("naoExecutados")] = qint64(f.notRun);
            o[QStringLiteral("p50")] = f.latency.quantile(0.50);
            o[QStringLiteral("p90")] = f.latency.quantile(0.90);
            o[QStringLiteral("p99")] = f.latency.quantile(0.99);
            o[QStringLiteral("max")] = f.latency.max();
            return o;
        };
        QJsonObject root;
        root[QStringLiteral("usuarios")] = options.users;
        root[QStringLiteral("segundos")] = seconds;
        root[QStringLiteral("interrompido")] = g_interrupted.load();
        root[QStringLiteral("execucoes")] = qint64(runs);
        root[QStringLiteral("requisicoesPorSegundo")] = double(total.runs) / seconds;
        root[QStringLiteral("latencias")] = latencies;
        QJsonArray list;
        for (std::size_t i = 0; i < stepCount; ++i) {
            QJsonObject o = figures(steps[i]);
            o[QStringLiteral("passo")] = label(i);
            list.append(o);
        }
        root[QStringLiteral("passos")] = list;
        root[QStringLiteral("total")] = figures(total);
        if (startError)
            root[QStringLiteral("erro")] = *startError;
        io.out(QJsonDocument(root).toJson());
    } else {
        auto line = [&](const QString& name, const StepFigures& f) {
            return QStringLiteral("%1: %2 requisições, %3 falhas, %4 sem resposta, %5 status de "
                                  "erro, %6 rejeições, %7 diferentes, %8 capturas falhas, %9 não "
                                  "executados; p50 %10 ms, p90 %11 ms, p99 %12 ms, máx %13 ms\n")
                .arg(name)
                .arg(f.runs.load())
                .arg(f.failed.load())
                .arg(f.unanswered.load())
                .arg(f.httpErrors.load())
                .arg(f.rejections.load())
                .arg(f.different.load())
                .arg(f.captureFailures.load())
                .arg(f.notRun.load())
                .arg(ms(f.latency.quantile(0.5)), ms(f.latency.quantile(0.9)),
                     ms(f.latency.quantile(0.99)), ms(f.latency.max()))
                .toUtf8();
        };
        for (std::size_t i = 0; i < stepCount; ++i)
            io.out(line(QStringLiteral("[%1] %2").arg(i + 1).arg(label(i)), steps[i]));
        io.out(line(QStringLiteral("total"), total));
        io.out(QStringLiteral("%1 usuário(s), %2 s%3: %4 execuções do cenário, %5 requisições/s; "
                              "latências: %6\n")
                   .arg(options.users)
                   .arg(seconds, 0, 'f', 1)
                   .arg(g_interrupted ? QStringLiteral(" (interrompido)") : QString())
                   .arg(runs.load())
                   .arg(double(total.runs) / seconds, 0, 'f', 1)
                   .arg(latencies)
                   .toUtf8());
    }
    if (startError) {
        io.err(QStringLiteral("testador-cli: %1\n").arg(*startError).toUtf8());
        return 2;
    }
    return total.bad() > 0 ? 1 : 0;
}
