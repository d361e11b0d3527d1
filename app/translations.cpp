#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace conteggo {

namespace {

// Where the build puts the program's translations, conteggo_<language>.qm, inside the program.
QString programFolder() {
    return QStringLiteral(":/i18n");
}
QString sourceLanguage() {
    return QStringLiteral("it");
}

QStringList shippedLanguages() {
    QStringList languages;
    const QStringList files = QDir(programFolder()).entryList({QStringLiteral("conteggo_*.qm")});
    for (const QString& file : files) {
        languages << QFileInfo(file).completeBaseName().section(u'_', 1);
    }
    return languages;
}

// The desktop's languages in order of preference; the first the program speaks wins, as a
// translation for that language and region ("pt_BR") or for the language alone ("en").
QString chooseLanguage(const QStringList& shipped) {
    const QStringList wanted = QLocale::system().uiLanguages();
    for (const QString& tag : wanted) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::C || locale.language() == QLocale::Italian) {
            break;
        }
        const QString name = locale.name();
        for (const QString& candidate : {name, name.section(u'_', 0, 0)}) {
            if (shipped.contains(candidate)) {
                return candidate;
            }
        }
    }
    return sourceLanguage();
}

void install(QCoreApplication& app, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;  // no such translation: the texts stay as written
    }
}

}  // namespace

QString installTranslations(QCoreApplication& app) {
    const QString language = chooseLanguage(shippedLanguages());
    if (language != sourceLanguage()) {
        install(app, QStringLiteral("conteggo_") + language, programFolder());
    }
    // Debian's qt6-translations-l10n; QTranslator falls back from "pt_BR" to "pt" by itself.
    install(app, QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

}  // namespace conteggo
