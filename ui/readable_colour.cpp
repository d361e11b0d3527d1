#include "readable_colour.h"

#include <algorithm>
#include <cmath>

namespace conteggo {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// In 8 bits a channel, as it is drawn.
QColor withLightness(const QColor& colour, double lightness) {
    return QColor(
        QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(), static_cast<float>(lightness))
            .rgb());
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

namespace {

// The least lightened version of `colour`'s hue and saturation with `target` contrast against
// the dark `background`.
QColor lightened(const QColor& colour, const QColor& background, double target) {
    // Lightness only rises from the colour's own, and contrast with it; white always
    // reaches the mark on a dark background. The check is made on the 8-bit colour drawn.
    double low = colour.toHsl().lightnessF();
    double high = 1.0;
    for (int step = 0; step < 24; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(withLightness(colour, middle), background) >= target) {
            high = middle;
        } else {
            low = middle;
        }
    }
    QColor lighter = withLightness(colour, high);
    // Rounding to 8 bits can cost a hair of contrast; the next step up restores it.
    while (contrastRatio(lighter, background) < target && high < 1.0) {
        high = std::min(1.0, high + 1.0 / 255);
        lighter = withLightness(colour, high);
    }
    return lighter;
}

}  // namespace

QColor readableColour(const QColor& designed, const QColor& background) {
    if (!isDarkBackground(background) || contrastRatio(designed, background) >= kMinimumContrast) {
        return designed;
    }
    return lightened(designed, background, kTargetContrast);
}

QColor shapeColour(const QColor& background) {
    return lightened(background, background, kShapeContrast);
}

}  // namespace conteggo
