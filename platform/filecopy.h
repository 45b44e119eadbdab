#pragma once

#include <QList>
#include <QString>

namespace platform {

struct FileCopy {
    QString Source;
    QString Target;
};

struct CopyFailure {
    enum Kind {
        None,
        Unreadable, // nothing changed: a source could not be read
        Unwritable, // nothing changed: a target could not be written
        Mixed       // some targets are new, some old: the next start finishes the copy
    };
    Kind Error = None;
    QString File; // the source that could not be read or the target that could not be written
};

// Copies every source over its target, all or nothing, even when the program
// is killed part-way: the new files are first written whole beside their
// targets, then `journal` notes that the copy is decided, and only then are
// they renamed over the targets. A rename that fails puts the old files back.
// Targets and journal share one folder; a target that is a symbolic link is
// replaced, never written through.
CopyFailure CopyFilesOver(const QList<FileCopy>& copies, const QString& journal);

// At start-up: finishes the copy that `journal` says was decided, or takes
// back one that was not, and removes every temporary file it left.
CopyFailure FinishInterruptedCopy(const QString& journal);

} // namespace platform
