#pragma once

#include "buswake.h"

#include <QString>

#include <functional>
#include <memory>

class QLockFile;

namespace platform {

// One game per folder: two games in one folder would each save their own
// record list over the other's.
class FolderClaim {
public:
    // Claims `folder` for this process. The lock file in the folder decides
    // between games of every session; a game of this session that owns the
    // folder's name on the session bus holds it too. When a live game holds
    // the folder the claim fails, and that game is asked to come forward,
    // waiting at most `wakeWaitMs` for its answer. A lock left by a killed
    // game does not count. A folder where no lock can be made (read-only) is
    // not claimed, but the game may run: it cannot save there either.
    explicit FolderClaim(const QString& folder, int wakeWaitMs = 2000);
    ~FolderClaim();

    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    bool HeldElsewhere() const { return heldElsewhere_; }

    // The game that holds the folder answered and came forward.
    bool HolderWoken() const { return holderWoken_; }

    // `wake` runs whenever a later start in the same folder gives way to us.
    void OnWake(std::function<void()> wake);

    // Gives the folder up before the program ends.
    void Release();

private:
    std::unique_ptr<QLockFile> lock_;
    BusWake bus_;
    bool heldElsewhere_ = false;
    bool holderWoken_ = false;
};

} // namespace platform
