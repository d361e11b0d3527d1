#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>
#include <functional>

class QLabel;
class QWidget;

namespace conteggo {

// What the program's three windows share.

// A fixed frame with a title, the system menu and a close box, nothing else: no minimise or
// maximise box. `kind` is Qt::Window or Qt::Dialog.
Qt::WindowFlags fixedFrame(Qt::WindowType kind);

// The desktop's sans-serif font at the size the windows are laid out for (8.25 points).
QFont layoutFont(bool bold = false);

// A label at `geometry`, read from the top left and wrapped onto more lines where `wrapped`.
QLabel* placedLabel(const QString& text, const QRect& geometry, QWidget* parent,
                    bool wrapped = false);

// Watches `window`: Escape closes nothing when `escapeCloses` is false (a window that has no
// cancel, or whose cancel is a button of its own), and `onThemeChange` (if any) runs at each
// palette or style change while the window lives.
void keepManners(QWidget* window, bool escapeCloses, std::function<void()> onThemeChange = {});

}  // namespace conteggo
