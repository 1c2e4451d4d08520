#pragma once

#include "exchange/scenario.h"

#include <vector>

struct HistoryEntry;

// A scenario of history entries, one step each in the order given (the earliest first); an
// exchange that got no answer (a failure or a cancel) is left out. Named after the file.
Scenario scenarioOfEntries(const std::vector<const HistoryEntry*>& entries, const QString& name);
