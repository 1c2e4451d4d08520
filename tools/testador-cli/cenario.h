#pragma once

#include "cli.h"

#include <QString>
#include <QStringList>

// `cenario ARQ …`: replays a scenario file and compares, updates its baseline, learns its noise
// or puts it under load. Returns the exit code (0 all equal, 1 a difference, 2 usage, file or
// connection error).
int runScenarioCommand(const QStringList& args, const CliIo& io);
