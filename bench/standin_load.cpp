// Load on the stand-in middleware: clients sending good signed requests, requests with a bad
// signature and malformed bodies, together with slow clients that send a header byte per
// second and idle ones that send a request head and go silent (each reconnects when the
// stand-in cuts it off). Starts middleware-sim as a child process and prints requests per
// second, p50 and p99 of the normal requests, failures, and the stand-in's memory before and
// after.
//
//   bench_standin_load [--seconds 60] [--clients 40] [--slow 10] [--idle 0] [--sim PATH]
//                      [--log FILE]
//
// Exits 1 when a normal request failed (a wrong answer, an error or no answer).
#include "common/jsonvalue.h"
#include "exchange/credentials.h"
#include "exchange/envelope.h"
#include "exchange/httpclient.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int seconds = 60;
    int clients = 40;
    int slow = 10;
    int idle = 0;
    QString sim = QStringLiteral(QUORVA_SIM_PATH);
    QString log = QStringLiteral("/dev/null");
};

// Resident and peak memory of a process, in KiB, from /proc.
std::pair<long, long> memoryOf(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    long rss = -1;
    long peak = -1;
    if (!status.open(QIODevice::ReadOnly))
        return {rss, peak};
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            rss = line.mid(6).trimmed().split(' ').first().toLong();
        else if (line.startsWith("VmHWM:"))
            peak = line.mid(6).trimmed().split(' ').first().toLong();
    }
    return {rss, peak};
}

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

struct Totals {
    std::mutex mutex;
    std::vector<double> latenciesMs; // normal requests
    long good = 0;
    long badSignature = 0;
    long malformed = 0;
    long failures = 0;
    std::vector<std::string> failureSamples;
    std::atomic<long> slowConnections = 0;
    std::atomic<long> slowCutOff = 0;
    std::atomic<long> idleConnections = 0;
};

int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Keeps `count` connections open that sent a request head announcing a body and went silent;
// one the stand-in closes is opened again.
void idleClients(int port, int count, Clock::time_point end, Totals& totals) {
    const std::string head = "POST /datasnap/rest/TConexaoAPI/Sobre HTTP/1.1\r\nHost: x\r\n"
                             "Content-Length: 100\r\n\r\n";
    std::vector<pollfd> fds(std::size_t(count), pollfd{-1, POLLIN, 0});
    while (Clock::now() < end) {
        for (pollfd& p : fds) {
            if (p.fd >= 0)
                continue;
            p.fd = connectTo(port);
            if (p.fd >= 0) {
                ++totals.idleConnections;
                [[maybe_unused]] auto sent = ::send(p.fd, head.data(), head.size(), MSG_NOSIGNAL);
            }
        }
        if (::poll(fds.data(), fds.size(), 200) <= 0)
            continue;
        for (pollfd& p : fds) {
            if (p.fd < 0 || p.revents == 0)
                continue;
            char buffer[512];
            if (::recv(p.fd, buffer, sizeof buffer, MSG_DONTWAIT) != -1 || errno != EAGAIN) {
                ::close(p.fd); // answered or cut off: connect again
                p.fd = -1;
            }
        }
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0)
            ::close(p.fd);
}

// One client: every tenth request carries a bad signature, every tenth a body that is not an
// envelope, the rest are good signed requests; each answer is checked.
void normalClient(const QString& base, Clock::time_point end, int index, Totals& totals) {
    MiddlewareHttpClient client(credentialsForCompany(0));
    json::JsonValue dados = json::JsonValue::object();
    dados.add("CNPJ", json::JsonValue::string(std::string("11222333000181")));
    dados.add("Cliente", json::JsonValue::integer(index));
    const QByteArray good = QByteArray::fromStdString(
        json::toWireText(buildEnvelope(QStringLiteral("0"), QStringLiteral("0"), dados)));
    QByteArray badSignature = good;
    badSignature.replace(badSignature.size() - 4, 2, "ZZ"); // not the signature any more
    const QByteArray malformed = R"({"Parametros":{"Id":0,"Dados":{"CNPJ":"1"}}})";
    const QString url = serviceUrl(base, QStringLiteral("TNFeAPI/SefazOnLine"));
    std::vector<double> latencies;
    long counts[3] = {0, 0, 0};
    long failures = 0;
    std::vector<std::string> samples;
    for (long n = index; Clock::now() < end; ++n) {
        const int kind = n % 10 == 3 ? 1 : n % 10 == 7 ? 2 : 0;
        const QByteArray& body = kind == 0 ? good : kind == 1 ? badSignature : malformed;
        const char* expected = kind == 0   ? "\"err\":false"
                               : kind == 1 ? "Assinatura inv"
                                           : "Envelope inv";
        const auto started = Clock::now();
        try {
            const HttpAnswer a = client.post(url, body);
            latencies.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - started).count());
            if (a.body.contains(expected)) {
                ++counts[kind];
            } else {
                ++failures;
                if (samples.size() < 3)
                    samples.push_back(a.body.left(200).toStdString());
            }
        } catch (const std::exception& e) {
            ++failures;
            if (samples.size() < 3)
                samples.push_back(e.what());
        }
    }
    const std::lock_guard lock(totals.mutex);
    totals.latenciesMs.insert(totals.latenciesMs.end(), latencies.begin(), latencies.end());
    totals.good += counts[0];
    totals.badSignature += counts[1];
    totals.malformed += counts[2];
    totals.failures += failures;
    for (auto& s : samples)
        if (totals.failureSamples.size() < 5)
            totals.failureSamples.push_back(std::move(s));
}

// One slow client: connects and sends a request head one byte per second, again and again;
// counts how often the stand-in cuts it off.
void slowClient(int port, Clock::time_point end, Totals& totals) {
    const std::string head =
        "POST /datasnap/rest/TConexaoAPI/Sobre HTTP/1.1\r\nHost: x\r\nX-Lento: "
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";
    while (Clock::now() < end) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(uint16_t(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            continue;
        }
        ++totals.slowConnections;
        for (std::size_t i = 0; Clock::now() < end; ++i) {
            if (::send(fd, &head[i % head.size()], 1, MSG_NOSIGNAL) != 1) {
                ++totals.slowCutOff;
                break;
            }
            // A second between bytes, noticing the end of the run at once.
            for (int t = 0; t < 10 && Clock::now() < end; ++t)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::close(fd);
    }
}

double percentile(std::vector<double>& sorted, double p) {
    if (sorted.empty())
        return 0;
    const auto at = std::size_t(p * double(sorted.size() - 1));
    return sorted[at];
}

Options parse(const QStringList& args) {
    Options o;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        const QString& name = args[i];
        const QString& value = args[i + 1];
        if (name == QLatin1String("--seconds"))
            o.seconds = value.toInt();
        else if (name == QLatin1String("--clients"))
            o.clients = value.toInt();
        else if (name == QLatin1String("--slow"))
            o.slow = value.toInt();
        else if (name == QLatin1String("--idle"))
            o.idle = value.toInt();
        else if (name == QLatin1String("--sim"))
            o.sim = value;
        else if (name == QLatin1String("--log"))
            o.log = value;
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    const int port = freePort();
    QProcess sim;
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.setStandardErrorFile(o.log);
    sim.start(o.sim, {QStringLiteral("--port"), QString::number(port)});
    if (!sim.waitForStarted()) {
        std::fprintf(stderr, "não foi possível iniciar %s\n", qPrintable(o.sim));
        return 2;
    }
    const QString base = QStringLiteral("http://127.0.0.1:%1/datasnap/rest/").arg(port);
    // Ready once it answers; a short warm-up settles its memory.
    for (int i = 0; i < 100; ++i) {
        try {
            MiddlewareHttpClient(credentialsForCompany(0))
                .post(serviceUrl(base, QStringLiteral("TConexaoAPI/TestaComunicacao")), "{}");
            break;
        } catch (const std::exception&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    const auto before = memoryOf(sim.processId());

    Totals totals;
    const auto started = Clock::now();
    const auto end = started + std::chrono::seconds(o.seconds);
    std::vector<std::thread> threads;
    for (int i = 0; i < o.slow; ++i)
        threads.emplace_back(slowClient, port, end, std::ref(totals));
    if (o.idle > 0) {
        threads.emplace_back(idleClients, port, o.idle, end, std::ref(totals));
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // all of them open
    }
    for (int i = 0; i < o.clients; ++i)
        threads.emplace_back(normalClient, base, end, i, std::ref(totals));
    long halfway = -1;
    std::this_thread::sleep_for(std::chrono::seconds(o.seconds / 2));
    halfway = memoryOf(sim.processId()).first;
    for (std::thread& t : threads)
        t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();
    const auto after = memoryOf(sim.processId());
    sim.terminate();
    sim.waitForFinished();

    std::sort(totals.latenciesMs.begin(), totals.latenciesMs.end());
    const long requests = totals.good + totals.badSignature + totals.malformed + totals.failures;
    std::printf("clientes: %d normais, %d lentos, %d ociosos, %d s\n", o.clients, o.slow, o.idle,
                o.seconds);
    std::printf("requisições normais: %ld (%.0f/s): %ld boas, %ld com assinatura errada, "
                "%ld malformadas, %ld falhas\n",
                requests, double(requests) / elapsed, totals.good, totals.badSignature,
                totals.malformed, totals.failures);
    std::printf("latência: p50 %.2f ms, p99 %.2f ms, máxima %.2f ms\n",
                percentile(totals.latenciesMs, 0.50), percentile(totals.latenciesMs, 0.99),
                totals.latenciesMs.empty() ? 0.0 : totals.latenciesMs.back());
    std::printf("conexões lentas: %ld, encerradas pelo stand-in: %ld\n",
                totals.slowConnections.load(), totals.slowCutOff.load());
    std::printf("conexões ociosas abertas: %ld\n", totals.idleConnections.load());
    std::printf("memória do stand-in (RSS): antes %ld KiB, na metade %ld KiB, depois %ld KiB, "
                "pico %ld KiB\n",
                before.first, halfway, after.first, after.second);
    for (const std::string& s : totals.failureSamples)
        std::printf("  falha: %s\n", s.c_str());
    return totals.failures == 0 ? 0 : 1;
}
