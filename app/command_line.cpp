#include "command_line.h"

#include <QCoreApplication>

#include <QCommandLineParser>
#include <cstdio>

#include "verb_protocol.h"
#include "version.h"

namespace conteggo {

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "conteggo::CommandLine",
    "Uso: conteggo [--start | --stop | --toggle | --reset | --show]\n"
    "\n"
    "Senza opzioni avvia Conteggo. Con un comando agisce sulla copia in esecuzione:\n"
    "  --start    avvia il conteggio\n"
    "  --stop     ferma il conteggio\n"
    "  --toggle   avvia il conteggio se è fermo, altrimenti lo ferma\n"
    "  --reset    azzera il conteggio (solo se è fermo)\n"
    "  --show     porta la finestra in primo piano\n"
    "  -h, --help     mostra questo aiuto\n"
    "  -v, --version  mostra la versione\n"
    "Accetta anche le opzioni comuni dei programmi Qt (-style, -platform, -session...).\n"
    "\n"
    "Se Conteggo non è in esecuzione, --start, --toggle e --show lo avviano.\n"
    "Stato di uscita: 0 eseguito, 1 rifiutato o Conteggo non in esecuzione, 2 uso errato.\n");

// The options QApplication and its X11 platform take from the command line (Qt 6), with one
// dash or two; those with a value take it from the next argument, and a few also after "=".
struct QtOption {
    QLatin1StringView name;
    bool takesValue;
    bool valueAfterEquals;
};
constexpr QtOption kQtOptions[] = {
    {QLatin1StringView("platform"), true, false},
    {QLatin1StringView("platformpluginpath"), true, false},
    {QLatin1StringView("platformtheme"), true, false},
    {QLatin1StringView("plugin"), true, false},
    {QLatin1StringView("qwindowgeometry"), true, false},
    {QLatin1StringView("qwindowicon"), true, false},
    {QLatin1StringView("qwindowtitle"), true, false},
    {QLatin1StringView("geometry"), true, false},
    {QLatin1StringView("title"), true, false},
    {QLatin1StringView("icon"), true, false},
    {QLatin1StringView("session"), true, false},
    {QLatin1StringView("display"), true, false},
    {QLatin1StringView("name"), true, false},
    {QLatin1StringView("visual"), true, false},
    {QLatin1StringView("style"), true, true},
    {QLatin1StringView("stylesheet"), true, true},
    {QLatin1StringView("qmljsdebugger"), true, true},
    {QLatin1StringView("reverse"), false, false},
    {QLatin1StringView("widgetcount"), false, false},
    {QLatin1StringView("nograb"), false, false},
    {QLatin1StringView("dograb"), false, false},
};

const QtOption* qtOption(QStringView name) {
    for (const QtOption& option : kQtOptions) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// The arguments without Qt's own options, which go to `command`'s platform and display.
QStringList setQtOptionsAside(const QStringList& arguments, CommandLine& command) {
    QStringList own;
    for (qsizetype n = 0; n < arguments.size(); ++n) {
        const QString& argument = arguments[n];
        QStringView name(argument);
        if (n == 0 || !name.startsWith(QLatin1Char('-')) || name == QLatin1String("--")) {
            own << argument;
            continue;
        }
        name = name.sliced(name.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (const QtOption* option = equals > 0 ? qtOption(name.first(equals)) : nullptr;
            option != nullptr && option->valueAfterEquals) {
            continue;
        }
        const QtOption* option = qtOption(name);
        if (option == nullptr) {
            own << argument;
            continue;
        }
        // Qt ignores a value missing at the end; so does the program.
        if (option->takesValue && n + 1 < arguments.size()) {
            const QString& value = arguments[++n];
            if (option->name == QLatin1String("platform")) {
                command.platform = value;
            } else if (option->name == QLatin1String("display")) {
                command.display = value;
            }
        }
    }
    return own;
}

CommandLine ending(int status, const QString& output) {
    CommandLine command;
    command.exitStatus = status;
    command.output = output;
    return command;
}

CommandLine mistake(const QString& what) {
    return ending(kUsageStatus,
                  QCoreApplication::translate("conteggo::CommandLine",
                                              "Conteggo: %1 (conteggo --help per l'aiuto)")
                      .arg(what));
}

// The first argument that is none of the program's options, named whole ("-sesion", not the
// "s" a parser would read into it).
std::optional<QString> unknownOption(const QStringList& own) {
    QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                      QStringLiteral("--version")};
    for (const auto& [verb, word] : kVerbs) {
        known << QStringLiteral("--") + QString::fromLatin1(word);
    }
    for (const QString& argument : own.mid(1)) {
        if (argument == QLatin1String("--")) {
            break;
        }
        if (argument.startsWith(QLatin1Char('-')) && !known.contains(argument)) {
            return argument;
        }
    }
    return std::nullopt;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const auto& [verb, word] : kVerbs) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(word), QString()));
    }
    CommandLine qt;
    const QStringList own = setQtOptionsAside(arguments, qt);
    if (const std::optional<QString> unknown = unknownOption(own)) {
        return mistake(
            QCoreApplication::translate("conteggo::CommandLine", "opzione sconosciuta \"%1\"")
                .arg(*unknown));
    }
    if (!parser.parse(own)) {
        return mistake(
            QCoreApplication::translate("conteggo::CommandLine", "riga di comando non valida"));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(
            QCoreApplication::translate("conteggo::CommandLine", "argomento inatteso \"%1\"")
                .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(help)) {
        return ending(0, QCoreApplication::translate("conteggo::CommandLine", kHelp));
    }
    if (parser.isSet(version)) {
        return ending(0, QStringLiteral("Conteggo %1\n").arg(QLatin1String(kVersion)));
    }
    // Every occurrence counts: "--start --start" is as unclear as "--start --stop".
    const QStringList given = parser.optionNames();
    if (given.size() > 1) {
        return mistake(
            QCoreApplication::translate("conteggo::CommandLine", "un solo comando alla volta"));
    }
    if (given.size() == 1) {
        qt.verb = verbFromWord(given.constFirst().toLatin1());
    }
    return qt;
}

CommandLine readCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int n = 0; n < argc; ++n) {
        arguments << QString::fromLocal8Bit(argv[n]);
    }
    const CommandLine command = parseCommandLine(arguments);
    if (command.exitStatus) {
        std::FILE* out = *command.exitStatus == 0 ? stdout : stderr;
        QByteArray text = command.output.toLocal8Bit();
        if (!text.endsWith('\n')) {
            text += '\n';
        }
        std::fputs(text.constData(), out);
    }
    return command;
}

}  // namespace conteggo
