#pragma once

#include "charts/chartdata.h"

#include <QList>
#include <QPointF>
#include <QRectF>

// A step of 1, 2 or 5 times a power of ten that cuts range into at most
// `most` parts; 1 for an empty or upside-down range.
double niceStep(double range, int most);

// Where a chart's axes carry ticks, in the data's units: whole decades on a
// logarithmic x axis, else round steps (whole numbers only, where the chart
// asks for them), from the first step at or above the axis's start to its
// end.
QList<double> xTicks(const ChartData &chart);
QList<double> yTicks(const ChartData &chart);

// The chart's data units on a rectangle of pixels: x from the left (by
// decades on a logarithmic axis, where a value below the axis's start
// stands at the start), y from the bottom.
class ChartMapping
{
public:
    ChartMapping(const ChartData &chart, const QRectF &area) : chart_(chart), area_(area) {}

    double x(double value) const;
    double y(double value) const;
    QPointF at(const QPointF &p) const { return {x(p.x()), y(p.y())}; }

private:
    const ChartData &chart_;
    QRectF area_;
};
