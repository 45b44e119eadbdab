#pragma once

class QStyle;

namespace ui {

// Fusion, with the keyboard focus drawn as the original platform drew it: a
// dotted frame inside the focused control, whatever the last input was, and
// the heavy border on the one button that Enter presses.
QStyle* NewGameStyle();

} // namespace ui
