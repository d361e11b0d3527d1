#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>

class QObject;
class QScreen;
class QWidget;

namespace conteggo {

// One screen: all of it, and the part its panels leave free.
struct ScreenArea {
    QRect whole;
    QRect available;

    ScreenArea() = default;
    ScreenArea(const QRect& all) : whole(all), available(all) {}  // a screen without panels
    ScreenArea(const QRect& all, const QRect& unpanelled) : whole(all), available(unpanelled) {}
};

// Where a window whose outer frame is `frame` should stand. While the user can reach it where
// it is, that is where it stays, to the pixel: at least half of its area, and a piece of its
// title bar (the top `titleBarHeight` pixels of the frame) as high as the title bar and wide
// enough to grab, lie on the screens. A window out of reach goes, keeping its size, to the
// nearest place fully inside the available area of the screen nearest to the frame's top-left
// corner (the place that was stored); `slack` is room kept free around the frame there, for a
// frame that may turn out larger than `frame`. With no screens at all the window stays.
QPoint visiblePlace(const QRect& frame, int titleBarHeight, const QList<ScreenArea>& screens,
                    const QMargins& slack = {});

// Moves a top-level window, shown or not yet shown, to its visiblePlace among all screens.
// Before the first show the window manager has not yet given the window its frame, so a title
// bar as high as the style's is assumed above the client area, and a window that has to move
// is given room for borders and a taller title bar.
void keepOnScreen(QWidget& window);

// The screen that shows the middle of `window` (a window across two monitors belongs to the
// one holding its centre); the primary screen for no window.
QScreen* screenOf(const QWidget* window);

// Runs `recheck` whenever a screen is added or removed or its available area changes (a
// monitor unplugged, a resolution lowered), once Qt has settled its list of screens; for as
// long as `context` lives.
void watchScreens(QObject* context, const std::function<void()>& recheck);

}  // namespace conteggo
