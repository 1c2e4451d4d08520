#pragma once

#include "cli.h"

#include <QString>
#include <QStringList>

// `cenario ARQ …`: replays a scenario file and compares, updates its baseline, learns its noise
// or puts it under load. Returns the exit code (0 all equal, 1 a difference, 2 usage, file or
// connection error).
int runScenarioCommand(const QStringList& args, const CliIo& io);

// Appends one exchange of `call` to a scenario file (made when missing); with keepFiles, the
// answer's file members' bytes are written beside it.
void recordIntoScenario(const QString& fileName, const QString& method, const QString& path,
                        const QByteArray& request, bool authenticated, int status,
                        const QByteArray& answer, const QByteArray& contentType, bool keepFiles);
