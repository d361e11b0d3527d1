#include "verb_words.h"

namespace conteggo {

namespace {

constexpr std::array<VerbAnswer, 5> kAnswers = {VerbAnswer::Done, VerbAnswer::Running,
                                                VerbAnswer::Stopped, VerbAnswer::ModalOpen,
                                                VerbAnswer::Closing};

}  // namespace

QByteArray verbWord(Verb verb) {
    switch (verb) {
        case Verb::Start:
            return "start";
        case Verb::Stop:
            return "stop";
        case Verb::Toggle:
            return "toggle";
        case Verb::Reset:
            return "reset";
        case Verb::Show:
            return "show";
    }
    return {};
}

std::optional<Verb> verbFromWord(QByteArrayView word) {
    for (const Verb verb : kVerbs) {
        if (word == verbWord(verb)) {
            return verb;
        }
    }
    return std::nullopt;
}

QByteArray answerWord(VerbAnswer answer) {
    switch (answer) {
        case VerbAnswer::Done:
            return "ok";
        case VerbAnswer::Running:
            return "running";
        case VerbAnswer::Stopped:
            return "stopped";
        case VerbAnswer::ModalOpen:
            return "modal";
        case VerbAnswer::Closing:
            return "closing";
    }
    return {};
}

std::optional<VerbAnswer> answerFromWord(QByteArrayView word) {
    for (const VerbAnswer answer : kAnswers) {
        if (word == answerWord(answer)) {
            return answer;
        }
    }
    return std::nullopt;
}

}  // namespace conteggo
