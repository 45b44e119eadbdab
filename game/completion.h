#pragma once

namespace Module1 {

// Ends the game when the picture is whole: the tiles stop taking input, the
// smiling face shows, the clock stops, and the time goes to the record check.
void CheckCompletion();

} // namespace Module1
