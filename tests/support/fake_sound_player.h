#pragma once

#include <QStringList>

#include "sound_player.h"

// Remembers what it was asked to play, in order, and plays nothing.
class FakeSoundPlayer final : public conteggo::SoundPlayer {
  public:
    void play(const QString& fileName, const QString&) override { played << fileName; }
    QStringList played;
};
