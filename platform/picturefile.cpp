#include "picturefile.h"

#include "regularfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

QImage ReadPictureFile(const QString& path)
{
    QByteArray bytes;
    if (ReadRegularFile(path, PictureFileLimit, bytes) != FileRead::Read)
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The ending spares probing every decoder; the content still decides.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > PictureSideLimit || size.height() > PictureSideLimit)
        return {};
    return reader.read();
}

} // namespace platform
