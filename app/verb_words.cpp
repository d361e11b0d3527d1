#include "verb_words.h"

namespace conteggo {

namespace {

const QByteArray kStartupIdField = QByteArrayLiteral("DESKTOP_STARTUP_ID=");
const QByteArray kTokenField = QByteArrayLiteral("XDG_ACTIVATION_TOKEN=");

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

QByteArray encodeMessage(Verb verb, const Launch& launch) {
    QByteArray message = verbWord(verb);
    if (isLaunchValue(launch.startupId)) {
        message += ' ' + kStartupIdField + launch.startupId;
    }
    if (isLaunchValue(launch.activationToken)) {
        message += ' ' + kTokenField + launch.activationToken;
    }
    return message + '\n';
}

std::optional<VerbMessage> decodeMessage(QByteArrayView line) {
    const QList<QByteArray> fields = line.toByteArray().split(' ');
    const std::optional<Verb> verb = verbFromWord(fields.constFirst());
    if (!verb) {
        return std::nullopt;
    }
    VerbMessage message{*verb, {}};
    for (const QByteArray& field : fields.mid(1)) {
        QByteArray* target = field.startsWith(kStartupIdField) ? &message.launch.startupId
                             : field.startsWith(kTokenField)   ? &message.launch.activationToken
                                                               : nullptr;
        const qsizetype nameSize =
            target == &message.launch.startupId ? kStartupIdField.size() : kTokenField.size();
        // Each value once, and nothing else: anything more voids the whole message.
        if (target == nullptr || !target->isEmpty() || !isLaunchValue(field.mid(nameSize))) {
            return std::nullopt;
        }
        *target = field.mid(nameSize);
    }
    return message;
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
