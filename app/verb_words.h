#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>
#include <optional>

#include "launch.h"
#include "verb.h"

namespace conteggo {

// The words of the verb socket, and the command-line options: "start" is --start.
inline constexpr std::array<Verb, 5> kVerbs = {Verb::Start, Verb::Stop, Verb::Toggle, Verb::Reset,
                                               Verb::Show};
QByteArray verbWord(Verb verb);
std::optional<Verb> verbFromWord(QByteArrayView word);

QByteArray answerWord(VerbAnswer answer);
std::optional<VerbAnswer> answerFromWord(QByteArrayView word);

// A command's message on the socket: the verb's word, then the launch's values if any
// ("DESKTOP_STARTUP_ID=..." and "XDG_ACTIVATION_TOKEN=..."), separated by single spaces, and
// a line feed. Never longer than this.
inline constexpr qsizetype kMaxMessageBytes = 600;

struct VerbMessage {
    Verb verb;
    Launch launch;
};
QByteArray encodeMessage(Verb verb, const Launch& launch);
// `line` without its line feed; nothing unless it is exactly such a message.
std::optional<VerbMessage> decodeMessage(QByteArrayView line);

}  // namespace conteggo
