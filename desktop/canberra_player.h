#pragma once

#include <QHash>
#include <QObject>

#include "sound_player.h"

struct ca_context;

namespace conteggo {

class Notifier;

// Plays through libcanberra, which hands the file to the desktop's sound server and returns at
// once. The connection is made on the first request, not at start-up, and tried again later
// when no server was there. The file is looked up afresh at each request, so one put in the
// working directory while the program runs is played; without one there (or with something
// there that is no regular file of the user's), the program's own default of the same name in
// `defaultsFolder` plays.
// A sound that cannot be played (no file, a file no sound can be read from, no server) is
// reported through `notifier` with the count it was due at; without one, or when the desktop
// has no notification service, in one line on standard error for the whole run.
class CanberraPlayer final : public SoundPlayer {
  public:
    explicit CanberraPlayer(QString defaultsFolder = {}, Notifier* notifier = nullptr)
        : defaultsFolder_(std::move(defaultsFolder)), notifier_(notifier) {}
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    void play(Sound sound, const QString& countText) override;
    // No sound is playing or waiting for libcanberra's verdict.
    bool idle() const { return playing_.isEmpty(); }

  private:
    struct Request {
        Sound sound;
        QString fileName;
        QString countText;
        QString path;
        int fd = -1;  // the file libcanberra reads, open until its verdict
    };
    int connect();  // libcanberra's result
    static void finished(ca_context* context, uint32_t id, int result, void* player);
    void judge(uint32_t id, int result);
    void failed(Sound sound, const QString& countText, const QString& why);
    void reportOnce(const QString& what);

    QString defaultsFolder_;
    Notifier* notifier_;
    ca_context* context_ = nullptr;
    QObject receiver_;  // libcanberra's thread hands each verdict to the GUI thread through it
    QHash<uint32_t, Request> playing_;  // by the id given to libcanberra
    uint32_t lastId_ = 0;
    bool reported_ = false;  // one line at most, so a missing file never floods the console
};

}  // namespace conteggo
