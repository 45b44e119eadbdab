#pragma once

#include "measure.h"

#include <QList>

// The whole start of the game as a player's desktop runs it: the installed
// kind of executable under a real X server with a session bus, beside the
// least Qt program that shows the same window, in the same run.
namespace bench {

// Instructions from exec to a fixed time after (callgrind), peak resident
// memory, and the shared libraries the game maps that the least program
// does not. Empty, with a failure noted, when a tool is missing.
QList<Row> X11StartRows(int instructionRuns, int memoryRuns);

} // namespace bench
