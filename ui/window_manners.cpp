#include "window_manners.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

namespace conteggo {

namespace {

class Manners : public QObject {
  public:
    Manners(QWidget* window, bool escapeCloses, std::function<void()> onThemeChange)
        : QObject(window), escapeCloses_(escapeCloses), onThemeChange_(std::move(onThemeChange)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!escapeCloses_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        if (onThemeChange_ &&
            (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)) {
            onThemeChange_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool escapeCloses_;
    std::function<void()> onThemeChange_;
};

}  // namespace

Qt::WindowFlags fixedFrame(Qt::WindowType kind) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

QFont layoutFont(bool bold) {
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QLabel* placedLabel(const QString& text, const QRect& geometry, QWidget* parent, bool wrapped) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (wrapped) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

void keepManners(QWidget* window, bool escapeCloses, std::function<void()> onThemeChange) {
    window->installEventFilter(new Manners(window, escapeCloses, std::move(onThemeChange)));
}

}  // namespace conteggo
