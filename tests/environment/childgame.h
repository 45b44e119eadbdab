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

// The two lists SaveForever alternates, as the file holds them.
QByteArray SavedList(int which);

} // namespace childgame
