#pragma once

#include "runtime/controls.h"

#include <QFrame>
#include <QImage>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

// A picture box: a framed drawing area whose drawing stays until Cls, also
// when the window is covered and uncovered, resized or zoomed. Points and
// circles are given in the box's user scale (or in twips when it has none);
// printed text moves down line by line from the top left. What was drawn
// is kept in those units, so a new size draws it again, never scaled.
class PictureBox final : public QFrame, public PlotSurface
{
    Q_OBJECT

public:
    // The fixed three-dimensional frame, in pixels at the design size.
    static constexpr int FrameWidth = 2;

    // scaleWidth and scaleHeight of 0 mean the area is measured in twips.
    PictureBox(QWidget *parent, QSize innerSize, int scaleWidth, int scaleHeight);

    void Cls() override;
    void PSet(float x, float y) override;
    void PSetPoints(std::span<const QPointF> points) override;
    void Circle(float x, float y, float radius, const QColor &colour) override;
    // One line of text, then a line end; without text, an empty line. Text
    // wider than the area is cut at its right edge, never wrapped.
    void Print(const QString &text);
    void Print();
    // Narrows the font, once for all of lines, so that the widest of them
    // fits the area whole: a horizontal stretch, never below three quarters
    // of the font's own width. The designs were drawn for a narrow face;
    // the stand-ins set Latin text wider.
    void fitTextWidth(const QStringList &lines);

    // Takes a new place, font, frame and zoom (from the window's layout)
    // and draws everything since the last Cls again at that size.
    void relayout(const QRect &geometry, const QFont &font, int frameWidth, double zoom);

    // A box measured in twips prints text (the help area); one with a user
    // scale plots.
    bool printsText() const { return printsText_; }
    // What has been drawn, at the screen's density (its devicePixelRatio).
    const QImage &canvas() const { return canvas_; }
    // What Print has written since the last Cls, line by line.
    const QStringList &printedLines() const { return printedLines_; }
    // Where the next printed line goes, in pixels from the top of the area.
    int printPosition() const { return printY_; }
    // How many circles (shot marks) have been drawn since the last Cls.
    int circlesDrawn() const;
    int lineHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What was drawn since the last Cls, in the box's own units.
    struct PointBatch
    {
        std::shared_ptr<const std::vector<QPointF>> points;
        QRgb colour;
    };
    struct CircleMark
    {
        float x, y, radius;
        QColor colour;
    };
    struct PrintedLine
    {
        QString text;
    };
    using Drawing = std::variant<PointBatch, CircleMark, PrintedLine>;

    void makeCanvas();
    void setScale();
    void redraw();
    QPointF toPixels(float x, float y) const;
    void plotPoints(const std::vector<QPointF> &points, QRgb colour);
    // Draws the mark and returns the part of the area it touched.
    QRect drawCircle(const CircleMark &mark);
    QRect circleArea(const CircleMark &mark) const;
    double penWidth() const;
    void printLine(const QString &text);
    void scheduleRepaint();
    void scheduleRepaint(const QRegion &area);
    void repaintClearedWhole();

    QImage canvas_;
    QSize canvasSize_;
    int scaleWidth_;
    int scaleHeight_;
    double zoom_ = 1.0;
    double pixelsPerUnitX_ = 1;
    double pixelsPerUnitY_ = 1;
    std::vector<Drawing> drawn_;
    // The ring is the same thousands of points at every experiment: kept once.
    std::shared_ptr<const std::vector<QPointF>> lastBatch_;
    int printY_ = 0; // in pixels from the top of the area
    QRgb foreColour_ = qRgb(0, 0, 0);
    bool repaintPending_ = false; // of the whole box
    // A Cls that took away only marks drawn over the first points since the
    // Cls before: when those same points come first again, the screen
    // differs from what it showed only where the marks were.
    struct ClearedMarks
    {
        std::shared_ptr<const std::vector<QPointF>> points;
        QRgb colour;
        QRegion marks;
    };
    std::optional<ClearedMarks> cleared_;
    QStringList printedLines_;
    bool printsText_;
};
