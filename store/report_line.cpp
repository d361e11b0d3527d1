#include "report_line.h"

#include <cstdio>
#include <utility>

namespace conteggo {

void reportLine(const QString& line) {
    std::fprintf(stderr, "Conteggo: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

namespace {

ProblemNotice& problemNotice() {
    static ProblemNotice notice;
    return notice;
}

}  // namespace

void setProblemNotice(ProblemNotice notice) {
    problemNotice() = std::move(notice);
}

void noticeProblem(Problem problem, const QString& line) {
    if (problemNotice()) {
        problemNotice()(problem, line);
    }
}

void reportProblem(Problem problem, const QString& line) {
    reportLine(line);
    noticeProblem(problem, line);
}

}  // namespace conteggo
