#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "number.h"

namespace conteggo {

struct AlarmSettings {
    std::int16_t allarme = 0;               // non-zero: the alarm is on
    Number intervallo = Number::int16(60);  // seconds, possibly with a fraction
    std::int16_t anticipo = 0;              // advance warning in seconds; 0: none

    bool on() const { return allarme != 0; }
};

// The longest interval the alarm may have, in minutes.
constexpr double kMaxIntervalMinutes = 120;

// The settings made of what the user typed for the interval and the advance, in minutes (read
// as leading numbers, "." the decimal point), and whether the alarm is on; nothing when they
// cannot make an alarm: an interval not above 0, above kMaxIntervalMinutes or rounding to no
// whole second (it could never ring), an advance below 0 or not below the interval, a number
// beyond a double's range.
std::optional<AlarmSettings> alarmFromInput(std::string_view intervalMinutes,
                                            std::string_view advanceMinutes, bool on);

// The two sounds of the alarm: the advance warning ("suono1.wav") and the ring ("suono2.wav").
enum class Sound { Warning, Ring };

// What one tick asks for, in this order: the ring, the progress value, the advance warning.
struct AlarmStep {
    bool ring = false;
    std::optional<float> progress;  // none: the bar keeps its value
    bool warn = false;
};

// One tick of a run with count `count`, the previous count of the same run being `previous`.
// The alarm rings once when the count has reached one or more new positive multiples of the
// interval (rounded to whole seconds) since then; the warning likewise for the count plus the
// advance. An interval that rounds to 0 s rings nothing and sets the progress value to 0.
AlarmStep evaluateAlarm(std::int32_t count, std::int32_t previous, const AlarmSettings& settings);

// Progress value outside the ticks (start-up, the settings dialog): count Mod interval as a
// float, or 0 when the interval rounds to 0 s.
float progressValue(double count, const Number& intervallo);

}  // namespace conteggo
