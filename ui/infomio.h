#pragma once

#include <QDialog>

namespace conteggo {

// "INFO": the program's title with its version, the credits and how the program keeps its
// data. Only fixed texts and a picture; closed with the close box.
class infomio : public QDialog {
    Q_OBJECT

  public:
    explicit infomio(const QString& title, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace conteggo
