#pragma once

#include <QString>
#include <QStringList>

// The picture files the tile boxes show.
namespace TilePictures {

// The path of picture k (1 ... 16): the executable's folder, the separator,
// k and ".jpg". Picture 16 is the blank of the empty cell.
QString ImagePath(int k);
QString BlankImagePath();

// Shows the picture file in tile box `box`. A file that cannot be read leaves
// the box empty and is added to `unreadable`.
void LoadTilePicture(int box, const QString& path, QStringList& unreadable);

// One message for the files that could not be shown and were not reported
// before in this run; nothing when there are none.
void ReportUnreadablePictures(const QStringList& unreadable);

} // namespace TilePictures
