#pragma once

#include <QString>
#include <optional>

#include "verb.h"

namespace conteggo {

// How sending a verb went: no copy listens at the path, the copy answered, or it did not.
struct Delivery {
    enum Outcome { NoCopy, Answered, NoAnswer };
    Outcome outcome = NoCopy;
    VerbAnswer answer = VerbAnswer::Done;
};

// Sends one verb to the copy listening at `path` and waits for its answer. Blocking, for the
// short-lived command that only delivers it.
Delivery sendVerb(const QString& path, Verb verb);

// The command's exit status for an answered delivery, with the refusal's one line on
// standard error.
int reportAnswer(Verb verb, VerbAnswer answer);

// sendVerb, retried while no copy listens yet, for up to `waitMs`: for a command that lost
// the start to another copy starting at the same moment. The exit status, as reportAnswer.
int sendWhenListening(const QString& path, Verb verb, int waitMs);

}  // namespace conteggo
