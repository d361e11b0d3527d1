#include "verb_channel.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "instance_lock.h"
#include "report_line.h"
#include "system_error.h"
#include "termination_signals.h"
#include "verb_protocol.h"

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
// socket itself, so nothing put at the path meanwhile can pass for the program (on the
// command's side), and no other user's process gets a verb in (on the copy's side, beside the
// private folder and the socket's mode).
bool peerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

// The command's exit status for an answered delivery, with the refusal's one line.
int reportAnswer(Verb verb, VerbAnswer answer) {
    if (answer == VerbAnswer::Done) {
        return 0;
    }
    reportLine(refusalText(verb, answer));
    return 1;
}

// How long a command waits for the copy that runs to answer: one that is starting reads two
// files and shows its window first, on a machine that may be busy.
constexpr int kWaitMs = 10000;
constexpr int kRetryPauseMs = 20;

int notAnswering() {
    reportLine(QCoreApplication::translate("Verbs", "la copia in esecuzione non ha risposto"));
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
                    std::fprintf(stderr, "%s\n",
                                 qPrintable(QCoreApplication::translate(
                                     "Verbs", "Conteggo non è in esecuzione")));
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
                reportLine(QCoreApplication::translate("Verbs",
                                                       "il socket %1 appartiene a un altro utente")
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

// The connection's other end has closed: the message was all it will ever send.
bool senderHasGone(const QLocalSocket& socket) {
    const auto fd = static_cast<int>(socket.socketDescriptor());
    char byte = 0;
    return socket.state() != QLocalSocket::ConnectedState || fd < 0 ||
           ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
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

std::optional<int> deliverVerb(InstanceLock& lock, const QString& socketPath, Verb verb) {
    return handOver(lock, socketPath, verb, Launch::fromEnvironment());
}

VerbServer::VerbServer(QString path, Handler handler, int deadlineMs, QObject* parent)
    : QObject(parent),
      path_(std::move(path)),
      handler_(std::move(handler)),
      deadlineMs_(deadlineMs),
      server_(new QLocalServer(this)) {
    // Made with the owner's access only, in a private folder, and then moved into place.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &VerbServer::acceptAll);
}

VerbServer::~VerbServer() = default;

bool VerbServer::listen() {
    QLocalServer::removeServer(path_);
    errno = 0;
    if (server_->listen(path_)) {
        // Qt makes it 0700; a socket needs no execute bit.
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    const int error = errno;
    reportLine(QCoreApplication::translate(
                   "Verbs", "comandi da riga di comando non disponibili: socket %1: %2")
                   .arg(QDir::toNativeSeparators(path_),
                        error != 0 ? systemErrorText(error)
                                   : QCoreApplication::translate("Verbs", "errore del socket")));
    return false;
}

void VerbServer::close() {
    server_->close();
}

void VerbServer::acceptAll() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        take(socket);
    }
}

void VerbServer::take(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(*socket)) {
        drop(socket, QCoreApplication::translate("Verbs", "connessione di un altro utente"));
        return;
    }
    if (open_.size() >= kMaxOpenConnections) {
        drop(open_.constFirst(),
             QCoreApplication::translate("Verbs", "troppe connessioni in attesa"));
    }
    open_.append(socket);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        // A client that gave up before a whole message: nothing to do, nothing to say.
        open_.removeOne(socket);
    });
    QTimer::singleShot(deadlineMs_, socket, [this, socket] {
        // On a busy machine the deadline may come before the news of bytes already there.
        readMessage(socket);
        if (open_.contains(socket)) {
            drop(socket, QCoreApplication::translate("Verbs", "nessun messaggio in tempo"));
        }
    });
    readMessage(socket);  // the message may have come with the connection
}

void VerbServer::readMessage(QLocalSocket* socket) {
    if (!open_.contains(socket)) {
        return;
    }
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        drop(socket, QCoreApplication::translate("Verbs", "messaggio troppo lungo"));
        return;
    }
    if (!socket->canReadLine()) {
        return;  // wait for the rest, up to the deadline
    }
    const QByteArray message = socket->readAll();
    // Exactly one line: a second message, or anything after the first, voids the whole.
    const qsizetype end = message.indexOf('\n');
    const std::optional<VerbMessage> verb = end == message.size() - 1
                                                ? decodeMessage(QByteArrayView(message).first(end))
                                                : std::nullopt;
    if (!verb) {
        drop(socket, QCoreApplication::translate("Verbs", "messaggio non valido"));
        return;
    }
    // A command that gave up waiting has already said the verb failed: it must not happen
    // later, when a copy that was frozen or busy comes to it.
    if (senderHasGone(*socket)) {
        drop(socket,
             QCoreApplication::translate("Verbs", "il comando non attende più la risposta"));
        return;
    }
    open_.removeOne(socket);
    answer(socket, handler_(verb->verb, verb->launch));
}

void VerbServer::answer(QLocalSocket* socket, VerbAnswer verbAnswer) {
    socket->disconnect(this);
    socket->write(answerWord(verbAnswer) + '\n');
    socket->disconnectFromServer();  // after the answer has been written
    if (socket->state() == QLocalSocket::UnconnectedState) {
        socket->deleteLater();
    }
}

void VerbServer::drop(QLocalSocket* socket, const QString& why) {
    open_.removeOne(socket);
    socket->disconnect(this);
    report(why);
    socket->abort();
    socket->deleteLater();
}

void VerbServer::report(const QString& why) {
    if (unsaid_.contains(why)) {
        ++unsaid_[why];  // said less than a minute ago
        return;
    }
    reportLine(QCoreApplication::translate("Verbs", "connessione scartata: %1").arg(why));
    unsaid_.insert(why, 0);
    QTimer::singleShot(kReportEveryMs, this, [this, why] {
        const int count = unsaid_.take(why);
        if (count > 0) {
            reportLine(QCoreApplication::translate(
                           "Verbs", "connessioni scartate nell'ultimo minuto: %1 (%2)")
                           .arg(count)
                           .arg(why));
        }
    });
}

}  // namespace conteggo
