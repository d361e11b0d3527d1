// Problems told where the user looks: a desktop notification beside the line on standard error
// for a file kept aside at start-up, a save that fails (once, until one works), and a refused
// command started without a terminal; none for a command typed in a terminal.
#include <pty.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "count_file.h"
#include "desktop_notifier.h"
#include "fake_notifications.h"
#include "problem_notices.h"
#include "report_line.h"
#include "scratch_file.h"
#include "stderr_capture.h"

class TestProblemNotices : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY2(bus_.start(), "needs dbus-daemon (package dbus)"); }
    void cleanup() { conteggo::setProblemNotice({}); }

    void theCopysProblems() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.txt"));
        QVERIFY(writeFile(path, "dodici\r\n"));
        conteggo::DesktopNotifier notifier(bus_.client("copy"));
        conteggo::tellProblemsThrough(notifier);
        const qsizetype before = bus_.fake.summaries.size();
        StderrCapture capture;
        conteggo::CountFile(path).load();  // kept aside
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("conteggo.txt")));
        for (int n = 0; n < 3; ++n) {
            conteggo::CountFile(path).save(conteggo::Number::int16(5));  // told once
            QTRY_VERIFY(notifier.idle());
        }
        capture.finish();
        QCOMPARE(bus_.fake.summaries.mid(before),
                 (QStringList{QStringLiteral("File non compreso, conservato a parte"),
                              QStringLiteral("Salvataggio non riuscito")}));
        QVERIFY(bus_.fake.bodies.last().contains(path));
    }

    // A command from a launcher or a shortcut writes to no terminal; one typed in a terminal
    // does, and its line is enough.
    void aCommandsRefusal_data() {
        QTest::addColumn<bool>("terminal");
        QTest::newRow("from a launcher") << false;
        QTest::newRow("typed in a terminal") << true;
    }
    void aCommandsRefusal() {
        QFETCH(bool, terminal);
        int controller = -1;
        int terminalEnd = -1;
        int pipeEnds[2] = {-1, -1};
        QVERIFY(::openpty(&controller, &terminalEnd, nullptr, nullptr, nullptr) == 0);
        QVERIFY(::pipe(pipeEnds) == 0);
        conteggo::DesktopNotifier notifier(bus_.client("command"));
        conteggo::tellProblemsOfACommand(notifier, terminal ? terminalEnd : pipeEnds[1]);
        for (const int fd : {controller, terminalEnd, pipeEnds[0], pipeEnds[1]}) {
            ::close(fd);
        }
        const qsizetype before = bus_.fake.summaries.size();
        conteggo::noticeProblem(conteggo::Problem::CommandRefused, QStringLiteral("rifiutato"));
        QCOMPARE(bus_.fake.summaries.size() - before, terminal ? 0 : 1);
    }

  private:
    NotificationBus bus_;
};

QTEST_GUILESS_MAIN(TestProblemNotices)
#include "test_problem_notices.moc"
