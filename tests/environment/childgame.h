#pragma once

#include <QProcess>
#include <QStringList>

// The game's own start-up in a copy of the test program, reporting on
// standard output ("message: ...", "record: ...", "started"), and the
// parent's side of it. As root the child runs unprivileged.
namespace childgame {

// "ROLE FOLDER [leave]" ("-": the folder rule chooses); -1 when no role.
int Main(int argc, char* argv[]);
void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& home = {});
QString WaitForLine(QProcess& child, const QString& prefix); // empty when the child ends first
int Ended(QProcess& child);                                  // -1 for a crash or a hang
// The status, then every output line.
QStringList RunToEnd(const QString& program, const QStringList& arguments, const QString& home = {});
QByteArray SavedList(int which); // one of the two full lists the "save" role alternates
QByteArray BytesOf(const QString& path);

} // namespace childgame
