#pragma once

#include <QString>

namespace conteggo {

// Plays a sound file from the working directory without waiting for it. Nothing plays when
// the file is missing or unplayable, or when there is no sound server; `countText`, the count
// as shown when the sound was due, lets the player say when that happened.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& fileName, const QString& countText) = 0;
};

}  // namespace conteggo
