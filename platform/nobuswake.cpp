#include "buswake.h"

// Where Qt has no session bus (Windows), no game is reached through one:
// the lock file decides alone, and the holder's window is raised directly.
namespace platform {

class BusWakeTarget { };

BusWake::BusWake(const QString&) { }

BusWake::~BusWake() = default;

BusWake::Name BusWake::Own()
{
    return Name::None;
}

bool BusWake::WakeOwner(int) const
{
    return false;
}

void BusWake::OnWake(std::function<void()>) { }

void BusWake::Release() { }

} // namespace platform
