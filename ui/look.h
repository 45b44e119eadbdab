#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace ui {

// The game's own light palette: the colours of the original platform's
// controls. Every role of every group is set, so no desktop theme fills one in.
QPalette GamePalette();

// Gives the whole program one look on every desktop: the game's style,
// palette and form font, over whatever the platform theme, a style override
// or the desktop's font says. Called once before the first window is made;
// the program has already told Qt to take no desktop settings.
void ApplyLook();

// A window's caption, its icon (a stored picture's name), its fixed client
// size in twips, its form font and the game's palette.
void SetUpForm(QWidget* form, const QString& caption, const QString& icon, int widthTwips, int heightTwips);

// The sunken frame without a caption that holds a dialog's controls.
QFrame* CaptionlessFrame(QWidget* parent, const QRect& geometry);

// Stacks the window's labels beneath its other controls, as the original
// platform draws a label on its container: a list that overlaps a heading
// covers the heading's edge, not the list's first row.
void PutLabelsBeneath(QWidget* form);

} // namespace ui
