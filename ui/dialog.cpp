#include "dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "error_box.h"
#include "fit_to_text.h"
#include "number_text.h"
#include "pictures.h"
#include "screen_placement.h"
#include "twips.h"

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

QLabel* label(const QString& text, const QRect& geometry, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

}  // namespace

Dialog::Dialog(const AlarmSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings) {
    buildControls();
    load();
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

    text1_ = new QLineEdit(this);
    text1_->setGeometry(twipsRect(240, 240, 615, 285));
    text2_ = new QLineEdit(this);
    text2_->setGeometry(twipsRect(240, 600, 615, 285));
    check1_ = new QCheckBox(tr("Suono veramente?"), this);
    check1_->setGeometry(twipsRect(240, 960, 2055, 375));
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setGeometry(twipsRect(4080, 240, 1215, 375));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Annulla"), this);
    cancelButton_->setGeometry(twipsRect(4080, 720, 1215, 375));
    QLabel* label1 =
        label(tr("Ogni quanti minuti vuoi che suoni?"), twipsRect(960, 285, 2895, 300), this);
    QLabel* label2 =
        label(tr("(solo quanto il timer è in funzione)"), twipsRect(480, 1320, 2655, 255), this);
    QLabel* label3 = label(tr("Con che anticipo?"), twipsRect(960, 630, 2415, 255), this);
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
        errorBox(tr("ERRORE"), tr(kErrorText), this)->exec();
        return;
    }
    // The opener reshapes the main window to the new settings once the dialog has closed.
    settings_ = *chosen;
    accept();
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();  // Escape closes nothing here
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<AlarmSettings> openAlarmDialog(const AlarmSettings& current, QWidget* parent) {
    Dialog dialog(current, parent);  // built afresh at each opening
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.settings();
}

}  // namespace conteggo
