#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

#include "launch.h"
#include "verb.h"

namespace conteggo {

// The verbs as the command line and the socket spell them ("start" is --start), and what the
// copy answers. One table each, so a verb or an answer is added in one place.
struct VerbSpelling {
    Verb verb;
    const char* word;
};
inline constexpr std::array<VerbSpelling, 5> kVerbs{{
    {Verb::Start, "start"},
    {Verb::Stop, "stop"},
    {Verb::Toggle, "toggle"},
    {Verb::Reset, "reset"},
    {Verb::Show, "show"},
}};

struct AnswerSpelling {
    VerbAnswer answer;
    const char* word;
    const char* refusal;  // the command's one line; none for Done
};
inline constexpr std::array<AnswerSpelling, 5> kAnswers{{
    {VerbAnswer::Done, "ok", nullptr},
    {VerbAnswer::Running, "running",
     QT_TRANSLATE_NOOP("conteggo::Delivery", "il conteggio è già in corso")},
    {VerbAnswer::Stopped, "stopped",
     QT_TRANSLATE_NOOP("conteggo::Delivery", "il conteggio è già fermo")},
    {VerbAnswer::ModalOpen, "modal",
     QT_TRANSLATE_NOOP("conteggo::Delivery",
                       "una finestra di Conteggo è aperta: chiudila e riprova")},
    {VerbAnswer::Closing, "closing",
     QT_TRANSLATE_NOOP("conteggo::Delivery", "Conteggo si sta chiudendo")},
}};

QByteArray verbWord(Verb verb);
std::optional<Verb> verbFromWord(QByteArrayView word);
QByteArray answerWord(VerbAnswer answer);
std::optional<VerbAnswer> answerFromWord(QByteArrayView word);

// What the command says when the copy answered `answer` to `verb`; empty for Done.
QString refusalText(Verb verb, VerbAnswer answer);

// Milliseconds of the monotonic clock (CLOCK_MONOTONIC), which all processes share: what a
// message's deadline is told in. None in the unlikely case the clock cannot be read.
std::optional<qint64> sharedClockMs();

// A command's message on the socket: the verb's word, then the time after which the command
// no longer waits for the answer ("DEADLINE=...", milliseconds of the monotonic clock, which
// every process of the machine shares) and the launch's values if any
// ("DESKTOP_STARTUP_ID=..." and "XDG_ACTIVATION_TOKEN=..."), separated by single spaces, and
// a line feed. Never longer than this; the answer is a word and a line feed.
inline constexpr qsizetype kMaxMessageBytes = 600;

struct VerbMessage {
    Verb verb;
    Launch launch;
    std::optional<qint64> deadlineMs;  // none from a command that gave none
};
QByteArray encodeMessage(Verb verb, const Launch& launch, std::optional<qint64> deadlineMs);
// `line` without its line feed; nothing unless it is exactly such a message.
std::optional<VerbMessage> decodeMessage(QByteArrayView line);

}  // namespace conteggo
