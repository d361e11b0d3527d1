#pragma once

// Whether a window shows every text whole.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <algorithm>

// Why a control's text does not fit it in its font, or an empty string. Judged by Qt's own
// measures of the text (its layout of a label's lines, the style's room for a button's text),
// not by the program's reckoning of what a control needs.
inline QString misfit(const QWidget* control) {
    auto over = [&](const QString& what, const QSize& need, const QSize& have) {
        return need.width() > have.width() || need.height() > have.height()
                   ? QStringLiteral("%1 needs %2x%3, has %4x%5")
                         .arg(what)
                         .arg(need.width())
                         .arg(need.height())
                         .arg(have.width())
                         .arg(have.height())
                   : QString();
    };
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->text().isEmpty()
                   ? QString()
                   : over(label->text(),
                          label->fontMetrics().boundingRect(room, flags, label->text()).size(),
                          room.size());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        // The part of the button the style leaves for its text.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<const QCheckBox*>(control) != nullptr;
        const QRect room = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        return button->text().isEmpty()
                   ? QString()
                   : over(button->text(),
                          button->fontMetrics().size(Qt::TextShowMnemonic, button->text()),
                          room.size());
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return over(QStringLiteral("line edit"), QSize(0, control->fontMetrics().height()),
                    control->size());
    }
    return {};
}

// Every text fits its control, no two controls overlap and the window holds them all.
inline void checkFits(QWidget* window) {
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        const QString why = misfit(control);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QVERIFY2(window->rect().contains(control->geometry()),
                 qPrintable(QStringLiteral("outside the window: %1").arg(misfit(control))));
        for (const QWidget* other : controls) {
            // The layout lets two pairs of controls share one pixel row (15 twips).
            const QRect shared = control->geometry() & other->geometry();
            QVERIFY2(control == other || shared.isEmpty() ||
                         std::min(shared.width(), shared.height()) <= 1,
                     qPrintable(QStringLiteral("%1 overlaps %2")
                                    .arg(control->objectName() + control->accessibleName(),
                                         other->objectName() + other->accessibleName())));
        }
    }
}
