// A sound that cannot be played is told in a desktop notification, through a fake notification
// service on a private session bus. What a played sound and a desktop without the service give
// (nothing; one line on standard error) is the sound test's to check, with a real sound server.
#include <QDBusConnection>
#include <QTemporaryDir>
#include <QTest>

#include "canberra_player.h"
#include "desktop_notifier.h"
#include "fake_notifications.h"

class TestSoundNotice : public QObject {
    Q_OBJECT
  private slots:
    void eachFailedSoundReplacesTheLastNotice() {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        NotificationBus bus;
        QVERIFY2(bus.start(), "needs dbus-daemon (package dbus)");
        const FakeNotifications& fake = bus.fake;

        // A warning no sound can be read from (refused by the sound server, or by the lack of
        // one), then a ring whose file is missing, shown as the window shows the count.
        QFile garbage(QStringLiteral("suono1.wav"));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("RIFF, but no sound"));
        garbage.close();
        conteggo::DesktopNotifier notifier(bus.client("player"));
        conteggo::CanberraPlayer player({}, &notifier);
        for (const auto& [sound, count] :
             {std::pair(conteggo::Sound::Warning, QStringLiteral("0:04:00")),
              std::pair(conteggo::Sound::Ring, QStringLiteral("5:00"))}) {
            player.play(sound, count);
            QTRY_VERIFY_WITH_TIMEOUT(player.idle() && notifier.idle(), 30000);
        }
        QCOMPARE(fake.summaries,
                 (QStringList{QStringLiteral("Preavviso a 0:04:00: suono non riprodotto"),
                              QStringLiteral("Allarme a 5:00: suono non riprodotto")}));
        QCOMPARE(fake.replaced, (QList<uint>{0, 101}));
    }

    // Without a session bus, none is started for a notice: Qt's own would have D-Bus launch one
    // that outlives the program.
    void noSessionBusNoneStarted() {
        QTemporaryDir runtime;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QDBusConnection bus = conteggo::desktopSessionBus();
        QVERIFY(!bus.isConnected());
        QVERIFY(bus.name() != QLatin1String("qt_default_session_bus"));
    }
};

QTEST_GUILESS_MAIN(TestSoundNotice)
#include "test_sound_notice.moc"
