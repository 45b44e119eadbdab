#pragma once

#include "recordstate.h"

#include <QList>

struct HightabControls;

// The record list's rows, each a name beside its time text: the run-time copy
// of the records. They live in the record-list window's two lists; until that
// window is first made they wait here, so a game whose list is never shown
// does not pay for the window at start-up.
namespace Module1 {

int RecordRowCount();
RecordText RecordRow(int row);
// Appends the rows; the list counts as loaded from now on, even with none.
void AppendRecordRows(const QList<RecordText>& rows);
void ClearRecordRows();

// True once rows were loaded, into the lists or waiting for them.
bool RecordRowsLoaded();

// Fills the lists of a record-list window just made with the waiting rows.
void HandOverRecordRows(HightabControls& window);

// As a fresh start of the program finds them: no rows, none loaded.
void ForgetRecordRows();

} // namespace Module1
