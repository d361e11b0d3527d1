#pragma once

#include <cstdint>

#include "clock.h"

// A clock the test drives: advance it, set it back or jump it.
class FakeClock final : public conteggo::Clock {
  public:
    explicit FakeClock(std::int64_t ms = 0) : ms_(ms) {}

    std::int64_t milliseconds() const override { return ms_; }

    void setSeconds(double s) { ms_ = static_cast<std::int64_t>(s * 1000); }
    void setMilliseconds(std::int64_t ms) { ms_ = ms; }
    void advanceMilliseconds(std::int64_t ms) { ms_ += ms; }

  private:
    std::int64_t ms_;
};
