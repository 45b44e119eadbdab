#pragma once

namespace Module1 {

// The finishing time of the last solved game, in seconds.
extern double FinishSeconds;

// Reads the finishing time off the stopped clock and, when it is good enough
// for the record list, opens the record-entry window with it.
void RecordCheck();

} // namespace Module1
