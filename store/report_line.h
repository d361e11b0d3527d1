#pragma once

#include <QString>

namespace conteggo {

// One line on standard error, "Conteggo: " and `line`. Standard error rather than the Qt log:
// what the program reports must be seen, and no logging setting may turn it into an abort.
void reportLine(const QString& line);

}  // namespace conteggo
