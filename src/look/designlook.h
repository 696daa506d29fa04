#pragma once

#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QString>

// The look the windows were designed in, kept whatever the desktop's theme:
// a light palette for every window and dialog of the program, and its icon.
namespace design {

// An icon at every size a desktop asks for, from the PNGs base-16.png ...
// base-256.png; the 32-pixel one, the designed size, comes first.
QIcon iconSet(const QString &base);

// The program's own icon.
QIcon programIcon();

// Gives the application Fusion with the light palette (see DesignStyle) and
// the program's icon, so that every window and dialog carries them.
void applyDesignLook();

// The font for the program's own words in a language: the desktop's, with
// a proportional face of that script first where fontconfig would pick a
// fixed-width one (Japanese) or none made for it (Chinese).
QFont textFontFor(const QFont &base, const QLocale &locale);

} // namespace design
