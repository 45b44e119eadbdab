#pragma once

namespace platform {

// The key codes the game's handlers test, as the keyboard reports them.
enum KeyCode : int {
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

// The key code of a Qt key; 0 for a key the game does not test.
int VirtualKeyCode(int qtKey);

// What a key means to a dialog: Enter (either one) accepts, Escape cancels.
enum class DialogKey {
    None,
    Accept,
    Cancel
};
DialogKey DialogKeyOf(int qtKey);

} // namespace platform
