#include "verb_command.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStringList>
#include <QThread>
#include <cstdio>

#include "command_line.h"
#include "instance_lock.h"
#include "launch.h"
#include "report_line.h"
#include "termination_signals.h"
#include "verb_client.h"

namespace conteggo {

namespace {

// How long a command waits for the copy that runs to answer: one that is starting reads two
// files and shows its window first, on a machine that may be busy.
constexpr int kWaitMs = 10000;
constexpr int kRetryPauseMs = 20;

int notAnswering() {
    reportLine(QStringLiteral("la copia in esecuzione non ha risposto"));
    return 1;
}

// The verb's delivery, or nothing when this command is to start as the copy.
std::optional<int> handOver(InstanceLock& lock, const QString& socketPath, Verb verb,
                            const Launch& launch) {
    const QDeadlineTimer deadline(kWaitMs);
    for (;;) {
        if (terminationRequested()) {
            endAsSignalled();
        }
        // Held means a live copy: anything short of its answer is a copy not answering. Free
        // means none runs; another command may have held it for a moment, so look again.
        switch (lock.tryAcquire()) {
            case InstanceLock::Outcome::Acquired:
                if (verb == Verb::Stop || verb == Verb::Reset) {
                    lock.release();
                    std::fputs("Conteggo non è in esecuzione\n", stderr);
                    return 1;
                }
                return std::nullopt;
            case InstanceLock::Outcome::Failed:
                reportLine(lock.error());
                return 1;
            case InstanceLock::Outcome::Held:
                break;
        }
        const Delivery delivery = sendVerb(socketPath, verb, launch, deadline);
        switch (delivery.outcome) {
            case Delivery::Answered:
                return reportAnswer(verb, delivery.answer);
            case Delivery::NoAnswer:
                return notAnswering();
            case Delivery::Stranger:
                reportLine(QStringLiteral("il socket %1 appartiene a un altro utente")
                               .arg(QDir::toNativeSeparators(socketPath)));
                return 1;
            case Delivery::NotListening:
                break;  // a copy still starting
        }
        if (deadline.hasExpired()) {
            return notAnswering();
        }
        QThread::msleep(kRetryPauseMs);
    }
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int n = 0; n < argc; ++n) {
        arguments << QString::fromLocal8Bit(argv[n]);
    }
    const CommandLine command = parseCommandLine(arguments);
    if (command.exitStatus) {
        std::FILE* out = *command.exitStatus == 0 ? stdout : stderr;
        QByteArray text = command.output.toLocal8Bit();
        if (!text.endsWith('\n')) {
            text += '\n';
        }
        std::fputs(text.constData(), out);
    }
    return command;
}

std::optional<int> deliverVerb(InstanceLock& lock, const QString& socketPath, Verb verb) {
    const Launch launch = Launch::fromEnvironment();
    const std::optional<int> status = handOver(lock, socketPath, verb, launch);
    if (status) {
        // This command shows no window: the launcher's busy cursor ends now.
        completeStartupNotice(launch.startupId);
    }
    return status;
}

}  // namespace conteggo
