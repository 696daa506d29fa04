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
};

} // namespace design
