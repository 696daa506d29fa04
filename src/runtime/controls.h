#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include <span>

// The few control operations the experiment logic uses. The widget layer
// implements them; tests implement them with plain recorders.

class LabelControl
{
public:
    virtual ~LabelControl() = default;
    virtual void setCaption(const QString &caption) = 0;
    virtual QString caption() const = 0;
    virtual void setForeColor(const QColor &colour) = 0;
};

// A picture box seen through its user scale: coordinates are in the box's
// own units, not pixels.
class PlotSurface
{
public:
    virtual ~PlotSurface() = default;
    virtual void Cls() = 0;
    // A point in the surface's fore colour.
    virtual void PSet(float x, float y) = 0;
    // Many points, exactly as PSet one after another would plot them; a
    // surface may do it faster.
    virtual void PSetPoints(std::span<const QPointF> points)
    {
        for (const QPointF &p : points)
            PSet(float(p.x()), float(p.y()));
    }
    // A full circle outline; the radius is in horizontal units.
    virtual void Circle(float x, float y, float radius, const QColor &colour) = 0;
};

// The invisible multimedia control: two string properties, a command word
// and a file name, and nothing to read back.
class MultimediaControl
{
public:
    virtual ~MultimediaControl() = default;
    virtual void setCommand(const QString &command) = 0;
    virtual void setFileName(const QString &fileName) = 0;
};
