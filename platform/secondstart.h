#pragma once

#include <QString>

namespace platform {

class FolderClaim;

// Ends a start in a folder that another live game holds: without a word when
// that game came forward, else after a message that names the folder and
// says what the player can do, shown until the player closes it. Returns the
// program's exit status.
int EndSecondStart(const FolderClaim& claim, const QString& folder);

} // namespace platform
