#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>

#include "count_file.h"
#include "fake_clock.h"
#include "number_testing.h"
#include "stopwatch.h"

using conteggo::CountFile;
using conteggo::Number;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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
        const CountFile file(dir.filePath("conteggo.txt"));
        if (bytes == "device") {
            QVERIFY(QFile::link("/dev/zero", file.path()));
        } else if (bytes != "missing") {
            QVERIFY(writeFile(file.path(), bytes));
        }
        const auto count = file.load();
        QCOMPARE(count ? describe(*count) : "nothing", loaded);
    }

    void blankLineIsWrittenBackBlank() {
        QTemporaryDir dir;
        const CountFile file(dir.filePath("conteggo.txt"));
        const FakeClock clock(5000);
        conteggo::Stopwatch stopwatch(clock);
        stopwatch.setTempo(Number());
        QVERIFY(file.save(stopwatch, clock));
        QCOMPARE(contents(file.path()), QByteArray("\r\n"));
    }

    void savesTheStoppedCount() {
        QTemporaryDir dir;
        const CountFile file(dir.filePath("conteggo.txt"));
        const FakeClock clock;
        conteggo::Stopwatch stopwatch(clock);
        stopwatch.setTempo(Number::int16(3725));
        QVERIFY(file.save(stopwatch, clock));
        QCOMPARE(contents(file.path()), QByteArray("\x33\x37\x32\x35\x0D\x0A"));
    }

    void savesTheRunningCountAtTheReading() {
        QTemporaryDir dir;
        const CountFile file(dir.filePath("conteggo.txt"));
        FakeClock clock(43000'000);
        conteggo::Stopwatch stopwatch(clock);
        stopwatch.setTempo(Number::int16(600));
        stopwatch.start();
        clock.setMilliseconds(43210'999);  // the fraction is dropped
        QVERIFY(file.save(stopwatch, clock));
        QCOMPARE(contents(file.path()), QByteArray("810\r\n"));
        QVERIFY(stopwatch.attivo());
        QCOMPARE(stopwatch.tempo(), Number::int16(600));
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
        const QString path = dir.filePath("conteggo.txt");
        if (fault == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("conteggo.txt"));
            QVERIFY(writeFile(path + "/inside", "3725\r\n"));
        } else if (fault == "device") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else {
            if (geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            QVERIFY(writeFile(path, "3725\r\n"));
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

        StderrCapture capture;
        const bool saved = CountFile(path).saveValue(Number::int16(0));
        const QByteArray message = capture.finish();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
        if (fault == "folder") {
            QCOMPARE(contents(path + "/inside"), QByteArray("3725\r\n"));
        } else if (fault == "device") {
            QCOMPARE(QFile::symLinkTarget(path), QStringLiteral("/dev/zero"));
        } else {
            QCOMPARE(contents(path), QByteArray("3725\r\n"));
        }
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.startsWith("Conteggo: impossibile salvare " + path.toLocal8Bit() + ": "),
                 message.constData());
    }

    // A file that keeps failing is reported once, and again after it was saved in between.
    void repeatedFailureReportedOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath("conteggo.txt");
        QVERIFY(QDir(dir.path()).mkdir("conteggo.txt"));
        StderrCapture capture;
        CountFile(path).saveValue(Number::int16(1));
        CountFile(path).saveValue(Number::int16(2));
        QVERIFY(QDir(dir.path()).rmdir("conteggo.txt"));
        QVERIFY(CountFile(path).saveValue(Number::int16(3)));
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir("conteggo.txt"));
        CountFile(path).saveValue(Number::int16(4));
        QCOMPARE(capture.finish().count('\n'), 2);
    }
};

QTEST_GUILESS_MAIN(TestCountFile)
#include "test_count_file.moc"
