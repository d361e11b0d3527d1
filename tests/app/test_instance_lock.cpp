#include <sys/stat.h>
#include <unistd.h>

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

// Lays out KIND at `path`: "none", "folder" (0700), "open folder" (0755), "full folder",
// "link" (to a file beside it), "pipe", "file".
bool make(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("link")) {
        return writeFile(path + QLatin1String("-target"), "keep") &&
               ::symlink((name + "-target").constData(), name.constData()) == 0;
    }
    if (kind == QLatin1String("pipe")) {
        return ::mkfifo(name.constData(), 0600) == 0;
    }
    if (kind == QLatin1String("file")) {
        return writeFile(path, "12345\n");
    }
    return kind == QLatin1String("none") ||
           (::mkdir(name.constData(), kind == QLatin1String("open folder") ? 0755 : 0700) == 0 &&
            ::chmod(name.constData(), kind == QLatin1String("open folder") ? 0755 : 0700) == 0 &&
            (kind != QLatin1String("full folder") || writeFile(path + QLatin1String("/x"), "x")));
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
    // that runs, nor lead it elsewhere; what cannot be cleared away is said in one line.
    void thingsUnderTheName_data() {
        QTest::addColumn<QString>("thing");
        QTest::addColumn<Outcome>("outcome");
        for (const char* thing : {"pipe", "link", "file", "folder"}) {
            QTest::newRow(thing) << QString::fromLatin1(thing) << Outcome::Acquired;
        }
        QTest::newRow("folder with files") << "full folder" << Outcome::Failed;
    }
    void thingsUnderTheName() {
        QFETCH(QString, thing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conteggo.lock"));
        QVERIFY(make(thing, path));
        InstanceLock lock(path);
        QTEST(lock.tryAcquire(), "outcome");
        if (lock.held()) {
            QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
            QCOMPARE(readAll(path + QLatin1String("-target")),
                     thing == QLatin1String("link") ? QByteArray("keep") : "<missing>");
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
        struct Row {
            const char* name;
            const char* environment;
            const char* perUser;
            const char* own;
            bool otherUser;
            const char* chosen;
            const char* said;
        };
        const Row rows[] = {
            {"environment", "folder", "folder", "none", false, "environment", ""},
            {"no environment, as from cron", "none", "folder", "none", false, "perUser", ""},
            {"relative", "relative", "folder", "none", false, "perUser", "percorso assoluto"},
            {"open to others", "open folder", "folder", "none", false, "perUser", "permessi 755"},
            {"too long for a socket", "long", "folder", "none", false, "perUser", "troppo lungo"},
            {"own folder made", "none", "none", "none", false, "own", ""},
            {"own folder a link", "none", "none", "link", false, "none", "collegamento"},
            {"another user's", "folder", "folder", "folder", true, "none", "un altro utente"},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.name)
                << QString::fromUtf8(row.environment) << QString::fromUtf8(row.perUser)
                << QString::fromUtf8(row.own) << row.otherUser << QString::fromUtf8(row.chosen)
                << QString::fromUtf8(row.said);
        }
    }
    void runtimeFolder() {
        QFETCH(QString, environment);
        QFETCH(bool, otherUser);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        conteggo::RuntimePlaces places{
            dir.filePath(QStringLiteral("env")), dir.filePath(QStringLiteral("run-user")),
            dir.filePath(QStringLiteral("own")), otherUser ? ::getuid() + 1 : ::getuid()};
        if (environment == QLatin1String("none")) {
            places.environment.clear();  // no variable at all
        } else if (environment == QLatin1String("relative")) {
            places.environment = QStringLiteral("run/user");
        } else if (environment == QLatin1String("long")) {
            places.environment = dir.filePath(QString(100, QLatin1Char('x')));
        }
        QVERIFY(environment == QLatin1String("relative") || places.environment.isEmpty() ||
                make(environment == QLatin1String("long") ? QStringLiteral("folder") : environment,
                     places.environment));
        QFETCH(QString, perUser);
        QFETCH(QString, own);
        QVERIFY(make(perUser, places.perUser) && make(own, places.ownFolder));
        const conteggo::RuntimeFolder folder = conteggo::chooseRuntimeFolder(places);
        const QString expected = chosen == QLatin1String("environment") ? places.environment
                                 : chosen == QLatin1String("perUser")   ? places.perUser
                                 : chosen == QLatin1String("own")       ? places.ownFolder
                                                                        : QString();
        QCOMPARE(folder.path, expected);
        QCOMPARE(folder.error.isEmpty(), !expected.isEmpty());
        QFETCH(QString, said);
        const QString told = folder.notice + folder.error;  // nothing when all went well
        QVERIFY2(said.isEmpty() ? told.isEmpty() : told.contains(said), qPrintable(told));
        struct stat info {};
        QVERIFY(chosen != QLatin1String("own") ||
                (::stat(QFile::encodeName(places.ownFolder).constData(), &info) == 0 &&
                 (info.st_mode & 07777) == 0700));
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
