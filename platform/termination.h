#pragma once

#include <functional>

namespace platform {

// When the system asks the program to end (SIGTERM, SIGINT, SIGHUP on Unix;
// the end of the session on Windows), runs `save` from whatever event loop
// is turning, a message box's included, and ends the program at once with
// status 0. From then on, failures go to standard error.
void EndOnTerminationSignal(std::function<void()> save);

// Between the two calls, an exit that bypasses the game's own end (the window
// system's connection died, say) runs `save` first.
void SaveOnUnexpectedExit(std::function<void()> save);
void ExpectExit();

} // namespace platform
