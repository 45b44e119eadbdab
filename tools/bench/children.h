#pragma once

#include <QElapsedTimer>
#include <QString>

// The benchmarks that need a fresh process each: start-up, peak memory and
// idle CPU time. Each prints its figures as "name value" lines.
namespace bench {

// Roles of a child process.
inline constexpr char StartUpBoard[] = "start-up-board";
inline constexpr char StartUpBare[] = "start-up-bare";
inline constexpr char StartUpBareText[] = "start-up-bare-text";
inline constexpr char IdleBoard[] = "idle-board";
inline constexpr char IdleBare[] = "idle-bare";

// Runs one role; `sinceStart` was started at the top of main.
int RunRole(const QString& role, const QString& folder, int seconds, const QElapsedTimer& sinceStart);

} // namespace bench
