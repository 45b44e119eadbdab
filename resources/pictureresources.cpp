#include "pictureresources.h"

#include <QImageReader>
#include <QtCore/qglobal.h>

void LoadPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

QPixmap StoredPicture(const QString& fileName)
{
    // The reader of the name's format alone: one left to guess loads every
    // image plugin to ask each whether it knows the format.
    QImageReader reader(QStringLiteral(":/pictures/") + fileName, fileName.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon StoredIcon(const QString& fileName)
{
    return {StoredPicture(fileName)};
}
