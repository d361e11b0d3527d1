#pragma once

#include <optional>

#include "verb.h"

namespace conteggo {

// What is left for the program after its command line has been seen to.
struct CommandOutcome {
    std::optional<int> exitStatus;  // set: end now with this status
    std::optional<Verb> verb;       // otherwise: start as usual, then apply this verb if any
};

// Seen to before any display is opened: prints the help, the version or a mistake, and sends
// a verb to the copy that runs. With no copy running, --start, --toggle and --show go on to
// a normal start; --stop and --reset say so and end with status 1.
CommandOutcome runCommandLine(int& argc, char** argv);

}  // namespace conteggo
