#include "session.h"

#include <QTimer>

#include "version.h"

namespace conteggo {

Session::Session(const Clock& clock, CountFile countFile, PositionFile positionFile,
                 std::chrono::milliseconds autosaveInterval, QObject* parent)
    : QObject(parent),
      clock_(clock),
      countFile_(std::move(countFile)),
      positionFile_(std::move(positionFile)),
      stopwatch_(clock),
      title_(QString::fromUtf8(kProgramTitle)),
      timer1_(new QTimer(this)),
      timer2_(new QTimer(this)) {
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(autosaveInterval);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setSingleShot(true);  // re-armed at each tick for the next whole second
    timer2_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &Session::Timer1_Timer);
    connect(timer2_, &QTimer::timeout, this, &Session::Timer2_Timer);
}

Session::~Session() = default;

PositionReading Session::startUp() {
    stopwatch_.setTempo(Number::int16(0));
    if (const auto count = countFile_.load()) {
        stopwatch_.setTempo(*count);
    }
    alarm_ = AlarmSettings{};
    const PositionReading place = positionFile_.load();
    place.applyTo(alarm_);
    if (alarm_.on()) {
        fitBarToInterval();
    }
    emit alarmChanged();
    mode_ = DisplayMode{};
    emit modeChanged();
    showCount(mode_.TempoMio(stopwatch_.tempo()));
    emit runningChanged(false);
    return place;
}

void Session::start() {
    timer1_->start();
    armTick();
    stopwatch_.start();
    emit runningChanged(true);
}

void Session::stop() {
    stopwatch_.stop();
    timer1_->stop();
    timer2_->stop();
    emit runningChanged(false);
    showCount(mode_.TempoMio(stopwatch_.tempo()));
    salvami();
}

void Session::reset() {
    stopwatch_.reset();
    showCount("0:00:00");  // the literal, in either mode
    salvami();
    timer1_->stop();
    timer2_->stop();
    setBar(barMaximum_, 0.0f);
}

void Session::toggleMode() {
    mode_.toggle();
    emit modeChanged();
    // The base, not the running count: the next tick shows the running count again.
    showCount(mode_.TempoMio(Number::int32(stopwatch_.tempo().toInt32())));
}

void Session::setAlarm(const AlarmSettings& settings) {
    alarm_ = settings;
    fitBarToInterval();
    emit alarmChanged();
}

VerbAnswer Session::applyVerb(Verb verb) {
    const VerbAnswer answer = verbAnswer(verb, running(), modalOpen_, closed_);
    if (answer != VerbAnswer::Done) {
        return answer;
    }
    switch (verb) {
        case Verb::Start:
            start();
            break;
        case Verb::Stop:
            stop();
            break;
        case Verb::Toggle:
            running() ? stop() : start();
            break;
        case Verb::Reset:
            reset();
            break;
        case Verb::Show:
            emit showRequested();
            break;
    }
    return answer;
}

bool Session::saveFiles(const std::optional<QPointF>& placeTwips) {
    const bool placeSaved = positionFile_.save(placeTwips, alarm_);
    const bool countSaved = salvami();
    return placeSaved && countSaved;
}

void Session::closingSequence(const std::optional<QPointF>& placeTwips) {
    if (closed_) {
        return;
    }
    closed_ = true;
    closingSaved_ = saveFiles(placeTwips);
}

bool Session::salvami() {
    // The count at a clock reading taken before the file is touched.
    return countFile_.save(stopwatch_.valueToSave());
}

void Session::Timer1_Timer() {
    salvami();
}

void Session::Timer2_Timer() {
    armTick();
    const std::int32_t count = stopwatch_.tick();
    showCount(mode_.TempoMio(Number::int32(count)), true);
    const AlarmStep step = evaluateAlarm(count, stopwatch_.previousCount(), alarm_);
    if (step.ring) {
        emit soundDue(Sound::Ring, countText_);
    }
    if (step.progress) {
        setBar(barMaximum_, *step.progress);
    }
    if (step.warn) {
        emit soundDue(Sound::Warning, countText_);
    }
}

void Session::armTick() {
    timer2_->start(static_cast<int>(clock_.millisecondsToNextSecond()));
}

// The title goes with the count: the program's name while stopped, the count of each tick
// while running (a change of display mode between two ticks leaves it).
void Session::showCount(const std::string& text, bool atTick) {
    countText_ = QString::fromStdString(text);
    emit countChanged(countText_);
    if (atTick) {
        setTitle(countText_);
    } else if (!running()) {
        setTitle(QString::fromUtf8(kProgramTitle));
    }
}

void Session::setTitle(const QString& title) {
    if (title != title_) {
        title_ = title;
        emit titleChanged(title_);
    }
}

void Session::setBar(float maximum, float value) {
    barMaximum_ = maximum;
    barValue_ = value;
    emit barChanged(barMaximum_, barValue_);
}

void Session::fitBarToInterval() {
    setBar(static_cast<float>(alarm_.intervallo.toDouble()),
           progressValue(stopwatch_.tempo().toDouble(), alarm_.intervallo));
}

}  // namespace conteggo
