// Runs of days, a week and 400 days on a fake clock: the stopwatch and the alarm driven together,
// tick by tick, as the main window drives them.

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "alarm.h"
#include "fake_clock.h"
#include "stopwatch.h"

using conteggo::AlarmSettings;
using conteggo::evaluateAlarm;
using conteggo::Number;
using conteggo::Stopwatch;

namespace {

constexpr std::int64_t kDay = 86400;

// The stopwatch and its alarm on a fake clock, counting what the ticks asked for.
struct Run {
    explicit Run(std::int64_t originMs, AlarmSettings settings = {})
        : clock(originMs), stopwatch(clock), alarm(settings) {
        stopwatch.start();
    }

    // One tick at `ms` on the clock; returns the count it shows.
    std::int32_t tickAt(std::int64_t ms) {
        clock.setMilliseconds(ms);
        const std::int32_t count = stopwatch.tick();
        const auto step = evaluateAlarm(count, stopwatch.previousCount(), alarm);
        rings += step.ring;
        warnings += step.warn;
        return count;
    }

    FakeClock clock;
    Stopwatch stopwatch;
    AlarmSettings alarm;
    std::int64_t rings = 0;
    std::int64_t warnings = 0;
};

// Positive multiples of `period` in (0, value].
std::int64_t multiplesUpTo(std::int64_t value, std::int64_t period) {
    return value > 0 ? value / period : 0;
}

}  // namespace

class TestLongRuns : public QObject {
    Q_OBJECT

  private slots:
    // 400 days from the clock origin of each row. Every second is ticked for two minutes either
    // side of each day and of the counts and readings where narrower types would give out
    // (2^24 s in a float, 2^31 and 2^32 ms, 2^30 and 2^31 s); in between, a tick every 997 s.
    void fourHundredDaysCountEverySecond_data() {
        QTest::addColumn<qint64>("originSeconds");
        QTest::newRow("clock from 0") << qint64(0);
        QTest::newRow("reading crosses 2^30 s") << qint64((1 << 30) - 200 * kDay);
        QTest::newRow("reading crosses 2^31 s") << (qint64(1) << 31) - 200 * kDay;
    }

    void fourHundredDaysCountEverySecond() {
        QFETCH(qint64, originSeconds);
        const std::int64_t origin = originSeconds;
        constexpr std::int64_t kEnd = 400 * kDay;
        constexpr std::int64_t kHalfWindow = 120;
        std::vector<std::int64_t> centres;
        for (std::int64_t day = 1; day <= 400; ++day) {
            centres.push_back(day * kDay);
        }
        for (std::int64_t landmark :
             {std::int64_t(1) << 24, (std::int64_t(1) << 31) / 1000, (std::int64_t(1) << 32) / 1000,
              (std::int64_t(1) << 30) - origin, (std::int64_t(1) << 31) - origin}) {
            if (landmark > 0 && landmark < kEnd) {
                centres.push_back(landmark);
            }
        }
        std::sort(centres.begin(), centres.end());
        // Where the next window of every-second ticks starts: the first one not over at `t`.
        auto windowAfter = [&](std::int64_t t) {
            const auto c = std::upper_bound(centres.begin(), centres.end(), t - kHalfWindow);
            return c == centres.end() ? kEnd : *c - kHalfWindow;
        };

        // Ticks land 5 ms after each second, as the window's timer sets them.
        Run run(origin * 1000 + 5);
        std::int64_t t = 0;
        std::int64_t everySecond = 0;
        while (t < kEnd) {
            const std::int64_t windowStart = windowAfter(t);
            const bool dense = t + 1 >= windowStart;
            const std::int64_t next = dense ? t + 1 : std::min({t + 997, windowStart, kEnd});
            everySecond += dense;
            const std::int32_t count = run.tickAt((origin + next) * 1000 + 5);
            if (count != next || run.stopwatch.previousCount() != t) {
                QFAIL(qPrintable(QStringLiteral("at %1 s the count is %2 after %3")
                                     .arg(next)
                                     .arg(count)
                                     .arg(run.stopwatch.previousCount())));
            }
            t = next;
        }
        QVERIFY(everySecond >= 399 * 2 * kHalfWindow + kHalfWindow);
        QCOMPARE(run.stopwatch.valueToSave().toInt32(), 400 * 86400);
        run.stopwatch.stop();
        QCOMPARE(run.stopwatch.tempo().toInt32(), 400 * 86400);
    }

    // Days of ticks that wander up to 400 ms either side of each second, with a 3 s stall now
    // and then: after every tick, the ring has sounded once for each multiple of the interval
    // the count has reached, and the warning once for each the count plus the advance has.
    void jitteryTicksRingOncePerMultiple_data() {
        QTest::addColumn<Number>("interval");
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("days");
        QTest::newRow("every minute, 10 s warning") << Number::int16(60) << 10 << 7;
        QTest::newRow("every 7 s, 3 s warning") << Number::int16(7) << 3 << 1;
        QTest::newRow("every 90.4 s, 30 s warning") << Number::real(90.4) << 30 << 1;
    }

    void jitteryTicksRingOncePerMultiple() {
        QFETCH(Number, interval);
        QFETCH(int, advance);
        QFETCH(int, days);
        const std::int64_t period = static_cast<std::int64_t>(interval.toInt32());
        constexpr std::int64_t kOrigin = 5'000'000;  // ms; any origin will do
        Run run(kOrigin, AlarmSettings{-1, interval, static_cast<std::int16_t>(advance)});
        std::mt19937_64 random(20240611);
        std::int64_t stalledRings = 0;  // rings at a tick that came after a stall
        bool afterStall = false;
        for (std::int64_t second = 1; second <= days * kDay; ++second) {
            if (random() % 400 == 0) {
                second += 2;  // no tick for 3 s
                afterStall = true;
                continue;
            }
            const std::int64_t jitter = static_cast<std::int64_t>(random() % 801) - 400;
            const std::int64_t ringsBefore = run.rings;
            const std::int64_t count = run.tickAt(kOrigin + second * 1000 + jitter);
            if (run.rings != multiplesUpTo(count, period) ||
                run.warnings !=
                    multiplesUpTo(count + advance, period) - multiplesUpTo(advance, period)) {
                QFAIL(qPrintable(QStringLiteral("at count %1: %2 rings, %3 warnings")
                                     .arg(count)
                                     .arg(run.rings)
                                     .arg(run.warnings)));
            }
            stalledRings += afterStall && run.rings > ringsBefore;
            afterStall = false;
        }
        QVERIFY2(stalledRings > 0, "no stall ever held back a ring");
    }

    // A suspend between two ticks: the clock counts it, and the tick after it rings once and
    // warns once however many multiples it passed; the rings go on from there.
    void suspendRingsOnce_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("advance");
        QTest::addColumn<qint64>("suspendedMs");
        QTest::newRow("3 hours, every minute") << 60 << 10 << qint64(3 * 3600'000);
        QTest::newRow("8 h 20 min 7.5 s, every minute") << 60 << 10 << qint64(30'007'500);
        QTest::newRow("onto a multiple") << 60 << 10 << qint64(3600'000 - 30'000);
        QTest::newRow("2 days, every hour") << 3600 << 300 << qint64(2 * kDay * 1000);
    }

    void suspendRingsOnce() {
        QFETCH(int, interval);
        QFETCH(int, advance);
        QFETCH(qint64, suspendedMs);
        Run run(1'000'005, AlarmSettings{-1, Number::int16(static_cast<std::int16_t>(interval)),
                                         static_cast<std::int16_t>(advance)});
        std::int64_t ms = 1'000'005;
        for (int s = 0; s < 30; ++s) {
            run.tickAt(ms += 1000);
        }
        const std::int64_t rings = run.rings;
        const std::int64_t warnings = run.warnings;
        const std::int64_t count = run.tickAt(ms += suspendedMs);
        QCOMPARE(count, 30 + (suspendedMs + 5) / 1000);
        QCOMPARE(run.rings, rings + 1);
        QCOMPARE(run.warnings, warnings + 1);

        // No catching up afterwards: two more intervals of ordinary ticks ring twice, warn twice.
        for (int s = 0; s < 2 * interval; ++s) {
            run.tickAt(ms += 1000);
        }
        QCOMPARE(run.rings, rings + 3);
        QCOMPARE(run.warnings, warnings + 3);
    }
};

QTEST_APPLESS_MAIN(TestLongRuns)
#include "test_long_runs.moc"
