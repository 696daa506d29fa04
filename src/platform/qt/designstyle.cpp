#include "platform/qt/designstyle.h"

#include "platform/qt/designlook.h"

#include <QStyleFactory>

namespace design {

DesignStyle::DesignStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QPalette DesignStyle::standardPalette() const
{
    return lightPalette();
}

void DesignStyle::polish(QPalette &palette)
{
    // Every colour the theme gave is replaced; the palette stays one that
    // nobody chose (no resolve bits), so that widgets share it.
    palette = lightPalette();
    palette.setResolveMask(0);
}

} // namespace design
