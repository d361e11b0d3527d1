#include "screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace conteggo {

namespace {

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64{r.width()} * r.height();
}

// Squared distance from a point to the nearest point of a rectangle; 0 inside it.
qint64 distanceSquared(const QPoint& p, const QRect& r) {
    const qint64 dx = std::max({qint64{r.left()} - p.x(), qint64{0}, qint64{p.x()} - r.right()});
    const qint64 dy = std::max({qint64{r.top()} - p.y(), qint64{0}, qint64{p.y()} - r.bottom()});
    return dx * dx + dy * dy;
}

bool visibleOn(const QRect& frame, const QRect& titleBar, const QRect& screen) {
    return screen.contains(titleBar) && 2 * area(frame.intersected(screen)) >= area(frame);
}

// The nearest start of a span of `length` inside [low, high]; a span longer than the room
// starts at `low`, so the title bar and the left edge stay in sight.
int clampSpan(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

}  // namespace

QPoint visiblePlace(const QRect& frame, int titleBarHeight, const QList<QRect>& screens,
                    const QMargins& slack) {
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), std::max(titleBarHeight, 1)));
    const auto usable = [](const QRect& s) { return !s.isEmpty(); };
    if (std::none_of(screens.begin(), screens.end(), usable)) {
        return frame.topLeft();
    }
    for (const QRect& screen : screens) {
        if (usable(screen) && visibleOn(frame, titleBar, screen)) {
            return frame.topLeft();
        }
    }
    const QRect* nearest = nullptr;
    for (const QRect& screen : screens) {
        if (usable(screen) &&
            (nearest == nullptr || distanceSquared(frame.topLeft(), screen) <
                                       distanceSquared(frame.topLeft(), *nearest))) {
            nearest = &screen;
        }
    }
    const QRect roomy = frame.marginsAdded(slack);
    return QPoint(clampSpan(roomy.x(), roomy.width(), nearest->left(), nearest->right()),
                  clampSpan(roomy.y(), roomy.height(), nearest->top(), nearest->bottom())) +
           QPoint(slack.left(), slack.top());
}

void keepOnScreen(QWidget& window) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    // Once shown, the frame is what the window manager drew; until then only the client area
    // is known, and pos() is where the frame's top-left corner will be.
    const bool framed = window.windowHandle() != nullptr && window.isVisible();
    const int titleBar = framed ? window.geometry().top() - window.frameGeometry().top()
                                : window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect frame =
        framed ? window.frameGeometry() : QRect(window.pos(), window.size() + QSize(0, titleBar));
    // Borders and a title bar as high as some window managers draw them.
    const QMargins slack = framed ? QMargins() : QMargins(0, 0, 16, 24);
    const QPoint place = visiblePlace(frame, titleBar, screens, slack);
    if (place != frame.topLeft()) {
        window.move(place);
    }
}

void watchScreens(QObject* context, const std::function<void()>& recheck) {
    const auto later = [context, recheck] { QTimer::singleShot(0, context, recheck); };
    const auto watch = [context, later](const QScreen* screen) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, context, later);
    };
    for (const QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, context,
                     [later, watch](const QScreen* screen) {
                         watch(screen);
                         later();
                     });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, context, later);
}

bool platformReportsWindowPlaces() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace conteggo
