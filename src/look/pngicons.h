#pragma once

#include <QIcon>
#include <QString>

#include <span>

namespace design {

// Adds base-16.png, base-32.png, ... for the sizes given, each read as the
// PNG it is. Read by QIcon::addFile, a picture is first offered to every
// image plugin, which loads them all (and libjpeg) before the first window.
void addPngSizes(QIcon &icon, const QString &base, std::span<const int> sizes);

} // namespace design
