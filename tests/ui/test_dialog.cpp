#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialog.h"
#include "form_bench.h"
#include "number_testing.h"
#include "progress_bar.h"

using conteggo::AlarmSettings;
using conteggo::Dialog;
using conteggo::Number;

namespace {

struct Bench : FormBench {
    Bench() { open(); }
    // The alarm's three lines of the place file, as the closing writes them.
    QByteArray alarmSaved() {
        form->close();
        return readAll(path("timerpos.txt")).split('\n').mid(2).join('\n');
    }
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

    // The rule is the core's; here the boxes show what was read, and a refusal says so and
    // keeps the settings.
    void okReadsTheBoxes() {
        AlarmSettings settings;
        settings.anticipo = 7;
        Dialog dialog(settings, nullptr);
        dialog.Text1()->setText(QStringLiteral("120,5"));
        QCOMPARE(pressOk(dialog), QStringLiteral("ERRORE: DATI ERRATI! (max 120)"));
        QCOMPARE(dialog.Text1()->text(), QStringLiteral("120.5"));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(7));
        dialog.Text1()->setText(QStringLiteral("1,5"));
        dialog.Text2()->setText(QStringLiteral("0,5"));
        QCOMPARE(pressOk(dialog), QString());
        QCOMPARE(dialog.Text1()->text() + u' ' + dialog.Text2()->text(), u"1.5 0.5");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().intervallo, Number::real(90));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(30));
    }

    // The real dialog, opened by the sound buttons: OK reshapes the main window.
    void okReshapesTheMainWindow() {
        Bench bench;
        bench.open("250\r\n");
        onNextDialog([](Dialog& dialog) {
            dialog.Check1()->setChecked(true);
            pressOk(dialog);
        });
        bench.click("suono2");
        QCOMPARE(bench.find<conteggo::ProgressBar>("PB")->maximum(), 60.0f);
        QCOMPARE(bench.find<conteggo::ProgressBar>("PB")->value(), 10.0f);
        QVERIFY(bench.shown("PB") && bench.shown("suono") && !bench.shown("suono2"));
        QCOMPARE(bench.form->height(), 88);
        QVERIFY(staysOnTop(*bench.form));

        bool openedChecked = false;
        onNextDialog([&](Dialog& dialog) {
            openedChecked = dialog.Check1()->isChecked();
            dialog.Check1()->setChecked(false);
            dialog.Text1()->setText(QStringLiteral("3"));
            pressOk(dialog);
        });
        bench.click("suono");
        QVERIFY(openedChecked);
        QVERIFY(!bench.shown("PB") && bench.shown("suono2"));
        QCOMPARE(bench.form->height(), 76);
        QCOMPARE(bench.alarmSaved(), "180\r\n0\r\n#FALSE#\r\n");  // kept all the same
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
        bench.click("suono2");
        QVERIFY(stayedOpen);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(bench.form->height(), 76);
        QCOMPARE(bench.alarmSaved(), "60\r\n0\r\n#FALSE#\r\n");
    }

    void enterInABoxActsAsOk() {
        Dialog dialog(AlarmSettings{}, nullptr);
        dialog.show();
        dialog.Text2()->setText(QStringLiteral("0,25"));
        QTest::keyClick(dialog.Text2(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(15));
    }
};

QTEST_MAIN(TestDialog)
#include "test_dialog.moc"
