// The information window: its texts as the main window opens it, its keys and its colours on
// light and dark themes.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "infomio.h"
#include "palettes.h"
#include "program_title.h"
#include "readable_colour.h"

class TestInfomio : public QObject {
    Q_OBJECT

  private slots:
    // As the main window opens it: "INFO", and the program's title with the version.
    void opensWithTheVersion() {
        QStringList texts;
        QTimer::singleShot(0, qApp, [&texts] {
            QWidget* info = QApplication::activeModalWidget();
            texts << info->windowTitle();
            for (const QLabel* label : info->findChildren<QLabel*>()) {
                texts << label->text();
            }
            info->close();
        });
        conteggo::openInformation(nullptr);
        QCOMPARE(texts.value(0), QStringLiteral("INFO"));
        QVERIFY(texts.contains(programTitle()));
    }

    void escapeLeavesItOpen() {
        conteggo::infomio info(programTitle());
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        QCOMPARE(info.result(), 0);
    }

    // Readable on a dark theme, also one switched to while the window is open; the designed
    // colours back on a light one.
    void colours_data() {
        QTest::addColumn<bool>("darkAtStart");
        QTest::newRow("dark from the start") << true;
        QTest::newRow("theme switched while open") << false;
    }

    void colours() {
        QFETCH(bool, darkAtStart);
        const QPalette light = QApplication::palette();
        switchPalette(darkAtStart ? darkPalette() : light);
        conteggo::infomio info(programTitle());
        // The three coloured lines, beside the picture.
        const QList<QLabel*> lines = info.findChildren<QLabel*>().mid(1, 3);
        switchPalette(darkPalette());
        for (QLabel* line : lines) {
            const double ratio =
                conteggo::contrastRatio(textColour(line), info.palette().color(QPalette::Window));
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1: %2").arg(line->text()).arg(ratio)));
        }
        switchPalette(light);
        const QList<QColor> designed{{192, 0, 0}, {128, 0, 0}, {0, 0, 128}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(textColour(lines[i]), designed[i]);
        }
    }
};

QTEST_MAIN(TestInfomio)
#include "test_infomio.moc"
