#include "results/handout.h"

#include "charts/chartpicture.h"
#include "results/classreport.h"
#include "results/classresults.h"
#include "results/experimentresults.h"
#include "results/resultscharts.h"
#include "results/resultsreport.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QColor Ink(40, 40, 40);

// The page's text, in pixels at 96 to the inch (so that it is the same on
// a printer of any resolution): 11 and 16 points.
QFont pageFont(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return font;
}

} // namespace

Handout::Handout(const ExperimentResults &results, QDate date, const ClassResults *pool)
{
    const bool withClass = pool && !pool->isEmpty();
    // A teacher's computer that pooled the class but ran nothing itself
    // hands out the class's charts.
    const bool classOnly = withClass && results.experiments() == 0;
    const ExperimentResults &shown = classOnly ? pool->pooled() : results;
    runningRate_ = ResultsCharts::runningRate(shown);
    histogram_ = ResultsCharts::hitsPerExperiment(shown);
    acrossN_ = ResultsCharts::acrossN(shown);
    if (!classOnly)
        summary_ = ResultsReport(results).summary();
    if (withClass) {
        if (!summary_.isEmpty())
            summary_ += QStringLiteral("\n\n");
        summary_ += ClassReport(*pool).summary();
        learners_ = ResultsCharts::learners(*pool);
    }
    const QLocale locale;
    const QString when = locale.toString(date, QLocale::LongFormat);
    const auto pooledTally = shown.acrossN().find(shown.shotsPerExperiment());
    const qint64 pooledExperiments = pooledTally == shown.acrossN().end() ? 0 : pooledTally->second.experiments;
    caption_ = classOnly ? tr("The class pooled: %1 experiments at N = %2, %3")
                               .arg(locale.toString(pooledExperiments))
                               .arg(shown.shotsPerExperiment())
                               .arg(when)
                         : tr("%1 experiments at N = %2, %3")
                               .arg(locale.toString(results.experiments()))
                               .arg(results.shotsPerExperiment())
                               .arg(when);
}

QString Handout::title() const
{
    return tr("Even those who shoot bad guns will hit it if they shoot a lot");
}

Handout::Layout Handout::layOut(const QSizeF &page) const
{
    Layout layout;
    const QRectF inside(QPointF(Margin, Margin), page - QSizeF(2 * Margin, 2 * Margin));
    const double gap = 12;
    const QFontMetricsF titleMetrics(pageFont(19, true));
    const QFontMetricsF textMetrics(pageFont(14.7));
    layout.title = titleMetrics.boundingRect(QRectF(inside.topLeft(), QSizeF(inside.width(), inside.height())),
                                             Qt::TextWordWrap, title() + QLatin1Char('\n') + caption_);
    layout.title.setWidth(inside.width());
    layout.summary = textMetrics.boundingRect(QRectF(QPointF(inside.left(), layout.title.bottom() + gap),
                                                     QSizeF(inside.width(), inside.height())),
                                              Qt::TextWordWrap, summary_);
    layout.summary.setWidth(inside.width());
    // The charts share what is left: the running rate above, the other two
    // side by side below it.
    const double top = layout.summary.bottom() + gap;
    const double left = std::max(0.0, inside.bottom() - top - gap);
    const double upper = left * 0.5;
    const double half = (inside.width() - gap) / 2;
    // With a class, each learner's rate beside the running rate.
    layout.runningRate = QRectF(inside.left(), top, learners_ ? half : inside.width(), upper);
    if (learners_)
        layout.learners = QRectF(inside.left() + half + gap, top, half, upper);
    layout.histogram = QRectF(inside.left(), top + upper + gap, half, left - upper);
    layout.acrossN = QRectF(inside.left() + half + gap, top + upper + gap, half, left - upper);
    return layout;
}

void Handout::paint(QPainter &painter, const QSizeF &page) const
{
    const Layout layout = layOut(page);
    painter.save();
    painter.fillRect(QRectF(QPointF(), page), Qt::white);
    painter.setPen(Ink);
    painter.setFont(pageFont(19, true));
    painter.drawText(layout.title, Qt::TextWordWrap, title() + QLatin1Char('\n') + caption_);
    painter.setFont(pageFont(14.7));
    painter.drawText(layout.summary, Qt::TextWordWrap, summary_);
    const QFont chartFont = pageFont(12);
    QList<std::pair<const ChartData *, QRectF>> charts = {
        {&runningRate_, layout.runningRate}, {&histogram_, layout.histogram}, {&acrossN_, layout.acrossN}};
    if (learners_)
        charts.append({&*learners_, layout.learners});
    for (const auto &[chart, where] : charts) {
        painter.save();
        painter.translate(where.topLeft());
        ChartPicture(*chart, QString(), where.size().toSize(), chartFont).paint(painter);
        painter.restore();
    }
    painter.restore();
}

QByteArray Handout::pdf(const QPageSize &size) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title());
    writer.setCreator(QStringLiteral("Shoot a Lot"));
    writer.setPageSize(size);
    writer.setPageMargins(QMarginsF());
    writer.setResolution(96);
    QPainter painter(&writer);
    paint(painter, size.sizePixels(96));
    painter.end();
    return bytes;
}

QPageSize Handout::paperFor(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(QPageSize::A4);
    }
}
