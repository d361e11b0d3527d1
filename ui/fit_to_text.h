#pragma once

#include <QSize>

class QWidget;

namespace conteggo {

// The windows were laid out for a narrower font than most desktops have, and desktops may
// set a large one. These keep every text whole without moving anything that already fits.

// The size `control` needs to show its whole text in its own font: at least its present
// size, larger where the text does not fit. A word-wrapped label keeps its width unless a
// single word is wider, and takes the height of its wrapped lines.
QSize sizeForText(const QWidget* control);

// Grows each direct child of `window` to sizeForText. What lay right of a grown control
// moves right by as much as it grew, what lay below it moves down, and the window grows
// to keep its margins; with every text fitting, nothing changes. Controls that did not
// overlap before do not overlap after.
void fitToTexts(QWidget* window);

}  // namespace conteggo
