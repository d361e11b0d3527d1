#include <QTest>
#include <cmath>
#include <limits>

#include "number.h"
#include "number_testing.h"
#include "rounding.h"

using conteggo::Number;
using Kind = conteggo::Number::Kind;

class TestNumber : public QObject {
    Q_OBJECT

  private slots:
    void sumKinds_data() {
        QTest::addColumn<Number>("a");
        QTest::addColumn<Number>("b");
        QTest::addColumn<Number>("sum");
        QTest::addColumn<Number>("difference");

        QTest::newRow("int16 + int16")
            << Number::int16(5) << Number::int16(3) << Number::int16(8) << Number::int16(2);
        QTest::newRow("int16 + int32")
            << Number::int16(5) << Number::int32(3) << Number::int32(8) << Number::int32(2);
        QTest::newRow("int32 + double")
            << Number::int32(5) << Number::real(0.5) << Number::real(5.5) << Number::real(4.5);
        QTest::newRow("empty takes the other kind")
            << Number() << Number::int32(7) << Number::int32(7) << Number::int32(-7);
        QTest::newRow("other kind, empty second")
            << Number::real(2.5) << Number() << Number::real(2.5) << Number::real(2.5);
        QTest::newRow("two empties give int16 0")
            << Number() << Number() << Number::int16(0) << Number::int16(0);
        QTest::newRow("int16 overflow moves up") << Number::int16(32767) << Number::int16(1)
                                                 << Number::int32(32768) << Number::int16(32766);
        QTest::newRow("int32 overflow moves up")
            << Number::int32(std::numeric_limits<std::int32_t>::max()) << Number::int32(1)
            << Number::real(2147483648.0) << Number::int32(2147483646);
        QTest::newRow("negating the lowest int16")
            << Number() << Number::int16(-32768) << Number::int16(-32768) << Number::int32(32768);
        QTest::newRow("doubles beyond 2^24 stay exact")
            << Number::real(16777216.0) << Number::real(1.0) << Number::real(16777217.0)
            << Number::real(16777215.0);
    }

    void sumKinds() {
        QFETCH(Number, a);
        QFETCH(Number, b);
        QFETCH(Number, sum);
        QFETCH(Number, difference);
        QCOMPARE(a + b, sum);
        QCOMPARE(a - b, difference);
    }

    void toInt32RoundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("2.5000001") << 2.5000001 << 3;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("whole passes") << 3725.0 << 3725;
        QTest::newRow("above range saturates") << 1e12 << std::numeric_limits<int>::max();
        QTest::newRow("below range saturates") << -1e300 << std::numeric_limits<int>::min();
        QTest::newRow("nan gives 0") << std::nan("") << 0;
    }

    void toInt32RoundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(Number::real(value).toInt32(), expected);
    }

    void remainder_data() {
        QTest::addColumn<double>("dividend");
        QTest::addColumn<double>("divisor");
        QTest::addColumn<bool>("defined");
        QTest::addColumn<qint64>("rest");
        QTest::newRow("plain") << 3725.0 << 60.0 << true << qint64(5);
        QTest::newRow("operands rounded first") << 7.5 << 2.5 << true << qint64(0);
        QTest::newRow("dividend's sign") << -7.0 << 2.0 << true << qint64(-1);
        QTest::newRow("negative divisor") << 7.0 << -2.0 << true << qint64(1);
        QTest::newRow("60.6 rounds to 61") << 122.0 << 60.6 << true << qint64(0);
        QTest::newRow("divisor 0.5 rounds to 0") << 7.0 << 0.5 << false << qint64(0);
        QTest::newRow("divisor 0") << 7.0 << 0.0 << false << qint64(0);
        QTest::newRow("infinite dividend") << HUGE_VAL << 2.0 << false << qint64(0);
        QTest::newRow("lowest by -1") << -1e300 << -1.0 << true << qint64(0);
    }

    void remainder() {
        QFETCH(double, dividend);
        QFETCH(double, divisor);
        QFETCH(bool, defined);
        const auto r = conteggo::remainder(dividend, divisor);
        QCOMPARE(r.has_value(), defined);
        if (defined) {
            QTEST(qint64(*r), "rest");
        }
    }
};

QTEST_APPLESS_MAIN(TestNumber)
#include "test_number.moc"
