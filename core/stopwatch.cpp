#include "stopwatch.h"

#include <algorithm>

namespace conteggo {

Number Stopwatch::runningCount(double reading) const {
    const double r = std::max(reading, inizio_.toDouble());
    // The sum first, then the start mark, as the kinds of the three numbers dictate.
    return (Number::real(r) + tempo_) - inizio_;
}

void Stopwatch::start() {
    inizio_ = Number::real(clock_.reading());
    attivo_ = true;
    previousCount_ = tempo_.toInt32();
    trascorso_ = previousCount_;
}

void Stopwatch::stop() {
    const double r = clock_.reading();
    attivo_ = false;
    tempo_ = runningCount(r);
}

void Stopwatch::reset() {
    tempo_ = Number::int16(0);
}

std::int32_t Stopwatch::tick() {
    previousCount_ = trascorso_;
    trascorso_ = runningCount(clock_.reading()).toInt32();
    return trascorso_;
}

Number Stopwatch::valueToSave() const {
    const double reading = clock_.reading();
    return attivo_ ? runningCount(reading) : tempo_;
}

}  // namespace conteggo
