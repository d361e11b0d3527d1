#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "number_testing.h"
#include "position_file.h"
#include "scratch_file.h"

using conteggo::AlarmSettings;
using conteggo::Number;
using conteggo::PositionReading;

namespace {

QString text(const std::optional<Number>& v) {
    return v ? describe(*v) : QStringLiteral("-");
}
template <typename Int>
QString text(const std::optional<Int>& v) {
    return v ? QString::number(*v) : QStringLiteral("-");
}

// "top left | intervallo anticipo allarme | i | lines 1 and 2 as found", "-" for a value the
// file did not supply.
QString describe(const PositionReading& r) {
    return QStringLiteral("%1 %2 | %3 %4 %5 | %6 | %7 %8")
        .arg(text(r.top), text(r.left), text(r.intervallo), text(r.anticipo), text(r.allarme))
        .arg(r.i)
        .arg(r.fileTop)
        .arg(r.fileLeft);
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
        QTest::newRow("far corner of a 5760 px desktop")
            << 16185.0 << 83430.0 << false
            << QByteArray("16185\r\n83430\r\n300\r\n60\r\n#FALSE#\r\n");
        QTest::newRow("beyond 16 bits")
            << -40000.0 << 1e9 << false
            << QByteArray("-40000\r\n1000000000\r\n300\r\n60\r\n#FALSE#\r\n");
        QTest::newRow("beyond 32 bits")
            << -1e12 << 2147483647.5 << false
            << QByteArray("-2147483648\r\n2147483647\r\n300\r\n60\r\n#FALSE#\r\n");
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
                                    << "2460 8715 | Int16 300 60 -1 | 8715 | 2460 8715";
        QTest::newRow("alarm off") << QByteArray("0\r\n-200\r\n246\r\n0\r\n#FALSE#\r\n")
                                   << "0 -200 | Int16 246 0 0 | -200 | 0 -200";
        QTest::newRow("window above the screen")
            << QByteArray("-15\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
            << "- - | - - - | -15 | -15 8715";
        QTest::newRow("above the screen, nothing after")
            << QByteArray("-15\r\n") << "- - | - - - | -15 | -15 -15";
        QTest::newRow("empty file") << QByteArray() << "0 0 | - - - | 0 | 0 0";
        QTest::newRow("only the top") << QByteArray("500\r\n") << "500 500 | - - - | 500 | 500 500";
        QTest::newRow("cut short")
            << QByteArray("10\r\n20\r\n300.5\r\n") << "10 20 | Double 300.5 - - | 20 | 10 20";
        QTest::newRow("empty interval")
            << QByteArray("10\r\n20\r\n\r\n30\r\n#TRUE#\r\n") << "10 20 | Empty 30 -1 | 20 | 10 20";
        QTest::newRow("right-hand monitor of two")
            << QByteArray("0\r\n54345\r\n60\r\n0\r\n#FALSE#\r\n")
            << "0 54345 | Int16 60 0 0 | 54345 | 0 54345";
        QTest::newRow("32-bit extremes")
            << QByteArray("2147483647\r\n-2147483648.4\r\n60\r\n0\r\n#FALSE#\r\n")
            << "2147483647 -2147483648 | Int16 60 0 0 | -2147483648 | 2147483647 -2147483648";
        QTest::newRow("fields that do not fit")
            << QByteArray("#TRUE#\r\n2147483647.5\r\n#FALSE#\r\nabc\r\n-1\r\n")
            << "0 0 | - - - | 0 | 0 0";
        QTest::newRow("advance beyond 16 bits")
            << QByteArray("1\r\n2\r\n60\r\n70000\r\n#TRUE#\r\n") << "1 2 | Int16 60 - -1 | 2 | 1 2";
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
        QCOMPARE(describe(r), QStringLiteral("0 0 | - - - | 0 | 0 0"));
    }

    void saveThenLoad() {
        QTemporaryDir dir;
        conteggo::PositionFile file(dir.filePath(QStringLiteral("timerpos.txt")));
        QVERIFY(file.save(QPointF(86385.4, -0.4), alarm(Number::real(4.1 * 60), 30, 1)));
        AlarmSettings settings;
        const auto r = file.load();
        r.applyTo(settings);
        QCOMPARE(describe(r), QStringLiteral("0 86385 | Int16 246 30 -1 | 86385 | 0 86385"));
        QCOMPARE(settings.intervallo, Number::int16(246));
        QCOMPARE(settings.anticipo, 30);
        QCOMPARE(settings.allarme, -1);
    }

    // Where the platform tells no window place, lines 1 and 2 go back as they came.
    void unknownPlaceIsWrittenBack_data() {
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("whole file") << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
                                    << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n");
        QTest::newRow("window above the screen")
            << QByteArray("-450\r\n-45\r\n300\r\n60\r\n#TRUE#\r\n")
            << QByteArray("-450\r\n-45\r\n60\r\n0\r\n#FALSE#\r\n");
        QTest::newRow("beyond 16 bits")
            << QByteArray("0\r\n86385\r\n") << QByteArray("0\r\n86385\r\n60\r\n0\r\n#FALSE#\r\n");
        QTest::newRow("only a top line")
            << QByteArray("500\r\n") << QByteArray("500\r\n500\r\n60\r\n0\r\n#FALSE#\r\n");
        QTest::newRow("no file") << QByteArray() << QByteArray("0\r\n0\r\n60\r\n0\r\n#FALSE#\r\n");
    }
    void unknownPlaceIsWrittenBack() {
        QFETCH(QByteArray, positions);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("timerpos.txt"));
        QVERIFY(positions.isNull() || writeFile(path, positions));
        conteggo::PositionFile file(path);
        AlarmSettings settings;
        file.load().applyTo(settings);
        QVERIFY(file.save(std::nullopt, settings));
        QTEST(readAll(path), "written");
    }
};

QTEST_GUILESS_MAIN(TestPositionFile)
#include "test_position_file.moc"
