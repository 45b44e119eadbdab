#pragma once

#include "recordfile.h"

#include <QString>
#include <QtGlobal>

// The game's shared state and its three shared procedures. The record table
// and the name box's letter count are in recordstate.h; LoadRecords and
// SaveRecords in recordfile.h; everything else is here.
namespace Module1 {

constexpr int BoardSize = 4;
using CellTable = QString[BoardSize][BoardSize];

// Cells hold the paths of the picture files they show; every test on the
// board compares such paths exactly.
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

extern double FinishSeconds; // the finishing time of the last solved game

// The pending picture-set choice: the game's folder, the separator and the
// chosen set's letter; empty until a thumbnail is clicked. It outlives the
// options window.
extern QString PictureSetPrefix;
extern QString PictureSetSource; // the set file copied last

// Deals the 16 pictures at random over the board, shows them, and starts the
// clock and the move counter from zero. Callable at any moment.
void NewGame();

// All of the shared state, the record table's too, as a fresh start of the
// program finds it.
void ResetState();

} // namespace Module1
