// Where the main window stands among several screens. The window-level cases run on the
// offscreen platform set up, by this program's own main, with two screens side by side:
// A at 0,0 (1920 x 1200) and B at 1920,0 (1280 x 1024).

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "dialog.h"
#include "form_bench.h"
#include "infomio.h"
#include "screen_placement.h"

using conteggo::Form1;
using Screens = QList<QRect>;

namespace {

const QRect kA(0, 0, 1920, 1200);
const QRect kB(1920, 0, 1280, 1024);

// The frame start-up assumes before the first show: the client area with a title bar on top.
QRect assumedFrame(const Form1& form) {
    return QRect(form.pos(),
                 form.size() + QSize(0, form.style()->pixelMetric(QStyle::PM_TitleBarHeight)));
}

}  // namespace

class TestScreenPlacement : public QObject {
    Q_OBJECT

  private slots:
    void visiblePlace_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("place");
        const QSize size(200, 100);  // a title bar of 20 px in every row
        const auto row = [&](const char* name, QPoint at, const Screens& screens, QPoint place) {
            QTest::newRow(name) << QRect(at, size) << screens << place;
        };
        row("inside", {500, 300}, {kA}, {500, 300});
        row("top-left corner", {0, 0}, {kA}, {0, 0});
        row("bottom-right corner, flush", {1720, 1100}, {kA}, {1720, 1100});
        row("top-right corner of the right-hand monitor", {3000, 0}, {kA, kB}, {3000, 0});
        row("3840 px wide desktop, far corner", {3640, 980}, {{0, 0, 3840, 1080}}, {3640, 980});
        row("5760 px wide desktop, far corner", {5560, 980}, {{0, 0, 5760, 1080}}, {5560, 980});
        row("monitor left of the primary", {-1500, 200}, {kA, {-1920, 0, 1920, 1080}},
            {-1500, 200});
        row("bottom half off, title bar in", {500, 1150}, {kA}, {500, 1150});
        row("less than half in", {500, 1151}, {kA}, {500, 1100});
        row("title bar above the screen", {500, -1}, {kA}, {500, 0});
        row("a little off the right edge", {1721, 40}, {kA}, {1721, 40});
        row("frame 10 px off the left edge", {-10, 100}, {kA}, {-10, 100});
        row("across two monitors", {1820, 40}, {kA, kB}, {1820, 40});
        row("monitor that is gone", {2000, 2000}, {{0, 0, 1920, 1200}}, {1720, 1100});
        row("nearest of two", {3500, 50}, {kA, kB}, {3000, 50});
        row("below the shorter monitor", {2500, 1100}, {kA, kB}, {2500, 924});
        row("far beyond 16 bits", {100000, -100000}, {kA, kB}, {3000, 0});
        row("no screens", {5000, 5000}, {}, {5000, 5000});
        row("empty screens ignored", {5000, 5000}, {QRect(), kA}, {1720, 1100});
        QTest::newRow("larger than the screen")
            << QRect(50, 50, 300, 200) << Screens{{0, 0, 250, 150}} << QPoint(0, 0);
    }
    void visiblePlace() {
        QFETCH(QRect, frame);
        QFETCH(Screens, screens);
        QTEST(conteggo::visiblePlace(frame, 20, {screens.begin(), screens.end()}), "place");
    }

    // Reach is judged on the whole screen; a window that has to move keeps clear of the panel.
    void topPanel() {
        const QList<conteggo::ScreenArea> screens{{kA, kA.adjusted(0, 30, 0, 0)}};
        QCOMPARE(conteggo::visiblePlace({0, 0, 200, 100}, 20, screens), QPoint(0, 0));
        QCOMPARE(conteggo::visiblePlace({500, -500, 200, 100}, 20, screens), QPoint(500, 30));
    }

    // Room for a larger frame than the one known is kept only where the window has to move.
    void slack_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("visible: to the pixel") << QPoint(1720, 1100) << QPoint(1720, 1100);
        QTest::newRow("gone: room on the right and below")
            << QPoint(5000, 5000) << QPoint(1704, 1076);
        QTest::newRow("above and left: room around") << QPoint(-500, -500) << QPoint(2, 4);
    }
    void slack() {
        QFETCH(QPoint, at);
        const QMargins slack(2, 4, 16, 24);
        QTEST(conteggo::visiblePlace(QRect(at, QSize(200, 100)), 20, {kA}, slack), "place");
    }

    // The stored place as start-up applies it, in pixels; -1 for a coordinate left to the check.
    // A window that has to move keeps 16 px free on the right for a frame not yet known.
    void startUp_data() {
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("on the right-hand monitor, to the pixel")
            << QByteArray("600\r\n45000\r\n") << QPoint(3000, 40);
        QTest::newRow("top-right corner of the right-hand monitor")
            << QByteArray("0\r\n45045\r\n") << QPoint(3003, 0);
        QTest::newRow("no file") << QByteArray() << QPoint(0, 0);
        QTest::newRow("window above the screen") << QByteArray("-15\r\n45000\r\n") << QPoint(0, 0);
        QTest::newRow("only a top line") << QByteArray("500\r\n") << QPoint(33, 33);
        QTest::newRow("monitor that is gone")
            << QByteArray("30000\r\n30000\r\n") << QPoint(1920 - 197 - 16, -1);
        QTest::newRow("below the shorter monitor")
            << QByteArray("16200\r\n45000\r\n") << QPoint(3200 - 197 - 16, -1);
        QTest::newRow("far beyond 16 bits")
            << QByteArray("2000000000\r\n-2000000000\r\n") << QPoint(0, -1);
        QTest::newRow("half in sight, but not with the alarm's bar")
            << QByteArray("14565\r\n45000\r\n60\r\n0\r\n#TRUE#\r\n") << QPoint(-1, -1);
    }
    void startUp() {
        QFETCH(QByteArray, positions);
        QFETCH(QPoint, place);
        FormBench bench;
        Form1& form = bench.open({}, positions);
        if (place.x() >= 0) {
            QCOMPARE(form.x(), place.x());
        }
        if (place.y() >= 0) {
            QCOMPARE(form.y(), place.y());
        }
        const QRect frame = assumedFrame(form);
        QVERIFY2(kA.contains(frame) || kB.contains(frame), "the whole window is in sight");
    }

    void modalWindowsOpenOnTheMainWindowsScreen() {
        FormBench bench;
        Form1& form = bench.open({}, "600\r\n45000\r\n");
        QCOMPARE(conteggo::Dialog({}, &form).geometry().topLeft(), QPoint(1920 + 184, 250));
        conteggo::infomio info(QString(), &form);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QVERIFY((info.frameGeometry().center() - kB.center()).manhattanLength() <= 4);
    }

    // Once shown, a window left on a monitor that is gone comes back when the screens change.
    void shownWindowComesBack_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("a screen removed") << 0;
        QTest::newRow("a screen added") << 1;
        QTest::newRow("a screen's area changed") << 2;
    }
    void shownWindowComesBack() {
        QFETCH(int, change);
        FormBench bench;
        Form1& form = bench.open({}, "600\r\n45000\r\n");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.move(3300, 40);  // where a third monitor used to be
        QTRY_COMPARE(form.pos(), QPoint(3300, 40));
        QScreen* screen = QGuiApplication::screens().constLast();
        if (change == 0) {
            emit qGuiApp->screenRemoved(screen);
        } else if (change == 1) {
            emit qGuiApp->screenAdded(screen);
        } else {
            emit screen->availableGeometryChanged(screen->availableGeometry());
        }
        QTRY_VERIFY(kB.contains(form.frameGeometry()));
        QCOMPARE(form.frameGeometry().right(), kB.right());  // a known frame needs no room
        QCOMPARE(form.y(), 40);
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(R"({"screens": [
        {"name": "A", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96},
        {"name": "B", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestScreenPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screen_placement.moc"
