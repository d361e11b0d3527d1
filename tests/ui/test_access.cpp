// What every user can reach: names and roles for assistive technology, the keyboard, dark
// palettes and large fonts.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "clickable_label.h"
#include "dialog.h"
#include "form_bench.h"
#include "infomio.h"
#include "program.h"
#include "program_title.h"
#include "progress_bar.h"
#include "readable_colour.h"

using conteggo::contrastRatio;
using conteggo::CountFile;
using conteggo::Form1;
using conteggo::PositionFile;
using conteggo::readableColour;

namespace {

struct Bench : FormBench {
    int informationShown = 0;
    Bench() {
        open().showInformation = [this] { ++informationShown; };
    }
};

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

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

QColor background(const QWidget* widget) {
    return widget->window()->palette().color(QPalette::Window);
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x44, 0x44, 0x44));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    return dark;
}

// As a theme switch does it: the widgets learn of it through posted events.
void switchPalette(const QPalette& palette) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
}

// The information window's three coloured lines, top to bottom.
QList<QLabel*> colouredLines(conteggo::infomio& info) {
    QList<QLabel*> lines;
    for (QLabel* label : info.findChildren<QLabel*>()) {
        if (label->text().startsWith(QLatin1String("Conteggo")) ||
            label->text().startsWith(QLatin1String("Un cronometro")) ||
            label->text().startsWith(QLatin1String("conteggo.example"))) {
            lines << label;
        }
    }
    return lines;
}

// Why a control's text does not fit it in its font, or an empty string.
QString misfit(const QWidget* control) {
    const QFontMetrics fm = control->fontMetrics();
    auto over = [&](const QString& what, int need, int have) {
        return need > have ? QStringLiteral("%1 needs %2, has %3").arg(what).arg(need).arg(have)
                           : QString();
    };
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty()) {
            return {};
        }
        if (!label->wordWrap()) {
            const QString wide =
                over(label->text(), fm.horizontalAdvance(label->text()), label->width());
            return wide.isEmpty() ? over(label->text(), fm.height(), label->height()) : wide;
        }
        for (const QString& word : label->text().split(QLatin1Char(' '))) {
            const QString wide = over(word, fm.horizontalAdvance(word), label->width());
            if (!wide.isEmpty()) {
                return wide;
            }
        }
        return over(label->text(), label->heightForWidth(label->width()), label->height());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const int box = qobject_cast<const QCheckBox*>(control) != nullptr
                            ? control->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                            : 0;
        const QString wide =
            over(button->text(), box + fm.horizontalAdvance(button->text()), button->width());
        return wide.isEmpty() ? over(button->text(), fm.height(), button->height()) : wide;
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return over(QStringLiteral("line edit"), fm.height(), control->height());
    }
    return {};
}

// Every text fits its control, no two controls overlap and the window holds them all.
void checkFits(QWidget* window) {
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        const QString why = misfit(control);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QVERIFY2(window->rect().contains(control->geometry()),
                 qPrintable(QStringLiteral("outside the window: %1").arg(misfit(control))));
        for (const QWidget* other : controls) {
            // The layout lets two pairs of controls share one pixel row (15 twips).
            const QRect shared = control->geometry() & other->geometry();
            QVERIFY2(control == other || shared.isEmpty() ||
                         std::min(shared.width(), shared.height()) <= 1,
                     qPrintable(QStringLiteral("%1 overlaps %2")
                                    .arg(nameOf(const_cast<QWidget*>(control)),
                                         nameOf(const_cast<QWidget*>(other)))));
        }
    }
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        light_ = QApplication::palette();
        font_ = QApplication::font();
    }

    void init() {
        switchPalette(light_);
        QApplication::setFont(font_);
    }

    // --- colours ---------------------------------------------------------------------------

    void readableColourKeepsOrLightens_data() {
        QTest::addColumn<QColor>("described");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("dark");
        const QList<QColor> described{{0, 0, 192}, {192, 0, 0}, {128, 0, 0}, {0, 0, 128}};
        const QList<std::pair<const char*, QColor>> backgrounds{
            {"light grey", QColor(0xef, 0xef, 0xef)}, {"white", Qt::white},
            {"classic grey", QColor(192, 192, 192)},  {"Adwaita dark", QColor(0x35, 0x35, 0x35)},
            {"darker", QColor(0x20, 0x20, 0x20)},     {"black", Qt::black},
            {"dark blue", QColor(0, 0, 64)},          {"dark red", QColor(80, 0, 0)}};
        for (const auto& [name, back] : backgrounds) {
            for (const QColor& colour : described) {
                QTest::addRow("%s on %s", qPrintable(colour.name()), name)
                    << colour << back << conteggo::isDarkBackground(back);
            }
        }
    }

    void readableColourKeepsOrLightens() {
        QFETCH(QColor, described);
        QFETCH(QColor, background);
        QFETCH(bool, dark);
        const QColor drawn = readableColour(described, background);
        if (!dark) {
            QCOMPARE(drawn, described);  // exactly as described on a light window
            return;
        }
        QVERIFY2(contrastRatio(drawn, background) >= 4.5,
                 qPrintable(QString::number(contrastRatio(drawn, background))));
        QVERIFY(qAbs(drawn.hslHue() - described.hslHue()) <= 1);
        QVERIFY(drawn.lightness() >= described.lightness());
        // No lighter than needed: one step less falls short, unless the colour is as drawn.
        const QColor less = QColor::fromHsl(drawn.hslHue(), drawn.hslSaturation(),
                                            std::max(described.lightness(), drawn.lightness() - 3));
        QVERIFY(less == described || contrastRatio(less, background) < conteggo::kTargetContrast);
    }

    void contrastRatioMatchesKnownFigures() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
    }

    void lightPaletteKeepsDescribedColours() {
        Bench bench;
        const QColor blue(0, 0, 192);
        const QColor red(192, 0, 0);
        QCOMPARE(textColour(bench.form->Label1()), blue);
        bench.form->parti_Click();
        QCOMPARE(textColour(bench.form->Label1()), red);
        bench.form->ferma_Click();
        QCOMPARE(textColour(bench.form->Label1()), blue);
        QCOMPARE(bench.form->primopiano()->palette().color(QPalette::Button),
                 QColor(224, 224, 224));
        QCOMPARE(bench.form->secondopiano()->palette().color(QPalette::Button),
                 QColor(192, 192, 192));
        conteggo::infomio info(programTitle());
        const QList<QLabel*> lines = colouredLines(info);
        QCOMPARE(lines.size(), 3);
        const QList<QColor> described{{192, 0, 0}, {128, 0, 0}, {0, 0, 128}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(textColour(lines[i]), described[i]);
        }
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
        Bench bench;
        conteggo::infomio info(programTitle());
        if (switchWhileRunning) {
            switchPalette(darkPalette());
        }
        const QColor back = background(bench.form->Label1());
        QCOMPARE(back, QColor(0x35, 0x35, 0x35));
        const double stopped = contrastRatio(textColour(bench.form->Label1()), back);
        bench.form->parti_Click();
        const double running = contrastRatio(textColour(bench.form->Label1()), back);
        QVERIFY2(stopped >= 4.5 && running >= 4.5,
                 qPrintable(QStringLiteral("stopped %1, running %2").arg(stopped).arg(running)));
        for (QLabel* line : colouredLines(info)) {
            const double ratio = contrastRatio(textColour(line), background(line));
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1: %2").arg(line->text()).arg(ratio)));
        }
        // The eye buttons wear the theme's face.
        QCOMPARE(bench.form->primopiano()->palette().color(QPalette::Button),
                 QColor(0x44, 0x44, 0x44));
        QCOMPARE(bench.form->secondopiano()->palette().color(QPalette::Button),
                 QColor(0x44, 0x44, 0x44));
        bench.form->setAlarmShape(true);  // the bar's empty part stands apart from the window
        const QImage bar = bench.form->PB()->grab().toImage();
        QVERIFY(contrastRatio(bar.pixelColor(bar.width() - 2, bar.height() / 2), back) >= 3);
        // And back to light: the described colours again.
        switchPalette(light_);
        QCOMPARE(textColour(bench.form->Label1()), QColor(192, 0, 0));
        QCOMPARE(textColour(colouredLines(info).first()), QColor(192, 0, 0));
        QCOMPARE(bench.form->primopiano()->palette().color(QPalette::Button),
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
        const QHash<QString, QWidget*> controls{{QStringLiteral("parti"), f.parti()},
                                                {QStringLiteral("ferma"), f.ferma()},
                                                {QStringLiteral("azzera"), f.azzera()},
                                                {QStringLiteral("primopiano"), f.primopiano()},
                                                {QStringLiteral("secondopiano"), f.secondopiano()},
                                                {QStringLiteral("oremin"), f.oremin()},
                                                {QStringLiteral("suono"), f.suono()},
                                                {QStringLiteral("suono2"), f.suono2()},
                                                {QStringLiteral("Image1"), f.Image1()},
                                                {QStringLiteral("Label1"), f.Label1()},
                                                {QStringLiteral("PB"), f.PB()},
                                                {QStringLiteral("Form1"), &f}};
        QAccessibleInterface* iface = accessible(controls.value(control));
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
        conteggo::Dialog dialog(bench.form->alarm(), bench.form.get());
        QCOMPARE(unnamed(&dialog), QStringList());
        conteggo::infomio info(programTitle());
        QCOMPARE(unnamed(&info), QStringList());
        const auto box = conteggo::refusalBox();
        box->show();
        QCOMPARE(unnamed(box.get()), QStringList());
        QCOMPARE(accessible(box.get())->role(), QAccessible::AlertMessage);
        QStringList inErrorBox{QStringLiteral("no box")};
        QTimer::singleShot(0, &dialog, [&inErrorBox] {
            inErrorBox = unnamed(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        dialog.Text1()->setText(QStringLiteral("121"));
        dialog.OKButton_Click();
        QCOMPARE(inErrorBox, QStringList());
    }

    void statefulNamesFollowState() {
        Bench bench;
        Form1& f = *bench.form;
        f.oremin_Click();
        QCOMPARE(nameOf(f.oremin()), QStringLiteral("Formato: minuti e secondi"));
        f.oremin_Click();
        QCOMPARE(nameOf(f.oremin()), QStringLiteral("Formato: ore, minuti e secondi"));
        f.alarm().intervallo = conteggo::Number::real(90);
        f.setAlarmShape(true);
        f.fitBarToInterval();
        QCOMPARE(nameOf(f.suono()), QStringLiteral("Allarme attivo, ogni %1 minuti: impostazioni")
                                        .arg(QLocale().toString(1.5)));
        // The eye shown says the state; the main window's name is its title.
        f.primopiano_Click();
        QVERIFY(f.secondopiano()->isVisibleTo(&f));
        QCOMPARE(nameOf(f.secondopiano()), QStringLiteral("Sempre in primo piano: disattivo"));
        f.Timer2_Timer();
        QCOMPARE(nameOf(&f), f.windowTitle());
    }

    void dialogBoxesNamedByTheirLabels() {
        Bench bench;
        conteggo::Dialog dialog(bench.form->alarm(), bench.form.get());
        QCOMPARE(accessible(&dialog)->role(), QAccessible::Dialog);
        QCOMPARE(nameOf(&dialog), QStringLiteral("Imposta allarme"));
        QCOMPARE(accessible(dialog.Text1())->role(), QAccessible::EditableText);
        QCOMPARE(nameOf(dialog.Text1()), QStringLiteral("Ogni quanti minuti vuoi che suoni?"));
        QCOMPARE(nameOf(dialog.Text2()), QStringLiteral("Con che anticipo?"));
        QCOMPARE(accessible(dialog.Check1())->role(), QAccessible::CheckBox);
        QCOMPARE(nameOf(dialog.Check1()), QStringLiteral("Suono veramente?"));
        QCOMPARE(nameOf(dialog.CancelButton()), QStringLiteral("Annulla"));
        // Tool tips stay exactly as they were; names never go into them.
        QCOMPARE(bench.form->parti()->toolTip(), QStringLiteral("PARTI / RIPARTI"));
        QCOMPARE(bench.form->suono2()->toolTip(), QString());
        QCOMPARE(bench.form->Image1()->toolTip(), QStringLiteral("INFO"));
    }

    void barExposesValueAndMaximum() {
        Bench bench;
        bench.form->alarm().intervallo = conteggo::Number::real(300);
        bench.form->stopwatch().setTempo(conteggo::Number::int32(125));
        bench.form->setAlarmShape(true);
        bench.form->fitBarToInterval();
        QCOMPARE(accessible(bench.form->PB())->text(QAccessible::Description),
                 QStringLiteral("125 di 300 secondi"));
    }

    // --- keyboard --------------------------------------------------------------------------

    void pressActionOpensInformation() {
        Bench bench;
        press(bench.form->Image1());
        QCOMPARE(bench.informationShown, 0);  // after the request has returned
        QTRY_COMPARE(bench.informationShown, 1);
    }

    void pressWaitsForTheModalWindow() {
        Bench bench;
        Form1& form = *bench.form;
        form.modalBracket([&form] {
            press(form.parti());
            press(form.Image1());
            QTRY_VERIFY(!form.parti()->isDown());  // the button's animated click is over
            QCoreApplication::processEvents();
        });
        QVERIFY(!form.stopwatch().attivo());
        QCOMPARE(bench.informationShown, 0);
    }

    void f1OpensInformationThroughTheBracket() {
        Bench bench;
        bool onTopMeanwhile = true;
        bench.form->showInformation = [&] {
            ++bench.informationShown;
            onTopMeanwhile = bench.form->onTop();
        };
        QTest::keyClick(bench.form->parti(), Qt::Key_F1);  // the focused button passes it on
        QCOMPARE(bench.informationShown, 1);
        QVERIFY(!onTopMeanwhile);
        QVERIFY(bench.form->onTop());
        QTest::keyClick(bench.form.get(), Qt::Key_F1, Qt::ShiftModifier);  // not plain F1
        QCOMPARE(bench.informationShown, 1);
    }

    void escapeLeavesInformationOpen() {
        conteggo::infomio info(programTitle());
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        QCOMPARE(info.result(), 0);
    }

    // --- large fonts -----------------------------------------------------------------------

    void textsFit_data() {
        QTest::addColumn<double>("points");
        QTest::newRow("default") << 0.0;
        QTest::newRow("16 pt") << 16.0;
        QTest::newRow("24 pt") << 24.0;
    }

    void textsFit() {
        QFETCH(double, points);
        if (points > 0) {
            QFont font = QApplication::font();
            font.setPointSizeF(points);
            QApplication::setFont(font);
        }
        Bench bench;
        conteggo::Dialog dialog(bench.form->alarm(), bench.form.get());
        checkFits(&dialog);
        conteggo::infomio info(programTitle());
        checkFits(&info);
        // The main window keeps its own fonts and size.
        QCOMPARE(bench.form->width(), 197);
        QCOMPARE(bench.form->Label1()->font().pointSize(), 18);
        QCOMPARE(bench.form->oremin()->font().pointSizeF(), 8.25);
    }

    void describedSizesKeptWhenTextsFit() {
        QFont font = QApplication::font();
        font.setPointSizeF(8.25);
        QApplication::setFont(font);
        Bench bench;
        conteggo::Dialog dialog(bench.form->alarm(), bench.form.get());
        QCOMPARE(dialog.size(), QSize(364, 111));
        QCOMPARE(dialog.OKButton()->geometry(), QRect(272, 16, 81, 25));
        QCOMPARE(dialog.CancelButton()->geometry(), QRect(272, 48, 81, 25));
        QCOMPARE(dialog.Text2()->geometry(), QRect(16, 40, 41, 19));
        conteggo::infomio info(programTitle());
        QCOMPARE(info.width(), 285);
        // 3 px taller where the desktop font wraps the long line onto one more line.
        QVERIFY(info.height() == 199 || info.height() == 202);
    }

  private:
    QPalette light_;
    QFont font_;
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
