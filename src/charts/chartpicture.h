#pragma once

#include "charts/chartdata.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QMimeData;

// What a picture is saved as.
enum class PictureFormat {
    PngAsOnScreen, // the chart's size on the screen, in the screen's own pixels
    PngForSlide,   // 1920 x 1080, its words large enough for the back of a room
    PngForPrint,   // 16 cm wide at 300 dots to the inch
    Svg,           // vectors, its words as text
    Pdf,           // one page of the picture's shape
};

// A chart as a picture that stands alone, for slides and handouts: the
// chart in the light look whatever the desktop's theme, with a line under
// it that says what it is (its caption: the number of experiments, the
// date). Made from the chart's data, never from the screen, so that it is
// as sharp as the format allows: PNG at any size, SVG and PDF as vectors
// with their text as text.
class ChartPicture
{
public:
    // size: the picture's, in logical pixels at `scale` device pixels each
    // (so a PNG of size x scale pixels); the font sized as on the screen.
    ChartPicture(ChartData chart, QString caption, QSize size, const QFont &font);

    QImage image(qreal scale) const;
    // dotsPerInch: the resolution the file says it is printed at (0: none).
    QByteArray png(qreal scale, int dotsPerInch = 0) const;
    // The chart's title and its numbers in words are the SVG's title and
    // description.
    QByteArray svg() const;
    // One page, the picture filling its width.
    QByteArray pdf() const;
    // The picture as that format asks; screenScale: the screen's device
    // pixels to a logical one, for a PNG as on the screen.
    QByteArray encoded(PictureFormat format, qreal screenScale) const;
    // PNG at twice the size and SVG, for the clipboard.
    QMimeData *mimeData() const;

    QSize size() const { return size_; }
    // Draws the picture at the painter's origin, size() large (an empty
    // caption takes no room).
    void paint(class QPainter &painter) const;

    // A slide's pixels, and a print's width and resolution.
    static constexpr QSize SlidePixels{1920, 1080};
    static constexpr double PrintWidthCentimetres = 16;
    static constexpr int PrintDotsPerInch = 300;

private:
    ChartPicture resized(QSize size) const;

    ChartData chart_;
    QString caption_;
    QSize size_;
    QFont font_;
};
