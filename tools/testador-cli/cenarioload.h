#pragma once

#include "cli.h"
#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

#include <functional>
#include <thread>

// The most users a load run takes: each is a thread of its own with its own connections.
inline constexpr int kMaxLoadUsers = 1000;
// How long the end of a run waits for the requests still in flight when no time-out is set.
inline constexpr int kLoadEndWaitSeconds = 5;

struct LoadOptions {
    int users = 0;
    int seconds = 0;
    int rate = 0; // scenario runs per second, all users together; 0: no cap
    bool json = false;
    // Starts a user's thread (std::thread when empty); a start that throws ends the run.
    std::function<std::thread(std::function<void()>)> startThread;
};

// N users each replay the scenario in a loop (each its own session) until the time is up or
// the user interrupts; a progress line a second, then the figures per step and in total. At the
// end no request is started any more, and those in flight are waited for up to the time-out
// (kLoadEndWaitSeconds without one): what did not finish by then is counted without an answer,
// its time so far among the latencies. With a rate, each request's latency counts from when it
// was due, not from when it could leave (a server that stalls shows in the percentiles as every
// user waiting for it sees it). Returns 0 when every request was answered, successfully and as
// recorded, 1 otherwise, 2 when a user could not be started.
int runLoad(const Scenario& scenario, const ReplayTarget& target, const LoadOptions& options,
            const CliIo& io);
