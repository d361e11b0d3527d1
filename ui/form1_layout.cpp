// The main window's controls: kind, place, size, pictures, tool tips, fonts and tab order.
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "clickable_label.h"
#include "form1.h"
#include "picture_icon.h"
#include "pictures.h"
#include "progress_bar.h"
#include "readable_colour.h"
#include "session.h"
#include "twips.h"
#include "window_manners.h"

namespace conteggo {

namespace {

constexpr int kClientWidthTwips = 2955;
constexpr QSize kIconSize(32, 32);

// A control of the window, known by its name.
template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QRect& geometry,
                           const char* pictureName, const QString& toolTip) {
    auto* button = named(new QPushButton(parent), name);
    button->setGeometry(geometry);
    button->setIcon(pictureIcon(pictureName, kIconSize.width()));
    button->setIconSize(kIconSize);
    button->setToolTip(toolTip);
    return button;
}

void setButtonFace(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

QFont displayFont() {
    QFont font(QStringLiteral("Liberation Mono"), 18, QFont::Bold);
    font.setStyleHint(QFont::Monospace);
    return font;
}

}  // namespace

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setFont(layoutFont());
    QList<std::pair<QString, int>> icons;
    for (int size : {16, 32, 48, 64, 128}) {
        icons.append({picture("stopwatch", size), size});
    }
    setWindowIcon(drawnIcon(icons));

    const QRect left = twipsRect(120, 480, 610, 610);
    const QRect second = twipsRect(840, 480, 610, 610);
    const QRect third = twipsRect(1560, 480, 610, 610);
    //: Tool tip of the eye button: keeps the window above all others, or lets it go behind them
    const QString onTopTip = tr("PRIMO/SECONDO PIANO");

    suono2_ = pictureButton(this, "suono2", second, "speaker_off", {});
    primopiano_ = pictureButton(this, "primopiano", left, "eye_open", onTopTip);

    oremin_ = named(new QPushButton(this), "oremin");
    showModeCaption();
    oremin_->setGeometry(twipsRect(2590, 120, 300, 300));
    oremin_->setFont(layoutFont(true));
    //: Tool tip of the H/m button: the count as hours, minutes and seconds, or as total minutes and
    //: seconds
    oremin_->setToolTip(tr("FORMATO ORARIO (h:m:s / m:s)"));

    //: Tool tip of the stop button: stops the count, which the start button resumes
    ferma_ = pictureButton(this, "ferma", third, "stop", tr("STOP / PAUSA"));
    //: Tool tip of the start button: starts the count, or resumes it
    parti_ = pictureButton(this, "parti", third, "play", tr("PARTI / RIPARTI"));
    parti_->setDefault(true);
    //: Tool tip of the clock button: sets the count back to 0:00:00
    azzera_ = pictureButton(this, "azzera", twipsRect(2280, 480, 610, 610), "reset", tr("AZZERA"));
    secondopiano_ = pictureButton(this, "secondopiano", left, "eye_closed", onTopTip);
    //: Tool tip of the speaker button while the alarm is on: opens its settings
    suono_ = pictureButton(this, "suono", second, "speaker", tr("SUONO?"));
    suono_->hide();

    image1_ = named(new ClickableLabel(this), "Image1");
    image1_->setGeometry(twipsRect(120, 120, 300, 300));
    image1_->setPixmap(picturePixmap("info_glyph", 16, image1_->devicePixelRatioF()));
    image1_->setAlignment(Qt::AlignCenter);
    //: Tool tip of the "i" that opens the information window
    image1_->setToolTip(tr("INFO"));
    image1_->setCursor(Qt::PointingHandCursor);

    label1_ = named(new QLabel(QStringLiteral("0:00:00"), this), "Label1");
    label1_->setGeometry(twipsRect(480, 60, 2055, 360));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(displayFont());

    pb_ = named(new ProgressBar(this), "PB");
    pb_->setGeometry(twipsRect(120, 1140, 2775, 135));
    pb_->hide();

    setTabOrder(primopiano_, azzera_);
    setTabOrder(azzera_, parti_);
    setTabOrder(parti_, ferma_);
    setTabOrder(ferma_, oremin_);
    setTabOrder(oremin_, secondopiano_);
    setTabOrder(secondopiano_, suono_);
    setTabOrder(suono_, suono2_);
    nameControls();
    applyPaletteColours();
    keepManners(this, true, [this] { applyPaletteColours(); });  // a theme switch

    setFixedWidth(twipsToPixels(kClientWidthTwips));
    setAlarmShape(false);
    move(0, 0);  // the frame's top-left at the screen's corner until start-up moves it

    // A modal window keeps the mouse and the keys from these controls, but not a screen reader's
    // press: while one is open, the handlers do nothing.
    const auto unlessModal = [this](void (Form1::*handler)()) {
        return [this, handler] {
            if (!modalOpen()) {
                (this->*handler)();
            }
        };
    };
    connect(parti_, &QPushButton::clicked, this, unlessModal(&Form1::parti_Click));
    connect(ferma_, &QPushButton::clicked, this, unlessModal(&Form1::ferma_Click));
    connect(azzera_, &QPushButton::clicked, this, unlessModal(&Form1::azzera_Click));
    connect(oremin_, &QPushButton::clicked, this, unlessModal(&Form1::oremin_Click));
    connect(primopiano_, &QPushButton::clicked, this, unlessModal(&Form1::primopiano_Click));
    connect(secondopiano_, &QPushButton::clicked, this, unlessModal(&Form1::secondopiano_Click));
    connect(suono_, &QPushButton::clicked, this, unlessModal(&Form1::suono_Click));
    connect(suono2_, &QPushButton::clicked, this, unlessModal(&Form1::suono2_Click));
    connect(image1_, &ClickableLabel::clicked, this, unlessModal(&Form1::Image1_Click));
}

void Form1::setAlarmShape(bool on) {
    // 76 px ends the client area at the bar's top edge; 88 px shows the whole bar.
    constexpr int kCompactTwips = 1140;
    constexpr int kTallTwips = 1320;
    if (on) {
        suono2_->hide();
        suono_->show();
    } else {
        suono_->hide();
        suono2_->show();
    }
    pb_->setVisible(on);
    setFixedHeight(twipsToPixels(on ? kTallTwips : kCompactTwips));
}

void Form1::setLabelColour(const QColor& colour) {
    labelColour_ = colour;
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText,
                     readableColour(colour, this->palette().color(QPalette::Window)));
    label1_->setPalette(palette);
}

void Form1::applyPaletteColours() {
    // On a dark window the eye buttons wear the theme's face, not their light ones.
    const bool dark = isDarkBackground(palette().color(QPalette::Window));
    const QColor themeFace = palette().color(QPalette::Button);
    setButtonFace(primopiano_, dark ? themeFace : QColor(224, 224, 224));
    setButtonFace(secondopiano_, dark ? themeFace : QColor(192, 192, 192));
    setLabelColour(labelColour_);
}

// What a screen reader says of each control. The tool tips stay as they are; a name says
// what the control does, and the stateful ones say the state too.
void Form1::nameControls() {
    parti_->setAccessibleName(tr("Avvia"));
    ferma_->setAccessibleName(tr("Ferma"));
    azzera_->setAccessibleName(tr("Azzera"));
    // The two eye buttons take turns: the one shown says whether the window stays on top.
    primopiano_->setAccessibleName(tr("Sempre in primo piano: attivo"));
    secondopiano_->setAccessibleName(tr("Sempre in primo piano: disattivo"));
    image1_->setAccessibleName(tr("Informazioni"));
    //: A screen reader's description of the count
    label1_->setAccessibleDescription(tr("Tempo trascorso"));  // the name is the count
    pb_->setAccessibleName(tr("Avanzamento verso il prossimo suono"));
    refreshStatefulNames();
}

void Form1::refreshStatefulNames() {
    if (oremin_ == nullptr || suono_ == nullptr) {
        return;  // still being built
    }
    oremin_->setAccessibleName(session_.mode().oremie() ? tr("Formato: minuti e secondi")
                                                        : tr("Formato: ore, minuti e secondi"));
    const double minutes = session_.alarm().intervallo.toDouble() / 60;
    const QString every = minutes == 1
                              ? tr("ogni minuto")
                              //: %1 is the alarm's interval in minutes, possibly with a fraction
                              : tr("ogni %1 minuti").arg(QLocale().toString(minutes, 'g', 15));
    //: A screen reader's name of the speaker button; %1 is "every minute" or "every N minutes"
    suono_->setAccessibleName(tr("Allarme attivo, %1: impostazioni").arg(every));
    suono2_->setAccessibleName(tr("Allarme spento: impostazioni"));
}

}  // namespace conteggo
