#include "formkit/picturebox.h"

#include "look/designunits.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

PictureBox::PictureBox(QWidget *parent, QSize innerSize, int scaleWidth, int scaleHeight)
    : QFrame(parent)
    , canvasSize_(innerSize)
    , scaleWidth_(scaleWidth)
    , scaleHeight_(scaleHeight)
    , printsText_(scaleWidth <= 0)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FrameWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale();
    makeCanvas();
    canvas_.fill(Qt::white); // replaced by the background in Cls
}

void PictureBox::setScale()
{
    pixelsPerUnitX_ = scaleWidth_ > 0 ? double(canvasSize_.width()) / scaleWidth_
                                      : zoom_ / design::TwipsPerPixel;
    pixelsPerUnitY_ = scaleHeight_ > 0 ? double(canvasSize_.height()) / scaleHeight_
                                       : zoom_ / design::TwipsPerPixel;
}

void PictureBox::relayout(const QRect &geometry, const QFont &font, int frameWidth, double zoom)
{
    const QSize inner = geometry.size() - QSize(2 * frameWidth, 2 * frameWidth);
    const bool changed = inner != canvasSize_ || font != this->font() || zoom != zoom_;
    setLineWidth(frameWidth);
    setFont(font);
    setGeometry(geometry);
    if (!changed)
        return;
    zoom_ = zoom;
    canvasSize_ = inner;
    setScale();
    if (printsText_ && !printedLines_.isEmpty())
        fitTextWidth(printedLines_);
    redraw();
}

void PictureBox::redraw()
{
    makeCanvas();
    canvas_.fill(palette().color(QPalette::Base));
    printY_ = 0;
    for (const Drawing &d : drawn_) {
        if (const auto *batch = std::get_if<PointBatch>(&d))
            plotPoints(*batch->points, batch->colour);
        else if (const auto *mark = std::get_if<CircleMark>(&d))
            drawCircle(*mark);
        else
            printLine(std::get<PrintedLine>(d).text);
    }
    scheduleRepaint();
}

void PictureBox::makeCanvas()
{
    // Drawn at the screen's own resolution: on a high-density screen points,
    // circles and text are as sharp as the screen allows, never scaled up.
    // Every caller paints the whole canvas afresh, so one of the right size
    // is kept: a new one costs a page fault for every 4 KiB of it.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = canvasSize_ * ratio;
    if (canvas_.size() == pixels && qFuzzyCompare(canvas_.devicePixelRatio(), ratio))
        return;
    canvas_ = QImage(pixels, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
}

void PictureBox::Cls()
{
    // A new experiment: its ring is the last one's, and only the last one's
    // marks have to go from the screen. Said once the next points are known.
    std::optional<ClearedMarks> cleared;
    if (!repaintPending_ && !drawn_.empty() && std::holds_alternative<PointBatch>(drawn_.front())) {
        const auto &ring = std::get<PointBatch>(drawn_.front());
        cleared = ClearedMarks{ring.points, ring.colour, {}};
        for (auto d = drawn_.begin() + 1; d != drawn_.end() && cleared; ++d) {
            if (const auto *mark = std::get_if<CircleMark>(&*d))
                cleared->marks += circleArea(*mark);
            else
                cleared.reset();
        }
    }
    if (!qFuzzyCompare(canvas_.devicePixelRatio(), devicePixelRatioF())) {
        makeCanvas(); // the window moved to a screen of another density
        cleared.reset();
    }
    canvas_.fill(palette().color(QPalette::Base));
    printY_ = 0;
    printedLines_.clear();
    drawn_.clear();
    if (!cleared) {
        scheduleRepaint();
        return;
    }
    cleared_ = std::move(cleared);
    // Whatever comes next, or nothing, the screen is put right before it is
    // painted.
    QMetaObject::invokeMethod(this, &PictureBox::repaintClearedWhole, Qt::QueuedConnection);
}

void PictureBox::repaintClearedWhole()
{
    if (cleared_)
        scheduleRepaint();
}

QPointF PictureBox::toPixels(float x, float y) const
{
    return {double(x) * pixelsPerUnitX_, double(y) * pixelsPerUnitY_};
}

void PictureBox::PSet(float x, float y)
{
    const QPointF point(x, y);
    PSetPoints({&point, 1});
}

void PictureBox::PSetPoints(std::span<const QPointF> points)
{
    if (points.empty())
        return;
    // Compared bit for bit: QPointF's own comparison is a fuzzy one, and slow.
    const bool sameAsLast = lastBatch_ && lastBatch_->size() == points.size()
                         && std::memcmp(lastBatch_->data(), points.data(), points.size_bytes()) == 0;
    if (!sameAsLast)
        lastBatch_ = std::make_shared<const std::vector<QPointF>>(points.begin(), points.end());
    drawn_.push_back(PointBatch{lastBatch_, foreColour_});
    plotPoints(*lastBatch_, foreColour_);
    if (cleared_ && drawn_.size() == 1 && cleared_->points == lastBatch_ && cleared_->colour == foreColour_) {
        const QRegion marks = std::move(cleared_->marks);
        cleared_.reset();
        scheduleRepaint(marks);
        return;
    }
    scheduleRepaint();
}

void PictureBox::plotPoints(const std::vector<QPointF> &points, QRgb colour)
{
    // The target ring is thousands of points, redrawn every few shots of an
    // automatic run: written straight into the pixels. Bounds are checked
    // before the conversion, which truncates: inside the area that is the
    // same as rounding down. A point is a pixel of the design, as many screen
    // pixels wide as the screen's density, placed at the screen's resolution.
    auto *pixels = reinterpret_cast<QRgb *>(canvas_.bits());
    const qsizetype stride = canvas_.bytesPerLine() / qsizetype(sizeof(QRgb));
    const double ratio = canvas_.devicePixelRatio();
    const qsizetype dot = std::max<qsizetype>(1, qRound(ratio * zoom_));
    const qsizetype width = canvas_.width();
    const qsizetype height = canvas_.height();
    for (const QPointF &p : points) {
        const double px = double(float(p.x())) * pixelsPerUnitX_ * ratio;
        const double py = double(float(p.y())) * pixelsPerUnitY_ * ratio;
        if (!(px >= 0 && py >= 0 && px < width && py < height))
            continue;
        const qsizetype x0 = qsizetype(px);
        const qsizetype y0 = qsizetype(py);
        if (dot == 1) { // the usual case, and the ring's thousands of points
            pixels[y0 * stride + x0] = colour;
            continue;
        }
        for (qsizetype y = y0; y < std::min(y0 + dot, height); ++y)
            for (qsizetype x = x0; x < std::min(x0 + dot, width); ++x)
                pixels[y * stride + x] = colour;
    }
}

void PictureBox::scheduleRepaint()
{
    // One repaint request per batch of drawing, not one per point.
    cleared_.reset();
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

void PictureBox::scheduleRepaint(const QRegion &area)
{
    // A mark repaints its own few pixels only: an automatic run draws ten a
    // second, and the whole box to the screen each time cost more than all
    // the rest of a shot. Anything drawn after a Cls but its ring repaints
    // the whole box.
    if (cleared_)
        scheduleRepaint();
    else if (!repaintPending_)
        update(area.translated(contentsRect().topLeft()));
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        foreColour_ = palette().color(QPalette::Text).rgb();
    QFrame::changeEvent(event);
}

void PictureBox::Circle(float x, float y, float radius, const QColor &colour)
{
    const CircleMark mark{x, y, radius, colour};
    drawn_.push_back(mark);
    scheduleRepaint(drawCircle(mark));
}

QRect PictureBox::drawCircle(const CircleMark &mark)
{
    QPainter painter(&canvas_);
    QPen pen(mark.colour);
    pen.setWidthF(penWidth());
    painter.setPen(pen);
    const double r = double(mark.radius) * pixelsPerUnitX_; // radius in horizontal units
    painter.drawEllipse(toPixels(mark.x, mark.y), r, r);
    return circleArea(mark);
}

double PictureBox::penWidth() const
{
    return zoom_; // a pixel of the design
}

QRect PictureBox::circleArea(const CircleMark &mark) const
{
    // The pen's width and antialiasing reach a little beyond the outline.
    const double reach = double(mark.radius) * pixelsPerUnitX_ + penWidth() + 2;
    const QPointF centre = toPixels(mark.x, mark.y);
    return QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
}

void PictureBox::Print(const QString &text)
{
    drawn_.push_back(PrintedLine{text});
    printedLines_.append(text); // what screen readers read (see accessibility.cpp)
    printLine(text);
    scheduleRepaint();
}

void PictureBox::Print()
{
    Print(QString());
}

void PictureBox::fitTextWidth(const QStringList &lines)
{
    QFont f = font();
    f.setStretch(100);
    const QFontMetrics metrics(f);
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int room = canvasSize_.width();
    if (widest > room) // the stretch is whole percent: round down so that it fits
        f.setStretch(std::max(design::SmallestTextPercent, room * 100 / widest));
    setFont(f);
}

void PictureBox::printLine(const QString &text)
{
    const QFontMetrics metrics(font());
    if (!text.isEmpty()) {
        QPainter painter(&canvas_);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPoint(0, printY_ + metrics.ascent()), text);
    }
    printY_ += lineHeight();
}

int PictureBox::lineHeight() const
{
    // A line is as high as the font was asked to be. The Gothic face's
    // stand-ins report a box a pixel or two taller than that, which would
    // push the help text's last line out of its area.
    const int requested = font().pixelSize();
    return requested > 0 ? requested : QFontMetrics(font()).height();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    repaintPending_ = false;
    // A mark's few pixels lie inside the frame: the frame is drawn only when
    // it is to be repainted too.
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
}

int PictureBox::circlesDrawn() const
{
    return int(std::count_if(drawn_.begin(), drawn_.end(),
                             [](const Drawing &d) { return std::holds_alternative<CircleMark>(d); }));
}
