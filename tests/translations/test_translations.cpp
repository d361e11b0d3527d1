// The language a program picks for its own texts and for Qt's, under the desktop's language.
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "translations.h"

// Started under a language: prints the language picked, whether the program's own texts are
// translated, and Qt's "Undo".
static int probe(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString language = conteggo::installTranslations(app);
    const char* text = "Allarme a %1: suono non riprodotto";
    const bool translated =
        QCoreApplication::translate("conteggo::CanberraPlayer", text) != QLatin1String(text);
    std::printf("%s %d %s\n", qPrintable(language), translated ? 1 : 0,
                qPrintable(QCoreApplication::translate("QLineEdit", "&Undo")));
    return 0;
}

class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void languageOfTheDesktop_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("printed");
        const QString italian = QStringLiteral("it 0 Ann&ulla\n");
        QTest::newRow("C") << QStringLiteral("C") << italian;
        QTest::newRow("it_IT") << QStringLiteral("it_IT.UTF-8") << italian;
        QTest::newRow("de_DE, no translation") << QStringLiteral("de_DE.UTF-8") << italian;
        QTest::newRow("en_US") << QStringLiteral("en_US.UTF-8") << QStringLiteral("en 1 &Undo\n");
    }

    void languageOfTheDesktop() {
        QFETCH(QString, lang);
        QFETCH(QString, printed);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), lang);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), printed);
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
