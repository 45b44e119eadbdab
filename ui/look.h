#pragma once

#include <QPalette>

namespace ui {

// The game's own light palette: the colours of the original platform's
// controls, whatever the desktop's theme.
QPalette GamePalette();

// Gives the whole program one look on every desktop: a fixed style, the
// game's palette and the font look-alikes. Called once before the first
// window is made.
void ApplyLook();

} // namespace ui
