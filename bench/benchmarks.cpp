// The cost of the program's busy paths, and what a user would notice:
// start-up time, memory over a session, and the pace of automatic firing.
// Run with `make bench`.
#include "learnerfiles.h"
#include "programfixture.h"

#include "experiment/experimentoperations.h"
#include "formkit/picturebox.h"
#include "charts/chartview.h"
#include "results/resultswindow.h"
#include "results/handout.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

// One Timer event: a whole shot step with its drawing and labels, at N = 20
// (a new experiment, with its cleared plot and redrawn ring, every 20 shots).
void FireShot(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.click(program.ui().Command2);
    for (auto _ : state)
        program.tick();
    ProgramFixture::settle();
}
BENCHMARK(FireShot);

// The target ring alone: 6284 points on the real plot.
void DrawTarget(benchmark::State &state)
{
    ProgramFixture program;
    program.start(QStringLiteral("20"));
    FakeLabel label;
    RecordingMultimedia multimedia;
    ExperimentState &experimentState = program.state();
    ExperimentOperations operations(
        experimentState,
        {.Label2 = label, .Label4 = label, .Label5 = label, .Label9 = label, .Label11 = label,
         .Label13 = label, .Label15 = label, .Picture1 = program.ui().Picture1,
         .MMControl1 = multimedia},
        {program.scripted, program.clock, program.dialogs, program.programEnd});
    for (auto _ : state)
        operations.DrawTarget();
}
BENCHMARK(DrawTarget);

// Help, then Close: the main window unloaded, the help text printed, the
// main window made afresh, its ring drawn and N asked again.
void HelpAndClose(benchmark::State &state)
{
    ProgramFixture program;
    program.start(QStringLiteral("20"));
    program.dialogs.whenExhausted = QStringLiteral("20");
    for (auto _ : state) {
        program.click(program.ui().Command6);
        program.help().Command1.click();
        ProgramFixture::settle();
    }
}
BENCHMARK(HelpAndClose)->Unit(benchmark::kMicrosecond);

// The main window laid out and painted at a new size, its plot holding the
// ring and 50 marks drawn again at that size: what one step of dragging the
// window's corner costs (a frame is 16 ms).
void RelayoutAtANewSize(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("50"));
    for (int shot = 0; shot < 50; ++shot)
        program.click(program.ui().Command1);
    FormWindow &window = *program.form1().window();
    const QSize sizes[] = {window.clientSize(1.3), window.clientSize(1.45)};
    int turn = 0;
    for (auto _ : state) {
        window.resize(sizes[turn++ % 2]);
        window.repaint();
    }
}
BENCHMARK(RelayoutAtANewSize)->Unit(benchmark::kMicrosecond);

// A fast run of 10,000 experiments at N = 50 from the Results window: half a
// million shots judged as the shot step judges them, the last experiment
// drawn, the charts brought up to date.
void FastRun10000AtN50(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("50"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    for (auto _ : state)
        emit window.fastRunRequested(10000, RunPace::AtOnce);
}
BENCHMARK(FastRun10000AtN50)->Unit(benchmark::kMillisecond);

// One more verdict with 10^5 experiments in the series: the summary and the
// three charts made afresh and painted.
void ChartsAfterOneVerdict(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the Results window was never shown");
    emit window.fastRunRequested(100000, RunPace::AtOnce);
    ExperimentResults &results = program.form1().results();
    const QList<ChartView *> charts = window.findChildren<ChartView *>();
    int hits = 0;
    for (auto _ : state) {
        results.record(20, hits++ % 5);
        QCoreApplication::sendPostedEvents(&window); // the window's refresh
        for (ChartView *chart : charts)
            chart->repaint();
    }
}
BENCHMARK(ChartsAfterOneVerdict)->Unit(benchmark::kMicrosecond);

// A chart copied (Ctrl+C): drawn as a PNG at twice its size and as SVG,
// and put on the clipboard, after 10^4 experiments.
void CopyAChart(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    emit window.fastRunRequested(10000, RunPace::AtOnce);
    ProgramFixture::settle();
    ChartView *chart = window.findChild<ChartView *>(QStringLiteral("runningRate"));
    QAction *copy = chart->actions().value(0);
    for (auto _ : state)
        copy->trigger();
}
BENCHMARK(CopyAChart)->Unit(benchmark::kMillisecond);

// The handout written as a one-page PDF, after 10^4 experiments.
void HandoutPdf(benchmark::State &state)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    emit program.form1().resultsWindow()->fastRunRequested(10000, RunPace::AtOnce);
    ProgramFixture::settle();
    for (auto _ : state)
        benchmark::DoNotOptimize(Handout(program.form1().results(), QDate(2026, 12, 11)).pdf(QPageSize(QPageSize::A4)));
}
BENCHMARK(HandoutPdf)->Unit(benchmark::kMillisecond);

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// From starting the process to the shot-count box on screen, for the
// program ("startup") and for a bare Qt window asking the same question
// ("bare"), on the given Qt platform: the medians of 21 runs of each, taken
// in turn so that both meet the same machine.
std::pair<double, double> startupMilliseconds(const QString &platform, const QString &lang)
{
    const auto once = [&](const QString &mode) {
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!lang.isEmpty()) {
            environment.insert(QStringLiteral("LANG"), lang);
            environment.remove(QStringLiteral("LANGUAGE"));
            environment.remove(QStringLiteral("LC_ALL"));
        }
        probe.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        probe.start(QStringLiteral(SHOOTALOT_PROBE), {mode});
        probe.waitForReadyRead(10'000);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        probe.waitForFinished(10'000);
        return ms;
    };
    std::vector<double> program, bare;
    for (int i = 0; i < 21; ++i) {
        program.push_back(once(QStringLiteral("startup")));
        bare.push_back(once(QStringLiteral("bare")));
    }
    return {median(program), median(bare)};
}

// lang: the desktop's language the program starts in (empty: this one's).
void printStartup(const QString &platform, const char *where, const QString &lang = QString())
{
    const auto [program, bare] = startupMilliseconds(platform, lang);
    std::printf("start-up to the shot-count box, %s (median of 21)\n", where);
    std::printf("%-44s %9.1f ms\n", "  the program", program);
    std::printf("%-44s %9.1f ms\n", "  a bare Qt window asking the same", bare);
    std::printf("%-44s %9.2f\n", "  ratio", program / bare);
}

// What the probe prints in the given mode, as a number of KiB, in MiB.
double probeMiB(const char *mode)
{
    QProcess probe;
    probe.start(QStringLiteral(SHOOTALOT_PROBE), {QString::fromLatin1(mode)});
    probe.waitForFinished(120'000);
    return probe.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Pace
{
    double mean = 0;  // ms between ticks
    double worst = 0; // ms
    double cpu = 0;   // percent of one core over the run
};

enum class Resized { Nothing, MainWindow, ResultsWindow };

// The real Timer1 over 300 ticks: the mean and the worst interval, and the
// CPU the process used meanwhile. A window resized is given a new size every
// 16 ms meanwhile, as a corner dragged for that long does, for
// SHOOTALOT_RESIZE_SECONDS (60). With the Results window, that is open
// beside it, following every verdict (and it is open when it is resized).
Pace automaticPace(Resized resized = Resized::Nothing, bool withResults = false)
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    if (withResults || resized == Resized::ResultsWindow)
        program.form1().showResults();
    QTimer drag;
    int step = 0;
    // Back and forth between a size and half again.
    const auto zoomNow = [&step] {
        const double phase = (step++ % 120) / 60.0;
        return 1.0 + 0.5 * (phase <= 1 ? phase : 2 - phase);
    };
    drag.setInterval(16);
    if (resized == Resized::MainWindow) {
        FormWindow &window = *program.form1().window();
        QObject::connect(&drag, &QTimer::timeout, [&window, zoomNow] { window.resize(window.clientSize(zoomNow())); });
    } else if (resized == Resized::ResultsWindow) {
        QWidget &window = *program.form1().resultsWindow();
        const QSize opened = window.size();
        QObject::connect(&drag, &QTimer::timeout, [&window, opened, zoomNow] { window.resize(opened * zoomNow()); });
    }
    const bool resizing = resized != Resized::Nothing;
    if (resizing)
        drag.start();
    const qsizetype ticks = resizing ? 10 * qEnvironmentVariableIntValue("SHOOTALOT_RESIZE_SECONDS") : 300;
    std::vector<double> intervals;
    QElapsedTimer clock;
    qint64 last = -1;
    QObject::connect(&program.ui().Timer1, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            intervals.push_back(double(now - last) / 1e6);
        last = now;
    });
    clock.start();
    const double cpuBefore = processCpuSeconds();
    program.click(program.ui().Command2);
    while (qsizetype(intervals.size()) < std::max<qsizetype>(ticks, 300))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double cpu = 100 * (processCpuSeconds() - cpuBefore) / (double(clock.nsecsElapsed()) / 1e9);
    drag.stop();
    program.click(program.ui().Command3);
    const double mean = std::accumulate(intervals.begin(), intervals.end(), 0.0) / intervals.size();
    return {mean, *std::max_element(intervals.begin(), intervals.end()), cpu};
}

// A precise 16 ms timer that keeps the longest gap between its ticks: a
// frame of the screen is missed where it passes 32 ms, and what it is
// beyond 16 ms is the longest the window's thread was held meanwhile.
class GapProbe
{
public:
    GapProbe()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(16);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            if (last_ >= 0)
                worst_ = std::max(worst_, double(now - last_) / 1e6);
            last_ = now;
        });
    }
    void start()
    {
        clock_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }
    // Handles events until the timer ticks once more.
    void awaitTick()
    {
        const qint64 before = last_;
        while (last_ == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    double seconds() const { return double(clock_.nsecsElapsed()) / 1e9; }
    double worstMilliseconds() const { return worst_; }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 last_ = -1;
    double worst_ = 0;
};

// A watched run of 10,000 (Shown: watched) after 10^5 experiments at once,
// the Results window open: the worst gap of a precise 16 ms timer while it
// plays (a frame of the screen is missed where it passes 32 ms; what it is
// beyond 16 ms is the longest the window's thread was held), and the CPU
// it takes.
struct Frames
{
    double worstGap = 0; // ms
    double cpu = 0;      // percent of one core
};

Frames watchedRunFrames()
{
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    emit window.fastRunRequested(100000, RunPace::AtOnce);
    ProgramFixture::settle();
    GapProbe probe;
    const double cpuBefore = processCpuSeconds();
    probe.start();
    emit window.fastRunRequested(10000, RunPace::Watch);
    while (program.form1().isWatchingRun())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    probe.stop();
    return {probe.worstMilliseconds(), 100 * (processCpuSeconds() - cpuBefore) / probe.seconds()};
}

// A class added: 30 learners' files of 10,000 experiments each at N = 20,
// from choosing them to the Class tab drawn with the pool, and the worst
// gap of a precise 16 ms timer meanwhile (how long the window's thread was
// ever held while they were read).
struct Adding
{
    double seconds = 0;
    double worstGap = 0; // ms
};

Adding addAClass()
{
    QTemporaryDir folder;
    QStringList paths;
    QRandomGenerator random(30);
    for (int learner = 0; learner < 30; ++learner) {
        const QString path = folder.filePath(QStringLiteral("learner-%1.csv").arg(learner + 1));
        if (!writeLearnerFile(path, learnerSeries(random, 20, 10000, QStringLiteral("Learner %1").arg(learner + 1))))
            return {};
        paths << path;
    }
    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.form1().showResults();
    ResultsWindow &window = *program.form1().resultsWindow();
    ProgramFixture::settle();
    GapProbe probe;
    probe.start();
    window.addResultsFiles(paths);
    while (window.isReadingFiles())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ProgramFixture::settle(); // the pool drawn
    const double seconds = probe.seconds();
    // One more tick, so that the gap of the last event counts too.
    probe.awaitTick();
    probe.stop();
    return {seconds, probe.worstMilliseconds()};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // SHOOTALOT_BENCH_ONLY: the micro-benchmarks alone (to profile one).
    if (qEnvironmentVariableIsSet("SHOOTALOT_BENCH_ONLY"))
        return 0;

    std::printf("\n%-44s %12s\n", "What a user notices", "Measured");
    // SHOOTALOT_BENCH_CLASS_ONLY: only a class added (to compare two ways
    // of reading the files).
    if (qEnvironmentVariableIsSet("SHOOTALOT_BENCH_CLASS_ONLY")) {
        const Adding adding = addAClass();
        std::printf("%-44s %9.3f s\n", "a class of 30 x 10^4 experiments added", adding.seconds);
        std::printf("%-44s %9.1f ms\n", "  worst 16 ms gap meanwhile", adding.worstGap);
        return 0;
    }
    printStartup(QStringLiteral("offscreen"), "offscreen");
    // On an X display as well, where a user meets it (make bench runs
    // Xvfb for this).
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        printStartup(QStringLiteral("xcb"), "on an X display");
        // In Japanese: its translation and Qt's loaded too.
        printStartup(QStringLiteral("xcb"), "on an X display, LANG=ja_JP.UTF-8", QStringLiteral("ja_JP.UTF-8"));
    }
    else
        std::printf("start-up on an X display: not measured (DISPLAY is not set)\n");
    // SHOOTALOT_BENCH_STARTUP_ONLY: no more than the start-up (to compare
    // two builds of the program, run in turn).
    if (qEnvironmentVariableIsSet("SHOOTALOT_BENCH_STARTUP_ONLY"))
        return 0;
    // SHOOTALOT_BENCH_RESIZE_ONLY: only the windows resized (to compare
    // two ways of laying out while a corner is dragged).
    const bool resizeOnly = qEnvironmentVariableIsSet("SHOOTALOT_BENCH_RESIZE_ONLY");
    if (!resizeOnly) {
        std::printf("%-44s %8.1f MiB\n", "peak resident memory, 10^4 shots", probeMiB("session"));
        std::printf("%-44s %8.1f MiB\n", "resident memory after 10^6 experiments", probeMiB("million"));
        const Pace pace = automaticPace();
        std::printf("%-44s %9.1f ms\n", "automatic pace, mean interval (300 ticks)", pace.mean);
        std::printf("%-44s %9.1f ms\n", "automatic pace, worst interval", pace.worst);
        std::printf("%-44s %9.2f %%\n", "  CPU, of one core", pace.cpu);
        const Pace beside = automaticPace(Resized::Nothing, true);
        std::printf("%-44s %9.1f ms\n", "the same with the Results window open: mean", beside.mean);
        std::printf("%-44s %9.1f ms\n", "  worst", beside.worst);
        std::printf("%-44s %9.2f %%\n", "  CPU, of one core", beside.cpu);
    }
    if (!qEnvironmentVariableIsSet("SHOOTALOT_RESIZE_SECONDS"))
        qputenv("SHOOTALOT_RESIZE_SECONDS", "60");
    const Pace resized = automaticPace(Resized::MainWindow);
    std::printf("%-44s %9.1f ms\n", "the same while resized every 16 ms: mean", resized.mean);
    std::printf("%-44s %9.1f ms\n", "  worst", resized.worst);
    const Frames frames = watchedRunFrames();
    std::printf("%-44s %9.1f ms\n", "a watched run after 10^5: worst 16 ms gap", frames.worstGap);
    std::printf("%-44s %9.2f %%\n", "  CPU, of one core", frames.cpu);
    const Adding adding = addAClass();
    std::printf("%-44s %9.3f s\n", "a class of 30 x 10^4 experiments added", adding.seconds);
    std::printf("%-44s %9.1f ms\n", "  worst 16 ms gap meanwhile", adding.worstGap);
    const Pace resultsResized = automaticPace(Resized::ResultsWindow);
    std::printf("%-44s %9.1f ms\n", "the Results window resized every 16 ms: mean", resultsResized.mean);
    std::printf("%-44s %9.1f ms\n", "  worst", resultsResized.worst);
    std::printf("%-44s %9.2f %%\n", "  CPU, of one core", resultsResized.cpu);
    return 0;
}
