#include "program.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QWindow>

#include "display_check.h"
#include "error_box.h"
#include "form1.h"
#include "instance_lock.h"
#include "launch.h"
#include "raising.h"
#include "session.h"
#include "sound_player.h"
#include "termination_signals.h"
#include "verb_channel.h"

namespace conteggo {

namespace {

// A test aid, not a setting: the kill tests need saves far more often than every 30 s.
std::chrono::milliseconds autosaveInterval() {
    bool isNumber = false;
    const int ms = qEnvironmentVariableIntValue("CONTEGGO_TEST_AUTOSAVE_MS", &isNumber);
    return isNumber && ms > 0 ? std::chrono::milliseconds(ms) : Session::kAutosaveInterval;
}

}  // namespace

std::unique_ptr<QMessageBox> refusalBox() {
    auto box =
        //: Title of the box that tells a second copy the program already runs
        errorBox(QCoreApplication::translate("conteggo::Program", "info"),
                 QCoreApplication::translate("conteggo::Program", "Conteggo è già in esecuzione"));
    box->setAccessibleDescription(box->text());
    return box;
}

int runProgram(InstanceLock& lock, const QString& socketPath, const Clock& clock,
               SoundPlayer& player, std::optional<Verb> verb) {
    // Made before anything can keep the event loop busy, so a signal that came during start-up
    // is acted upon at the loop's first turn. Until the window exists it just ends the program.
    TerminationSignals ends;
    if (!lock.held()) {
        // Not an error: the copy that runs goes on, this one just ends, as its OK would end it.
        const std::unique_ptr<QMessageBox> box = refusalBox();
        QObject::connect(&ends, &TerminationSignals::received, box.get(), &QMessageBox::accept);
        box->exec();
        endBeforeWaylandTeardown(0);
        return 0;
    }
    if (terminationRequested()) {
        return 0;  // nothing has been read or written yet
    }
    QObject::connect(&ends, &TerminationSignals::received, qApp, &QCoreApplication::quit);
    Session session(clock, CountFile(), PositionFile(), autosaveInterval());
    Form1 form(session, {}, !isNativeWayland());
    QObject::connect(&session, &Session::soundDue, &form,
                     [&player](Sound sound, const QString& count) { player.play(sound, count); });
    form.startUp();

    // Saves first, then leaves every event loop, a modal window's included.
    const auto closing = [&session, &form] { session.closingSequence(form.placeTwips()); };
    QObject::connect(&ends, &TerminationSignals::received, &form, [closing] {
        closing();
        QCoreApplication::quit();
    });
    // At the end of the desktop session: save now, in case the session ends the process
    // without closing the window.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &form,
                     [&session, &form] { session.saveFiles(form.placeTwips()); });
    // A session manager restores the program with its command, in a folder of its choosing:
    // it is told the folder where the files lie.
    QObject::connect(
        qApp, &QGuiApplication::saveStateRequest, &form,
        [](QSessionManager& manager) {
            manager.setManagerProperty(QStringLiteral("CurrentDirectory"), QDir::currentPath());
        },
        Qt::DirectConnection);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &form, closing);

    form.show();
    if (verb) {
        session.applyVerb(*verb);  // a stopped window allows each of the verbs that start it
    }
    // Verbs from later commands, once this copy's own verb is done.
    VerbServer verbs(socketPath, [&session, &form](Verb later, const Launch& launch) {
        const VerbAnswer answer = session.applyVerb(later);
        if (later == Verb::Show && answer == VerbAnswer::Done && !launch.isEmpty()) {
            // From a launcher, which gave the right to.
            if (QWindow* window = form.windowHandle()) {
                raiseForLaunch(*window, launch.startupId, launch.activationToken);
            }
        }
        return answer;
    });
    verbs.listen();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &verbs, &VerbServer::close);
    const int status = QApplication::exec();
    // The count must never be lost unseen: a closing that could not save says so in its status.
    const int ending = session.closedAndSaved() ? status : 1;
    endBeforeWaylandTeardown(ending);  // before the windows are torn down
    return ending;
}

}  // namespace conteggo
