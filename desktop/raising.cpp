#include "raising.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace conteggo {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// A message of the start-up notification protocol: its bytes, the final NUL included, in
// pieces of 20, the first of type _NET_STARTUP_INFO_BEGIN, to the root window.
void sendStartupMessage(xcb_connection_t* connection, xcb_window_t root, xcb_window_t from,
                        const QByteArray& message) {
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const QByteArray bytes = message + '\0';
    for (qsizetype at = 0; at < bytes.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        const QByteArray piece = bytes.mid(at, 20);
        std::memcpy(event.data.data8, piece.constData(), static_cast<size_t>(piece.size()));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

// The X server time of the launch: the number after "_TIME" in the start-up id.
uint32_t launchTime(const QByteArray& startupId) {
    const qsizetype at = startupId.lastIndexOf("_TIME");
    bool ok = false;
    const uint32_t time = at < 0 ? 0 : startupId.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

}  // namespace

void completeStartupNotice(const QByteArray& startupId) {
    if (startupId.isEmpty()) {
        return;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) == 0) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int n = 0; n < screenNumber && screens.rem > 1; ++n) {
            xcb_screen_next(&screens);
        }
        const xcb_window_t root = screens.data->root;
        // The messages come from a window of the sender's, as the protocol asks.
        const xcb_window_t from = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, from, root, -100, -100, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        sendStartupMessage(connection, root, from, "remove: ID=" + startupId);
        xcb_destroy_window(connection, from);
        // A round trip: the server has taken every message before the connection closes.
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_disconnect(connection);
}

void raiseForLaunch(QWindow& window, const QByteArray& startupId,
                    const QByteArray& activationToken) {
    if (!activationToken.isEmpty()) {
        // Qt's Wayland platform takes the token from here when it asks to activate a window.
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const uint32_t time = launchTime(startupId);
    if (x11 == nullptr || time == 0) {
        window.requestActivate();
        return;
    }
    // Asked with the time of the user's click, so that focus-stealing prevention lets the
    // window come forward.
    xcb_connection_t* connection = x11->connection();
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // asked by an application
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

}  // namespace conteggo
