#pragma once

#include <QList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "fake_clock.h"
#include "scratch_file.h"
#include "session.h"

// A session over a scratch folder of its own, with a fake clock; the sounds it asks for are
// kept in `played`.
struct SessionBench {
    QTemporaryDir dir;
    FakeClock clock{1000 * 1000};
    std::unique_ptr<conteggo::Session> session;
    QList<conteggo::Sound> played;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The folder's files hold these bytes; a null array leaves the file as it is.
    void writeFiles(const QByteArray& count, const QByteArray& positions = {}) const {
        if ((!count.isNull() && !writeFile(path("conteggo.txt"), count)) ||
            (!positions.isNull() && !writeFile(path("timerpos.txt"), positions))) {
            qFatal("cannot write the scratch files");
        }
    }
    // A new session over the folder's two files, not started up.
    conteggo::Session& newSession() {
        session =
            std::make_unique<conteggo::Session>(clock, conteggo::CountFile(path("conteggo.txt")),
                                                conteggo::PositionFile(path("timerpos.txt")));
        played.clear();
        QObject::connect(session.get(), &conteggo::Session::soundDue, session.get(),
                         [this](conteggo::Sound sound, const QString&) { played << sound; });
        return *session;
    }
    // "Timer2" ticks, "Timer1" saves, as when the timer fires.
    void fire(const char* timer) const {
        QMetaObject::invokeMethod(session->findChild<QTimer*>(QString::fromLatin1(timer)),
                                  "timeout");
    }
    // Moves the clock to `seconds` past the start of the second and runs the tick.
    void tickAt(double seconds) {
        clock.setSeconds(seconds);
        fire("Timer2");
    }
    QByteArray saved() const { return readAll(path("conteggo.txt")); }
};
