#include "platform/picturebox.h"

#include "platform/designunits.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int FrameWidth = 2; // the fixed three-dimensional frame
}

PictureBox::PictureBox(QWidget *parent, QSize innerSize, int scaleWidth, int scaleHeight)
    : QFrame(parent)
    , canvas_(innerSize, QImage::Format_RGB32)
    , pixelsPerUnitX_(scaleWidth > 0 ? double(innerSize.width()) / scaleWidth
                                     : 1.0 / design::TwipsPerPixel)
    , pixelsPerUnitY_(scaleHeight > 0 ? double(innerSize.height()) / scaleHeight
                                      : 1.0 / design::TwipsPerPixel)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FrameWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.fill(Qt::white); // replaced by the background in Cls
}

void PictureBox::Cls()
{
    canvas_.fill(palette().color(QPalette::Base));
    printY_ = 0;
    printedLines_.clear();
    setAccessibleDescription(QString());
    update();
}

QPointF PictureBox::toPixels(float x, float y) const
{
    return {double(x) * pixelsPerUnitX_, double(y) * pixelsPerUnitY_};
}

void PictureBox::PSet(float x, float y)
{
    const QPointF p = toPixels(x, y);
    const int px = int(std::floor(p.x()));
    const int py = int(std::floor(p.y()));
    if (px < 0 || py < 0 || px >= canvas_.width() || py >= canvas_.height())
        return;
    // Written straight into the scan line: the ring is thousands of points.
    reinterpret_cast<QRgb *>(canvas_.scanLine(py))[px] = palette().color(QPalette::Text).rgb();
    update();
}

void PictureBox::Circle(float x, float y, float radius, const QColor &colour)
{
    QPainter painter(&canvas_);
    painter.setPen(colour);
    const double r = double(radius) * pixelsPerUnitX_; // radius in horizontal units
    painter.drawEllipse(toPixels(x, y), r, r);
    update();
}

void PictureBox::Print(const QString &text)
{
    printLine(text);
}

void PictureBox::Print()
{
    printLine(QString());
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
    printedLines_.append(text);
    // The printed text is pixels; screen readers get it as the description.
    setAccessibleDescription(printedLines_.join(u'\n'));
    update();
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
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
}
