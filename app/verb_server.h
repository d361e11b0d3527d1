#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

#include "verb.h"

class QLocalServer;
class QLocalSocket;

namespace conteggo {

// The running copy's end of the verb socket. Each connection may carry one message, a verb
// word and a line feed; the verb goes to the handler, whose answer goes back as a word, and
// the connection ends. Anything else (a stranger's connection, unknown or oversized input,
// a second message, silence past the deadline) is dropped without effect, with at most one
// line on standard error.
class VerbServer : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<VerbAnswer(Verb)>;

    // A client writes its message as soon as it is connected; this leaves room for a busy machine.
    static constexpr int kDefaultDeadlineMs = 5000;
    // More connections than this at once are cut at once: one process cannot tie the
    // program up with idle connections.
    static constexpr int kMaxOpenConnections = 64;

    VerbServer(QString path, Handler handler, int deadlineMs = kDefaultDeadlineMs,
               QObject* parent = nullptr);
    ~VerbServer() override;

    // Takes the socket path, replacing a socket left by a killed copy: call it only while
    // holding the instance lock. False, with one line on standard error, when it cannot.
    bool listen();
    void close();

  private:
    void acceptAll();
    void take(QLocalSocket* socket);
    void readMessage(QLocalSocket* socket);
    void answer(QLocalSocket* socket, VerbAnswer verbAnswer);
    void drop(QLocalSocket* socket, const char* why);

    QString path_;
    Handler handler_;
    int deadlineMs_;
    QLocalServer* server_;
    QSet<QLocalSocket*> open_;  // connections still waiting for their message
};

}  // namespace conteggo
