#pragma once

#include <QString>
#include <QStringList>

namespace Module1 {

// Shows the picture file in tile box `box`. A file that cannot be read leaves
// the box empty and is added to `unreadable`.
void LoadTilePicture(int box, const QString& path, QStringList& unreadable);

// One message for the files that could not be shown and were not reported
// before in this run; nothing when there are none.
void ReportUnreadablePictures(const QStringList& unreadable);

} // namespace Module1
