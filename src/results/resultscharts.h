#pragma once

#include "charts/chartdata.h"

#include <QCoreApplication>

class ClassResults;
class ExperimentResults;

// The three charts of the Results window, made from the results.
class ResultsCharts
{
    Q_DECLARE_TR_FUNCTIONS(ResultsCharts)

public:
    // The success rate against the number of experiments (a log scale),
    // with the theory, its band of 2 standard errors, the naive guess and
    // the prediction.
    static ChartData runningRate(const ExperimentResults &results);
    // Successes minus the successes expected, n (1 - 0.9^N), against the
    // number of experiments (a log scale), with its band of 2 standard
    // deviations, 2 sqrt(n p (1 - p)), which widens as n grows.
    static ChartData successesMinusExpected(const ExperimentResults &results);
    // How many experiments had 0, 1, ... N hits, beside the binomial
    // expectation.
    static ChartData hitsPerExperiment(const ExperimentResults &results);
    // The chance of at least one hit against N: theory, naive guess, and
    // each N tried with its 95 % interval.
    static ChartData acrossN(const ExperimentResults &results);
    // Every learner's success rate at the class's N against their number
    // of experiments (a log scale), in the funnel of 2 standard errors
    // around the theory, and the class pooled.
    static ChartData learners(const ClassResults &pool);

    // Where the running rate is sampled: the experiment numbers from 1 to
    // `experiments` on a fixed grid, even on a log scale (SamplesPerDecade
    // to a tenfold), then `experiments` itself. The grid does not move as
    // the experiments add up, so all but the last stretch of the line stays
    // as it was drawn.
    static QList<qint64> samplePoints(qint64 experiments);
    static constexpr int SamplesPerDecade = 60;

private:
    // The theory's rate and 2 standard errors about it, for 1 to the x
    // axis' end (a log scale) experiments.
    static ChartSeries theoryBand(const ChartData &chart, double theory);
};
