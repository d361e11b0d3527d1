#include "desktop_notifier.h"

#include <sys/stat.h>

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QVariantMap>
#include <utility>

namespace conteggo {

void DesktopNotifier::notify(const QString& summary, const QString& body,
                             std::function<void()> unavailable) {
    Notice notice{summary, body, std::move(unavailable)};
    // One notice at a time: the next one needs the id of the one it replaces.
    if (sending_) {
        next_ = std::move(notice);
    } else {
        send(std::move(notice));
    }
}

namespace {
// A connection of the notifier's own, closed with it: Qt's shared one would live on into the
// process's end, where its thread may still be reading a late reply.
const QString kConnectionName = QStringLiteral("conteggo-notices");
}  // namespace

DesktopNotifier::~DesktopNotifier() {
    if (bus_ && bus_->name() == kConnectionName) {
        bus_.reset();
        QDBusConnection::disconnectFromBus(kConnectionName);
    }
}

QDBusConnection desktopSessionBus() {
    // D-Bus's own types registered here, before its thread reads the bus's first messages: Qt
    // 6.4 registers them on first use, and its thread and ours racing to do it makes the
    // reading thread complain of invalid types.
    QDBusMetaType::signatureToMetaType("s");
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
    }
    // Where a systemd session keeps it when the variable is not passed on (a copy started
    // from cron or a shell).
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    struct stat info {};
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") &&
        ::stat(QFile::encodeName(socket).constData(), &info) == 0 && S_ISSOCK(info.st_mode)) {
        return QDBusConnection::connectToBus(QStringLiteral("unix:path=") + socket,
                                             kConnectionName);
    }
    return QDBusConnection(QStringLiteral("conteggo-no-bus"));  // never connected
}

void DesktopNotifier::send(Notice notice) {
    if (!bus_) {
        bus_ = desktopSessionBus();
    }
    if (!bus_->isConnected()) {
        notice.unavailable();
        return;
    }
    const QDBusMessage call = notifyCall(notice.summary, notice.body);
    sending_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), &context_);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context_,
        [this, unavailable = std::move(notice.unavailable)](QDBusPendingCallWatcher* finished) {
            const QDBusPendingReply<uint> reply = *finished;
            finished->deleteLater();
            sending_ = false;
            if (reply.isError()) {
                unavailable();
            } else {
                shownId_ = reply.value();
            }
            if (next_) {
                send(*std::exchange(next_, std::nullopt));
            }
        });
}

QDBusMessage DesktopNotifier::notifyCall(const QString& summary, const QString& body) const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("org.example.Conteggo")}};
    call << QStringLiteral("Conteggo") << shownId_ << QStringLiteral("org.example.Conteggo")
         << summary << body << QStringList() << hints << -1;
    return call;
}

bool DesktopNotifier::notifyAndWait(const QString& summary, const QString& body) {
    constexpr int kWaitMs = 2000;
    if (!bus_) {
        bus_ = desktopSessionBus();
    }
    return bus_->isConnected() &&
           bus_->call(notifyCall(summary, body), QDBus::BlockWithGui, kWaitMs).type() ==
               QDBusMessage::ReplyMessage;
}

}  // namespace conteggo
