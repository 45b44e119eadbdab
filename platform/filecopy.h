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
        Unreadable,
        Unwritable
    };
    Kind Error = None;
    QString File; // the source that could not be read or the target that could not be written
};

// Copies every source over its target so that a reader never meets a
// half-written target nor, after a failure, a mix of old and new targets:
// all sources are first written to temporary files beside their targets, and
// only when every one of them is complete are they renamed over the targets.
CopyFailure CopyFilesOver(const QList<FileCopy>& copies);

} // namespace platform
