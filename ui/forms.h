#pragma once

namespace ui {

// Gives the program its own look and tells the game how each of its windows
// is made, so that the first use of a window loads it. Called once before
// the main window is loaded.
void RegisterForms();

// Unloads every window, the hidden ones too, and lets them go at once: the
// last step before the program returns.
void UnloadForms();

} // namespace ui
