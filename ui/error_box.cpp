#include "error_box.h"

#include <QCoreApplication>
#include <QLabel>

namespace conteggo {

std::unique_ptr<QMessageBox> errorBox(const QString& title, const QString& text, QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    if (auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
        icon->setAccessibleName(QCoreApplication::translate("conteggo::ErrorBox", "Errore"));
    }
    return box;
}

}  // namespace conteggo
