#pragma once

#include <QProcess>
#include <QStringList>

// The game's start-up in a copy of the test program, reporting each step on standard output; as root, unprivileged.
namespace childgame {

int Main(int argc, char* argv[]); // "ROLE FOLDER [leave]" ("-": the folder rule chooses); -1 when no role
void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& home = {});
QString WaitForLine(QProcess& child, const QString& prefix); // empty when the child ends first
int Ended(QProcess& child);                                  // -1 for a crash or a hang
QStringList RunToEnd(const QString& program, const QStringList& arguments, const QString& home = {}); // status, lines
QByteArray SavedList(int which);            // one of the two full lists the "save" role alternates
void UseSessionBus(const QString& address); // for the children started from now on; empty: none

} // namespace childgame
