#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace platform {

class BusWakeTarget;

// Brings a running game forward over the session bus: the game owns a name
// made from its folder, and a later start in that folder calls it there.
class BusWake {
public:
    explicit BusWake(const QString& folder);
    ~BusWake();

    BusWake(const BusWake&) = delete;
    BusWake& operator=(const BusWake&) = delete;

    enum class Name {
        Ours,  // later starts in the folder reach this game
        Taken, // a game of this session owns it
        None   // no bus, or one that lends no names
    };

    // Takes the folder's name for this game.
    Name Own();

    // Asks the game that owns the name to come forward; true when it
    // answered within `waitMs`. A stopped or hung game does not.
    bool WakeOwner(int waitMs) const;

    // `wake` runs whenever a later start calls this game.
    void OnWake(std::function<void()> wake);

    // Gives the name up.
    void Release();

private:
    QString name_;
    std::unique_ptr<BusWakeTarget> target_;
};

} // namespace platform
