#include "hightabevents.h"

#include "hightabcontrols.h"
#include "keycodes.h"
#include "mainwindow.h"
#include "recordfile.h"
#include "recordrows.h"

#include <QSignalBlocker>

namespace HightabEvents {

namespace {
// The list that follows does so quietly: a screen reader would otherwise say
// its row as though the keyboard had moved there.
void selectSameRow(QListWidget* from, QListWidget* to)
{
    if (to->currentRow() == from->currentRow())
        return;
    const QSignalBlocker quiet(to->selectionModel());
    to->setCurrentRow(from->currentRow());
    to->viewport()->update();
}
} // namespace

void Form_Load()
{
    Module1::HandOverRecordRows(Forms::hightab.Load());
}

void Form_Activate()
{
    Forms::hightab.Load().List1->setFocus();
}

bool Form_KeyDown(int qtKey)
{
    // Both mean "Rendben": no key here may reach "Törlés".
    return platform::AnswerDialogKey(qtKey, Command1_Click, Command1_Click);
}

bool Form_QueryUnload()
{
    Command1_Click();
    return true;
}

void Command1_Click()
{
    Forms::hightab.Load().Form->hide();
    platform::ReturnToMainWindow();
}

void Command2_Click()
{
    Module1::ClearRecordRows();
    Module1::SaveRecords();
    HightabControls& hightab = Forms::hightab.Load();
    hightab.List1->update();
    hightab.List2->update();
}

void List1_Click()
{
    HightabControls& hightab = Forms::hightab.Load();
    selectSameRow(hightab.List1, hightab.List2);
}

void List2_Click()
{
    HightabControls& hightab = Forms::hightab.Load();
    selectSameRow(hightab.List2, hightab.List1);
}

} // namespace HightabEvents
