#pragma once

namespace Module1 {

// A click on tile box `Index`: a tile beside the empty cell moves into it.
// Every click in the empty cell's row or column counts as a move.
void Picture1_Click(int Index);

// A key pressed on tile box `Index`: an arrow moves the tile that can go
// that way into the empty cell. Only real moves count.
void Picture1_KeyDown(int Index, int KeyCode, int Shift);

// Sets EmptyRow and EmptyCol to the cell that holds the blank picture.
void FindEmptyCell();

// The main window's title becomes the move count.
void ShowMoveCount();

} // namespace Module1
