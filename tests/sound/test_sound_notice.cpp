// A sound that cannot be played is told in a desktop notification: a fake notification service
// on a private session bus, the sounds sent to a private PulseAudio server. Without a service,
// the one line on standard error is the sound test's to check.
#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "canberra_player.h"
#include "desktop_notifier.h"

// Records the notices; a new one gets a new id, one that replaces another keeps its id.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    QStringList summaries;
    QList<uint> replaced;
  public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
                const QString&, const QStringList&, const QVariantMap&, int) {
        summaries << summary;
        replaced << replacesId;
        return replacesId != 0 ? replacesId : 100 + static_cast<uint>(summaries.size());
    }
};

class TestSoundNotice : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess bus_, pulse_;
    FakeNotifications fake_;
    QDBusConnection client_{QString()};

  private slots:
    void initTestCase() {
        QDir::setCurrent(dir_.path());
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address")});
        QVERIFY2(bus_.waitForStarted(), "needs dbus-daemon (package dbus)");
        QTRY_VERIFY_WITH_TIMEOUT(bus_.canReadLine(), 30000);
        const QString address = QString::fromUtf8(bus_.readLine()).trimmed();
        QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("fake"));
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake_,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
        client_ = QDBusConnection::connectToBus(address, QStringLiteral("player"));

        const QString socket = dir_.filePath(QStringLiteral("pulse.sock"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        pulse_.setProcessEnvironment(environment);
        pulse_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--disallow-exit"), QStringLiteral("-n"),
             QStringLiteral("--use-pid-file=no"), QStringLiteral("--load=module-null-sink"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                 socket});
        QVERIFY2(pulse_.waitForStarted(), "needs pulseaudio");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 30000);
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    }

    void cleanupTestCase() {
        for (QProcess* server : {&pulse_, &bus_}) {
            server->kill();
            server->waitForFinished();
        }
    }

    void notices_data() {
        QTest::addColumn<QStringList>("plays");  // "FILE CONTENT COUNT": none, garbage or sound
        QTest::addColumn<QStringList>("summaries");
        QTest::addColumn<QList<uint>>("replaced");
        QTest::newRow("unplayable warning, then missing ring: the second replaces the first")
            << QStringList{QStringLiteral("suono1.wav garbage 0:04:00"),
                           QStringLiteral("suono2.wav none 5:00")}
            << QStringList{QStringLiteral("Preavviso a 0:04:00: suono non riprodotto"),
                           QStringLiteral("Allarme a 5:00: suono non riprodotto")}
            << QList<uint>{0, 101};
        QTest::newRow("a played ring") << QStringList{QStringLiteral("suono2.wav sound 0:05:00")}
                                       << QStringList() << QList<uint>();
    }

    void notices() {
        QFETCH(QStringList, plays);
        QFETCH(QStringList, summaries);
        QFETCH(QList<uint>, replaced);
        fake_.summaries.clear();
        fake_.replaced.clear();
        conteggo::DesktopNotifier notifier(client_);
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
        QCOMPARE(fake_.summaries, summaries);
        QCOMPARE(fake_.replaced, replaced);
    }
};

QTEST_GUILESS_MAIN(TestSoundNotice)
#include "test_sound_notice.moc"
