#include "recordlist.h"

#include "recordfile.h"
#include "recordforms.h"

namespace RecordList {

namespace {
void selectSameRow(QListWidget* from, QListWidget* to)
{
    if (to->currentRow() != from->currentRow())
        to->setCurrentRow(from->currentRow());
}
} // namespace

void Command1_Click()
{
    Forms::hightab().Form->hide();
}

void Command2_Click()
{
    HightabControls& hightab = Forms::hightab();
    hightab.List1->clear();
    hightab.List2->clear();
    Module1::SaveRecords();
    hightab.List1->update();
    hightab.List2->update();
}

void List1_Click()
{
    selectSameRow(Forms::hightab().List1, Forms::hightab().List2);
}

void List2_Click()
{
    selectSameRow(Forms::hightab().List2, Forms::hightab().List1);
}

} // namespace RecordList
