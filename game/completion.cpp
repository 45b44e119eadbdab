#include "boardcontrols.h"
#include "boardevents.h"
#include "module1.h"

namespace BoardEvents {

using namespace Module1;

void CheckCompletion()
{
    MatchCount = 0;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (BoardCells[r][c] == SolvedCells[r][c])
                MatchCount = static_cast<qint16>(MatchCount + 1);
    if (MatchCount != 16)
        return;

    BoardControls& board = Forms::board.Load();
    // Without this the focus would walk from disabled tile to tile up to the
    // exit button, and a screen reader would say each of them.
    if (QWidget* focused = board.Form->focusWidget())
        focused->clearFocus();
    for (int i = 0; i <= 15; ++i)
        board.Picture1[i]->setEnabled(false);
    board.Picture2->show();
    board.Timer1->stop();
    RecordCheck();
}

} // namespace BoardEvents
