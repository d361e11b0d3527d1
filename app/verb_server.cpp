#include "verb_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>

#include "report_line.h"
#include "system_error.h"
#include "verb_words.h"

namespace conteggo {

namespace {

// The peer runs as this user. The socket's mode already keeps other users out; this also
// covers a socket that ended up in a shared folder.
bool sameUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

// The connection's other end has closed: the message was all it will ever send.
bool senderHasGone(const QLocalSocket& socket) {
    const auto fd = static_cast<int>(socket.socketDescriptor());
    char byte = 0;
    return socket.state() != QLocalSocket::ConnectedState || fd < 0 ||
           ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

}  // namespace

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
    reportLine(QStringLiteral("comandi da riga di comando non disponibili: socket %1: %2")
                   .arg(QDir::toNativeSeparators(path_),
                        error != 0 ? systemErrorText(error) : QStringLiteral("errore del socket")));
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
    if (!sameUser(*socket)) {
        drop(socket, QStringLiteral("connessione di un altro utente"));
        return;
    }
    if (open_.size() >= kMaxOpenConnections) {
        drop(open_.constFirst(), QStringLiteral("troppe connessioni in attesa"));
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
            drop(socket, QStringLiteral("nessun messaggio in tempo"));
        }
    });
    readMessage(socket);  // the message may have come with the connection
}

void VerbServer::readMessage(QLocalSocket* socket) {
    if (!open_.contains(socket)) {
        return;
    }
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        drop(socket, QStringLiteral("messaggio troppo lungo"));
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
        drop(socket, QStringLiteral("messaggio non valido"));
        return;
    }
    // A command that gave up waiting has already said the verb failed: it must not happen
    // later, when a copy that was frozen or busy comes to it.
    if (senderHasGone(*socket)) {
        drop(socket, QStringLiteral("il comando non attende più la risposta"));
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
    reportLine(QStringLiteral("connessione scartata: %1").arg(why));
    unsaid_.insert(why, 0);
    QTimer::singleShot(kReportEveryMs, this, [this, why] {
        const int count = unsaid_.take(why);
        if (count > 0) {
            reportLine(QStringLiteral("connessioni scartate nell'ultimo minuto: %1 (%2)")
                           .arg(count)
                           .arg(why));
        }
    });
}

}  // namespace conteggo
