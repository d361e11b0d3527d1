#include "canberra_player.h"

#include <canberra.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <cerrno>

#include "desktop_notifier.h"
#include "name_lookup.h"
#include "report_line.h"
#include "system_error.h"

namespace conteggo {

CanberraPlayer::~CanberraPlayer() {
    // Waits for libcanberra's thread: no verdict comes after this.
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
    for (const Request& request : std::as_const(playing_)) {
        ::close(request.fd);
    }
}

int CanberraPlayer::connect() {
    if (context_ != nullptr) {
        return CA_SUCCESS;
    }
    ca_context* context = nullptr;
    if (const int result = ca_context_create(&context); result != CA_SUCCESS) {
        return result;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Conteggo", nullptr);
    const int result = ca_context_open(context);
    if (result != CA_SUCCESS) {
        ca_context_destroy(context);
        return result;
    }
    context_ = context;
    return CA_SUCCESS;
}

namespace {

// libcanberra's reasons in the program's own words (its own texts are English only).
QString canberraErrorText(int error) {
    switch (error) {
        case CA_ERROR_NOTFOUND:
            return QCoreApplication::translate("conteggo::CanberraPlayer", "file non trovato");
        case CA_ERROR_CORRUPT:
        case CA_ERROR_NOTSUPPORTED:
            return QCoreApplication::translate("conteggo::CanberraPlayer",
                                               "formato audio non riconosciuto");
        case CA_ERROR_ACCESS:
            return QCoreApplication::translate("conteggo::CanberraPlayer", "accesso negato");
        case CA_ERROR_TOOBIG:
            return QCoreApplication::translate("conteggo::CanberraPlayer", "file troppo grande");
        case CA_ERROR_NODRIVER:
        case CA_ERROR_NOTAVAILABLE:
        case CA_ERROR_DISCONNECTED:
        case CA_ERROR_DISABLED:
            return QCoreApplication::translate("conteggo::CanberraPlayer",
                                               "server audio non disponibile");
        default:
            return QCoreApplication::translate("conteggo::CanberraPlayer", "errore %1").arg(error);
    }
}

}  // namespace

void CanberraPlayer::play(Sound sound, const QString& countText) {
    const QString fileName =
        sound == Sound::Warning ? QStringLiteral("suono1.wav") : QStringLiteral("suono2.wav");
    // The sound is opened here, without blocking and through none of another user's links, and
    // libcanberra reads this very file through the descriptor: nothing swapped in under the
    // name (a pipe, a link) can hold the window or be played instead.
    int error = 0;
    QString path = QDir::current().absoluteFilePath(fileName);
    int fd = openForReading(path, error);
    if (fd < 0 && !defaultsFolder_.isEmpty()) {
        path = QDir(defaultsFolder_).absoluteFilePath(fileName);
        fd = openForReading(path, error);
    }
    if (fd < 0) {
        failed(sound, countText,
               error == ENOENT
                   ? QCoreApplication::translate("conteggo::CanberraPlayer", "%1 non trovato")
                         .arg(fileName)
                   : QStringLiteral("%1: %2").arg(path, systemErrorText(error)));
        return;
    }
    if (const int result = connect(); result != CA_SUCCESS) {
        ::close(fd);
        failed(sound, countText,
               QCoreApplication::translate("conteggo::CanberraPlayer", "nessun server audio (%1)")
                   .arg(canberraErrorText(result)));
        return;
    }
    // No caching: the user may replace the file while the program runs. libcanberra refuses a
    // file it cannot read as a sound at once; a failure while playing comes later, from its
    // thread. The descriptor stays open until then.
    const uint32_t id = ++lastId_;
    playing_.insert(id, {sound, fileName, countText, path, fd});
    ca_proplist* properties = nullptr;
    ca_proplist_create(&properties);
    ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME,
                     QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData());
    ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    const int result = ca_context_play_full(context_, id, properties, &finished, this);
    ca_proplist_destroy(properties);
    if (result != CA_SUCCESS) {
        judge(id, result);
    }
}

void CanberraPlayer::finished(ca_context*, uint32_t id, int result, void* player) {
    auto* self = static_cast<CanberraPlayer*>(player);
    QMetaObject::invokeMethod(
        &self->receiver_, [self, id, result] { self->judge(id, result); }, Qt::QueuedConnection);
}

// Once per request: a verdict for a request already judged (a refusal that libcanberra also
// reports through the callback) finds nothing left to do.
void CanberraPlayer::judge(uint32_t id, int result) {
    const Request request = playing_.take(id);
    if (request.fd >= 0) {
        ::close(request.fd);  // only read from: nothing to lose
    }
    if (request.fileName.isEmpty() || result == CA_SUCCESS || result == CA_ERROR_CANCELED ||
        result == CA_ERROR_DESTROYED) {
        return;
    }
    failed(request.sound, request.countText,
           QStringLiteral("%1: %2").arg(request.path, canberraErrorText(result)));
}

void CanberraPlayer::failed(Sound sound, const QString& countText, const QString& why) {
    if (notifier_ == nullptr) {
        reportOnce(why);
        return;
    }
    QString summary;
    if (sound == Sound::Warning) {
        //: A desktop notification; %1 is the count as the window showed it when the advance
        //: warning was due (0:04:00)
        summary = QCoreApplication::translate("conteggo::CanberraPlayer",
                                              "Preavviso a %1: suono non riprodotto");
    } else {
        //: A desktop notification; %1 is the count as the window showed it when the alarm was
        //: due (0:05:00)
        summary = QCoreApplication::translate("conteggo::CanberraPlayer",
                                              "Allarme a %1: suono non riprodotto");
    }
    notifier_->notify(summary.arg(countText), why,
                      [alive = QPointer<QObject>(&receiver_), this, why] {
                          if (alive) {
                              reportOnce(why);
                          }
                      });
}

void CanberraPlayer::reportOnce(const QString& what) {
    if (!reported_) {
        reported_ = true;
        reportLine(
            QCoreApplication::translate("conteggo::CanberraPlayer", "suono non riprodotto: %1")
                .arg(what));
    }
}

}  // namespace conteggo
