#include "fit_to_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace conteggo {

namespace {

int metric(const QWidget* control, QStyle::PixelMetric which) {
    return control->style()->pixelMetric(which, nullptr, control);
}

QSize labelNeed(const QLabel* label) {
    if (label->text().isEmpty()) {
        return label->size();
    }
    const int margins = 2 * label->margin();
    if (!label->wordWrap()) {
        return label->sizeHint();
    }
    int widestWord = 0;
    const QStringList words =
        label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        widestWord = std::max(widestWord, label->fontMetrics().horizontalAdvance(word));
    }
    const int width = std::max(label->width(), widestWord + margins);
    return {width, label->heightForWidth(width)};
}

QSize need(const QWidget* control) {
    const QFontMetrics fm = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return labelNeed(label);
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        const int width = metric(check, QStyle::PM_IndicatorWidth) +
                          metric(check, QStyle::PM_CheckBoxLabelSpacing) +
                          fm.horizontalAdvance(check->text()) + 2;  // the focus frame
        return {width, std::max(metric(check, QStyle::PM_IndicatorHeight), fm.height())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty()) {
            return button->size();
        }
        const int frame = metric(button, QStyle::PM_ButtonMargin) +
                          2 * metric(button, QStyle::PM_DefaultFrameWidth);
        return {fm.horizontalAdvance(button->text()) + frame, fm.height() + frame};
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        // The frame and the one-pixel margin a line edit keeps above and below its text.
        return {control->width(),
                fm.height() + 2 * metric(control, QStyle::PM_DefaultFrameWidth) + 2};
    }
    return control->size();
}

struct Placed {
    QWidget* control;
    QRect before;
    QSize size;
    QPoint shift;
};

// Along one axis, a control moves by the largest growth (its own move included) of the
// controls wholly before it; taking them by their leading edge settles each before its
// followers.
void settle(std::vector<Placed>& placed, Qt::Orientation axis) {
    const bool across = axis == Qt::Horizontal;
    auto start = [across](const Placed& p) { return across ? p.before.left() : p.before.top(); };
    auto end = [across](const Placed& p) { return across ? p.before.right() : p.before.bottom(); };
    auto reach = [across](const Placed& p) {
        return across ? p.shift.x() + p.size.width() - p.before.width()
                      : p.shift.y() + p.size.height() - p.before.height();
    };
    std::sort(placed.begin(), placed.end(),
              [&](const Placed& a, const Placed& b) { return start(a) < start(b); });
    for (Placed& later : placed) {
        int shift = 0;
        for (const Placed& earlier : placed) {
            if (end(earlier) < start(later)) {
                shift = std::max(shift, reach(earlier));
            }
        }
        (across ? later.shift.rx() : later.shift.ry()) = shift;
    }
}

}  // namespace

QSize sizeForText(const QWidget* control) {
    return need(control).expandedTo(control->size());
}

void fitToTexts(QWidget* window) {
    std::vector<Placed> placed;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) {
            placed.push_back({control, control->geometry(), sizeForText(control), {}});
        }
    }
    settle(placed, Qt::Horizontal);
    settle(placed, Qt::Vertical);

    // The window keeps the margin it had right of and below its controls.
    QPoint farBefore(0, 0);
    QPoint farAfter(0, 0);
    bool moved = false;
    for (const Placed& p : placed) {
        const QRect after(p.before.topLeft() + p.shift, p.size);
        if (after != p.before) {
            p.control->setGeometry(after);
            moved = true;
        }
        farBefore = QPoint(std::max(farBefore.x(), p.before.right()),
                           std::max(farBefore.y(), p.before.bottom()));
        farAfter =
            QPoint(std::max(farAfter.x(), after.right()), std::max(farAfter.y(), after.bottom()));
    }
    const QSize margin(std::max(0, window->width() - 1 - farBefore.x()),
                       std::max(0, window->height() - 1 - farBefore.y()));
    const QSize needed(farAfter.x() + 1 + margin.width(), farAfter.y() + 1 + margin.height());
    if (moved && (needed.width() > window->width() || needed.height() > window->height())) {
        window->setFixedSize(window->size().expandedTo(needed));
    }
}

}  // namespace conteggo
