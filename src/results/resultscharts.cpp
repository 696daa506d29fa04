#include "results/resultscharts.h"

#include "results/classreport.h"
#include "results/classresults.h"
#include "results/experimentresults.h"
#include "results/resultsreport.h"
#include "results/resultstatistics.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Okabe and Ito's colours, told apart by every kind of colour vision.
const QColor Experiment(0, 114, 178);
const QColor Theory(0, 0, 0);
const QColor Band(0, 158, 115);
const QColor Naive(213, 94, 0);
const QColor Prediction(204, 121, 167);
const QColor PredictionStroke(204, 121, 167, 150);
const QColor Expected(230, 159, 0);


ChartSeries horizontal(const QString &label, double y, double xMin, double xMax, const QColor &colour,
                       Qt::PenStyle style, qreal width = 2)
{
    return {.label = label, .colour = colour, .style = style, .width = width,
            .points = {QPointF(xMin, y), QPointF(xMax, y)}};
}

// The next of 1, 1.5, 2, 3, 5, 7.5 times a power of ten at or above value.
double roundedUp(double value)
{
    const double power = std::pow(10.0, std::floor(std::log10(std::max(value, 1.0))));
    for (double factor : {1.0, 1.5, 2.0, 3.0, 5.0, 7.5, 10.0})
        if (factor * power >= value)
            return factor * power;
    return 10 * power;
}

// Experiments on the x axis, by decades up to the next power of ten at or
// above `experiments`.
void experimentsOnX(ChartData &chart, qint64 experiments, const QString &title)
{
    chart.xTitle = title;
    chart.logX = true;
    chart.xMin = 1;
    chart.xMax = std::pow(10.0, std::max(1.0, std::ceil(std::log10(double(std::max<qint64>(experiments, 1))))));
}

// The line up to the last grid point is kept with the rest of the chart;
// only its last stretch, to the latest experiment, is live.
void addWithLiveEnd(ChartData &chart, ChartSeries line)
{
    ChartSeries latest = line;
    latest.label.clear();
    latest.live = true;
    latest.points = line.points.mid(std::max<qsizetype>(0, line.points.size() - 2));
    if (!line.points.isEmpty())
        line.points.removeLast();
    chart.series << line << latest;
}

} // namespace

ChartSeries ResultsCharts::theoryBand(const ChartData &chart, double theory)
{
    ChartSeries band{.kind = ChartSeries::Kind::Band, .label = tr("theory \u00b1 2 standard errors"), .colour = Band};
    for (int i = 0; i <= 120; ++i) {
        const double x = std::pow(chart.xMax, i / 120.0);
        const double spread = 2 * stats::standardError(theory, qint64(std::max(1.0, std::floor(x))));
        band.points << QPointF(x, std::min(1.0, theory + spread));
        band.lower << QPointF(x, std::max(0.0, theory - spread));
    }
    return band;
}

QList<qint64> ResultsCharts::samplePoints(qint64 experiments)
{
    QList<qint64> points;
    for (int step = 0;; ++step) {
        const auto n = qint64(std::llround(std::pow(10.0, double(step) / SamplesPerDecade)));
        if (n >= experiments)
            break;
        if (points.isEmpty() || n > points.back())
            points << n;
    }
    if (experiments > 0)
        points << experiments;
    return points;
}

ChartData ResultsCharts::runningRate(const ExperimentResults &results)
{
    ChartData chart;
    const int n = results.shotsPerExperiment();
    const qint64 experiments = results.experiments();
    chart.title = n > 0 ? tr("Success rate as the experiments add up (N = %1)").arg(n)
                        : tr("Success rate as the experiments add up");
    experimentsOnX(chart, experiments, tr("experiments (log scale)"));
    chart.yTitle = tr("success rate");
    chart.yAsPercent = true;
    chart.description = ResultsReport(results).runningRateInWords();
    if (n <= 0)
        return chart;

    const double theory = stats::theoryRate(n);
    chart.series << theoryBand(chart, theory);
    // The prediction is a broad light stroke under the thin lines: seen
    // even where it is the naive guess (the additive mistake, 100 %).
    const auto predicted = results.prediction(n);
    if (predicted)
        chart.series << horizontal(tr("your prediction"), *predicted, chart.xMin, chart.xMax, PredictionStroke,
                                   Qt::SolidLine, 7);
    chart.series << horizontal(tr("naive guess N \u00d7 10 %"), stats::naiveRate(n), chart.xMin, chart.xMax,
                               Naive, Qt::DashLine);
    // Room above 100 %, so that a line there is not lost in the frame.
    if (stats::naiveRate(n) >= 1 || (predicted && *predicted >= 0.99))
        chart.yMax = 1.06;
    chart.series << horizontal(tr("theory 1 \u2212 0.9^N"), theory, chart.xMin, chart.xMax, Theory,
                               Qt::SolidLine);

    ChartSeries rate{.label = tr("experiments"), .colour = Experiment, .width = 2.5};
    for (qint64 x : samplePoints(experiments))
        rate.points << QPointF(double(x), double(results.successesAmongFirst(x)) / double(x));
    addWithLiveEnd(chart, std::move(rate));
    return chart;
}

ChartData ResultsCharts::successesMinusExpected(const ExperimentResults &results)
{
    ChartData chart;
    const int n = results.shotsPerExperiment();
    const qint64 experiments = results.experiments();
    chart.title = n > 0 ? tr("Successes minus the successes expected (N = %1)").arg(n)
                        : tr("Successes minus the successes expected");
    experimentsOnX(chart, experiments, tr("experiments (log scale)"));
    chart.yTitle = tr("successes \u2212 expected");
    chart.description = ResultsReport(results).successesMinusExpectedInWords();
    chart.yMin = -1;
    chart.yMax = 1;
    if (n <= 0)
        return chart;

    const double theory = stats::theoryRate(n);
    double reach = 1;
    ChartSeries band{.kind = ChartSeries::Kind::Band, .label = tr("\u00b1 2 standard deviations"), .colour = Band};
    for (int i = 0; i <= 120; ++i) {
        const double x = std::pow(chart.xMax, i / 120.0);
        const double spread = 2 * stats::countSpread(theory, qint64(std::max(1.0, std::floor(x))));
        band.points << QPointF(x, spread);
        band.lower << QPointF(x, -spread);
        if (x <= double(std::max<qint64>(experiments, 10)))
            reach = std::max(reach, spread);
    }
    chart.series << band;
    chart.series << horizontal(tr("as expected: n \u00d7 (1 \u2212 0.9^N)"), 0, chart.xMin, chart.xMax, Theory,
                               Qt::SolidLine);
    ChartSeries difference{.label = tr("experiments"), .colour = Experiment, .width = 2.5};
    for (qint64 x : samplePoints(experiments)) {
        const double off = double(results.successesAmongFirst(x)) - double(x) * theory;
        difference.points << QPointF(double(x), off);
        reach = std::max(reach, std::abs(off));
    }
    addWithLiveEnd(chart, std::move(difference));
    // Room for the band and the line, the same above and below; rounded up
    // so that the axis does not move at every experiment.
    chart.yMax = roundedUp(reach * 1.1);
    chart.yMin = -chart.yMax;
    return chart;
}

ChartData ResultsCharts::hitsPerExperiment(const ExperimentResults &results)
{
    ChartData chart;
    const int n = results.shotsPerExperiment();
    const qint64 experiments = results.experiments();
    chart.title = tr("Hits per experiment");
    chart.xTitle = tr("hits in an experiment");
    chart.yTitle = tr("experiments");
    chart.integerX = true;
    chart.description = ResultsReport(results).histogramInWords();
    if (n <= 0)
        return chart;
    chart.xMin = -0.5;
    chart.xMax = n + 0.5;

    ChartSeries seen{.kind = ChartSeries::Kind::Bars, .label = tr("experiments"), .colour = Experiment,
                     .barWidth = 0.7, .live = true};
    ChartSeries expected{.kind = ChartSeries::Kind::Line, .label = tr("expected (binomial, 1 in 10)"),
                         .colour = Expected, .marker = ChartSeries::Marker::Circle, .live = true};
    double highest = 1;
    for (int hits = 0; hits <= n; ++hits) {
        const double count = double(results.hitCounts().at(std::size_t(hits)));
        const double expectation = double(experiments) * stats::binomialProbability(n, hits);
        seen.points << QPointF(hits, count);
        expected.points << QPointF(hits, expectation);
        highest = std::max({highest, count, expectation});
    }
    // A round top, so that the axis changes seldom as the counts grow.
    chart.yMax = roundedUp(highest * 1.15);
    chart.series << seen << expected;
    const qint64 failures = results.hitCounts().at(0);
    chart.notes << ChartNote{QPointF(0, double(failures)),
                             tr("0 hits: %1, expected 0.9^%2 = %3")
                                 .arg(QLocale().toString(failures))
                                 .arg(n)
                                 .arg(ResultsReport::percent(1 - stats::theoryRate(n)))};
    return chart;
}

ChartData ResultsCharts::acrossN(const ExperimentResults &results)
{
    ChartData chart;
    chart.title = tr("At least one hit, against N");
    chart.xTitle = tr("shots per experiment N");
    chart.yTitle = tr("chance of success");
    chart.xMin = 4;
    chart.xMax = 51;
    chart.integerX = true;
    chart.yAsPercent = true;
    chart.description = ResultsReport(results).acrossNInWords();

    ChartSeries naive{.label = tr("naive guess N \u00d7 10 %"), .colour = Naive, .style = Qt::DashLine};
    ChartSeries theory{.label = tr("theory 1 \u2212 0.9^N"), .colour = Theory};
    for (int n = 5; n <= 50; ++n) {
        naive.points << QPointF(n, stats::naiveRate(n));
        theory.points << QPointF(n, stats::theoryRate(n));
    }
    chart.series << naive << theory;

    ChartSeries predictions{.kind = ChartSeries::Kind::Points, .label = tr("your predictions"),
                            .colour = Prediction, .marker = ChartSeries::Marker::Diamond};
    for (const auto &[n, rate] : results.predictions())
        predictions.points << QPointF(n, rate);
    if (!predictions.points.isEmpty())
        chart.series << predictions;

    ChartSeries measured{.kind = ChartSeries::Kind::Points, .label = tr("experiments, with 95 % intervals"),
                         .colour = Experiment, .marker = ChartSeries::Marker::Circle, .live = true};
    for (const auto &[n, tally] : results.acrossN()) {
        const stats::Interval interval = stats::wilsonInterval(tally.successes, tally.experiments);
        measured.points << QPointF(n, double(tally.successes) / double(tally.experiments));
        measured.intervals << QPointF(interval.low, interval.high);
    }
    chart.series << measured;
    return chart;
}

ChartData ResultsCharts::learners(const ClassResults &pool)
{
    ChartData chart;
    const int n = pool.shots();
    chart.title = n > 0 ? tr("Each learner's success rate (N = %1)").arg(n) : tr("Each learner's success rate");
    chart.yTitle = tr("success rate");
    chart.yAsPercent = true;
    const ExperimentResults &pooled = pool.pooled();
    const auto found = pooled.acrossN().find(n);
    const ExperimentResults::Tally total =
        found == pooled.acrossN().end() ? ExperimentResults::Tally() : found->second;
    experimentsOnX(chart, total.experiments, tr("experiments (log scale)"));
    chart.description = ClassReport(pool).learnersInWords();
    if (n <= 0)
        return chart;

    // The funnel: where about 95 % of the learners' rates fall, narrowing
    // as their experiments add up.
    const double theory = stats::theoryRate(n);
    chart.series << theoryBand(chart, theory);
    chart.series << horizontal(tr("theory 1 \u2212 0.9^N"), theory, chart.xMin, chart.xMax, Theory, Qt::SolidLine);

    ChartSeries files{.kind = ChartSeries::Kind::Points, .label = tr("learners"), .colour = Experiment,
                      .marker = ChartSeries::Marker::Circle};
    ChartSeries tallies{.kind = ChartSeries::Kind::Points, .label = tr("counted by hand"), .colour = Expected,
                        .marker = ChartSeries::Marker::Diamond};
    for (const LearnerRun &run : pool.learners()) {
        if (run.shots != n)
            continue;
        ChartSeries &into = run.isTally() ? tallies : files;
        into.points << QPointF(double(run.experiments), run.rate());
        into.names << ClassReport::learnerInWords(run);
    }
    for (const ChartSeries &dots : {files, tallies}) {
        if (!dots.points.isEmpty())
            chart.series << dots;
    }
    if (total.experiments > 0) {
        const stats::Interval interval = stats::wilsonInterval(total.successes, total.experiments);
        const double rate = double(total.successes) / double(total.experiments);
        ChartSeries pooledDot{.kind = ChartSeries::Kind::Points, .label = tr("the class pooled, with 95 % interval"),
                              .colour = Theory, .marker = ChartSeries::Marker::Diamond,
                              .points = {QPointF(double(total.experiments), rate)},
                              .intervals = {QPointF(interval.low, interval.high)},
                              .names = {tr("The class pooled: %1 successes in %2 experiments, %3")
                                            .arg(QLocale().toString(total.successes),
                                                 QLocale().toString(total.experiments),
                                                 ResultsReport::percent(rate))}};
        chart.series << pooledDot;
    }
    return chart;
}
