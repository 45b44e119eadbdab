#include "forms.h"

#include "accessibility.h"
#include "board.h"
#include "boardcontrols.h"
#include "boardevents.h"
#include "high.h"
#include "highcontrols.h"
#include "hightab.h"
#include "hightabcontrols.h"
#include "look.h"
#include "mainwindow.h"
#include "options.h"
#include "optionscontrols.h"
#include "pictureresources.h"

#include <QCoreApplication>

namespace ui {

void RegisterForms()
{
    LoadPictureResources();
    ApplyLook();
    InstallAccessibility();
    platform::SetMainWindowReturn(BoardEvents::Activate);
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
