#include <QTest>

#include "fake_clock.h"
#include "number_testing.h"
#include "stopwatch.h"

using conteggo::Number;
using conteggo::Stopwatch;

class TestStopwatch : public QObject {
    Q_OBJECT

  private slots:
    void runsFoldIntoTheBase() {
        FakeClock clock;
        Stopwatch sw(clock);
        sw.setTempo(Number::int16(60));
        clock.setSeconds(1500);
        sw.start();
        clock.setSeconds(2000);
        sw.stop();
        QCOMPARE(sw.tempo(), Number::real(560));
        QVERIFY(!sw.attivo());
        clock.setSeconds(2100);
        sw.start();
        clock.setSeconds(2110);
        QCOMPARE(sw.tick(), 570);
    }

    // The run's length, whatever the reading the run starts at and ends at.
    void runLength_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("startAt");
        QTest::addColumn<double>("tickAt");
        QTest::addColumn<double>("expected");
        QTest::newRow("tick in the start's second") << 100.0 << 500.4 << 500.9 << 100.0;
        QTest::newRow("past midnight, no jump") << 100.0 << 86390.0 << 86405.0 << 115.0;
        QTest::newRow("a day") << 0.0 << 1000.0 << 87400.0 << 86400.0;
        QTest::newRow("25 hours") << 0.0 << 1000.0 << 91000.0 << 90000.0;
        QTest::newRow("400 days") << 7.0 << 3.0 << 3.0 + 400 * 86400.0 << 7.0 + 400 * 86400.0;
        QTest::newRow("reading behind the start mark") << 0.0 << 1000.0 << 995.0 << 0.0;
        QTest::newRow("count changes at the second") << 0.0 << 10.999 << 11.0 << 1.0;
    }

    void runLength() {
        QFETCH(double, base);
        QFETCH(double, startAt);
        QFETCH(double, tickAt);
        QFETCH(double, expected);
        FakeClock clock;
        Stopwatch sw(clock);
        sw.setTempo(Number::real(base));
        clock.setSeconds(startAt);
        sw.start();
        clock.setSeconds(tickAt);
        QCOMPARE(sw.tick(), static_cast<int>(expected));
        QCOMPARE(sw.valueToSave(), Number::real(expected));
        sw.stop();
        QCOMPARE(sw.tempo(), Number::real(expected));
    }

    void oneSecondBeyond2To24AddsOneSecond() {
        FakeClock clock;
        Stopwatch sw(clock);
        sw.setTempo(Number::real(16777216.0));
        clock.setSeconds(1000);
        sw.start();
        clock.setSeconds(1001);
        sw.stop();
        QCOMPARE(sw.tempo(), Number::real(16777217.0));
    }

    // While stopped the file gets the base itself, kind included.
    void valueToSaveWhileStoppedKeepsTheKind_data() {
        QTest::addColumn<Number>("base");
        QTest::newRow("int16") << Number::int16(0);
        QTest::newRow("int32") << Number::int32(70000);
        QTest::newRow("double") << Number::real(12.5);
        QTest::newRow("empty") << Number();
    }

    void valueToSaveWhileStoppedKeepsTheKind() {
        QFETCH(Number, base);
        FakeClock clock(5000);
        Stopwatch sw(clock);
        sw.setTempo(base);
        QCOMPARE(sw.valueToSave(), base);
    }

    void valueToSaveWhileRunningIsNotRounded() {
        FakeClock clock;
        Stopwatch sw(clock);
        sw.setTempo(Number::real(10.5));
        clock.setSeconds(100);
        sw.start();
        clock.setSeconds(105);
        QCOMPARE(sw.valueToSave(), Number::real(15.5));
        QCOMPARE(sw.tick(), 16);  // 15.5 rounds to the even 16
        clock.setSeconds(104);
        QCOMPARE(sw.valueToSave(), Number::real(14.5));
    }

    void resetEmptiesOnlyTheBase() {
        FakeClock clock;
        Stopwatch sw(clock);
        clock.setSeconds(10);
        sw.start();
        clock.setSeconds(20);
        sw.stop();
        sw.reset();
        QCOMPARE(sw.tempo(), Number::int16(0));
        QCOMPARE(sw.inizio(), Number::real(10));
        QCOMPARE(sw.valueToSave(), Number::int16(0));
        clock.setSeconds(30);
        sw.start();
        clock.setSeconds(31);
        sw.stop();
        QCOMPARE(sw.tempo(), Number::real(1));  // a stop after a reset leaves a double
    }

    void previousCountFollowsTheRun() {
        FakeClock clock;
        Stopwatch sw(clock);
        sw.setTempo(Number::int16(290));
        clock.setSeconds(50);
        sw.start();
        QCOMPARE(sw.previousCount(), 290);
        clock.setSeconds(51);
        QCOMPARE(sw.tick(), 291);
        QCOMPARE(sw.previousCount(), 290);
        clock.setSeconds(54);
        QCOMPARE(sw.tick(), 294);
        QCOMPARE(sw.previousCount(), 291);
    }

    void tickLandsJustAfterTheSecond_data() {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("wait");
        QTest::newRow("on the boundary") << qint64(7000) << qint64(1005);
        QTest::newRow("late in the second") << qint64(7990) << qint64(15);
        QTest::newRow("early in the second") << qint64(8001) << qint64(1004);
    }

    void tickLandsJustAfterTheSecond() {
        QFETCH(qint64, now);
        QFETCH(qint64, wait);
        FakeClock clock(now);
        QCOMPARE(qint64(clock.millisecondsToNextSecond()), wait);
        clock.advanceMilliseconds(wait);
        QCOMPARE(clock.reading(), static_cast<double>(now / 1000 + 1));
    }
};

QTEST_APPLESS_MAIN(TestStopwatch)
#include "test_stopwatch.moc"
