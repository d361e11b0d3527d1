#pragma once

#include <QString>

namespace conteggo {

// Chooses Qt's platform before the application object exists: X11 on a Wayland session that
// also has an X display (only X11 lets the window be placed and kept on top), unless the user
// chose one (QT_QPA_PLATFORM, or Qt's -platform option given as `platformOption`). The X
// display is DISPLAY, or Qt's -display option. Returns an error text when it is clear before Qt
// starts that no display can be opened, else an empty text (Qt's own failure to connect is
// then told by PlatformStartGuard).
QString prepareDisplay(const QString& platformOption = {}, const QString& displayOption = {});

// From its making until release(), a Qt platform that cannot start (no plugin for it, as on a
// Wayland session without Qt's Wayland plugin, or one that cannot reach its display) ends the
// program with one line on standard error and status 1 instead of Qt's abort. What Qt reports
// meanwhile is held back, and passed on once the platform has started.
class PlatformStartGuard {
  public:
    // The lines for a platform without its plugin and for one that failed otherwise, worked out
    // beforehand (see platformFailureText): when Qt fails, no translation can be read.
    PlatformStartGuard(QString noPlugin, QString failed);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    void release();

  private:
    bool active_ = true;
};

// The line the guard prints for the platform prepareDisplay left to Qt; `noPlugin` when Qt
// found no plugin for it.
QString platformFailureText(bool noPlugin);

// Whether the program runs on Qt's Wayland platform (a Wayland session without XWayland, or
// chosen by the user), which neither places windows nor tells them their place.
bool isNativeWayland();

// On native Wayland, ends the process at once with `status`: Qt's Wayland plugin (6.4) now and
// then waits for ever for its event thread while the application object is torn down (and
// tearing down the windows is no safer), and a copy that never ends keeps the next start out.
// Call it as soon as everything is saved; the instance lock goes with the process. Elsewhere it
// does nothing.
void endBeforeWaylandTeardown(int status);

}  // namespace conteggo
