#pragma once

#include <QFont>
#include <QString>

namespace ui {

// A font as the windows name it: family, size in points, bold or not. The
// family is drawn in its free look-alike where that is installed.
QFont WindowFont(const QString& family, double points, bool bold);

// The windows' default font, MS Sans Serif 8.25 pt: every control without a
// font of its own takes it from its window, never from the desktop.
QFont FormFont();

} // namespace ui
