#pragma once

#include <QProcess>
#include <QStringList>

// The game's own start-up in a child process that is a copy of the test
// program, reporting on standard output, and the parent's side of it.
namespace childgame {

// In the child: runs "ROLE FOLDER [leave]" ("-" as FOLDER: the folder rule
// chooses) and returns its status; -1 when the arguments name no role.
int Main(int argc, char* argv[]);

// Starts `program` with the arguments; as root the child runs unprivileged.
void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& dataHome = {});

// The child's next output line starting with `prefix`; empty when it ends first.
QString WaitForLine(QProcess& child, const QString& prefix);

// Exit status once the child has ended; -1 for a crash or a hang.
int Ended(QProcess& child);

// Runs the child to its end: the status, then every output line.
QStringList RunToEnd(const QString& program, const QStringList& arguments, const QString& dataHome = {});

// The two lists the "save" role alternates, as the file holds them.
QByteArray SavedList(int which);

QByteArray BytesOf(const QString& path);

} // namespace childgame
