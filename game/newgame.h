#pragma once

namespace Module1 {

// Deals the 16 pictures at random over the board, shows them, and starts the
// clock and the move counter from zero. Callable at any moment.
void NewGame();

} // namespace Module1
