#pragma once

#include "cli.h"

#include <QStringList>

// `servicos [--json]`: the catalogue of every page (page, description, paths, travel, keys and
// how each is sent), made from the window's own declarations when the companion was built.
int runServicesCommand(const QStringList& args, const CliIo& io);
