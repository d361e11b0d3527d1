#include "canberra_player.h"

#include <canberra.h>

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace conteggo {

CanberraPlayer::~CanberraPlayer() {
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
}

bool CanberraPlayer::connect() {
    if (context_ != nullptr) {
        return true;
    }
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) {
        return false;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Conteggo", nullptr);
    const int result = ca_context_open(context);
    if (result != CA_SUCCESS) {
        ca_context_destroy(context);
        reportOnce(
            QStringLiteral("nessun server audio (%1)").arg(QString::fromUtf8(ca_strerror(result))));
        return false;
    }
    context_ = context;
    return true;
}

void CanberraPlayer::play(const QString& fileName) {
    QString path = QDir::current().absoluteFilePath(fileName);
    if (!QFileInfo(path).isFile() && !defaultsFolder_.isEmpty()) {
        path = QDir(defaultsFolder_).absoluteFilePath(fileName);
    }
    if (!QFileInfo(path).isFile()) {
        reportOnce(QStringLiteral("%1 non trovato").arg(fileName));
        return;
    }
    if (!connect()) {
        return;
    }
    // No caching: the user may replace the file while the program runs.
    const int result =
        ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, path.toLocal8Bit().constData(),
                        CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    if (result != CA_SUCCESS) {
        reportOnce(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(ca_strerror(result))));
    }
}

void CanberraPlayer::reportOnce(const QString& what) {
    if (!reported_) {
        reported_ = true;
        std::fprintf(stderr, "Conteggo: suono non riprodotto: %s\n",
                     what.toLocal8Bit().constData());
    }
}

}  // namespace conteggo
