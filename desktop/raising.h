#pragma once

#include <QByteArray>

class QWindow;

namespace conteggo {

// Ends the launcher's start-up notice for `startupId` (the busy cursor that a desktop's launcher
// shows on X11 until the program says it has started), on the X display of the environment;
// nothing without one. For a command that shows no window of its own.
void completeStartupNotice(const QByteArray& startupId);

// Brings `window` forward with the right to do so that a launcher handed the command: the time
// of the click in the X11 start-up id, or the Wayland activation token.
void raiseForLaunch(QWindow& window, const QByteArray& startupId,
                    const QByteArray& activationToken);

}  // namespace conteggo
