#include "alarm.h"

#include <algorithm>
#include <limits>

#include "number_text.h"
#include "rounding.h"

namespace conteggo {

namespace {

// The period that multiples are counted in: the interval rounded, taken by magnitude (the
// remainder by a negative interval is zero at the same counts). 0 when there is none.
std::int64_t period(const Number& intervallo) {
    const std::int64_t rounded = toInt64(intervallo.toDouble());
    if (rounded == std::numeric_limits<std::int64_t>::min()) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return rounded < 0 ? -rounded : rounded;
}

// Whether a multiple of `p` lies in (from, to].
bool crossesMultiple(std::int64_t from, std::int64_t to, std::int64_t p) {
    return to > from && floorDiv(to, p) > floorDiv(from, p);
}

}  // namespace

std::optional<AlarmSettings> alarmFromInput(std::string_view intervalMinutes,
                                            std::string_view advanceMinutes, bool on) {
    const std::optional<double> interval = readLeadingNumber(intervalMinutes);
    const std::optional<double> advance = readLeadingNumber(advanceMinutes);
    if (!interval || !advance || !(*interval > 0) || *interval > kMaxIntervalMinutes ||
        *advance < 0 || !(*interval > *advance) || roundHalfEven(*interval * 60) == 0) {
        return std::nullopt;
    }
    return AlarmSettings{static_cast<std::int16_t>(on ? -1 : 0), Number::real(*interval * 60),
                         static_cast<std::int16_t>(roundHalfEven(*advance * 60))};
}

float progressValue(double count, const Number& intervallo) {
    const auto rest = remainder(count, intervallo.toDouble());
    return rest ? static_cast<float>(*rest) : 0.0f;
}

AlarmStep evaluateAlarm(std::int32_t count, std::int32_t previous, const AlarmSettings& settings) {
    AlarmStep step;
    if (!settings.on()) {
        return step;
    }
    const std::int64_t p = period(settings.intervallo);
    if (p == 0) {
        step.progress = 0.0f;
        return step;
    }
    // The ring never sounds at 0 or below: only positive multiples count.
    step.ring = crossesMultiple(std::max<std::int64_t>(previous, 0), count, p);
    step.progress = step.ring ? static_cast<float>(settings.intervallo.toDouble())
                              : progressValue(count, settings.intervallo);
    // 64-bit sums, so a count near the 32-bit limit cannot overflow.
    const std::int64_t advance = settings.anticipo;
    step.warn = advance > 0 && crossesMultiple(previous + advance, count + advance, p);
    return step;
}

}  // namespace conteggo
