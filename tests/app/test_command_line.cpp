#include <QTest>

#include "command_line.h"
#include "version.h"

using conteggo::CommandLine;
using conteggo::parseCommandLine;
using conteggo::Verb;

Q_DECLARE_METATYPE(std::optional<Verb>)
Q_DECLARE_METATYPE(std::optional<int>)

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("arguments");  // split at spaces
        QTest::addColumn<std::optional<Verb>>("verb");
        QTest::addColumn<std::optional<int>>("exitStatus");
        QTest::addColumn<QByteArray>("outputHas");

        const std::optional<Verb> none;
        const std::optional<int> goOn;
        QTest::newRow("plain start") << QByteArray() << none << goOn << QByteArray();
        QTest::newRow("--start") << QByteArray("--start") << std::optional(Verb::Start) << goOn
                                 << QByteArray();
        QTest::newRow("--stop") << QByteArray("--stop") << std::optional(Verb::Stop) << goOn
                                << QByteArray();
        QTest::newRow("--toggle") << QByteArray("--toggle") << std::optional(Verb::Toggle) << goOn
                                  << QByteArray();
        QTest::newRow("--reset") << QByteArray("--reset") << std::optional(Verb::Reset) << goOn
                                 << QByteArray();
        QTest::newRow("--show") << QByteArray("--show") << std::optional(Verb::Show) << goOn
                                << QByteArray();
        QTest::newRow("--help") << QByteArray("--help") << none << std::optional(0)
                                << QByteArray("--toggle");
        QTest::newRow("-h wins over a verb")
            << QByteArray("--start -h") << none << std::optional(0) << QByteArray("--reset");
        QTest::newRow("--version") << QByteArray("--version") << none << std::optional(0)
                                   << QByteArray("Conteggo ") + conteggo::kVersion;
        // Qt's own options are left to Qt, as in any Qt program.
        QTest::newRow("restored by the session")
            << QByteArray("-session 1a2b_3c") << none << goOn << QByteArray();
        QTest::newRow("Qt's options beside a verb")
            << QByteArray("-style Fusion --reverse --toggle -platform xcb -stylesheet=a.qss")
            << std::optional(Verb::Toggle) << goOn << QByteArray();
        QTest::newRow("an option neither knows")
            << QByteArray("-sesion 1") << none << std::optional(2) << QByteArray("sesion");
        QTest::newRow("two verbs") << QByteArray("--start --stop") << none << std::optional(2)
                                   << QByteArray("un solo comando");
        QTest::newRow("one verb twice") << QByteArray("--toggle --toggle") << none
                                        << std::optional(2) << QByteArray("un solo comando");
        QTest::newRow("unknown option")
            << QByteArray("--begin") << none << std::optional(2) << QByteArray("begin");
        QTest::newRow("single dash word")
            << QByteArray("-start") << none << std::optional(2) << QByteArray("sconosciuta");
        QTest::newRow("value on a verb")
            << QByteArray("--start=now") << none << std::optional(2) << QByteArray("Conteggo:");
        QTest::newRow("a word") << QByteArray("start") << none << std::optional(2)
                                << QByteArray("argomento inatteso \"start\"");
        QTest::newRow("a word after a verb")
            << QByteArray("--start later") << none << std::optional(2) << QByteArray("later");
    }

    void parse() {
        QFETCH(QByteArray, arguments);
        QFETCH(std::optional<Verb>, verb);
        QFETCH(std::optional<int>, exitStatus);
        QFETCH(QByteArray, outputHas);
        QStringList argv{QStringLiteral("conteggo")};
        for (const QByteArray& word : arguments.split(' ')) {
            if (!word.isEmpty()) {
                argv << QString::fromUtf8(word);
            }
        }
        const CommandLine command = parseCommandLine(argv);
        QCOMPARE(command.verb, verb);
        QCOMPARE(command.exitStatus, exitStatus);
        QVERIFY2(command.output.contains(QString::fromUtf8(outputHas)), qPrintable(command.output));
        // A mistake is one line; a verb or a plain start prints nothing.
        if (exitStatus && *exitStatus != 0) {
            QVERIFY(!command.output.contains(QLatin1Char('\n')));
        }
        if (!exitStatus) {
            QVERIFY(command.output.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
