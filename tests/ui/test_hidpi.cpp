// At a scale factor of 2 every picture comes from its drawing at twice the size, not from
// the 1x one stretched.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "clickable_label.h"
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

    void buttonsDrawTheirDoubleSizePicture_data() {
        QTest::addColumn<QString>("button");
        for (const char* name :
             {"parti", "ferma", "azzera", "primopiano", "secondopiano", "suono", "suono2"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void buttonsDrawTheirDoubleSizePicture() {
        QFETCH(QString, button);
        FormBench bench;
        Form1& form = bench.open();
        const QHash<QString, std::pair<QPushButton*, const char*>> buttons{
            {QStringLiteral("parti"), {form.parti(), "play"}},
            {QStringLiteral("ferma"), {form.ferma(), "stop"}},
            {QStringLiteral("azzera"), {form.azzera(), "reset"}},
            {QStringLiteral("primopiano"), {form.primopiano(), "eye_open"}},
            {QStringLiteral("secondopiano"), {form.secondopiano(), "eye_closed"}},
            {QStringLiteral("suono"), {form.suono(), "speaker"}},
            {QStringLiteral("suono2"), {form.suono2(), "speaker_off"}}};
        const auto [widget, name] = buttons.value(button);
        const QPixmap drawn = widget->icon().pixmap(widget->iconSize(), 2.0);
        QCOMPARE(drawn.size(), QSize(64, 64));
        QCOMPARE(drawn.devicePixelRatio(), 2.0);
        QCOMPARE(asImage(drawn), QImage(conteggo::picture(name, 32, 2))
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void labelsHoldDoubleSizePictures() {
        FormBench bench;
        Form1& form = bench.open();
        const QPixmap glyph = form.Image1()->pixmap();
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
