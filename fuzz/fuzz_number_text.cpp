// Any text at all, as typed into the alarm dialog: reading it may not crash or hang, and a value
// it gives, once shown, must read back as that value rounded to the 15 digits shown, so showing
// it again shows the same text.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "number_text.h"

using namespace conteggo;

namespace {

// The value to 15 significant digits by another route than the one under test.
double roundedTo15Digits(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", v);
    return std::strtod(text, nullptr);
}

void fail(const char* what, double v, const std::string& text) {
    std::fprintf(stderr, "%s: value %.17g, text \"%s\"\n", what, v, text.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto value = readLeadingNumber(input);
    if (!value) {
        return 0;  // beyond the range of a double
    }
    const double v = *value;
    if (!std::isfinite(v)) {
        fail("a reading that is not finite", v, std::string(input));
    }

    // The dialog shows the text with the desktop's decimal point and reads it with ".".
    std::string shown = generalText(v, ',');
    std::replace(shown.begin(), shown.end(), ',', '.');
    if (shown != generalText(v, '.')) {
        fail("the decimal point changed more than the point", v, shown);
    }
    // Near the largest double 15 digits would round beyond the range: the text is exact there.
    const double expected = std::isinf(roundedTo15Digits(v)) ? v : roundedTo15Digits(v);
    const auto back = readLeadingNumber(shown);
    if (!back) {
        fail("the shown text does not read back", v, shown);
    }
    if (*back != expected) {
        fail("the shown text reads back as another value", v, shown);
    }
    if (generalText(*back, '.') != shown) {
        fail("showing the value read back changes the text", *back, shown);
    }
    return 0;
}
