#include "completion.h"

#include "boardcontrols.h"
#include "boardmodel.h"
#include "recordcheck.h"

namespace Module1 {

void CheckCompletion()
{
    MatchCount = 0;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (BoardCells[r][c] == SolvedCells[r][c])
                MatchCount = static_cast<qint16>(MatchCount + 1);
    if (MatchCount != 16)
        return;

    BoardControls& board = Forms::board();
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

} // namespace Module1
