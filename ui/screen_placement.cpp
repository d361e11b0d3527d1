#include "screen_placement.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace conteggo {

namespace {

// The width of title bar that lets the pointer take the window, beside its buttons.
constexpr int kGrabWidth = 64;

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64{r.width()} * r.height();
}

// Squared distance from a point to the nearest point of a rectangle; 0 inside it.
qint64 distanceSquared(const QPoint& p, const QRect& r) {
    const qint64 dx = std::max({qint64{r.left()} - p.x(), qint64{0}, qint64{p.x()} - r.right()});
    const qint64 dy = std::max({qint64{r.top()} - p.y(), qint64{0}, qint64{p.y()} - r.bottom()});
    return dx * dx + dy * dy;
}

// Judged on whole screens: a panel may cover the title bar, but the user can still reach the
// window, and a first start at 0, 0 stays there.
bool inReach(const QRect& frame, int titleBarHeight, const QRegion& desktop) {
    const QRegion shown = desktop.intersected(frame);
    qint64 shownArea = 0;
    for (const QRect& piece : shown) {
        shownArea += area(piece);
    }
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), std::max(titleBarHeight, 1)));
    const QRegion grip = desktop.intersected(titleBar);
    return 2 * shownArea >= area(frame) &&
           std::any_of(grip.begin(), grip.end(), [&titleBar](const QRect& piece) {
               return piece.height() == titleBar.height() &&
                      piece.width() >= std::min(kGrabWidth, titleBar.width());
           });
}

// The nearest start of a span of `length` inside [low, high]; a span longer than the room
// starts at `low`, so the title bar and the left edge stay in sight.
int clampSpan(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

}  // namespace

QPoint visiblePlace(const QRect& frame, int titleBarHeight, const QList<ScreenArea>& screens,
                    const QMargins& slack) {
    QRegion desktop;
    const ScreenArea* nearest = nullptr;
    for (const ScreenArea& screen : screens) {
        if (screen.whole.isEmpty()) {
            continue;
        }
        desktop += screen.whole;
        if (nearest == nullptr || distanceSquared(frame.topLeft(), screen.whole) <
                                      distanceSquared(frame.topLeft(), nearest->whole)) {
            nearest = &screen;
        }
    }
    if (nearest == nullptr || inReach(frame, titleBarHeight, desktop)) {
        return frame.topLeft();
    }
    // Moved anyway, so it may as well keep clear of the panels.
    const QRect room = nearest->available.isEmpty() ? nearest->whole : nearest->available;
    const QRect roomy = frame.marginsAdded(slack);
    return QPoint(clampSpan(roomy.x(), roomy.width(), room.left(), room.right()),
                  clampSpan(roomy.y(), roomy.height(), room.top(), room.bottom())) +
           QPoint(slack.left(), slack.top());
}

void keepOnScreen(QWidget& window) {
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(ScreenArea(screen->geometry(), screen->availableGeometry()));
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

QScreen* screenOf(const QWidget* window) {
    if (window == nullptr) {
        return QGuiApplication::primaryScreen();
    }
    QScreen* middle = QGuiApplication::screenAt(window->frameGeometry().center());
    return middle != nullptr ? middle : window->screen();
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

}  // namespace conteggo
