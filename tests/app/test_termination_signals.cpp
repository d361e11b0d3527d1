#include <QSignalSpy>
#include <QTest>
#include <csignal>

#include "termination_signals.h"

using conteggo::TerminationSignals;

// A signal must never be lost: not when it comes before the event loop runs, and not when the
// program was started with it ignored (as a script's background job inherits SIGINT).
class TestTerminationSignals : public QObject {
    Q_OBJECT

  private slots:
    void signalDuringStartUpIsKept_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignoredAtStart");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGINT") << SIGINT << false;
        QTest::newRow("SIGINT ignored at start") << SIGINT << true;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGHUP ignored at start") << SIGHUP << true;
    }

    void signalDuringStartUpIsKept() {
        QFETCH(int, signal);
        QFETCH(bool, ignoredAtStart);
        if (ignoredAtStart) {
            std::signal(signal, SIG_IGN);
        }
        conteggo::catchTerminationSignals();
        std::raise(signal);  // before any object listens
        TerminationSignals ends;
        QSignalSpy received(&ends, &TerminationSignals::received);
        QTRY_COMPARE(received.count(), 1);
    }

    void signalWhileRunningIsReportedOnce() {
        TerminationSignals ends;
        QSignalSpy received(&ends, &TerminationSignals::received);
        std::raise(SIGTERM);
        std::raise(SIGTERM);  // a second one before the loop turns adds nothing
        QTRY_COMPARE(received.count(), 1);
        std::raise(SIGINT);
        QTRY_COMPARE(received.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "test_termination_signals.moc"
