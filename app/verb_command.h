#pragma once

#include <QString>
#include <optional>

#include "verb.h"

namespace conteggo {

class InstanceLock;

// What is left for the program after its command line has been seen to.
struct CommandOutcome {
    std::optional<int> exitStatus;  // set: end now with this status
    std::optional<Verb> verb;       // otherwise: start as usual, then apply this verb if any
};

// Prints the help, the version or a mistake, each an end with a status, or gives the verb the
// command line asks for. Needs no application object.
CommandOutcome readCommandLine(int argc, char** argv);

// Hands `verb` to the copy that runs, and gives the command's exit status. When no copy runs,
// --stop and --reset say so (status 1), while --start, --toggle and --show give nothing: this
// process then starts as the copy, holding `lock`. A copy that runs but does not answer within
// the wait is reported so (status 1), and nothing else is started.
std::optional<int> deliverVerb(InstanceLock& lock, const QString& socketPath, Verb verb);

}  // namespace conteggo
