#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <utility>

class QLabel;

namespace conteggo {

// "INFO": the program's title with its version, the credits and how the program keeps its
// data. Only fixed texts and a picture; closed with the close box (or the close entry of the
// system menu and the platform's close keystroke), never by Escape.
class infomio : public QDialog {
    Q_OBJECT

  public:
    explicit infomio(const QString& title, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void applyPaletteColours();

    QList<std::pair<QLabel*, QColor>> colouredLines_;  // with their designed colours
};

// Opens the window modally over `parent`, with the program's title and version.
void openInformation(QWidget* parent);

}  // namespace conteggo
