#include "report_line.h"

#include <cstdio>

namespace conteggo {

void reportLine(const QString& line) {
    std::fprintf(stderr, "Conteggo: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace conteggo
