#include "command_line.h"

#include <QCommandLineParser>

#include "verb_words.h"
#include "version.h"

namespace conteggo {

namespace {

const char* const kHelp =
    "Uso: conteggo [--start | --stop | --toggle | --reset | --show]\n"
    "\n"
    "Senza opzioni avvia Conteggo. Con un comando agisce sulla copia in esecuzione:\n"
    "  --start    avvia il conteggo\n"
    "  --stop     ferma il conteggo\n"
    "  --toggle   avvia il conteggo se è fermo, altrimenti lo ferma\n"
    "  --reset    azzera il conteggo (solo se è fermo)\n"
    "  --show     porta la finestra in primo piano\n"
    "  -h, --help     mostra questo aiuto\n"
    "  -v, --version  mostra la versione\n"
    "\n"
    "Se Conteggo non è in esecuzione, --start, --toggle e --show lo avviano.\n"
    "Stato di uscita: 0 eseguito, 1 rifiutato o Conteggo non in esecuzione, 2 uso errato.\n";

CommandLine mistake(const QString& what) {
    return {std::nullopt, kUsageStatus,
            QStringLiteral("Conteggo: %1 (conteggo --help per l'aiuto)").arg(what)};
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const Verb verb : kVerbs) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(verbWord(verb)), QString()));
    }
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            return mistake(QStringLiteral("opzione sconosciuta \"%1\"")
                               .arg(parser.unknownOptionNames().constFirst()));
        }
        return mistake(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(QStringLiteral("argomento inatteso \"%1\"")
                           .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(help)) {
        return {std::nullopt, 0, QString::fromUtf8(kHelp)};
    }
    if (parser.isSet(version)) {
        return {std::nullopt, 0, QStringLiteral("Conteggo %1\n").arg(QLatin1String(kVersion))};
    }
    // Every occurrence counts: "--start --start" is as unclear as "--start --stop".
    const QStringList given = parser.optionNames();
    if (given.size() > 1) {
        return mistake(QStringLiteral("un solo comando alla volta"));
    }
    if (given.size() == 1) {
        return {verbFromWord(given.constFirst().toLatin1()), std::nullopt, QString()};
    }
    return {};
}

}  // namespace conteggo
