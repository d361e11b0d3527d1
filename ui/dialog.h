#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace conteggo {

class Form1;

// "Imposta allarme": the alarm's interval and advance warning in minutes, and whether it is on.
// OK checks the numbers, then stores them in seconds and reshapes the main window; "Annulla"
// and the close box change nothing.
class Dialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kErrorText = "DATI ERRATI! (max 120)";

    explicit Dialog(Form1& form);

    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QCheckBox* Check1() const { return check1_; }
    QPushButton* OKButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

  public slots:
    void OKButton_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void load();
    void reportInvalidInput();

    Form1& form_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace conteggo
