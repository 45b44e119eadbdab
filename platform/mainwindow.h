#pragma once

#include <functional>

namespace platform {

// How a dialog that closes gives the keyboard back to the main window. The
// main window's behaviour lives above the dialogs', so it registers itself.
void SetMainWindowReturn(std::function<void()> handler);

// Brings the main window back to the front; nothing when none is registered.
void ReturnToMainWindow();

} // namespace platform
