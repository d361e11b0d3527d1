#pragma once

#include <QString>
#include <functional>

namespace conteggo {

// One line on standard error, "Conteggo: " and `line`. Standard error rather than the Qt log:
// what the program reports must be seen, and no logging setting may turn it into an abort.
void reportLine(const QString& line);

// The problems a user must hear of where they look, not only on standard error, which a program
// started from the menu shows nobody.
enum class Problem {
    FileKeptAside,   // start-up could not read or understand a file, and kept it aside
    SaveFailed,      // a file could not be saved (told once, until a save works again)
    CommandRefused,  // a command (conteggo --reset...) was refused or not answered
};

// Where problems are told besides their line: a desktop notification, set by the program; none
// by default.
using ProblemNotice = std::function<void(Problem, const QString& line)>;
void setProblemNotice(ProblemNotice notice);

// Tells `problem`, whose line has gone to standard error, where the user looks.
void noticeProblem(Problem problem, const QString& line);

// reportLine, then noticeProblem.
void reportProblem(Problem problem, const QString& line);

}  // namespace conteggo
