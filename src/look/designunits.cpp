#include "look/designunits.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace design {

int twipsToPixels(int twips, double zoom)
{
    return int(std::lround(double(twips) * zoom / TwipsPerPixel));
}

int pointsToPixels(double points, double zoom)
{
    return int(std::lround(points * 96.0 / 72.0 * zoom));
}

int strokeWidth(int pixels, double zoom)
{
    return std::max(1, int(std::lround(pixels * zoom)));
}

QColor colorFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QFont gothicFont(double points, bool bold, double zoom)
{
    QFont font;
    // BIZ UDPGothic has a bold of its own, which stays bold at any scale, and
    // line boxes as low as the designed face's; IPAPGothic, narrower but with
    // a synthetic bold that fades at high densities, stands in without it.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("BIZ UDPGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pointsToPixels(points, zoom));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont captionFont(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

} // namespace design
