// The language a program picks for its own texts and for Qt's, under the desktop's language.
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "translations.h"

namespace {

const char* const kProgramText = "Allarme a %1: suono non riprodotto";

// A program started under the environment's language: prints the language it picked, whether
// its own texts are translated, and Qt's text for "Undo", one a line.
int probe(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString language = conteggo::installTranslations(app);
    const bool translated = QCoreApplication::translate("conteggo::CanberraPlayer", kProgramText) !=
                            QLatin1String(kProgramText);
    std::printf("%s\n%d\n%s\n", qPrintable(language), translated ? 1 : 0,
                qPrintable(QCoreApplication::translate("QLineEdit", "&Undo")));
    return 0;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void languageOfTheDesktop_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");  // the probe's three lines
        const QString italian = QStringLiteral("it\n0\nAnn&ulla\n");
        QTest::newRow("C") << QStringLiteral("C") << italian;
        QTest::newRow("it_IT") << QStringLiteral("it_IT.UTF-8") << italian;
        QTest::newRow("de_DE, no translation") << QStringLiteral("de_DE.UTF-8") << italian;
        QTest::newRow("en_US") << QStringLiteral("en_US.UTF-8") << QStringLiteral("en\n1\n&Undo\n");
    }

    void languageOfTheDesktop() {
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), lang);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), expected);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && qstrcmp(argv[1], "--probe") == 0) {
        return probe(argc, argv);
    }
    QCoreApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translations.moc"
