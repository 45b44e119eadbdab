#pragma once

#include <QtGlobal>

namespace platform {

// Brings the window of the game that process `pid` runs to the front, where
// the system lets one program do that for another without a session bus
// (Windows). False when that process shows no window, its window does not
// answer within `timeoutMs` (a hung game), or the system has no such way.
bool RaiseGameWindow(qint64 pid, int timeoutMs);

} // namespace platform
