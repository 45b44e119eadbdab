#include "pictureresources.h"

#include <QtCore/qglobal.h>

void LoadPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

QPixmap StoredPicture(const QString& fileName)
{
    const QByteArray format = fileName.section(QLatin1Char('.'), -1).toLatin1();
    return {QStringLiteral(":/pictures/") + fileName, format.constData()};
}

QIcon StoredIcon(const QString& fileName)
{
    return {StoredPicture(fileName)};
}
