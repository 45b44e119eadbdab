#include "highevents.h"

#include "highcontrols.h"
#include "hightabcontrols.h"
#include "keycodes.h"
#include "mainwindow.h"
#include "recordfile.h"
#include "recordrows.h"

namespace HighEvents {

using Module1::NameLetters;

void Form_Activate()
{
    HighControls& high = Forms::high.Load();
    // The name stands selected, so the first letter replaces "Névtelen" or
    // the last record's name instead of trailing it.
    if (high.Text1->isEnabled()) {
        high.Text1->setFocus();
        high.Text1->selectAll();
    } else {
        high.Text2->setFocus();
    }
}

bool Form_KeyDown(int qtKey)
{
    HighControls& high = Forms::high.Load();
    return platform::AnswerDialogKey(
        qtKey, [&high] { high.Command1->click(); }, [&high] { high.Form->close(); });
}

void Form_Unload()
{
    platform::ReturnToMainWindow();
}

void Text1_KeyPress(int KeyAscii)
{
    if ((KeyAscii >= 65 && KeyAscii <= 90) || (KeyAscii >= 97 && KeyAscii <= 122))
        NameLetters = static_cast<qint16>(NameLetters + 1);
    if (NameLetters == 9) {
        HighControls& high = Forms::high.Load();
        high.Text1->setEnabled(false);
        // The keys that follow go where they change nothing: the read-only
        // time, never a button that Space would press.
        high.Text2->setFocus();
    }
}

void Command1_Click()
{
    HighControls& high = Forms::high.Load();
    high.Form->hide();
    const QString name = high.Text1->text();
    const QString time = high.Text2->text();
    Module1::AppendRecordRows({{name, time}});
    const QList<QByteArray> lines = Module1::RecordFileLines();
    const bool saved = Module1::SaveRecords();
    Module1::ClearRecordRows();
    // A file that could not take the new record would lose it: the lists
    // are then sorted from memory and keep it for the rest of the run.
    if (saved)
        Module1::LoadRecords();
    else
        Module1::LoadRecordLines(lines);
    // The list opens on the new record, so that it is what the player sees
    // and hears first.
    HightabControls& hightab = Forms::hightab.Load();
    for (int row = 0; row < hightab.List1->count() && row < hightab.List2->count(); ++row)
        if (hightab.List1->item(row)->text() == name && hightab.List2->item(row)->text() == time) {
            hightab.List1->setCurrentRow(row);
            break;
        }
    Forms::hightab.Show();
}

std::optional<Module1::RecordText> UnconfirmedRecord()
{
    const QWidget* window = Forms::high.Window();
    if (!window || !window->isVisible())
        return std::nullopt;
    const HighControls& high = Forms::high.Load();
    const QString name = high.Text1->text();
    return Module1::RecordText{name.isEmpty() ? QStringLiteral("Névtelen") : name, high.Text2->text()};
}

void Command2_Click()
{
    HighControls& high = Forms::high.Load();
    high.Text1->setText(QString());
    NameLetters = 0;
    high.Text1->setEnabled(true);
    high.Text1->setFocus();
}

} // namespace HighEvents
