#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "number_testing.h"
#include "position_file.h"

using conteggo::AlarmSettings;
using conteggo::Number;
using conteggo::PositionReading;

namespace {

QString text(const std::optional<Number>& v) {
    return v ? describe(*v) : QStringLiteral("-");
}
QString text(const std::optional<std::int16_t>& v) {
    return v ? QString::number(*v) : QStringLiteral("-");
}

// "top left | intervallo anticipo allarme | i", "-" for a value the file did not supply.
QString describe(const PositionReading& r) {
    return QStringLiteral("%1 %2 | %3 %4 %5 | %6")
        .arg(text(r.top), text(r.left), text(r.intervallo), text(r.anticipo), text(r.allarme))
        .arg(r.i);
}

AlarmSettings alarm(Number intervallo, std::int16_t anticipo, std::int16_t allarme) {
    return AlarmSettings{allarme, intervallo, anticipo};
}

}  // namespace

class TestPositionFile : public QObject {
    Q_OBJECT

  private slots:
    void encode_data() {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("alarm on") << 2460.0 << 8715.0 << true
                                  << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n");
        QTest::newRow("halves to even")
            << 1234.5 << 1235.5 << false << QByteArray("1234\r\n1236\r\n300\r\n60\r\n#FALSE#\r\n");
        QTest::newRow("beyond 16 bits")
            << -40000.0 << 1e9 << false
            << QByteArray("-32768\r\n32767\r\n300\r\n60\r\n#FALSE#\r\n");
    }
    void encode() {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(bool, on);
        QFETCH(QByteArray, bytes);
        const auto settings = alarm(Number::real(5 * 60.0), 60, on ? -1 : 0);
        QCOMPARE(conteggo::encodePositions(top, left, settings), bytes);
    }

    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole file") << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
                                    << "2460 8715 | Int16 300 60 -1 | 8715";
        QTest::newRow("alarm off") << QByteArray("0\r\n-200\r\n246\r\n0\r\n#FALSE#\r\n")
                                   << "0 -200 | Int16 246 0 0 | -200";
        QTest::newRow("window above the screen")
            << QByteArray("-15\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n") << "- - | - - - | -15";
        QTest::newRow("empty file") << QByteArray() << "0 0 | - - - | 0";
        QTest::newRow("only the top") << QByteArray("500\r\n") << "500 500 | - - - | 500";
        QTest::newRow("cut short")
            << QByteArray("10\r\n20\r\n300.5\r\n") << "10 20 | Double 300.5 - - | 20";
        QTest::newRow("empty interval")
            << QByteArray("10\r\n20\r\n\r\n30\r\n#TRUE#\r\n") << "10 20 | Empty 30 -1 | 20";
        QTest::newRow("fields that do not fit")
            << QByteArray("#TRUE#\r\n70000\r\n#FALSE#\r\nabc\r\n-1\r\n") << "0 0 | - - - | 0";
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(describe(conteggo::readPositions(&buffer)), expected);
    }

    void missingFileOpensAtTheCorner() {
        QTemporaryDir dir;
        const auto r = conteggo::PositionFile(dir.filePath(QStringLiteral("timerpos.txt"))).load();
        QCOMPARE(describe(r), QStringLiteral("0 0 | - - - | 0"));
    }

    void saveThenLoad() {
        QTemporaryDir dir;
        const conteggo::PositionFile file(dir.filePath(QStringLiteral("timerpos.txt")));
        QVERIFY(file.save(-0.4, 32767.4, alarm(Number::real(4.1 * 60), 30, 1)));
        AlarmSettings settings;
        const auto r = file.load();
        r.applyTo(settings);
        QCOMPARE(describe(r), QStringLiteral("0 32767 | Int16 246 30 -1 | 32767"));
        QCOMPARE(settings.intervallo, Number::int16(246));
        QCOMPARE(settings.anticipo, 30);
        QCOMPARE(settings.allarme, -1);
    }
};

QTEST_GUILESS_MAIN(TestPositionFile)
#include "test_position_file.moc"
