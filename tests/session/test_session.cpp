#include <QSignalSpy>
#include <QTest>

#include "program_title.h"
#include "session_bench.h"

using conteggo::Session;
using conteggo::Sound;
using conteggo::Verb;
using conteggo::VerbAnswer;

Q_DECLARE_METATYPE(conteggo::Verb)
Q_DECLARE_METATYPE(conteggo::VerbAnswer)

namespace {

// A session over a scratch folder, started up from files holding these bytes.
struct Bench : SessionBench {
    Session& open(const QByteArray& count = {}, const QByteArray& positions = {}) {
        writeFiles(count, positions);
        Session& s = newSession();
        s.startUp();
        return s;
    }
    QTimer* timer(const char* name) const {
        return session->findChild<QTimer*>(QString::fromLatin1(name));
    }
};

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

  private slots:
    void startUp_data() {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<bool>("alarmOn");
        QTest::addColumn<float>("barMaximum");
        QTest::addColumn<float>("barValue");
        QTest::addColumn<QString>("text");

        QTest::newRow("first run")
            << QByteArray() << QByteArray() << false << 100.0f << 0.0f << "0:00:00";
        QTest::newRow("stored alarm")
            << QByteArray("3725\r\n") << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
            << true << 300.0f << 125.0f << "1:02:05";
    }
    void startUp() {
        QFETCH(QByteArray, count);
        QFETCH(QByteArray, positions);
        Bench bench;
        Session& session = bench.open(count, positions);
        QTEST(session.alarm().on(), "alarmOn");
        QTEST(session.barMaximum(), "barMaximum");
        QTEST(session.barValue(), "barValue");
        QTEST(session.countText(), "text");
        QCOMPARE(session.title(), programTitle());
        QVERIFY(!session.running());
        QCOMPARE(session.mode().caption(), "H");
        // Start-up reads; it never writes. A file it could not understand is only kept aside.
        QCOMPARE(QFile::exists(bench.path("conteggo.txt")) ||
                     QFile::exists(bench.path("conteggo.illeggibile.txt")),
                 !count.isNull());
    }

    void startTickStop() {
        Bench bench;
        Session& session = bench.open("60\r\n");
        QSignalSpy titles(&session, &Session::titleChanged);
        bench.clock.setMilliseconds(1000 * 1000 + 400);
        session.start();
        QVERIFY(session.running());
        QVERIFY(bench.timer("Timer1")->isActive() && bench.timer("Timer2")->isActive());
        QCOMPARE(bench.timer("Timer2")->interval(), 605);  // just after the next whole second
        QCOMPARE(session.countText(), QStringLiteral("0:01:00"));  // unchanged until a tick

        bench.tickAt(1001.005);
        QCOMPARE(session.countText(), QStringLiteral("0:01:01"));
        QCOMPARE(bench.timer("Timer2")->interval(), 1000);

        // The toggle shows the base in the new mode until the next tick; the title stays.
        session.toggleMode();
        QCOMPARE(session.mode().caption(), "m");
        QCOMPARE(session.countText(), QStringLiteral("1:00"));
        bench.tickAt(1016.2);
        QCOMPARE(session.countText(), QStringLiteral("1:16"));

        bench.fire("Timer1");  // the autosave writes the running count
        QCOMPARE(bench.saved(), QByteArray("76\r\n"));

        bench.clock.setSeconds(1020.9);
        session.stop();
        QCOMPARE(session.countText(), QStringLiteral("1:20"));
        QCOMPARE(bench.saved(), QByteArray("80\r\n"));
        QVERIFY(!bench.timer("Timer1")->isActive() && !bench.timer("Timer2")->isActive());
        QCOMPARE(titles.size(), 3);
        QCOMPARE(titles.at(0).at(0).toString(), QStringLiteral("0:01:01"));
        QCOMPARE(titles.at(1).at(0).toString(), QStringLiteral("1:16"));
        QCOMPARE(titles.at(2).at(0).toString(), programTitle());
    }

    void resetWritesTheLiteralZero() {
        Bench bench;
        Session& session = bench.open("3725\r\n", "0\r\n0\r\n60\r\n0\r\n#TRUE#\r\n");
        session.toggleMode();
        QCOMPARE(session.barValue(), 5.0f);
        session.reset();
        QCOMPARE(session.countText(), QStringLiteral("0:00:00"));  // even in minutes mode
        QCOMPARE(bench.saved(), QByteArray("0\r\n"));
        QCOMPARE(session.barValue(), 0.0f);
    }

    void alarmDuringARun() {
        Bench bench;
        Session& session = bench.open({}, "0\r\n0\r\n60\r\n10\r\n#TRUE#\r\n");
        session.start();
        QList<Sound> expected;
        for (int second = 1; second <= 125; ++second) {
            bench.tickAt(1000 + second + 0.01);
            if (second == 50 || second == 110) {
                expected << Sound::Warning;
            }
            if (second == 60 || second == 120) {
                expected << Sound::Ring;
            }
            if (second == 60) {
                QCOMPARE(session.barValue(), 60.0f);
            }
        }
        QCOMPARE(bench.played, expected);
        QCOMPARE(session.barValue(), 5.0f);
    }

    // OK in the dialog: the bar fits the new interval at once.
    void newAlarmFitsTheBar() {
        Bench bench;
        Session& session = bench.open("250\r\n");
        conteggo::AlarmSettings alarm;
        alarm.allarme = -1;
        session.setAlarm(alarm);
        QCOMPARE(session.barMaximum(), 60.0f);
        QCOMPARE(session.barValue(), 10.0f);
    }

    void closingWritesBothFiles() {
        Bench bench;
        Session& session = bench.open({}, "3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n");
        session.start();
        bench.clock.setSeconds(1042.5);
        session.closingSequence(QPointF(4500, 3000));  // while running: the running count
        QCOMPARE(readAll(bench.path("timerpos.txt")),
                 QByteArray("3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n"));
        QCOMPARE(bench.saved(), QByteArray("42\r\n"));
        QVERIFY(session.closedAndSaved());
    }

    void countSavedWhenThePositionFileCannotBe() {
        Bench bench;
        QVERIFY(QDir(bench.dir.path()).mkdir(QStringLiteral("timerpos.txt")));
        Session& session = bench.open();
        session.closingSequence(QPointF());
        session.closingSequence(QPointF());  // runs once, whatever asks for it again
        QCOMPARE(bench.saved(), QByteArray("0\r\n"));
        QVERIFY(!session.closedAndSaved());
    }

    // Each verb in each state, as the buttons would allow it: the answer, the state after and
    // the file. Refusals change nothing.
    void verbs_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<Verb>("verb");
        QTest::addColumn<VerbAnswer>("answer");
        QTest::addColumn<bool>("runningAfter");
        QTest::addColumn<QByteArray>("countAfter");
        struct Row {
            const char* state;
            Verb verb;
            VerbAnswer answer;
            bool runningAfter;
            const char* countAfter;
        };
        // Running: started at the count 5, three seconds ago; a stop saves 8.
        const Row rows[] = {
            {"stopped", Verb::Start, VerbAnswer::Done, true, "5\r\n"},
            {"stopped", Verb::Stop, VerbAnswer::Stopped, false, "5\r\n"},
            {"stopped", Verb::Toggle, VerbAnswer::Done, true, "5\r\n"},
            {"stopped", Verb::Reset, VerbAnswer::Done, false, "0\r\n"},
            {"stopped", Verb::Show, VerbAnswer::Done, false, "5\r\n"},
            {"running", Verb::Start, VerbAnswer::Running, true, "5\r\n"},
            {"running", Verb::Stop, VerbAnswer::Done, false, "8\r\n"},
            {"running", Verb::Toggle, VerbAnswer::Done, false, "8\r\n"},
            {"running", Verb::Reset, VerbAnswer::Running, true, "5\r\n"},
            {"running", Verb::Show, VerbAnswer::Done, true, "5\r\n"},
            {"modal", Verb::Start, VerbAnswer::ModalOpen, false, "5\r\n"},
            {"modal", Verb::Reset, VerbAnswer::ModalOpen, false, "5\r\n"},
            {"modal", Verb::Show, VerbAnswer::ModalOpen, false, "5\r\n"},
            {"modal, running", Verb::Stop, VerbAnswer::ModalOpen, true, "5\r\n"},
            {"modal, running", Verb::Toggle, VerbAnswer::ModalOpen, true, "5\r\n"},
            {"closed", Verb::Start, VerbAnswer::Closing, false, "5\r\n"},
        };
        for (const Row& row : rows) {
            QTest::addRow("%s: %d", row.state, static_cast<int>(row.verb))
                << QString::fromLatin1(row.state) << row.verb << row.answer << row.runningAfter
                << QByteArray(row.countAfter);
        }
    }
    void verbs() {
        QFETCH(QString, state);
        QFETCH(Verb, verb);
        Bench bench;
        Session& session = bench.open("5\r\n");
        QSignalSpy shown(&session, &Session::showRequested);
        if (state.contains(QLatin1String("running"))) {
            session.start();
            bench.clock.advanceMilliseconds(3000);
        }
        session.setModalOpen(state.startsWith(QLatin1String("modal")));
        if (state == QLatin1String("closed")) {
            session.closingSequence(QPointF());
        }
        QTEST(session.applyVerb(verb), "answer");
        QTEST(session.running(), "runningAfter");
        QTEST(bench.saved(), "countAfter");
        QFETCH(VerbAnswer, answer);
        QCOMPARE(shown.size(), verb == Verb::Show && answer == VerbAnswer::Done ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
