#include "boardcontrols.h"
#include "boardevents.h"
#include "module1.h"
#include "random.h"
#include "tilepictures.h"

namespace Module1 {

namespace {

const QString Dealt = QStringLiteral("*");

void fillWithSolvedLayout(CellTable& cells)
{
    int k = 0;
    for (auto& row : cells)
        for (QString& cell : row)
            cell = TilePictures::ImagePath(++k);
}

// Every coordinate is its own draw, each after a fresh re-seed.
int drawCoordinate()
{
    platform::Randomize();
    return static_cast<int>(4 * platform::Rnd());
}

} // namespace

void NewGame()
{
    BoardControls& board = Forms::board.Load();

    fillWithSolvedLayout(SolvedCells);
    fillWithSolvedLayout(DealPool);

    QStringList unreadable;
    for (DealIndex = 0; DealIndex <= 15; ++DealIndex) {
        int r = 0;
        int c = 0;
        do {
            r = drawCoordinate();
            c = drawCoordinate();
        } while (DealPool[r][c] == Dealt);
        BoardCells[DealIndex / 4][DealIndex % 4] = DealPool[r][c];
        TilePictures::LoadTilePicture(DealIndex, DealPool[r][c], unreadable);
        DealPool[r][c] = Dealt;
    }

    ClockSeconds = 0;
    ClockMinutes = 0;
    board.Picture2->hide();
    board.Timer1->start();
    board.Label1->setText(QStringLiteral("00 : 00"));
    MoveCount = 0;
    board.Form->setWindowTitle(QStringLiteral("Dezudor játék"));
    for (int m = 0; m <= 15; ++m)
        board.Picture1[m]->setEnabled(true);

    // The arrow keys work at once, without a click on the board first; the
    // keyboard starts at the gap, where the arrows act, so a reader says it.
    board.Picture1[qMax(0, BoardEvents::BlankBox())]->setFocus();

    TilePictures::ReportUnreadablePictures(unreadable);
}

} // namespace Module1
