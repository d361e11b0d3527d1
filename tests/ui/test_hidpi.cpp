// At a scale factor of 2 every picture comes from its drawing at twice the size, not from
// the 1x one stretched.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "form_bench.h"
#include "infomio.h"
#include "pictures.h"
#include "program_title.h"

using conteggo::Form1;

namespace {

QImage asImage(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    // Rows named after the buttons.
    void buttonsDrawTheirDoubleSizePicture_data() {
        QTest::addColumn<QByteArray>("picture");
        QTest::newRow("parti") << QByteArray("play");
        QTest::newRow("ferma") << QByteArray("stop");
        QTest::newRow("azzera") << QByteArray("reset");
        QTest::newRow("primopiano") << QByteArray("eye_open");
        QTest::newRow("secondopiano") << QByteArray("eye_closed");
        QTest::newRow("suono") << QByteArray("speaker");
        QTest::newRow("suono2") << QByteArray("speaker_off");
    }

    void buttonsDrawTheirDoubleSizePicture() {
        QFETCH(QByteArray, picture);
        FormBench bench;
        bench.open();
        const QPushButton* widget = bench.find(QTest::currentDataTag());
        const QPixmap drawn = widget->icon().pixmap(widget->iconSize(), 2.0);
        QCOMPARE(drawn.size(), QSize(64, 64));
        QCOMPARE(drawn.devicePixelRatio(), 2.0);
        QCOMPARE(asImage(drawn), QImage(conteggo::picture(picture.constData(), 32, 2))
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void labelsHoldDoubleSizePictures() {
        FormBench bench;
        bench.open();
        const QPixmap glyph = bench.find<QLabel>("Image1")->pixmap();
        QCOMPARE(glyph.devicePixelRatio(), 2.0);
        QCOMPARE(glyph.size(), QSize(32, 32));
        QCOMPARE(asImage(glyph), QImage(conteggo::picture("info_glyph", 16, 2))
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));

        conteggo::infomio info(programTitle());
        QLabel* bubble = nullptr;
        for (QLabel* label : info.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                bubble = label;
            }
        }
        QVERIFY(bubble != nullptr);
        QCOMPARE(bubble->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(bubble->pixmap().size(), QSize(64, 64));
    }

    void windowIconKeepsItsSizes() {
        FormBench bench;
        Form1& form = bench.open();
        const QList<QSize> sizes = form.windowIcon().availableSizes();
        for (int size : {16, 32, 48, 64, 128}) {
            QVERIFY(sizes.contains(QSize(size, size)));
        }
    }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
