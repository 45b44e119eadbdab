#include "recordrows.h"

#include "hightabcontrols.h"

#include <QList>

#include <utility>

namespace Module1 {

namespace {
QList<RecordText> waitingRows;
bool rowsWaiting = false;

QString itemText(const QListWidget* list, int row)
{
    const QListWidgetItem* item = list->item(row);
    return item ? item->text() : QString();
}
} // namespace

int RecordRowCount()
{
    if (!Forms::hightab.IsLoaded())
        return static_cast<int>(waitingRows.size());
    return Forms::hightab.Load().List1->count();
}

RecordText RecordRow(int row)
{
    if (!Forms::hightab.IsLoaded())
        return waitingRows.at(row);
    const HightabControls& hightab = Forms::hightab.Load();
    return {itemText(hightab.List1, row), itemText(hightab.List2, row)};
}

void AppendRecordRows(const QList<RecordText>& rows)
{
    if (!Forms::hightab.IsLoaded()) {
        waitingRows.append(rows);
        rowsWaiting = true;
        return;
    }
    HightabControls& hightab = Forms::hightab.Load();
    for (const RecordText& row : rows) {
        hightab.List1->addItem(row.Name);
        hightab.List2->addItem(row.Time);
    }
}

void ClearRecordRows()
{
    if (!Forms::hightab.IsLoaded()) {
        waitingRows.clear();
        rowsWaiting = true;
        return;
    }
    HightabControls& hightab = Forms::hightab.Load();
    hightab.List1->clear();
    hightab.List2->clear();
}

bool RecordRowsLoaded()
{
    return rowsWaiting || Forms::hightab.IsLoaded();
}

void HandOverRecordRows(HightabControls& window)
{
    const QList<RecordText> rows = std::exchange(waitingRows, {});
    rowsWaiting = false;
    for (const RecordText& row : rows) {
        window.List1->addItem(row.Name);
        window.List2->addItem(row.Time);
    }
}

void ForgetRecordRows()
{
    waitingRows.clear();
    rowsWaiting = false;
}

} // namespace Module1
