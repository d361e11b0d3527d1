#pragma once

#include <cstdint>

namespace conteggo {

// Where the stopwatch gets its time. Readings never go back and include time spent in
// system suspend, so a run counts its real duration whatever the wall clock does.
class Clock {
  public:
    virtual ~Clock() = default;

    // Milliseconds from an arbitrary fixed origin.
    virtual std::int64_t milliseconds() const = 0;

    // The reading the stopwatch uses: whole seconds, fraction dropped, held as a double.
    double reading() const;

    // How long to wait so that a timer fires just after the next whole-second boundary,
    // where the count changes.
    std::int64_t millisecondsToNextSecond() const;
};

// The real clock: CLOCK_BOOTTIME on Linux (counts suspend), the steady clock elsewhere.
class MonotonicClock final : public Clock {
  public:
    std::int64_t milliseconds() const override;
};

}  // namespace conteggo
