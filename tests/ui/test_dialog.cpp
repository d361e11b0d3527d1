#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialog.h"
#include "form_bench.h"
#include "number_testing.h"

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

// The dialog's control of that name, as the glossary in form1.h has it.
template <typename Control>
Control* control(Dialog& dialog, const char* name) {
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}
QLineEdit* text1(Dialog& dialog) {
    return control<QLineEdit>(dialog, "Text1");
}
QLineEdit* text2(Dialog& dialog) {
    return control<QLineEdit>(dialog, "Text2");
}
QCheckBox* check1(Dialog& dialog) {
    return control<QCheckBox>(dialog, "Check1");
}

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
    control<QPushButton>(dialog, "OKButton")->click();
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
        QCOMPARE(text1(dialog)->text(), QStringLiteral("1"));
        QCOMPARE(text2(dialog)->text(), QStringLiteral("0"));
        QCOMPARE(text1(dialog)->selectedText(), QStringLiteral("1"));
        QVERIFY(!check1(dialog)->isChecked());
        QVERIFY(control<QPushButton>(dialog, "OKButton")->isDefault());
    }

    void hundredSecondsComeBackAlmostWhole() {
        AlarmSettings settings;
        settings.intervallo = Number::real(100);
        Dialog dialog(settings, nullptr);
        QCOMPARE(text1(dialog)->text(), QStringLiteral("1,66666666666667"));
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
        text1(dialog)->setText(QStringLiteral("120,5"));
        QCOMPARE(pressOk(dialog), QStringLiteral("ERRORE: DATI ERRATI! (max 120)"));
        QCOMPARE(text1(dialog)->text(), QStringLiteral("120.5"));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(7));
        text1(dialog)->setText(QStringLiteral("1,5"));
        text2(dialog)->setText(QStringLiteral("0,5"));
        QCOMPARE(pressOk(dialog), QString());
        QCOMPARE(text1(dialog)->text() + u' ' + text2(dialog)->text(), u"1.5 0.5");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().intervallo, Number::real(90));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(30));
    }

    // The real dialog, opened by the sound buttons: OK reshapes the main window.
    void okReshapesTheMainWindow() {
        Bench bench;
        bench.open("250\r\n");
        onNextDialog([](Dialog& dialog) {
            check1(dialog)->setChecked(true);
            pressOk(dialog);
        });
        bench.click("suono2");
        QVERIFY(bench.session->alarm().on());
        QVERIFY(bench.shown("PB") && bench.shown("suono") && !bench.shown("suono2"));
        QCOMPARE(bench.form->height(), 88);
        QVERIFY(staysOnTop(*bench.form));

        bool openedChecked = false;
        onNextDialog([&](Dialog& dialog) {
            openedChecked = check1(dialog)->isChecked();
            check1(dialog)->setChecked(false);
            text1(dialog)->setText(QStringLiteral("3"));
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
            text1(dialog)->setText(QStringLiteral("7"));
            check1(dialog)->setChecked(true);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            stayedOpen = dialog.isVisible();
            control<QPushButton>(dialog, "CancelButton")->click();
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
        text2(dialog)->setText(QStringLiteral("0,25"));
        QTest::keyClick(text2(dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().anticipo, std::int16_t(15));
    }
};

QTEST_MAIN(TestDialog)
#include "test_dialog.moc"
