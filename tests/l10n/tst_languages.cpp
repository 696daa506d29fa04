#include "mnemonics.h"
#include "programfixture.h"

#include "charts/chartview.h"
#include "l10n/translations.h"
#include "results/resultsreport.h"
#include "results/resultswindow.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program in a language for as long as this lives: its words and Qt's,
// and its numbers.
class InLanguage
{
public:
    explicit InLanguage(const QLocale &locale) : previous_(), translations_(locale)
    {
        QLocale::setDefault(locale);
        // The application learns of the translators (and of a right-to-left
        // language) from the event they post.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~InLanguage()
    {
        QLocale::setDefault(previous_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    const Translations &translations() const { return translations_; }

private:
    QLocale previous_;
    Translations translations_;
};

void fastRun(ProgramFixture &program, qint64 experiments)
{
    emit program.form1().resultsWindow()->fastRunRequested(experiments, RunPace::AtOnce);
    ProgramFixture::settle();
}

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Every word of the window's visible controls that does not show whole.
QStringList wordsCut(QWidget &window)
{
    QStringList cut;
    const auto tell = [&cut](const QWidget *w, const QString &text, const QString &why) {
        cut << QStringLiteral("%1 \"%2\": %3").arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                              : w->objectName(),
                                                  text, why);
    };
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window) || w->width() <= 0)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                tell(w, withoutMnemonic(button->text()),
                     QStringLiteral("needs %1 px, has %2").arg(button->sizeHint().width()).arg(button->width()));
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height() + 1)
                    tell(w, label->text().left(40),
                         QStringLiteral("needs %1 px high, has %2").arg(label->heightForWidth(label->width())).arg(label->height()));
            } else if (label->sizeHint().width() > label->width() + 1) {
                tell(w, withoutMnemonic(label->text()),
                     QStringLiteral("needs %1 px, has %2").arg(label->sizeHint().width()).arg(label->width()));
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (combo->sizeHint().width() > combo->width() + 1)
                tell(w, combo->currentText(),
                     QStringLiteral("needs %1 px, has %2").arg(combo->sizeHint().width()).arg(combo->width()));
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->fontMetrics().horizontalAdvance(withoutMnemonic(tabs->tabText(i))) > tabs->tabRect(i).width())
                    tell(w, withoutMnemonic(tabs->tabText(i)), QStringLiteral("the tab is cut"));
            }
        } else if (auto *chart = qobject_cast<ChartView *>(w)) {
            for (const QString &word : chart->wordsCut())
                tell(w, word, QStringLiteral("cut in the chart"));
        }
    }
    return cut;
}

QImage look(QWidget &window)
{
    return window.grab().toImage();
}

// The designed windows as they stand after the program starts: the main
// window, then the help window.
QList<QImage> designedWindows()
{
    ProgramFixture program;
    program.start(QStringLiteral("20"));
    QList<QImage> looks{look(*program.form1().window())};
    program.click(program.ui().Command6); // Help
    looks << look(*program.form2().window());
    return looks;
}

QString writeLearner(const QTemporaryDir &folder, const QString &name)
{
    QFile file(folder.filePath(name + QStringLiteral(".csv")));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("experiment,shots,hits,verdict,success_rate\n1,20,2,success,1\n2,20,0,failure,0.5\n");
    return file.fileName();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsFit_data();
    void wordsFit();
    void designedWindowsAsInEnglish_data();
    void designedWindowsAsInEnglish();
    void theDesktopsLanguage();

private:
    QList<QImage> english_;
};

void TestLanguages::initTestCase()
{
    // The second time, as every later one: the first help window of a
    // process differs from every later one in its last row of pixels.
    designedWindows();
    english_ = designedWindows();
    QCOMPARE(english_.size(), 2);
}

void TestLanguages::wordsFit_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // the program's words, empty for English
    QTest::addColumn<QString>("title");    // the Results window's

    QTest::newRow("Japanese") << "ja_JP" << "ja" << "\u7d50\u679c";
    QTest::newRow("Spanish") << "es_ES" << "es" << "Resultados";
    QTest::newRow("German") << "de_DE" << "de" << "Ergebnisse";
    QTest::newRow("French") << "fr_FR" << "fr" << "R\u00e9sultats";
    QTest::newRow("Chinese (Simplified)") << "zh_CN" << "zh_CN" << "\u7ed3\u679c";
    QTest::newRow("English") << "en_US" << "" << "Results";
    QTest::newRow("Arabic: English words, laid out right to left") << "ar_EG" << "" << "Results";
}

void TestLanguages::wordsFit()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, title);
    const InLanguage in{QLocale(locale)};
    QCOMPARE(in.translations().language(), language);
    const bool rightToLeft = QLocale(locale).textDirection() == Qt::RightToLeft;
    QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    program.form1().results().setPrediction(20, 0.6);
    fastRun(program, 1000);
    ResultsWindow &window = *program.form1().resultsWindow();
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // The designed window stays as designed.
    QCOMPARE(program.form1().window()->layoutDirection(), Qt::LeftToRight);
    QStringList cut = wordsCut(window);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("this computer's view, %1x%2: ").arg(window.width()).arg(window.height())
                                       + cut.join(QStringLiteral("; "))));
    // Each command its own key, the words of a run's Stop too.
    QStringList shared = sharedMnemonics(window);
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
    const QString runTen = window.findChild<QPushButton *>(QStringLiteral("run10000"))->text();
    window.setRunPlaying(10000);
    shared = sharedMnemonics(window);
    window.setRunPlaying(0);
    QVERIFY2(shared.isEmpty(), qPrintable(QStringLiteral("while a run plays: ") + shared.join(QStringLiteral("; "))));
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("run10000"))->text(), runTen);

    // As small as the window goes, as side by side on a small screen.
    const QSize opening = window.size();
    window.resize(window.leastSize());
    ProgramFixture::settle();
    cut = wordsCut(window);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("at its least, %1x%2: ").arg(window.width()).arg(window.height())
                                       + cut.join(QStringLiteral("; "))));
    window.resize(opening);
    ProgramFixture::settle();

    // The class, with a learner from a file and one counted by hand.
    QTemporaryDir folder;
    window.addResultsFiles({writeLearner(folder, QStringLiteral("Aiko")), writeLearner(folder, QStringLiteral("Ben"))});
    QVERIFY(QTest::qWaitFor([&window] { return !window.isReadingFiles(); }, 20000));
    ProgramFixture::settle();
    QVERIFY(window.showsClass());
    cut = wordsCut(window);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("the class's view: ") + cut.join(QStringLiteral("; "))));
}

void TestLanguages::designedWindowsAsInEnglish_data()
{
    wordsFit_data();
}

void TestLanguages::designedWindowsAsInEnglish()
{
    QFETCH(QString, locale);
    const InLanguage in{QLocale(locale)};
    const QList<QImage> looks = designedWindows();
    QCOMPARE(looks.size(), english_.size());
    for (qsizetype i = 0; i < looks.size(); ++i)
        QVERIFY2(looks[i] == english_[i], i == 0 ? "the main window differs" : "the help window differs");
}

void TestLanguages::theDesktopsLanguage()
{
    // Run by CTest with LANG set, as a desktop sets it (skipped otherwise).
    const QString expected = qEnvironmentVariable("SHOOTALOT_TEST_LANG");
    if (expected.isEmpty())
        QSKIP("run with LANG and SHOOTALOT_TEST_LANG set (CTest's languages_lang_* entries)");
    const Translations translations; // as the program does at start
    QCOMPARE(translations.language(), expected);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 200);
    ResultsWindow &window = *program.form1().resultsWindow();
    const QString summary = window.findChild<QLabel *>(QStringLiteral("summary"))->text();
    if (expected == u"de") {
        // The learner's numbers on the screen, the C locale in the file.
        QVERIFY2(summary.contains(QStringLiteral("87,84 %")), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("Theorie")), qPrintable(summary));
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(ResultsReport::writeCsv(program.form1().results().series(), csv));
        const QList<QByteArray> lines = csv.data().split('\n');
        QVERIFY(lines.size() > 2);
        QVERIFY2(lines.at(1).startsWith("1,20,") && lines.at(1).contains('.'), lines.at(1).constData());
        QVERIFY(!lines.at(1).contains(';'));
        QVERIFY2(ResultsReport(program.form1().results()).table().contains(QStringLiteral("0.8784")),
                 "the copied table has the theory with a dot");
    } else if (expected == u"ja") {
        QCOMPARE(window.windowTitle(), QStringLiteral("\u7d50\u679c"));
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("save"))->text(), QStringLiteral("\u4fdd\u5b58(&S)..."));
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("close"))->text(), QStringLiteral("\u9589\u3058\u308b(&L)"));
        QVERIFY2(summary.contains(QStringLiteral("\u6210\u529f\u7387")), qPrintable(summary));
    } else if (expected == u"es") {
        // Spanish words (LANGUAGE's first that the program speaks), and
        // the numbers of LANG's locale, Japanese: a dot.
        QCOMPARE(window.windowTitle(), QStringLiteral("Resultados"));
        QVERIFY2(summary.contains(QStringLiteral("87.84 %")), qPrintable(summary));
    } else {
        QFAIL("no expectation for this language");
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
