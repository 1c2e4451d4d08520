// The stand-in middleware: serves the middleware's paths on loopback so that the test bench
// works out of the box.
#include "common/companykeys.h"
#include "simserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int port = 8080;
    QString keysFile;
    qint64 firstSession = 1001;
    std::string tlsCertificate, tlsKey, tlsClientAuthority;
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
        } else if (a == QLatin1String("--tls") && i + 2 < args.size()) {
            tlsCertificate = QFile::encodeName(args[++i]).toStdString();
            tlsKey = QFile::encodeName(args[++i]).toStdString();
        } else if (a == QLatin1String("--tls-cliente") && i + 1 < args.size()) {
            tlsClientAuthority = QFile::encodeName(args[++i]).toStdString();
        } else {
            std::fprintf(stderr,
                         "uso: middleware-sim [--port N] [--keys ARQUIVO] [--first-session ID]\n"
                         "                    [--tls CERTIFICADO CHAVE [--tls-cliente CA]]\n"
                         "  --tls: HTTPS com o certificado (PEM, com a cadeia) e a chave\n"
                         "  --tls-cliente: exige dos clientes um certificado emitido pela CA\n");
            return 2;
        }
    }
    if (!tlsClientAuthority.empty() && tlsCertificate.empty()) {
        std::fprintf(stderr, "middleware-sim: --tls-cliente precisa de --tls\n");
        return 2;
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
        if (!tlsCertificate.empty())
            server.setTls(tlsCertificate, tlsKey, tlsClientAuthority);
        server.setLogging(true);
        server.setNextSessionId(firstSession);
        server.start(port);
        std::fprintf(stderr, "middleware-sim: ouvindo em %s%s%s\n", qPrintable(server.baseUrl()),
                     CompanyKeys::usingDevelopmentKeys() ? " (chaves de desenvolvimento)" : "",
                     tlsClientAuthority.empty() ? "" : " (exige certificado de cliente)");
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
