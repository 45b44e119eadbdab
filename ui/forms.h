#pragma once

namespace ui {

// Gives the program its own look and tells the game how each of its windows
// is made, so that the first use of a window loads it. Called once before
// the main window is loaded.
void RegisterForms();

// The start of a game: a picture-set choice that an earlier run left half
// done is finished, then the main window is loaded, which deals the first
// game, and shown. The messages of all this come over the shown window, so
// the clock counts from when the player can see the board.
void StartGame();

// Unloads every window, the hidden ones too, and lets them go at once: the
// last step before the program returns.
void UnloadForms();

} // namespace ui
