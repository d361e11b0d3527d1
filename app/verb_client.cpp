#include "verb_client.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QLocalSocket>
#include <algorithm>

#include "report_line.h"
#include "termination_signals.h"
#include "verb_words.h"

namespace conteggo {

namespace {

// The waits are cut into slices this long, so that a termination signal ends them at once.
constexpr qint64 kSliceMs = 100;

// Runs `wait` (one of the socket's blocking waits, given a time in ms) in slices until it
// succeeds, the socket is closed or `deadline` passes.
template <typename Wait>
bool waitInSlices(const QLocalSocket& socket, const QDeadlineTimer& deadline, Wait wait) {
    for (;;) {
        if (terminationRequested()) {
            endAsSignalled();
        }
        if (wait(static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, kSliceMs)))) {
            return true;
        }
        if (socket.state() == QLocalSocket::UnconnectedState || deadline.hasExpired()) {
            return false;
        }
    }
}

// The process at the other end of the connection runs as this user: asked of the connected
// socket itself, so nothing put at the path meanwhile can pass for the program.
bool peerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

}  // namespace

Delivery sendVerb(const QString& path, Verb verb, const Launch& launch, QDeadlineTimer deadline) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!waitInSlices(socket, deadline, [&](int ms) { return socket.waitForConnected(ms); })) {
        // Refused, or no socket: nobody listens. Still connecting: the copy is not taking them.
        return {socket.state() == QLocalSocket::UnconnectedState ? Delivery::NotListening
                                                                 : Delivery::NoAnswer};
    }
    if (!peerIsThisUser(socket)) {
        return {Delivery::Stranger};
    }
    socket.write(encodeMessage(verb, launch));
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= kMaxMessageBytes) {
        if (socket.bytesAvailable() == 0 &&
            !waitInSlices(socket, deadline, [&](int ms) { return socket.waitForReadyRead(ms); })) {
            reply += socket.readAll();  // what came just before the end
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
            reportLine(verb == Verb::Reset
                           ? QStringLiteral("il conteggo è in corso: fermalo prima di azzerarlo")
                           : QStringLiteral("il conteggo è già in corso"));
            break;
        case VerbAnswer::Stopped:
            reportLine(QStringLiteral("il conteggo è già fermo"));
            break;
        case VerbAnswer::ModalOpen:
            reportLine(QStringLiteral("una finestra di Conteggo è aperta: chiudila e riprova"));
            break;
        case VerbAnswer::Closing:
            reportLine(QStringLiteral("Conteggo si sta chiudendo"));
            break;
    }
    return 1;
}

}  // namespace conteggo
