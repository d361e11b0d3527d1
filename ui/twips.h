#pragma once

#include <QRect>
#include <cmath>

namespace conteggo {

// Window measures are given in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

}  // namespace conteggo
