#include "picturefile.h"

#include "regularfile.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {

QImage ReadPictureFile(const QString& path)
{
    QByteArray bytes;
    if (ReadRegularFile(path, PictureFileLimit, bytes) != FileRead::Read)
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Only the JPEG reader: a reader left to guess loads every image plugin
    // to ask each whether it knows the format.
    QImageReader reader(&buffer, QByteArrayLiteral("jpeg"));
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > PictureSideLimit || size.height() > PictureSideLimit)
        return {};
    return reader.read();
}

} // namespace platform
