#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <memory>

// Records the notices; a new one gets a new id, one that replaces another keeps its id.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    QStringList summaries;
    QStringList bodies;
    QList<uint> replaced;
  public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int) {
        summaries << summary;
        bodies << body;
        replaced << replacesId;
        return replacesId != 0 ? replacesId : 100 + static_cast<uint>(summaries.size());
    }
};

// A private session bus with the fake notification service on it, for as long as it lives.
struct NotificationBus {
    QProcess daemon;
    QString address;
    FakeNotifications fake;

    // False when no bus could be started (package dbus).
    bool start() {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address")});
        if (!daemon.waitForStarted() ||
            !QTest::qWaitFor([this] { return daemon.canReadLine(); }, 30000)) {
            return false;
        }
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("fake"));
        return service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                      QDBusConnection::ExportAllSlots) &&
               service.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    // A connection of the program's side to this bus.
    QDBusConnection client(const char* name) const {
        return QDBusConnection::connectToBus(address, QString::fromLatin1(name));
    }
    ~NotificationBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
        daemon.kill();
        daemon.waitForFinished();
    }
};
