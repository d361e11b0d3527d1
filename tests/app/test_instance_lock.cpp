#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "instance_lock.h"
#include "runtime_path.h"
#include "scratch_file.h"

using conteggo::InstanceLock;
using Outcome = conteggo::InstanceLock::Outcome;

Q_DECLARE_METATYPE(conteggo::InstanceLock::Outcome)

namespace {

// Lays out KIND at `path`: "none", "folder" (0700), "open folder" (0755), "link" (to a 0700
// folder), "file".
bool make(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("none")) {
        return true;
    }
    if (kind == QLatin1String("file")) {
        return writeFile(path, "x");
    }
    if (kind == QLatin1String("link")) {
        return ::mkdir((name + "-target").constData(), 0700) == 0 &&
               ::symlink((name + "-target").constData(), name.constData()) == 0;
    }
    return ::mkdir(name.constData(), 0700) == 0 &&
           ::chmod(name.constData(), kind == QLatin1String("open folder") ? 0755 : 0700) == 0;
}

}  // namespace

class TestInstanceLock : public QObject {
    Q_OBJECT

  private slots:
    void oneHolderAtATime() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.lock"));
        InstanceLock first(path);
        QCOMPARE(first.tryAcquire(), Outcome::Acquired);
        InstanceLock second(path);
        QCOMPARE(second.tryAcquire(), Outcome::Held);
        first.release();  // as when its process ends, however it ends
        QCOMPARE(second.tryAcquire(), Outcome::Acquired);
    }

    // Whatever lies under the lock's name can neither hold the start nor stand for a copy
    // that runs; what cannot be cleared away is said in one line.
    void thingsUnderTheName_data() {
        QTest::addColumn<QString>("thing");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("pipe") << "pipe" << Outcome::Acquired;
        QTest::newRow("link elsewhere") << "link" << Outcome::Acquired;
        QTest::newRow("leftover file") << "file" << Outcome::Acquired;
        QTest::newRow("empty folder") << "folder" << Outcome::Acquired;
        QTest::newRow("folder with files") << "full folder" << Outcome::Failed;
    }
    void thingsUnderTheName() {
        QFETCH(QString, thing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.lock"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        QVERIFY(writeFile(elsewhere, "keep"));
        if (thing == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (thing == QLatin1String("link")) {
            QVERIFY(QFile::link(elsewhere, path));
        } else if (thing == QLatin1String("file")) {
            QVERIFY(writeFile(path, "12345\n"));
        } else {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("conteggo.lock")));
            if (thing == QLatin1String("full folder")) {
                QVERIFY(writeFile(path + QStringLiteral("/inside"), "x"));
            }
        }
        InstanceLock lock(path);
        QTEST(lock.tryAcquire(), "outcome");
        QCOMPARE(readAll(elsewhere), QByteArray("keep"));
        if (lock.held()) {
            QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        } else {
            QVERIFY2(lock.error().contains(path), qPrintable(lock.error()));
        }
    }

    // The folder where copies meet: the first usable of the environment's, the system's
    // per-user one and the program's own, each a real 0700 folder of the user's.
    void runtimeFolder_data() {
        QTest::addColumn<QString>("environment");  // a kind for make(), or "relative", "long"
        QTest::addColumn<QString>("perUser");
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("otherUser");  // the folders are judged for another user
        QTest::addColumn<QString>("chosen");  // environment, perUser, own, or none
        QTest::addColumn<QString>("said");    // in the notice or the error
        QTest::newRow("environment") << "folder"
                                     << "folder"
                                     << "none" << false << "environment"
                                     << "";
        QTest::newRow("no environment") << "none"
                                        << "folder"
                                        << "none" << false << "perUser"
                                        << "";
        QTest::newRow("relative") << "relative"
                                  << "folder"
                                  << "none" << false << "perUser"
                                  << "non è un percorso assoluto";
        QTest::newRow("open to others") << "open folder"
                                        << "folder"
                                        << "none" << false << "perUser"
                                        << "permessi 755";
        QTest::newRow("a link") << "link"
                                << "folder"
                                << "none" << false << "perUser"
                                << "collegamento simbolico";
        QTest::newRow("too long for a socket") << "long"
                                               << "folder"
                                               << "none" << false << "perUser"
                                               << "troppo lungo";
        QTest::newRow("own folder made") << "none"
                                         << "none"
                                         << "none" << false << "own"
                                         << "";
        QTest::newRow("own folder open") << "none"
                                         << "none"
                                         << "open folder" << false << "none"
                                         << "permessi 755";
        QTest::newRow("own folder a link") << "none"
                                           << "none"
                                           << "link" << false << "none"
                                           << "collegamento simbolico";
        QTest::newRow("another user's") << "folder"
                                        << "folder"
                                        << "folder" << true << "none"
                                        << "appartiene a un altro utente";
    }
    void runtimeFolder() {
        QFETCH(QString, environment);
        QFETCH(QString, perUser);
        QFETCH(QString, own);
        QFETCH(bool, otherUser);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        conteggo::RuntimePlaces places{
            dir.filePath(QStringLiteral("env")), dir.filePath(QStringLiteral("run-user")),
            dir.filePath(QStringLiteral("own")), otherUser ? ::getuid() + 1 : ::getuid()};
        if (environment == QLatin1String("relative")) {
            places.environment = QStringLiteral("run/user");
        } else if (environment == QLatin1String("long")) {
            places.environment = dir.filePath(QString(100, QLatin1Char('x')));
            QVERIFY(make(QStringLiteral("folder"), places.environment));
        } else {
            QVERIFY(make(environment, places.environment));
        }
        QVERIFY(make(perUser, places.perUser));
        QVERIFY(make(own, places.ownFolder));
        const conteggo::RuntimeFolder folder = conteggo::chooseRuntimeFolder(places);
        const QString expected = chosen == QLatin1String("environment") ? places.environment
                                 : chosen == QLatin1String("perUser")   ? places.perUser
                                 : chosen == QLatin1String("own")       ? places.ownFolder
                                                                        : QString();
        QCOMPARE(folder.path, expected);
        QFETCH(QString, said);
        QVERIFY2((folder.notice + folder.error).contains(said),
                 qPrintable(folder.notice + folder.error));
        QCOMPARE(folder.error.isEmpty(), !expected.isEmpty());
        if (chosen == QLatin1String("own")) {
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName(places.ownFolder).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, 0700u);
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
