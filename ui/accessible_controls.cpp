#include "accessible_controls.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <cmath>

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

// The alarm's bar: read-only value from 0 to the interval in seconds.
class AccessibleBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleBar(ProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return QStringLiteral("%1%").arg(std::lround(bar()->fraction() * 100));
        }
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return static_cast<double>(bar()->value()); }
    void setCurrentValue(const QVariant&) override {}  // the count drives it, not the user
    QVariant maximumValue() const override { return static_cast<double>(bar()->maximum()); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

  private:
    ProgressBar* bar() const { return static_cast<ProgressBar*>(widget()); }
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
