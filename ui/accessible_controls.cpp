#include "accessible_controls.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "clickable_label.h"
#include "form1.h"
#include "progress_bar.h"

namespace conteggo {

namespace {

// The "i": a button without a frame. The press comes after the caller's request returns, as
// a button's does, since it opens a modal window.
class AccessiblePicture : public QAccessibleWidget {
  public:
    explicit AccessiblePicture(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            auto* label = static_cast<ClickableLabel*>(widget());
            QTimer::singleShot(0, label, [label] { emit label->clicked(); });
        }
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        return actionName == pressAction() ? QStringList{QStringLiteral("F1")} : QStringList{};
    }
};

bool is(const QString& className, const QMetaObject& type) {
    return className == QLatin1String(type.className());
}

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (is(className, Form1::staticMetaObject)) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (is(className, ClickableLabel::staticMetaObject)) {
        return new AccessiblePicture(static_cast<ClickableLabel*>(object));
    }
    // The value goes in the description: Qt would offer a value interface as one to raise and
    // lower, with actions that could do nothing.
    if (is(className, ProgressBar::staticMetaObject)) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::ProgressBar);
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace conteggo
