// Every text each window shows, in Italian and in English: in Italian one of the texts the
// program is written with, in English one of the translation file's. A text that escaped the
// translation shows up here in the wrong language.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "dialog.h"
#include "form_bench.h"
#include "infomio.h"
#include "version.h"

namespace {

// The sources (Italian) or the translations (English) of the translation file, each as a
// pattern in which %1, %2... stand for anything.
QList<QRegularExpression> textsOfTheFile(bool english) {
    QFile file(QStringLiteral(CONTEGGO_TRANSLATIONS "/conteggo_en.ts"));
    QList<QRegularExpression> texts;
    if (!file.open(QIODevice::ReadOnly)) {
        return texts;
    }
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() &&
            xml.name() == (english ? QLatin1String("translation") : QLatin1String("source"))) {
            QStringList parts =
                xml.readElementText().split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& part : parts) {
                part = QRegularExpression::escape(part);
            }
            texts << QRegularExpression(
                QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".+"))));
        } else if (!xml.isStartElement()) {
            xml.readNext();
        }
    }
    return texts;
}

// What a person sees or hears of the window: titles, labels, buttons, tips, and what a screen
// reader says. Counts, the program's name and version and its address are no language.
QStringList textsOf(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    QStringList texts{window.windowTitle()};
    for (QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        }
    }
    const QRegularExpression noLanguage(QStringLiteral("^[0-9:.,\\s]*[A-Z]?$"));
    QStringList spoken;
    for (const QString& text : texts) {
        if (!noLanguage.match(text).hasMatch() && text != QLatin1String(conteggo::kProgramTitle) &&
            text != QLatin1String("conteggo.example.org")) {
            spoken << text;
        }
    }
    return spoken;
}

}  // namespace

class TestWindowTexts : public QObject {
    Q_OBJECT

  private slots:
    void everyTextInTheLanguage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("english");
        for (const char* window : {"main window", "alarm dialog", "information window"}) {
            QTest::addRow("%s, Italian", window) << QString::fromLatin1(window) << false;
            QTest::addRow("%s, English", window) << QString::fromLatin1(window) << true;
        }
    }

    void everyTextInTheLanguage() {
        QFETCH(QString, window);
        QFETCH(bool, english);
        QTranslator translator;
        if (english) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/conteggo_en.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        FormBench bench;
        // The alarm on, so its button and bar speak too.
        conteggo::Form1& form = bench.open("5\r\n", "0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n");
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("alarm dialog")) {
            shown = std::make_unique<conteggo::Dialog>(conteggo::AlarmSettings{}, &form);
        } else if (window == QLatin1String("information window")) {
            shown = std::make_unique<conteggo::infomio>(QString::fromUtf8(conteggo::kProgramTitle),
                                                        &form);
        }
        QWidget& judged = shown ? *shown : static_cast<QWidget&>(form);

        const QList<QRegularExpression> language = textsOfTheFile(english);
        QVERIFY(!language.isEmpty());
        const QStringList texts = textsOf(judged);
        QVERIFY(texts.size() >= 5);
        QStringList strangers;
        for (const QString& text : texts) {
            if (std::none_of(language.begin(), language.end(), [&](const QRegularExpression& p) {
                    return p.match(text).hasMatch();
                })) {
                strangers << text;
            }
        }
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(strangers.isEmpty(), qPrintable(strangers.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestWindowTexts)
#include "test_window_texts.moc"
