// The stand-in middleware: serves the middleware's paths on loopback so that the test bench
// works out of the box.
#include "common/companykeys.h"
#include "simserver.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <pthread.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int port = 8080;
    QString keysFile;
    qint64 firstSession = 1001;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--port") && i + 1 < args.size()) {
            bool ok = false;
            port = args[++i].toInt(&ok);
            if (!ok || port <= 0 || port > 65535) {
                std::fprintf(stderr, "middleware-sim: porta inválida: %s\n", qPrintable(args[i]));
                return 2;
            }
        } else if (a == QLatin1String("--keys") && i + 1 < args.size()) {
            keysFile = args[++i];
        } else if (a == QLatin1String("--first-session") && i + 1 < args.size()) {
            bool ok = false;
            firstSession = args[++i].toLongLong(&ok);
            if (!ok) {
                std::fprintf(stderr, "middleware-sim: Id de sessão inválido: %s\n",
                             qPrintable(args[i]));
                return 2;
            }
        } else {
            std::fprintf(stderr,
                         "uso: middleware-sim [--port N] [--keys ARQUIVO] [--first-session ID]\n");
            return 2;
        }
    }
    try {
        if (!keysFile.isEmpty())
            CompanyKeys::loadFile(keysFile);
        else
            CompanyKeys::loadBesideExecutable(QCoreApplication::applicationDirPath());
        // The server's threads inherit a mask that leaves SIGINT and SIGTERM to sigwait below.
        sigset_t stopSignals;
        sigemptyset(&stopSignals);
        sigaddset(&stopSignals, SIGINT);
        sigaddset(&stopSignals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
        sim::MiddlewareSim server;
        server.setLogging(true);
        server.setNextSessionId(firstSession);
        server.start(port);
        std::fprintf(stderr, "middleware-sim: ouvindo em %s%s\n", qPrintable(server.baseUrl()),
                     CompanyKeys::usingDevelopmentKeys() ? " (chaves de desenvolvimento)" : "");
        int received = 0;
        sigwait(&stopSignals, &received);
        server.stop();
    } catch (const sim::ListenError& e) {
        std::fprintf(stderr, "middleware-sim: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "middleware-sim: %s\n", e.what());
        return 1;
    }
    return 0;
}
