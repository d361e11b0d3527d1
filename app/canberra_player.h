#pragma once

#include "sound_player.h"

struct ca_context;

namespace conteggo {

// Plays through libcanberra, which hands the file to the desktop's sound server and returns at
// once. The connection is made on the first request, not at start-up, and tried again later
// when no server was there. The file is looked up afresh at each request, so one put in the
// working directory while the program runs is played; without one there, the program's own
// default of the same name in `defaultsFolder` plays.
class CanberraPlayer final : public SoundPlayer {
  public:
    explicit CanberraPlayer(QString defaultsFolder = {})
        : defaultsFolder_(std::move(defaultsFolder)) {}
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    void play(const QString& fileName) override;

  private:
    bool connect();
    void reportOnce(const QString& what);

    QString defaultsFolder_;
    ca_context* context_ = nullptr;
    bool reported_ = false;  // one line at most, so a missing file never floods the console
};

}  // namespace conteggo
