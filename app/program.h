#pragma once

#include <QMessageBox>
#include <memory>

namespace conteggo {

class Clock;
class InstanceLock;
class SoundPlayer;

// The program once the application object exists: refuses a second copy, otherwise restores
// and shows the main window and runs until it closes. Returns the exit status.
// The box that tells a second copy the program already runs, ready to show.
std::unique_ptr<QMessageBox> refusalBox();

int runProgram(InstanceLock& lock, const Clock& clock, SoundPlayer& player);

}  // namespace conteggo
