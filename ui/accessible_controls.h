#pragma once

namespace conteggo {

// What assistive technology sees of the program's own controls, beyond what Qt gives:
// the main window as a frame (a plain QWidget counts as a mere client area), the "i"
// picture as a button that can be pressed, and the alarm's bar as a progress bar.
// The program installs it once the application object exists (tests that look at roles do
// the same); a second call changes nothing.
void installAccessibleControls();

}  // namespace conteggo
