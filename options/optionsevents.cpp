#include "optionsevents.h"

#include "keycodes.h"
#include "mainwindow.h"
#include "module1.h"
#include "optionscontrols.h"
#include "optionstexts.h"
#include "picturesets.h"

namespace OptionsEvents {

void Form_Load()
{
    OptionsTexts::AssembleHelpText(Forms::options.Load().Label6);
}

bool Form_KeyDown(int qtKey)
{
    OptionsControls& options = Forms::options.Load();
    return platform::AnswerDialogKey(
        qtKey, [&options] { options.Command1->click(); }, [&options] { options.Command2->click(); });
}

void Form_Unload(const QWidget* Form)
{
    if (Forms::options.Window() == Form)
        Command2_Click();
}

void Command1_Click()
{
    if (!Module1::PictureSetPrefix.isEmpty() && !PictureSetChoice::CopyPendingSet())
        return;
    Module1::NewGame();
    Forms::options.Load().Form->hide();
    platform::ReturnToMainWindow();
}

void Command2_Click()
{
    Forms::options.Unload();
    platform::ReturnToMainWindow();
}

void Picture3_Click(int Index)
{
    if (Index < 0 || Index >= PictureSetChoice::SetCount)
        return;
    Forms::options.Load().Label1->setText(PictureSetChoice::SetTitle(Index));
    Module1::PictureSetPrefix = PictureSetChoice::SetPrefix(Index);
}

void SSTab1_Click()
{
    OptionsControls& options = Forms::options.Load();
    options.Label1->setText(OptionsTexts::StatusText(options.SSTab1->currentIndex()));
}

} // namespace OptionsEvents
