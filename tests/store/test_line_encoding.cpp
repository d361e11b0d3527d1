#include <QBuffer>
#include <QLocale>
#include <QTest>
#include <clocale>
#include <limits>

#include "field_reader.h"
#include "line_encoding.h"
#include "number_testing.h"

using conteggo::Number;

class TestLineEncoding : public QObject {
    Q_OBJECT

  private slots:
    void encode_data() {
        QTest::addColumn<Number>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("one hour two minutes") << Number::int16(3725) << QByteArray("3725\r\n");
        QTest::newRow("negative int16") << Number::int16(-15) << QByteArray("-15\r\n");
        QTest::newRow("int32") << Number::int32(-70000) << QByteArray("-70000\r\n");
        QTest::newRow("whole double") << Number::real(3725) << QByteArray("3725\r\n");
        QTest::newRow("4.1 minutes") << Number::real(4.1 * 60) << QByteArray("246\r\n");
        QTest::newRow("big count") << Number::real(12345678) << QByteArray("12345678\r\n");
        QTest::newRow("last plain")
            << Number::real(999999999999999) << QByteArray("999999999999999\r\n");
        QTest::newRow("rounds up to 1E+15")
            << Number::real(999999999999999.5) << QByteArray("1E+15\r\n");
        QTest::newRow("huge") << Number::real(-1.2345678901234567e17)
                              << QByteArray("-1.23456789012346E+17\r\n");
        QTest::newRow("half") << Number::real(0.5) << QByteArray("0.5\r\n");
        QTest::newRow("third") << Number::real(1.0 / 3) << QByteArray("0.333333333333333\r\n");
        QTest::newRow("small") << Number::real(0.0001) << QByteArray("0.0001\r\n");
        QTest::newRow("smaller") << Number::real(-0.00001) << QByteArray("-1E-05\r\n");
        QTest::newRow("negative zero") << Number::real(-0.0) << QByteArray("0\r\n");
        QTest::newRow("not a number")
            << Number::real(std::numeric_limits<double>::quiet_NaN()) << QByteArray("\r\n");
        QTest::newRow("empty") << Number() << QByteArray("\r\n");
    }
    void encode() {
        QFETCH(Number, value);
        QFETCH(QByteArray, line);
        QCOMPARE(conteggo::encodeLine(value), line);
    }

    void booleans() {
        QCOMPARE(conteggo::encodeBooleanLine(true), QByteArray("#TRUE#\r\n"));
        QCOMPARE(conteggo::encodeBooleanLine(false), QByteArray("#FALSE#\r\n"));
    }

    // Every kind reads back as the same value, in the narrowest kind that holds it.
    void roundTrip_data() {
        QTest::addColumn<Number>("written");
        QTest::addColumn<Number>("read");
        QTest::newRow("int16 min") << Number::int16(-32768) << Number::int16(-32768);
        QTest::newRow("int32 max") << Number::int32(2147483647) << Number::int32(2147483647);
        QTest::newRow("int32 that fits 16 bits") << Number::int32(300) << Number::int16(300);
        QTest::newRow("whole double") << Number::real(300) << Number::int16(300);
        QTest::newRow("fraction") << Number::real(-3725.5) << Number::real(-3725.5);
        QTest::newRow("beyond 32 bits") << Number::real(4294967296.0) << Number::real(4294967296.0);
        QTest::newRow("1E+15") << Number::real(1e15) << Number::real(1e15);
        QTest::newRow("tiny") << Number::real(1.23456789012345e-300)
                              << Number::real(1.23456789012345e-300);
        QTest::newRow("empty") << Number() << Number();
    }
    void roundTrip() {
        QFETCH(Number, written);
        QFETCH(Number, read);
        QByteArray bytes = conteggo::encodeLine(written);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        Number back = Number::int16(-1);
        QVERIFY(conteggo::FieldReader(&buffer).readNumber(back));
        QCOMPARE(back, read);
    }

    // Under a comma locale the files still hold "." and are read back with ".".
    void commaLocaleKeepsThePoint() {
        const QByteArray oldLocale = std::setlocale(LC_ALL, nullptr);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const bool haveC = std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
        const QByteArray lines =
            conteggo::encodeLine(Number::real(0.5)) + conteggo::encodeLine(Number::real(1.5));
        QByteArray copy = lines;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        conteggo::FieldReader reader(&buffer);
        Number a, b;
        const bool read = reader.readNumber(a) && reader.readNumber(b);
        std::setlocale(LC_ALL, oldLocale.constData());
        QLocale::setDefault(QLocale::c());

        QCOMPARE(lines, QByteArray("0.5\r\n1.5\r\n"));
        QVERIFY(read);
        QCOMPARE(a, Number::real(0.5));
        QCOMPARE(b, Number::real(1.5));
        if (!haveC) {
            QSKIP("it_IT.UTF-8 is not installed: only the Qt locale was Italian");
        }
    }
};

QTEST_GUILESS_MAIN(TestLineEncoding)
#include "test_line_encoding.moc"
