#pragma once

#include <QString>

namespace conteggo {

// Plays a sound file from the working directory without waiting for it. Nothing plays when
// the file is missing or unplayable, or when there is no sound server.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& fileName) = 0;
};

}  // namespace conteggo
