#include <QApplication>
#include <QDir>
#include <QFile>
#include <optional>

#include "accessible_controls.h"
#include "canberra_player.h"
#include "clock.h"
#include "command_line.h"
#include "desktop_notifier.h"
#include "display_check.h"
#include "instance_lock.h"
#include "problem_notices.h"
#include "program.h"
#include "raising.h"
#include "report_line.h"
#include "runtime_path.h"
#include "termination_signals.h"
#include "translations.h"
#include "verb_channel.h"
#include "window_manners.h"

int main(int argc, char* argv[]) {
    // First, so that no termination signal sent while the program starts is lost.
    conteggo::catchTerminationSignals();
    conteggo::CommandLine command;
    conteggo::RuntimeFolder folder;
    std::optional<conteggo::InstanceLock> lock;
    conteggo::FolderLock folderLock;
    QString noPluginLine;  // what to say if Qt's platform cannot start
    QString failedLine;
    {
        // Until the windows' application object exists: one for the texts' language and for the
        // verbs' socket.
        QCoreApplication early(argc, argv);
        conteggo::installTranslations(early);
        command = conteggo::readCommandLine(argc, argv);
        if (command.exitStatus) {
            return *command.exitStatus;
        }
        // Before anything else, whether another copy runs: a command hands it its verb, and a
        // second start reads and writes nothing.
        folder = conteggo::findRuntimeFolder();
        if (!folder.notice.isEmpty()) {
            conteggo::reportLine(folder.notice);
        }
        if (folder.path.isEmpty()) {
            conteggo::reportLine(folder.error);
            return 1;
        }
        // Without a runtime folder Qt would warn and make one of its own: it shares ours. One
        // that is set stays, unsuitable for the lock or not: the desktop's Wayland and sound
        // server sockets are found through it.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path));
        }
        lock.emplace(folder.lockPath());
        if (command.verb) {
            // From a launcher or a shortcut a refusal is told where the user looks.
            conteggo::DesktopNotifier commandNotifier;
            conteggo::tellProblemsOfACommand(commandNotifier);
            const std::optional<int> delivered =
                conteggo::deliverVerb(*lock, folder.socketPath(), *command.verb);
            conteggo::setProblemNotice({});
            if (delivered) {
                // This command shows no window: the launcher's busy cursor ends now.
                conteggo::completeStartupNotice(qgetenv("DESKTOP_STARTUP_ID"));
                return *delivered;
            }
        } else if (lock->tryAcquire() == conteggo::InstanceLock::Outcome::Failed) {
            conteggo::reportLine(lock->error());
            return 1;
        }
        // A copy already working on this folder's files, whatever its runtime folder, refuses
        // this one as a copy of the same runtime folder would.
        if (lock->held() && !folderLock.tryAcquire(QDir::currentPath())) {
            lock->release();
        }
        const QString noDisplay = conteggo::prepareDisplay(command.platform, command.display);
        if (!noDisplay.isEmpty()) {
            conteggo::reportLine(noDisplay);
            return 1;
        }
        noPluginLine = conteggo::platformFailureText(true);
        failedLine = conteggo::platformFailureText(false);
    }

    conteggo::PlatformStartGuard platformGuard(noPluginLine, failedLine);  // not Qt's abort
    QApplication app(argc, argv);
    platformGuard.release();
    conteggo::installTranslations(app);
    conteggo::installAccessibleControls();
    // Lets desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Conteggo"));
    QApplication::setFont(conteggo::layoutFont());
    int status = 0;
    {
        conteggo::MonotonicClock clock;
        // The default sounds lie beside the program: share/conteggo/sounds, installed or built.
        conteggo::DesktopNotifier notifier;
        conteggo::CanberraPlayer player(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/conteggo/sounds"),
            &notifier);
        conteggo::tellProblemsThrough(notifier);
        status = conteggo::runProgram(*lock, folder.socketPath(), clock, player, command.verb);
        conteggo::setProblemNotice({});
    }
    lock->release();
    return status;
}
