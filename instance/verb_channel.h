#pragma once

// The verbs' way from a command to the copy that runs, over a local (Unix) socket in the
// user's private runtime folder: the command's end (deliverVerb, sendVerb) and the copy's
// (VerbServer). Plain POSIX sockets, watched by the event loop on the copy's side.

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "launch.h"
#include "verb.h"

namespace conteggo {

class InstanceLock;

// How sending a verb went.
struct Delivery {
    enum Outcome {
        NotListening,  // nobody takes connections at the path (a copy still starting, or none)
        Answered,
        NoAnswer,  // the connection was taken, but no answer came in time
        Stranger,  // the process at the other end is another user's
    };
    Outcome outcome = NotListening;
    VerbAnswer answer = VerbAnswer::Done;
};

// How long past its deadline a command still waits for the answer: a copy that took the verb
// just before the deadline has answered well within it.
inline constexpr qint64 kAnswerGraceMs = 2000;

// Sends one verb, with the command's launch, to the copy listening at `path`, telling it
// `deadline`, and waits for its answer until kAnswerGraceMs past it. Blocking, for the
// short-lived command that only delivers it. A termination signal ends the command at any
// moment of the wait. The copy never acts on a verb past its deadline, nor on one whose sender
// has gone, so NoAnswer means the verb did not happen.
Delivery sendVerb(const QString& path, Verb verb, const Launch& launch, QDeadlineTimer deadline);

// A command's verb, the whole way: when a copy runs (its lock is held), the verb goes to it,
// tried again while it is still starting, and the command's exit status comes back, with one
// line for a refusal. When none runs, --stop and --reset say so (status 1), while --start,
// --toggle and --show give nothing: this process then starts as the copy, holding `lock`. A
// copy that does not answer within the wait is reported so (status 1), and nothing else is
// started.
std::optional<int> deliverVerb(InstanceLock& lock, const QString& socketPath, Verb verb);

// The running copy's end of the verb socket. Each connection may carry one message, a verb
// word and a line feed; the verb goes to the handler, whose answer goes back as a word, and
// the connection ends. Anything else (a stranger's connection, unknown or oversized input,
// a second message, silence past the deadline, a sender that has gone before its verb was
// read, a verb past the deadline its command gave) is dropped without effect. Drops are
// reported on standard error at most once a minute for each reason, with the number of those
// left unsaid.
class VerbServer : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<VerbAnswer(Verb, const Launch&)>;

    // A client writes its message as soon as it is connected; this leaves room for a busy machine.
    static constexpr int kDefaultDeadlineMs = 5000;
    // More connections than this waiting for their message: the one that waited longest is
    // cut, so idle connections can never keep a command out.
    static constexpr int kMaxOpenConnections = 64;
    static constexpr int kReportEveryMs = 60 * 1000;

    VerbServer(QString path, Handler handler, int deadlineMs = kDefaultDeadlineMs,
               QObject* parent = nullptr);
    ~VerbServer() override;

    // Takes the socket path, replacing a socket left by a killed copy: call it only while
    // holding the instance lock. False, with one line on standard error, when it cannot.
    bool listen();
    // Stops listening and removes the socket; connections still open are dropped.
    void close();

  private:
    struct Connection;
    void acceptAll();
    void readMessage(Connection* connection);
    void answer(Connection* connection, VerbAnswer verbAnswer);
    void drop(Connection* connection, const QString& why);
    void forget(Connection* connection);
    void report(const QString& why);

    QString path_;
    Handler handler_;
    int deadlineMs_;
    int listening_ = -1;
    std::unique_ptr<QObject> listener_;  // the notifier of the listening socket
    // Connections still waiting for their message, oldest first.
    std::vector<Connection*> open_;
    QHash<QString, int> unsaid_;  // drops since the last line for each reason, while it holds
};

}  // namespace conteggo
