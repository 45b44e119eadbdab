#include "ui/forms.h"

#include "game/boardcontrols.h"
#include "resources/pictureresources.h"
#include "ui/board.h"
#include "ui/fonts.h"

namespace ui {

void RegisterForms()
{
    LoadPictureResources();
    InstallFontSubstitutes();
    Forms::board.SetMaker([] { return new board; });
}

} // namespace ui
