#pragma once

#include <QImage>
#include <QString>

namespace platform {

// The largest picture file read, and the most pixels a picture may claim.
constexpr qint64 PictureFileLimit = qint64{4} * 1024 * 1024;
constexpr int PictureSideLimit = 1024;

// Decodes a regular JPEG file. A file whose header claims more than
// PictureSideLimit pixels a side is refused before it is decoded. Null when
// missing, unreadable, refused or not a JPEG picture.
QImage ReadPictureFile(const QString& path);

} // namespace platform
