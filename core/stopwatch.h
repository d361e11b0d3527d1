#pragma once

#include <cstdint>

#include "clock.h"
#include "number.h"

namespace conteggo {

// Counts whole seconds across any number of runs: the base `tempo` of the finished runs plus,
// while running, the seconds since the start mark `inizio`. The count is never advanced tick
// by tick: every operation recomputes it from a fresh clock reading.
class Stopwatch {
  public:
    explicit Stopwatch(const Clock& clock) : clock_(clock) {}

    void start();
    void stop();
    void reset();  // base back to the 16-bit integer 0; start mark and running flag untouched

    // Computes, stores and returns `trascorso`, the running count.
    std::int32_t tick();

    // The count the file keeps, at a fresh clock reading: the running count (not rounded)
    // while running, else a copy of the base, kind included.
    Number valueToSave() const;

    const Number& tempo() const { return tempo_; }
    void setTempo(const Number& base) { tempo_ = base; }  // start-up's load from the file
    const Number& inizio() const { return inizio_; }
    bool attivo() const { return attivo_; }

    // The count before the last tick: the previous tick's count, or for the first tick of a
    // run the count at the start. The alarm rings for multiples crossed since then.
    std::int32_t previousCount() const { return previousCount_; }

  private:
    // The run so far, from the start mark to `reading`. The clock never goes back; a reading
    // behind the start mark (a broken clock) counts as no time rather than a day.
    Number runningCount(double reading) const;

    const Clock& clock_;
    Number inizio_;
    Number tempo_ = Number::int16(0);
    std::int32_t trascorso_ = 0;
    std::int32_t previousCount_ = 0;
    bool attivo_ = false;
};

}  // namespace conteggo
