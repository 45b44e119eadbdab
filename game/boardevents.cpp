#include "boardevents.h"

#include "boardcontrols.h"
#include "endprogram.h"
#include "module1.h"

namespace BoardEvents {

void Form_Load()
{
    Module1::LoadRecords();
    Module1::NewGame();
    BoardControls& board = Forms::board.Load();
    board.Picture2->hide();
    board.Timer1->start();
}

void Form_Unload(const QWidget* Form)
{
    if (Forms::board.Window() == Form)
        Command1_Click();
}

void Picture1_Disabled(int Index)
{
    if (Index == 15)
        Forms::board.Load().Command2->setFocus();
}

void Command1_Click()
{
    Forms::options.Unload();
    Module1::SaveRecords();
    Forms::board.Unload();
    platform::EndProgram();
}

void Command2_Click()
{
    Module1::NewGame();
}

void Command3_Click()
{
    Forms::options.Show();
}

void Activate()
{
    if (!Forms::board.IsLoaded())
        return;
    BoardControls& board = Forms::board.Load();
    if (!board.Form->isVisible())
        return;
    board.Form->raise();
    board.Form->activateWindow();
    if (!board.Picture1[15]->isEnabled())
        board.Command2->setFocus();
}

} // namespace BoardEvents
