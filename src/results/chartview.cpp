#include "results/chartview.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(40, 40, 40);
const QColor Grid(225, 225, 225);

// A step of 1, 2 or 5 times a power of ten that cuts range into at most
// `most` parts.
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

// The chart's data units on a rectangle of pixels.
class Mapping
{
public:
    Mapping(const ChartData &chart, const QRectF &area) : chart_(chart), area_(area) {}

    double x(double value) const
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
    double y(double value) const
    {
        const double fraction = (value - chart_.yMin) / (chart_.yMax - chart_.yMin);
        return area_.bottom() - fraction * area_.height();
    }
    QPointF at(const QPointF &p) const { return {x(p.x()), y(p.y())}; }

private:
    const ChartData &chart_;
    QRectF area_;
};

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
    const double step = niceStep(chart.yMax - chart.yMin, 5);
    for (double tick = std::ceil(chart.yMin / step) * step; tick <= chart.yMax + step * 1e-6; tick += step)
        ticks << tick;
    return ticks;
}

QString tickText(double value, bool percent)
{
    const QLocale locale;
    if (percent)
        return QStringLiteral("%1 %").arg(locale.toString(value * 100, 'f', 0));
    if (std::abs(value - std::round(value)) < 1e-9)
        return locale.toString(qint64(std::llround(value)));
    return locale.toString(value, 'g', 3);
}

void drawMarker(QPainter &painter, const QPointF &centre, ChartSeries::Marker marker, double size)
{
    switch (marker) {
    case ChartSeries::Marker::None:
        break;
    case ChartSeries::Marker::Circle:
        painter.drawEllipse(centre, size, size);
        break;
    case ChartSeries::Marker::Diamond: {
        const QPointF corners[] = {centre + QPointF(0, -size * 1.3), centre + QPointF(size * 1.3, 0),
                                   centre + QPointF(0, size * 1.3), centre + QPointF(-size * 1.3, 0)};
        painter.drawPolygon(corners, 4);
        break;
    }
    }
}

} // namespace

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setChart(ChartData chart)
{
    chart_ = std::move(chart);
    if (accessibleName() != chart_.title)
        setAccessibleName(chart_.title);
    if (accessibleDescription() != chart_.description)
        setAccessibleDescription(chart_.description);
    update();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const double unit = line / 16.0; // pens grow with the text
    const double gap = line * 0.4;

    // The title, then the legend's entries in as many rows as they need.
    QFont titleFont = font();
    titleFont.setBold(true);
    const double titleHeight = QFontMetricsF(titleFont).height();
    double top = gap + titleHeight + gap;

    struct LegendEntry
    {
        const ChartSeries *series;
        QRectF box;
    };
    QList<LegendEntry> legend;
    const double sample = line * 1.6;
    double legendX = gap;
    for (const ChartSeries &s : chart_.series) {
        if (s.label.isEmpty())
            continue;
        const double width = sample + gap * 0.5 + metrics.horizontalAdvance(s.label) + gap * 1.5;
        if (legendX + width > this->width() - gap && legendX > gap) {
            legendX = gap;
            top += line;
        }
        legend.append({&s, QRectF(legendX, top, width, line)});
        legendX += width;
    }
    if (!legend.isEmpty())
        top += line + gap;

    // Room for the axes' words.
    double yLabelWidth = 0;
    const QList<double> yt = yTicks(chart_);
    for (double tick : yt)
        yLabelWidth = std::max(yLabelWidth, metrics.horizontalAdvance(tickText(tick, chart_.yAsPercent)));
    const double left = gap + (chart_.yTitle.isEmpty() ? 0 : line + gap) + yLabelWidth + gap;
    const double bottom = height() - gap - (chart_.xTitle.isEmpty() ? 0 : line) - line - gap;
    // The last x tick's words are centred on the right edge.
    const QList<double> xt = xTicks(chart_);
    const double right = std::max(gap * 2, xt.isEmpty() ? 0.0
                                                       : metrics.horizontalAdvance(tickText(xt.back(), false)) / 2 + gap);
    const QRectF area(QPointF(left, top), QPointF(width() - right, bottom));
    if (area.width() < 20 || area.height() < 20)
        return;
    const Mapping map(chart_, area);

    // Title and axis titles.
    painter.setPen(Ink);
    painter.setFont(titleFont);
    painter.drawText(QRectF(gap, gap, width() - 2 * gap, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     chart_.title);
    painter.setFont(font());
    if (!chart_.xTitle.isEmpty())
        painter.drawText(QRectF(area.left(), height() - gap - line, area.width(), line), Qt::AlignCenter,
                         chart_.xTitle);
    if (!chart_.yTitle.isEmpty()) {
        painter.save();
        painter.translate(gap, area.center().y());
        painter.rotate(-90);
        painter.drawText(QRectF(-area.height() / 2, 0, area.height(), line), Qt::AlignCenter, chart_.yTitle);
        painter.restore();
    }

    // The grid and the ticks.
    painter.setPen(QPen(Grid, std::max(1.0, unit)));
    for (double tick : yt)
        painter.drawLine(QPointF(area.left(), map.y(tick)), QPointF(area.right(), map.y(tick)));
    for (double tick : xt)
        painter.drawLine(QPointF(map.x(tick), area.top()), QPointF(map.x(tick), area.bottom()));
    painter.setPen(Ink);
    for (double tick : yt)
        painter.drawText(QRectF(area.left() - gap - yLabelWidth, map.y(tick) - line / 2, yLabelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, tickText(tick, chart_.yAsPercent));
    for (double tick : xt)
        painter.drawText(QRectF(map.x(tick) - 60 * unit, area.bottom() + gap * 0.5, 120 * unit, line),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(tick, false));

    // The data, clipped to the plot area (a pen's width beyond it, so a
    // line on the top edge shows whole).
    painter.save();
    painter.setClipRect(area.adjusted(-3 * unit, -3 * unit, 3 * unit, 3 * unit));
    for (const ChartSeries &s : chart_.series) {
        QPen pen(s.colour, s.width * unit, s.style, Qt::FlatCap, Qt::RoundJoin);
        switch (s.kind) {
        case ChartSeries::Kind::Band: {
            QPainterPath path;
            for (qsizetype i = 0; i < s.points.size(); ++i)
                i == 0 ? path.moveTo(map.at(s.points[i])) : path.lineTo(map.at(s.points[i]));
            for (qsizetype i = s.lower.size() - 1; i >= 0; --i)
                path.lineTo(map.at(s.lower[i]));
            path.closeSubpath();
            QColor fill = s.colour;
            fill.setAlphaF(0.22f);
            painter.fillPath(path, fill);
            break;
        }
        case ChartSeries::Kind::Bars: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(s.colour);
            for (const QPointF &bar : s.points) {
                const QRectF box(QPointF(map.x(bar.x() - s.barWidth / 2), map.y(bar.y())),
                                 QPointF(map.x(bar.x() + s.barWidth / 2), map.y(std::max(0.0, chart_.yMin))));
                painter.drawRect(box.normalized());
            }
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case ChartSeries::Kind::Line: {
            painter.setPen(pen);
            QPolygonF polyline;
            polyline.reserve(s.points.size());
            for (const QPointF &p : s.points)
                polyline << map.at(p);
            painter.drawPolyline(polyline);
            painter.setBrush(s.colour);
            painter.setPen(Qt::NoPen);
            for (const QPointF &p : s.points)
                drawMarker(painter, map.at(p), s.marker, 2.5 * unit);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case ChartSeries::Kind::Points: {
            pen.setStyle(Qt::SolidLine);
            painter.setPen(pen);
            for (qsizetype i = 0; i < s.points.size(); ++i) {
                const QPointF centre = map.at(s.points[i]);
                if (i < s.intervals.size()) {
                    const double low = map.y(s.intervals[i].x());
                    const double high = map.y(s.intervals[i].y());
                    const double whisker = 4 * unit;
                    painter.drawLine(QPointF(centre.x(), low), QPointF(centre.x(), high));
                    painter.drawLine(QPointF(centre.x() - whisker, low), QPointF(centre.x() + whisker, low));
                    painter.drawLine(QPointF(centre.x() - whisker, high), QPointF(centre.x() + whisker, high));
                }
                painter.setBrush(s.style == Qt::SolidLine ? QBrush(s.colour) : QBrush(Qt::white));
                drawMarker(painter, centre, s.marker, 4 * unit);
                painter.setBrush(Qt::NoBrush);
            }
            break;
        }
        }
    }
    painter.restore();

    // The frame of the plot area, then the notes over everything.
    painter.setPen(QPen(Ink, std::max(1.0, unit)));
    painter.drawRect(area);
    // Notes stand in the plot's top right corner, one under the other, each
    // with a thin line to the point it tells of.
    double noteTop = area.top() + gap * 0.5;
    for (const ChartNote &note : chart_.notes) {
        const QPointF at = map.at(note.at);
        const double textWidth = std::min(metrics.horizontalAdvance(note.text) + gap, area.width() - gap);
        const QRectF box(area.right() - gap * 0.5 - textWidth, noteTop, textWidth, line);
        painter.setPen(QPen(Ink, std::max(1.0, unit * 0.75), Qt::DotLine));
        painter.drawLine(QPointF(box.left(), box.center().y()), at);
        painter.setPen(Ink);
        painter.fillRect(box, QColor(255, 255, 255, 230));
        painter.drawText(box, Qt::AlignCenter, note.text);
        noteTop += line + gap * 0.5;
    }

    // The legend: a sample of each series beside its label.
    for (const LegendEntry &entry : legend) {
        const ChartSeries &s = *entry.series;
        const QRectF swatch(entry.box.left(), entry.box.top() + line * 0.25, sample, line * 0.5);
        switch (s.kind) {
        case ChartSeries::Kind::Band: {
            QColor fill = s.colour;
            fill.setAlphaF(0.22f);
            painter.fillRect(swatch, fill);
            break;
        }
        case ChartSeries::Kind::Bars:
            painter.fillRect(swatch, s.colour);
            break;
        case ChartSeries::Kind::Line:
            painter.setPen(QPen(s.colour, s.width * unit, s.style, Qt::FlatCap));
            painter.drawLine(QPointF(swatch.left(), swatch.center().y()), QPointF(swatch.right(), swatch.center().y()));
            break;
        case ChartSeries::Kind::Points:
            painter.setPen(QPen(s.colour, s.width * unit));
            painter.setBrush(s.style == Qt::SolidLine ? QBrush(s.colour) : QBrush(Qt::white));
            drawMarker(painter, swatch.center(), s.marker, 4 * unit);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        painter.setPen(Ink);
        painter.drawText(QRectF(swatch.right() + gap * 0.5, entry.box.top(), entry.box.width() - sample, line),
                         Qt::AlignLeft | Qt::AlignVCenter, s.label);
    }

    if (hasFocus()) {
        painter.setPen(QPen(QColor(0, 90, 170), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
