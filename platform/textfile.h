#pragma once

#include "regularfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// The most of a text file that is read: far more than the game ever writes.
constexpr qint64 TextFileLimit = qint64{1024} * 1024;

// The lines of a text file, without their ends, read up to TextFileLimit.
// CR LF, LF alone and CR alone all end a line, and the last line needs no
// end. A missing or unreadable file has no lines.
FileRead ReadLines(const QString& path, QList<QByteArray>& lines);

// Replaces the file with the lines, each ended by CR LF. The new content goes
// to a temporary file that takes the old one's place only when it is whole;
// a symbolic link of that name is replaced, never written through.
// On failure the old file stays as it was and `error` says why.
bool WriteLines(const QString& path, const QList<QByteArray>& lines, QString* error);

} // namespace platform
