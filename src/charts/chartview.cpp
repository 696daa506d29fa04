#include "charts/chartview.h"

#include "charts/chartscale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(40, 40, 40);
const QColor Grid(225, 225, 225);

QString tickText(double value, bool percent)
{
    const QLocale locale;
    if (percent)
        // Where the sign goes, and the space before it, is the language's.
        return QCoreApplication::translate("ChartView", "%1 %").arg(locale.toString(value * 100, 'f', 0));
    if (std::abs(value - std::round(value)) < 1e-9)
        return locale.toString(qint64(std::llround(value)));
    return locale.toString(value, 'g', 3);
}

// A title split at the space nearest its middle; empty where it has none.
QStringList inTwoLines(const QString &title)
{
    qsizetype best = -1;
    for (qsizetype at = title.indexOf(u' '); at >= 0; at = title.indexOf(u' ', at + 1)) {
        if (best < 0 || std::abs(at - title.size() / 2) < std::abs(best - title.size() / 2))
            best = at;
    }
    if (best <= 0)
        return {};
    return {title.left(best), title.mid(best + 1)};
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

// The chart without what is drawn live: two charts with the same backdrop
// differ only in that.
ChartData backdropOf(ChartData chart)
{
    chart.notes.clear();
    chart.description.clear();
    for (ChartSeries &series : chart.series)
        if (series.live) {
            series.points.clear();
            series.lower.clear();
            series.intervals.clear();
        }
    return chart;
}

bool sameBackdrop(const ChartData &a, const ChartData &b)
{
    return backdropOf(a) == backdropOf(b);
}

} // namespace

// Where everything goes, in pixels, at the widget's size and font.
struct ChartView::Frame
{
    struct LegendEntry
    {
        const ChartSeries *series;
        QRectF box;
    };
    double line = 0; // the height of a line of text
    double unit = 0; // pens grow with the text
    double gap = 0;
    double titleHeight = 0;
    double yLabelWidth = 0;
    // The y axis' title on two lines, where it is too long for one and
    // two fit; empty when it stands on one.
    QStringList yTitleLines;
    double sample = 0; // a legend entry's sample of its series
    QList<LegendEntry> legend;
    QList<double> xTicks;
    QList<double> yTicks;
    QRectF area; // the plot area
    bool drawable() const { return area.width() >= 20 && area.height() >= 20; }
};

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    settling_.setSingleShot(true);
    settling_.setInterval(SettlingMilliseconds);
    connect(&settling_, &QTimer::timeout, this, [this] {
        if (!stretched_)
            return;
        stretched_ = false;
        backdrop_ = QPixmap();
        update();
    });
}

void ChartView::redrawBackdrop()
{
    backdrop_ = QPixmap();
    stretched_ = false;
}

void ChartView::setFocusColour(const QColor &colour)
{
    focusColour_ = colour;
    if (hasFocus())
        update();
}

void ChartView::setChart(ChartData chart)
{
    // New words may need more room than the old (minimumSizeHint).
    const bool newWords = chart.title != chart_.title || chart.yTitle != chart_.yTitle || chart.xTitle != chart_.xTitle
                          || chart.series.size() != chart_.series.size();
    if (!sameBackdrop(chart, chart_))
        redrawBackdrop();
    // The point chosen stays chosen while it is there by its name.
    const QString chosen = chosenName();
    chart_ = std::move(chart);
    chosen_ = {-1, -1};
    for (const auto &point : namedPoints()) {
        if (chart_.series[point.first].names[point.second] == chosen && !chosen.isEmpty())
            chosen_ = point;
    }
    setMouseTracking(!namedPoints().isEmpty());
    if (newWords)
        updateGeometry();
    if (accessibleName() != chart_.title)
        setAccessibleName(chart_.title);
    if (accessibleDescription() != chart_.description)
        setAccessibleDescription(chart_.description);
    update();
}

void ChartView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // While a corner is dragged, sizes follow one another faster than the
    // chart is drawn: after the first, the last drawing is shown stretched
    // until the size rests, and only then drawn anew.
    if (isVisible() && settling_.isActive() && !backdrop_.isNull())
        stretched_ = true;
    else
        redrawBackdrop();
    if (isVisible())
        settling_.start();
}

void ChartView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        redrawBackdrop();
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}

ChartView::Frame ChartView::frame() const
{
    return frame(size());
}

ChartView::Frame ChartView::frame(QSize size) const
{
    Frame f;
    const QFontMetricsF metrics(font());
    f.line = metrics.height();
    f.unit = f.line / 16.0;
    f.gap = f.line * 0.4;
    QFont titleFont = font();
    titleFont.setBold(true);
    // A title longer than the chart is wide goes on as many lines as it takes.
    f.titleHeight = std::max(QFontMetricsF(titleFont).height(),
                             QFontMetricsF(titleFont)
                                 .boundingRect(QRectF(0, 0, std::max(1.0, size.width() - 2 * f.gap), 10000),
                                               Qt::AlignLeft | Qt::TextWordWrap, chart_.title)
                                 .height());

    // The title, then the legend's entries in as many rows as they need.
    double top = f.gap + f.titleHeight + f.gap;
    f.sample = f.line * 1.6;
    double legendX = f.gap;
    for (const ChartSeries &s : chart_.series) {
        if (s.label.isEmpty())
            continue;
        const double entryWidth = f.sample + f.gap * 0.5 + metrics.horizontalAdvance(s.label) + f.gap * 1.5;
        if (legendX + entryWidth > size.width() - f.gap && legendX > f.gap) {
            legendX = f.gap;
            top += f.line;
        }
        f.legend.append({&s, QRectF(legendX, top, entryWidth, f.line)});
        legendX += entryWidth;
    }
    if (!f.legend.isEmpty())
        top += f.line + f.gap;

    // Room for the axes' words; the last x tick's are centred on the right edge.
    f.yTicks = yTicks(chart_);
    f.xTicks = xTicks(chart_);
    for (double tick : f.yTicks)
        f.yLabelWidth = std::max(f.yLabelWidth, metrics.horizontalAdvance(tickText(tick, chart_.yAsPercent)));
    const double bottom = size.height() - f.gap - (chart_.xTitle.isEmpty() ? 0 : f.line) - f.line - f.gap;
    // A y title longer than its axis goes on two lines, split at the space
    // nearest its middle, where both fit.
    const double yRoom = bottom - top + f.gap;
    if (!chart_.yTitle.isEmpty() && metrics.horizontalAdvance(chart_.yTitle) > yRoom) {
        const QStringList lines = inTwoLines(chart_.yTitle);
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines[0]) <= yRoom
            && metrics.horizontalAdvance(lines[1]) <= yRoom)
            f.yTitleLines = lines;
    }
    const double yTitleWidth = chart_.yTitle.isEmpty() ? 0 : f.line * std::max<qsizetype>(1, f.yTitleLines.size()) + f.gap;
    const double left = f.gap + yTitleWidth + f.yLabelWidth + f.gap;
    const double right =
        std::max(f.gap * 2, f.xTicks.isEmpty() ? 0.0
                                               : metrics.horizontalAdvance(tickText(f.xTicks.back(), false)) / 2 + f.gap);
    f.area = QRectF(QPointF(left, top), QPointF(size.width() - right, bottom));
    return f;
}

void ChartView::paintEvent(QPaintEvent *)
{
    if (stretched_) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), backdrop_);
        return;
    }
    const Frame f = frame();
    const qreal ratio = devicePixelRatioF();
    if (backdrop_.isNull() || backdrop_.size() != size() * ratio) {
        backdrop_ = QPixmap(size() * ratio);
        backdrop_.setDevicePixelRatio(ratio);
        QPainter backdropPainter(&backdrop_);
        backdropPainter.setRenderHint(QPainter::Antialiasing);
        backdropPainter.setFont(font());
        paintBackdrop(backdropPainter, f);
    }
    QPainter painter(this);
    painter.drawPixmap(QPointF(0, 0), backdrop_);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLive(painter, f);
}

QSize ChartView::minimumSizeHint() const
{
    // Small, but never so small that its words are cut: the plot keeps the
    // height its y title needs, set on two lines and at two thirds if it must.
    constexpr int LeastWidth = 240;
    constexpr int LeastPlotHeight = 40;
    constexpr int Tall = 10000;
    const Frame f = frame(QSize(LeastWidth, Tall));
    const QFontMetricsF metrics(font());
    double titleNeed = 0;
    if (!chart_.yTitle.isEmpty()) {
        // On one line at two thirds of its size, or on two lines split as
        // frame() splits it, whichever takes less.
        titleNeed = metrics.horizontalAdvance(chart_.yTitle) * 2 / 3;
        const QStringList lines = inTwoLines(chart_.yTitle);
        if (!lines.isEmpty())
            titleNeed = std::min(titleNeed,
                                 std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1])));
        titleNeed -= f.gap;
    }
    const double overhead = Tall - f.area.height();
    return {LeastWidth, int(std::ceil(overhead + std::max<double>(LeastPlotHeight, titleNeed)))};
}

QStringList ChartView::wordsCut() const
{
    QStringList cut;
    const Frame f = frame();
    const QFontMetricsF metrics(font());
    for (const Frame::LegendEntry &entry : f.legend) {
        if (entry.box.right() - f.gap * 1.5 > width() - f.gap * 0.5)
            cut << entry.series->label;
    }
    if (!chart_.xTitle.isEmpty() && metrics.horizontalAdvance(chart_.xTitle) > f.area.width())
        cut << chart_.xTitle;
    // The y axis' title may be set smaller, down to two thirds, before it is cut.
    if (!chart_.yTitle.isEmpty() && f.yTitleLines.isEmpty()
        && metrics.horizontalAdvance(chart_.yTitle) * 2 / 3 > f.area.height() + f.gap)
        cut << chart_.yTitle;
    return cut;
}

QList<std::pair<int, int>> ChartView::namedPoints() const
{
    QList<std::pair<int, int>> points;
    for (int s = 0; s < int(chart_.series.size()); ++s) {
        const ChartSeries &series = chart_.series[s];
        if (series.kind != ChartSeries::Kind::Points)
            continue;
        for (int i = 0; i < int(std::min(series.points.size(), series.names.size())); ++i)
            points.append({s, i});
    }
    std::stable_sort(points.begin(), points.end(), [this](const auto &a, const auto &b) {
        return chart_.series[a.first].points[a.second].x() < chart_.series[b.first].points[b.second].x();
    });
    return points;
}

QString ChartView::chosenName() const
{
    if (chosen_.first < 0)
        return {};
    return chart_.series[chosen_.first].names[chosen_.second];
}

void ChartView::choose(std::pair<int, int> point)
{
    if (point == chosen_)
        return;
    chosen_ = point;
    update();
    if (point.first >= 0)
        emit pointChosen(chosenName());
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    const Frame f = frame();
    if (!f.drawable())
        return;
    // The nearest named point within a line's height of the pointer.
    const ChartMapping map(chart_, f.area);
    std::pair<int, int> nearest{-1, -1};
    double best = f.line;
    for (const auto &point : namedPoints()) {
        const QPointF at = map.at(chart_.series[point.first].points[point.second]);
        const double distance = QLineF(at, event->position()).length();
        if (distance <= best) {
            best = distance;
            nearest = point;
        }
    }
    if (nearest.first >= 0)
        choose(nearest);
}

void ChartView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!hasFocus())
        choose({-1, -1});
}

void ChartView::keyPressEvent(QKeyEvent *event)
{
    const QList<std::pair<int, int>> points = namedPoints();
    const qsizetype at = points.indexOf(chosen_);
    qsizetype next = -1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        next = at < 0 ? 0 : std::min(at + 1, points.size() - 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = at < 0 ? points.size() - 1 : std::max<qsizetype>(at - 1, 0);
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = points.size() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (points.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    choose(points[next]);
    // Told again when the same point is reached once more.
    if (points[next] == chosen_ && at == next)
        emit pointChosen(chosenName());
}

void ChartView::paintPicture(QPainter &painter) const
{
    const Frame f = frame();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    paintBackdrop(painter, f);
    painter.setFont(font());
    paintLive(painter, f); // with no focus ring: a picture's view is never shown
    painter.restore();
}

void ChartView::paintBackdrop(QPainter &painter, const Frame &f) const
{
    painter.fillRect(rect(), Qt::white);
    if (!f.drawable())
        return;
    const ChartMapping map(chart_, f.area);
    const QFontMetricsF metrics(font());

    // Title and axis titles.
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setPen(Ink);
    painter.setFont(titleFont);
    painter.drawText(QRectF(f.gap, f.gap, width() - 2 * f.gap, f.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, chart_.title);
    painter.setFont(font());
    if (!chart_.xTitle.isEmpty())
        painter.drawText(QRectF(f.area.left(), height() - f.gap - f.line, f.area.width(), f.line), Qt::AlignCenter,
                         chart_.xTitle);
    if (!f.yTitleLines.isEmpty()) {
        painter.save();
        painter.translate(f.gap, f.area.center().y());
        painter.rotate(-90);
        const double room = f.area.height() + f.gap;
        for (qsizetype i = 0; i < f.yTitleLines.size(); ++i)
            painter.drawText(QRectF(-room / 2, i * f.line, room, f.line), Qt::AlignCenter, f.yTitleLines[i]);
        painter.restore();
    } else if (!chart_.yTitle.isEmpty()) {
        painter.save();
        painter.translate(f.gap, f.area.center().y());
        painter.rotate(-90);
        // Along a short axis (a chart made small), smaller rather than cut:
        // down to two thirds of the size, then shortened with an ellipsis.
        const double room = f.area.height() + f.gap;
        QFont titleOfAxis = font();
        const double wide = metrics.horizontalAdvance(chart_.yTitle);
        if (wide > room && titleOfAxis.pointSizeF() > 0) {
            titleOfAxis.setPointSizeF(titleOfAxis.pointSizeF() * std::max(2.0 / 3.0, room / wide));
            painter.setFont(titleOfAxis);
        }
        const QString shown = QFontMetricsF(titleOfAxis).elidedText(chart_.yTitle, Qt::ElideRight, room);
        painter.drawText(QRectF(-room / 2, 0, room, f.line), Qt::AlignCenter, shown);
        painter.restore();
    }

    // The grid and the ticks.
    painter.setPen(QPen(Grid, std::max(1.0, f.unit)));
    for (double tick : f.yTicks)
        painter.drawLine(QPointF(f.area.left(), map.y(tick)), QPointF(f.area.right(), map.y(tick)));
    for (double tick : f.xTicks)
        painter.drawLine(QPointF(map.x(tick), f.area.top()), QPointF(map.x(tick), f.area.bottom()));
    painter.setPen(Ink);
    for (double tick : f.yTicks)
        painter.drawText(QRectF(f.area.left() - f.gap - f.yLabelWidth, map.y(tick) - f.line / 2, f.yLabelWidth, f.line),
                         Qt::AlignRight | Qt::AlignVCenter, tickText(tick, chart_.yAsPercent));
    for (double tick : f.xTicks)
        painter.drawText(QRectF(map.x(tick) - 60 * f.unit, f.area.bottom() + f.gap * 0.5, 120 * f.unit, f.line),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(tick, false));

    paintSeries(painter, f, false);

    // The legend: a sample of each series beside its label.
    for (const Frame::LegendEntry &entry : f.legend) {
        const ChartSeries &s = *entry.series;
        const QRectF swatch(entry.box.left(), entry.box.top() + f.line * 0.25, f.sample, f.line * 0.5);
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
            painter.setPen(QPen(s.colour, s.width * f.unit, s.style, Qt::FlatCap));
            painter.drawLine(QPointF(swatch.left(), swatch.center().y()), QPointF(swatch.right(), swatch.center().y()));
            break;
        case ChartSeries::Kind::Points:
            painter.setPen(QPen(s.colour, s.width * f.unit));
            painter.setBrush(s.style == Qt::SolidLine ? QBrush(s.colour) : QBrush(Qt::white));
            drawMarker(painter, swatch.center(), s.marker, 4 * f.unit);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        painter.setPen(Ink);
        painter.drawText(QRectF(swatch.right() + f.gap * 0.5, entry.box.top(), entry.box.width() - f.sample, f.line),
                         Qt::AlignLeft | Qt::AlignVCenter, s.label);
    }
}

void ChartView::paintSeries(QPainter &painter, const Frame &f, bool live) const
{
    if (!f.drawable())
        return;
    const ChartMapping map(chart_, f.area);
    const double unit = f.unit;
    // Clipped to the plot area, a pen's width beyond it, so that a line on
    // the top edge shows whole.
    painter.save();
    painter.setClipRect(f.area.adjusted(-3 * unit, -3 * unit, 3 * unit, 3 * unit).toAlignedRect());
    for (const ChartSeries &s : chart_.series) {
        if (s.live != live)
            continue;
        QPen pen(s.colour, s.width * unit, s.style, Qt::FlatCap, Qt::BevelJoin);
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
}

void ChartView::paintLive(QPainter &painter, const Frame &f) const
{
    if (f.drawable()) {
        paintSeries(painter, f, true);
        const ChartMapping map(chart_, f.area);
        const QFontMetricsF metrics(font());
        // The frame of the plot area over the data, then the notes in its
        // top right corner, one under the other, each with a thin line to
        // the point it tells of.
        painter.setPen(QPen(Ink, std::max(1.0, f.unit)));
        painter.drawRect(f.area);
        double noteTop = f.area.top() + f.gap * 0.5;
        for (const ChartNote &note : chart_.notes) {
            const QPointF at = map.at(note.at);
            // A note wider than the plot wraps onto more lines, never cut.
            const double textWidth = std::min(metrics.horizontalAdvance(note.text) + f.gap, f.area.width() - f.gap);
            const QRectF needed = metrics.boundingRect(QRectF(0, 0, textWidth - f.gap * 0.5, 10000),
                                                       Qt::AlignCenter | Qt::TextWordWrap, note.text);
            const QRectF box(f.area.right() - f.gap * 0.5 - textWidth, noteTop, textWidth,
                             std::max(f.line, needed.height()));
            painter.setPen(QPen(Ink, std::max(1.0, f.unit * 0.75), Qt::DotLine));
            painter.drawLine(QPointF(box.left(), box.center().y()), at);
            painter.setPen(Ink);
            painter.fillRect(box, QColor(255, 255, 255, 230));
            painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, note.text);
            noteTop += box.height() + f.gap * 0.5;
        }
        // The chosen point's name beside it, inside the plot, ringed.
        if (chosen_.first >= 0) {
            const ChartSeries &series = chart_.series[chosen_.first];
            const QPointF at = map.at(series.points[chosen_.second]);
            const QString name = chosenName();
            const double textWidth = std::min(metrics.horizontalAdvance(name) + f.gap, f.area.width() - f.gap);
            const QRectF needed = metrics.boundingRect(QRectF(0, 0, textWidth - f.gap * 0.5, 10000),
                                                       Qt::AlignCenter | Qt::TextWordWrap, name);
            const QSizeF size(textWidth, std::max(f.line, needed.height()));
            QPointF corner(at.x() + f.gap, at.y() - size.height() - f.gap);
            corner.setX(std::clamp(corner.x(), f.area.left(), std::max(f.area.left(), f.area.right() - size.width())));
            if (corner.y() < f.area.top())
                corner.setY(at.y() + f.gap);
            const QRectF box(corner, size);
            painter.setPen(QPen(Ink, std::max(1.0, f.unit * 1.5)));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, 6 * f.unit, 6 * f.unit);
            painter.fillRect(box, QColor(255, 255, 255, 240));
            painter.setPen(QPen(Ink, std::max(1.0, f.unit * 0.75)));
            painter.drawRect(box);
            painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, name);
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(focusColour_.isValid() ? focusColour_ : palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
