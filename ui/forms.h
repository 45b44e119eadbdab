#pragma once

namespace ui {

// Tells the game how each of its windows is made, so that the first use of a
// window loads it. Called once before the main window is loaded.
void RegisterForms();

} // namespace ui
