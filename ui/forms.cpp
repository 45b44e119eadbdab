#include "forms.h"

#include "accessibility.h"
#include "board.h"
#include "boardcontrols.h"
#include "boardevents.h"
#include "errorreport.h"
#include "high.h"
#include "highcontrols.h"
#include "hightab.h"
#include "hightabcontrols.h"
#include "look.h"
#include "mainwindow.h"
#include "options.h"
#include "optionscontrols.h"
#include "pictureresources.h"
#include "picturesets.h"

#include <QCoreApplication>

namespace ui {

namespace {

// A freshly made window, stacked as the original platform stacks controls and
// described for screen readers.
template <typename Window> Window* finished(Window* window)
{
    PutLabelsBeneath(window);
    accessibility::Describe(*window);
    return window;
}

} // namespace

void RegisterForms()
{
    LoadPictureResources();
    ApplyLook();
    accessibility::Install();
    platform::SetMainWindowReturn(BoardEvents::Activate);
    Forms::board.SetMaker([] { return finished(new board); });
    Forms::high.SetMaker([] { return finished(new high); });
    Forms::hightab.SetMaker([] { return finished(new hightab); });
    Forms::options.SetMaker([] { return finished(new options); });
}

void StartGame()
{
    platform::HoldErrors();
    PictureSetChoice::FinishInterruptedChoice();
    QWidget* window = Forms::board.Load().Form;
    window->show();
    platform::ShowErrorsOver(window);
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
