#include "verb_protocol.h"

#include <QCoreApplication>

#include <time.h>

#include <QList>
#include <algorithm>

namespace conteggo {

namespace {

constexpr QByteArrayView kStartupIdField("DESKTOP_STARTUP_ID=");
constexpr QByteArrayView kTokenField("XDG_ACTIVATION_TOKEN=");
constexpr QByteArrayView kDeadlineField("DEADLINE=");
// Any time of the clock, and never an overflow.
constexpr qsizetype kMaxDeadlineDigits = 18;

constexpr qsizetype longestVerbWord() {
    qsizetype longest = 0;
    for (const VerbSpelling& entry : kVerbs) {
        longest = std::max(longest, QByteArrayView(entry.word).size());
    }
    return longest;
}
// The longest message there can be: every field at its longest, each after a space, and the
// line feed.
static_assert(longestVerbWord() + 1 + kDeadlineField.size() + kMaxDeadlineDigits + 1 +
                      kStartupIdField.size() + kMaxLaunchValueBytes + 1 + kTokenField.size() +
                      kMaxLaunchValueBytes + 1 <=
                  kMaxMessageBytes,
              "kMaxMessageBytes is too small for the longest message");

std::optional<qint64> deadlineValue(const QByteArray& digits) {
    if (digits.isEmpty() || digits.size() > kMaxDeadlineDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return digits.toLongLong();
}

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
        return QCoreApplication::translate("conteggo::Delivery",
                                           "il conteggio è in corso: fermalo prima di azzerarlo");
    }
    const char* refusal = spelling(answer).refusal;
    return refusal != nullptr ? QCoreApplication::translate("conteggo::Delivery", refusal)
                              : QString();
}

QByteArray encodeMessage(Verb verb, const Launch& launch, std::optional<qint64> deadlineMs) {
    QByteArray message = verbWord(verb);
    const auto add = [&message](QByteArrayView field, const QByteArray& value) {
        message += ' ';
        message += field;
        message += value;
    };
    if (deadlineMs && *deadlineMs >= 0) {
        add(kDeadlineField, QByteArray::number(*deadlineMs));
    }
    if (isLaunchValue(launch.startupId)) {
        add(kStartupIdField, launch.startupId);
    }
    if (isLaunchValue(launch.activationToken)) {
        add(kTokenField, launch.activationToken);
    }
    return message + '\n';
}

std::optional<VerbMessage> decodeMessage(QByteArrayView line) {
    const QList<QByteArray> fields = line.toByteArray().split(' ');
    const std::optional<Verb> verb = verbFromWord(fields.constFirst());
    if (!verb) {
        return std::nullopt;
    }
    VerbMessage message{*verb, {}, std::nullopt};
    // Each field once, and nothing else: anything more voids the whole message.
    for (const QByteArray& field : fields.mid(1)) {
        if (field.startsWith(kDeadlineField)) {
            const std::optional<qint64> deadline = deadlineValue(field.mid(kDeadlineField.size()));
            if (!deadline || message.deadlineMs) {
                return std::nullopt;
            }
            message.deadlineMs = deadline;
            continue;
        }
        const bool isStartupId = field.startsWith(kStartupIdField);
        QByteArray* target = isStartupId                     ? &message.launch.startupId
                             : field.startsWith(kTokenField) ? &message.launch.activationToken
                                                             : nullptr;
        const QByteArray value =
            field.mid(isStartupId ? kStartupIdField.size() : kTokenField.size());
        if (target == nullptr || !target->isEmpty() || !isLaunchValue(value)) {
            return std::nullopt;
        }
        *target = value;
    }
    return message;
}

std::optional<qint64> sharedClockMs() {
    timespec now{};
    if (::clock_gettime(CLOCK_MONOTONIC, &now) != 0) {
        return std::nullopt;
    }
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace conteggo
