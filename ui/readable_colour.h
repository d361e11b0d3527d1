#pragma once

#include <QColor>

namespace conteggo {

// The texts in colour (the count, the information window's lines) are chosen for a light
// window. On a dark one the same hue is drawn lighter, just enough to stay easy to read.

// Relative luminance, 0 (black) to 1 (white), as the WCAG contrast formula uses it.
double relativeLuminance(const QColor& colour);

// Contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// True when white text would read better on `background` than black text.
bool isDarkBackground(const QColor& background);

// The least contrast a text colour must reach on a dark background (WCAG AA)...
constexpr double kMinimumContrast = 4.5;
// ...and what the colours aim at: the edges of thin, smoothed strokes fall a little short of
// the colour itself.
constexpr double kTargetContrast = 4.75;

// `designed` itself on a light background, or wherever it already reaches kMinimumContrast;
// on a dark one otherwise, the least lightened version of its hue and saturation with
// kTargetContrast against `background`.
QColor readableColour(const QColor& designed, const QColor& background);

// What a control's shape needs against the window it stands on (WCAG non-text contrast)...
constexpr double kShapeContrast = 3.0;
// ...and a flat shape reaching it on the dark `background`: its own hue, lightened.
QColor shapeColour(const QColor& background);

}  // namespace conteggo
