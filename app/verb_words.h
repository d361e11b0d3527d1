#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

#include "verb.h"

namespace conteggo {

// The words of the verb socket, and the command-line options: "start" is --start.
inline constexpr std::array<Verb, 5> kVerbs = {Verb::Start, Verb::Stop, Verb::Toggle, Verb::Reset,
                                               Verb::Show};
QByteArray verbWord(Verb verb);
std::optional<Verb> verbFromWord(QByteArrayView word);

QByteArray answerWord(VerbAnswer answer);
std::optional<VerbAnswer> answerFromWord(QByteArrayView word);

// One message on the socket is a word and a line feed, never longer than this.
inline constexpr qsizetype kMaxMessageBytes = 16;

}  // namespace conteggo
