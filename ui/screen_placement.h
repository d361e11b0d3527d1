#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>

class QObject;
class QWidget;

namespace conteggo {

// Where a window whose outer frame is `frame` should stand so that the user can see and grab
// it. When its whole title bar (the top `titleBarHeight` pixels of the frame) and at least half
// of its area lie inside one of `screens` (their available areas), that is where it already
// stands. Otherwise it goes, keeping its size, to the nearest place fully inside the screen
// nearest to the frame's top-left corner (the place that was stored); `slack` is room kept
// free around the frame there, for a frame that may turn out larger than `frame`. With no
// screens at all the window stays where it is.
QPoint visiblePlace(const QRect& frame, int titleBarHeight, const QList<QRect>& screens,
                    const QMargins& slack = {});

// Moves a top-level window, shown or not yet shown, to its visiblePlace among the available
// areas of all screens. Before the first show the window manager has not yet given the window
// its frame, so a title bar as high as the style's is assumed above the client area, and a
// window that has to move is given room for borders and a taller title bar.
void keepOnScreen(QWidget& window);

// Runs `recheck` whenever a screen is added or removed or its available area changes (a
// monitor unplugged, a resolution lowered), once Qt has settled its list of screens; for as
// long as `context` lives.
void watchScreens(QObject* context, const std::function<void()>& recheck);

// False where the platform neither places windows nor tells them their place (native Wayland).
bool platformReportsWindowPlaces();

}  // namespace conteggo
