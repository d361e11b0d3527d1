#include "progress_bar.h"

#include <QAccessible>
#include <QPainter>
#include <QStyleOptionProgressBar>
#include <cmath>

namespace conteggo {

namespace {
// The style draws integer ranges; this many steps make the float bar look continuous.
constexpr int kSteps = 10000;
}  // namespace

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) {}

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

void ProgressBar::announce() {
    QAccessibleValueChangeEvent event(this, static_cast<double>(value_));
    QAccessible::updateAccessibility(&event);
}

double ProgressBar::fraction() const {
    if (!(maximum_ > 0.0f) || !std::isfinite(value_)) {
        return 0.0;
    }
    return std::clamp(static_cast<double>(value_) / maximum_, 0.0, 1.0);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = 0;
    option.maximum = kSteps;
    option.progress = static_cast<int>(std::lround(fraction() * kSteps));
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;  // without it Qt 6 draws the bar upright
    QPainter painter(this);
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
}

}  // namespace conteggo
