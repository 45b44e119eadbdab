#pragma once

struct BoardControls;

namespace accessibility {

// What a screen reader hears of each move on the board: the keyboard goes to
// the gap, whose name says where it is now and whose description tells the
// piece that moved, its way and the count. An arrow that moves nothing says
// so. Attached once to a freshly made main window.
void AnnounceMoves(BoardControls& window);

} // namespace accessibility
