#pragma once

#include "regularfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace platform {

// The most of a text file that ReadLines reads: far more than the game ever
// writes.
constexpr qint64 TextFileLimit = qint64{1024} * 1024;

// Takes one line without its end; `whole` is false for a line that was
// longer than its limit, or cut off by the file's, whose bytes are dropped.
// False when no more lines are wanted.
using LineTaker = std::function<bool(QByteArrayView line, bool whole)>;

// Hands the lines of a text file to `take` in their order, until it wants no
// more. CR LF, LF alone and CR alone all end a line, and the last line needs
// no end; a UTF-8 byte order mark before a first line in UTF-8 is no part of it. A
// line over `lineLimit` bytes still counts as one line, so the lines after
// it keep their places; whatever goes on past `fileLimit` bytes is one last
// line that is not whole. A missing or unreadable file has no lines.
FileRead ForEachLine(const QString& path, qint64 fileLimit, qsizetype lineLimit, const LineTaker& take);

// The whole lines of a text file, read up to TextFileLimit.
FileRead ReadLines(const QString& path, QList<QByteArray>& lines);

// Replaces the file with the lines, each ended by CR LF. The new content goes
// to a temporary file that takes the old one's place only when it is whole;
// a symbolic link of that name is replaced, never written through.
// On failure the old file stays as it was and `error` says why.
bool WriteLines(const QString& path, const QList<QByteArray>& lines, QString* error);

} // namespace platform
