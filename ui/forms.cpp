#include "ui/forms.h"

#include "game/boardcontrols.h"
#include "options/optionsform.h"
#include "records/recordforms.h"
#include "resources/pictureresources.h"
#include "ui/board.h"
#include "ui/high.h"
#include "ui/hightab.h"
#include "ui/look.h"
#include "ui/options.h"

#include <QCoreApplication>

namespace ui {

void RegisterForms()
{
    LoadPictureResources();
    ApplyLook();
    Forms::board.SetMaker([] { return new board; });
    Forms::high.SetMaker([] { return new high; });
    Forms::hightab.SetMaker([] { return new hightab; });
    Forms::options.SetMaker([] { return new options; });
}

void UnloadForms()
{
    Forms::options.Unload();
    Forms::high.Unload();
    Forms::hightab.Unload();
    Forms::board.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ui
