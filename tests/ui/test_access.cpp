// What every user can reach: names and roles for assistive technology, the keyboard, dark
// palettes and large fonts.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

#include "accessible_controls.h"
#include "dialog.h"
#include "form_bench.h"
#include "infomio.h"
#include "palettes.h"
#include "program_title.h"
#include "progress_bar.h"
#include "readable_colour.h"

using conteggo::AlarmSettings;
using conteggo::contrastRatio;
using conteggo::Form1;
using conteggo::ProgressBar;

namespace {

// The alarm dialog's control of that name.
template <typename Control = QWidget>
Control* inDialog(conteggo::Dialog& dialog, const char* name) {
    return dialog.findChild<Control*>(QString::fromLatin1(name));
}

// A main window whose information window is only counted, over the files given, if any.
struct Bench : FormBench {
    int informationShown = 0;
    explicit Bench(const QByteArray& count = {}, const QByteArray& positions = {}) {
        modalWindows.showInformation = [this](QWidget*) { ++informationShown; };
        open(count, positions);
    }
};

// The alarm on, every 5 minutes.
const QByteArray kAlarmOn("0\r\n0\r\n300\r\n0\r\n#TRUE#\r\n");

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void press(QObject* control) {
    accessible(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// Every control below `window` that a screen reader lands on, with no name.
QStringList unnamed(QWidget* window) {
    QStringList found;
    QList<QAccessibleInterface*> pending{accessible(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        // A group of buttons is no control of its own: its buttons are.
        if (node->role() != QAccessible::Grouping &&
            node->text(QAccessible::Name).trimmed().isEmpty()) {
            found << QStringLiteral("%1 (role %2)")
                         .arg(QLatin1String(node->object()->metaObject()->className()))
                         .arg(node->role());
        }
        for (int i = 0; i < node->childCount(); ++i) {
            pending << node->child(i);
        }
    }
    return found;
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        conteggo::installAccessibleControls();
        light_ = QApplication::palette();
        font_ = QApplication::font();
    }

    void init() {
        switchPalette(light_);
        QApplication::setFont(font_);
    }

    // --- colours ---------------------------------------------------------------------------

    void lightPaletteKeepsDesignedColours() {
        Bench bench;
        QCOMPARE(textColour(bench.find<QLabel>("Label1")), QColor(0, 0, 192));
        bench.click("parti");
        QCOMPARE(textColour(bench.find<QLabel>("Label1")), QColor(192, 0, 0));
        bench.click("ferma");
        QCOMPARE(textColour(bench.find<QLabel>("Label1")), QColor(0, 0, 192));
        QCOMPARE(bench.find("primopiano")->palette().color(QPalette::Button),
                 QColor(224, 224, 224));
        QCOMPARE(bench.find("secondopiano")->palette().color(QPalette::Button),
                 QColor(192, 192, 192));
    }

    void darkPaletteReadable_data() {
        QTest::addColumn<bool>("switchWhileRunning");
        QTest::newRow("dark from the start") << false;
        QTest::newRow("theme switched at run time") << true;
    }

    void darkPaletteReadable() {
        QFETCH(bool, switchWhileRunning);
        if (!switchWhileRunning) {
            QApplication::setPalette(darkPalette());
        }
        Bench bench({}, kAlarmOn);
        if (switchWhileRunning) {
            switchPalette(darkPalette());
        }
        auto* label = bench.find<QLabel>("Label1");
        const QColor back = bench.form->palette().color(QPalette::Window);
        QCOMPARE(back, QColor(0x35, 0x35, 0x35));
        const double stopped = contrastRatio(textColour(label), back);
        bench.click("parti");
        const double running = contrastRatio(textColour(label), back);
        QVERIFY2(stopped >= 4.5 && running >= 4.5,
                 qPrintable(QStringLiteral("stopped %1, running %2").arg(stopped).arg(running)));
        // The eye buttons wear the theme's face.
        QCOMPARE(bench.find("primopiano")->palette().color(QPalette::Button),
                 QColor(0x44, 0x44, 0x44));
        QCOMPARE(bench.find("secondopiano")->palette().color(QPalette::Button),
                 QColor(0x44, 0x44, 0x44));
        // The bar's empty part stands apart from the window.
        const QImage bar = bench.find<ProgressBar>("PB")->grab().toImage();
        QVERIFY(contrastRatio(bar.pixelColor(bar.width() - 2, bar.height() / 2), back) >= 3);
        // And back to light: the designed colours again.
        switchPalette(light_);
        QCOMPARE(textColour(label), QColor(192, 0, 0));
        QCOMPARE(bench.find("primopiano")->palette().color(QPalette::Button),
                 QColor(224, 224, 224));
    }

    // --- names and roles -------------------------------------------------------------------

    void mainWindowNamesAndRoles_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        const int button = QAccessible::Button;
        QTest::newRow("parti") << "parti"
                               << "Avvia" << button;
        QTest::newRow("ferma") << "ferma"
                               << "Ferma" << button;
        QTest::newRow("azzera") << "azzera"
                                << "Azzera" << button;
        QTest::newRow("primopiano") << "primopiano"
                                    << "Sempre in primo piano: attivo" << button;
        QTest::newRow("secondopiano") << "secondopiano"
                                      << "Sempre in primo piano: disattivo" << button;
        QTest::newRow("oremin") << "oremin"
                                << "Formato: ore, minuti e secondi" << button;
        QTest::newRow("suono") << "suono"
                               << "Allarme attivo, ogni minuto: impostazioni" << button;
        QTest::newRow("suono2") << "suono2"
                                << "Allarme spento: impostazioni" << button;
        QTest::newRow("Image1") << "Image1"
                                << "Informazioni" << button;
        QTest::newRow("Label1") << "Label1"
                                << "0:00:00" << int(QAccessible::StaticText);
        QTest::newRow("PB") << "PB"
                            << "Avanzamento verso il prossimo suono"
                            << int(QAccessible::ProgressBar);
        QTest::newRow("Form1") << "Form1" << programTitle() << int(QAccessible::Window);
    }

    void mainWindowNamesAndRoles() {
        QFETCH(QString, control);
        Bench bench;
        Form1& f = *bench.form;
        QAccessibleInterface* iface =
            accessible(control == f.objectName() ? &f : f.findChild<QWidget*>(control));
        QVERIFY(iface != nullptr);
        QTEST(iface->text(QAccessible::Name), "name");
        QTEST(int(iface->role()), "role");
        if (iface->role() == QAccessible::Button) {
            QVERIFY(iface->actionInterface() != nullptr);
            QVERIFY(iface->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
    }

    void everyControlNamed() {
        Bench bench;
        bench.form->show();
        QCOMPARE(unnamed(bench.form.get()), QStringList());
        conteggo::Dialog dialog(AlarmSettings{}, bench.form.get());
        QCOMPARE(unnamed(&dialog), QStringList());
        conteggo::infomio info(programTitle());
        QCOMPARE(unnamed(&info), QStringList());
        QStringList inErrorBox{QStringLiteral("no box")};
        QTimer::singleShot(0, &dialog, [&inErrorBox] {
            inErrorBox = unnamed(QApplication::activeModalWidget());
            if (accessible(QApplication::activeModalWidget())->role() !=
                QAccessible::AlertMessage) {
                inErrorBox << QStringLiteral("not an alert");
            }
            QApplication::activeModalWidget()->close();
        });
        inDialog<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("121"));
        inDialog<QPushButton>(dialog, "OKButton")->click();
        QCOMPARE(inErrorBox, QStringList());
    }

    void statefulNamesFollowState() {
        Bench bench({}, "0\r\n0\r\n90\r\n0\r\n#TRUE#\r\n");
        bench.click("oremin");
        QCOMPARE(nameOf(bench.find("oremin")), QStringLiteral("Formato: minuti e secondi"));
        bench.click("oremin");
        QCOMPARE(nameOf(bench.find("oremin")), QStringLiteral("Formato: ore, minuti e secondi"));
        QCOMPARE(nameOf(bench.find("suono")),
                 QStringLiteral("Allarme attivo, ogni %1 minuti: impostazioni")
                     .arg(QLocale().toString(1.5)));
        // The eye shown says the state; the main window's name is its title.
        bench.click("primopiano");
        QVERIFY(bench.shown("secondopiano"));
        QCOMPARE(nameOf(bench.find("secondopiano")),
                 QStringLiteral("Sempre in primo piano: disattivo"));
        bench.click("parti");
        bench.fire("Timer2");
        QCOMPARE(nameOf(bench.form.get()), bench.form->windowTitle());
    }

    void dialogBoxesNamedByTheirLabels() {
        Bench bench;
        conteggo::Dialog dialog(AlarmSettings{}, bench.form.get());
        QCOMPARE(accessible(&dialog)->role(), QAccessible::Dialog);
        QCOMPARE(nameOf(&dialog), QStringLiteral("Imposta allarme"));
        QCOMPARE(accessible(inDialog(dialog, "Text1"))->role(), QAccessible::EditableText);
        QCOMPARE(nameOf(inDialog(dialog, "Text1")),
                 QStringLiteral("Ogni quanti minuti vuoi che suoni?"));
        QCOMPARE(nameOf(inDialog(dialog, "Text2")), QStringLiteral("Con che anticipo?"));
        QCOMPARE(accessible(inDialog(dialog, "Check1"))->role(), QAccessible::CheckBox);
        QCOMPARE(nameOf(inDialog(dialog, "Check1")), QStringLiteral("Suono veramente?"));
        QCOMPARE(nameOf(inDialog(dialog, "CancelButton")), QStringLiteral("Annulla"));
        // Tool tips stay exactly as they were; names never go into them.
        QCOMPARE(bench.find("parti")->toolTip(), QStringLiteral("PARTI / RIPARTI"));
        QCOMPARE(bench.find("suono2")->toolTip(), QString());
        QCOMPARE(bench.find<QLabel>("Image1")->toolTip(), QStringLiteral("INFO"));
        QCOMPARE(bench.find<QLabel>("Image1")->cursor().shape(), Qt::PointingHandCursor);
    }

    void barExposesValueAndMaximum() {
        Bench bench("125\r\n", kAlarmOn);
        QCOMPARE(accessible(bench.find<ProgressBar>("PB"))->text(QAccessible::Description),
                 QStringLiteral("125 di 300 secondi"));
    }

    // --- keyboard --------------------------------------------------------------------------

    void pressActionOpensInformation() {
        Bench bench;
        press(bench.find<QLabel>("Image1"));
        QCOMPARE(bench.informationShown, 0);  // after the request has returned
        QTRY_COMPARE(bench.informationShown, 1);
    }

    // Pressed while the alarm dialog is open, the buttons and the "i" do nothing.
    void pressWaitsForTheModalWindow() {
        Bench bench;
        bool clickOver = false;  // the button's animated click
        bench.modalWindows.askAlarmSettings = [&](const AlarmSettings&, QWidget*) {
            press(bench.find("parti"));
            press(bench.find<QLabel>("Image1"));
            clickOver = QTest::qWaitFor([&bench] { return !bench.find("parti")->isDown(); });
            QCoreApplication::processEvents();
            return std::optional<AlarmSettings>();
        };
        bench.open();
        bench.click("suono2");
        QVERIFY(clickOver);
        QVERIFY(!bench.session->running());
        QCOMPARE(bench.informationShown, 0);
    }

    void f1OpensInformation() {
        Bench bench;
        QTest::keyClick(bench.find("parti"), Qt::Key_F1);  // the focused button passes it on
        QCOMPARE(bench.informationShown, 1);
        QTest::keyClick(bench.form.get(), Qt::Key_F1, Qt::ShiftModifier);  // not plain F1
        QCOMPARE(bench.informationShown, 1);
    }

    // --- the designed sizes ----------------------------------------------------------------

    // In a font as narrow as the one the windows were laid out for, nothing is scaled.
    void designedSizesKeptWhenTextsFit() {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(8.25);
        QApplication::setFont(font);
        Bench bench;
        conteggo::Dialog dialog(AlarmSettings{}, bench.form.get());
        QCOMPARE(dialog.size(), QSize(364, 111));
        QCOMPARE(inDialog(dialog, "OKButton")->geometry(), QRect(272, 16, 81, 25));
        QCOMPARE(inDialog(dialog, "CancelButton")->geometry(), QRect(272, 48, 81, 25));
        QCOMPARE(inDialog(dialog, "Text2")->geometry(), QRect(16, 40, 41, 19));
        conteggo::infomio info(programTitle());
        QCOMPARE(info.size(), QSize(285, 199));
    }

  private:
    QPalette light_;
    QFont font_;
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
