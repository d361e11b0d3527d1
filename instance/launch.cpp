#include "launch.h"

#include <QtGlobal>
#include <algorithm>

namespace conteggo {

Launch Launch::fromEnvironment() {
    return {qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
}

bool isLaunchValue(const QByteArray& value) {
    return !value.isEmpty() && value.size() <= kMaxLaunchValueBytes &&
           std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 127; });
}

}  // namespace conteggo
