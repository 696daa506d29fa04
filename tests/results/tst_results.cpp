#include "programfixture.h"
#include "mnemonics.h"
#include "withoutpermissions.h"

#include "results/resultsreport.h"
#include "results/resultstatistics.h"
#include "formkit/formlabel.h"
#include "formkit/picturebox.h"
#include "runtime/runtimefunctions.h"
#include "charts/chartview.h"
#include "results/resultscharts.h"
#include "results/resultswindow.h"
#include "results/missgridview.h"
#include "results/handout.h"
#include "results/resultsfile.h"
#include "results/classresults.h"
#include "results/classreport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QDoubleSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The results after `experiments` more judged by a fast run of the Results
// window, as the learner asks for it.
void fastRun(ProgramFixture &program, qint64 experiments)
{
    emit program.form1().resultsWindow()->fastRunRequested(experiments, RunPace::AtOnce);
    ProgramFixture::settle();
}

// How the main window stands: every control's place and state, the focus
// and the run state. Nothing of it may change when the Results window is
// opened, used or closed.
QStringList mainWindowAsItStands(ProgramFixture &program)
{
    QStringList lines;
    FormWindow *window = program.form1().window();
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || qobject_cast<const QMenu *>(w))
            continue;
        const QRect g = w->geometry();
        lines << QStringLiteral("%1 %2,%3 %4x%5 %6%7")
                     .arg(w->objectName())
                     .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                     .arg(w->isEnabled() ? u'E' : u'-')
                     .arg(w->isVisible() ? u'V' : u'-');
    }
    lines << QStringLiteral("window %1x%2").arg(window->width()).arg(window->height());
    lines << QStringLiteral("focus %1").arg(window->focusWidget() ? window->focusWidget()->objectName() : QString());
    lines << QStringLiteral("run state %1").arg(program.runState());
    lines.sort();
    return lines;
}

// Writes beyond `bytes` fail, as on a full disk (and the signal that would
// end the process is ignored, as the write's error says it all).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A disk of `bytes` (tmpfs) mounted at path for as long as this lives,
// where this process may mount one.
class SmallDisk
{
public:
    SmallDisk(const QString &path, qint64 bytes) : path_(path)
    {
        QDir().mkpath(path);
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                      QStringLiteral("-o"), QStringLiteral("size=%1").arg(bytes),
                                      QStringLiteral("tmpfs"), path}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {path_});
    }
    bool mounted() const { return mounted_; }
    QString path() const { return path_; }

private:
    QString path_;
    bool mounted_ = false;
};

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void fastRunsAgreeWithTheCounters_data();
    void fastRunsAgreeWithTheCounters();
    void hitsFollowTheBinomial();
    void fastRunsOnlyWhenNothingElseFires_data();
    void fastRunsOnlyWhenNothingElseFires();
    void opensWithoutTouchingTheMainWindow_data();
    void opensWithoutTouchingTheMainWindow();
    void goesAndComesBackWithTheMainWindow();
    void seriesFollowTheCounters();
    void predictionInWords_data();
    void predictionInWords();
    void predictionAsTyped_data();
    void predictionAsTyped();
    void chartsTellTheirNumbers();
    void aPredictionOfAHundredIsSeen();
    void aWatchedRunEndsAsARunAtOnce_data();
    void aWatchedRunEndsAsARunAtOnce();
    void stoppingAWatchedRunLeavesEverythingInAgreement();
    void successesMinusExpected_data();
    void successesMinusExpected();
    void wordsAtTheFewestExperiments_data();
    void wordsAtTheFewestExperiments();
    void csvRoundTrip_data();
    void csvRoundTrip();
    void savingThatFailsKeepsTheOldFile_data();
    void savingThatFailsKeepsTheOldFile();
    void savingReplacesTheOldFile_data();
    void savingReplacesTheOldFile();
    void savingALongSeriesLeavesTheWindowAnswering();
    void copyPutsTheTablesOnTheClipboard();
    void chartsAsPictures_data();
    void chartsAsPictures();
    void aPictureThatCannotBeSavedKeepsTheOldFile();
    void picturesInTheSizeAsked_data();
    void picturesInTheSizeAsked();
    void allChartsSavedAtOnce_data();
    void allChartsSavedAtOnce();
    void theHandoutFitsItsPage_data();
    void theHandoutFitsItsPage();
    void theHandoutPrintedAndExported_data();
    void theHandoutPrintedAndExported();
    void noTwoControlsShareAMnemonic_data();
    void noTwoControlsShareAMnemonic();
};

void TestResults::fastRunsAgreeWithTheCounters_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<int>("shotsFirst"); // fired by hand before the run
    QTest::addColumn<qint64>("experiments");

    QTest::newRow("10,000 at N = 50, from the ready state") << "50" << 0 << qint64(10000);
    QTest::newRow("1,000 at N = 20, after a whole experiment by hand") << "20" << 20 << qint64(1000);
    QTest::newRow("100 at N = 5, finishing an experiment under way") << "5" << 3 << qint64(100);
}

void TestResults::fastRunsAgreeWithTheCounters()
{
    QFETCH(QString, n);
    QFETCH(int, shotsFirst);
    QFETCH(qint64, experiments);
    const int shots = n.toInt();

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(n);
    program.form1().showResults();
    for (int i = 0; i < shotsFirst; ++i)
        program.click(program.ui().Command1);
    const qint64 before = program.state().experimentsJudged();
    const int playsBefore = program.sound.plays;

    fastRun(program, experiments);

    // The counters, the series and the main window's labels tell one story.
    const ExperimentState &state = program.state();
    const ExperimentResults &results = program.form1().results();
    QCOMPARE(state.experimentsJudged(), before + experiments);
    QCOMPARE(results.experiments(), state.experimentsJudged());
    QCOMPARE(results.successes(), state.Successes);
    qint64 histogramTotal = 0;
    for (qint64 count : results.hitCounts())
        histogramTotal += count;
    QCOMPARE(histogramTotal, results.experiments());
    QCOMPARE(results.hitCounts().at(0), state.Failures);
    QCOMPARE(results.acrossN().at(shots).experiments, results.experiments());
    QCOMPARE(results.acrossN().at(shots).successes, state.Successes);
    Form1Controls &c = program.ui();
    QCOMPARE(c.Label11.caption(), runtime::IntegerToText(state.experimentsJudged()));
    QCOMPARE(c.Label13.caption(), runtime::IntegerToText(state.Successes));
    QCOMPARE(c.Label5.caption(), runtime::Format(double(state.Successes) / double(state.experimentsJudged()),
                                                 u"0.0000000"));
    QCOMPARE(c.Label9.caption(), state.Hits > 0 ? QStringLiteral("Success") : QStringLiteral("Failure"));
    QCOMPARE(results.hitsOf(results.experiments()), state.Hits);

    // The plot shows the last experiment's shots, and one cue told its end.
    QCOMPARE(state.ShotIndex, shots);
    QCOMPARE(c.Label4.caption(), n);
    QCOMPARE(c.Picture1.circlesDrawn(), shots);
    QCOMPARE(program.sound.plays - playsBefore, 1);
    QCOMPARE(program.runState(), QStringLiteral("1101110")); // the manual state: Init is offered

    // The rate is where chance puts it.
    const double p = stats::theoryRate(shots);
    const double rate = double(results.successes()) / double(results.experiments());
    QVERIFY2(std::abs(rate - p) <= 4 * stats::standardError(p, results.experiments()),
             qPrintable(QStringLiteral("rate %1 against %2").arg(rate).arg(p)));

    // The next Firing goes on from there.
    program.click(c.Command1);
    QCOMPARE(state.ShotIndex, 1);
    QCOMPARE(c.Label11.caption(), runtime::IntegerToText(before + experiments));
}

void TestResults::hitsFollowTheBinomial()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100000);
    const ExperimentResults &results = program.form1().results();
    QCOMPARE(results.experiments(), qint64(100000));

    // Pearson's chi-square, the sparse tail pooled into one class so that
    // every class expects at least 5.
    double chiSquare = 0;
    int classes = 0;
    double seenTail = 0;
    double expectedTail = 0;
    for (int hits = 20; hits >= 0; --hits) {
        seenTail += double(results.hitCounts().at(std::size_t(hits)));
        expectedTail += 100000 * stats::binomialProbability(20, hits);
        if (expectedTail >= 5) {
            chiSquare += (seenTail - expectedTail) * (seenTail - expectedTail) / expectedTail;
            ++classes;
            seenTail = expectedTail = 0;
        }
    }
    // What chi-square passes only once in a thousand, by degrees of freedom.
    const double critical[] = {10.83, 13.82, 16.27, 18.47, 20.52, 22.46, 24.32, 26.12, 27.88, 29.59,
                               31.26, 32.91, 34.53, 36.12, 37.70};
    QVERIFY(classes >= 2 && classes - 1 <= int(std::size(critical)));
    QVERIFY2(chiSquare < critical[classes - 2],
             qPrintable(QStringLiteral("chi-square %1 over %2 classes").arg(chiSquare).arg(classes)));
}

void TestResults::fastRunsOnlyWhenNothingElseFires_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("offered");

    QTest::newRow("ready") << "ready" << true;
    QTest::newRow("firing by hand") << "manual" << true;
    QTest::newRow("automatic firing") << "automatic" << false;
    QTest::newRow("automatic firing stopped") << "stopped" << true;
    QTest::newRow("the shot-count box open") << "dialog" << false;
}

void TestResults::fastRunsOnlyWhenNothingElseFires()
{
    QFETCH(QString, state);
    QFETCH(bool, offered);

    ProgramFixture program(ProgramFixture::Randomness::Production, ProgramFixture::Boxes::Real);
    program.start();
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    auto *run100 = window.findChild<QPushButton *>(QStringLiteral("run100"));
    QVERIFY(run100);
    Form1Controls &c = program.ui();
    if (state == "manual")
        program.click(c.Command1);
    if (state == "automatic" || state == "stopped")
        program.click(c.Command2);
    if (state == "stopped")
        program.click(c.Command3);
    const QString runState = program.runState();

    if (state == "dialog") {
        // Init's box is open: the program waits on it, and nothing runs.
        qint64 judgedWhileOpen = -1;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            emit window.fastRunRequested(100, RunPace::AtOnce);
            judgedWhileOpen = program.state().experimentsJudged();
            QLineEdit *field = box->findChild<QLineEdit *>();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, QStringLiteral("20"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        poll.start();
        program.click(c.Command1);
        program.click(c.Command5);
        QCOMPARE(judgedWhileOpen, qint64(0));
        return;
    }

    QCOMPARE(run100->isEnabled(), offered);
    const qint64 before = program.state().experimentsJudged();
    fastRun(program, 100); // even when asked for by other means than the button
    QCOMPARE(program.state().experimentsJudged(), before + (offered ? 100 : 0));
    if (!offered)
        QCOMPARE(program.runState(), runState);
}

void TestResults::opensWithoutTouchingTheMainWindow_data()
{
    QTest::addColumn<QString>("way");

    QTest::newRow("F2") << "F2";
    QTest::newRow("the right mouse button, then Results") << "mouse";
    QTest::newRow("Shift+F10, then Results") << "Shift+F10";
    QTest::newRow("the Menu key, then Results") << "Menu";
}

void TestResults::opensWithoutTouchingTheMainWindow()
{
    QFETCH(QString, way);

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start();
    FormWindow *window = program.form1().window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    program.click(program.ui().Command1);
    program.ui().Command1.setFocus();
    const QStringList before = mainWindowAsItStands(program);

    const auto chooseResultsFromTheMenu = [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(!menu->actions().isEmpty());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Results"));
        QCOMPARE(menu->actions().first()->shortcut(), QKeySequence(Qt::Key_F2));
        menu->actions().first()->trigger();
        menu->close();
    };
    if (way == "F2") {
        QTest::keyClick(window, Qt::Key_F2);
    } else if (way == "mouse") {
        FormLabel &label = program.ui().Label11;
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, label.mapTo(window, label.rect().center()));
        chooseResultsFromTheMenu();
    } else {
        QTest::keyClick(window, way == "Menu" ? Qt::Key_Menu : Qt::Key_F10,
                        way == "Menu" ? Qt::NoModifier : Qt::ShiftModifier);
        chooseResultsFromTheMenu();
    }
    ProgramFixture::settle();

    ResultsWindow *results = program.form1().resultsWindow();
    QVERIFY(results);
    QVERIFY(results->isVisible());
    QCOMPARE(results->windowTitle(), QStringLiteral("Results"));
    QVERIFY(results->isWindow());
    QVERIFY(!results->windowIcon().isNull());

    // Used and closed, it leaves the main window as it stood.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    program.ui().Command1.setFocus();
    QCOMPARE(mainWindowAsItStands(program), before);
    results->findChild<QDoubleSpinBox *>(QStringLiteral("prediction"))->setValue(70);
    results->findChild<QPushButton *>(QStringLiteral("close"))->click();
    QVERIFY(!results->isVisible());
    QCOMPARE(mainWindowAsItStands(program), before);
}

void TestResults::goesAndComesBackWithTheMainWindow()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start();
    program.form1().showResults();
    QPointer<ResultsWindow> results = program.form1().resultsWindow();
    QVERIFY(results && results->isVisible());

    program.click(program.ui().Command6); // Help: the main window goes, and the Results window with it
    QVERIFY(!program.form1().isLoaded());
    QVERIFY(!results);

    program.dialogs.answer(QStringLiteral("20"));
    program.click(program.help().Command1); // Close: back to the main window
    QVERIFY(program.form1().isLoaded());
    program.form1().showResults();
    QVERIFY(program.form1().resultsWindow() && program.form1().resultsWindow()->isVisible());
}

void TestResults::seriesFollowTheCounters()
{
    // Load and Init start a new series as they reset the counters; the
    // points across N stay for the whole run.
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("10"));
    program.form1().showResults();
    const ExperimentResults &results = program.form1().results();
    fastRun(program, 100);
    QCOMPARE(results.experiments(), qint64(100));

    program.dialogs.answer(QStringLiteral("30"));
    program.click(program.ui().Command5); // Init
    QCOMPARE(results.experiments(), qint64(0));
    QCOMPARE(results.shotsPerExperiment(), 30);
    fastRun(program, 100);

    program.click(program.ui().Command6); // Help
    program.dialogs.answer(QStringLiteral("10"));
    program.click(program.help().Command1); // Close: the main window loads again
    QCOMPARE(results.experiments(), qint64(0));
    QCOMPARE(results.shotsPerExperiment(), 10);
    QCOMPARE(results.acrossN().size(), std::size_t(2));
    QCOMPARE(results.acrossN().at(10).experiments, qint64(100));
    QCOMPARE(results.acrossN().at(30).experiments, qint64(100));
}

void TestResults::predictionInWords_data()
{
    QTest::addColumn<int>("predictedPercent"); // -1: none
    QTest::addColumn<qint64>("experiments");
    QTest::addColumn<QString>("said");

    QTest::newRow("no prediction") << -1 << qint64(100) << "";
    QTest::newRow("before running") << 50 << qint64(0) << "Your prediction: 50.00 %.";
    QTest::newRow("the additive mistake, too high") << 100 << qint64(1000) << "points higher than the experiments";
    QTest::newRow("too low") << 10 << qint64(1000) << "points lower than the experiments";
}

void TestResults::predictionInWords()
{
    QFETCH(int, predictedPercent);
    QFETCH(qint64, experiments);
    QFETCH(QString, said);

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("10"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    window.findChild<QDoubleSpinBox *>(QStringLiteral("prediction"))->setValue(predictedPercent);
    ProgramFixture::settle();
    if (experiments > 0)
        fastRun(program, experiments);

    const QString summary = window.findChild<QLabel *>(QStringLiteral("summary"))->text();
    QVERIFY2(summary.contains(QStringLiteral("Theory: 1 - 0.9^10 = 65.13 %")), qPrintable(summary));
    if (said.isEmpty())
        QVERIFY2(!summary.contains(QStringLiteral("prediction")), qPrintable(summary));
    else
        QVERIFY2(summary.contains(said), qPrintable(summary));
    // What the learner guessed stays with its N for the rest of the run.
    const auto kept = program.form1().results().prediction(10);
    QCOMPARE(kept.has_value(), predictedPercent >= 0);
    if (kept)
        QCOMPARE(*kept, predictedPercent / 100.0);
}

void TestResults::predictionAsTyped_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("kept"); // the prediction after Return, in percent; -1: none
    QTest::addColumn<bool>("refused");

    // The prediction is 10 % before each row.
    QTest::newRow("a whole percent") << "en_US" << "60" << 60.0 << false;
    QTest::newRow("a decimal point") << "en_US" << "99.5" << 99.5 << false;
    QTest::newRow("a decimal comma, in German") << "de_DE" << "50,5" << 50.5 << false;
    QTest::newRow("100 %, the additive mistake") << "en_US" << "100" << 100.0 << false;
    QTest::newRow("beyond 100: refused, not cut to 10") << "en_US" << "101" << 10.0 << true;
    QTest::newRow("a number with an exponent: refused") << "en_US" << "1e3" << 10.0 << true;
    QTest::newRow("a comma where English has a point: refused") << "en_US" << "50,5" << 10.0 << true;
    QTest::newRow("two decimals: refused, not rounded") << "en_US" << "99.55" << 10.0 << true;
    QTest::newRow("below nothing: refused") << "en_US" << "-5" << 10.0 << true;
    QTest::newRow("words: refused") << "en_US" << "half" << 10.0 << true;
    QTest::newRow("emptied: no prediction") << "en_US" << "" << -1.0 << false;
}

void TestResults::predictionAsTyped()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(double, kept);
    QFETCH(bool, refused);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });

    ProgramFixture program;
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    auto *field = window.findChild<QDoubleSpinBox *>(QStringLiteral("prediction"));
    QVERIFY(field);
    field->setLocale(QLocale(locale));
    field->setValue(10);
    QCOMPARE(program.form1().results().prediction(20), std::optional<double>(0.10));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, typed);
    // What is typed stays in the field as typed until Return.
    if (!typed.isEmpty())
        QVERIFY2(field->text().startsWith(typed), qPrintable(field->text()));
    QTest::keyClick(field, Qt::Key_Return);

    const auto prediction = program.form1().results().prediction(20);
    if (kept < 0)
        QVERIFY(!prediction);
    else
        QCOMPARE(prediction, std::optional<double>(kept / 100.0));
    auto *why = window.findChild<QLabel *>(QStringLiteral("predictionRefused"));
    QVERIFY(why);
    QCOMPARE(why->isVisible(), refused);
    if (refused) {
        QVERIFY(why->text().contains(QStringLiteral("from 0 to 100")));
        QCOMPARE(field->palette().color(QPalette::Base) == window.palette().color(QPalette::Base), false);
    }
}

void TestResults::chartsTellTheirNumbers()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    window.findChild<QDoubleSpinBox *>(QStringLiteral("prediction"))->setValue(60);
    fastRun(program, 1000);
    const ExperimentResults &results = program.form1().results();

    // Each chart is reached by the keyboard and read by a screen reader.
    const QString rate = ResultsReport::percent(double(results.successes()) / 1000.0);
    const QString failures = QString::number(results.hitCounts().at(0));
    const struct
    {
        const char *chart;
        QStringList words;
    } expected[] = {
        {"runningRate", {QStringLiteral("Success rate after 1,000 experiments: ") + rate,
                         QStringLiteral("band of 2 standard errors"), QStringLiteral("Theory 87.84 %"),
                         QStringLiteral("naive guess 100.00 %"), QStringLiteral("Your prediction 60.00 %")}},
        {"histogram", {QStringLiteral("0 hits: ") + failures, QStringLiteral("expected 121.6"),
                       QStringLiteral("0.9^20 = 12.16 %")}},
        {"acrossN", {QStringLiteral("N = 20: ") + rate + QStringLiteral(" in 1,000 experiments (95 % interval")}},
    };
    for (const auto &e : expected) {
        auto *chart = window.findChild<ChartView *>(QString::fromLatin1(e.chart));
        QVERIFY(chart);
        QVERIFY(chart->focusPolicy() & Qt::TabFocus);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(chart);
        QVERIFY(a);
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
        const QString description = a->text(QAccessible::Description);
        for (const QString &w : e.words)
            QVERIFY2(description.contains(w), qPrintable(e.chart + QStringLiteral(": ") + description));
    }

    // The window is a window to a screen reader, as the main one is.
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);

    // A million experiments stay drawable: the running rate is sampled.
    const QList<qint64> samples = ResultsCharts::samplePoints(1000000);
    QVERIFY(samples.size() <= 6 * ResultsCharts::SamplesPerDecade + 1);
    QCOMPARE(samples.front(), qint64(1));
    QCOMPARE(samples.back(), qint64(1000000));
}

void TestResults::aPredictionOfAHundredIsSeen()
{
    // The additive mistake: 20 shots at 10 % "make" 100 %, where the naive
    // guess and the top of the axis are too.
    ExperimentResults results;
    results.startSeries();
    results.setShotsPerExperiment(20);
    for (int i = 0; i < 50; ++i)
        results.record(20, i % 8 == 0 ? 0 : 2);
    const auto pinkPixels = [&](std::optional<double> prediction) {
        results.setPrediction(20, prediction);
        ChartView view;
        view.resize(800, 300);
        view.setChart(ResultsCharts::runningRate(results));
        const QImage image = view.grab().toImage();
        int pink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                pink += c.red() > c.green() + 30 && c.blue() > c.green() + 10 ? 1 : 0;
            }
        return pink;
    };
    const int without = pinkPixels(std::nullopt);
    const int with = pinkPixels(1.0);
    // A stroke some pixels wide along the whole plot, beside the naive guess's dashes.
    QVERIFY2(with - without >= 3 * 600, qPrintable(QStringLiteral("%1 pink pixels more").arg(with - without)));
}

namespace {

// What the main window and the results say after a run: to compare two runs.
QStringList allTold(ProgramFixture &program)
{
    QStringList told = program.valueCaptions();
    told << program.ui().Label9.caption() << program.runState();
    const ExperimentResults &results = program.form1().results();
    QString series;
    for (qint64 number = 1; number <= results.experiments(); ++number)
        series += QChar(u'0' + results.hitsOf(number));
    told << series;
    return told;
}

} // namespace

void TestResults::aWatchedRunEndsAsARunAtOnce_data()
{
    QTest::addColumn<bool>("firingClicked");
    QTest::newRow("1,000 at N = 20, watched") << false;
    QTest::newRow("the same, Firing clicked while it plays") << true;
}

void TestResults::aWatchedRunEndsAsARunAtOnce()
{
    QFETCH(bool, firingClicked);
    // The same draws in both: the program's own generator, seeded alike.
    ProgramFixture atOnce(ProgramFixture::Randomness::Production);
    atOnce.start(QStringLiteral("20"));
    atOnce.form1().showResults();
    fastRun(atOnce, 1000);

    ProgramFixture watched(ProgramFixture::Randomness::Production);
    watched.start(QStringLiteral("20"));
    watched.form1().showResults();
    ResultsWindow &window = *watched.form1().resultsWindow();
    auto *pace = window.findChild<QComboBox *>(QStringLiteral("pace"));
    QVERIFY(pace);
    pace->setCurrentIndex(pace->findData(int(RunPace::Faster)));
    window.findChild<QPushButton *>(QStringLiteral("run1000"))->click();
    QVERIFY(watched.form1().isWatchingRun());
    // The counts grow as it plays, in agreement with what is recorded.
    QTRY_VERIFY(watched.form1().results().experiments() > 100);
    QVERIFY(watched.form1().isWatchingRun());
    QCOMPARE(watched.ui().Label11.caption(), QString::number(watched.form1().results().experiments()));
    if (firingClicked)
        watched.click(watched.ui().Command1);
    QTRY_VERIFY_WITH_TIMEOUT(!watched.form1().isWatchingRun(), 10000);
    ProgramFixture::settle();
    QCOMPARE(allTold(watched), allTold(atOnce));
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("run1000"))->text(), QStringLiteral("Run 1,&000"));
}

void TestResults::stoppingAWatchedRunLeavesEverythingInAgreement()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    auto *pace = window.findChild<QComboBox *>(QStringLiteral("pace"));
    pace->setCurrentIndex(pace->findData(int(RunPace::Watch)));
    auto *run = window.findChild<QPushButton *>(QStringLiteral("run10000"));
    run->click();
    QTRY_VERIFY(program.form1().results().experiments() > 200);
    // Its button is its Stop now; the other runs wait.
    QCOMPARE(run->text(), QStringLiteral("St&op"));
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("run100"))->isEnabled());
    run->click();
    QVERIFY(!program.form1().isWatchingRun());
    ProgramFixture::settle();

    const ExperimentResults &results = program.form1().results();
    const qint64 judged = results.experiments();
    QVERIFY(judged < 10000);
    QCOMPARE(program.state().experimentsJudged(), judged);
    QCOMPARE(program.state().ShotIndex, 20); // the experiment under way finished
    QCOMPARE(program.ui().Label11.caption(), QString::number(judged));
    QCOMPARE(program.ui().Label13.caption(), QString::number(results.successes()));
    QCOMPARE(program.ui().Label5.caption(),
             QString::number(double(results.successes()) / double(judged), 'f', 7));
    QVERIFY(!program.ui().Label9.caption().isEmpty());
    QCOMPARE(run->text(), QStringLiteral("&Run 10,000"));
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("run100"))->isEnabled());
    // The main window takes commands again.
    const qint64 before = program.state().ShotIndex;
    program.click(program.ui().Command1);
    QCOMPARE(program.state().ShotIndex, before == 20 ? 1 : before + 1);
}

void TestResults::successesMinusExpected_data()
{
    QTest::addColumn<int>("experiments");
    QTest::newRow("100 experiments") << 100;
    QTest::newRow("10,000 experiments") << 10000;
}

void TestResults::successesMinusExpected()
{
    QFETCH(int, experiments);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, experiments);
    ResultsWindow &window = *program.form1().resultsWindow();
    const ExperimentResults &results = program.form1().results();
    window.findChild<QAbstractButton *>(QStringLiteral("differenceView"))->click();
    ProgramFixture::settle();

    // Counted here from the experiments themselves.
    qint64 successes = 0, allMissed = 0;
    for (qint64 number = 1; number <= experiments; ++number) {
        successes += results.hitsOf(number) > 0 ? 1 : 0;
        allMissed += number > experiments - 100 && results.hitsOf(number) == 0 ? 1 : 0;
    }
    const double p = 1 - std::pow(0.9, 20);
    const double off = double(successes) - experiments * p;
    const double band = 2 * std::sqrt(experiments * p * (1 - p));

    const ChartData &chart = window.findChild<ChartView *>(QStringLiteral("runningRate"))->chart();
    QVERIFY(chart.title.startsWith(QStringLiteral("Successes minus the successes expected")));
    const QPointF last = chart.series.last().points.last();
    QCOMPARE(last.x(), double(experiments));
    QVERIFY(std::abs(last.y() - off) < 1e-6);
    QVERIFY2(chart.yMax >= std::max(band, std::abs(off)) && chart.yMin == -chart.yMax,
             qPrintable(QStringLiteral("the axis runs to %1").arg(chart.yMax)));
    const QString words = chart.description;
    const QLocale locale;
    QVERIFY2(words.contains(QStringLiteral("successes minus expected %1").arg(locale.toString(off, 'f', 1))),
             qPrintable(words));
    QVERIFY2(words.contains(QStringLiteral("\u2212%1 to +%1").arg(locale.toString(band, 'f', 1))), qPrintable(words));

    // The grid of the last hundred.
    auto *grid = window.findChild<MissGridView *>(QStringLiteral("lastHundred"));
    QVERIFY(grid);
    QCOMPARE(grid->missedEveryShot(), int(allMissed));
    const QString sentence = QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Description);
    QVERIFY2(sentence.startsWith(QStringLiteral("%1 of the last 100 experiments missed every shot").arg(allMissed)),
             qPrintable(sentence));
    QVERIFY2(sentence.contains(QStringLiteral("100 \u00d7 0.9^20 = 12.2")), qPrintable(sentence));

    // And back: the rate again.
    window.findChild<QAbstractButton *>(QStringLiteral("rateView"))->click();
    ProgramFixture::settle();
    QVERIFY(window.findChild<ChartView *>(QStringLiteral("runningRate"))->chart().title.startsWith(
        QStringLiteral("Success rate as the experiments add up")));
}

void TestResults::wordsAtTheFewestExperiments_data()
{
    QTest::addColumn<QList<int>>("hits");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("none yet") << QList<int>{}
                              << QStringList{"No experiment judged yet at N = 20.",
                                             "Hits per experiment at N = 20: no experiment judged yet"};
    QTest::newRow("one, a success") << QList<int>{2}
                                    << QStringList{"After 1 experiment at N = 20: 1 success, a success rate of 100.00 %."};
    QTest::newRow("two, one success") << QList<int>{0, 1}
                                      << QStringList{"After 2 experiments at N = 20: 1 success, a success rate of 50.00 %."};
}

void TestResults::wordsAtTheFewestExperiments()
{
    QFETCH(QList<int>, hits);
    QFETCH(QStringList, words);
    ExperimentResults results;
    results.startSeries();
    results.setShotsPerExperiment(20);
    for (int h : hits)
        results.record(20, h);
    const ResultsReport report(results);
    const QString all = report.summary() + QLatin1Char('\n') + report.histogramInWords();
    for (const QString &w : words)
        QVERIFY2(all.contains(w), qPrintable(all));
    // No list left empty in a sentence.
    QVERIFY2(!all.contains(QStringLiteral(": .")), qPrintable(all));
}

void TestResults::csvRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("learner"); // the name given to Save

    QTest::newRow("English") << "en_US" << "Aiko";
    QTest::newRow("German, a comma for the decimals; a name a spreadsheet would compute") << "de_DE" << "=SUM(A1)";
    QTest::newRow("French, a space in thousands; a comma and quotes in the name") << "fr_FR"
                                                                                   << "Zo\u00e9, \"groupe\" 3";
}

void TestResults::csvRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QString, learner);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 2500);
    const ExperimentResults &results = program.form1().results();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.csv"));
    program.resultsDialogs.path = path;
    program.resultsDialogs.learner = learner;
    program.form1().resultsWindow()->findChild<QPushButton *>(QStringLiteral("save"))->click();
    QTRY_VERIFY(!program.form1().resultsWindow()->isSaving());
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QVERIFY(program.resultsDialogs.suggested.endsWith(QStringLiteral(".csv")));
    QCOMPARE(program.resultsDialogs.offeredLearner, QString()); // nothing to offer the first time

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.first() + '\n', ResultsReport::csvHeader());
    QCOMPARE(lines.size(), 2 + 2500); // the header, the rows, and the end of the last line
    QVERIFY(lines.last().isEmpty());
    qint64 successes = 0;
    for (qint64 number = 1; number <= 2500; ++number) {
        const QList<QByteArray> fields = lines.at(number).split(',');
        if (number > 1) // whose it is, on the first row only
            QVERIFY2(lines.at(number).endsWith(",,,"), lines.at(number).constData());
        QCOMPARE(fields[0].toLongLong(), number);
        QCOMPARE(fields[1].toInt(), 20);
        const int hits = fields[2].toInt();
        QCOMPARE(hits, results.hitsOf(number));
        QCOMPARE(fields[3], hits > 0 ? QByteArray("success") : QByteArray("failure"));
        successes += hits > 0 ? 1 : 0;
        bool isNumber = false;
        const double rate = fields[4].toDouble(&isNumber); // C locale: a dot, always
        QVERIFY2(isNumber, fields[4].constData());
        QVERIFY(std::abs(rate - double(successes) / double(number)) < 1e-7);
    }
    QCOMPARE(successes, results.successes());
    // A spreadsheet never takes the name for a formula.
    QVERIFY2(!lines.at(1).contains(",="), lines.at(1).constData());

    // Read back as the class reads it: the same experiments, whose they are.
    const ResultsFile::Outcome back = ResultsFile::read(path);
    QVERIFY2(back.run, qPrintable(back.problem));
    QCOMPARE(back.run->label, learner);
    QCOMPARE(back.run->runId, results.runId());
    QCOMPARE(back.run->shots, 20);
    QCOMPARE(back.run->experiments, qint64(2500));
    QCOMPARE(back.run->successes, results.successes());
    QCOMPARE(back.run->hits, results.series().hits);

    // The name is offered again at the next Save.
    program.form1().resultsWindow()->findChild<QPushButton *>(QStringLiteral("save"))->click();
    QTRY_VERIFY(!program.form1().resultsWindow()->isSaving());
    QCOMPARE(program.resultsDialogs.offeredLearner, learner);
}

void TestResults::savingThatFailsKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("says");

    QTest::newRow("a folder the user may not write in") << "read-only" << "you may not write there";
    QTest::newRow("a full disk") << "full" << "the disk is full";
    QTest::newRow("a file past what the account may write") << "limit" << "larger than this disk or account allows";
    QTest::newRow("a folder that is not there") << "missing" << "the folder does not exist";
    QTest::newRow("a name longer than a disk takes") << "long" << "the name is too long";
    QTest::newRow("a folder of that name") << "folder" << "a folder has that name";
}

void TestResults::savingThatFailsKeepsTheOldFile()
{
    QFETCH(QString, where);
    QFETCH(QString, says);

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 20000); // about 600 kB of rows

    QTemporaryDir scratch;
    QString folder = scratch.path();
    std::optional<SmallDisk> smallDisk;
    if (where == "full") {
        smallDisk.emplace(scratch.filePath(QStringLiteral("disk")), 64 * 1024);
        if (!smallDisk->mounted())
            QSKIP("no small disk to fill: mounting one needs root's power to mount (tmpfs)");
        folder = smallDisk->path();
    }
    const QByteArray old = "the results of last week\n";
    QString path = QDir(folder).filePath(QStringLiteral("results.csv"));
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(old);
    }
    std::optional<WithoutOverridingPermissions> asAPupil;
    std::optional<FileSizeLimit> accountLimit;
    if (where == "read-only") {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        asAPupil.emplace();
        if (!asAPupil->holds())
            QSKIP("running as root, and root's power over permissions could not be set aside");
    } else if (where == "limit") {
        accountLimit.emplace(64 * 1024);
    } else if (where == "missing") {
        path = QDir(folder).filePath(QStringLiteral("no such folder/results.csv"));
    } else if (where == "long") {
        path = QDir(folder).filePath(QString(300, u'r') + QStringLiteral(".csv"));
    } else if (where == "folder") {
        QVERIFY(QDir(folder).mkdir(QStringLiteral("kept.csv")));
        path = QDir(folder).filePath(QStringLiteral("kept.csv"));
    }

    ResultsWindow &window = *program.form1().resultsWindow();
    program.resultsDialogs.path = path;
    window.findChild<QPushButton *>(QStringLiteral("save"))->click();
    QTRY_VERIFY(!window.isSaving());
    asAPupil.reset();
    accountLimit.reset();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(program.resultsDialogs.failures.size(), 1);
    const QString message = program.resultsDialogs.failures.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
    QVERIFY2(message.contains(says), qPrintable(message));
    QFile kept(QDir(folder).filePath(QStringLiteral("results.csv")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    // Nothing half written is left beside it.
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeAll(QStringLiteral("kept.csv"));
    QCOMPARE(left, QStringList{QStringLiteral("results.csv")});
}

void TestResults::savingReplacesTheOldFile_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("written");

    QTest::newRow("a plain name") << "results.csv" << "results.csv";
    const QString longest = QString(251, u'r') + QStringLiteral(".csv"); // 255 bytes, what ext4 takes
    QTest::newRow("a name as long as the disk takes") << longest << longest;
    QTest::newRow("a name typed without an extension: .csv added") << "results" << "results.csv";
    QTest::newRow("another extension: kept") << "results.txt" << "results.txt";
}

void TestResults::savingReplacesTheOldFile()
{
    QFETCH(QString, given);
    QFETCH(QString, written);

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100);
    QTemporaryDir folder;
    {
        QFile existing(folder.filePath(written));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("the results of last week\n");
    }
    ResultsWindow &window = *program.form1().resultsWindow();
    program.resultsDialogs.path = folder.filePath(given);
    window.findChild<QPushButton *>(QStringLiteral("save"))->click();
    QTRY_VERIFY(!window.isSaving());
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(ResultsReport::csvHeader()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{written});
}

void TestResults::savingALongSeriesLeavesTheWindowAnswering()
{
    // Ten million experiments, as fast runs reach them: a third of a
    // gigabyte of rows.
    ExperimentResults results;
    results.startSeries();
    results.setShotsPerExperiment(20);
    {
        ExperimentResults::Batch batch(results);
        for (int i = 0; i < 10'000'000; ++i)
            results.record(20, i % 9 == 0 ? 0 : 1 + i % 4);
    }
    ScriptedResultsDialogs dialogs;
    ResultsWindow window(results, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.csv"));
    const QByteArray old = "the results of last week\n";
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(old);
    }
    dialogs.path = path;
    // The automatic pace goes on while the file is written.
    int ticksWhileSaving = 0;
    QTimer pace;
    pace.setInterval(100);
    QObject::connect(&pace, &QTimer::timeout, &window, [&] { ticksWhileSaving += window.isSaving() ? 1 : 0; });
    pace.start();
    window.findChild<QPushButton *>(QStringLiteral("save"))->click();
    QVERIFY(window.isSaving());
    QTRY_VERIFY(ticksWhileSaving >= 3 || !window.isSaving());
    QVERIFY2(ticksWhileSaving >= 3, "the timer waited for the save");
    // Its progress is shown, with Cancel, beyond a moment.
    auto *progress = window.findChild<QProgressDialog *>(QStringLiteral("saving"));
    QVERIFY(progress && progress->isVisible());
    QVERIFY(window.isSaving());
    auto *cancel = progress->findChild<QPushButton *>();
    QVERIFY(cancel);
    cancel->click();
    QTRY_VERIFY(!window.isSaving());
    QCOMPARE(dialogs.failures, QStringList());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("results.csv")});
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("save"))->isEnabled());
}

void TestResults::copyPutsTheTablesOnTheClipboard()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100);
    program.form1().resultsWindow()->findChild<QPushButton *>(QStringLiteral("copy"))->click();
    const QString copied = QGuiApplication::clipboard()->text();
    const ExperimentResults &results = program.form1().results();
    QVERIFY2(copied.contains(QStringLiteral("20\t100\t%1\t").arg(results.successes())), qPrintable(copied));
    QVERIFY(copied.contains(QStringLiteral("0\t%1\t12.2").arg(results.hitCounts().at(0))));
    QVERIFY(copied.contains(QStringLiteral("\ttheory")));
}

void TestResults::chartsAsPictures_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QStringList>("words"); // its title, axes and legend
    QTest::newRow("the running rate") << "runningRate"
                                      << QStringList{"Success rate as the experiments add up (N = 20)",
                                                     "experiments (log scale)", "success rate",
                                                     "naive guess N \u00d7 10 %", "theory 1 \u2212 0.9^N"};
    QTest::newRow("hits per experiment") << "histogram"
                                         << QStringList{"Hits per experiment", "hits in an experiment",
                                                        "expected (binomial, 1 in 10)"};
    QTest::newRow("across N") << "acrossN"
                              << QStringList{"At least one hit, against N", "shots per experiment N",
                                             "chance of success"};
}

void TestResults::chartsAsPictures()
{
    QFETCH(QString, chart);
    QFETCH(QStringList, words);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 1000);
    ResultsWindow &window = *program.form1().resultsWindow();
    auto *view = window.findChild<ChartView *>(chart);
    QVERIFY(view);

    // Ctrl+C on the chart: a PNG at twice the window's resolution, and SVG.
    view->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QVERIFY2(copied->hasFormat(QStringLiteral("image/png")), qPrintable(copied->formats().join(u' ')));
    QVERIFY(copied->hasFormat(QStringLiteral("image/svg+xml")));
    const QImage png = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
    QCOMPARE(png.size(), view->size() * 2);
    // The SVG parses, and says in text what the chart says.
    QXmlStreamReader svg(copied->data(QStringLiteral("image/svg+xml")));
    QString text;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::Characters)
            text += svg.text().toString() + QLatin1Char('\n');
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    // A title set on two lines is two runs of text.
    text = text.simplified();
    for (const QString &w : words)
        QVERIFY2(text.contains(w), qPrintable(w + QStringLiteral(" not in the SVG")));
    QVERIFY(text.contains(QStringLiteral("1,000 experiments at N = 20")));

    // Saved as PDF: one page whose text holds the chart's words.
    QTemporaryDir folder;
    program.resultsDialogs.picturePath = folder.filePath(QStringLiteral("chart.pdf"));
    const QList<QAction *> actions = view->actions();
    QCOMPARE(actions.size(), 3);
    program.resultsDialogs.pictureFormat = PictureFormat::Pdf;
    actions.at(1)->trigger(); // Save picture...
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QFile pdf(program.resultsDialogs.picturePath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text was not read back");
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {program.resultsDialogs.picturePath, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString read = QString::fromUtf8(reader.readAllStandardOutput());
    QCOMPARE(read.count(QLatin1Char('\f')), 1); // one page
    QVERIFY2(read.contains(words.first().left(20)), qPrintable(read));
    QVERIFY2(read.contains(QStringLiteral("1,000")), qPrintable(read));
}

void TestResults::aPictureThatCannotBeSavedKeepsTheOldFile()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100);
    ResultsWindow &window = *program.form1().resultsWindow();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.png"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("last week's chart");
    }
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    WithoutOverridingPermissions asAPupil;
    if (!asAPupil.holds())
        QSKIP("running as root, and root's power over permissions could not be set aside");
    program.resultsDialogs.picturePath = path;
    window.findChild<ChartView *>(QStringLiteral("histogram"))->actions().at(1)->trigger();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(program.resultsDialogs.failures.size(), 1);
    QVERIFY2(program.resultsDialogs.failures.first().contains(path), qPrintable(program.resultsDialogs.failures.first()));
    QVERIFY(program.resultsDialogs.failures.first().contains(QStringLiteral("you may not write there")));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("last week's chart"));
}

void TestResults::picturesInTheSizeAsked_data()
{
    QTest::addColumn<QString>("name");      // as typed in the file dialog
    QTest::addColumn<int>("chosen");        // the kind of file chosen there
    QTest::addColumn<QString>("written");   // the file that must be written
    QTest::addColumn<QSize>("pixels");      // a PNG's; empty: not a PNG
    QTest::addColumn<int>("dotsPerInch");   // what a PNG says it prints at; 0: not said
    QTest::addColumn<QByteArray>("starts"); // a SVG's or PDF's first bytes

    const int print = int(std::lround(16 / 2.54 * 300));
    QTest::newRow("a slide, the extension added") << "chart" << int(PictureFormat::PngForSlide) << "chart.png"
                                                  << QSize(1920, 1080) << 0 << QByteArray();
    QTest::newRow("print at 300 dpi, 16 cm wide") << "chart.png" << int(PictureFormat::PngForPrint) << "chart.png"
                                                  << QSize(print, 0) << 300 << QByteArray();
    QTest::newRow("as on the screen") << "chart.PNG" << int(PictureFormat::PngAsOnScreen) << "chart.PNG"
                                      << QSize(-1, -1) << 0 << QByteArray();
    QTest::newRow("SVG typed while a PNG was chosen") << "chart.svg" << int(PictureFormat::PngForSlide) << "chart.svg"
                                                      << QSize() << 0 << QByteArray("<?xml");
    QTest::newRow("PDF chosen, no extension typed") << "handout" << int(PictureFormat::Pdf) << "handout.pdf"
                                                    << QSize() << 0 << QByteArray("%PDF-");
    QTest::newRow("PNG typed while SVG was chosen: a slide") << "chart.png" << int(PictureFormat::Svg) << "chart.png"
                                                            << QSize(1920, 1080) << 0 << QByteArray();
}

void TestResults::picturesInTheSizeAsked()
{
    QFETCH(QString, name);
    QFETCH(int, chosen);
    QFETCH(QString, written);
    QFETCH(QSize, pixels);
    QFETCH(int, dotsPerInch);
    QFETCH(QByteArray, starts);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100);
    auto *view = program.form1().resultsWindow()->findChild<ChartView *>(QStringLiteral("runningRate"));
    QTemporaryDir folder;
    program.resultsDialogs.picturePath = folder.filePath(name);
    program.resultsDialogs.pictureFormat = PictureFormat(chosen);
    view->actions().at(1)->trigger();
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QCOMPARE(program.resultsDialogs.suggested, QStringLiteral("runningRate"));
    QFile file(folder.filePath(written));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(written + QStringLiteral(" was not written")));
    const QByteArray bytes = file.readAll();
    if (!starts.isEmpty()) {
        QVERIFY2(bytes.startsWith(starts), bytes.left(20).constData());
        return;
    }
    const QImage png = QImage::fromData(bytes, "PNG");
    QVERIFY(!png.isNull());
    if (pixels == QSize(-1, -1))
        pixels = view->size() * view->devicePixelRatioF();
    QCOMPARE(png.width(), pixels.width());
    if (pixels.height() > 0)
        QCOMPARE(png.height(), pixels.height());
    else // as the chart's own shape
        QVERIFY(std::abs(double(png.height()) / png.width() - double(view->height()) / view->width()) < 0.01);
    if (dotsPerInch > 0)
        QCOMPARE(int(std::lround(png.dotsPerMeterX() * 0.0254)), dotsPerInch);
}

void TestResults::allChartsSavedAtOnce_data()
{
    QTest::addColumn<bool>("oldFile");       // one of the three names is taken
    QTest::addColumn<bool>("replace");       // the answer when asked
    QTest::addColumn<bool>("written");       // the three pictures are there

    QTest::newRow("into an empty folder") << false << false << true;
    QTest::newRow("over last week's, replaced") << true << true << true;
    QTest::newRow("over last week's, kept") << true << false << false;
}

void TestResults::allChartsSavedAtOnce()
{
    QFETCH(bool, oldFile);
    QFETCH(bool, replace);
    QFETCH(bool, written);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    fastRun(program, 100);
    ResultsWindow &window = *program.form1().resultsWindow();
    QTemporaryDir folder;
    const QStringList names = {"lesson-running.svg", "lesson-hits.svg", "lesson-across-n.svg"};
    if (oldFile) {
        QFile old(folder.filePath(names.at(1)));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("last week's");
    }
    program.resultsDialogs.picturePath = folder.filePath(QStringLiteral("lesson.svg"));
    program.resultsDialogs.replaceAnswer = replace;
    QAction *saveAll = window.findChild<QAction *>(QStringLiteral("saveAllCharts"));
    QVERIFY(saveAll);
    saveAll->trigger();
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QCOMPARE(program.resultsDialogs.replaceAsked,
             oldFile ? QStringList{folder.filePath(names.at(1))} : QStringList());
    const QStringList titles = {"Success rate as the experiments add up", "Hits per experiment",
                                "At least one hit, against N"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        QFile file(folder.filePath(names.at(i)));
        const bool there = file.open(QIODevice::ReadOnly);
        const QByteArray bytes = there ? file.readAll() : QByteArray();
        if (written)
            QVERIFY2(bytes.contains(titles.at(i).toUtf8()), qPrintable(names.at(i)));
        else
            QCOMPARE(bytes, oldFile && i == 1 ? QByteArray("last week's") : QByteArray());
    }
}

void TestResults::theHandoutFitsItsPage_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("withClass"); // a class pooled: its rates beside the running rate
    QTest::newRow("A4") << int(QPageSize::A4) << false;
    QTest::newRow("Letter") << int(QPageSize::Letter) << false;
    QTest::newRow("A4, with a class") << int(QPageSize::A4) << true;
    QTest::newRow("Letter, with a class") << int(QPageSize::Letter) << true;
}

void TestResults::theHandoutFitsItsPage()
{
    QFETCH(int, paper);
    QFETCH(bool, withClass);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    program.form1().results().setPrediction(20, 1.0);
    fastRun(program, 1000);
    ClassResults pool;
    if (withClass) {
        for (int learner = 0; learner < 25; ++learner) {
            LearnerRun run;
            run.label = QStringLiteral("Learner %1 with a name as long as a group's").arg(learner);
            run.shots = 20;
            run.experiments = 20 + learner;
            run.successes = 17 + learner % 5;
            pool.add(run);
        }
    }
    const Handout handout(program.form1().results(), QDate(2026, 12, 11), &pool);
    const QSizeF page = QPageSize(QPageSize::PageSizeId(paper)).sizePixels(96);
    const QRectF printable = QRectF(QPointF(), page).adjusted(Handout::Margin, Handout::Margin, -Handout::Margin,
                                                               -Handout::Margin);
    const Handout::Layout layout = handout.layOut(page);
    QList<QRectF> parts = {layout.title, layout.summary, layout.runningRate, layout.histogram, layout.acrossN};
    QCOMPARE(layout.learners.isEmpty(), !withClass);
    if (withClass)
        parts << layout.learners;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY2(printable.contains(parts[i]), qPrintable(QStringLiteral("part %1 is cut").arg(i)));
        for (qsizetype j = i + 1; j < parts.size(); ++j)
            QVERIFY2(!parts[i].intersects(parts[j]), qPrintable(QStringLiteral("parts %1 and %2 overlap").arg(i).arg(j)));
    }
    // Each chart large enough to read on paper.
    for (const QRectF &chart : parts.mid(2))
        QVERIFY(chart.width() >= 250 && chart.height() >= 200);
}

void TestResults::theHandoutPrintedAndExported_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("withClass"); // two learners' files added first
    QTest::addColumn<bool>("ownRun");    // 1,000 experiments run here
    QTest::newRow("printed through the print preview") << "print" << false << true;
    QTest::newRow("exported as PDF") << "export" << false << true;
    QTest::newRow("exported as PDF, with a class") << "export" << true << true;
    QTest::newRow("printed, a class and nothing run here") << "print" << true << false;
}

void TestResults::theHandoutPrintedAndExported()
{
    QFETCH(QString, how);
    QFETCH(bool, withClass);
    QFETCH(bool, ownRun);
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    program.form1().results().setPrediction(20, 0.6);
    if (ownRun)
        fastRun(program, 1000);
    ResultsWindow &window = *program.form1().resultsWindow();
    QTemporaryDir folder;
    if (withClass) {
        const QByteArray file = "experiment,shots,hits,verdict,success_rate\n1,20,2,success,1\n2,20,0,failure,0.5\n";
        QStringList paths;
        for (const QString &name : {QStringLiteral("Aiko.csv"), QStringLiteral("Ben.csv")}) {
            QFile learner(folder.filePath(name));
            QVERIFY(learner.open(QIODevice::WriteOnly));
            learner.write(name == u"Ben.csv" ? file + "3,20,1,success,0.6666667\n" : file);
            paths << learner.fileName();
        }
        window.addResultsFiles(paths);
        QTRY_VERIFY(!window.isReadingFiles());
        QCOMPARE(int(window.classResults().learners().size()), 2);
    }
    const QString path = folder.filePath(QStringLiteral("handout.pdf"));
    if (how == "print") {
        program.resultsDialogs.printedTo = path;
        window.findChild<QAction *>(QStringLiteral("printHandout"))->trigger(); // Ctrl+P
        QCOMPARE(program.resultsDialogs.previews, 1);
    } else {
        program.resultsDialogs.handoutPath = path;
        window.findChild<QAction *>(QStringLiteral("exportHandout"))->trigger();
    }
    QCOMPARE(program.resultsDialogs.failures, QStringList());
    QVERIFY(QFileInfo(path).size() > 0);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the handout's text was not read back");
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString pages = QString::fromUtf8(reader.readAllStandardOutput());
    QCOMPARE(pages.count(QLatin1Char('\f')), 1); // one page
    const QString read = pages.simplified();
    const ExperimentResults &results = program.form1().results();
    const QStringList own = {QStringLiteral("After 1,000 experiments at N = 20"),
                             QStringLiteral("%1 successes").arg(results.successes()),
                             QStringLiteral("Your prediction, 60.00 %")};
    for (const QString &w : own)
        QVERIFY2(read.contains(w) == ownRun, qPrintable(w + QStringLiteral(" wrongly in or out of: ") + read));
    for (const QString &w : {QStringLiteral("87.84 %"), QStringLiteral("Hits per experiment")})
        QVERIFY2(read.contains(w), qPrintable(w + QStringLiteral(" not in: ") + read));
    // With nothing run here, the class's own charts and caption.
    QCOMPARE(read.contains(QStringLiteral("The class pooled: 5 experiments at N = 20")), !ownRun);
    const QString pooled = QStringLiteral("The class, pooled: 2 learners, 5 experiments at N = 20 with 3 successes");
    QCOMPARE(read.contains(pooled), withClass);
    QCOMPARE(read.contains(QStringLiteral("Each learner's success rate")), withClass);
}

void TestResults::noTwoControlsShareAMnemonic_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("the main window") << "main";
    QTest::newRow("the help window") << "help";
    QTest::newRow("the Results window") << "results";
}

void TestResults::noTwoControlsShareAMnemonic()
{
    QFETCH(QString, window);
    ProgramFixture program;
    program.start(QStringLiteral("20"));
    QWidget *shown = nullptr;
    if (window == "main") {
        shown = program.form1().window();
    } else if (window == "help") {
        program.click(program.ui().Command6); // Help
        shown = program.form2().window();
    } else {
        program.form1().showResults();
        shown = program.form1().resultsWindow();
    }
    QVERIFY(shown && shown->isVisible());
    // Alt and a letter reach one control only.
    const QStringList shared = sharedMnemonics(*shown);
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
