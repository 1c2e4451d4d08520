#pragma once

#include "cli.h"
#include "exchange/credentials.h"
#include "tlsoptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// A command's usage error: reported with a pointer to --help, exit 2.
struct CliUsageError {
    QString message;
};

// Input the command cannot use (a data file that is not JSON, an unknown environment):
// reported without the usage, exit 2.
struct CliInputError {
    QString message;
};

// Where `call` and `cenario` send, from their options and the chosen environment.
struct ServerTarget {
    static QString defaultUrl() { return QStringLiteral("http://localhost:8080/datasnap/rest/"); }

    QString url = defaultUrl();
    QString empresa = QStringLiteral("0");
    QString keys;
    int timeoutSeconds = 0;
    std::optional<HttpCredentials> credentials;
    QString ambiente;
    bool production = false;        // the environment is marked production
    bool productionAllowed = false; // --producao
    QStringList given;              // the options given: an environment fills the others
    TlsOptions tls;                 // --ca, --cert, --chave, --inseguro

    // Takes one of the options every sending command shares (--url, --empresa, --keys,
    // --timeout, --ambiente, --producao and the HTTPS ones); false when the option is another.
    // next() gives the option's value.
    bool take(const QString& option, const std::function<QString()>& next);
    // Fills what the options did not say from the environment (its HTTPS too), refuses a
    // production environment without --producao (and --inseguro for one that was not made
    // insecure itself), and completes the address's final slash; what it did is said on
    // standard error. A command that sends nothing (sends false) takes only the
    // environment's values.
    void settle(const CliIo& io, bool sends = true);
    // Said on standard error after a request went to a production environment.
    void tellProductionSend(const QString& url, const CliIo& io) const;
};
