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

QRect now(const Placed& p) {
    return {p.before.topLeft() + p.shift, p.size};
}

// Whether two spans share more than one pixel: the layout lets neighbours share one.
bool meet(int startA, int endA, int startB, int endB) {
    return std::min(endA, endB) - std::max(startA, startB) >= 1;
}

// A control moves along `axis` by the largest reach (growth and move) of the controls wholly
// before it on that axis that now stand beside it on the other axis; controls that started
// on one line (a column of buttons) move together.
bool settle(std::vector<Placed>& placed, Qt::Orientation axis) {
    const bool across = axis == Qt::Horizontal;
    auto start = [across](const QRect& r) { return across ? r.left() : r.top(); };
    auto end = [across](const QRect& r) { return across ? r.right() : r.bottom(); };
    auto side = [across](const QRect& a, const QRect& b) {
        return across ? meet(a.top(), a.bottom(), b.top(), b.bottom())
                      : meet(a.left(), a.right(), b.left(), b.right());
    };
    auto shift = [across](Placed& p) -> int& { return across ? p.shift.rx() : p.shift.ry(); };
    bool moved = false;
    for (Placed& later : placed) {
        for (const Placed& earlier : placed) {
            const int reach = end(now(earlier)) - end(earlier.before);
            if (end(earlier.before) <= start(later.before) && side(now(earlier), now(later)) &&
                reach > shift(later)) {
                shift(later) = reach;
                moved = true;
            }
        }
    }
    for (Placed& a : placed) {
        for (Placed& b : placed) {
            if (start(a.before) == start(b.before) && shift(b) > shift(a)) {
                shift(a) = shift(b);
                moved = true;
            }
        }
    }
    return moved;
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
    // Moves only ever grow, so this ends; a handful of rounds settles any real window.
    for (int round = 0; round < 32; ++round) {
        const bool acrossMoved = settle(placed, Qt::Horizontal);
        if (!settle(placed, Qt::Vertical) && !acrossMoved) {
            break;
        }
    }

    // The window keeps the margin it had right of and below its controls.
    QPoint farBefore(0, 0);
    QPoint farAfter(0, 0);
    bool moved = false;
    for (const Placed& p : placed) {
        const QRect after = now(p);
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
