#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// Paints the widget's background in `colour` (a label's or a list's).
void SetBackground(QWidget* widget, const QColor& colour);

// Writes the widget's text in `colour`.
void SetForeground(QWidget* widget, const QColor& colour);

} // namespace ui
