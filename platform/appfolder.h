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

// Chooses the game folder once at start-up: a portable copy's own folder
// where it can be written; otherwise the player's data folder, given the
// pictures it lacks from the installed or portable copy; if that cannot be
// made either, that copy's folder, so that the game still plays.
void SetUpAppFolder();

} // namespace platform
