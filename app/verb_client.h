#pragma once

#include <QDeadlineTimer>
#include <QString>

#include "launch.h"
#include "verb.h"

namespace conteggo {

// How sending a verb went.
struct Delivery {
    enum Outcome {
        NotListening,  // nobody takes connections at the path (a copy still starting, or none)
        Answered,
        NoAnswer,  // the connection was taken, but no answer came in time
        Stranger,  // the process at the other end is another user's
    };
    Outcome outcome = NotListening;
    VerbAnswer answer = VerbAnswer::Done;
};

// Sends one verb, with the command's launch, to the copy listening at `path` and waits for its
// answer until `deadline`. Blocking, for the short-lived command that only delivers it. A
// termination signal ends the command at any moment of the wait; the copy never acts on a verb
// whose sender has gone.
Delivery sendVerb(const QString& path, Verb verb, const Launch& launch, QDeadlineTimer deadline);

// The command's exit status for an answered delivery, with the refusal's one line on
// standard error.
int reportAnswer(Verb verb, VerbAnswer answer);

}  // namespace conteggo
