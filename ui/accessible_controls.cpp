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

// The alarm's bar: a progress bar whose value and maximum, in seconds, a screen reader reads and
// announces as it does any progress bar's. Qt's bridge lists increase and decrease actions
// beside any value; they change nothing here.
class AccessibleBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleBar(ProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return static_cast<double>(bar()->value()); }
    void setCurrentValue(const QVariant&) override {}  // the count decides it
    QVariant maximumValue() const override { return static_cast<double>(bar()->maximum()); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

  private:
    const ProgressBar* bar() const { return static_cast<const ProgressBar*>(widget()); }
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
    if (is(className, ProgressBar::staticMetaObject)) {
        return new AccessibleBar(static_cast<ProgressBar*>(object));
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
