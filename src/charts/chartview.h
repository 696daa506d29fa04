#pragma once

#include "charts/chartdata.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <utility>

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

    // The ring drawn round the chart while it has the focus; the palette's
    // highlight until one is given.
    void setFocusColour(const QColor &colour);

    // The chart drawn whole onto any painter at this view's size and font,
    // vector all the way (for pictures: SVG, PDF, an image), without the
    // focus ring.
    void paintPicture(QPainter &painter) const;

    // The chart's words that do not fit at its present size and font (a
    // legend entry wider than the chart, an axis title longer than its
    // axis): empty when every word shows whole.
    QStringList wordsCut() const;

    // The named point chosen by the pointer or the arrow keys, if any:
    // its name is shown beside it.
    QString chosenName() const;

    QSize sizeHint() const override { return {420, 260}; }
    QSize minimumSizeHint() const override;

signals:
    // A named point was pointed at or reached with the arrow keys.
    void pointChosen(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Frame;
    Frame frame() const;
    Frame frame(QSize size) const;
    // What changes seldom: the axes, their words, the legend and the
    // series that are not live.
    void paintBackdrop(QPainter &painter, const Frame &frame) const;
    // What changes with every verdict, the notes and the focus.
    void paintLive(QPainter &painter, const Frame &frame) const;
    void paintSeries(QPainter &painter, const Frame &frame, bool live) const;

    void redrawBackdrop();
    // Every named point, left to right: (series, point).
    QList<std::pair<int, int>> namedPoints() const;
    void choose(std::pair<int, int> point);

    // How long the size rests before a stretched chart is drawn anew.
    static constexpr int SettlingMilliseconds = 150;

    ChartData chart_;
    QPixmap backdrop_; // null when it must be drawn again
    bool stretched_ = false; // the backdrop is of an earlier size, shown stretched
    QTimer settling_;
    QColor focusColour_;
    std::pair<int, int> chosen_{-1, -1};
};
