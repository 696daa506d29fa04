#pragma once

#include "results/chartdata.h"

#include <QWidget>

// Draws one chart with QPainter: axes with ticks, bands, bars, lines,
// markers with intervals, notes and a legend. Vector drawing throughout, so
// it is crisp at any size and density. It can take the focus, so that the
// keyboard and a screen reader reach it; its accessible name is the title
// and its description the chart's numbers in words.
class ChartView final : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    void setChart(ChartData chart);
    const ChartData &chart() const { return chart_; }

    QSize sizeHint() const override { return {420, 260}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData chart_;
};
