#include "verb_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>

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
    if (server_->listen(path_)) {
        // Qt makes it 0700; a socket needs no execute bit.
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    std::fprintf(stderr, "Conteggo: comandi da riga di comando non disponibili: %s\n",
                 server_->errorString().toLocal8Bit().constData());
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
        drop(socket, "connessione di un altro utente");
        return;
    }
    if (open_.size() >= kMaxOpenConnections) {
        drop(socket, "troppe connessioni aperte");
        return;
    }
    open_.insert(socket);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        // A client that gave up before a whole message: nothing to do, nothing to say.
        open_.remove(socket);
    });
    QTimer::singleShot(deadlineMs_, socket, [this, socket] {
        // On a busy machine the deadline may come before the news of bytes already there.
        readMessage(socket);
        if (open_.contains(socket)) {
            drop(socket, "nessun messaggio in tempo");
        }
    });
    readMessage(socket);  // the message may have come with the connection
}

void VerbServer::readMessage(QLocalSocket* socket) {
    if (!open_.contains(socket)) {
        return;
    }
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        drop(socket, "messaggio troppo lungo");
        return;
    }
    if (!socket->canReadLine()) {
        return;  // wait for the rest, up to the deadline
    }
    const QByteArray message = socket->readAll();
    // Exactly one line: a second message, or anything after the first, voids the whole.
    const qsizetype end = message.indexOf('\n');
    const std::optional<Verb> verb =
        end == message.size() - 1 ? verbFromWord(QByteArrayView(message).first(end)) : std::nullopt;
    if (!verb) {
        drop(socket, "messaggio non valido");
        return;
    }
    open_.remove(socket);
    answer(socket, handler_(*verb));
}

void VerbServer::answer(QLocalSocket* socket, VerbAnswer verbAnswer) {
    socket->disconnect(this);
    socket->write(answerWord(verbAnswer) + '\n');
    socket->disconnectFromServer();  // after the answer has been written
    if (socket->state() == QLocalSocket::UnconnectedState) {
        socket->deleteLater();
    }
}

void VerbServer::drop(QLocalSocket* socket, const char* why) {
    open_.remove(socket);
    socket->disconnect(this);
    std::fprintf(stderr, "Conteggo: connessione scartata: %s\n", why);
    socket->abort();
    socket->deleteLater();
}

}  // namespace conteggo
