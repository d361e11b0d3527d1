// The colours of texts on light and dark windows, without a window.
#include <QTest>

#include "readable_colour.h"

using conteggo::contrastRatio;
using conteggo::readableColour;

class TestReadableColour : public QObject {
    Q_OBJECT

  private slots:
    void keepsOrLightens_data() {
        QTest::addColumn<QColor>("designed");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("dark");
        const QList<QColor> designed{{0, 0, 192}, {192, 0, 0}, {128, 0, 0}, {0, 0, 128}};
        // Whether each background is dark, as a reader judges it.
        const QList<std::tuple<const char*, QColor, bool>> backgrounds{
            {"light grey", QColor(0xef, 0xef, 0xef), false},  {"white", Qt::white, false},
            {"classic grey", QColor(192, 192, 192), false},   {"black", Qt::black, true},
            {"Adwaita dark", QColor(0x35, 0x35, 0x35), true}, {"dark blue", QColor(0, 0, 64), true},
            {"darker", QColor(0x20, 0x20, 0x20), true},       {"dark red", QColor(80, 0, 0), true}};
        for (const auto& [name, back, dark] : backgrounds) {
            for (const QColor& colour : designed) {
                QTest::addRow("%s on %s", qPrintable(colour.name()), name)
                    << colour << back << dark;
            }
        }
    }

    void keepsOrLightens() {
        QFETCH(QColor, designed);
        QFETCH(QColor, background);
        QFETCH(bool, dark);
        QCOMPARE(conteggo::isDarkBackground(background), dark);
        const QColor drawn = readableColour(designed, background);
        if (!dark) {
            QCOMPARE(drawn, designed);  // exactly as designed on a light window
            return;
        }
        QVERIFY2(contrastRatio(drawn, background) >= 4.5,
                 qPrintable(QString::number(contrastRatio(drawn, background))));
        QVERIFY(qAbs(drawn.hslHue() - designed.hslHue()) <= 1);
        QVERIFY(drawn.lightness() >= designed.lightness());
        // No lighter than needed: one step less falls short, unless the colour is as drawn.
        const QColor less = QColor::fromHsl(drawn.hslHue(), drawn.hslSaturation(),
                                            std::max(designed.lightness(), drawn.lightness() - 3));
        QVERIFY(less == designed || contrastRatio(less, background) < conteggo::kTargetContrast);
    }

    void contrastRatioMatchesKnownFigures() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
    }
};

QTEST_APPLESS_MAIN(TestReadableColour)
#include "test_readable_colour.moc"
