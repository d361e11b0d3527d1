#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <chrono>
#include <optional>

#include "alarm.h"
#include "clock.h"
#include "count_file.h"
#include "elapsed_text.h"
#include "position_file.h"
#include "stopwatch.h"
#include "verb.h"

class QTimer;

namespace conteggo {

// The stopwatch as the user drives it, without any window: the count and its display mode,
// the alarm, the two files, the autosave (Timer1) and the one-second tick (Timer2), and the
// rules that say which verb is allowed when. The main window calls it from each button and
// shows what it says; the program hands it the verbs of later commands.
class Session : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kAutosaveInterval{30000};

    // The files are looked up by bare name in the working directory unless the paths say else.
    explicit Session(const Clock& clock, CountFile countFile = CountFile(),
                     PositionFile positionFile = PositionFile(),
                     std::chrono::milliseconds autosaveInterval = kAutosaveInterval,
                     QObject* parent = nullptr);
    ~Session() override;

    // Restores the count and the alarm from the files, stopped and in hours mode; gives what
    // the position file says of the window's place. Runs once, before the window first shows.
    PositionReading startUp();

    bool running() const { return stopwatch_.attivo(); }
    const AlarmSettings& alarm() const { return alarm_; }
    const DisplayMode& mode() const { return mode_; }
    const QString& countText() const { return countText_; }
    const QString& title() const { return title_; }
    float barMaximum() const { return barMaximum_; }
    float barValue() const { return barValue_; }

    // The buttons: start (parti), stop (ferma), reset (azzera), the display mode (oremin),
    // and the alarm dialog's OK.
    void start();
    void stop();
    void reset();
    void toggleMode();
    void setAlarm(const AlarmSettings& settings);

    // A modal window is open over the main window: verbs are refused meanwhile.
    void setModalOpen(bool open) { modalOpen_ = open; }

    // A command from outside (conteggo --start and the others), done as its button would do
    // it, or refused, doing nothing, where the window would not let the user do the same.
    VerbAnswer applyVerb(Verb verb);

    // Writes "timerpos.txt" with the window's place in twips (none where the platform tells no
    // place), then the count; true when both were written. A failure to write the first never
    // keeps the count from being saved.
    bool saveFiles(const std::optional<QPointF>& placeTwips);
    // saveFiles, once, whatever ends the program; verbs are refused from then on.
    void closingSequence(const std::optional<QPointF>& placeTwips);
    // Whether the closing sequence has run and wrote both files.
    bool closedAndSaved() const { return closed_ && closingSaved_; }

  signals:
    void runningChanged(bool running);
    void countChanged(const QString& text);
    void titleChanged(const QString& title);
    void modeChanged();
    void alarmChanged();
    void barChanged(float maximum, float value);
    // A sound is due, at the count shown then.
    void soundDue(conteggo::Sound sound, const QString& countText);
    // The Show verb: the window comes forward.
    void showRequested();

  private:
    void Timer1_Timer();
    void Timer2_Timer();
    bool salvami();
    void armTick();
    void showCount(const std::string& text, bool atTick = false);
    void setTitle(const QString& title);
    void setBar(float maximum, float value);
    void fitBarToInterval();

    const Clock& clock_;
    CountFile countFile_;
    PositionFile positionFile_;
    Stopwatch stopwatch_;
    AlarmSettings alarm_;
    DisplayMode mode_;
    QString countText_;
    QString title_;
    float barMaximum_ = 100.0f;
    float barValue_ = 0.0f;
    bool modalOpen_ = false;
    bool closed_ = false;
    bool closingSaved_ = false;
    QTimer* timer1_;
    QTimer* timer2_;
};

}  // namespace conteggo
