#pragma once

#include <QMessageBox>
#include <memory>

namespace conteggo {

// A critical message box with one OK button, ready to show; its stop sign is named for screen
// readers, as it is only a picture.
std::unique_ptr<QMessageBox> errorBox(const QString& title, const QString& text,
                                      QWidget* parent = nullptr);

}  // namespace conteggo
