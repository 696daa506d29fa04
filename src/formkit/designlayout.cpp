#include "formkit/designlayout.h"

#include "look/designunits.h"
#include "formkit/formlabel.h"
#include "formkit/picturebox.h"

#include <QApplication>
#include <QFrame>

#include <algorithm>
#include <cmath>

namespace {

QFont zoomedFont(const FontDesign &font, double zoom)
{
    return design::gothicFont(font.points, font.bold, zoom);
}

} // namespace

DesignLayout::DesignLayout(const FormDesign &design)
    : design_(design)
{
}

void DesignLayout::add(QWidget &control, const ControlDesign &entry)
{
    controls_.emplace_back(&control, &entry);
}

QSize DesignLayout::clientSize(double zoom) const
{
    return {design::twipsToPixels(design_.clientWidth, zoom),
            design::twipsToPixels(design_.clientHeight, zoom)};
}

double DesignLayout::fittingZoom(QSize room) const
{
    const double byWidth = double(room.width()) * design::TwipsPerPixel / design_.clientWidth;
    const double byHeight = double(room.height()) * design::TwipsPerPixel / design_.clientHeight;
    double zoom = std::min(byWidth, byHeight);
    // Rounding must not let the design outgrow the room by a pixel.
    while (zoom > 0 && (clientSize(zoom).width() > room.width() || clientSize(zoom).height() > room.height()))
        zoom -= 0.001;
    return std::max(zoom, 0.0);
}

double DesignLayout::zoomWithin(double zoom, QSize room) const
{
    return std::max(MinimumZoom, std::min(zoom, fittingZoom(room)));
}

QRect DesignLayout::pixelGeometry(const ControlDesign &c, double zoom)
{
    if (c.kind == ControlKind::Line) {
        const int x1 = design::twipsToPixels(c.left, zoom);
        const int x2 = design::twipsToPixels(c.left + c.width, zoom);
        const int y = design::twipsToPixels(c.top, zoom);
        return {std::min(x1, x2), y, std::abs(x2 - x1) + 1, design::strokeWidth(1, zoom)};
    }
    return {design::twipsToPixels(c.left, zoom), design::twipsToPixels(c.top, zoom),
            design::twipsToPixels(c.width, zoom), design::twipsToPixels(c.height, zoom)};
}

void DesignLayout::apply(QWidget &window, double zoom, QPoint origin) const
{
    // The window's own font, which controls without one of their own use.
    if (design_.font) {
        window.setFont(zoomedFont(*design_.font, zoom));
    } else if (zoom != 1.0 || window.testAttribute(Qt::WA_SetFont)) {
        QFont platform; // the platform's default, not one of ours
        if (zoom != 1.0) {
            if (platform.pointSizeF() > 0)
                platform.setPointSizeF(platform.pointSizeF() * zoom);
            else
                platform.setPixelSize(int(std::lround(platform.pixelSize() * zoom)));
        }
        window.setFont(platform);
    }

    for (const auto &[widget, c] : controls_) {
        const QRect geometry = pixelGeometry(*c, zoom).translated(origin);
        switch (c->kind) {
        case ControlKind::Label: {
            auto *label = static_cast<FormLabel *>(widget);
            label->setFrameWidth(c->framed ? design::strokeWidth(1, zoom) : 0);
            // Fixed in size, a label whose caption changes asks nobody to lay
            // the window out again: the counters change at every shot.
            label->setFixedSize(geometry.size());
            label->setGeometry(geometry);
            if (c->font)
                label->setDesignFont(design::captionFont(zoomedFont(*c->font, zoom)));
            break;
        }
        case ControlKind::PictureBox:
            static_cast<PictureBox *>(widget)->relayout(
                geometry, c->font ? zoomedFont(*c->font, zoom) : window.font(),
                design::strokeWidth(PictureBox::FrameWidth, zoom), zoom);
            break;
        case ControlKind::Line:
            static_cast<QFrame *>(widget)->setLineWidth(geometry.height());
            widget->setGeometry(geometry);
            break;
        case ControlKind::CommandButton:
            if (c->font)
                widget->setFont(design::captionFont(zoomedFont(*c->font, zoom)));
            widget->setGeometry(geometry);
            break;
        case ControlKind::Multimedia:
        case ControlKind::Timer:
            widget->setGeometry(geometry);
            break;
        }
    }
}
