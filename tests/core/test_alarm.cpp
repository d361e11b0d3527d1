#include <QTest>

#include "alarm.h"
#include "number_testing.h"

using conteggo::AlarmSettings;
using conteggo::evaluateAlarm;
using conteggo::Number;

namespace {

AlarmSettings alarmOn(Number intervallo, std::int16_t anticipo) {
    return AlarmSettings{-1, intervallo, anticipo};
}

// Runs ticks at the given counts (the run starting at `start`) and lists the counts at which
// the ring and the warning were asked for.
struct Heard {
    QList<int> rings;
    QList<int> warnings;
};

Heard runTicks(const AlarmSettings& settings, int start, const QList<int>& counts) {
    Heard heard;
    int previous = start;
    for (int count : counts) {
        const auto step = evaluateAlarm(count, previous, settings);
        if (step.ring) {
            heard.rings << count;
        }
        if (step.warn) {
            heard.warnings << count;
        }
        previous = count;
    }
    return heard;
}

QList<int> range(int from, int to) {
    QList<int> counts;
    for (int c = from; c <= to; ++c) {
        counts << c;
    }
    return counts;
}

}  // namespace

class TestAlarm : public QObject {
    Q_OBJECT

  private slots:
    void schedule_data() {
        QTest::addColumn<Number>("interval");
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QList<int>>("rings");
        QTest::addColumn<QList<int>>("warnings");

        QTest::newRow("every minute, never at 0") << Number::int16(60) << 0 << 0 << range(0, 180)
                                                  << QList<int>{60, 120, 180} << QList<int>{};
        QTest::newRow("ten seconds' warning")
            << Number::int16(60) << 10 << 0 << range(1, 180) << QList<int>{60, 120, 180}
            << QList<int>{50, 110, 170};
        QTest::newRow("run resumed from 290")
            << Number::int16(300) << 0 << 290 << range(291, 300) << QList<int>{300} << QList<int>{};
        QTest::newRow("60.6 s rings on 61")
            << Number::real(60.6) << 0 << 0 << range(1, 122) << QList<int>{61, 122} << QList<int>{};
        QTest::newRow("advance equal to the interval")
            << Number::real(60.06) << 60 << 0 << range(1, 120) << QList<int>{60, 120}
            << QList<int>{60, 120};
        QTest::newRow("late tick skips the multiple")
            << Number::int16(60) << 2 << 0 << QList<int>{57, 59, 61} << QList<int>{61}
            << QList<int>{59};
        QTest::newRow("two ticks on one count ring once")
            << Number::int16(60) << 0 << 0 << QList<int>{59, 60, 60, 61} << QList<int>{60}
            << QList<int>{};
        QTest::newRow("suspend of hours rings once")
            << Number::int16(60) << 5 << 0 << QList<int>{10, 36000, 36001} << QList<int>{36000}
            << QList<int>{36000};
        QTest::newRow("started on a multiple: no second ring")
            << Number::int16(300) << 0 << 300 << QList<int>{300, 301} << QList<int>{}
            << QList<int>{};
        QTest::newRow("interval of 0.5 s rings nothing")
            << Number::real(0.5) << 10 << 0 << range(1, 30) << QList<int>{} << QList<int>{};
        QTest::newRow("empty interval rings nothing")
            << Number() << 10 << 0 << range(1, 30) << QList<int>{} << QList<int>{};
        QTest::newRow("negative interval as its magnitude")
            << Number::int16(-60) << 0 << 0 << range(1, 120) << QList<int>{60, 120} << QList<int>{};
        QTest::newRow("no ring at or below 0")
            << Number::int16(60) << 0 << -130 << range(-125, -1) << QList<int>{} << QList<int>{};
        QTest::newRow("near the 32-bit limit")
            << Number::int16(60) << 32767 << 2147483600 << QList<int>{2147483646, 2147483647}
            << QList<int>{2147483646} << QList<int>{2147483646};
    }

    void schedule() {
        QFETCH(Number, interval);
        QFETCH(int, advance);
        QFETCH(int, start);
        QFETCH(QList<int>, counts);
        const Heard heard =
            runTicks(alarmOn(interval, static_cast<std::int16_t>(advance)), start, counts);
        QTEST(heard.rings, "rings");
        QTEST(heard.warnings, "warnings");
    }

    void progressBetweenRings_data() {
        QTest::addColumn<Number>("interval");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("count");
        QTest::addColumn<float>("progress");
        QTest::newRow("climbing") << Number::int16(60) << 58 << 59 << 59.0f;
        QTest::newRow("full at the ring") << Number::int16(60) << 59 << 60 << 60.0f;
        QTest::newRow("again from 1") << Number::int16(60) << 60 << 61 << 1.0f;
        QTest::newRow("full is the interval itself") << Number::real(60.6) << 60 << 61 << 60.6f;
        QTest::newRow("late ring shows full") << Number::int16(60) << 59 << 61 << 60.0f;
        QTest::newRow("interval rounding to 0") << Number::real(0.4) << 5 << 6 << 0.0f;
    }

    void progressBetweenRings() {
        QFETCH(Number, interval);
        QFETCH(int, previous);
        QFETCH(int, count);
        const auto step = evaluateAlarm(count, previous, alarmOn(interval, 0));
        QVERIFY(step.progress.has_value());
        QTEST(*step.progress, "progress");
    }

    void alarmOffDoesNothing() {
        AlarmSettings off;
        off.intervallo = Number::int16(60);
        off.anticipo = 10;
        for (int count = 0; count <= 120; ++count) {
            const auto step = evaluateAlarm(count, count - 1, off);
            QVERIFY(!step.ring && !step.warn && !step.progress);
        }
    }

    // What the alarm dialog's boxes make, in seconds: the interval and the advance.
    void fromInput_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("advance");
        QTest::addColumn<QString>("seconds");
        const char* rows[][4] = {
            {"120 accepted", "120", "0", "7200 0"},
            {"120.5 refused", "120.5", "0", "refused"},
            {"0 refused", "0", "0", "refused"},
            {"empty refused", "", "0", "refused"},
            {"letters refused", "abc", "0", "refused"},
            {"advance equal refused", "2", "2", "refused"},
            {"advance just below", "2", "1.99", "120 119"},
            {"a minute and a half", "1.5", "0.5", "90 30"},
            {"half each refused", "0.5", "0.5", "refused"},
            {"empty advance is 0", "5 minuti", "", "300 0"},
            {"negative advance refused", "2", "-1", "refused"},
            {"under half a second refused", "0.008", "0", "refused"},
            {"beyond a double refused", "1e400", "0", "refused"},
            {"hexadecimal", "&H1E", "&O1", "1800 60"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                                  << QString::fromUtf8(row[3]);
        }
    }

    void fromInput() {
        QFETCH(QString, interval);
        QFETCH(QString, advance);
        const auto made =
            conteggo::alarmFromInput(interval.toStdString(), advance.toStdString(), true);
        QTEST(made ? QStringLiteral("%1 %2").arg(made->intervallo.toDouble()).arg(made->anticipo)
                   : QStringLiteral("refused"),
              "seconds");
    }

    void progressOutsideTicks_data() {
        QTest::addColumn<double>("count");
        QTest::addColumn<Number>("interval");
        QTest::addColumn<float>("progress");
        QTest::newRow("start-up example") << 3725.0 << Number::int16(300) << 125.0f;
        QTest::newRow("after the dialog") << 250.0 << Number::real(60.0) << 10.0f;
        QTest::newRow("base with a fraction") << 150.5 << Number::int16(60) << 30.0f;
        QTest::newRow("interval rounding to 0") << 250.0 << Number::real(0.5) << 0.0f;
        QTest::newRow("empty interval") << 250.0 << Number() << 0.0f;
    }

    void progressOutsideTicks() {
        QFETCH(double, count);
        QFETCH(Number, interval);
        QTEST(conteggo::progressValue(count, interval), "progress");
    }
};

QTEST_APPLESS_MAIN(TestAlarm)
#include "test_alarm.moc"
