#pragma once

#include <QString>

class QWidget;

// What the main window does: the tiles, the clock, the buttons, the end of a
// game and the record check.
namespace BoardEvents {

// Reads the records and deals the first game.
void Form_Load();

// The close box of `Form` ends the program the way the exit button does,
// when it is still the loaded main window.
void Form_Unload(const QWidget* Form);

// A click on tile box `Index`: a tile beside the empty cell moves into it.
// Every click in the empty cell's row or column counts as a move.
void Picture1_Click(int Index);

// A key pressed on tile box `Index`: an arrow moves the tile that can go
// that way into the empty cell. Only real moves count.
void Picture1_KeyDown(int Index, int KeyCode);

// A solved game disables the tiles in index order, and each disabled tile
// hands the focus on along the tab order, so it would end on the exit button
// and one Space would quit. "Újra" takes it when the last tile goes.
void Picture1_Disabled(int Index);

void Command1_Click(); // exit: saves the records and ends the program
void Command2_Click(); // "Újra"
void Command3_Click(); // shows the options window

// One second of the game clock, shown in the clock label.
void Timer1_Timer();

// Brings the window back to the front when a dialog closes; after a solved
// game its keyboard is on "Újra".
void Activate();

// "mm : ss", each number with a "0" in front when below 10.
QString ClockText(double minutes, double seconds);

// Sets EmptyRow and EmptyCol to the cell that holds the blank picture.
void FindEmptyCell();

// The box of the cell that holds the blank picture now, leaving EmptyRow and
// EmptyCol as they are; -1 when no cell holds it.
int BlankBox();

// The main window's title becomes the move count.
void ShowMoveCount();

// Ends the game when the picture is whole: the tiles stop taking input, the
// smiling face shows, the clock stops, and the time goes to the record check.
void CheckCompletion();

// Reads the finishing time off the stopped clock and, when it is good enough
// for the record list, opens the record-entry window with it.
void RecordCheck();

} // namespace BoardEvents
