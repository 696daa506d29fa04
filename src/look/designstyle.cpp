#include "look/designstyle.h"

#include "look/designpalette.h"
#include "look/pngicons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <array>

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

void DesignStyle::drawControl(ControlElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)
        || !(option->state & State_Enabled))
        return;
    // Inside the bevel, clear of the caption of the smallest button.
    const QRect ring = option->rect.adjusted(3, 3, -3, -3);
    if (ring.width() <= 2 * FocusRingWidth || ring.height() <= 2 * FocusRingWidth)
        return;
    const QColor colour = focusRingColour();
    const int w = FocusRingWidth;
    painter->fillRect(QRect(ring.left(), ring.top(), ring.width(), w), colour);
    painter->fillRect(QRect(ring.left(), ring.bottom() - w + 1, ring.width(), w), colour);
    painter->fillRect(QRect(ring.left(), ring.top(), w, ring.height()), colour);
    painter->fillRect(QRect(ring.right() - w + 1, ring.top(), w, ring.height()), colour);
}

QIcon DesignStyle::standardIcon(StandardPixmap which, const QStyleOption *option,
                               const QWidget *widget) const
{
    // Where Fusion looks first (the icon theme's names), and what it falls
    // back on (Qt's own pictures).
    QStringList themed;
    QLatin1StringView own;
    switch (which) {
    case SP_DialogOkButton:
        themed = {QStringLiteral("dialog-ok")};
        own = QLatin1StringView("ok");
        break;
    case SP_DialogCancelButton:
        themed = {QStringLiteral("dialog-cancel"), QStringLiteral("process-stop")};
        own = QLatin1StringView("cancel");
        break;
    default:
        return QProxyStyle::standardIcon(which, option, widget);
    }
    if (QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty())
        for (const QString &name : themed)
            if (const QIcon fromTheme = QIcon::fromTheme(name); !fromTheme.isNull())
                return fromTheme;
    static constexpr std::array QtsOwnSizes{16, 32, 128};
    QIcon icon;
    addPngSizes(icon, QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-") + own,
                QtsOwnSizes);
    return icon;
}

} // namespace design
