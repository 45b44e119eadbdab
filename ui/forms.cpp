#include "ui/forms.h"

#include "game/boardcontrols.h"
#include "options/optionsform.h"
#include "records/recordforms.h"
#include "resources/pictureresources.h"
#include "ui/accessibility.h"
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
