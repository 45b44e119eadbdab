#pragma once

#include <QString>

namespace platform {

// The folder that holds the executable, in native notation; the game keeps
// every file it reads or writes there.
QString AppFolder();

// Points the game at another folder (tests run in a copy of their own).
void SetAppFolder(const QString& folder);

// The one rule for a file of the game: its folder, the native separator, the name.
QString AppFilePath(const QString& fileName);

} // namespace platform
