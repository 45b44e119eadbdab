#include "recordentry.h"

#include "recordfile.h"
#include "recordforms.h"

namespace Module1 {
qint16 NameLetters = 0;
}

namespace RecordEntry {

using Module1::NameLetters;

void Text1_KeyPress(int keyAscii)
{
    if ((keyAscii >= 65 && keyAscii <= 90) || (keyAscii >= 97 && keyAscii <= 122))
        NameLetters = static_cast<qint16>(NameLetters + 1);
    if (NameLetters == 9) {
        HighControls& high = Forms::high();
        high.Text1->setEnabled(false);
        // The keys that follow go where they change nothing: the read-only
        // time, never a button that Space would press.
        high.Text2->setFocus();
    }
}

void Command1_Click()
{
    HighControls& high = Forms::high();
    high.Form->hide();
    HightabControls& hightab = Forms::hightab();
    hightab.List1->addItem(high.Text1->text());
    hightab.List2->addItem(high.Text2->text());
    const QList<QByteArray> lines = Module1::RecordFileLines();
    const bool saved = Module1::SaveRecords();
    hightab.List1->clear();
    hightab.List2->clear();
    // A file that could not take the new record would lose it: the lists
    // are then sorted from memory and keep it for the rest of the run.
    if (saved)
        Module1::LoadRecords();
    else
        Module1::LoadRecordLines(lines);
    hightab.Form->show();
    hightab.Form->raise();
    hightab.Form->activateWindow();
}

void Command2_Click()
{
    HighControls& high = Forms::high();
    high.Text1->setText(QString());
    NameLetters = 0;
    high.Text1->setEnabled(true);
    high.Text1->setFocus();
}

} // namespace RecordEntry
