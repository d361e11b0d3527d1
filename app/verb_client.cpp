#include "verb_client.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

#include "verb_words.h"

namespace conteggo {

namespace {

constexpr int kConnectMs = 2000;
// A busy desktop may keep the running copy from answering at once; it never takes this long.
constexpr int kAnswerMs = 10000;
constexpr int kRetryPauseMs = 20;

void say(const char* line) {
    std::fprintf(stderr, "Conteggo: %s\n", line);
}

}  // namespace

Delivery sendVerb(const QString& path, Verb verb) {
    // Only a socket of this user's own is asked; anything else counts as no copy.
    const QFileInfo socketFile(path);
    if (!socketFile.exists() || socketFile.ownerId() != ::getuid()) {
        return {};
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kConnectMs)) {
        // A socket left by a killed copy refuses; one that does not even answer is as good.
        return {};
    }
    socket.write(verbWord(verb) + '\n');
    const QDeadlineTimer deadline(kAnswerMs);
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= kMaxMessageBytes && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        reply += socket.readAll();
    }
    const std::optional<VerbAnswer> answer =
        reply.endsWith('\n') ? answerFromWord(QByteArrayView(reply).chopped(1)) : std::nullopt;
    if (!answer) {
        return {Delivery::NoAnswer};
    }
    return {Delivery::Answered, *answer};
}

int reportAnswer(Verb verb, VerbAnswer answer) {
    switch (answer) {
        case VerbAnswer::Done:
            return 0;
        case VerbAnswer::Running:
            say(verb == Verb::Reset ? "il conteggo è in corso: fermalo prima di azzerarlo"
                                    : "il conteggo è già in corso");
            break;
        case VerbAnswer::Stopped:
            say("il conteggo è già fermo");
            break;
        case VerbAnswer::ModalOpen:
            say("una finestra di Conteggo è aperta: chiudila e riprova");
            break;
        case VerbAnswer::Closing:
            say("Conteggo si sta chiudendo");
            break;
    }
    return 1;
}

int sendWhenListening(const QString& path, Verb verb, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const Delivery delivery = sendVerb(path, verb);
        if (delivery.outcome == Delivery::Answered) {
            return reportAnswer(verb, delivery.answer);
        }
        if (delivery.outcome == Delivery::NoAnswer || deadline.hasExpired()) {
            say("la copia in esecuzione non ha risposto");
            return 1;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

}  // namespace conteggo
