#include "infomio.h"

#include <QLabel>
#include <QScreen>

#include "fit_to_text.h"
#include "picture_icon.h"
#include "readable_colour.h"
#include "screen_placement.h"
#include "twips.h"
#include "version.h"
#include "window_manners.h"

namespace conteggo {

infomio::infomio(const QString& title, QWidget* parent) : QDialog(parent, fixedFrame(Qt::Dialog)) {
    setWindowTitle(tr("INFO"));
    setWindowIcon(pictureIcon("question", 32));
    setFixedSize(twipsRect(0, 0, 4275, 2985).size());

    auto* picture1 = new QLabel(this);
    picture1->setGeometry(twipsRect(120, 240, 735, 735));
    picture1->setPixmap(picturePixmap("info_bubble", 32, picture1->devicePixelRatioF()));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* version = placedLabel(title, twipsRect(1080, 120, 1935, 375), this, true);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    QLabel* credits = placedLabel(tr("Un cronometro per il tuo lavoro"),
                                  twipsRect(1080, 480, 3015, 375), this, true);
    QLabel* address = placedLabel(QStringLiteral("conteggo.example.org"),
                                  twipsRect(1080, 840, 2295, 255), this, true);
    placedLabel(tr("COME FUNZIONA:"), twipsRect(240, 1320, 1815, 255), this, true);
    placedLabel(tr("Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 "
                   "secondi o quando lo si ferma o lo si azzera o quando si esce."),
                twipsRect(240, 1680, 3495, 735), this, true);
    placedLabel(tr("La posizione e l'allarme vengono salvati nel file "
                   "timerpos.txt quando si esce."),
                twipsRect(240, 2400, 3495, 495), this, true);
    picture1->setAccessibleName(tr("Simbolo delle informazioni"));
    colouredLines_ = {
        {version, QColor(192, 0, 0)}, {credits, QColor(128, 0, 0)}, {address, QColor(0, 0, 128)}};
    applyPaletteColours();
    fitToTexts(this);
    // No cancel: only the close box and its kin close it.
    keepManners(this, false, [this] { applyPaletteColours(); });
}

void infomio::applyPaletteColours() {
    const QColor background = palette().color(QPalette::Window);
    for (const auto& [line, colour] : colouredLines_) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::WindowText, readableColour(colour, background));
        line->setPalette(palette);
    }
}

void infomio::showEvent(QShowEvent* event) {
    // In the middle of the main window's screen.
    if (const QScreen* screen = screenOf(parentWidget())) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void openInformation(QWidget* parent) {
    infomio(QString::fromUtf8(kProgramTitle), parent).exec();  // built afresh at each opening
}

}  // namespace conteggo
