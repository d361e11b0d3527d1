#include <QApplication>
#include <QFont>
#include <cstdio>

#include "canberra_player.h"
#include "clock.h"
#include "desktop_notifier.h"
#include "display_check.h"
#include "instance_lock.h"
#include "program.h"
#include "termination_signals.h"
#include "translations.h"
#include "verb_command.h"

int main(int argc, char* argv[]) {
    // A plain start has nothing to read from its command line. A command that only delivers
    // a verb ends as commands do on a termination signal.
    std::optional<conteggo::Verb> verb;
    if (argc > 1) {
        const conteggo::CommandOutcome outcome = conteggo::runCommandLine(argc, argv);
        if (outcome.exitStatus) {
            return *outcome.exitStatus;
        }
        verb = outcome.verb;
    }
    // Then at once, so that no termination signal sent while the program starts is lost.
    conteggo::catchTerminationSignals();
    const QString noDisplay = conteggo::prepareDisplay();
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "Conteggo: %s\n", noDisplay.toLocal8Bit().constData());
        return 1;
    }
    conteggo::PlatformStartGuard platformGuard;  // one line and status 1, not Qt's abort
    QApplication app(argc, argv);
    platformGuard.release();
    conteggo::installTranslations(app);
    // Lets desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Conteggo"));
    // The windows are laid out for the desktop's sans-serif font at 8.25 points.
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    int status = 0;
    {
        conteggo::InstanceLock lock;
        conteggo::MonotonicClock clock;
        // The default sounds lie beside the program: share/conteggo/sounds, installed or built.
        conteggo::DesktopNotifier notifier;
        conteggo::CanberraPlayer player(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/conteggo/sounds"),
            &notifier);
        status = conteggo::runProgram(lock, clock, player, verb);
    }
    conteggo::endBeforeWaylandTeardown(status);  // saved, and the lock is free
    return status;
}
