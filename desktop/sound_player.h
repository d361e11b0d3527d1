#pragma once

#include <QString>

#include "alarm.h"

namespace conteggo {

// Plays one of the alarm's sounds without waiting for it. Nothing plays when the sound's file
// is missing or unplayable, or when there is no sound server; `countText`, the count as shown
// when the sound was due, lets the player say when that happened.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound sound, const QString& countText) = 0;
};

}  // namespace conteggo
