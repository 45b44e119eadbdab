#pragma once

#include <QString>

// What a child process of the environment tests does: the game's own code,
// run in a folder the parent prepared, reporting on standard output.
namespace childgame {

// Starts the game in `folder`, makes twenty moves, solves a game, enters a
// record and leaves through the exit button. Prints each message as
// "message: ..." and, at the end, the move count and the record lists.
int Play(const QString& folder);

// Saves one of two full record lists after the other, for ever; prints
// "saving" once the first save is done.
int SaveForever(const QString& folder);

// Starts the game in `folder` as the program does and stays until a signal
// ends it; prints "started" once the board is up ("gave way" when another
// game holds the folder), "woken" when a later start gives way, and leaves
// through the exit button at once when `leave`. Messages are real boxes.
int Start(const QString& folder, bool leave);

// Chooses the first and the second picture set in turn, for ever; prints
// "copying" once the first copy is done.
int ChooseForever(const QString& folder);

// The two lists SaveForever alternates, as the file holds them.
QByteArray SavedList(int which);

} // namespace childgame
