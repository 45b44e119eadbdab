#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace ui {

// The game's own light palette: the colours of the original platform's
// controls, whatever the desktop's theme.
QPalette GamePalette();

// Gives the whole program one look on every desktop: a fixed style, the
// game's palette and the font look-alikes. Called once before the first
// window is made.
void ApplyLook();

// A window's caption, its icon (a stored picture's name), its fixed client
// size in twips and its form font.
void SetUpForm(QWidget* form, const QString& caption, const QString& icon, int widthTwips, int heightTwips);

// The sunken frame without a caption that holds a dialog's controls.
QFrame* CaptionlessFrame(QWidget* parent, const QRect& geometry);

} // namespace ui
