#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form_bench.h"
#include "program_title.h"
#include "progress_bar.h"

using conteggo::CountFile;
using conteggo::Form1;
using conteggo::Number;
using conteggo::PositionFile;

namespace {

const QColor kBlue(0, 0, 192);
const QColor kRed(192, 0, 0);

// A main window over a scratch folder, with a fake clock and a fake sound player.
struct Bench : FormBench {
    // Moves the clock to `seconds` past the start of the second and runs the tick.
    void tickAt(double seconds) {
        clock.setSeconds(seconds);
        form->Timer2_Timer();
    }
};

QColor labelColour(const Form1& form) {
    return form.Label1()->palette().color(QPalette::WindowText);
}

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
        if (!count.isNull()) {
            QVERIFY(writeFile(bench.path("conteggo.txt"), count));
        }
        if (!positions.isNull()) {
            QVERIFY(writeFile(bench.path("timerpos.txt"), positions));
        }
        Form1& form = bench.open();

        QCOMPARE(form.windowTitle(), programTitle());
        QTEST(form.pos(), "place");
        QTEST(form.Label1()->text(), "label");
        QCOMPARE(form.height(), alarmOn ? 88 : 76);
        QCOMPARE(form.width(), 197);
        QCOMPARE(form.PB()->isVisibleTo(&form), alarmOn);
        QCOMPARE(form.suono()->isVisibleTo(&form), alarmOn);
        QCOMPARE(form.suono2()->isVisibleTo(&form), !alarmOn);
        QTEST(form.PB()->maximum(), "barMaximum");
        QTEST(form.PB()->value(), "barValue");
        QVERIFY(!form.stopwatch().attivo());
        QVERIFY(form.parti()->isVisibleTo(&form));
        QVERIFY(!form.ferma()->isVisibleTo(&form));
        QVERIFY(form.azzera()->isEnabled());
        QVERIFY(form.primop() && form.onTop());
        QVERIFY(form.primopiano()->isVisibleTo(&form));
        QVERIFY(!form.secondopiano()->isVisibleTo(&form));
        QCOMPARE(form.oremin()->text(), QStringLiteral("H"));
        QCOMPARE(labelColour(form), kBlue);
        // Start-up reads; it never writes. A file it could not understand is only kept aside.
        QCOMPARE(QFile::exists(bench.path("conteggo.txt")) ||
                     QFile::exists(bench.path("conteggo.illeggibile.txt")),
                 !count.isNull());
    }

    void startTickStop() {
        Bench bench;
        QVERIFY(writeFile(bench.path("conteggo.txt"), "60\r\n"));
        Form1& form = bench.open();
        bench.clock.setMilliseconds(1000 * 1000 + 400);
        form.parti_Click();
        QVERIFY(form.Timer1()->isActive() && form.Timer2()->isActive());
        QCOMPARE(form.Timer2()->interval(), 605);  // just after the next whole second
        QVERIFY(!form.parti()->isVisibleTo(&form) && form.ferma()->isVisibleTo(&form));
        QVERIFY(!form.azzera()->isEnabled());
        QVERIFY(!form.suono()->isEnabled() && !form.suono2()->isEnabled());
        QCOMPARE(labelColour(form), kRed);
        QCOMPARE(form.Label1()->text(), QStringLiteral("0:01:00"));  // unchanged until a tick
        QCOMPARE(form.windowTitle(), programTitle());

        bench.tickAt(1001.005);
        QCOMPARE(form.Label1()->text(), QStringLiteral("0:01:01"));
        QCOMPARE(form.windowTitle(), QStringLiteral("0:01:01"));
        QCOMPARE(form.Timer2()->interval(), 1000);

        // The toggle shows the base in the new mode until the next tick.
        form.oremin_Click();
        QCOMPARE(form.oremin()->text(), QStringLiteral("m"));
        QCOMPARE(form.Label1()->text(), QStringLiteral("1:00"));
        bench.tickAt(1016.2);
        QCOMPARE(form.Label1()->text(), QStringLiteral("1:16"));

        form.Timer1_Timer();  // the autosave writes the running count
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("76\r\n"));

        bench.clock.setSeconds(1020.9);
        form.ferma_Click();
        QCOMPARE(form.Label1()->text(), QStringLiteral("1:20"));
        QCOMPARE(labelColour(form), kBlue);
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("80\r\n"));
        QVERIFY(!form.Timer1()->isActive() && !form.Timer2()->isActive());
        QCOMPARE(form.windowTitle(), programTitle());
        QVERIFY(form.parti()->isVisibleTo(&form) && !form.ferma()->isVisibleTo(&form));
        QVERIFY(form.azzera()->isEnabled() && form.suono2()->isEnabled());
    }

    void resetWritesTheLiteralZero() {
        Bench bench;
        QVERIFY(writeFile(bench.path("conteggo.txt"), "3725\r\n"));
        QVERIFY(writeFile(bench.path("timerpos.txt"), "0\r\n0\r\n60\r\n0\r\n#TRUE#\r\n"));
        Form1& form = bench.open();
        form.oremin_Click();
        QCOMPARE(form.PB()->value(), 5.0f);
        form.azzera_Click();
        QCOMPARE(form.Label1()->text(), QStringLiteral("0:00:00"));  // even in minutes mode
        QCOMPARE(readAll(bench.path("conteggo.txt")), QByteArray("0\r\n"));
        QCOMPARE(form.PB()->value(), 0.0f);
        QCOMPARE(form.stopwatch().tempo(), Number::int16(0));
    }

    void alarmDuringARun() {
        Bench bench;
        QVERIFY(writeFile(bench.path("timerpos.txt"), "0\r\n0\r\n60\r\n10\r\n#TRUE#\r\n"));
        Form1& form = bench.open();
        form.parti_Click();
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
                QCOMPARE(form.PB()->value(), 60.0f);
            }
        }
        QCOMPARE(bench.player.played, expected);
        QCOMPARE(form.PB()->value(), 5.0f);
        // A late tick that jumps over the next multiple still rings, once.
        bench.tickAt(1000 + 185.5);
        bench.tickAt(1000 + 185.9);
        QCOMPARE(bench.player.played.count(QStringLiteral("suono2.wav")), 3);
    }

    void closingWritesBothFiles() {
        Bench bench;
        QVERIFY(writeFile(bench.path("timerpos.txt"), "3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n"));
        Form1& form = bench.open();
        form.parti_Click();
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

    void onTopToggleAndModalBracket() {
        Bench bench;
        Form1& form = bench.open();
        form.primopiano_Click();
        QVERIFY(!form.primop() && !form.onTop());
        QVERIFY(form.secondopiano()->isVisibleTo(&form) && !form.primopiano()->isVisibleTo(&form));
        form.secondopiano_Click();
        QVERIFY(form.primop() && form.onTop());

        for (bool wish : {true, false}) {
            if (form.primop() != wish) {
                wish ? form.secondopiano_Click() : form.primopiano_Click();
            }
            bool onTopWhileOpen = true;
            form.modalBracket([&] { onTopWhileOpen = form.onTop(); });
            QVERIFY(!onTopWhileOpen);
            QCOMPARE(form.primop(), wish);
            QCOMPARE(form.onTop(), wish);
            QCOMPARE(form.primopiano()->isVisibleTo(&form), wish);
        }
    }

    // The bar fills its share of the width from the left, whatever the float range.
    void progressBarDrawsItsShare() {
        conteggo::ProgressBar bar;
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
        QCOMPARE(QApplication::focusWidget(), form.parti());
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(form.stopwatch().attivo());

        form.oremin()->setFocus();
        QTest::keyClick(form.oremin(), Qt::Key_Enter);
        QCOMPARE(form.oremin()->text(), QStringLiteral("m"));
        QVERIFY(form.stopwatch().attivo());
        form.close();
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
