#include "x11session.h"

#include "report.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

namespace bench {

namespace {

constexpr int ReadyTimeoutMs = 30000;

// The first line a helper prints, which it prints once it is ready; empty
// when it ends or stays silent.
QString firstLine(QProcess& helper)
{
    const QDeadlineTimer deadline(ReadyTimeoutMs);
    while (!helper.canReadLine())
        if (!helper.waitForReadyRead(int(deadline.remainingTime())))
            return {};
    return QString::fromLocal8Bit(helper.readLine()).trimmed();
}

} // namespace

X11Session::X11Session()
{
    // -displayfd: the server prints its display number once it takes connections.
    display_.setStandardErrorFile(QProcess::nullDevice());
    display_.start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QString number = firstLine(display_);
    if (number.isEmpty()) {
        NoteFailure(QStringLiteral("cannot start Xvfb"));
        return;
    }
    displayName_ = QStringLiteral(":") + number;
    bus_.setStandardErrorFile(QProcess::nullDevice());
    bus_.start(QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    busAddress_ = firstLine(bus_);
    if (busAddress_.isEmpty())
        NoteFailure(QStringLiteral("cannot start a session bus (dbus-daemon)"));
}

X11Session::~X11Session()
{
    for (QProcess* helper : {&bus_, &display_}) {
        helper->terminate();
        helper->waitForFinished();
    }
}

QProcessEnvironment X11Session::Environment() const
{
    const QProcessEnvironment caller = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment environment;
    for (const QString& kept : {QStringLiteral("PATH"), QStringLiteral("HOME"), QStringLiteral("USER"),
             QStringLiteral("LANG"), QStringLiteral("XDG_RUNTIME_DIR")})
        if (caller.contains(kept))
            environment.insert(kept, caller.value(kept));
    environment.insert(QStringLiteral("DISPLAY"), displayName_);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

QStringList MissingX11Tools()
{
    QStringList missing;
    for (const QString& tool : {QStringLiteral("Xvfb"), QStringLiteral("dbus-daemon"), QStringLiteral("valgrind")})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing.append(tool);
    return missing;
}

} // namespace bench
