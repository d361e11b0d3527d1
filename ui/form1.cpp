#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "clickable_label.h"
#include "progress_bar.h"
#include "screen_placement.h"
#include "session.h"
#include "twips.h"
#include "window_manners.h"

namespace conteggo {

namespace {
const QColor kStoppedColour(0, 0, 192);  // dark blue
const QColor kRunningColour(192, 0, 0);  // dark red
}  // namespace

Form1::Form1(Session& session, ModalWindows modalWindows, bool positionKnown)
    : QWidget(nullptr, fixedFrame(Qt::Window)),
      session_(session),
      modalWindows_(std::move(modalWindows)),
      positionKnown_(positionKnown),
      labelColour_(kStoppedColour) {
    buildControls();
    followSession();
    // A monitor unplugged or made smaller while the program runs: bring the window back.
    watchScreens(this, [this] { keepInSight(); });
}

Form1::~Form1() = default;

void Form1::followSession() {
    connect(&session_, &Session::runningChanged, this, &Form1::showRunning);
    connect(&session_, &Session::countChanged, label1_, &QLabel::setText);
    connect(&session_, &Session::titleChanged, this, &QWidget::setWindowTitle);
    connect(&session_, &Session::modeChanged, this, &Form1::showModeCaption);
    connect(&session_, &Session::alarmChanged, this, &Form1::showAlarm);
    connect(&session_, &Session::barChanged, this, [this](float maximum, float value) {
        pb_->setMaximum(maximum);
        pb_->setValue(value);
    });
    connect(&session_, &Session::showRequested, this, &Form1::comeForward);
}

void Form1::startUp() {
    const PositionReading place = session_.startUp();
    if (place.top) {
        move(x(), twipsToPixels(*place.top));
    }
    if (place.left) {
        move(twipsToPixels(*place.left), y());
    }
    if (place.top) {
        keepInSight();  // at its final height: a monitor gone since, or a place off every screen
    }
    setWindowTitle(session_.title());
    primop_ = true;
    InPrimoPiano(primop_);
    parti_->setFocus();  // so that Enter starts the count from the first moment
}

std::optional<QPointF> Form1::placeTwips() const {
    return positionKnown_ ? std::optional(QPointF(pos()) * kTwipsPerPixel) : std::nullopt;
}

void Form1::keepInSight() {
    if (positionKnown_) {
        keepOnScreen(*this);
    }
}

void Form1::showRunning(bool running) {
    azzera_->setEnabled(!running);
    ferma_->setVisible(running);
    parti_->setVisible(!running);
    suono_->setEnabled(!running);
    suono2_->setEnabled(!running);
    setLabelColour(running ? kRunningColour : kStoppedColour);
    if (!running) {
        parti_->setFocus();
    }
}

void Form1::showModeCaption() {
    oremin_->setText(QString::fromUtf8(session_.mode().caption().data(), 1));
    refreshStatefulNames();
}

void Form1::showAlarm() {
    setAlarmShape(session_.alarm().on());
    refreshStatefulNames();
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
    session_.setModalOpen(true);
    showModal();
    session_.setModalOpen(--modalDepth_ > 0);
    InPrimoPiano(primop_);
}

bool Form1::modalOpen() const {
    return modalDepth_ > 0 || QApplication::activeModalWidget() != nullptr;
}

// The Show verb: brings back a minimised window without hiding and showing it again.
void Form1::comeForward() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
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
    if (const std::optional<AlarmSettings> chosen =
            modalWindows_.askAlarmSettings(session_.alarm(), this)) {
        session_.setAlarm(*chosen);
    }
}

void Form1::Image1_Click() {
    modalBracket([this] { modalWindows_.showInformation(this); });
}

void Form1::parti_Click() {
    session_.start();
}

void Form1::ferma_Click() {
    session_.stop();
}

void Form1::azzera_Click() {
    session_.reset();
    parti_->setFocus();
}

void Form1::oremin_Click() {
    session_.toggleMode();
}

void Form1::closeEvent(QCloseEvent* event) {
    session_.closingSequence(placeTwips());
    event->accept();
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
