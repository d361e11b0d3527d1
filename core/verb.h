#pragma once

namespace conteggo {

// What a command from outside the window asks of it (conteggo --start and the others).
enum class Verb { Start, Stop, Toggle, Reset, Show };

// The answer: done, or why the window would not let the user do the same.
enum class VerbAnswer {
    Done,
    Running,    // no start and no reset while the count runs
    Stopped,    // no stop while it is stopped
    ModalOpen,  // nothing while the alarm settings or the information window is open
    Closing,    // the files have been saved for the last time
};

// Whether `verb` may be done now, as the buttons would allow it: no start or reset while
// running, no stop while stopped, nothing while a modal window is open or after the closing.
VerbAnswer verbAnswer(Verb verb, bool running, bool modalOpen, bool closing);

}  // namespace conteggo
