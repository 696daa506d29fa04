#pragma once

#include "charts/chartdata.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QMimeData;

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
    QByteArray png(qreal scale) const;
    // The chart's title and its numbers in words are the SVG's title and
    // description.
    QByteArray svg() const;
    // One page, the picture filling its width.
    QByteArray pdf() const;
    // PNG at twice the size and SVG, for the clipboard.
    QMimeData *mimeData() const;

    QSize size() const { return size_; }
    // Draws the picture at the painter's origin, size() large (an empty
    // caption takes no room).
    void paint(class QPainter &painter) const;

private:

    ChartData chart_;
    QString caption_;
    QSize size_;
    QFont font_;
};
