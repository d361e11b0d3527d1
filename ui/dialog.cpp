#include "dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "error_box.h"
#include "fit_to_text.h"
#include "number_text.h"
#include "picture_icon.h"
#include "screen_placement.h"
#include "twips.h"
#include "window_manners.h"

namespace conteggo {

namespace {

QString numberText(double value) {
    const QString point = QLocale().decimalPoint();
    return QString::fromStdString(
        generalText(value, point.isEmpty() ? '.' : point.at(0).toLatin1()));
}

// Commas become points in the box itself, so the user sees what was read.
std::string readBox(QLineEdit* box) {
    box->setText(box->text().replace(QLatin1Char(','), QLatin1Char('.')));
    return box->text().toStdString();
}

// A control of the dialog, known by its name.
template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace

Dialog::Dialog(const AlarmSettings& settings, QWidget* parent)
    : QDialog(parent, fixedFrame(Qt::Dialog)), settings_(settings) {
    buildControls();
    load();
    keepManners(this, false);
}

void Dialog::buildControls() {
    setWindowTitle(tr("Imposta allarme"));
    setWindowIcon(pictureIcon("speaker", 32));
    // The client area at 2760, 3750 twips from the corner of the main window's screen; not
    // centred.
    const QRect client = twipsRect(2760, 3750, 5460, 1665);
    setFixedSize(client.size());
    const QScreen* screen = screenOf(parentWidget());
    setGeometry(client.translated(screen != nullptr ? screen->geometry().topLeft() : QPoint()));

    text1_ = named(new QLineEdit(this), "Text1");
    text1_->setGeometry(twipsRect(240, 240, 615, 285));
    text2_ = named(new QLineEdit(this), "Text2");
    text2_->setGeometry(twipsRect(240, 600, 615, 285));
    //: The check box that switches the alarm on or off
    check1_ = named(new QCheckBox(tr("Suono veramente?"), this), "Check1");
    check1_->setGeometry(twipsRect(240, 960, 2055, 375));
    okButton_ = named(new QPushButton(tr("OK"), this), "OKButton");
    okButton_->setGeometry(twipsRect(4080, 240, 1215, 375));
    okButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(tr("Annulla"), this), "CancelButton");
    cancelButton_->setGeometry(twipsRect(4080, 720, 1215, 375));
    QLabel* label1 = named(
        //: Beside the box for the alarm's interval, in minutes (more than 0, at most 120)
        placedLabel(tr("Ogni quanti minuti vuoi che suoni?"), twipsRect(960, 285, 2895, 300), this),
        "Label1");
    //: Under the check box: the alarm counts only the time during which the stopwatch runs
    QLabel* label2 = named(placedLabel(tr("(solo quanto il timer è in funzione)"),
                                       twipsRect(480, 1320, 2655, 255), this),
                           "Label2");
    QLabel* label3 =
        //: Beside the box for the advance warning, in minutes before each ring
        named(placedLabel(tr("Con che anticipo?"), twipsRect(960, 630, 2415, 255), this), "Label3");
    // The labels name the boxes beside them, for screen readers too.
    label1->setBuddy(text1_);
    label3->setBuddy(text2_);
    check1_->setAccessibleDescription(label2->text());
    fitToTexts(this);

    setTabOrder(text1_, text2_);
    setTabOrder(text2_, check1_);
    setTabOrder(check1_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(okButton_, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void Dialog::load() {
    const AlarmSettings& alarm = settings_;
    text1_->setText(numberText(alarm.intervallo.toDouble() / 60));
    text2_->setText(numberText(alarm.anticipo / 60.0));
    text1_->selectAll();
    text1_->setFocus();
    check1_->setChecked(alarm.on());
}

void Dialog::OKButton_Click() {
    const std::optional<AlarmSettings> chosen =
        alarmFromInput(readBox(text1_), readBox(text2_), check1_->checkState() == Qt::Checked);
    if (!chosen) {
        //: Title of the message box that refuses what was typed
        errorBox(tr("ERRORE"), tr(kErrorText), this)->exec();
        return;
    }
    // The opener reshapes the main window to the new settings once the dialog has closed.
    settings_ = *chosen;
    accept();
}

std::optional<AlarmSettings> openAlarmDialog(const AlarmSettings& current, QWidget* parent) {
    Dialog dialog(current, parent);  // built afresh at each opening
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.settings();
}

}  // namespace conteggo
