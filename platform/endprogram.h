#pragma once

#include <functional>

namespace platform {

// Ends the program: the event loop stops and no further window event is handled.
void EndProgram();

// Tests watch for the end instead of ending themselves.
void SetEndProgram(std::function<void()> end);

} // namespace platform
