#pragma once

#include "exchange/environments.h"
#include "exchange/tls.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

// The HTTPS options of `call` and `cenario` (its load runs included): --ca ARQ, --cert ARQ,
// --chave ARQ and --inseguro.
struct TlsOptions {
    TlsSettings settings;
    QStringList given;      // the options given, which an environment does not override
    QString clientPassword; // of the client certificate
};

// The options' lines of the usage text.
extern const char* const kTlsUsage;

// Whether the option is one of them.
bool isTlsOption(const QString& option);
// Takes the option, its value read through `value`, when it is one of them; false otherwise.
bool takeTlsOption(const QString& option, const std::function<QString()>& value, TlsOptions& into);

// Fills what the options did not say from the environment (none: nullptr) and the client
// certificate's password: the variable TESTADOR_CERT_SENHA, else the environment's (from the
// keyring). Returns why the options cannot be used, empty when they can: --chave without
// --cert, or --inseguro for a production environment that was not confirmed insecure there.
QString settleTlsOptions(TlsOptions& options, const Environment* environment);

// The lines told after an HTTPS exchange: the mark when the certificate was not checked, and the
// TLS version with the server's certificate.
QByteArray tlsReport(const TlsSettings& settings, const TlsSession& session);
