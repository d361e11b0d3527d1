#include "verb_channel.h"

#include <QCoreApplication>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "descriptor.h"
#include "instance_lock.h"
#include "report_line.h"
#include "system_error.h"
#include "termination_signals.h"
#include "verb_protocol.h"

namespace conteggo {

namespace {

// The waits are cut into slices this long, so that a termination signal ends them at once.
constexpr qint64 kSliceMs = 100;

std::optional<sockaddr_un> socketAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

// Waits up to `ms` for `events` on `fd` (none: only the time passes), a slice at a time, and
// ends the process as a termination signal would have, should one come meanwhile. Whether
// the events came.
bool waitFor(int fd, short events, qint64 ms) {
    for (;;) {
        if (terminationRequested()) {
            endAsSignalled();
        }
        const qint64 slice = std::clamp<qint64>(ms, 0, kSliceMs);
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, fd >= 0 ? 1 : 0, static_cast<int>(slice));
        if (ready > 0) {
            return true;
        }
        ms -= slice;
        if (ms <= 0) {
            return false;
        }
    }
}

void pauseMs(qint64 ms) {
    waitFor(-1, 0, ms);
}

// The process at the other end of the connection runs as this user: asked of the connected
// socket itself, so nothing put at the path meanwhile can pass for the program (on the
// command's side), and no other user's process gets a verb in (on the copy's side, beside the
// private folder and the socket's mode).
bool peerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// The command's exit status for an answered delivery, with the refusal's one line.
int reportAnswer(Verb verb, VerbAnswer answer) {
    if (answer == VerbAnswer::Done) {
        return 0;
    }
    reportProblem(Problem::CommandRefused, refusalText(verb, answer));
    return 1;
}

// How long a command waits for the copy that runs to answer: one that is starting reads two
// files and shows its window first, on a machine that may be busy.
constexpr int kWaitMs = 10000;
constexpr int kRetryPauseMs = 20;

int notAnswering() {
    reportProblem(Problem::CommandRefused,
                  QCoreApplication::translate("conteggo::Delivery",
                                              "la copia in esecuzione non ha risposto"));
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
                    const QString none = QCoreApplication::translate(
                        "conteggo::Delivery", "Conteggo non è in esecuzione");
                    std::fprintf(stderr, "%s\n", qPrintable(none));
                    noticeProblem(Problem::CommandRefused, none);
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
                reportLine(QCoreApplication::translate("conteggo::Delivery",
                                                       "il socket %1 appartiene a un altro utente")
                               .arg(QDir::toNativeSeparators(socketPath)));
                return 1;
            case Delivery::NotListening:
                break;  // a copy still starting
        }
        if (deadline.hasExpired()) {
            return notAnswering();
        }
        pauseMs(kRetryPauseMs);
    }
}

}  // namespace

Delivery sendVerb(const QString& path, Verb verb, const Launch& launch, QDeadlineTimer deadline) {
    const std::optional<sockaddr_un> address = socketAddress(path);
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!address || fd.get() < 0) {
        return {Delivery::NotListening};
    }
    for (;;) {
        if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) ==
            0) {
            break;
        }
        if (errno == EINTR) {
            continue;
        }
        // The copy's queue is full: it is not taking connections.
        if (errno != EAGAIN) {
            return {Delivery::NotListening};  // refused, or no socket: nobody listens
        }
        if (deadline.hasExpired()) {
            return {Delivery::NoAnswer};
        }
        pauseMs(std::min<qint64>(deadline.remainingTime(), kSliceMs));
    }
    if (!peerIsThisUser(fd.get())) {
        return {Delivery::Stranger};
    }
    // The copy drops the verb past the deadline told; the answer to one taken in time comes
    // well within the grace that follows.
    const QDeadlineTimer answerBy(deadline.remainingTime() + kAnswerGraceMs);
    const std::optional<qint64> now = sharedClockMs();
    const QByteArray message = encodeMessage(
        verb, launch, now ? std::optional(*now + deadline.remainingTime()) : std::nullopt);
    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n = ::send(fd.get(), message.constData() + sent,
                                 static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno != EINTR &&
                   (errno != EAGAIN || !waitFor(fd.get(), POLLOUT, answerBy.remainingTime()))) {
            return {Delivery::NoAnswer};
        }
    }
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= kMaxMessageBytes) {
        char buffer[64];
        const ssize_t n = ::recv(fd.get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            reply.append(buffer, n);
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            break;  // the copy ended the connection
        } else if (errno == EAGAIN && !waitFor(fd.get(), POLLIN, answerBy.remainingTime())) {
            break;
        }
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

// One connection of a command, until its message is read or it is dropped.
struct VerbServer::Connection : QObject {
    Connection(int descriptor, QObject* parent)
        : QObject(parent), fd(descriptor), notifier(fd, QSocketNotifier::Read, this) {}
    ~Connection() override { closeNow(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    void closeNow() {
        notifier.setEnabled(false);
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }

    int fd;
    QSocketNotifier notifier;
    QByteArray received;
    bool ended = false;  // the other end has closed
};

VerbServer::VerbServer(QString path, Handler handler, int deadlineMs, QObject* parent)
    : QObject(parent),
      path_(std::move(path)),
      handler_(std::move(handler)),
      deadlineMs_(deadlineMs) {}

VerbServer::~VerbServer() {
    close();
}

bool VerbServer::listen() {
    close();
    const std::optional<sockaddr_un> address = socketAddress(path_);
    int error = ENAMETOOLONG;
    if (address) {
        // A socket left by a killed copy: whoever holds the lock owns the name.
        ::unlink(QFile::encodeName(path_).constData());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd >= 0 &&
            ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
            // No execute bit, and nobody else's: the folder is private as well.
            ::chmod(QFile::encodeName(path_).constData(), 0600) == 0 &&
            ::listen(fd, SOMAXCONN) == 0) {
            listening_ = fd;
            auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            connect(notifier.get(), &QSocketNotifier::activated, this, &VerbServer::acceptAll);
            listener_ = std::move(notifier);
            return true;
        }
        error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
    }
    reportLine(
        QCoreApplication::translate("conteggo::VerbServer",
                                    "comandi da riga di comando non disponibili: socket %1: %2")
            .arg(QDir::toNativeSeparators(path_), systemErrorText(error)));
    return false;
}

void VerbServer::close() {
    if (listening_ < 0) {
        return;
    }
    listener_.reset();
    ::close(listening_);
    listening_ = -1;
    ::unlink(QFile::encodeName(path_).constData());
    for (Connection* connection : std::exchange(open_, {})) {
        connection->closeNow();
        connection->deleteLater();
    }
}

void VerbServer::acceptAll() {
    for (;;) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;  // none left (or none to take now: the next will wake us)
        }
        if (!peerIsThisUser(fd)) {
            ::close(fd);
            report(QCoreApplication::translate("conteggo::VerbServer",
                                               "connessione di un altro utente"));
            continue;
        }
        if (open_.size() >= kMaxOpenConnections) {
            drop(open_.front(), QCoreApplication::translate("conteggo::VerbServer",
                                                            "troppe connessioni in attesa"));
        }
        auto* connection = new Connection(fd, this);
        open_.push_back(connection);
        connect(&connection->notifier, &QSocketNotifier::activated, connection,
                [this, connection] { readMessage(connection); });
        QTimer::singleShot(deadlineMs_, connection, [this, connection] {
            // On a busy machine the deadline may come before the news of bytes already there.
            readMessage(connection);
            if (std::find(open_.begin(), open_.end(), connection) != open_.end()) {
                drop(connection, QCoreApplication::translate("conteggo::VerbServer",
                                                             "nessun messaggio in tempo"));
            }
        });
        readMessage(connection);  // the message may have come with the connection
    }
}

void VerbServer::readMessage(Connection* connection) {
    if (std::find(open_.begin(), open_.end(), connection) == open_.end()) {
        return;
    }
    for (;;) {
        char buffer[1024];
        const ssize_t n = ::recv(connection->fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            connection->received.append(buffer, n);
            if (connection->received.size() > kMaxMessageBytes) {
                drop(connection,
                     QCoreApplication::translate("conteggo::VerbServer", "messaggio troppo lungo"));
                return;
            }
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            connection->ended = n == 0 || errno != EAGAIN;
            break;
        }
    }
    const QByteArray& message = connection->received;
    const qsizetype end = message.indexOf('\n');
    if (end < 0) {
        if (connection->ended) {
            forget(connection);  // a client that gave up before a whole message: nothing to say
        }
        return;  // else wait for the rest, up to the deadline
    }
    // Exactly one line: a second message, or anything after the first, voids the whole.
    const std::optional<VerbMessage> verb = end == message.size() - 1
                                                ? decodeMessage(QByteArrayView(message).first(end))
                                                : std::nullopt;
    if (!verb) {
        drop(connection,
             QCoreApplication::translate("conteggo::VerbServer", "messaggio non valido"));
        return;
    }
    // A command that gave up waiting has already said the verb failed, and one past its
    // deadline is about to: it must not happen later, when a copy that was frozen or busy
    // comes to it. The program's commands always tell a deadline; a client that tells none
    // (a script of the user's) waits as long as it likes, and is taken as before; so is one
    // whose deadline cannot be judged, for want of a clock.
    const std::optional<qint64> now = verb->deadlineMs ? sharedClockMs() : std::nullopt;
    if (connection->ended || (now && *now > *verb->deadlineMs)) {
        drop(connection, QCoreApplication::translate("conteggo::VerbServer",
                                                     "il comando non attende più la risposta"));
        return;
    }
    open_.erase(std::find(open_.begin(), open_.end(), connection));
    answer(connection, handler_(verb->verb, verb->launch));
}

void VerbServer::answer(Connection* connection, VerbAnswer verbAnswer) {
    // A few bytes into an empty socket: they go at once, or the command has gone.
    const QByteArray word = answerWord(verbAnswer) + '\n';
    [[maybe_unused]] const ssize_t sent =
        ::send(connection->fd, word.constData(), static_cast<size_t>(word.size()), MSG_NOSIGNAL);
    connection->closeNow();
    connection->deleteLater();
}

void VerbServer::drop(Connection* connection, const QString& why) {
    report(why);
    forget(connection);
}

void VerbServer::forget(Connection* connection) {
    open_.erase(std::find(open_.begin(), open_.end(), connection));
    connection->closeNow();
    connection->deleteLater();
}

void VerbServer::report(const QString& why) {
    if (unsaid_.contains(why)) {
        ++unsaid_[why];  // said less than a minute ago
        return;
    }
    reportLine(
        QCoreApplication::translate("conteggo::VerbServer", "connessione scartata: %1").arg(why));
    unsaid_.insert(why, 0);
    QTimer::singleShot(kReportEveryMs, this, [this, why] {
        const int count = unsaid_.take(why);
        if (count > 0) {
            reportLine(
                QCoreApplication::translate("conteggo::VerbServer",
                                            "connessioni scartate nell'ultimo minuto: %1 (%2)")
                    .arg(count)
                    .arg(why));
        }
    });
}

}  // namespace conteggo
