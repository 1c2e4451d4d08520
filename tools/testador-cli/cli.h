#pragma once

#include "exchange/environments.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

// The command-line companion: sign a data value as the window would, or call a service.
struct CliIo {
    // Reads the standard input, at most maxBytes bytes of it.
    std::function<QByteArray(qint64 maxBytes)> readStdin;
    std::function<void(const QByteArray&)> out;
    std::function<void(const QByteArray&)> err;
    // Hands what was written so far to the output at once (a line that must be seen even if
    // the process is killed next); may be empty.
    std::function<void()> flush;
    // A terminal is shown control characters escaped; a pipe or a file gets the bytes exactly.
    bool outIsTerminal = false;
    bool errIsTerminal = false;
    // The window's environments (--ambiente NOME); nullopt for an unknown name.
    std::function<std::optional<Environment>(const QString& name)> environment;
    // Standard input is a terminal: `call` without a file then sends the empty text.
    bool inIsTerminal = true;
};

// Runs one command (args without the program name); returns the exit code:
// 0 success, 1 HTTP error status, 2 usage, input or connection error, 3 the middleware
// refused the request ("err":true), unless --aceitar-rejeicao is given, 4 the exchange took
// place but could not be recorded (--gravar).
int runCli(const QStringList& args, const CliIo& io);
