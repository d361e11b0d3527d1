#include <QTest>

#include "form_bench.h"
#include "program_title.h"
#include "progress_bar.h"

using conteggo::Form1;
using conteggo::ProgressBar;
using conteggo::Verb;
using conteggo::VerbAnswer;

// What the main window shows of the session, and how its clicks reach it; what the session
// then does is test_session's to judge.
class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void startUp_data() {
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("alarmOn");

        QTest::newRow("first run") << QByteArray() << QPoint(0, 0) << false;
        QTest::newRow("stored place and alarm")
            << QByteArray("2460\r\n8715\r\n300\r\n60\r\n#TRUE#\r\n") << QPoint(581, 164) << true;
    }
    void startUp() {
        QFETCH(QByteArray, positions);
        QFETCH(bool, alarmOn);
        FormBench bench;
        Form1& form = bench.open("3725\r\n", positions);
        QCOMPARE(form.windowTitle(), programTitle());
        QTEST(form.pos(), "place");
        QCOMPARE(bench.find<QLabel>("Label1")->text(), QStringLiteral("1:02:05"));
        QCOMPARE(form.height(), alarmOn ? 88 : 76);
        QCOMPARE(form.width(), 197);
        QCOMPARE(bench.shown("PB"), alarmOn);
        QCOMPARE(bench.shown("suono"), alarmOn);
        QCOMPARE(bench.shown("suono2"), !alarmOn);
        QVERIFY(bench.shown("parti") && !bench.shown("ferma"));
        QVERIFY(bench.find("azzera")->isEnabled());
        QVERIFY(staysOnTop(form));
        QVERIFY(bench.shown("primopiano") && !bench.shown("secondopiano"));
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("H"));
    }

    // Each button reaches the session, and the window shows what the session then says.
    void clicksReachTheSession() {
        FormBench bench;
        Form1& form = bench.open("60\r\n", "0\r\n0\r\n60\r\n0\r\n#TRUE#\r\n");
        bench.click("parti");
        QVERIFY(bench.session->running());
        QVERIFY(!bench.shown("parti") && bench.shown("ferma"));
        QVERIFY(!bench.find("azzera")->isEnabled());
        QVERIFY(!bench.find("suono")->isEnabled() && !bench.find("suono2")->isEnabled());

        bench.tickAt(1001.005);
        QCOMPARE(bench.find<QLabel>("Label1")->text(), QStringLiteral("0:01:01"));
        QCOMPARE(form.windowTitle(), QStringLiteral("0:01:01"));
        QCOMPARE(bench.find<ProgressBar>("PB")->value(), 1.0f);
        bench.click("oremin");
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("m"));

        bench.click("ferma");
        QVERIFY(!bench.session->running());
        QVERIFY(bench.shown("parti") && !bench.shown("ferma"));
        QVERIFY(bench.find("azzera")->isEnabled() && bench.find("suono")->isEnabled());
        QCOMPARE(form.windowTitle(), programTitle());
        bench.click("azzera");
        QCOMPARE(bench.find<QLabel>("Label1")->text(), QStringLiteral("0:00:00"));
        QCOMPARE(bench.saved(), QByteArray("0\r\n"));
    }

    // The closing, however it comes, saves the window's place with the session's files.
    void closingSavesThePlace() {
        FormBench bench;
        Form1& form = bench.open({}, "3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n");
        form.close();
        QCOMPARE(readAll(bench.path("timerpos.txt")),
                 QByteArray("3000\r\n4500\r\n90\r\n30\r\n#TRUE#\r\n"));
        QVERIFY(bench.session->closedAndSaved());
    }

    // Both modal windows open outside the top layer, and the session refuses verbs meanwhile;
    // the wish comes back after them.
    void onTopToggleAndModalBracket() {
        FormBench bench;
        int opened = 0;
        int openedOnTop = 0;
        int verbsRefused = 0;
        bench.modalWindows.showInformation = [&](QWidget* form) {
            ++opened;
            openedOnTop += staysOnTop(*form) ? 1 : 0;
            verbsRefused += bench.session->applyVerb(Verb::Start) == VerbAnswer::ModalOpen;
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
            QCOMPARE(staysOnTop(form), QByteArray(wish) == "primopiano");
            bench.click(wish);  // the other wish for the next round
        }
        QCOMPARE(opened, 4);
        QCOMPARE(openedOnTop, 0);
        QCOMPARE(verbsRefused, 4);
        QCOMPARE(bench.session->applyVerb(Verb::Start), VerbAnswer::Done);
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
        FormBench bench;
        Form1& form = bench.open();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), bench.find("parti"));
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(bench.session->running());

        bench.find("oremin")->setFocus();
        QTest::keyClick(bench.find("oremin"), Qt::Key_Enter);
        QCOMPARE(bench.find("oremin")->text(), QStringLiteral("m"));
        QVERIFY(bench.session->running());
        form.close();
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
