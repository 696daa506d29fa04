#pragma once

#include <QPalette>

namespace design {

// Light window faces with dark text, as the designs assume wherever they fix
// a background (white labels, the pink title) and leave the text colour to
// the window.
QPalette lightPalette();

} // namespace design
