#include "problem_notices.h"

#include <QCoreApplication>

#include "desktop_notifier.h"
#include "report_line.h"

namespace conteggo {

namespace {

QString summaryOf(Problem problem) {
    switch (problem) {
        case Problem::FileKeptAside:
            //: A desktop notification's title; its text names the file and where it went
            return QCoreApplication::translate("conteggo::ProblemNotices",
                                               "File non compreso, conservato a parte");
        case Problem::SaveFailed:
            //: A desktop notification's title; its text names the file and the reason
            return QCoreApplication::translate("conteggo::ProblemNotices",
                                               "Salvataggio non riuscito");
        case Problem::CommandRefused:
            //: A desktop notification's title for a command from the menu or a shortcut
            //: (start, stop, reset...) that was refused; its text says why
            return QCoreApplication::translate("conteggo::ProblemNotices", "Comando non eseguito");
    }
    return {};
}

}  // namespace

void tellProblemsThrough(Notifier& notifier) {
    setProblemNotice([&notifier](Problem problem, const QString& line) {
        notifier.notify(summaryOf(problem), line, [] {});  // the line has been written
    });
}

void tellProblemsOfACommand(DesktopNotifier& notifier, int errorOutput) {
    if (::isatty(errorOutput) != 0) {
        return;
    }
    setProblemNotice([&notifier](Problem problem, const QString& line) {
        notifier.notifyAndWait(summaryOf(problem), line);
    });
}

}  // namespace conteggo
