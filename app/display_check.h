#pragma once

#include <QString>

namespace conteggo {

// Chooses Qt's platform before the application object exists: X11 on a Wayland session that
// also has an X display (only X11 lets the window be placed and kept on top), unless the user
// chose one. Returns an error text when no display can be opened at all, else an empty text.
QString prepareDisplay();

}  // namespace conteggo
