#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "clickable_label.h"
#include "progress_bar.h"
#include "readable_colour.h"
#include "screen_placement.h"
#include "sound_player.h"
#include "twips.h"
#include "version.h"

namespace conteggo {

namespace {
const QColor kStoppedColour(0, 0, 192);  // dark blue
const QColor kRunningColour(192, 0, 0);  // dark red
}  // namespace

Form1::Form1(const Clock& clock, SoundPlayer& player, CountFile countFile,
             PositionFile positionFile, ModalWindows modalWindows)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      clock_(clock),
      player_(player),
      countFile_(std::move(countFile)),
      positionFile_(std::move(positionFile)),
      modalWindows_(std::move(modalWindows)),
      stopwatch_(clock),
      positionKnown_(!isNativeWayland()),
      labelColour_(kStoppedColour) {
    buildControls();
    // A monitor unplugged or made smaller while the program runs: bring the window back.
    watchScreens(this, [this] { keepInSight(); });
}

Form1::~Form1() = default;

void Form1::startUp() {
    stopwatch_.setTempo(Number::int16(0));
    if (const auto count = countFile_.load()) {
        stopwatch_.setTempo(*count);
    }
    alarm_ = AlarmSettings{};
    setAlarmShape(false);

    const PositionReading place = positionFile_.load();
    if (place.top) {
        move(x(), twipsToPixels(*place.top));
    }
    if (place.left) {
        move(twipsToPixels(*place.left), y());
    }
    place.applyTo(alarm_);

    if (alarm_.on()) {
        setAlarmShape(true);
        fitBarToInterval();
    }
    if (place.top) {
        keepInSight();  // at its final height: a monitor gone since, or a place off every screen
    }
    mode_ = DisplayMode{};
    showModeCaption();
    showCount(mode_.TempoMio(stopwatch_.tempo()));
    azzera_->setEnabled(true);
    ferma_->hide();
    primop_ = true;
    InPrimoPiano(primop_);
    parti_->setFocus();  // so that Enter starts the count from the first moment
}

void Form1::closingSequence() {
    if (closed_) {
        return;
    }
    closed_ = true;
    closingSaved_ = saveFiles();
}

bool Form1::saveFiles() {
    const bool placeSaved = positionFile_.save(
        positionKnown_ ? std::optional(QPointF(pos()) * kTwipsPerPixel) : std::nullopt, alarm_);
    const bool countSaved = salvami();
    return placeSaved && countSaved;
}

void Form1::keepInSight() {
    if (positionKnown_) {
        keepOnScreen(*this);
    }
}

void Form1::fitBarToInterval() {
    pb_->setMaximum(static_cast<float>(alarm_.intervallo.toDouble()));
    pb_->setValue(progressValue(stopwatch_.tempo().toDouble(), alarm_.intervallo));
    refreshStatefulNames();
}

void Form1::showModeCaption() {
    oremin_->setText(QString::fromUtf8(mode_.caption().data(), 1));
    refreshStatefulNames();
}

// The title goes with the count: the program's name while stopped, the count of each tick
// while running (a change of display mode between two ticks leaves it).
void Form1::showCount(const std::string& text, bool atTick) {
    label1_->setText(QString::fromStdString(text));
    if (atTick) {
        setWindowTitle(label1_->text());
    } else if (!stopwatch_.attivo()) {
        setWindowTitle(QString::fromUtf8(kProgramTitle));
    }
}

bool Form1::salvami() {
    // The count at a clock reading taken before the file is touched.
    return countFile_.save(stopwatch_.valueToSave());
}

void Form1::InPrimoPiano(bool pp) {
    onTop_ = pp;
    if (QWindow* window = windowHandle(); window != nullptr && window->isVisible()) {
        // Changes the shown window in place; re-creating it would move it by its frame.
        window->setFlag(Qt::WindowStaysOnTopHint, pp);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, pp);  // taken up by the first show
    }
    primopiano_->setVisible(pp);
    secondopiano_->setVisible(!pp);
}

void Form1::modalBracket(const std::function<void()>& showModal) {
    InPrimoPiano(false);
    ++modalDepth_;
    showModal();
    --modalDepth_;
    InPrimoPiano(primop_);
}

bool Form1::modalOpen() const {
    return modalDepth_ > 0 || QApplication::activeModalWidget() != nullptr;
}

VerbAnswer Form1::applyVerb(Verb verb) {
    if (closed_) {
        return VerbAnswer::Closing;
    }
    if (modalOpen()) {
        return VerbAnswer::ModalOpen;
    }
    const bool running = stopwatch_.attivo();
    switch (verb) {
        case Verb::Start:
            if (running) {
                return VerbAnswer::Running;
            }
            parti_Click();
            break;
        case Verb::Stop:
            if (!running) {
                return VerbAnswer::Stopped;
            }
            ferma_Click();
            break;
        case Verb::Toggle:
            running ? ferma_Click() : parti_Click();
            break;
        case Verb::Reset:
            if (running) {
                return VerbAnswer::Running;
            }
            azzera_Click();
            break;
        case Verb::Show:
            // Brings back a minimised window without hiding and showing it again.
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            raise();
            activateWindow();
            break;
    }
    return VerbAnswer::Done;
}

void Form1::primopiano_Click() {
    primop_ = false;
    InPrimoPiano(primop_);
}

void Form1::secondopiano_Click() {
    primop_ = true;
    InPrimoPiano(primop_);
}

void Form1::suono_Click() {
    modalBracket([this] { changeAlarm(); });
}

void Form1::suono2_Click() {
    modalBracket([this] { changeAlarm(); });
}

// Inside the bracket, so the window is reshaped before it goes back on top.
void Form1::changeAlarm() {
    if (const std::optional<AlarmSettings> chosen = modalWindows_.askAlarmSettings(alarm_, this)) {
        alarm_ = *chosen;
        setAlarmShape(alarm_.on());
        fitBarToInterval();
    }
}

void Form1::Image1_Click() {
    modalBracket([this] { modalWindows_.showInformation(this); });
}

void Form1::parti_Click() {
    timer1_->start();
    armTick();
    azzera_->setEnabled(false);
    ferma_->show();
    parti_->hide();
    suono_->setEnabled(false);
    suono2_->setEnabled(false);
    stopwatch_.start();
    setLabelColour(kRunningColour);
}

void Form1::ferma_Click() {
    azzera_->setEnabled(true);
    ferma_->hide();
    parti_->show();
    suono_->setEnabled(true);
    suono2_->setEnabled(true);
    parti_->setFocus();
    stopwatch_.stop();
    showCount(mode_.TempoMio(stopwatch_.tempo()));
    setLabelColour(kStoppedColour);
    salvami();
    timer1_->stop();
    timer2_->stop();
}

void Form1::azzera_Click() {
    stopwatch_.reset();
    showCount("0:00:00");  // the literal, in either mode
    setLabelColour(kStoppedColour);
    parti_->setFocus();
    salvami();
    timer1_->stop();
    timer2_->stop();
    pb_->setValue(0.0f);
}

void Form1::oremin_Click() {
    mode_.toggle();
    showModeCaption();
    // The base, not the running count: the next tick shows the running count again.
    showCount(mode_.TempoMio(Number::int32(stopwatch_.tempo().toInt32())));
}

void Form1::Timer1_Timer() {
    salvami();
}

void Form1::Timer2_Timer() {
    armTick();
    const std::int32_t count = stopwatch_.tick();
    showCount(mode_.TempoMio(Number::int32(count)), true);
    const AlarmStep step = evaluateAlarm(count, stopwatch_.previousCount(), alarm_);
    if (step.ring) {
        player_.play(QStringLiteral("suono2.wav"), label1_->text());
    }
    if (step.progress) {
        pb_->setValue(*step.progress);
    }
    if (step.warn) {
        player_.play(QStringLiteral("suono1.wav"), label1_->text());
    }
}

void Form1::armTick() {
    timer2_->start(static_cast<int>(clock_.millisecondsToNextSecond()));
}

void Form1::closeEvent(QCloseEvent* event) {
    closingSequence();
    event->accept();
}

void Form1::changeEvent(QEvent* event) {
    // A theme switch while the program runs.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        applyPaletteColours();
    }
    QWidget::changeEvent(event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // The information window without a mouse, through the same bracket as a click.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Image1_Click();
        return;
    }
    // Enter works the focused button, or else the start button, the window's default.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused != nullptr && focused->isVisible() ? focused : parti_;
        if (target->isVisible() && target->isEnabled()) {
            target->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace conteggo
