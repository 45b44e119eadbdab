#pragma once

#include <functional>

namespace platform {

// Runs `end` from the event loop when the system asks the program to end
// (SIGTERM, SIGINT, SIGHUP on Unix), so that it can leave as the player's
// exit does. Does nothing where there are no such signals.
void EndOnTerminationSignal(std::function<void()> end);

} // namespace platform
