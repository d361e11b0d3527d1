#include "display_check.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "report_line.h"

namespace conteggo {

namespace {

bool canOpenX11(const QByteArray& display) {
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

// What Qt said while the platform was starting.
struct HeldMessage {
    QtMsgType type;
    const char* file;  // Qt's contexts point at static texts
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::vector<HeldMessage> held;
QString noPluginLine;
QString failedLine;
QtMessageHandler previousHandler = nullptr;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort next; nothing has been read or written yet.
        const bool noPlugin = std::any_of(held.begin(), held.end(), [](const HeldMessage& m) {
            return m.text.startsWith(QLatin1String("Could not find the Qt platform plugin"));
        });
        reportLine(noPlugin ? noPluginLine : failedLine);
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

void passOn(const HeldMessage& m) {
    const QMessageLogger logger(m.file, m.line, m.function, m.category);
    const QByteArray text = m.text.toLocal8Bit();
    switch (m.type) {
        case QtDebugMsg:
            logger.debug("%s", text.constData());
            break;
        case QtInfoMsg:
            logger.info("%s", text.constData());
            break;
        case QtWarningMsg:
            logger.warning("%s", text.constData());
            break;
        default:
            logger.critical("%s", text.constData());
            break;
    }
}

}  // namespace

PlatformStartGuard::PlatformStartGuard(QString noPlugin, QString failed) {
    noPluginLine = std::move(noPlugin);
    failedLine = std::move(failed);
    previousHandler = qInstallMessageHandler(holdOrFail);
}

PlatformStartGuard::~PlatformStartGuard() {
    release();
}

void PlatformStartGuard::release() {
    if (!active_) {
        return;
    }
    active_ = false;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : std::exchange(held, {})) {
        passOn(m);
    }
}

QString platformFailureText(bool noPlugin) {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty() || chosen.startsWith("wayland")) {
        if (noPlugin) {
            return QCoreApplication::translate(
                "conteggo::Display",
                "manca il plugin Wayland di Qt: installare il pacchetto qt6-wayland, "
                "oppure avviare il programma sotto XWayland (con DISPLAY impostato)");
        }
        return QCoreApplication::translate("conteggo::Display",
                                           "impossibile aprire lo schermo Wayland \"%1\"")
            .arg(QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY")));
    }
    if (chosen.startsWith("xcb") && noPlugin) {
        return QCoreApplication::translate(
            "conteggo::Display", "manca il plugin X11 di Qt: reinstallare il pacchetto libqt6gui6");
    }
    if (chosen.startsWith("xcb")) {
        // The X server went, or refused us, between the check before Qt started and now.
        return QCoreApplication::translate("conteggo::Display",
                                           "impossibile aprire lo schermo \"%1\"")
            .arg(QString::fromLocal8Bit(qgetenv("DISPLAY")));
    }
    return QCoreApplication::translate("conteggo::Display",
                                       "impossibile avviare la piattaforma grafica \"%1\" di Qt")
        .arg(QString::fromLocal8Bit(chosen));
}

bool isNativeWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void endBeforeWaylandTeardown(int status) {
    if (isNativeWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

QString prepareDisplay(const QString& platformOption, const QString& displayOption) {
    const QByteArray chosen =
        platformOption.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : platformOption.toLocal8Bit();
    const QByteArray x11 =
        displayOption.isEmpty() ? qgetenv("DISPLAY") : displayOption.toLocal8Bit();
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    if (!chosen.isEmpty() && !chosen.startsWith("xcb")) {
        return {};  // the user's choice (wayland, offscreen, ...) is theirs to keep
    }
    if (chosen.isEmpty() && x11.isEmpty()) {
        return wayland ? QString()
                       : QCoreApplication::translate("conteggo::Display",
                                                     "nessuno schermo: DISPLAY non è impostato");
    }
    // Without Wayland beside it there is no choice to make: Qt connects, and the start guard
    // tells a failure as this check would, one connection to the X server the less at each start.
    if (!wayland && displayOption.isEmpty()) {
        if (chosen.isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
        return {};
    }
    if (!canOpenX11(x11)) {
        if (chosen.isEmpty() && wayland) {
            return {};  // no X server beside Wayland: Qt's own choice will do
        }
        return QCoreApplication::translate("conteggo::Display",
                                           "impossibile aprire lo schermo \"%1\"")
            .arg(QString::fromLocal8Bit(x11));
    }
    if (chosen.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    return {};
}

}  // namespace conteggo
