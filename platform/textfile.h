#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// The lines of a text file, without their ends. CR LF, LF alone and CR alone
// all end a line, and the last line needs no end. A missing or unreadable
// file has no lines.
QList<QByteArray> ReadLines(const QString& path);

// Replaces the file with the lines, each ended by CR LF. The new content goes
// to a temporary file that takes the old one's place only when it is whole.
// On failure the old file stays as it was and `error` says why.
bool WriteLines(const QString& path, const QList<QByteArray>& lines, QString* error);

} // namespace platform
