#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "count_file.h"
#include "number_testing.h"
#include "position_file.h"
#include "scratch_file.h"
#include "stderr_capture.h"

using conteggo::CountFile;
using conteggo::Number;

class TestCountFile : public QObject {
    Q_OBJECT

  private slots:
    // Only the first field counts; anything that gives no number leaves the caller's 0.
    void load_data() {
        QTest::addColumn<QByteArray>("bytes");  // "missing": no file; "device": a link to one
        QTest::addColumn<QString>("loaded");
        QTest::newRow("saved count") << QByteArray("3725\r\n") << "Int16 3725";
        QTest::newRow("more behind") << QByteArray("3725,99\r\nabc\r\n") << "Int16 3725";
        QTest::newRow("blank line") << QByteArray("\r\n") << "Empty";
        QTest::newRow("text") << QByteArray("abc\r\n") << "nothing";
        QTest::newRow("empty file") << QByteArray() << "nothing";
        QTest::newRow("missing file") << QByteArray("missing") << "nothing";
        QTest::newRow("link to /dev/zero") << QByteArray("device") << "nothing";
    }
    void load() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, loaded);
        QTemporaryDir dir;
        CountFile file(dir.filePath(QStringLiteral("conteggo.txt")));
        if (bytes == "device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file.path()));
        } else if (bytes != "missing") {
            QVERIFY(writeFile(file.path(), bytes));
        }
        const auto count = file.load();
        QCOMPARE(count ? describe(*count) : QStringLiteral("nothing"), loaded);
    }

    // The count it is given, one line, in the kind it comes in; an empty one as a blank line.
    void savesTheCountItIsGiven_data() {
        QTest::addColumn<Number>("count");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("empty") << Number() << QByteArray("\r\n");
        QTest::newRow("stopped") << Number::int16(3725) << QByteArray("\x33\x37\x32\x35\x0D\x0A");
        QTest::newRow("running, whole") << Number::real(810) << QByteArray("810\r\n");
        QTest::newRow("running, a fraction") << Number::real(14.5) << QByteArray("14.5\r\n");
    }

    void savesTheCountItIsGiven() {
        QFETCH(Number, count);
        QTemporaryDir dir;
        CountFile file(dir.filePath(QStringLiteral("conteggo.txt")));
        QVERIFY(file.save(count));
        QTEST(readAll(file.path()), "written");
    }

    // Whatever stops the save, what was there stays byte for byte, no temporary file is left
    // behind and one line says why.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("target is a folder") << QStringLiteral("folder");
        QTest::newRow("target links to /dev/zero") << QStringLiteral("device");
        QTest::newRow("folder is read-only") << QStringLiteral("read-only");
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.txt"));
        if (fault == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("conteggo.txt")));
            QVERIFY(writeFile(path + QLatin1String("/inside"), "3725\r\n"));
        } else if (fault == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else {
            if (geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            QVERIFY(writeFile(path, "3725\r\n"));
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

        StderrCapture capture;
        const bool saved = CountFile(path).save(Number::int16(0));
        const QByteArray message = capture.finish();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
        if (fault == QLatin1String("folder")) {
            QCOMPARE(readAll(path + QLatin1String("/inside")), QByteArray("3725\r\n"));
        } else if (fault == QLatin1String("device")) {
            QCOMPARE(QFile::symLinkTarget(path), QStringLiteral("/dev/zero"));
        } else {
            QCOMPARE(readAll(path), QByteArray("3725\r\n"));
        }
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.startsWith("Conteggo: impossibile salvare " + path.toLocal8Bit() + ": "),
                 message.constData());
    }

    // Whatever start-up could not make sense of is kept aside, under a name that says so and
    // never over one kept earlier, before the file is replaced; one line says where.
    void notUnderstoodIsKeptAside_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keptEarlier");
        QTest::addColumn<QString>("keptAs");  // empty: read as it is, nothing kept
        QTest::newRow("a unit after the count")
            << "conteggo.txt" << QByteArray("12345 s\r\n") << false << "conteggo.illeggibile.txt";
        QTest::newRow("a blank line before the count")
            << "conteggo.txt" << QByteArray("\r\n12345\r\n") << false << "conteggo.illeggibile.txt";
        QTest::newRow("one kept earlier")
            << "conteggo.txt" << QByteArray("dodici\r\n") << true << "conteggo.illeggibile-2.txt";
        QTest::newRow("place line not a number")
            << "timerpos.txt" << QByteArray("alto\r\n5\r\n") << false << "timerpos.illeggibile.txt";
        QTest::newRow("byte-order mark") << "conteggo.txt"
                                         << QByteArray(
                                                "\xEF\xBB\xBF"
                                                "3725\r\n")
                                         << false << QString();
        QTest::newRow("only a blank line")
            << "conteggo.txt" << QByteArray("\r\n") << false << QString();
    }
    void notUnderstoodIsKeptAside() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keptEarlier);
        QFETCH(QString, keptAs);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
        const QString earlier = dir.filePath(conteggo::keptAsideName(name, 1));
        if (keptEarlier) {
            QVERIFY(writeFile(earlier, "earlier"));
        }
        StderrCapture capture;
        if (name == QLatin1String("conteggo.txt")) {
            CountFile count(path);
            count.load();
            count.save(Number::int16(0));
        } else {
            conteggo::PositionFile positions(path);
            positions.load();
            positions.save(QPointF(), conteggo::AlarmSettings{});
        }
        const QByteArray message = capture.finish();
        if (keptAs.isEmpty()) {
            QCOMPARE(message, QByteArray());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
            return;
        }
        QCOMPARE(readAll(dir.filePath(keptAs)), bytes);
        if (keptEarlier) {
            QCOMPARE(readAll(earlier), QByteArray("earlier"));
        }
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.contains(keptAs.toUtf8()), message.constData());
    }

    // A replaced file keeps its mode, and its owner where the system allows (root).
    void saveKeepsModeAndOwner() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.txt"));
        QVERIFY(writeFile(path, "5\r\n"));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chmod(name.constData(), 0640), 0);
        const bool root = ::geteuid() == 0;
        if (root) {
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        }
        QVERIFY(CountFile(path).save(Number::int16(6)));
        struct stat info {};
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, 0640u);
        QCOMPARE(info.st_uid, root ? 65534u : ::geteuid());
    }

    // A link of the user's own (a count kept in a synced folder) is read and replaced at its
    // target, in the target's folder, and stays a link.
    void ownLinkLeadsToItsTarget() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("synced")));
        const QString target = dir.filePath(QStringLiteral("synced/conteggo.txt"));
        const QString path = dir.filePath(QStringLiteral("conteggo.txt"));
        QVERIFY(writeFile(target, "3725\r\n"));
        QVERIFY(QFile::link(QStringLiteral("synced/conteggo.txt"), path));
        CountFile file(path);
        QCOMPARE(describe(file.load().value_or(Number())), QStringLiteral("Int16 3725"));
        QVERIFY(file.save(Number::int16(6)));
        QCOMPARE(readAll(target), QByteArray("6\r\n"));
        QCOMPARE(QFile::symLinkTarget(path), target);
    }

    // A file that keeps failing is reported once, and again after it was saved in between.
    void repeatedFailureReportedOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("conteggo.txt")));
        StderrCapture capture;
        CountFile(path).save(Number::int16(1));
        CountFile(path).save(Number::int16(2));
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("conteggo.txt")));
        QVERIFY(CountFile(path).save(Number::int16(3)));
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir(QStringLiteral("conteggo.txt")));
        CountFile(path).save(Number::int16(4));
        QCOMPARE(capture.finish().count('\n'), 2);
    }
};

QTEST_GUILESS_MAIN(TestCountFile)
#include "test_count_file.moc"
