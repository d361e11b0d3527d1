#include <QTest>

#include "form_bench.h"
#include "palettes.h"
#include "program_title.h"
#include "progress_bar.h"

using conteggo::Form1;
using conteggo::ProgressBar;

namespace {

const QColor kBlue(0, 0, 192);
const QColor kRed(192, 0, 0);

// A main window over a scratch folder, with a fake clock and a fake sound player.
struct Bench : FormBench {
    // Moves the clock to `seconds` past the start of the second and runs the tick.
    void tickAt(double seconds) {
        clock.setSeconds(seconds);
        fire("Timer2");
    }
    QColor labelColour() const { return textColour(find<QLabel>("Label1")); }
    float bar() const { return find<ProgressBar>("PB")->value(); }
};

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void startUp_data() {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("alarmOn");
        QTest::addColumn<float>("barMaximum");
        QTest::addColumn<float>("barValue");
        QTest::addColumn<QString>("label");

        QTest::newRow("first run")
            << QByteArray() << QByteArray() << QPoint(0, 0) << false << 100.0f << 0.0f << "0:00:00";
        QTest::newRow("stored place and alarm")
            << QByteArray("3725\r\n") << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
            << QPoint(581, 164) << true << 300.0f << 125.0f << "1:02:05";
        QTest::newRow("window above the screen")
            << QByteArray("3725\r\n") << QByteArray("-15\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n")
            << QPoint(0, 0) << false << 100.0f << 0.0f << "1:02:05";
        QTest::newRow("only a top line") << QByteArray() << QByteArray("500\r\n") << QPoint(33, 33)
                                         << false << 100.0f << 0.0f << "0:00:00";
        QTest::newRow("interval rounding to 0 s")
            << QByteArray("125\r\n") << QByteArray("15\r\n30\r\n0.4\r\n0\r\n#TRUE#\r\n")
            << QPoint(2, 1) << true << 0.4f << 0.0f << "0:02:05";
        QTest::newRow("damaged files") << QByteArray("abc\r\n") << QByteArray("\x01\x02\xff,,")
                                       << QPoint(0, 0) << false << 100.0f << 0.0f << "0:00:00";
    }

    void startUp() {
        QFETCH(QByteArray, count);
        QFETCH(QByteArray, positions);
        QFETCH(bool, alarmOn);
        Bench bench;
        Form1& form = bench.open(count, positions);

        QCOMPARE(form.windowTitle(), programTitle());
        QTEST(form.pos(), "place");
        QTEST(bench.count(), "label");
        QCOMPARE(form.height(), alarmOn ? 88 : 76);
        QCOMPARE(form.width(), 197);
        QCOMPARE(bench.shown("PB"), alarmOn);
        QCOMPARE(bench.shown("suono"), alarmOn);
        QCOMPARE(bench.shown("suono2"), !alarmOn);
        QTEST(bench.find<ProgressBar>("PB")->maximum(), "barMaximum");
        QTEST(bench.bar(), "barValue");
        QVERIFY(bench.shown("parti") && !bench.running());
        QVERIFY(bench.find("azzera")->isEnabled());
        QVERIFY(staysOnTop(form));
        QVERIFY(bench.shown("primopiano") && !bench.shown("secondopiano"));
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("H"));
        QCOMPARE(bench.labelColour(), kBlue);
        // Start-up reads; it never writes. A file it could not understand is only kept aside.
        QCOMPARE(QFile::exists(bench.path("conteggo.txt")) ||
                     QFile::exists(bench.path("conteggo.illeggibile.txt")),
                 !count.isNull());
    }

    void startTickStop() {
        Bench bench;
        Form1& form = bench.open("60\r\n");
        auto* tick = bench.find<QTimer>("Timer2");
        bench.clock.setMilliseconds(1000 * 1000 + 400);
        bench.click("parti");
        QVERIFY(bench.find<QTimer>("Timer1")->isActive() && tick->isActive());
        QCOMPARE(tick->interval(), 605);  // just after the next whole second
        QVERIFY(!bench.shown("parti") && bench.running());
        QVERIFY(!bench.find("azzera")->isEnabled());
        QVERIFY(!bench.find("suono")->isEnabled() && !bench.find("suono2")->isEnabled());
        QCOMPARE(bench.labelColour(), kRed);
        QCOMPARE(bench.count(), QStringLiteral("0:01:00"));  // unchanged until a tick
        QCOMPARE(form.windowTitle(), programTitle());

        bench.tickAt(1001.005);
        QCOMPARE(bench.count(), QStringLiteral("0:01:01"));
        QCOMPARE(form.windowTitle(), QStringLiteral("0:01:01"));
        QCOMPARE(tick->interval(), 1000);

        // The toggle shows the base in the new mode until the next tick.
        bench.click("oremin");
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("m"));
        QCOMPARE(bench.count(), QStringLiteral("1:00"));
        QCOMPARE(form.windowTitle(), QStringLiteral("0:01:01"));
        bench.tickAt(1016.2);
        QCOMPARE(bench.count(), QStringLiteral("1:16"));

        bench.fire("Timer1");  // the autosave writes the running count
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("76\r\n"));

        bench.clock.setSeconds(1020.9);
        bench.click("ferma");
        QCOMPARE(bench.count(), QStringLiteral("1:20"));
        QCOMPARE(bench.labelColour(), kBlue);
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("80\r\n"));
        QVERIFY(!bench.find<QTimer>("Timer1")->isActive() && !tick->isActive());
        QCOMPARE(form.windowTitle(), programTitle());
        QVERIFY(bench.shown("parti") && !bench.running());
        QVERIFY(bench.find("azzera")->isEnabled() && bench.find("suono2")->isEnabled());
    }

    void resetWritesTheLiteralZero() {
        Bench bench;
        bench.open("3725\r\n", "0\r\n0\r\n60\r\n0\r\n#TRUE#\r\n");
        bench.click("oremin");
        QCOMPARE(bench.bar(), 5.0f);
        bench.click("azzera");
        QCOMPARE(bench.count(), QStringLiteral("0:00:00"));  // even in minutes mode
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("0\r\n"));
        QCOMPARE(bench.bar(), 0.0f);
    }

    void alarmDuringARun() {
        Bench bench;
        bench.open({}, "0\r\n0\r\n60\r\n10\r\n#TRUE#\r\n");
        bench.click("parti");
        QStringList expected;
        for (int second = 1; second <= 125; ++second) {
            bench.tickAt(1000 + second + 0.01);
            if (second == 50 || second == 110) {
                expected << QStringLiteral("suono1.wav");
            }
            if (second == 60 || second == 120) {
                expected << QStringLiteral("suono2.wav");
            }
            if (second == 60) {
                QCOMPARE(bench.bar(), 60.0f);
            }
        }
        QCOMPARE(bench.player.played, expected);
        QCOMPARE(bench.bar(), 5.0f);
        // A late tick that jumps over the next multiple still rings, once.
        bench.tickAt(1000 + 185.5);
        bench.tickAt(1000 + 185.9);
        QCOMPARE(bench.player.played.count(QStringLiteral("suono2.wav")), 3);
    }

    void closingWritesBothFiles() {
        Bench bench;
        Form1& form = bench.open({}, "3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n");
        bench.click("parti");
        bench.clock.setSeconds(1042.5);
        form.close();  // while running: the running count is saved
        QCOMPARE(readAll(bench.path("timerpos.txt")),
                 QByteArray("3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n"));
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("42\r\n"));
    }

    void countSavedWhenThePositionFileCannotBe() {
        Bench bench;
        QVERIFY(QDir(bench.dir.path()).mkdir(QStringLiteral("timerpos.txt")));
        Form1& form = bench.open();
        form.closingSequence();
        form.closingSequence();  // runs once, whatever asks for it again
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("0\r\n"));
    }

    // Both modal windows open outside the top layer; the wish comes back after them.
    void onTopToggleAndModalBracket() {
        Bench bench;
        int opened = 0;
        int openedOnTop = 0;
        bench.modalWindows.showInformation = [&](QWidget* form) {
            ++opened;
            openedOnTop += staysOnTop(*form) ? 1 : 0;
        };
        bench.modalWindows.askAlarmSettings = [&](const conteggo::AlarmSettings&, QWidget* form) {
            bench.modalWindows.showInformation(form);
            return std::optional<conteggo::AlarmSettings>();
        };
        Form1& form = bench.open();
        bench.click("primopiano");
        QVERIFY(!staysOnTop(form));
        QVERIFY(bench.shown("secondopiano") && !bench.shown("primopiano"));
        bench.click("secondopiano");
        QVERIFY(staysOnTop(form));

        for (const char* wish : {"primopiano", "secondopiano"}) {
            QTest::mouseClick(bench.find<QLabel>("Image1"), Qt::LeftButton);
            bench.click("suono2");
            QVERIFY(bench.shown(wish));
            QCOMPARE(staysOnTop(form), bench.shown("primopiano"));
            bench.click(wish);  // the other wish for the next round
        }
        QCOMPARE(opened, 4);
        QCOMPARE(openedOnTop, 0);
    }

    // The bar fills its share of the width from the left, whatever the float range.
    void progressBarDrawsItsShare() {
        ProgressBar bar;
        bar.resize(200, 12);
        bar.setMaximum(60.6f);
        bar.setValue(15.15f);
        const QImage image = bar.grab().toImage();
        const int y = image.height() / 2;
        QVERIFY(image.pixelColor(20, y) != image.pixelColor(150, y));
        QCOMPARE(image.pixelColor(150, y), image.pixelColor(190, y));
        bar.setValue(60.6f);
        QCOMPARE(bar.grab().toImage().pixelColor(190, y), image.pixelColor(20, y));
    }

    void enterWorksTheFocusedButtonOrStart() {
        Bench bench;
        Form1& form = bench.open();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), bench.find("parti"));
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(bench.running());

        bench.find("oremin")->setFocus();
        QTest::keyClick(bench.find("oremin"), Qt::Key_Enter);
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("m"));
        QVERIFY(bench.running());
        form.close();
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
