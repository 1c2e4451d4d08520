#include "common/random.h"

#include <chrono>
#include <random>

int64_t randomBelow(int64_t bound) {
    static std::mt19937_64 generator(
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    if (bound <= 0)
        return 0;
    return std::uniform_int_distribution<int64_t>(0, bound - 1)(generator);
}
