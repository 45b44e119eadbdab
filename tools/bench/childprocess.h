#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Runs this program again as a fresh child process for the figures that
// need one: start-up, peak memory and idle CPU time.
namespace bench {

// The hidden first argument that makes the program a child.
inline constexpr char ChildFlag[] = "--child";

// Starts `--child role folder seconds` and waits up to `timeoutSeconds`. The
// figures it printed, by name; none when it failed, which is noted.
QHash<QString, double> RunChild(const QString& role, const QString& folder, int seconds, int timeoutSeconds);

} // namespace bench
