#include <QTest>
#include <cmath>

#include "number_text.h"

using conteggo::generalText;
using conteggo::readLeadingNumber;

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("inRange");
        QTest::addColumn<double>("value");
        const struct {
            const char* text;
            bool inRange;
            double value;
        } rows[] = {
            {"5 minuti", true, 5},
            {"1 2", true, 12},
            {"&H1F", true, 31},
            {"&h1f", true, 31},
            {"&O17", true, 15},
            {"&O19", true, 1},
            {"&H", true, 0},
            {"&", true, 0},
            {"1.5", true, 1.5},
            {"1,5", true, 1},
            {"", true, 0},
            {"abc", true, 0},
            {" -2.5E1", true, -25},
            {"1D2", true, 100},
            {"1e-1", true, 0.1},
            {"1E", true, 1},
            {"1E+", true, 1},
            {".5", true, 0.5},
            {"5.", true, 5},
            {"1.2.3", true, 1.2},
            {"+7", true, 7},
            {"- 5", true, -5},
            {"\t3\n", true, 3},
            {"-", true, 0},
            {"1e400", false, 0},
            {"-1e400", false, 0},
            {"1e-400", true, 0},
            {"1E-99999999999999999999", true, 0},
            {"1E99999999999999999999", false, 0},
            {"0.0000000000000000000000000000000000000000000000000000000000001e-300", true, 0},
            {"10E9223372036854775807", false, 0},
            {"0.01E-9223372036854775808", true, 0},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.text) << QByteArray(r.text) << r.inRange << r.value;
        }
        QTest::newRow("400 nines") << QByteArray(400, '9') << false << 0.0;
        QTest::newRow("300 hex digits") << "&H" + QByteArray(300, 'F') << false << 0.0;
    }

    void reading() {
        QFETCH(QByteArray, text);
        QFETCH(bool, inRange);
        const auto value = readLeadingNumber(text.toStdString());
        QCOMPARE(value.has_value(), inRange);
        if (inRange) {
            QTEST(*value, "value");
        }
    }

    void text_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("100 s in minutes") << 100.0 / 60 << "1,66666666666667";
        QTest::newRow("90 s in minutes") << 1.5 << "1,5";
        QTest::newRow("whole") << 1.0 << "1";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("one second") << 1.0 / 60 << "0,0166666666666667";
        QTest::newRow("small") << 1e-5 << "1E-05";
        QTest::newRow("large") << 1e15 << "1E+15";
        QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("negative") << -0.5 << "-0,5";
        QTest::newRow("not finite") << HUGE_VAL << "";
        QTest::newRow("largest double") << 1.7976931348623157e308 << "1,7976931348623157E+308";
    }

    void text() {
        QFETCH(double, value);
        QTEST(QString::fromStdString(generalText(value, ',')), "text");
    }

    // Whatever form the text takes, reading it (commas made points first) gives the value back.
    void textReadsBack_data() {
        QTest::addColumn<double>("value");
        for (double v : {1.7976931348623157e308, -1.7976931348623157e308, 1.5, 0.0001, 0.00012345,
                         1e-5, 2.5e-300, 1e15, 1.25e20, 123.456, -7.0, 119.0 / 60 * 60}) {
            QTest::newRow(QByteArray::number(v).constData()) << v;
        }
    }

    void textReadsBack() {
        QFETCH(double, value);
        std::string text = generalText(value, ',');
        std::replace(text.begin(), text.end(), ',', '.');
        QCOMPARE(readLeadingNumber(text), std::optional<double>(value));
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
