#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace conteggo {

// The session bus the desktop runs, and never one of the program's own: Qt's sessionBus()
// would have D-Bus start a bus that outlives the program when the session has none.
QDBusConnection desktopSessionBus();

// Shows a notice on the desktop, each one in place of the one before.
class Notifier {
  public:
    virtual ~Notifier() = default;
    // Shows `summary` and `body`; calls `unavailable` instead when no notification service
    // takes the notice.
    virtual void notify(const QString& summary, const QString& body,
                        std::function<void()> unavailable) = 0;
};

// Through the freedesktop notification service (org.freedesktop.Notifications) on the
// session bus, which is reached at the first notice, not at start-up. The calls do not wait
// for the service: the windows never stall on it.
class DesktopNotifier final : public Notifier {
  public:
    DesktopNotifier() = default;
    explicit DesktopNotifier(QDBusConnection bus) : bus_(std::move(bus)) {}
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    void notify(const QString& summary, const QString& body,
                std::function<void()> unavailable) override;
    // The same for a process about to end: waits, a second or two at most, until the service
    // has taken the notice (the event loop runs meanwhile); false when none did.
    bool notifyAndWait(const QString& summary, const QString& body);
    // No notice is on its way to the service.
    bool idle() const { return !sending_; }

  private:
    struct Notice {
        QString summary;
        QString body;
        std::function<void()> unavailable;
    };
    void send(Notice notice);
    QDBusMessage notifyCall(const QString& summary, const QString& body) const;

    std::optional<QDBusConnection> bus_;
    QObject context_;   // ties the replies' handling to this object's lifetime
    uint shownId_ = 0;  // the service's id of the notice on screen, which the next replaces
    bool sending_ = false;
    std::optional<Notice> next_;  // the newest notice asked for while one was on its way
};

}  // namespace conteggo
