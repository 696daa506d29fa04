#include "charts/chartpicture.h"

#include "charts/chartview.h"

#include <QBuffer>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(40, 40, 40);
// The screen's logical pixels, 96 to the inch, as the fonts are sized.
constexpr double LogicalDotsPerInch = 96;
constexpr double CentimetresPerInch = 2.54;

} // namespace

ChartPicture::ChartPicture(ChartData chart, QString caption, QSize size, const QFont &font)
    : chart_(std::move(chart)), caption_(std::move(caption)), size_(size), font_(font)
{
}

void ChartPicture::paint(QPainter &painter) const
{
    // The caption under the chart, on as many lines as it takes.
    const QFontMetricsF metrics(font_);
    const double gap = metrics.height() * 0.4;
    const QRectF captionRoom(gap, 0, size_.width() - 2 * gap, 10000);
    const QRectF needed = metrics.boundingRect(captionRoom, Qt::AlignLeft | Qt::TextWordWrap, caption_);
    const int captionHeight = caption_.isEmpty() ? 0 : int(std::ceil(needed.height() + 2 * gap));
    painter.fillRect(QRect(QPoint(), size_), Qt::white);
    ChartView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setFont(font_);
    view.resize(size_.width(), std::max(1, size_.height() - captionHeight));
    view.setChart(chart_);
    view.paintPicture(painter);
    painter.setFont(font_);
    painter.setPen(Ink);
    painter.drawText(QRectF(gap, size_.height() - captionHeight, size_.width() - 2 * gap, captionHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption_);
}

QImage ChartPicture::image(qreal scale) const
{
    QImage picture(size_ * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter);
    return picture;
}

QByteArray ChartPicture::png(qreal scale, int dotsPerInch) const
{
    QImage picture = image(scale);
    if (dotsPerInch > 0) {
        // Placed at its printed size by a word processor.
        const int dotsPerMetre = int(std::lround(dotsPerInch / CentimetresPerInch * 100));
        picture.setDotsPerMeterX(dotsPerMetre);
        picture.setDotsPerMeterY(dotsPerMetre);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

ChartPicture ChartPicture::resized(QSize size) const
{
    return ChartPicture(chart_, caption_, size, font_);
}

QByteArray ChartPicture::encoded(PictureFormat format, qreal screenScale) const
{
    switch (format) {
    case PictureFormat::PngAsOnScreen:
        return png(std::max<qreal>(1, screenScale), 0);
    case PictureFormat::PngForSlide:
        // Laid out at half the slide's pixels and drawn at twice: the words
        // keep the size they have on a screen of that shape.
        return resized(SlidePixels / 2).png(2, 0);
    case PictureFormat::PngForPrint: {
        // Laid out at the print's width in logical pixels, and drawn at
        // whatever scale gives it its dots exactly.
        const double inches = PrintWidthCentimetres / CentimetresPerInch;
        const int width = int(std::lround(inches * LogicalDotsPerInch));
        const int height = int(std::lround(double(width) * size_.height() / std::max(1, size_.width())));
        const double dots = std::round(inches * PrintDotsPerInch);
        return resized(QSize(width, height)).png(dots / width, PrintDotsPerInch);
    }
    case PictureFormat::Svg:
        return svg();
    case PictureFormat::Pdf:
        return pdf();
    }
    return {};
}

QByteArray ChartPicture::svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size_);
    generator.setViewBox(QRect(QPoint(), size_));
    generator.setTitle(chart_.title);
    generator.setDescription(chart_.description);
    QPainter painter(&generator);
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray ChartPicture::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(chart_.title);
    writer.setCreator(QStringLiteral("Shoot a Lot"));
    // A page the picture's own shape, in points at 72 to the inch.
    writer.setPageSize(QPageSize(QSizeF(size_) * 0.75, QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(96);
    QPainter painter(&writer);
    paint(painter);
    painter.end();
    return bytes;
}

QMimeData *ChartPicture::mimeData() const
{
    auto *data = new QMimeData;
    const QImage sharp = image(2);
    data->setImageData(sharp);
    data->setData(QStringLiteral("image/png"), png(2));
    data->setData(QStringLiteral("image/svg+xml"), svg());
    return data;
}
