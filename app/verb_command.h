#pragma once

#include <QString>
#include <optional>

#include "command_line.h"
#include "verb.h"

namespace conteggo {

class InstanceLock;

// Reads the command line; prints the help, the version or a mistake, each an end with a
// status. Needs no application object.
CommandLine readCommandLine(int argc, char** argv);

// Hands `verb` to the copy that runs, and gives the command's exit status. When no copy runs,
// --stop and --reset say so (status 1), while --start, --toggle and --show give nothing: this
// process then starts as the copy, holding `lock`. A copy that runs but does not answer within
// the wait is reported so (status 1), and nothing else is started.
std::optional<int> deliverVerb(InstanceLock& lock, const QString& socketPath, Verb verb);

}  // namespace conteggo
