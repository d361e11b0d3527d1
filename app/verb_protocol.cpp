#include "verb_protocol.h"

#include <QCoreApplication>

#include <QList>

namespace conteggo {

namespace {

const QByteArray kStartupIdField = QByteArrayLiteral("DESKTOP_STARTUP_ID=");
const QByteArray kTokenField = QByteArrayLiteral("XDG_ACTIVATION_TOKEN=");

const AnswerSpelling& spelling(VerbAnswer answer) {
    for (const AnswerSpelling& entry : kAnswers) {
        if (entry.answer == answer) {
            return entry;
        }
    }
    return kAnswers.front();
}

}  // namespace

QByteArray verbWord(Verb verb) {
    for (const VerbSpelling& entry : kVerbs) {
        if (entry.verb == verb) {
            return entry.word;
        }
    }
    return {};
}

std::optional<Verb> verbFromWord(QByteArrayView word) {
    for (const VerbSpelling& entry : kVerbs) {
        if (word == entry.word) {
            return entry.verb;
        }
    }
    return std::nullopt;
}

QByteArray answerWord(VerbAnswer answer) {
    return spelling(answer).word;
}

std::optional<VerbAnswer> answerFromWord(QByteArrayView word) {
    for (const AnswerSpelling& entry : kAnswers) {
        if (word == entry.word) {
            return entry.answer;
        }
    }
    return std::nullopt;
}

QString refusalText(Verb verb, VerbAnswer answer) {
    if (verb == Verb::Reset && answer == VerbAnswer::Running) {
        return QCoreApplication::translate("Verbs",
                                           "il conteggo è in corso: fermalo prima di azzerarlo");
    }
    const char* refusal = spelling(answer).refusal;
    return refusal != nullptr ? QCoreApplication::translate("Verbs", refusal) : QString();
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
        const bool isStartupId = field.startsWith(kStartupIdField);
        QByteArray* target = isStartupId                     ? &message.launch.startupId
                             : field.startsWith(kTokenField) ? &message.launch.activationToken
                                                             : nullptr;
        const QByteArray value =
            field.mid(isStartupId ? kStartupIdField.size() : kTokenField.size());
        // Each value once, and nothing else: anything more voids the whole message.
        if (target == nullptr || !target->isEmpty() || !isLaunchValue(value)) {
            return std::nullopt;
        }
        *target = value;
    }
    return message;
}

}  // namespace conteggo
