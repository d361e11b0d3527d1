// Every text each window shows, in Italian and in each language the program ships, found by
// its translation file: in Italian one of the texts the program is written with, in another
// language one of that file's. A text that escaped the translation shows up here in the wrong
// language. And in every language, at the default font and at 16 points, every text of the
// alarm dialog and the information window fits its control.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "dialog.h"
#include "fits.h"
#include "form_bench.h"
#include "infomio.h"
#include "version.h"

namespace {

// The languages of the translation files, and Italian, in which the program is written.
QStringList languages() {
    QStringList found{QStringLiteral("it")};
    for (const QString& file :
         QDir(QStringLiteral(CONTEGGO_TRANSLATIONS)).entryList({QStringLiteral("conteggo_*.ts")})) {
        found << file.section(u'_', 1).section(u'.', 0, 0);
    }
    return found;
}

// The texts of `language`: the sources of any translation file (Italian) or the translations
// of its own, each as a pattern in which %1, %2... stand for anything.
QList<QRegularExpression> textsOfTheFile(const QString& language) {
    const bool italian = language == QLatin1String("it");
    QFile file(QStringLiteral(CONTEGGO_TRANSLATIONS "/conteggo_%1.ts")
                   .arg(italian ? QStringLiteral("en") : language));
    QList<QRegularExpression> texts;
    if (!file.open(QIODevice::ReadOnly)) {
        return texts;
    }
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() &&
            xml.name() == (italian ? QLatin1String("source") : QLatin1String("translation"))) {
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

// The program's texts in `language` for as long as it lives.
class Speaking {
  public:
    explicit Speaking(const QString& language) {
        if (language != QLatin1String("it") &&
            translator_.load(QStringLiteral(":/i18n/conteggo_%1.qm").arg(language))) {
            QCoreApplication::installTranslator(&translator_);
        }
    }
    ~Speaking() { QCoreApplication::removeTranslator(&translator_); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
    bool speaks() const { return !translator_.isEmpty(); }

  private:
    QTranslator translator_;
};

// One of the three windows over a main window with the alarm on, so its button and bar speak.
struct Windows {
    FormBench bench;
    std::unique_ptr<QWidget> shown;
    QWidget& open(const QString& window) {
        conteggo::Form1& form = bench.open("5\r\n", "0\r\n0\r\n300\r\n60\r\n#TRUE#\r\n");
        if (window == QLatin1String("alarm dialog")) {
            shown = std::make_unique<conteggo::Dialog>(conteggo::AlarmSettings{}, &form);
        } else if (window == QLatin1String("information window")) {
            shown = std::make_unique<conteggo::infomio>(QString::fromUtf8(conteggo::kProgramTitle),
                                                        &form);
        }
        return shown ? *shown : static_cast<QWidget&>(form);
    }
};

}  // namespace

class TestWindowTexts : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { font_ = QApplication::font(); }
    void cleanup() { QApplication::setFont(font_); }

    void everyTextInTheLanguage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const QString& language : languages()) {
            for (const char* window : {"main window", "alarm dialog", "information window"}) {
                QTest::addRow("%s, %s", window, qPrintable(language))
                    << QString::fromLatin1(window) << language;
            }
        }
    }
    void everyTextInTheLanguage() {
        QFETCH(QString, window);
        QFETCH(QString, language);
        const Speaking speaking(language);
        QVERIFY(speaking.speaks() || language == QLatin1String("it"));
        Windows windows;
        const QStringList texts = textsOf(windows.open(window));
        QVERIFY(texts.size() >= 5);
        const QList<QRegularExpression> known = textsOfTheFile(language);
        QVERIFY(!known.isEmpty());
        QStringList strangers;
        for (const QString& text : texts) {
            if (std::none_of(known.begin(), known.end(), [&](const QRegularExpression& p) {
                    return p.match(text).hasMatch();
                })) {
                strangers << text;
            }
        }
        QVERIFY2(strangers.isEmpty(), qPrintable(strangers.join(QStringLiteral(" | "))));
    }

    // The windows that use the desktop's font grow to fit it, in every language; the main
    // window keeps its own fonts and size.
    void textsFit_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("points");
        for (const QString& language : languages()) {
            QTest::addRow("%s, default font", qPrintable(language)) << language << 0.0;
            QTest::addRow("%s, 16 pt", qPrintable(language)) << language << 16.0;
        }
    }
    void textsFit() {
        QFETCH(QString, language);
        QFETCH(double, points);
        if (points > 0) {
            QFont font = QApplication::font();
            font.setPointSizeF(points);
            QApplication::setFont(font);
        }
        const Speaking speaking(language);
        for (const char* window : {"alarm dialog", "information window"}) {
            Windows windows;
            checkFits(&windows.open(QString::fromLatin1(window)));
            if (QTest::currentTestFailed()) {
                return;
            }
            QCOMPARE(windows.bench.form->width(), 197);
            QCOMPARE(windows.bench.find<QLabel>("Label1")->font().pointSize(), 18);
        }
    }

  private:
    QFont font_;
};

QTEST_MAIN(TestWindowTexts)
#include "test_window_texts.moc"
