#pragma once

#include <Qt>

namespace platform {

// The key codes the game's handlers test, as the keyboard reports them.
enum KeyCode : int {
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

// The virtual-key code of a Qt key; 0 for a key that has none.
int VirtualKeyCode(int qtKey);

// The shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt, added together.
int ShiftState(Qt::KeyboardModifiers modifiers);

} // namespace platform
