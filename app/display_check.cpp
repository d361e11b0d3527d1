#include "display_check.h"

#include <xcb/xcb.h>

#include <QtGlobal>

namespace conteggo {

namespace {

bool canOpenX11(const QByteArray& display) {
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

}  // namespace

QString prepareDisplay() {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x11 = qgetenv("DISPLAY");
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    if (!chosen.isEmpty() && !chosen.startsWith("xcb")) {
        return {};  // the user's choice (wayland, offscreen, ...) is theirs to keep
    }
    if (chosen.isEmpty() && x11.isEmpty()) {
        return wayland ? QString() : QStringLiteral("nessuno schermo: DISPLAY non è impostato");
    }
    if (!canOpenX11(x11)) {
        if (chosen.isEmpty() && wayland) {
            return {};  // no X server beside Wayland: Qt's own choice will do
        }
        return QStringLiteral("impossibile aprire lo schermo \"%1\"")
            .arg(QString::fromLocal8Bit(x11));
    }
    if (chosen.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    return {};
}

}  // namespace conteggo
