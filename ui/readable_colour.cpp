#include "readable_colour.h"

#include <algorithm>
#include <cmath>

namespace conteggo {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor withLightness(const QColor& colour, double lightness) {
    return QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(),
                            static_cast<float>(lightness));
}

}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkBackground(const QColor& background) {
    return contrastRatio(background, Qt::white) > contrastRatio(background, Qt::black);
}

QColor readableColour(const QColor& described, const QColor& background) {
    if (!isDarkBackground(background) || contrastRatio(described, background) >= kMinimumContrast) {
        return described;
    }
    // Lightness only rises from the described one, and contrast with it; white always
    // reaches the mark on a dark background. The check is made on the 8-bit colour drawn.
    double low = described.toHsl().lightnessF();
    double high = 1.0;
    for (int step = 0; step < 24; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(withLightness(described, middle).toRgb(), background) >=
            kTargetContrast) {
            high = middle;
        } else {
            low = middle;
        }
    }
    QColor lighter = withLightness(described, high).toRgb();
    // Rounding to 8 bits can cost a hair of contrast; the next step up restores it.
    while (contrastRatio(lighter, background) < kTargetContrast && high < 1.0) {
        high = std::min(1.0, high + 1.0 / 255);
        lighter = withLightness(described, high).toRgb();
    }
    return lighter;
}

}  // namespace conteggo
