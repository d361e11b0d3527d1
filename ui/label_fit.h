#pragma once

#include <QLabel>
#include <QList>
#include <algorithm>

namespace conteggo {

// The windows were laid out for a narrower font than most desktops have; these keep every text
// whole without moving anything that fits.

// Widens a one-line label to its text, up to the right edge of its parent.
inline void widenToText(QLabel* label) {
    const int room = label->parentWidget()->width() - label->x();
    label->resize(std::clamp(label->sizeHint().width(), label->width(), room), label->height());
}

// Lets word-wrapped labels, given from top to bottom, grow down to their text; what lies below
// a grown label moves down with it, and so does the window's bottom edge.
inline void growToText(QWidget* window, const QList<QLabel*>& labels) {
    int shift = 0;
    for (QLabel* label : labels) {
        label->move(label->x(), label->y() + shift);
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height()) {
            shift += needed - label->height();
            label->resize(label->width(), needed);
        }
    }
    window->setFixedHeight(window->height() + shift);
}

}  // namespace conteggo
