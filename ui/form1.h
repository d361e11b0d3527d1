#pragma once

// The program keeps the Italian names it has always had for its windows, their controls and
// the values it keeps; everything added around them is named in English. What they mean:
//
// The windows (each control's objectName is its name here):
//   Form1          the main window
//   parti          the start button ("start")
//   ferma          the stop button ("stop")
//   azzera         the reset button ("reset to zero")
//   oremin         the display-mode button: h:mm:ss or total m:ss ("hours/minutes")
//   primopiano     the button shown while the window is on top; it takes it off ("foreground")
//   secondopiano   the button shown while it is not; it puts it back ("background")
//   suono, suono2  the alarm buttons, shown while the alarm is on and off ("sound")
//   Timer1         the 30-second autosave of the count (the session's)
//   Timer2         the one-second tick that shows the count and drives the alarm (the session's)
//   PB             the alarm's progress bar
//   Label1         the count
//   Image1         the "i" that opens the information window
//   infomio        the information window ("my info")
//   Dialog         the alarm settings dialog; in it Text1 (the interval in minutes), Text2 (the
//                  advance warning in minutes), Check1 (the alarm on or off) and OKButton
//   primop         the user's on-top wish; onTop_ is the state last applied to the window,
//                  which differs from the wish while a modal window is open
//   salvami        saves the count ("save me")
//   TempoMio       the count's text in the current mode ("my time")
//   InPrimoPiano   puts the window into the top layer or out of it ("in the foreground")
//
// The count, the alarm and the files (core/, store/, session/):
//   tempo          the base: the seconds of the runs that have ended ("time")
//   inizio         the clock reading at which the present run started ("start")
//   attivo         whether the count runs ("active")
//   trascorso      the running count at the last tick ("elapsed")
//   oremie         the display mode: true for total minutes and seconds ("hours or minutes")
//   allarme        whether the alarm is on: True (-1) or False (0) ("alarm")
//   intervallo     the alarm's interval in seconds, possibly with a fraction ("interval")
//   anticipo       the advance warning in seconds; 0 for none ("advance")
//   i              a scratch value the position file's reading carries from line to line
//   conteggo.txt   the count's file ("count"); timerpos.txt the place and alarm file
//   illeggibile    "unreadable": the name a file the program cannot read is kept aside under

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>

#include "alarm.h"
#include "dialog.h"
#include "infomio.h"

class QLabel;
class QPushButton;

namespace conteggo {

class ClickableLabel;
class ProgressBar;
class Session;

// How the main window opens its two modal windows over itself: the real ones, or fakes in
// tests. The first gives the settings the user accepted, or nothing when they cancelled.
struct ModalWindows {
    std::function<std::optional<AlarmSettings>(const AlarmSettings&, QWidget* parent)>
        askAlarmSettings = openAlarmDialog;
    std::function<void(QWidget* parent)> showInformation = openInformation;
};

// The main window: the count, the buttons that drive the stopwatch, the alarm's bar and the
// on-top switch. It shows what `session` says and hands it every click; the on-top state and
// the modal windows are its own.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // `positionKnown` is false on native Wayland, which neither places windows nor tells their
    // place: the window is never moved there, and the closing writes lines 1 and 2 back as
    // they were.
    explicit Form1(Session& session, ModalWindows modalWindows = {}, bool positionKnown = true);
    ~Form1() override;

    // Restores the session from the files and the window to its place; runs once, before the
    // first show.
    void startUp();

    // The window's place in twips, as the position file keeps it; none where the platform
    // tells no place.
    std::optional<QPointF> placeTwips() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void parti_Click();
    void ferma_Click();
    void azzera_Click();
    void oremin_Click();
    void primopiano_Click();
    void secondopiano_Click();
    void suono_Click();
    void suono2_Click();
    void Image1_Click();

    void buildControls();
    void followSession();
    void nameControls();
    void refreshStatefulNames();
    void applyPaletteColours();
    void setLabelColour(const QColor& colour);
    void showRunning(bool running);
    void showModeCaption();
    void showAlarm();
    void setAlarmShape(bool on);
    void changeAlarm();
    void comeForward();
    void InPrimoPiano(bool pp);
    // Leaves the top layer while `showModal` runs a modal window, then applies the wish again.
    void modalBracket(const std::function<void()>& showModal);
    // Whether a modal window is open. The window then takes no input: Qt keeps the mouse and
    // the keys from it, and the buttons' handlers ignore a screen reader's press.
    bool modalOpen() const;
    // Moves the window into the nearest screen unless the user can see and grab it where it is.
    void keepInSight();

    Session& session_;
    ModalWindows modalWindows_;
    bool positionKnown_;
    bool primop_ = true;
    bool onTop_ = false;
    int modalDepth_ = 0;  // modal windows open through the bracket
    QColor labelColour_;  // as designed; drawn lighter on a dark window

    QPushButton* suono2_ = nullptr;
    QPushButton* primopiano_ = nullptr;
    QPushButton* oremin_ = nullptr;
    QPushButton* ferma_ = nullptr;
    QPushButton* parti_ = nullptr;
    QPushButton* azzera_ = nullptr;
    QPushButton* secondopiano_ = nullptr;
    QPushButton* suono_ = nullptr;
    ClickableLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    ProgressBar* pb_ = nullptr;
};

}  // namespace conteggo
