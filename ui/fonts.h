#pragma once

#include <QFont>
#include <QString>

namespace ui {

// Maps the windows' font families to free look-alikes where a platform lacks
// them; called once before the first window is made.
void InstallFontSubstitutes();

// A font as the windows name it: family, size in points, bold or not.
QFont WindowFont(const QString& family, double points, bool bold);

// The windows' default font, MS Sans Serif 8.25 pt: every control without a
// font of its own takes it from its window, never from the desktop.
QFont FormFont();

} // namespace ui
