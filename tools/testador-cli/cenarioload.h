#pragma once

#include "cli.h"
#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

struct LoadOptions {
    int users = 0;
    int seconds = 0;
    int rate = 0; // scenario runs per second, all users together; 0: no cap
    bool json = false;
};

// N users each replay the scenario in a loop (each its own session) until the time is up or
// the user interrupts; a progress line a second, then the figures per step and in total.
int runLoad(const Scenario& scenario, const ReplayTarget& target, const LoadOptions& options,
            const CliIo& io);
