#pragma once

#include "charts/chartdata.h"

#include <QCoreApplication>
#include <QDate>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <optional>

class ClassResults;
class ExperimentResults;
class QPainter;

// One page to hand out or pin up: what the experiments found in words
// (the prediction and how far off it was included), the three charts, the
// class pooled when there is one (in words, and each learner's rate) and
// the date, laid out on A4 or Letter in the light look. Drawn from the
// results, so that the printer and a PDF get vectors and text.
class Handout
{
    Q_DECLARE_TR_FUNCTIONS(Handout)

public:
    // pool: the class, drawn too unless it is null or empty.
    Handout(const ExperimentResults &results, QDate date, const ClassResults *pool = nullptr);

    // Where each part goes on a page `page` long and wide (in pixels at 96
    // to the inch), its margins kept.
    struct Layout
    {
        QRectF title;
        QRectF summary;
        QRectF runningRate;
        QRectF histogram;
        QRectF acrossN;
        QRectF learners; // empty without a class
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
    std::optional<ChartData> learners_;
};
