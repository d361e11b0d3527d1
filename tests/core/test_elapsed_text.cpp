#include <QTest>
#include <limits>

#include "elapsed_text.h"

using conteggo::DisplayMode;
using conteggo::Number;

class TestElapsedText : public QObject {
    Q_OBJECT

  private slots:
    void bothModes_data() {
        QTest::addColumn<double>("count");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        const struct {
            double d;
            const char* h;
            const char* m;
        } rows[] = {
            {0, "0:00:00", "0:00"},
            {9, "0:00:09", "0:09"},
            {10, "0:00:10", "0:10"},
            {59, "0:00:59", "0:59"},
            {60, "0:01:00", "1:00"},
            {61, "0:01:01", "1:01"},
            {599, "0:09:59", "9:59"},
            {600, "0:10:00", "10:00"},
            {3599, "0:59:59", "59:59"},
            {3600, "1:00:00", "60:00"},
            {3661, "1:01:01", "61:01"},
            {36000, "10:00:00", "600:00"},
            {86399, "23:59:59", "1439:59"},
            {90061, "25:01:01", "1501:01"},
            {360000, "100:00:00", "6000:00"},
            // Only a hand-edited file gives these.
            {150.5, "0:02:30", "2:30"},
            {151.5, "0:02:32", "2:32"},
            {-5, "-0:00:05", "-0:05"},
            {-3725, "-1:02:05", "-62:05"},
            {4e9, "1111111:06:40", "66666666:40"},
        };
        for (const auto& r : rows) {
            QTest::newRow(QByteArray::number(r.d).constData()) << r.d << r.h << r.m;
        }
    }

    void bothModes() {
        QFETCH(double, count);
        DisplayMode mode;
        QTEST(QString::fromStdString(mode.TempoMio(Number::real(count))), "hours");
        mode.toggle();
        QTEST(QString::fromStdString(mode.TempoMio(Number::real(count))), "minutes");
    }

    void extremeCountsDoNotOverflow() {
        DisplayMode mode;
        QCOMPARE(QString::fromStdString(mode.TempoMio(Number::real(-1e300))),
                 QStringLiteral("-2562047788015215:30:08"));
        QCOMPARE(QString::fromStdString(
                     conteggo::formatElapsed(std::numeric_limits<std::int64_t>::min(), true)),
                 QStringLiteral("-153722867280912930:08"));
    }

    void toggleCaption() {
        DisplayMode mode;
        QCOMPARE(mode.caption(), "H");
        QVERIFY(!mode.oremie());
        mode.toggle();
        QCOMPARE(mode.caption(), "m");
        QVERIFY(mode.oremie());
        mode.toggle();
        QCOMPARE(mode.caption(), "H");
    }
};

QTEST_APPLESS_MAIN(TestElapsedText)
#include "test_elapsed_text.moc"
