#pragma once

#include <QByteArray>

namespace conteggo {

// What a desktop's launcher hands a program it starts from its menu: on X11 a start-up id (the
// launcher shows a busy cursor until the program says it has started), on Wayland an
// activation token (the right to raise a window). A command that only hands a verb to the
// running copy passes them on, so the copy can raise its window for --show.
struct Launch {
    QByteArray startupId;        // DESKTOP_STARTUP_ID
    QByteArray activationToken;  // XDG_ACTIVATION_TOKEN

    // This process's own, from its environment; a message carries only the valid ones.
    static Launch fromEnvironment();
    bool isEmpty() const { return startupId.isEmpty() && activationToken.isEmpty(); }
};

// The longest launch value a verb message carries.
inline constexpr qsizetype kMaxLaunchValueBytes = 255;
// Whether `value` can travel in a verb message: printable ASCII without blanks, not too long.
bool isLaunchValue(const QByteArray& value);

}  // namespace conteggo
