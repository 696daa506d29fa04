#pragma once

#include <QProxyStyle>

namespace design {

// Fusion, the style the windows have always been drawn in, with the light
// palette of lightPalette() as the one it hands every widget, whatever the
// desktop's theme. The palette reaches the widgets as the style's own rather
// than as one the application chose: Qt then lets every widget share it,
// where a chosen application palette is copied into each new widget, and
// the style's pixmap cache, keyed by palette, would fill with copies at
// every new window.
class DesignStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    DesignStyle();

    QPalette standardPalette() const override;
    void polish(QPalette &palette) override;
    using QProxyStyle::polish;
    // A button with the focus wears a solid ring two pixels wide, clearly
    // seen from the back of a classroom: Fusion's own is a faint one-pixel
    // line, and only after a key has moved the focus.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

    // OK and Cancel of a dialog: the icon theme's pictures where it has
    // them, else Qt's own, as Fusion gives them (see addPngSizes).
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // The ring's colour: more than 3 to 1 against the light face.
    static QColor focusRingColour() { return QColor(0, 90, 170); }
    static constexpr int FocusRingWidth = 2;
};

} // namespace design
