#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "verb.h"

namespace conteggo {

// What the command line asks for: a verb, nothing (a plain start), or an end at once with a
// status and a text (--help, --version, a mistake).
struct CommandLine {
    std::optional<Verb> verb;
    std::optional<int> exitStatus;
    QString output;  // for standard output when the status is 0, else for standard error
    // Qt's own -platform and -display, when given: they choose the display as the
    // environment's QT_QPA_PLATFORM and DISPLAY would.
    QString platform;
    QString display;
};

// Exit status of a command line the program does not understand.
inline constexpr int kUsageStatus = 2;

// `arguments` as in main's argv, the program's name first. Qt's own options (-session, which
// a session manager passes to a program it restores, -style, -platform, -reverse...) are
// accepted as in any Qt program and left for QApplication to take.
CommandLine parseCommandLine(const QStringList& arguments);

// Reads main's command line; prints the help, the version or a mistake, each an end with a
// status. Needs no application object.
CommandLine readCommandLine(int argc, char** argv);

}  // namespace conteggo
