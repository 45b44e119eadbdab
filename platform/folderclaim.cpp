#include "folderclaim.h"

#include "raisegame.h"

#include <QDir>
#include <QLockFile>

namespace platform {

FolderClaim::FolderClaim(const QString& folder, int wakeWaitMs)
    : lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".dezudor.lock"))))
    , bus_(folder)
{
    if (bus_.Own() == BusWake::Name::Taken) {
        heldElsewhere_ = true;
        holderWoken_ = bus_.WakeOwner(wakeWaitMs);
        return;
    }
    if (lock_->tryLock(0))
        return;
    // Held by a game the bus does not reach: where the system lets us, its
    // window is brought forward directly.
    heldElsewhere_ = lock_->error() == QLockFile::LockFailedError;
    if (!heldElsewhere_)
        return;
    qint64 holder = 0;
    holderWoken_ = lock_->getLockInfo(&holder, nullptr, nullptr) && RaiseGameWindow(holder, wakeWaitMs);
    Release();
}

FolderClaim::~FolderClaim() = default;

void FolderClaim::OnWake(std::function<void()> wake)
{
    bus_.OnWake(std::move(wake));
}

void FolderClaim::Release()
{
    bus_.Release();
    lock_->unlock();
}

} // namespace platform
