// The language a program picks for its own texts and for Qt's, under the desktop's language.
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "translations.h"

// Started under a language: prints the language picked, whether the program's own texts are
// translated, and Qt's "Undo" (no blank in any language's).
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
    // Each language of a translation file is spoken, Qt's texts too; Italian for the C locale,
    // for Italian and for a language without a file.
    void languageOfTheDesktop_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::newRow("C") << QStringLiteral("C") << QStringLiteral("it");
        QTest::newRow("it_IT") << QStringLiteral("it_IT.UTF-8") << QStringLiteral("it");
        QTest::newRow("ja_JP, no file") << QStringLiteral("ja_JP.UTF-8") << QStringLiteral("it");
        for (const QString& file : QDir(QStringLiteral(CONTEGGO_TRANSLATIONS))
                                       .entryList({QStringLiteral("conteggo_*.ts")})) {
            const QString language = file.section(u'_', 1).section(u'.', 0, 0);
            const QString lang = QLocale(language).name() + QStringLiteral(".UTF-8");
            QTest::newRow(qPrintable(lang)) << lang << language;
        }
    }

    void languageOfTheDesktop() {
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), lang);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
        QVERIFY(program.waitForFinished(60000));
        const QStringList printed =
            QString::fromUtf8(program.readAllStandardOutput()).trimmed().split(u' ');
        QCOMPARE(printed.value(0), language);
        const bool italian = language == QLatin1String("it");
        QCOMPARE(printed.value(1), italian ? QStringLiteral("0") : QStringLiteral("1"));
        // Qt's own "Undo", from Debian's translations: Italian's own, or another.
        QCOMPARE(printed.value(2) == QLatin1String("Ann&ulla"), italian);
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
