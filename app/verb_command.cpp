#include "verb_command.h"

#include <QCoreApplication>
#include <cstdio>

#include "command_line.h"
#include "runtime_path.h"
#include "verb_client.h"

namespace conteggo {

CommandOutcome runCommandLine(int& argc, char** argv) {
    // For the socket only; the windows' application object comes later, if at all.
    const QCoreApplication core(argc, argv);
    const CommandLine command = parseCommandLine(QCoreApplication::arguments());
    if (command.exitStatus) {
        const QByteArray text = command.output.toLocal8Bit();
        std::fputs(text.constData(), *command.exitStatus == 0 ? stdout : stderr);
        if (!text.endsWith('\n')) {
            std::fputc('\n', *command.exitStatus == 0 ? stdout : stderr);
        }
        return {command.exitStatus, std::nullopt};
    }
    if (!command.verb) {
        return {};
    }
    const Verb verb = *command.verb;
    const Delivery delivery = sendVerb(runtimeFilePath(QStringLiteral("socket")), verb);
    switch (delivery.outcome) {
        case Delivery::Answered:
            return {reportAnswer(verb, delivery.answer), std::nullopt};
        case Delivery::NoAnswer:
            std::fputs("Conteggo: la copia in esecuzione non ha risposto\n", stderr);
            return {1, std::nullopt};
        case Delivery::NoCopy:
            break;
    }
    if (verb == Verb::Stop || verb == Verb::Reset) {
        std::fputs("Conteggo non è in esecuzione\n", stderr);
        return {1, std::nullopt};
    }
    return {std::nullopt, verb};
}

}  // namespace conteggo
