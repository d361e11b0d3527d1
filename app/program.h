#pragma once

#include <QMessageBox>
#include <memory>
#include <optional>

#include "verb.h"

namespace conteggo {

class Clock;
class InstanceLock;
class SoundPlayer;

// The program once the application object exists: refuses a second copy, otherwise restores
// and shows the main window, applies `verb` if given, takes verbs from later commands and
// runs until it closes. Returns the exit status. A command whose verb met another copy
// starting at the same moment hands the verb to that copy instead of being refused.
int runProgram(InstanceLock& lock, const Clock& clock, SoundPlayer& player,
               std::optional<Verb> verb = std::nullopt);

// The box that tells a second copy the program already runs, ready to show.
std::unique_ptr<QMessageBox> refusalBox();

}  // namespace conteggo
