#include "elapsed_text.h"

#include "rounding.h"

namespace conteggo {

namespace {

// Padded in place: GCC 12 at -O3 warns (wrongly) about a "0" + std::string concatenation.
std::string twoDigits(std::uint64_t v) {
    std::string text = std::to_string(v);
    if (v < 10) {
        text.insert(text.begin(), '0');
    }
    return text;
}

}  // namespace

std::string formatElapsed(std::int64_t seconds, bool minutesMode) {
    // The magnitude as unsigned, so that the most negative count has one too.
    const bool negative = seconds < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    const std::uint64_t minutes = magnitude / 60;
    const std::string secondsText = twoDigits(magnitude % 60);
    std::string text = negative ? "-" : "";
    if (minutesMode) {
        text += std::to_string(minutes) + ":" + secondsText;
    } else {
        text += std::to_string(minutes / 60) + ":" + twoDigits(minutes % 60) + ":" + secondsText;
    }
    return text;
}

std::string DisplayMode::TempoMio(const Number& d) const {
    return formatElapsed(toInt64(d.toDouble()), oremie_);
}

}  // namespace conteggo
