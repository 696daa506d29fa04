#pragma once

#include <QIcon>
#include <QPalette>
#include <QString>

#include <span>

// The look the windows were designed in, kept whatever the desktop's theme:
// a light palette for every window and dialog of the program, and its icon.
namespace design {

// Light window faces with dark text, as the designs assume wherever they fix
// a background (white labels, the pink title) and leave the text colour to
// the window.
QPalette lightPalette();

// An icon at every size a desktop asks for, from the PNGs base-16.png ...
// base-256.png; the 32-pixel one, the designed size, comes first.
QIcon iconSet(const QString &base);

// The program's own icon.
QIcon programIcon();

// Adds base-16.png, base-32.png, ... for the sizes given, each read as the
// PNG it is. Read by QIcon::addFile, a picture is first offered to every
// image plugin, which loads them all (and libjpeg) before the first window.
void addPngSizes(QIcon &icon, const QString &base, std::span<const int> sizes);

// Gives the application Fusion with the light palette (see DesignStyle) and
// the program's icon, so that every window and dialog carries them.
void applyDesignLook();

} // namespace design
