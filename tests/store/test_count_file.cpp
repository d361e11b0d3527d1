#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>

#include "count_file.h"
#include "number_testing.h"
#include "scratch_file.h"

using conteggo::CountFile;
using conteggo::Number;

namespace {

// Sends standard error to a temporary file until finish().
class StderrCapture {
  public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    QByteArray finish() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        file_.seek(0);
        return file_.readAll();
    }

  private:
    QTemporaryFile file_;
    int saved_ = -1;
};

}  // namespace

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
        const CountFile file(dir.filePath(QStringLiteral("conteggo.txt")));
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
        const CountFile file(dir.filePath(QStringLiteral("conteggo.txt")));
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
