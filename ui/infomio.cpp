#include "infomio.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "label_fit.h"
#include "pictures.h"
#include "twips.h"

namespace conteggo {

namespace {

QLabel* label(const QString& text, const QRect& geometry, const QColor& colour, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (colour.isValid()) {
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, colour);
        l->setPalette(palette);
    }
    return l;
}

}  // namespace

infomio::infomio(const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("INFO"));
    setWindowIcon(QIcon(picture("question", 32)));
    setFixedSize(twipsRect(0, 0, 4275, 2985).size());

    auto* picture1 = new QLabel(this);
    picture1->setGeometry(twipsRect(120, 240, 735, 735));
    picture1->setPixmap(QPixmap(picture("info_bubble", 32)));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* version = label(title, twipsRect(1080, 120, 1935, 375), QColor(192, 0, 0), this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    QLabel* credits = label(QStringLiteral("Un cronometro per il tuo lavoro"),
                            twipsRect(1080, 480, 3015, 375), QColor(128, 0, 0), this);
    QLabel* address = label(QStringLiteral("conteggo.example.org"), twipsRect(1080, 840, 2295, 255),
                            QColor(0, 0, 128), this);
    QLabel* heading =
        label(QStringLiteral("COME FUNZIONA:"), twipsRect(240, 1320, 1815, 255), {}, this);
    QLabel* countText =
        label(QStringLiteral("Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 "
                             "secondi o quando lo si ferma o lo si azzera o quando si esce."),
              twipsRect(240, 1680, 3495, 735), {}, this);
    QLabel* placeText = label(QStringLiteral("La posizione e l'allarme vengono salvati nel file "
                                             "timerpos.txt quando si esce."),
                              twipsRect(240, 2400, 3495, 495), {}, this);
    growToText(this, {version, credits, address, heading, countText, placeText});
}

void infomio::showEvent(QShowEvent* event) {
    // In the middle of the screen, wherever the main window stands.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

}  // namespace conteggo
