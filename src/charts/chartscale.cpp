#include "charts/chartscale.h"

#include <algorithm>
#include <cmath>

double niceStep(double range, int most)
{
    if (range <= 0)
        return 1;
    const double rough = range / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

QList<double> xTicks(const ChartData &chart)
{
    QList<double> ticks;
    if (chart.logX) {
        for (double tick = chart.xMin; tick <= chart.xMax * 1.0001; tick *= 10)
            ticks << tick;
        return ticks;
    }
    double step = niceStep(chart.xMax - chart.xMin, 8);
    if (chart.integerX)
        step = std::max(1.0, std::round(step));
    for (double tick = std::ceil(chart.xMin / step) * step; tick <= chart.xMax + step * 1e-6; tick += step)
        ticks << tick;
    return ticks;
}

QList<double> yTicks(const ChartData &chart)
{
    QList<double> ticks;
    const double step = niceStep(chart.yMax - chart.yMin, 6);
    for (double tick = std::ceil(chart.yMin / step) * step; tick <= chart.yMax + step * 1e-6; tick += step)
        ticks << tick;
    return ticks;
}

double ChartMapping::x(double value) const
{
    double fraction;
    if (chart_.logX) {
        const double low = std::log10(chart_.xMin);
        const double high = std::log10(chart_.xMax);
        fraction = (std::log10(std::max(value, chart_.xMin)) - low) / (high - low);
    } else {
        fraction = (value - chart_.xMin) / (chart_.xMax - chart_.xMin);
    }
    return area_.left() + fraction * area_.width();
}

double ChartMapping::y(double value) const
{
    const double fraction = (value - chart_.yMin) / (chart_.yMax - chart_.yMin);
    return area_.bottom() - fraction * area_.height();
}
