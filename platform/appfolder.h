#pragma once

#include <QString>

namespace platform {

// The game folder, in native notation: every file the game reads or writes
// is there.
QString AppFolder();

// Points the game at another folder (tests run in a copy of their own).
void SetAppFolder(const QString& folder);

// The one rule for a file of the game: its folder, the native separator, the name.
QString AppFilePath(const QString& fileName);

// Chooses the game folder once at start-up: the executable's folder where it
// holds the pictures and can be written; otherwise the player's data folder,
// given the installed pictures it lacks; if that cannot be made either, the
// installed pictures' folder, so that the game still plays.
void SetUpAppFolder();

} // namespace platform
