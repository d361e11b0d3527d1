#pragma once

class QWidget;

namespace conteggo {

// The windows were laid out for a narrower font than most desktops have, and desktops may set a
// large one. Where a direct child of `window` cannot show its whole text in its own font, the
// window and every control in it grow by one factor, the least with which every text fits:
// nothing moves against anything else, so controls that were apart stay apart and no text is
// cut. Where every text fits, nothing changes.
void fitToTexts(QWidget* window);

}  // namespace conteggo
