#include "fit_to_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace conteggo {

namespace {

int metric(const QWidget* control, QStyle::PixelMetric which) {
    return control->style()->pixelMetric(which, nullptr, control);
}

// The size `control` needs to show its whole text in its own font when it is `width` wide;
// nothing for a control without text.
QSize need(const QWidget* control, int width) {
    const QFontMetrics fm = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty()) {
            return {};
        }
        if (!label->wordWrap()) {
            return label->sizeHint();
        }
        // A wrapped label needs its widest word, and the height of its lines at that width.
        int widestWord = 0;
        // Split by hand: a regular expression would load PCRE into the program for this alone.
        const QStringList words =
            label->text().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            widestWord = std::max(widestWord, fm.horizontalAdvance(word));
        }
        return {widestWord + 2 * label->margin(), label->heightForWidth(width)};
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        const int textWidth = metric(check, QStyle::PM_IndicatorWidth) +
                              metric(check, QStyle::PM_CheckBoxLabelSpacing) +
                              fm.horizontalAdvance(check->text()) + 2;  // the focus frame
        return {textWidth, std::max(metric(check, QStyle::PM_IndicatorHeight), fm.height())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty()) {
            return {};
        }
        const int frame = metric(button, QStyle::PM_ButtonMargin) +
                          2 * metric(button, QStyle::PM_DefaultFrameWidth);
        return {fm.horizontalAdvance(button->text()) + frame, fm.height() + frame};
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        // The frame and the one-pixel margin a line edit keeps above and below its text.
        return {0, fm.height() + 2 * metric(control, QStyle::PM_DefaultFrameWidth) + 2};
    }
    return {};
}

// `r` grown by `factor` from the window's corner, pixel by pixel: the first and the last pixel
// of each span go where the factor takes them, so spans that were apart stay apart, and two
// that shared one pixel row (as some neighbours do) share one still.
QRect scaled(const QRect& r, double factor) {
    const auto at = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return {QPoint(at(r.left()), at(r.top())), QPoint(at(r.right()), at(r.bottom()))};
}

using Controls = QList<std::pair<QWidget*, QRect>>;  // with their laid-out geometry

// Whether every text fits when the window grows by `factor`.
bool allFit(const Controls& controls, double factor) {
    return std::all_of(controls.begin(), controls.end(), [factor](const auto& control) {
        const QSize has = scaled(control.second, factor).size();
        const QSize needs = need(control.first, has.width());
        return needs.width() <= has.width() && needs.height() <= has.height();
    });
}

}  // namespace

void fitToTexts(QWidget* window) {
    Controls controls;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) {
            controls.append({control, control->geometry()});
        }
    }
    if (allFit(controls, 1)) {
        return;
    }
    // Fitting only gets easier as the factor grows (a wrapped text takes no more lines at a
    // greater width), so the least factor that fits is found by halving the range.
    double low = 1;
    double high = 2;
    for (; !allFit(controls, high) && high < 64; high *= 2) {
        low = high;
    }
    while (high - low > 0.001) {
        const double middle = (low + high) / 2;
        (allFit(controls, middle) ? high : low) = middle;
    }
    for (const auto& [control, laidOut] : controls) {
        control->setGeometry(scaled(laidOut, high));
    }
    window->setFixedSize(scaled(window->rect(), high).size());
}

}  // namespace conteggo
