// A sound that cannot be played is told in a desktop notification, through a fake notification
// service on a private session bus, with the sounds sent to a private PulseAudio server.
#include <unistd.h>

#include <QDBusConnection>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>

#include "canberra_player.h"
#include "desktop_notifier.h"

// Records the notices it is asked to show; each gets a new id unless it replaces one.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    QStringList summaries;
    QList<uint> replaced, given;
  public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
                const QString&, const QStringList&, const QVariantMap&, int) {
        summaries << summary;
        replaced << replacesId;
        given << (replacesId != 0 ? replacesId : 100 + static_cast<uint>(given.size()));
        return given.last();
    }
};

// Standard error into a file while it lives.
struct StderrCapture {
    QTemporaryFile file;
    int saved = -1;
    StderrCapture() {
        file.open();
        std::fflush(stderr);
        saved = dup(2);
        dup2(file.handle(), 2);
    }
    ~StderrCapture() {
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
    }
    qsizetype ownLines() {
        std::fflush(stderr);
        file.seek(0);
        return file.readAll().count("Conteggo: ");
    }
};

class TestSoundNotice : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess bus_, pulse_;
    QString address_;

    // A server started from the test; false, with the test skipped or failed, when missing.
    bool start(QProcess& process, const QString& program, const QStringList& arguments) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            if (qEnvironmentVariableIsSet("CI")) {
                qFatal("%s is missing", qPrintable(program));
            }
            return false;
        }
        process.start(program, arguments);
        return process.waitForStarted(30000);
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QDir::setCurrent(dir_.path());
        // No service files: nothing is started on demand in place of the fake.
        QFile config(dir_.filePath(QStringLiteral("bus.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<policy context=\"default\"><allow own=\"*\"/>"
                                    "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                    "<allow eavesdrop=\"true\"/></policy></busconfig>")
                         .arg(dir_.path())
                         .toUtf8());
        config.close();
        if (!start(bus_, QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                    QStringLiteral("--config-file=") + config.fileName()})) {
            QSKIP("dbus-daemon is not installed");
        }
        QTRY_VERIFY_WITH_TIMEOUT(bus_.canReadLine(), 30000);
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        const QString socket = dir_.filePath(QStringLiteral("pulse.sock"));
        QDir(dir_.path()).mkdir(QStringLiteral("pulse-runtime"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           dir_.filePath(QStringLiteral("pulse-runtime")));
        pulse_.setProcessEnvironment(environment);
        if (!start(pulse_, QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("-n"),
                    QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--load=module-null-sink sink_name=nullsink"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                        socket})) {
            QSKIP("pulseaudio is not installed");
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 30000);
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    }

    void cleanupTestCase() {
        for (QProcess* server : {&pulse_, &bus_}) {
            server->kill();
            server->waitForFinished(30000);
        }
    }

    void notices_data() {
        QTest::addColumn<QStringList>("plays");  // "FILE CONTENT COUNT" each
        QTest::addColumn<bool>("service");
        QTest::addColumn<QStringList>("summaries");
        QTest::addColumn<int>("stderrLines");
        QTest::newRow("a missing ring")
            << QStringList{QStringLiteral("suono2.wav none 0:05:00")} << true
            << QStringList{QStringLiteral("Allarme a 0:05:00: suono non riprodotto")} << 0;
        QTest::newRow("unplayable warning, then ring: the second replaces the first")
            << QStringList{QStringLiteral("suono1.wav garbage 0:04:00"),
                           QStringLiteral("suono2.wav garbage 5:00")}
            << true
            << QStringList{QStringLiteral("Preavviso a 0:04:00: suono non riprodotto"),
                           QStringLiteral("Allarme a 5:00: suono non riprodotto")}
            << 0;
        QTest::newRow("a played ring") << QStringList{QStringLiteral("suono2.wav sound 0:05:00")}
                                       << true << QStringList() << 0;
        QTest::newRow("no notification service: one line")
            << QStringList{QStringLiteral("suono2.wav none 0:05:00"),
                           QStringLiteral("suono1.wav none 0:09:00")}
            << false << QStringList() << 1;
    }

    void notices() {
        QFETCH(QStringList, plays);
        QFETCH(bool, service);
        QFETCH(QStringList, summaries);
        QFETCH(int, stderrLines);
        FakeNotifications fake;
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QDBusConnection serviceBus = QDBusConnection::connectToBus(address_, tag);
        const auto disconnect = qScopeGuard([&tag] {
            QDBusConnection::disconnectFromBus(tag);
            QDBusConnection::disconnectFromBus(QStringLiteral("player ") + tag);
        });
        QVERIFY(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(!service ||
                serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        StderrCapture capture;
        {
            conteggo::DesktopNotifier notifier(
                QDBusConnection::connectToBus(address_, QStringLiteral("player ") + tag));
            conteggo::CanberraPlayer player({}, &notifier);
            for (const QString& play : plays) {
                const QStringList parts = play.split(u' ');
                QFile::remove(parts[0]);
                if (parts[1] == QStringLiteral("sound")) {
                    QVERIFY(QFile::copy(QStringLiteral(SOUNDS_DIR "/") + parts[0], parts[0]));
                } else if (parts[1] == QStringLiteral("garbage")) {
                    QFile file(parts[0]);
                    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("RIFF, but no sound"));
                }
                player.play(parts[0], parts[2]);
                // The verdict, and the notice it brings, before the next sound.
                QTRY_VERIFY_WITH_TIMEOUT(player.idle() && notifier.idle(), 30000);
            }
        }
        QCOMPARE(fake.summaries, summaries);
        // Each notice replaces the one before.
        QList<uint> previous = fake.given;
        previous.prepend(0);
        previous.removeLast();
        QCOMPARE(fake.replaced, previous);
        QCOMPARE(capture.ownLines(), stderrLines);
    }
};

QTEST_GUILESS_MAIN(TestSoundNotice)
#include "test_sound_notice.moc"
