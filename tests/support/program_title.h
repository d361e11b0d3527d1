#pragma once

#include <QString>

#include "version.h"

// The title of a stopped main window and of the information window, with the version the
// build was configured with.
inline QString programTitle() {
    return QStringLiteral("Conteggo (ver. %1)").arg(QString::fromUtf8(conteggo::kVersion));
}
