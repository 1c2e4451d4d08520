#include "servertarget.h"

#include "exchange/httpclient.h"

bool ServerTarget::take(const QString& option, const std::function<QString()>& next) {
    if (takeTlsOption(option, next, tls))
        return true;
    if (option == QLatin1String("--url"))
        url = next();
    else if (option == QLatin1String("--empresa"))
        empresa = next();
    else if (option == QLatin1String("--keys"))
        keys = next();
    else if (option == QLatin1String("--ambiente"))
        ambiente = next();
    else if (option == QLatin1String("--producao"))
        productionAllowed = true;
    else if (option == QLatin1String("--timeout")) {
        bool ok = false;
        timeoutSeconds = next().toInt(&ok);
        if (!ok || timeoutSeconds <= 0)
            throw CliUsageError{QStringLiteral("--timeout precisa de um número de segundos")};
    } else
        return false;
    given << option;
    return true;
}

void ServerTarget::settle(const CliIo& io, bool sends) {
    std::optional<Environment> chosen;
    if (!ambiente.isEmpty()) {
        const std::optional<Environment> e =
            io.environment ? io.environment(ambiente) : std::optional<Environment>();
        if (!e)
            throw CliInputError{QStringLiteral("ambiente desconhecido: %1").arg(ambiente)};
        const auto unless = [&](const char* option, const QString& value, QString& target) {
            if (!given.contains(QLatin1String(option)) && !value.isEmpty())
                target = value;
        };
        unless("--url", e->server, url);
        unless("--empresa", e->companyCode, empresa);
        unless("--keys", e->keysFile, keys);
        if (!given.contains(QLatin1String("--timeout")))
            timeoutSeconds = e->timeoutSeconds;
        if (!e->user.isEmpty())
            credentials = HttpCredentials{e->user, e->password};
        production = e->production;
        if (production && !productionAllowed && sends)
            throw CliInputError{
                QStringLiteral("o ambiente \"%1\" é de produção (%2): nada foi enviado; para "
                               "enviar a ele, dê também --producao")
                    .arg(ambiente, url)};
        chosen = e;
    }
    if (!sends)
        return;
    if (const QString refused = settleTlsOptions(tls, chosen ? &*chosen : nullptr);
        !refused.isEmpty())
        throw CliInputError{refused};
    const QString completed = completedBaseUrl(url);
    if (completed != url.trimmed())
        io.err(QStringLiteral("testador-cli: o endereço foi completado com a barra final: %1\n")
                   .arg(completed)
                   .toUtf8());
    url = completed;
}

void ServerTarget::tellProductionSend(const QString& sentTo, const CliIo& io) const {
    if (production)
        io.err(QStringLiteral("testador-cli: enviado ao ambiente de produção \"%1\": %2\n")
                   .arg(ambiente, sentTo)
                   .toUtf8());
}
