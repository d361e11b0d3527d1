#include "clock.h"

#include <chrono>

#include "rounding.h"

#if defined(__linux__)
#include <ctime>
#endif

namespace conteggo {

namespace {
// A tick this late after the boundary is safely past it, even with a coarse timer.
constexpr std::int64_t kTickMarginMs = 5;
}  // namespace

double Clock::reading() const {
    return static_cast<double>(floorDiv(milliseconds(), 1000));
}

std::int64_t Clock::millisecondsToNextSecond() const {
    const std::int64_t ms = milliseconds();
    return (floorDiv(ms, 1000) + 1) * 1000 - ms + kTickMarginMs;
}

std::int64_t MonotonicClock::milliseconds() const {
#if defined(__linux__)
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) == 0) {
        return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    }
#endif
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

}  // namespace conteggo
