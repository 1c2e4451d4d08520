#pragma once

#include <cstdint>

// The process-wide random generator, seeded once from the clock.
// A random integer that is at least 0 and below the bound.
int64_t randomBelow(int64_t bound);
