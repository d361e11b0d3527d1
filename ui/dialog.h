#pragma once

#include <QDialog>
#include <optional>

#include "alarm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace conteggo {

// "Imposta allarme": the alarm's interval and advance warning in minutes, and whether it is on.
// It opens with the settings it is given; OK checks the numbers and, when they pass, keeps them
// in seconds as settings() and closes accepted. "Annulla" and the close box change nothing;
// Escape closes nothing. Its controls are named as the glossary in form1.h has it (Text1,
// Text2, Check1, OKButton, CancelButton).
class Dialog : public QDialog {
    Q_OBJECT

  public:
    //: Shown when OK finds an interval not above 0 or above 120 minutes, or an advance warning not
    //: below the interval
    static constexpr const char* kErrorText = QT_TR_NOOP("DATI ERRATI! (max 120)");

    Dialog(const AlarmSettings& settings, QWidget* parent);

    // The settings the dialog opened with, or the new ones once OK accepted them.
    const AlarmSettings& settings() const { return settings_; }

  private:
    void OKButton_Click();
    void buildControls();
    void load();

    AlarmSettings settings_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Opens the dialog modally over `parent`: the settings the user accepted, or nothing when the
// dialog was cancelled.
std::optional<AlarmSettings> openAlarmDialog(const AlarmSettings& current, QWidget* parent);

}  // namespace conteggo
