#include "look/pngicons.h"

#include <QImageReader>
#include <QPixmap>

namespace design {

void addPngSizes(QIcon &icon, const QString &base, std::span<const int> sizes)
{
    for (int size : sizes) {
        QImageReader reader(QStringLiteral("%1-%2.png").arg(base).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
}

} // namespace design
