#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class FileRead {
    Missing,    // nothing of that name
    Unreadable, // there, but not a regular file the game may read
    Read
};

// Reads at most `limit` bytes of a regular file (a link to one counts).
// FIFOs, devices and folders are unreadable; opening never waits for a writer.
FileRead ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes);

// Makes room for a new regular file at `path`: a symbolic link there is
// removed, so that a write replaces the link and never goes through it.
bool RemoveLink(const QString& path);

// Renames `from` over `to` in one step, replacing whatever `to` is, a link
// included (never its target).
bool RenameOver(const QString& from, const QString& to);

} // namespace platform
