#include "learnerfiles.h"
#include "programfixture.h"
#include "withoutpermissions.h"

#include "charts/chartview.h"
#include "results/classreport.h"
#include "results/classresults.h"
#include "results/resultsfile.h"
#include "results/resultsreport.h"
#include "results/resultswindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A learner's series at n, from a generator seeded for them.
ExperimentResults::Series seriesOf(int n, qint64 experiments, quint32 seed, const QString &learner)
{
    QRandomGenerator random(seed);
    return learnerSeries(random, n, experiments, learner);
}

QByteArray csvOf(const ExperimentResults::Series &series)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ResultsReport::writeCsv(series, buffer);
    return bytes;
}

// The file as the program's first version wrote it: five columns, no name.
QByteArray firstVersionCsvOf(const ExperimentResults::Series &series)
{
    QByteArray bytes = "experiment,shots,hits,verdict,success_rate\n";
    for (std::size_t i = 0; i < series.hits.size(); ++i)
        bytes += QByteArray::number(qint64(i + 1)) + ',' + QByteArray::number(series.shotsPerExperiment) + ','
               + QByteArray::number(series.hits[i]) + (series.hits[i] > 0 ? ",success," : ",failure,")
               + QByteArray::number(double(series.successesSoFar[i]) / double(i + 1), 'f', 7) + '\n';
    return bytes;
}

QString write(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(path));
    return path;
}

qint64 successesOf(const ExperimentResults::Series &series)
{
    return series.successesSoFar.empty() ? 0 : series.successesSoFar.back();
}

// The Results window of a started program, its files added and read.
class ClassFixture
{
public:
    ClassFixture() : program(ProgramFixture::Randomness::Production)
    {
        program.start(QStringLiteral("20"));
        program.form1().showResults();
        ProgramFixture::settle();
    }
    ResultsWindow &window() { return *program.form1().resultsWindow(); }
    const ClassResults &pool() { return window().classResults(); }
    bool add(const QStringList &paths)
    {
        program.resultsDialogs.filesToAdd = paths;
        window().findChild<QPushButton *>(QStringLiteral("addResults"))->click();
        const bool read = QTest::qWaitFor([this] { return !window().isReadingFiles(); }, 20000);
        ProgramFixture::settle();
        return read;
    }
    QString notes() { return window().findChild<QLabel *>(QStringLiteral("classNotes"))->text(); }

    ProgramFixture program;
};

} // namespace

class TestClass : public QObject
{
    Q_OBJECT

private slots:
    void pooledIsTheSumOfTheFiles_data();
    void pooledIsTheSumOfTheFiles();
    void harmlessRoundTripsAreRead_data();
    void harmlessRoundTripsAreRead();
    void badFilesAreNamedAndTheGoodOnesPooled_data();
    void badFilesAreNamedAndTheGoodOnesPooled();
    void mutatedFilesNeverCrashOrLie();
    void aTallyJoinsThePoolAndRemoveTakesALearnerOut();
    void eachLearnerIsNamedByTheKeys();
    void theClassSavedAndCopied();
    void cancellingAddsNothing();
    void filesDroppedOnTheWindowAreAdded();
};

void TestClass::pooledIsTheSumOfTheFiles_data()
{
    // Each file: "label:N:experiments:seed", "=label" for the run before it
    // saved again later with more experiments, "old:" for a first-version file.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("learners");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("noted"); // in the words after adding

    QTest::newRow("three learners") << QStringList{"Aiko:20:300:1", "Ben:20:150:2", "Chen:20:1000:3"} << 3
                                    << QStringList{"Aiko", "Ben", "Chen"} << "3 files added.";
    QTest::newRow("the same file twice counts once") << QStringList{"Aiko:20:300:1", "Aiko:20:300:1"} << 1
                                                     << QStringList{"Aiko"} << "already in the class: it counts once";
    QTest::newRow("the same run saved later: the longer kept") << QStringList{"Aiko:20:100:1", "=Aiko:20:300:1"}
                                                               << 1 << QStringList{"Aiko"}
                                                               << "takes the place of the earlier file";
    QTest::newRow("a file of the first version, named by its file") << QStringList{"old:Dana:20:200:4", "Ben:20:150:2"}
                                                                    << 2 << QStringList{"learner-0", "Ben"}
                                                                    << "2 files added.";
    QTest::newRow("another N joins the chart across N only") << QStringList{"Aiko:20:300:1", "Eve:10:100:5"} << 2
                                                             << QStringList{"Aiko", "Eve"} << "2 files added.";
}

void TestClass::pooledIsTheSumOfTheFiles()
{
    QFETCH(QStringList, files);
    QFETCH(int, learners);
    QFETCH(QStringList, labels);
    QFETCH(QString, noted);
    ClassFixture fixture;
    QTemporaryDir folder;
    QStringList paths;
    std::map<int, ExperimentResults::Tally> expected;
    QString lastRunId;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString spec = files[i];
        const bool sameRunAgain = spec.startsWith(u'=');
        const bool firstVersion = spec.startsWith(QStringLiteral("old:"));
        spec.remove(QRegularExpression(QStringLiteral("^(=|old:)")));
        const QStringList parts = spec.split(u':');
        ExperimentResults::Series series =
            seriesOf(parts[1].toInt(), parts[2].toLongLong(), parts[3].toUInt(), parts[0]);
        if (sameRunAgain)
            series.runId = lastRunId;
        lastRunId = series.runId;
        // The same file added twice is one path given twice.
        if (i > 0 && files[i] == files[i - 1])
            paths << paths.last();
        else
            paths << write(folder, QStringLiteral("learner-%1.csv").arg(i),
                           firstVersion ? firstVersionCsvOf(series) : csvOf(series));
        // A file added again, or an earlier save of a run, adds nothing.
        const bool counted = !(i > 0 && files[i] == files[i - 1]) && !(i + 1 < files.size() && files[i + 1].startsWith(u'='));
        if (counted) {
            expected[series.shotsPerExperiment].experiments += qint64(series.hits.size());
            expected[series.shotsPerExperiment].successes += successesOf(series);
        }
    }
    QVERIFY(fixture.add(paths));
    QVERIFY2(fixture.notes().contains(noted), qPrintable(fixture.notes()));
    QCOMPARE(int(fixture.pool().learners().size()), learners);
    QStringList read;
    for (const LearnerRun &run : fixture.pool().learners())
        read << run.label;
    QCOMPARE(read, labels);
    QVERIFY(fixture.window().showsClass());

    // The pool is exactly the sum; the series at the class's N holds its
    // files' experiments in order.
    const ExperimentResults &pooled = fixture.pool().pooled();
    QCOMPARE(pooled.shotsPerExperiment(), 20);
    for (const auto &[n, tally] : expected) {
        QCOMPARE(pooled.acrossN().at(n).experiments, tally.experiments);
        QCOMPARE(pooled.acrossN().at(n).successes, tally.successes);
    }
    QCOMPARE(pooled.experiments(), expected.at(20).experiments);
    QCOMPARE(pooled.successes(), expected.at(20).successes);
    // Pooling never touches this computer's own experiments.
    QCOMPARE(fixture.program.form1().results().experiments(), qint64(0));
    QCOMPARE(fixture.program.state().experimentsJudged(), qint64(0));
    // The summary speaks of the class.
    const auto atN = std::count_if(fixture.pool().learners().begin(), fixture.pool().learners().end(),
                                   [](const LearnerRun &r) { return r.shots == 20; });
    const QString summary = fixture.window().findChild<QLabel *>(QStringLiteral("summary"))->text();
    QVERIFY2(summary.startsWith(atN == 1 ? QStringLiteral("The class, pooled: 1 learner, ")
                                         : QStringLiteral("The class, pooled: %1 learners, ").arg(atN)),
             qPrintable(summary));
}

void TestClass::harmlessRoundTripsAreRead_data()
{
    QTest::addColumn<QString>("change"); // what a spreadsheet did to the file

    QTest::newRow("a byte order mark") << "bom";
    QTest::newRow("CRLF line ends") << "crlf";
    QTest::newRow("every field quoted") << "quoted";
    QTest::newRow("empty lines at the end") << "trailing";
    QTest::newRow("semicolons and decimal commas (a German spreadsheet)") << "semicolons";
    QTest::newRow("fewer digits in the rate") << "digits";
}

void TestClass::harmlessRoundTripsAreRead()
{
    QFETCH(QString, change);
    const ExperimentResults::Series series = seriesOf(20, 400, 7, QStringLiteral("Fumiko"));
    QByteArray bytes = csvOf(series);
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines) {
        if (change == u"crlf")
            line += '\r';
        if (change == u"quoted") {
            QList<QByteArray> fields = line.split(',');
            for (QByteArray &field : fields)
                field = '"' + field + '"';
            line = fields.join(',');
        }
        if (change == u"semicolons")
            line = line.replace(',', ';').replace('.', ',');
        if (change == u"digits" && !line.startsWith("experiment")) {
            QList<QByteArray> fields = line.split(',');
            fields[4] = QByteArray::number(fields[4].toDouble(), 'g', 5);
            line = fields.join(',');
        }
    }
    bytes = lines.join('\n') + '\n';
    if (change == u"bom")
        bytes.prepend("\xEF\xBB\xBF");
    if (change == u"trailing")
        bytes += "\n\n,,,,,,,\n";
    const ResultsFile::Outcome outcome = ResultsFile::parse(bytes, QStringLiteral("fallback"));
    QVERIFY2(outcome.run, qPrintable(outcome.problem));
    QCOMPARE(outcome.run->label, QStringLiteral("Fumiko"));
    QCOMPARE(outcome.run->runId, series.runId);
    QCOMPARE(outcome.run->hits, series.hits);
    QCOMPARE(outcome.run->successes, successesOf(series));
}

void TestClass::badFilesAreNamedAndTheGoodOnesPooled_data()
{
    QTest::addColumn<QString>("kind");      // how the bad file is made
    QTest::addColumn<QString>("says");      // in the words after adding

    QTest::newRow("not this program's CSV") << "other" << "is not a results file of Shoot a Lot";
    QTest::newRow("a picture") << "binary" << "is not a results file of Shoot a Lot";
    QTest::newRow("an empty file") << "empty" << "is not a results file of Shoot a Lot";
    QTest::newRow("a header and nothing more") << "header" << "it holds no experiments";
    QTest::newRow("more hits than shots") << "hits" << "\"25\" hits in an experiment of 20 shots";
    QTest::newRow("N outside 5 to 50") << "shots" << "\"60\" shots an experiment";
    QTest::newRow("a verdict changed by hand") << "verdict" << "does not follow from 0 hits";
    QTest::newRow("a running rate that contradicts the verdicts") << "rate" << "is not what the verdicts so far give";
    QTest::newRow("rows sorted by a spreadsheet") << "sorted" << "should come (were rows sorted";
    QTest::newRow("a row cut short") << "short" << "is cut short";
    QTest::newRow("two learners pasted together") << "pasted" << "is another learner's";
    QTest::newRow("a quote never closed") << "quote" << "is never closed";
    QTest::newRow("larger than a results file can be") << "huge" << "larger than a results file can be";
    QTest::newRow("a FIFO") << "fifo" << "is not a plain file";
    QTest::newRow("a folder") << "folder" << "is a folder";
    QTest::newRow("a file the learner may not read") << "unreadable" << "you may not read it";
    QTest::newRow("a file taken away") << "missing" << "it is not there";
}

void TestClass::badFilesAreNamedAndTheGoodOnesPooled()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    ClassFixture fixture;
    QTemporaryDir folder;
    const ExperimentResults::Series good = seriesOf(20, 200, 11, QStringLiteral("Goro"));
    const ExperimentResults::Series other = seriesOf(20, 50, 12, QStringLiteral("Hana"));
    const QString goodPath = write(folder, QStringLiteral("goro.csv"), csvOf(good));
    const QString badPath = folder.filePath(QStringLiteral("bad.csv"));
    QByteArray bytes = csvOf(other);
    QList<QByteArray> lines = bytes.split('\n');
    const auto withField = [&lines](int line, int field, const QByteArray &value) {
        QList<QByteArray> fields = lines[line].split(',');
        fields[field] = value;
        lines[line] = fields.join(',');
    };
    std::optional<WithoutOverridingPermissions> asAPupil;
    if (kind == u"other") {
        bytes = "name,score\nAiko,12\n";
    } else if (kind == u"binary") {
        bytes = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(200, '\0');
    } else if (kind == u"empty") {
        bytes.clear();
    } else if (kind == u"header") {
        bytes = ResultsReport::csvHeader();
    } else if (kind == u"hits") {
        withField(3, 2, "25");
    } else if (kind == u"shots") {
        withField(1, 1, "60");
    } else if (kind == u"verdict") {
        // The first failure marked a success, its rate left as it was.
        for (int i = 1; i < lines.size(); ++i) {
            if (lines[i].contains(",failure,")) {
                lines[i].replace(",failure,", ",success,");
                lines[i].replace(",0,success,", ",0,success,");
                break;
            }
        }
    } else if (kind == u"rate") {
        withField(10, 4, "0.1234567");
    } else if (kind == u"sorted") {
        std::swap(lines[5], lines[6]);
    } else if (kind == u"short") {
        lines[8] = lines[8].left(lines[8].indexOf(',', lines[8].indexOf(',') + 1));
    } else if (kind == u"pasted") {
        withField(20, 5, "Ichiro");
    } else if (kind == u"quote") {
        withField(1, 5, "\"Hana");
    }
    if (kind != u"other" && kind != u"binary" && kind != u"empty" && kind != u"header")
        bytes = lines.join('\n');
    if (kind == u"huge") {
        QFile file(badPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csvOf(other));
        QVERIFY(file.resize(ResultsFile::LargestFile + 1)); // sparse: no disk taken
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(badPath).constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("bad.csv")));
    } else if (kind != u"missing") {
        write(folder, QStringLiteral("bad.csv"), bytes);
        if (kind == u"unreadable") {
            QVERIFY(QFile::setPermissions(badPath, QFileDevice::Permissions()));
            asAPupil.emplace();
            if (!asAPupil->holds())
                QSKIP("running as root, and root's power over permissions could not be set aside");
            // That power is set aside for this thread alone: the reader's
            // worker would still have it, so the file is read here.
            const ResultsFile::Outcome outcome = ResultsFile::read(badPath);
            QVERIFY(!outcome.run);
            QVERIFY2(outcome.problem.contains(says), qPrintable(outcome.problem));
            return;
        }
    }

    QVERIFY(fixture.add({badPath, goodPath}));
    const QString notes = fixture.notes();
    QVERIFY2(notes.contains(QStringLiteral("bad.csv was not added")), qPrintable(notes));
    QVERIFY2(notes.contains(says), qPrintable(notes));
    QVERIFY2(notes.contains(QStringLiteral("1 file added.")), qPrintable(notes));
    QCOMPARE(int(fixture.pool().learners().size()), 1);
    QCOMPARE(fixture.pool().learners().front().label, QStringLiteral("Goro"));
    QCOMPARE(fixture.pool().pooled().experiments(), qint64(200));
}

void TestClass::mutatedFilesNeverCrashOrLie()
{
    // A valid file damaged in many small ways: each is read or refused in
    // words, and what is read is always a whole, possible run.
    const ExperimentResults::Series series = seriesOf(12, 300, 21, QStringLiteral("Kenji"));
    const QByteArray valid = csvOf(series);
    QRandomGenerator random(2026);
    int refused = 0;
    for (int trial = 0; trial < 400; ++trial) {
        QByteArray bytes = valid;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes && !bytes.isEmpty(); ++c) {
            const qsizetype at = random.bounded(int(bytes.size()));
            switch (random.bounded(5)) {
            case 0: // a byte changed
                bytes[at] = char(random.bounded(256));
                break;
            case 1: // a stretch deleted
                bytes.remove(at, 1 + random.bounded(40));
                break;
            case 2: // a stretch repeated
                bytes.insert(at, bytes.mid(at, 1 + random.bounded(40)));
                break;
            case 3: // cut off
                bytes.truncate(at);
                break;
            default: // a delimiter or quote put in
                bytes.insert(at, "\",;\n"[random.bounded(4)]);
                break;
            }
        }
        const ResultsFile::Outcome outcome = ResultsFile::parse(bytes, QStringLiteral("mutated"));
        if (!outcome.run) {
            QVERIFY2(!outcome.problem.isEmpty(), "refused without a word");
            ++refused;
            continue;
        }
        const LearnerRun &run = *outcome.run;
        QVERIFY(run.shots >= 5 && run.shots <= 50);
        QCOMPARE(run.experiments, qint64(run.hits.size()));
        qint64 successes = 0;
        for (const quint8 hits : run.hits) {
            QVERIFY(hits <= run.shots);
            successes += hits > 0 ? 1 : 0;
        }
        QCOMPARE(run.successes, successes);
    }
    QVERIFY2(refused > 200, qPrintable(QString::number(refused))); // most damage is seen
}

void TestClass::aTallyJoinsThePoolAndRemoveTakesALearnerOut()
{
    ClassFixture fixture;
    QTemporaryDir folder;
    const ExperimentResults::Series aiko = seriesOf(20, 300, 1, QStringLiteral("Aiko"));
    QVERIFY(fixture.add({write(folder, QStringLiteral("aiko.csv"), csvOf(aiko))}));

    // The dice game's tally, counted by hand.
    LearnerRun dice;
    dice.label = QStringLiteral("Table 4, dice");
    dice.shots = 20;
    dice.experiments = 30;
    dice.successes = 26;
    fixture.program.resultsDialogs.tally = dice;
    fixture.window().findChild<QPushButton *>(QStringLiteral("addTally"))->click();
    ProgramFixture::settle();
    QCOMPARE(int(fixture.pool().learners().size()), 2);
    const ExperimentResults &pooled = fixture.pool().pooled();
    QCOMPARE(pooled.acrossN().at(20).experiments, qint64(330));
    QCOMPARE(pooled.acrossN().at(20).successes, successesOf(aiko) + 26);
    // Not in the running chart: its experiments have no order.
    QCOMPARE(pooled.experiments(), qint64(300));
    // A dot of its own, named.
    const ChartData learners = fixture.window().findChild<ChartView *>(QStringLiteral("learners"))->chart();
    QStringList names;
    for (const ChartSeries &series : learners.series)
        names += series.names;
    QVERIFY2(names.contains(QStringLiteral("Table 4, dice (counted by hand): 26 successes in 30 experiments at N = 20, "
                                           "86.67 %")),
             qPrintable(names.join(u'\n')));
    QCOMPARE(names.size(), 3); // two learners and the class pooled

    // Remove takes the chosen learner out, and the pool follows.
    auto *list = fixture.window().findChild<QTableView *>(QStringLiteral("classList"));
    auto *remove = fixture.window().findChild<QPushButton *>(QStringLiteral("removeLearner"));
    QVERIFY(!remove->isEnabled());
    list->selectRow(0);
    QVERIFY(remove->isEnabled());
    remove->click();
    QCOMPARE(int(fixture.pool().learners().size()), 1);
    QCOMPARE(fixture.pool().learners().front().label, QStringLiteral("Table 4, dice"));
    QCOMPARE(fixture.pool().pooled().acrossN().at(20).experiments, qint64(30));
    QCOMPARE(list->model()->rowCount(), 1);
}

void TestClass::eachLearnerIsNamedByTheKeys()
{
    ClassFixture fixture;
    QTemporaryDir folder;
    QVERIFY(fixture.add({write(folder, QStringLiteral("a.csv"), csvOf(seriesOf(20, 40, 1, QStringLiteral("Few")))),
                         write(folder, QStringLiteral("b.csv"), csvOf(seriesOf(20, 900, 2, QStringLiteral("Many"))))}));
    ProgramFixture::settle();
    auto *chart = fixture.window().findChild<ChartView *>(QStringLiteral("learners"));
    QSignalSpy named(chart, &ChartView::pointChosen);
    chart->setFocus();
    // Left to right: the fewest experiments first, the class pooled last.
    QTest::keyClick(chart, Qt::Key_Right);
    QVERIFY2(chart->chosenName().startsWith(QStringLiteral("Few: ")), qPrintable(chart->chosenName()));
    QTest::keyClick(chart, Qt::Key_Right);
    QVERIFY2(chart->chosenName().startsWith(QStringLiteral("Many: ")), qPrintable(chart->chosenName()));
    QTest::keyClick(chart, Qt::Key_End);
    QVERIFY2(chart->chosenName().startsWith(QStringLiteral("The class pooled: ")), qPrintable(chart->chosenName()));
    QCOMPARE(named.size(), 3);
    QCOMPARE(named.last().first().toString(), chart->chosenName());

    // The pointer names the dot it comes near: swept over the chart, it
    // meets every learner.
    QStringList met;
    for (int y = 0; y < chart->height(); y += 3) {
        for (int x = 0; x < chart->width(); x += 3) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), chart->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(chart, &move);
            const QString name = chart->chosenName().section(u':', 0, 0);
            if (!met.contains(name))
                met << name;
        }
    }
    met.sort();
    QCOMPARE(met, (QStringList{"Few", "Many", "The class pooled"}));
}

void TestClass::theClassSavedAndCopied()
{
    ClassFixture fixture;
    QTemporaryDir folder;
    const ExperimentResults::Series a = seriesOf(20, 100, 1, QStringLiteral("Aiko, group 1"));
    QVERIFY(fixture.add({write(folder, QStringLiteral("a.csv"), csvOf(a))}));
    const QString path = folder.filePath(QStringLiteral("class"));
    fixture.program.resultsDialogs.classPath = path;
    fixture.window().findChild<QPushButton *>(QStringLiteral("saveClass"))->click();
    QCOMPARE(fixture.program.resultsDialogs.failures, QStringList());
    QFile saved(path + QStringLiteral(".csv"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray expectedRow = "\"Aiko, group 1\",20,100," + QByteArray::number(successesOf(a)) + ','
                                 + QByteArray::number(double(successesOf(a)) / 100, 'f', 7) + ",a.csv\n";
    QCOMPARE(saved.readAll(), "learner,shots,experiments,successes,success_rate,source\n" + expectedRow);
    fixture.window().findChild<QPushButton *>(QStringLiteral("copyClass"))->click();
    QVERIFY2(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("learner\tshots\texperiments")),
             qPrintable(QGuiApplication::clipboard()->text()));
}

void TestClass::cancellingAddsNothing()
{
    ClassFixture fixture;
    QTemporaryDir folder;
    const QString path = write(folder, QStringLiteral("long.csv"), csvOf(seriesOf(20, 20000, 3, QStringLiteral("Long"))));
    // Many files to read: the reading is still under way when Cancel comes.
    QStringList paths;
    for (int i = 0; i < 200; ++i)
        paths << path;
    ResultsWindow &window = fixture.window();
    window.addResultsFiles(paths);
    QVERIFY(window.isReadingFiles());
    auto *progress = window.findChild<QProgressDialog *>(QStringLiteral("reading"));
    QVERIFY(progress);
    auto *cancel = progress->findChild<QPushButton *>();
    QVERIFY(cancel);
    cancel->click();
    QVERIFY(QTest::qWaitFor([&window] { return !window.isReadingFiles(); }, 20000));
    QVERIFY2(fixture.notes().contains(QStringLiteral("cancelled")), qPrintable(fixture.notes()));
    QVERIFY(fixture.pool().isEmpty());
    // Nothing is left half done: the next adding goes through.
    QVERIFY(fixture.add({path}));
    QCOMPARE(int(fixture.pool().learners().size()), 1);
}

void TestClass::filesDroppedOnTheWindowAreAdded()
{
    ClassFixture fixture;
    QTemporaryDir folder;
    const QString a = write(folder, QStringLiteral("a.csv"), csvOf(seriesOf(20, 30, 1, QStringLiteral("Aiko"))));
    const QString b = write(folder, QStringLiteral("b.csv"), csvOf(seriesOf(20, 40, 2, QStringLiteral("Ben"))));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl(QStringLiteral("https://example.org/c.csv"))});
    ResultsWindow &window = fixture.window();
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QVERIFY(QTest::qWaitFor([&window] { return !window.isReadingFiles(); }, 20000));
    ProgramFixture::settle();
    QCOMPARE(int(fixture.pool().learners().size()), 2); // the web address is not a file here
    QVERIFY(window.showsClass());
}

QTEST_MAIN(TestClass)
#include "tst_class.moc"
