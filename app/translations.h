#pragma once

#include <QString>

class QCoreApplication;

namespace conteggo {

// Puts the program's texts, and Qt's own (standard menus and buttons), into the first of the
// desktop's languages that the program speaks. Its texts are written in Italian, which is
// also the language for the C locale and for every language without a translation. Returns
// the language chosen: "it", or the name of the translation loaded ("en", ...).
QString installTranslations(QCoreApplication& app);

}  // namespace conteggo
