#pragma once

#include <QMessageBox>
#include <memory>
#include <optional>

#include "verb.h"

namespace conteggo {

class Clock;
class InstanceLock;
class SoundPlayer;

// The program once the application object exists. Unless `lock` is held, another copy runs:
// it says so and ends. Otherwise it restores the session and shows the main window, applies
// `verb` if given, takes verbs from later commands at `socketPath` and runs until the window
// closes. Returns the exit status: 1 when the closing could not save both files.
int runProgram(InstanceLock& lock, const QString& socketPath, const Clock& clock,
               SoundPlayer& player, std::optional<Verb> verb = std::nullopt);

// The box that tells a second copy the program already runs, ready to show.
std::unique_ptr<QMessageBox> refusalBox();

}  // namespace conteggo
