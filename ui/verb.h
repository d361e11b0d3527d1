#pragma once

namespace conteggo {

// What a command from outside the window asks of it (conteggo --start and the others).
enum class Verb { Start, Stop, Toggle, Reset, Show };

// The window's answer: done, or why it would not let the user do the same.
enum class VerbAnswer {
    Done,
    Running,    // no start and no reset while the count runs
    Stopped,    // no stop while it is stopped
    ModalOpen,  // nothing while the alarm settings or the information window is open
    Closing,    // the window has saved for the last time
};

}  // namespace conteggo
