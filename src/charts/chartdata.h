#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// What a chart shows, in the data's own units: the chart view turns it into
// pixels. Made afresh from the results whenever they change.
struct ChartSeries
{
    enum class Kind {
        Line,   // points joined in order
        Band,   // the area between points (upper) and lower
        Bars,   // points are (x, height), drawn barWidth wide
        Points, // markers; with intervals, (low, high) for each point
    };
    enum class Marker { None, Circle, Diamond };

    Kind kind = Kind::Line;
    QString label; // in the legend; none when empty
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    qreal width = 2; // the pen, in points at the chart's base size
    Marker marker = Marker::None;
    QList<QPointF> points;
    QList<QPointF> lower;     // Band
    QList<QPointF> intervals; // Points
    QStringList names;        // Points: what each one is, told when it is pointed at
    qreal barWidth = 0.8;     // Bars, in x units
    // Changes with every verdict: drawn afresh over a kept picture of the
    // rest of the chart, which changes far less often.
    bool live = false;

    bool operator==(const ChartSeries &) const = default;
};

// A note written on the chart, centred above a point.
struct ChartNote
{
    QPointF at;
    QString text;

    bool operator==(const ChartNote &) const = default;
};

struct ChartData
{
    QString title;
    QString xTitle;
    QString yTitle;
    double xMin = 0;
    double xMax = 1;
    double yMin = 0;
    double yMax = 1;
    bool logX = false;      // decades from xMin (which must be above 0)
    bool yAsPercent = false; // y ticks read 0 %, 20 % ... for 0, 0.2 ...
    bool integerX = false;  // x ticks only at whole numbers
    QList<ChartSeries> series;
    QList<ChartNote> notes;
    // Its numbers in words, for a screen reader.
    QString description;

    bool operator==(const ChartData &) const = default;
};
