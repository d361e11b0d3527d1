#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <csignal>
#include <cstring>

#include "session_bench.h"
#include "stderr_capture.h"
#include "verb_channel.h"
#include "verb_protocol.h"

using conteggo::Delivery;
using conteggo::Verb;
using conteggo::VerbServer;

namespace {

constexpr int kDeadlineMs = 300;  // the server's wait for a message, short for the tests

// A socket bound at `path`, nobody listening yet; -1 when it cannot be.
int boundSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A socket file with nobody listening, as a killed copy leaves it.
bool makeStaleSocket(const QString& path) {
    const int fd = boundSocket(path);
    ::close(fd);
    return fd >= 0;
}

// A process of the user "nobody" listening at `path`, bound while still root; its pid.
pid_t listenAsNobody(const QString& path) {
    const int fd = boundSocket(path);
    if (fd < 0) {
        return -1;
    }
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {  // the connection's credentials are those of the listen() call
        if (::setgid(65534) != 0 || ::setuid(65534) != 0 || ::listen(fd, 8) != 0) {
            ::_exit(1);
        }
        [[maybe_unused]] const ssize_t said = ::write(ready[1], "y", 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(fd);
    ::close(ready[1]);
    char byte = 0;
    const bool listening = ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    return listening ? pid : -1;
}

// A session over a scratch folder holding the count 5, with its verb server.
struct Bench : SessionBench {
    std::unique_ptr<VerbServer> server;

    QString socketPath() const { return path("conteggo.socket"); }
    bool running() const { return session->running(); }

    // The session over a count of 5 s, and the server that hands it the verbs.
    bool openWithServer() {
        writeFiles("5\r\n");
        newSession().startUp();
        server = std::make_unique<VerbServer>(
            socketPath(),
            [this](Verb verb, const conteggo::Launch&) { return session->applyVerb(verb); },
            kDeadlineMs);
        return server->listen();
    }
};

// A client socket connected to `path`, or -1.
int connectedTo(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Takes what has come on `fd` into `reply`; true once the other end has closed.
bool takeReply(int fd, QByteArray& reply) {
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return n == 0 || errno != EAGAIN;
        }
        reply.append(buffer, n);
    }
}

// One connection: writes `message`, then collects whatever comes back until the server ends
// the connection. Runs the event loop meanwhile, so the server in this thread can answer.
struct Exchange {
    int fd = -1;
    QByteArray reply;

    ~Exchange() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    bool run(const QString& path, const QByteArray& message) {
        fd = connectedTo(path);
        if (fd < 0 || ::send(fd, message.constData(), static_cast<size_t>(message.size()),
                             MSG_NOSIGNAL) != message.size()) {
            return false;
        }
        return QTest::qWaitFor([this] { return takeReply(fd, reply); }, 10000);
    }
};

// The blocking client of the command, in a thread of its own so this thread's server runs.
Delivery sendFromThread(const QString& path, Verb verb) {
    Delivery delivery;
    std::atomic<bool> done = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        delivery = conteggo::sendVerb(path, verb, {}, QDeadlineTimer(10000));
        done = true;
    }));
    thread->start();
    [[maybe_unused]] const bool ended = QTest::qWaitFor([&] { return done.load(); }, 20000);
    thread->wait();
    return delivery;
}

}  // namespace

class TestVerbServer : public QObject {
    Q_OBJECT

  private slots:
    // Whatever is not one whole verb is dropped: no answer, no effect; the next verb works.
    void badInput_data() {
        QTest::addColumn<QByteArray>("message");
        QRandomGenerator random(11);
        QByteArray noise(12, '\0');
        for (char& byte : noise) {
            byte = static_cast<char>(random.bounded(256));
        }
        noise[5] = '\n';
        QTest::newRow("random bytes") << noise;
        QTest::newRow("oversized") << QByteArray(4096, 'a');
        QTest::newRow("oversized line") << QByteArray("start") + QByteArray(20, ' ') + '\n';
        QTest::newRow("verb repeated") << QByteArray("start\nstart\n");
        QTest::newRow("two verbs") << QByteArray("start\nreset\n");
        QTest::newRow("upper case") << QByteArray("START\n");
        QTest::newRow("carriage return") << QByteArray("start\r\n");
        QTest::newRow("NUL inside") << QByteArray("st\0art\n", 7);
        QTest::newRow("empty line") << QByteArray("\n");
        QTest::newRow("no line feed") << QByteArray("start");
        // Deadlines far ahead, so that only the fault in them can keep the verb out.
        QTest::newRow("deadline twice")
            << QByteArray("start DEADLINE=999999999999999 DEADLINE=999999999999999\n");
        QTest::newRow("deadline with a sign") << QByteArray("start DEADLINE=+999999999999999\n");
        QTest::newRow("deadline of 19 digits")
            << QByteArray("start DEADLINE=1000000000000000000\n");
        QTest::newRow("silent") << QByteArray();
    }

    void badInput() {
        QFETCH(QByteArray, message);
        Bench bench;
        QVERIFY(bench.openWithServer());
        Exchange bad;
        QVERIFY(bad.run(bench.socketPath(), message));
        QCOMPARE(bad.reply, QByteArray());
        QVERIFY(!bench.running());
        QCOMPARE(bench.saved(), QByteArray("5\r\n"));
        Exchange good;
        QVERIFY(good.run(bench.socketPath(), "start\n"));
        QCOMPARE(good.reply, QByteArray("ok\n"));
        QVERIFY(bench.running());
    }

    // Idle connections never keep a verb out: past the limit the one that waited longest is
    // cut. However many are cut, one line says so within the minute.
    void idleConnectionsNeverKeepAVerbOut() {
        Bench bench;
        QVERIFY(bench.openWithServer());
        StderrCapture capture;
        std::vector<int> idle;
        for (int n = 0; n < VerbServer::kMaxOpenConnections + 10; ++n) {
            idle.push_back(connectedTo(bench.socketPath()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(std::count_if(idle.begin(), idle.end(),
                                               [](int fd) {
                                                   QByteArray nothing;
                                                   return takeReply(fd, nothing);
                                               }) >= 10,
                                 10000);
        Exchange good;
        QVERIFY(good.run(bench.socketPath(), "toggle\n"));
        QCOMPARE(good.reply, QByteArray("ok\n"));
        QCOMPARE(capture.finish().count('\n'), 1);
        for (int fd : idle) {
            ::close(fd);
        }
    }

    // A verb whose command has stopped waiting (the copy was frozen or busy) never happens.
    void verbOfAGoneSenderIsDropped() {
        Bench bench;
        QVERIFY(bench.openWithServer());
        const int gone = connectedTo(bench.socketPath());
        QCOMPARE(::send(gone, "start\n", 6, MSG_NOSIGNAL), 6);
        ::close(gone);   // before this thread's server has even taken the connection
        Exchange later;  // taken after the first
        QVERIFY(later.run(bench.socketPath(), "show\n"));
        QCOMPARE(later.reply, QByteArray("ok\n"));
        QVERIFY(!bench.running());
    }

    // A verb that comes to the copy past the deadline its command told (the copy was frozen
    // until then) is dropped: the command says it did not happen, and it never does.
    void verbPastItsDeadlineIsDropped_data() {
        QTest::addColumn<qint64>("deadlineFromNow");  // ms; 0: no deadline told
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("within its deadline") << qint64(60000) << QByteArray("ok\n");
        QTest::newRow("past its deadline") << qint64(-1) << QByteArray();
        QTest::newRow("no deadline told") << qint64(0) << QByteArray("ok\n");
    }
    void verbPastItsDeadlineIsDropped() {
        QFETCH(qint64, deadlineFromNow);
        Bench bench;
        QVERIFY(bench.openWithServer());
        const std::optional<qint64> deadline =
            deadlineFromNow != 0 ? std::optional(*conteggo::sharedClockMs() + deadlineFromNow)
                                 : std::nullopt;
        Exchange exchange;
        QVERIFY(
            exchange.run(bench.socketPath(), conteggo::encodeMessage(Verb::Start, {}, deadline)));
        QTEST(exchange.reply, "reply");
        QCOMPARE(bench.running(), !exchange.reply.isEmpty());
    }

    // The command's own client, 50 at once: every one is answered and the count stays whole.
    void fiftyClientsAtOnce() {
        Bench bench;
        QVERIFY(bench.openWithServer());
        constexpr int kClients = 50;
        std::atomic<int> done = 0;
        std::atomic<int> answered = 0;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int n = 0; n < kClients; ++n) {
            threads.emplace_back(QThread::create([&] {
                const Delivery delivery =
                    conteggo::sendVerb(bench.socketPath(), Verb::Toggle, {}, QDeadlineTimer(30000));
                if (delivery.outcome == Delivery::Answered &&
                    delivery.answer == conteggo::VerbAnswer::Done) {
                    ++answered;
                }
                ++done;
            }));
            threads.back()->start();
        }
        QTRY_VERIFY_WITH_TIMEOUT(done == kClients, 60000);
        for (const auto& thread : threads) {
            thread->wait();
        }
        QCOMPARE(answered.load(), kClients);
        QVERIFY(!bench.running());  // an even number of toggles
        QCOMPARE(bench.saved(), QByteArray("5\r\n"));
    }

    void socketIsPrivate() {
        Bench bench;
        QVERIFY(bench.openWithServer());
        QCOMPARE(QFile::permissions(bench.socketPath()) & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    // A killed copy's socket: nobody listens there, and the next copy replaces it.
    void staleSocket() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.socket"));
        QVERIFY(makeStaleSocket(path));
        QCOMPARE(conteggo::sendVerb(path, Verb::Start, {}, QDeadlineTimer(5000)).outcome,
                 Delivery::NotListening);
        VerbServer server(
            path, [](Verb, const conteggo::Launch&) { return conteggo::VerbAnswer::Stopped; });
        QVERIFY(server.listen());
        const Delivery delivery = sendFromThread(path, Verb::Stop);
        QCOMPARE(delivery.outcome, Delivery::Answered);
        QCOMPARE(delivery.answer, conteggo::VerbAnswer::Stopped);
    }

    // A listener of another user's is never taken for the program, whoever owns the path.
    void strangerIsNotTheProgram() {
        if (::geteuid() != 0) {
            QSKIP("only root can listen as another user");
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.socket"));
        const pid_t stranger = listenAsNobody(path);
        QVERIFY(stranger > 0);
        const Delivery delivery = conteggo::sendVerb(path, Verb::Show, {}, QDeadlineTimer(5000));
        ::kill(stranger, SIGKILL);
        ::waitpid(stranger, nullptr, 0);
        QCOMPARE(delivery.outcome, Delivery::Stranger);
    }
};

QTEST_MAIN(TestVerbServer)
#include "test_verb_server.moc"
