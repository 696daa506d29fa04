#pragma once

#include <QtGlobal>

// The probability that sits behind the experiment: a shot hits once in ten,
// an experiment of N shots succeeds when at least one of them hits.
namespace stats {

inline constexpr double HitChance = 0.1;

// 1 - 0.9^N, the chance that an experiment of N shots succeeds.
double theoryRate(int shotsPerExperiment);
// The common wrong answer, N x 10 %, which cannot pass 100 %.
double naiveRate(int shotsPerExperiment);
// The standard deviation of a success rate over `experiments` experiments
// that each succeed with chance p: sqrt(p (1 - p) / n).
double standardError(double p, qint64 experiments);
// The standard deviation of how many of n experiments succeed, each with
// chance p: sqrt(n p (1 - p)). It grows with n, though the rate's shrinks.
double countSpread(double p, qint64 experiments);
// The chance of exactly k hits in N shots.
double binomialProbability(int shotsPerExperiment, int hits, double hitChance = HitChance);

struct Interval
{
    double low = 0;
    double high = 1;
};
// Wilson's 95 % interval for a success rate: unlike rate +- 1.96 standard
// errors it stays within 0 and 1 and is honest when every experiment
// succeeds, which at N = 50 is what nearly always happens.
Interval wilsonInterval(qint64 successes, qint64 experiments);

} // namespace stats
