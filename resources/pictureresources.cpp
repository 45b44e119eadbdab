#include "resources/pictureresources.h"

#include <QtCore/qglobal.h>

void LoadPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}
