#include "cenarioload.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Latencies in buckets 2 % wide from 10 µs to about 10 minutes: memory stays the same however
// long the run.
class Latencies {
public:
    static constexpr double kFirstMs = 0.01;
    static constexpr double kGrowth = 1.02;
    static constexpr std::size_t kBuckets = 920;

    void add(double ms) {
        const double r = ms <= kFirstMs ? 0 : std::log(ms / kFirstMs) / std::log(kGrowth);
        ++m_counts[std::min(kBuckets - 1, std::size_t(r))];
        ++m_total;
        m_max = std::max(m_max, ms);
    }
    void merge(const Latencies& o) {
        for (std::size_t i = 0; i < kBuckets; ++i)
            m_counts[i] += o.m_counts[i];
        m_total += o.m_total;
        m_max = std::max(m_max, o.m_max);
    }
    // The upper bound of the bucket that holds the quantile (never above the maximum).
    double quantile(double q) const {
        if (m_total == 0)
            return 0;
        const auto rank = std::uint64_t(std::ceil(q * double(m_total)));
        std::uint64_t seen = 0;
        for (std::size_t i = 0; i < kBuckets; ++i) {
            seen += m_counts[i];
            if (seen >= rank)
                return std::min(m_max, kFirstMs * std::pow(kGrowth, double(i + 1)));
        }
        return m_max;
    }
    double max() const { return m_max; }

private:
    std::array<std::uint64_t, kBuckets> m_counts{};
    std::uint64_t m_total = 0;
    double m_max = 0;
};

struct StepFigures {
    std::uint64_t runs = 0;
    std::uint64_t failed = 0;     // no answer (connection, time-out)
    std::uint64_t httpErrors = 0; // an answer with an error status
    std::uint64_t rejections = 0; // "err":true
    std::uint64_t different = 0;  // compared unlike the recorded answer
    Latencies latency;

    void merge(const StepFigures& o) {
        runs += o.runs;
        failed += o.failed;
        httpErrors += o.httpErrors;
        rejections += o.rejections;
        different += o.different;
        latency.merge(o.latency);
    }
};

std::atomic<bool> g_interrupted = false;
extern "C" void onInterrupt(int) {
    g_interrupted = true;
}

struct User {
    std::mutex mutex; // the figures, read by the progress line
    std::vector<StepFigures> steps;
    std::uint64_t scenarioRuns = 0;
};

QString ms(double v) {
    return QString::number(v, 'f', 1);
}

} // namespace

int runLoad(const Scenario& scenario, const ReplayTarget& given, const LoadOptions& options,
            const CliIo& io) {
    std::atomic<bool> stop = false;
    ReplayTarget target = given;
    target.cancel = &stop;
    g_interrupted = false;
    const auto previous = std::signal(SIGINT, onInterrupt);

    std::vector<std::unique_ptr<User>> users;
    for (int u = 0; u < options.users; ++u) {
        users.push_back(std::make_unique<User>());
        users.back()->steps.resize(scenario.steps.size());
    }
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(options.seconds);
    std::atomic<std::uint64_t> slots = 0;

    std::vector<std::thread> threads;
    for (auto& user : users)
        threads.emplace_back([&, u = user.get()] {
            ScenarioReplay replay(scenario, target);
            while (!stop) {
                if (options.rate > 0) {
                    const auto slot = slots.fetch_add(1);
                    const auto at =
                        start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(double(slot) / options.rate));
                    while (!stop && Clock::now() < at)
                        std::this_thread::sleep_for(std::min<Clock::duration>(
                            at - Clock::now(), std::chrono::milliseconds(50)));
                    if (stop)
                        break;
                }
                replay.rewind();
                while (replay.hasNext() && !stop) {
                    const std::size_t i = replay.nextIndex();
                    const StepOutcome out = replay.runNext();
                    if (stop && out.answer.status == 0)
                        break; // cut short by the end, not a failure
                    const std::lock_guard lock(u->mutex);
                    StepFigures& f = u->steps[i];
                    ++f.runs;
                    if (out.answer.status == 0)
                        ++f.failed;
                    else {
                        f.latency.add(out.elapsedMs);
                        f.httpErrors += out.answer.status < 200 || out.answer.status > 299;
                        f.rejections += out.rejected;
                        f.different += out.verdict == Verdict::Different;
                    }
                }
                if (!stop) {
                    const std::lock_guard lock(u->mutex);
                    ++u->scenarioRuns;
                }
            }
        });

    auto gather = [&](std::vector<StepFigures>& steps, std::uint64_t& runs) {
        steps.assign(scenario.steps.size(), {});
        runs = 0;
        for (auto& user : users) {
            const std::lock_guard lock(user->mutex);
            for (std::size_t i = 0; i < steps.size(); ++i)
                steps[i].merge(user->steps[i]);
            runs += user->scenarioRuns;
        }
    };
    std::vector<StepFigures> steps;
    std::uint64_t runs = 0;
    while (Clock::now() < end && !g_interrupted) {
        std::this_thread::sleep_for(
            std::min<Clock::duration>(std::chrono::seconds(1), end - Clock::now()));
        gather(steps, runs);
        std::uint64_t requests = 0, bad = 0;
        for (const StepFigures& f : steps) {
            requests += f.runs;
            bad += f.failed + f.httpErrors + f.rejections;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        io.err(QStringLiteral("%1 s: %2 execuções, %3 requisições (%4/s), %5 com erro\n")
                   .arg(seconds, 0, 'f', 0)
                   .arg(runs)
                   .arg(requests)
                   .arg(double(requests) / seconds, 0, 'f', 1)
                   .arg(bad)
                   .toUtf8());
    }
    stop = true;
    for (std::thread& t : threads)
        t.join();
    std::signal(SIGINT, previous);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    gather(steps, runs);

    StepFigures total;
    for (const StepFigures& f : steps)
        total.merge(f);
    auto figures = [&](const StepFigures& f) {
        QJsonObject o;
        o[QStringLiteral("requisicoes")] = qint64(f.runs);
        o[QStringLiteral("falhas")] = qint64(f.failed);
        o[QStringLiteral("statusDeErro")] = qint64(f.httpErrors);
        o[QStringLiteral("rejeicoes")] = qint64(f.rejections);
        o[QStringLiteral("diferentes")] = qint64(f.different);
        o[QStringLiteral("p50")] = f.latency.quantile(0.50);
        o[QStringLiteral("p90")] = f.latency.quantile(0.90);
        o[QStringLiteral("p99")] = f.latency.quantile(0.99);
        o[QStringLiteral("max")] = f.latency.max();
        return o;
    };
    if (options.json) {
        QJsonObject root;
        root[QStringLiteral("usuarios")] = options.users;
        root[QStringLiteral("segundos")] = seconds;
        root[QStringLiteral("interrompido")] = g_interrupted.load();
        root[QStringLiteral("execucoes")] = qint64(runs);
        root[QStringLiteral("requisicoesPorSegundo")] = double(total.runs) / seconds;
        QJsonArray list;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            QJsonObject o = figures(steps[i]);
            o[QStringLiteral("passo")] =
                scenario.steps[i].name.isEmpty() ? scenario.steps[i].path : scenario.steps[i].name;
            list.append(o);
        }
        root[QStringLiteral("passos")] = list;
        root[QStringLiteral("total")] = figures(total);
        io.out(QJsonDocument(root).toJson());
    } else {
        auto line = [&](const QString& name, const StepFigures& f) {
            return QStringLiteral("%1: %2 requisições, %3 falhas, %4 status de erro, %5 rejeições, "
                                  "%6 diferentes; p50 %7 ms, p90 %8 ms, p99 %9 ms, máx %10 ms\n")
                .arg(name)
                .arg(f.runs)
                .arg(f.failed)
                .arg(f.httpErrors)
                .arg(f.rejections)
                .arg(f.different)
                .arg(ms(f.latency.quantile(0.5)), ms(f.latency.quantile(0.9)),
                     ms(f.latency.quantile(0.99)), ms(f.latency.max()))
                .toUtf8();
        };
        for (std::size_t i = 0; i < steps.size(); ++i)
            io.out(line(QStringLiteral("[%1] %2").arg(i + 1).arg(scenario.steps[i].name.isEmpty()
                                                                     ? scenario.steps[i].path
                                                                     : scenario.steps[i].name),
                        steps[i]));
        io.out(line(QStringLiteral("total"), total));
        io.out(QStringLiteral("%1 usuário(s), %2 s%3: %4 execuções do cenário, %5 requisições/s\n")
                   .arg(options.users)
                   .arg(seconds, 0, 'f', 1)
                   .arg(g_interrupted ? QStringLiteral(" (interrompido)") : QString())
                   .arg(runs)
                   .arg(double(total.runs) / seconds, 0, 'f', 1)
                   .toUtf8());
    }
    return total.failed > 0 ? 2 : 0;
}
