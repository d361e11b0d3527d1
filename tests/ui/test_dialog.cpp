#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "clickable_label.h"
#include "dialog.h"
#include "form_bench.h"
#include "infomio.h"
#include "number_testing.h"
#include "program_title.h"
#include "progress_bar.h"

using conteggo::AlarmSettings;
using conteggo::CountFile;
using conteggo::Dialog;
using conteggo::Form1;
using conteggo::Number;
using conteggo::PositionFile;

namespace {

struct Bench : FormBench {
    Bench() { open(); }
};

// Runs `drive` on the alarm dialog once it is open modally.
void onNextDialog(std::function<void(Dialog&)> drive) {
    QTimer::singleShot(0, qApp, [drive = std::move(drive)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        drive(*dialog);
    });
}

// Presses OK; a message box that opens is read and dismissed. Returns its title and text.
QString pressOk(Dialog& dialog) {
    QString shown;
    QTimer::singleShot(0, &dialog, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + QLatin1String(": ") + box->text();
            box->accept();
        }
    });
    dialog.OKButton_Click();
    QCoreApplication::processEvents();
    return shown;
}

}  // namespace

class TestDialog : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void opensWithTheSettings() {
        Dialog dialog(AlarmSettings{}, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Imposta allarme"));
        QCOMPARE(dialog.Text1()->text(), QStringLiteral("1"));
        QCOMPARE(dialog.Text2()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.Text1()->selectedText(), QStringLiteral("1"));
        QVERIFY(!dialog.Check1()->isChecked());
        QVERIFY(dialog.OKButton()->isDefault());
    }

    void hundredSecondsComeBackAlmostWhole() {
        AlarmSettings settings;
        settings.intervallo = Number::real(100);
        Dialog dialog(settings, nullptr);
        QCOMPARE(dialog.Text1()->text(), QStringLiteral("1,66666666666667"));
        QCOMPARE(pressOk(dialog), QString());
        QCOMPARE(dialog.settings().intervallo, Number::real(1.66666666666667 * 60));
        QCOMPARE(dialog.settings().intervallo.toDouble(), 100.0000000000002);
    }

    void validation_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("advance");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("advanceSeconds");
        QTest::addColumn<QString>("boxesAfter");
        QTest::newRow("120 accepted") << "120"
                                      << "0" << true << 7200.0 << 0 << "120 0";
        QTest::newRow("120,5 refused") << "120,5"
                                       << "0" << false << 0.0 << 0 << "120.5 0";
        QTest::newRow("0 refused") << "0"
                                   << "0" << false << 0.0 << 0 << "0 0";
        QTest::newRow("empty refused") << ""
                                       << "0" << false << 0.0 << 0 << " 0";
        QTest::newRow("letters refused") << "abc"
                                         << "0" << false << 0.0 << 0 << "abc 0";
        QTest::newRow("advance equal refused") << "2"
                                               << "2" << false << 0.0 << 0 << "2 2";
        QTest::newRow("advance just below") << "2"
                                            << "1,99" << true << 120.0 << 119 << "2 1.99";
        QTest::newRow("a minute and a half") << "1,5"
                                             << "0,5" << true << 90.0 << 30 << "1.5 0.5";
        QTest::newRow("half each refused") << "0,5"
                                           << "0,5" << false << 0.0 << 0 << "0.5 0.5";
        QTest::newRow("empty advance is 0") << "5 minuti"
                                            << "" << true << 300.0 << 0 << "5 minuti ";
        QTest::newRow("negative advance refused") << "2"
                                                  << "-1" << false << 0.0 << 0 << "2 -1";
        QTest::newRow("under half a second refused") << "0,008"
                                                     << "0" << false << 0.0 << 0 << "0.008 0";
        QTest::newRow("beyond a double refused") << "1e400"
                                                 << "0" << false << 0.0 << 0 << "1e400 0";
        QTest::newRow("hexadecimal") << "&H1E"
                                     << "&O1" << true << 1800.0 << 60 << "&H1E &O1";
    }

    void validation() {
        QFETCH(QString, interval);
        QFETCH(QString, advance);
        QFETCH(bool, valid);
        AlarmSettings settings;
        settings.anticipo = 7;
        Dialog dialog(settings, nullptr);
        dialog.Text1()->setText(interval);
        dialog.Text2()->setText(advance);
        const QString shown = pressOk(dialog);
        QTEST(dialog.Text1()->text() + u' ' + dialog.Text2()->text(), "boxesAfter");
        if (valid) {
            QCOMPARE(shown, QString());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QTEST(dialog.settings().intervallo.toDouble(), "seconds");
            QTEST(int(dialog.settings().anticipo), "advanceSeconds");
        } else {
            QCOMPARE(shown, QStringLiteral("ERRORE: DATI ERRATI! (max 120)"));
            QCOMPARE(dialog.settings().intervallo, Number::int16(60));
            QCOMPARE(dialog.settings().anticipo, std::int16_t(7));
        }
    }

    // The real dialog, opened by the sound buttons: OK reshapes the main window.
    void okReshapesTheMainWindow() {
        Bench bench;
        bench.form->stopwatch().setTempo(Number::int16(250));
        onNextDialog([](Dialog& dialog) {
            dialog.Check1()->setChecked(true);
            pressOk(dialog);
        });
        bench.form->suono2_Click();
        QVERIFY(bench.form->alarm().on());
        QCOMPARE(bench.form->PB()->maximum(), 60.0f);
        QCOMPARE(bench.form->PB()->value(), 10.0f);
        QVERIFY(bench.form->PB()->isVisibleTo(bench.form.get()));
        QVERIFY(bench.form->suono()->isVisibleTo(bench.form.get()));
        QCOMPARE(bench.form->height(), 88);
        QVERIFY(bench.form->onTop());

        bool openedChecked = false;
        onNextDialog([&](Dialog& dialog) {
            openedChecked = dialog.Check1()->isChecked();
            dialog.Check1()->setChecked(false);
            dialog.Text1()->setText(QStringLiteral("3"));
            pressOk(dialog);
        });
        bench.form->suono_Click();
        QVERIFY(openedChecked);
        QVERIFY(!bench.form->alarm().on());
        QCOMPARE(bench.form->alarm().intervallo, Number::real(180));  // stored all the same
        QVERIFY(!bench.form->PB()->isVisibleTo(bench.form.get()));
        QVERIFY(bench.form->suono2()->isVisibleTo(bench.form.get()));
        QCOMPARE(bench.form->height(), 76);
    }

    void cancelAndEscapeChangeNothing() {
        Bench bench;
        bool stayedOpen = false;
        int result = -1;
        onNextDialog([&](Dialog& dialog) {
            dialog.Text1()->setText(QStringLiteral("7"));
            dialog.Check1()->setChecked(true);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            stayedOpen = dialog.isVisible();
            dialog.CancelButton()->click();
            result = dialog.result();
        });
        bench.form->suono2_Click();
        QVERIFY(stayedOpen);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(bench.form->alarm().intervallo, Number::int16(60));
        QVERIFY(!bench.form->alarm().on());
        QCOMPARE(bench.form->height(), 76);
    }

    void enterInABoxActsAsOk() {
        Dialog dialog(AlarmSettings{}, nullptr);
        dialog.show();
        dialog.Text2()->setText(QStringLiteral("0,25"));
        QTest::keyClick(dialog.Text2(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(15));
    }

    void informationWindow() {
        Bench bench;
        for (int opening = 0; opening < 2; ++opening) {
            conteggo::infomio info(QString::fromUtf8(Form1::kTitle), bench.form.get());
            info.show();
            QCOMPARE(info.windowTitle(), QStringLiteral("INFO"));
            const auto labels = info.findChildren<QLabel*>();
            const bool hasVersion = std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
                return l->text() == programTitle();
            });
            QVERIFY(hasVersion);
            const QPoint centre = info.screen()->availableGeometry().center();
            QVERIFY((info.frameGeometry().center() - centre).manhattanLength() <= 4);
        }
    }

    void soundButtonsOpenTheDialogInTheBracket() {
        Bench bench;
        bool onTopWhileOpen = true;
        int openings = 0;
        bench.form->askAlarmSettings = [&](const AlarmSettings&) -> std::optional<AlarmSettings> {
            onTopWhileOpen = bench.form->onTop();
            ++openings;
            return std::nullopt;
        };
        bench.form->suono2_Click();
        QCOMPARE(openings, 1);
        QVERIFY(!onTopWhileOpen);
        QVERIFY(bench.form->onTop() && bench.form->primop());
        QCOMPARE(bench.form->Image1()->toolTip(), QStringLiteral("INFO"));
        QCOMPARE(bench.form->Image1()->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestDialog)
#include "test_dialog.moc"
