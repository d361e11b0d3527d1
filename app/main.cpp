#include <QApplication>
#include <QFile>
#include <QFont>

#include "accessible_controls.h"
#include "canberra_player.h"
#include "clock.h"
#include "display_check.h"
#include "instance_lock.h"
#include "program.h"
#include "report_line.h"
#include "runtime_path.h"
#include "termination_signals.h"
#include "verb_command.h"

int main(int argc, char* argv[]) {
    const conteggo::CommandLine command = conteggo::readCommandLine(argc, argv);
    if (command.exitStatus) {
        return *command.exitStatus;
    }
    // Then at once, so that no termination signal sent while the program starts is lost.
    conteggo::catchTerminationSignals();

    // Before anything else, whether another copy runs: a command hands it its verb, and a
    // second start reads and writes nothing.
    const conteggo::RuntimeFolder folder = conteggo::findRuntimeFolder();
    if (!folder.notice.isEmpty()) {
        conteggo::reportLine(folder.notice);
    }
    if (folder.path.isEmpty()) {
        conteggo::reportLine(folder.error);
        return 1;
    }
    // Qt keeps its own runtime files there too, rather than warning and making a folder of its
    // own.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path));
    conteggo::InstanceLock lock(folder.lockPath());
    if (command.verb) {
        std::optional<int> delivered;
        {
            const QCoreApplication forTheSocket(argc, argv);
            delivered = conteggo::deliverVerb(lock, folder.socketPath(), *command.verb);
        }
        if (delivered) {
            return *delivered;
        }
    } else if (lock.tryAcquire() == conteggo::InstanceLock::Outcome::Failed) {
        conteggo::reportLine(lock.error());
        return 1;
    }

    const QString noDisplay = conteggo::prepareDisplay(command.platform, command.display);
    if (!noDisplay.isEmpty()) {
        conteggo::reportLine(noDisplay);
        return 1;
    }
    conteggo::PlatformStartGuard platformGuard;  // one line and status 1, not Qt's abort
    QApplication app(argc, argv);
    platformGuard.release();
    conteggo::installAccessibleControls();
    // Lets desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Conteggo"));
    // The windows are laid out for the desktop's sans-serif font at 8.25 points.
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    int status = 0;
    {
        conteggo::MonotonicClock clock;
        // The default sounds lie beside the program: share/conteggo/sounds, installed or built.
        conteggo::CanberraPlayer player(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../share/conteggo/sounds"));
        status = conteggo::runProgram(lock, folder.socketPath(), clock, player, command.verb);
    }
    lock.release();
    conteggo::endBeforeWaylandTeardown(status);  // saved, and the lock is free
    return status;
}
