#pragma once

// The main window keeps the Italian names it has always had; everything added around it is
// named in English. What the Italian names mean:
//
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
//   primop         the user's on-top wish; onTop_ is the state last applied to the window,
//                  which differs from the wish while a modal window is open
//   i              a scratch value the position file carries ("i")
//   infomio        the information window ("my info")
//   Dialog         the alarm settings dialog
//   salvami        saves the count ("save me")
//   TempoMio       the count's text in the current mode ("my time")
//   InPrimoPiano   puts the window into the top layer or out of it ("in the foreground")

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "alarm.h"
#include "clock.h"
#include "count_file.h"
#include "elapsed_text.h"
#include "position_file.h"
#include "stopwatch.h"
#include "verb.h"
#include "version.h"

class QLabel;
class QPushButton;
class QTimer;

namespace conteggo {

class ClickableLabel;
class ProgressBar;
class SoundPlayer;

// The main window: the count, the buttons that drive the stopwatch, the alarm's bar and the
// on-top switch. It owns the stopwatch and the alarm settings for the whole run.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    static constexpr const char* kTitle = kProgramTitle;

    // The files are looked up by bare name in the working directory unless the paths say else.
    Form1(const Clock& clock, SoundPlayer& player, CountFile countFile = CountFile(),
          PositionFile positionFile = PositionFile(), QWidget* parent = nullptr);
    ~Form1() override;

    // Restores count, position and alarm from the files; runs once, before the first show.
    void startUp();

    // Writes "timerpos.txt", then the count; true when both were written. A failure to write
    // the first never keeps the count from being saved.
    bool saveFiles();

    // Moves the window into the nearest screen unless the user can see and grab it where it is.
    void keepInSight();

    // Whether the platform reports the window's place (not on native Wayland). Where it does
    // not, the window is never moved and the closing writes lines 1 and 2 back as they were.
    bool positionKnown() const { return positionKnown_; }
    void setPositionKnown(bool known) { positionKnown_ = known; }

    // saveFiles, once, whatever ends the program.
    void closingSequence();
    // Whether the closing sequence has run and wrote both files.
    bool closedAndSaved() const { return closed_ && closingSaved_; }

    // Puts the window into the top layer or out of it, without moving or resizing it, and
    // shows the toggle button that fits.
    void InPrimoPiano(bool pp);

    // Leaves the top layer while `showModal` runs a modal window, then applies the wish again.
    void modalBracket(const std::function<void()>& showModal);

    // Whether a modal window is open. The window then takes no input: Qt keeps the mouse and
    // the keys from it, and the buttons' handlers ignore a screen reader's press.
    bool modalOpen() const;

    // A command from outside (conteggo --start and the others), worked through the handler of
    // the button it stands for, or refused, doing nothing, where the window would not let the
    // user do the same: no start or reset while running, no stop while stopped, nothing while
    // a modal window is open.
    VerbAnswer applyVerb(Verb verb);

    // Shows or hides the alarm's bar and sound button and sets the height to match.
    void setAlarmShape(bool on);

    // The bar's maximum to the interval and its value to the base's place in it.
    void fitBarToInterval();

    // Saves the count; false (and one line on standard error) when the file could not be written.
    bool salvami();

    Stopwatch& stopwatch() { return stopwatch_; }
    AlarmSettings& alarm() { return alarm_; }
    bool primop() const { return primop_; }
    bool onTop() const { return onTop_; }  // the state last applied to the window

    QPushButton* suono2() const { return suono2_; }
    QPushButton* primopiano() const { return primopiano_; }
    QTimer* Timer2() const { return timer2_; }
    QTimer* Timer1() const { return timer1_; }
    QPushButton* oremin() const { return oremin_; }
    QPushButton* ferma() const { return ferma_; }
    QPushButton* parti() const { return parti_; }
    QPushButton* azzera() const { return azzera_; }
    QPushButton* secondopiano() const { return secondopiano_; }
    QPushButton* suono() const { return suono_; }
    ClickableLabel* Image1() const { return image1_; }
    QLabel* Label1() const { return label1_; }
    ProgressBar* PB() const { return pb_; }

    // Open the alarm settings and the information window, modally; tests put fakes here. The
    // first returns the settings the user accepted, or nothing when the dialog was cancelled.
    std::function<std::optional<AlarmSettings>(const AlarmSettings&)> askAlarmSettings;
    std::function<void()> showInformation;

  public slots:
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

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void nameControls();
    void refreshStatefulNames();
    void applyPaletteColours();
    void setLabelColour(const QColor& colour);
    void showModeCaption();
    void armTick();
    void changeAlarm();

    const Clock& clock_;
    SoundPlayer& player_;
    CountFile countFile_;
    PositionFile positionFile_;

    Stopwatch stopwatch_;
    AlarmSettings alarm_;
    DisplayMode mode_;
    bool primop_ = true;
    bool onTop_ = false;
    std::int32_t i_ = 0;
    bool positionKnown_ = true;
    QPoint fileTwips_;  // lines 2 and 1 of "timerpos.txt" as start-up found them
    bool closed_ = false;
    bool closingSaved_ = false;
    int modalDepth_ = 0;  // modal windows open through the bracket
    QColor labelColour_;  // as described; drawn lighter on a dark window

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
