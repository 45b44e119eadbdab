#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace bench {

// A virtual X display and a session bus of its own, as a player's desktop
// gives them, for children measured under X11 instead of offscreen.
class X11Session {
public:
    // Starts Xvfb and dbus-daemon; a failure is noted.
    X11Session();
    ~X11Session();

    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool IsValid() const { return !busAddress_.isEmpty(); }

    // A child's environment: this display and bus, and no desktop setting
    // of the caller's, so that every run meets the same surroundings.
    QProcessEnvironment Environment() const;

private:
    QProcess display_;
    QProcess bus_;
    QString displayName_;
    QString busAddress_;
};

// The programs the X11 measurements need that are not installed.
QStringList MissingX11Tools();

} // namespace bench
