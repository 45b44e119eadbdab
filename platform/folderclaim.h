#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLockFile;

namespace platform {

class FolderWaker;

// One game per folder: two games in one folder would each save their own
// record list over the other's.
class FolderClaim {
public:
    // Claims `folder` for this process. The lock file in the folder decides
    // between games of every session; on a session bus the game also owns a
    // name made from the folder, through which a later start in the same
    // folder wakes it. When a live game holds the folder, it is woken where
    // the bus reaches it and the claim fails; a lock left by a killed game
    // does not count. A folder where no lock can be made (read-only) is not
    // claimed, but the game may run: it cannot save there either.
    explicit FolderClaim(const QString& folder);
    ~FolderClaim();

    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    bool HeldElsewhere() const { return heldElsewhere_; }

    // `wake` runs whenever a later start in the same folder gives way to us.
    void OnWake(std::function<void()> wake);

    // Gives the folder up before the program ends.
    void Release();

private:
    bool ownBusName();

    QString busName_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<FolderWaker> waker_;
    bool heldElsewhere_ = false;
};

} // namespace platform
