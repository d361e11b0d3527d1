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
//   Timer1         the 30-second autosave of the count
//   Timer2         the one-second tick that shows the count and drives the alarm
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
// The count, the alarm and the files (core/, store/):
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
#include <QWidget>
#include <functional>
#include <optional>

#include "alarm.h"
#include "clock.h"
#include "count_file.h"
#include "dialog.h"
#include "elapsed_text.h"
#include "infomio.h"
#include "position_file.h"
#include "stopwatch.h"
#include "verb.h"

class QLabel;
class QPushButton;
class QTimer;

namespace conteggo {

class ClickableLabel;
class ProgressBar;
class SoundPlayer;

// How the main window opens its two modal windows over itself: the real ones, or fakes in
// tests. The first gives the settings the user accepted, or nothing when they cancelled.
struct ModalWindows {
    std::function<std::optional<AlarmSettings>(const AlarmSettings&, QWidget* parent)>
        askAlarmSettings = openAlarmDialog;
    std::function<void(QWidget* parent)> showInformation = openInformation;
};

// The main window: the count, the buttons that drive the stopwatch, the alarm's bar and the
// on-top switch. It owns the stopwatch and the alarm settings for the whole run.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // The files are looked up by bare name in the working directory unless the paths say else.
    Form1(const Clock& clock, SoundPlayer& player, CountFile countFile = CountFile(),
          PositionFile positionFile = PositionFile(), ModalWindows modalWindows = {});
    ~Form1() override;

    // Restores count, position and alarm from the files; runs once, before the first show.
    void startUp();

    // Writes "timerpos.txt", then the count; true when both were written. A failure to write
    // the first never keeps the count from being saved.
    bool saveFiles();

    // saveFiles, once, whatever ends the program.
    void closingSequence();
    // Whether the closing sequence has run and wrote both files.
    bool closedAndSaved() const { return closed_ && closingSaved_; }

    // A command from outside (conteggo --start and the others), worked through the handler of
    // the button it stands for, or refused, doing nothing, where the window would not let the
    // user do the same: no start or reset while running, no stop while stopped, nothing while
    // a modal window is open.
    VerbAnswer applyVerb(Verb verb);

  protected:
    void changeEvent(QEvent* event) override;
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
    void Timer1_Timer();
    void Timer2_Timer();

    void buildControls();
    void nameControls();
    void refreshStatefulNames();
    void applyPaletteColours();
    void setLabelColour(const QColor& colour);
    void showModeCaption();
    void showCount(const std::string& text, bool atTick = false);
    void armTick();
    void changeAlarm();
    void setAlarmShape(bool on);
    void fitBarToInterval();
    bool salvami();
    void InPrimoPiano(bool pp);
    // Leaves the top layer while `showModal` runs a modal window, then applies the wish again.
    void modalBracket(const std::function<void()>& showModal);
    // Whether a modal window is open. The window then takes no input: Qt keeps the mouse and
    // the keys from it, and the buttons' handlers ignore a screen reader's press.
    bool modalOpen() const;
    // Moves the window into the nearest screen unless the user can see and grab it where it is.
    void keepInSight();

    const Clock& clock_;
    SoundPlayer& player_;
    CountFile countFile_;
    PositionFile positionFile_;
    ModalWindows modalWindows_;

    Stopwatch stopwatch_;
    AlarmSettings alarm_;
    DisplayMode mode_;
    bool primop_ = true;
    bool onTop_ = false;
    // False on native Wayland, which neither places windows nor tells their place: the window
    // is never moved there, and the closing writes lines 1 and 2 back as they were.
    bool positionKnown_ = true;
    bool closed_ = false;
    bool closingSaved_ = false;
    int modalDepth_ = 0;  // modal windows open through the bracket
    QColor labelColour_;  // as designed; drawn lighter on a dark window

    QPushButton* suono2_ = nullptr;
    QPushButton* primopiano_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer1_ = nullptr;
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
