#pragma once

#include "charts/chartdata.h"

#include <QCoreApplication>
#include <QDate>
#include <QPageSize>
#include <QRectF>
#include <QString>

class ExperimentResults;
class QPainter;

// One page to hand out or pin up: what the experiments found in words
// (the prediction and how far off it was included), the three charts and
// the date, laid out on A4 or Letter in the light look. Drawn from the
// results, so that the printer and a PDF get vectors and text.
class Handout
{
    Q_DECLARE_TR_FUNCTIONS(Handout)

public:
    Handout(const ExperimentResults &results, QDate date);

    // Where each part goes on a page `page` long and wide (in pixels at 96
    // to the inch), its margins kept.
    struct Layout
    {
        QRectF title;
        QRectF summary;
        QRectF runningRate;
        QRectF histogram;
        QRectF acrossN;
    };
    Layout layOut(const QSizeF &page) const;

    // Draws the page onto painter, whose units are pixels at 96 to the inch.
    void paint(QPainter &painter, const QSizeF &page) const;
    // The page as a one-page PDF.
    QByteArray pdf(const QPageSize &size) const;

    // The paper of the learner's country, for a PDF with no printer to ask:
    // Letter where it is used, A4 elsewhere.
    static QPageSize paperFor(const QLocale &locale);
    // The page's margin, in pixels at 96 to the inch (15 mm).
    static constexpr double Margin = 15 / 25.4 * 96;

private:
    QString title() const;

    QString summary_;
    QString caption_;
    ChartData runningRate_;
    ChartData histogram_;
    ChartData acrossN_;
};
