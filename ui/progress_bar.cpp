#include "progress_bar.h"

#include <QAccessible>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionProgressBar>
#include <cmath>

#include "readable_colour.h"

namespace conteggo {

namespace {
// The style draws integer ranges; this many steps make the float bar look continuous.
constexpr int kSteps = 10000;
}  // namespace

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) {
    announce();
}

void ProgressBar::setMaximum(float maximum) {
    maximum_ = maximum;
    update();
    announce();
}

void ProgressBar::setValue(float value) {
    if (value != value_) {
        value_ = value;
        update();
        announce();
    }
}

// What a screen reader tells of the bar beside its name: its value, and the same in words.
void ProgressBar::announce() {
    QAccessibleValueChangeEvent changed(this, static_cast<double>(value_));
    QAccessible::updateAccessibility(&changed);
    const QLocale locale;
    setAccessibleDescription(
        //: A screen reader's description of the alarm's bar: %1 seconds counted of the interval's
        //: %2
        tr("%1 di %2 secondi")
            .arg(locale.toString(value_, 'g', 7), locale.toString(maximum_, 'g', 7)));
}

double ProgressBar::fraction() const {
    if (!(maximum_ > 0.0f) || !std::isfinite(value_)) {
        return 0.0;
    }
    return std::clamp(static_cast<double>(value_) / maximum_, 0.0, 1.0);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    if (isDarkBackground(window)) {
        // Dark styles draw the empty part barely apart from the window: the bar's own colours
        // show its whole length as clearly as any control's shape.
        painter.fillRect(rect(), shapeColour(window));
        QRect done = rect();
        done.setWidth(static_cast<int>(std::lround(fraction() * width())));
        painter.fillRect(done, palette().color(QPalette::Highlight));
        return;
    }
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = 0;
    option.maximum = kSteps;
    option.progress = static_cast<int>(std::lround(fraction() * kSteps));
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;  // without it Qt 6 draws the bar upright
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
}

}  // namespace conteggo
