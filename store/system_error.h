#pragma once

#include <QString>

namespace conteggo {

// What a failed system call's error number means, in the program's own words, so that no
// English text of the C library ends up inside the program's messages.
QString systemErrorText(int errorNumber);

}  // namespace conteggo
