#pragma once

#include <functional>

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

// A dialog's answer to a key: Enter (either one) runs `accept`, Escape `cancel`; false for any other key.
bool AnswerDialogKey(int qtKey, const std::function<void()>& accept, const std::function<void()>& cancel);

} // namespace platform
