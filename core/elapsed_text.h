#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "number.h"

namespace conteggo {

// Text of a count of seconds: h:mm:ss, or total m:ss in minutes mode. Hours and total minutes
// are neither padded nor wrapped; a negative count gets "-" before the text of its magnitude.
std::string formatElapsed(std::int64_t seconds, bool minutesMode);

// The display mode and the formatter that follows it. Every run begins in hours mode.
class DisplayMode {
  public:
    bool oremie() const { return oremie_; }  // true: minutes mode m:ss
    void toggle() { oremie_ = !oremie_; }

    // Caption of the toggle button: "H" in hours mode, "m" in minutes mode.
    std::string_view caption() const { return oremie_ ? "m" : "H"; }

    // A count that is not whole is first rounded to the nearest second, halves to even.
    std::string TempoMio(const Number& d) const;

  private:
    bool oremie_ = false;
};

}  // namespace conteggo
