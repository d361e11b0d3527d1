#pragma once

#include <unistd.h>

namespace conteggo {

class DesktopNotifier;
class Notifier;

// Problems told where the user looks, beside their line on standard error: each one reported
// (a file kept aside at start-up, a save that failed, a refused command) also goes to
// `notifier` as a desktop notification, one at a time, each replacing the last. For the copy
// that runs; `notifier` must outlive the program's reports.
void tellProblemsThrough(Notifier& notifier);

// For a command about to end (conteggo --reset...): the same, waiting until the notification
// service has taken the notice, but only when `errorOutput` is no terminal: started from a
// launcher's menu or a shortcut, whose lines nobody sees. A command typed in a terminal keeps
// its line and status only.
void tellProblemsOfACommand(DesktopNotifier& notifier, int errorOutput = STDERR_FILENO);

}  // namespace conteggo
