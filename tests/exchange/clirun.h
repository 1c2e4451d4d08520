#pragma once

// The command line run in-process, with its input given and its output kept.
#include "cli.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

struct CliRun {
    int code;
    QByteArray out;
    QByteArray err;
};

inline CliRun run(const QStringList& args, const QByteArray& input = {}, bool terminal = false,
                  bool inputIsTerminal = true,
                  std::function<std::optional<Environment>(const QString&)> environment = {}) {
    CliRun r{0, {}, {}};
    CliIo io;
    io.environment = std::move(environment);
    io.outIsTerminal = terminal;
    io.errIsTerminal = terminal;
    io.inIsTerminal = inputIsTerminal;
    io.readStdin = [&](qint64 maxBytes) { return input.left(maxBytes); };
    io.out = [&](const QByteArray& b) { r.out += b; };
    io.err = [&](const QByteArray& b) { r.err += b; };
    r.code = runCli(args, io);
    return r;
}
