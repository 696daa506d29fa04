#include "results/resultstatistics.h"

#include <algorithm>
#include <cmath>

namespace stats {

double theoryRate(int shotsPerExperiment)
{
    return 1.0 - std::pow(1.0 - HitChance, shotsPerExperiment);
}

double naiveRate(int shotsPerExperiment)
{
    return std::min(1.0, shotsPerExperiment * HitChance);
}

double standardError(double p, qint64 experiments)
{
    if (experiments <= 0)
        return 0;
    return std::sqrt(p * (1.0 - p) / double(experiments));
}

double countSpread(double p, qint64 experiments)
{
    if (experiments <= 0)
        return 0;
    return std::sqrt(double(experiments) * p * (1.0 - p));
}

double binomialProbability(int shotsPerExperiment, int hits, double hitChance)
{
    if (hits < 0 || hits > shotsPerExperiment)
        return 0;
    // Through logarithms, so that no binomial coefficient overflows.
    const double logChoose = std::lgamma(shotsPerExperiment + 1.0) - std::lgamma(hits + 1.0)
                           - std::lgamma(shotsPerExperiment - hits + 1.0);
    return std::exp(logChoose + hits * std::log(hitChance)
                    + (shotsPerExperiment - hits) * std::log1p(-hitChance));
}

Interval wilsonInterval(qint64 successes, qint64 experiments)
{
    if (experiments <= 0)
        return {};
    constexpr double z = 1.959963984540054;
    const double n = double(experiments);
    const double rate = double(successes) / n;
    const double denominator = 1 + z * z / n;
    const double centre = (rate + z * z / (2 * n)) / denominator;
    const double halfWidth = z * std::sqrt(rate * (1 - rate) / n + z * z / (4 * n * n)) / denominator;
    return {std::max(0.0, centre - halfWidth), std::min(1.0, centre + halfWidth)};
}

} // namespace stats
