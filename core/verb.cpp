#include "verb.h"

namespace conteggo {

VerbAnswer verbAnswer(Verb verb, bool running, bool modalOpen, bool closing) {
    if (closing) {
        return VerbAnswer::Closing;
    }
    if (modalOpen) {
        return VerbAnswer::ModalOpen;
    }
    switch (verb) {
        case Verb::Start:
        case Verb::Reset:
            return running ? VerbAnswer::Running : VerbAnswer::Done;
        case Verb::Stop:
            return running ? VerbAnswer::Done : VerbAnswer::Stopped;
        case Verb::Toggle:
        case Verb::Show:
            break;
    }
    return VerbAnswer::Done;
}

}  // namespace conteggo
