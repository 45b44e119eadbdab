#pragma once

#include <QString>
#include <QtGlobal>

// The one game state: which picture stands in which cell, the solved layout,
// the game clock and the move counter. Cells hold the paths of the picture
// files they show; every test on the board compares such paths exactly.
namespace Module1 {

constexpr int BoardSize = 4;
using CellTable = QString[BoardSize][BoardSize];

extern CellTable BoardCells;  // (row, column) -> path of the picture shown there
extern CellTable SolvedCells; // cell (r, c) holds picture 4 * r + c + 1
extern CellTable DealPool;    // the deal's copy of SolvedCells; "*" once dealt
extern qint16 DealIndex;

extern qint16 EmptyRow; // where the move handlers last found the empty cell
extern qint16 EmptyCol;

extern double ClockSeconds; // whole numbers 0 ... 59
extern double ClockMinutes; // whole numbers, unbounded
extern double MoveCount;

extern QString MouseTile; // the clicked cell's path during a mouse move
extern QString KeyTile;   // the empty cell's path during a key move
extern qint16 MatchCount; // cells equal to the solved layout at the last check

// The path of picture k (1 ... 16): the executable's folder, the separator,
// k and ".jpg". Picture 16 is the blank of the empty cell.
QString ImagePath(int k);
QString BlankImagePath();

} // namespace Module1
