#include "picture_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

#include "pictures.h"

namespace conteggo {

namespace {

class DrawnIconEngine final : public QIconEngine {
  public:
    explicit DrawnIconEngine(QList<std::pair<QString, int>> drawings)
        : drawings_(std::move(drawings)) {
        std::sort(drawings_.begin(), drawings_.end(),
                  [](const auto& a, const auto& b) { return a.second < b.second; });
        read_.resize(drawings_.size());
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap drawn = drawing(std::max(size.width(), size.height()));
        if (!drawn.isNull() && drawn.size() != size) {
            drawn = drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode == QIcon::Normal || mode == QIcon::Active || drawn.isNull() ||
            qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            return drawn;
        }
        // A disabled or selected button's picture, as the style draws it for any icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * scale, mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int largest = drawings_.isEmpty() ? 0 : drawings_.constLast().second;
        const int side = std::min({size.width(), size.height(), largest});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [path, side] : drawings_) {
            sizes << QSize(side, side);
        }
        return sizes;
    }

  private:
    // The smallest drawing at least `side` pixels across, else the largest; read once.
    QPixmap drawing(int side) {
        if (drawings_.isEmpty()) {
            return {};
        }
        const auto found = std::find_if(drawings_.begin(), drawings_.end(),
                                        [side](const auto& entry) { return entry.second >= side; });
        const qsizetype index =
            found == drawings_.end() ? drawings_.size() - 1 : found - drawings_.begin();
        if (read_[index].isNull()) {
            QImageReader reader(drawings_[index].first, "png");
            reader.setAutoDetectImageFormat(false);  // no plugin is asked
            read_[index] = QPixmap::fromImage(reader.read());
        }
        return read_[index];
    }

    QList<std::pair<QString, int>> drawings_;
    QList<QPixmap> read_;
};

}  // namespace

QIcon drawnIcon(QList<std::pair<QString, int>> drawings) {
    return QIcon(new DrawnIconEngine(std::move(drawings)));
}

QIcon pictureIcon(const char* name, int size) {
    return drawnIcon({{picture(name, size), size},
                      {picture(name, size, 2), 2 * size},
                      {picture(name, size, 3), 3 * size}});
}

QPixmap picturePixmap(const char* name, int size, qreal devicePixelRatio) {
    return pictureIcon(name, size).pixmap(QSize(size, size), devicePixelRatio);
}

}  // namespace conteggo
