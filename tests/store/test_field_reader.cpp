#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "field_reader.h"
#include "number_testing.h"

using conteggo::FieldReader;
using conteggo::Number;

namespace {

QString outcome(bool read, const QString& value, bool kept) {
    if (read) {
        return value;
    }
    return kept ? QStringLiteral("kept") : QStringLiteral("?");
}

// One read of the given kind from the start of `bytes`: the value read, or "kept" when the read
// failed (and the target was left alone).
QString readOnce(QByteArray bytes, const QString& as) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    FieldReader reader(&buffer);
    Number n = Number::int32(-99999);
    std::int16_t i = 7;
    std::int32_t wide = 7;
    bool b = true;
    if (as == QLatin1String("number")) {
        const bool read = reader.readNumber(n);
        return outcome(read, describe(n), n == Number::int32(-99999));
    }
    if (as == QLatin1String("int16")) {
        const bool read = reader.readInt16(i);
        return outcome(read, QString::number(i), i == 7);
    }
    if (as == QLatin1String("int32")) {
        const bool read = reader.readInt32(wide);
        return outcome(read, QString::number(wide), wide == 7);
    }
    const bool read = reader.readBoolean(b);
    return outcome(read, QVariant(b).toString(), b);
}

}  // namespace

class TestFieldReader : public QObject {
    Q_OBJECT

  private slots:
    void read_data() {
        QTest::addColumn<QString>("as");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");
        auto row = [](const char* name, const char* as, QByteArray bytes, const char* result) {
            QTest::newRow(name) << QString::fromLatin1(as) << bytes << QString::fromLatin1(result);
        };
        row("saved count", "number", "3725\r\n", "Int16 3725");
        row("comma ends the field", "number", "3725,99\r\n", "Int16 3725");
        row("no line end", "number", "3725", "Int16 3725");
        row("blanks around", "number", " \t 3725 \t\r\n", "Int16 3725");
        row("lone LF", "number", "3725\n1", "Int16 3725");
        row("lone CR", "number", "3725\r1", "Int16 3725");
        row("blank line", "number", "\r\n3725\r\n", "Empty");
        row("nothing before comma", "number", ",3725", "Empty");
        row("exponent form", "number", "1.234568E+07", "Int32 12345680");
        row("fraction", "number", "3725.5", "Double 3725.5");
        row("no leading zero", "number", "-.5", "Double -0.5");
        row("trailing point", "number", "+5.", "Int16 5");
        row("beyond int32", "number", "3e9", "Double 3000000000");
        row("negative zero", "number", "-0", "Int16 0");
        row("regional comma", "number", "1,5", "Int16 1");
        row("text", "number", "abc", "kept");
        row("Boolean word", "number", "#TRUE#", "kept");
        row("quoted", "number", "\"3725\"", "kept");
        row("two numbers", "number", "12 34", "kept");
        row("bare point", "number", ".", "kept");
        row("exponent without digits", "number", "1E+", "kept");
        row("hex", "number", "0x10", "kept");
        row("beyond a double", "number", "1e400", "kept");
        row("nan", "number", "nan", "kept");
        row("inf", "number", "-inf", "kept");
        row("NUL byte", "number",
            QByteArray("37\0"
                       "25",
                       5),
            "kept");
        row("empty file", "number", "", "kept");
        row("blanks only file", "number", "  ", "kept");
        row("int16", "int16", "-15\r\n", "-15");
        row("int16 half to even down", "int16", "1234.5", "1234");
        row("int16 half to even up", "int16", "1235.5", "1236");
        row("int16 lowest", "int16", "-32768.5", "-32768");
        row("int16 rounds beyond", "int16", "32767.5", "kept");
        row("int16 beyond", "int16", "70000", "kept");
        row("int16 empty field", "int16", "\r\n", "kept");
        row("int16 Boolean word", "int16", "#FALSE#", "kept");
        row("int32 beyond 16 bits", "int32", "70000\r\n", "70000");
        row("int32 lowest, half to even", "int32", "-2147483648.5", "-2147483648");
        row("int32 rounds beyond", "int32", "2147483647.5", "kept");
        row("int32 exponent form", "int32", "8.6385E+4", "86385");
        row("int32 text", "int32", "abc", "kept");
        row("Boolean true", "boolean", "#TRUE#\r\n", "true");
        row("Boolean false, lower case", "boolean", " #false# ", "false");
        row("Boolean as a number", "boolean", "0", "kept");
        row("Boolean empty field", "boolean", "\r\n", "kept");
        row("Boolean bare word", "boolean", "FALSE", "kept");
    }
    void read() {
        QFETCH(QString, as);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, result);
        QCOMPARE(readOnce(bytes, as), result);
    }

    void fieldsFollowEachOther() {
        QByteArray bytes("1,2\r\n3\n4\r\r\n5");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        FieldReader reader(&buffer);
        QList<int> values;
        for (std::int16_t v = 0; reader.readInt16(v);) {
            values << v;
        }
        QCOMPARE(values, QList<int>({1, 2, 3, 4}));  // the blank line stops the int16 reads
        Number n;
        QVERIFY(reader.readNumber(n));
        QCOMPARE(n, Number::int16(5));
        QVERIFY(!reader.readNumber(n));  // nothing left
        QVERIFY(!FieldReader(nullptr).readNumber(n));
    }

    // A field too long ends the reading, and only the start of a huge file is ever read.
    void boundedWork_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("long number") << QString() << QByteArray(300, '1') + "\r\n5\r\n";
        QTest::newRow("long blanks") << QString() << QByteArray(300, ' ') + "5\r\n5\r\n";
        QTest::newRow("100 MB") << QString() << QByteArray();
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QByteArray();
    }
    void boundedWork() {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        if (path.isEmpty()) {
            path = dir.filePath(QStringLiteral("big"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            QVERIFY(!bytes.isEmpty() || file.resize(100 << 20));  // sparse: zero bytes
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        FieldReader reader(&file);
        Number n;
        for (int k = 0; k < 100; ++k) {
            QVERIFY(!reader.readNumber(n));
        }
        QVERIFY(file.pos() <= FieldReader::kMaxTotalBytes);
    }
};

QTEST_GUILESS_MAIN(TestFieldReader)
#include "test_field_reader.moc"
