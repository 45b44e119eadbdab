#include "forms.h"

#include "accessibility.h"
#include "board.h"
#include "boardcontrols.h"
#include "high.h"
#include "hightab.h"
#include "look.h"
#include "options.h"
#include "optionsform.h"
#include "pictureresources.h"
#include "recordforms.h"

#include <QCoreApplication>

namespace ui {

void RegisterForms()
{
    LoadPictureResources();
    ApplyLook();
    InstallAccessibility();
    Forms::board.SetMaker([] { return Describe(new board); });
    Forms::high.SetMaker([] { return Describe(new high); });
    Forms::hightab.SetMaker([] { return Describe(new hightab); });
    Forms::options.SetMaker([] { return Describe(new options); });
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
