#include "boardcontrols.h"
#include "boardevents.h"
#include "keycodes.h"
#include "module1.h"
#include "tilepictures.h"

namespace BoardEvents {

using namespace Module1;
using TilePictures::LoadTilePicture;

namespace {

int boxOf(int row, int column)
{
    return 4 * row + column;
}

// Cell A takes cell B's picture and is repainted, then B takes `held` (A's
// former path) and is repainted. The mouse passes the clicked cell as A, the
// keyboard the empty cell, which gives each its own repaint order.
void exchangeCells(int aRow, int aCol, int bRow, int bCol, const QString& held)
{
    QStringList unreadable;
    BoardCells[aRow][aCol] = BoardCells[bRow][bCol];
    LoadTilePicture(boxOf(aRow, aCol), BoardCells[aRow][aCol], unreadable);
    BoardCells[bRow][bCol] = held;
    LoadTilePicture(boxOf(bRow, bCol), held, unreadable);
    TilePictures::ReportUnreadablePictures(unreadable);
}

// Str() of a whole number: a blank in the place of the sign when it is not negative.
QString numberText(double value)
{
    const QString digits = QString::number(value, 'f', 0);
    return value < 0 ? digits : QStringLiteral(" ") + digits;
}

} // namespace

void FindEmptyCell()
{
    if (const int box = BlankBox(); box >= 0) {
        EmptyRow = static_cast<qint16>(box / BoardSize);
        EmptyCol = static_cast<qint16>(box % BoardSize);
    }
}

int BlankBox()
{
    const QString blank = TilePictures::BlankImagePath();
    for (int box = 0; box < BoardSize * BoardSize; ++box)
        if (BoardCells[box / BoardSize][box % BoardSize] == blank)
            return box;
    return -1;
}

void ShowMoveCount()
{
    Forms::board.Load().Form->setWindowTitle(QStringLiteral("  ") + numberText(MoveCount) + QStringLiteral(". lépés"));
}

void Picture1_Click(int Index)
{
    const int r = Index / 4;
    const int c = Index - 4 * r;
    MouseTile = BoardCells[r][c];
    FindEmptyCell();
    if (c == EmptyCol) {
        MoveCount = MoveCount + 1;
        const int d = EmptyRow - r;
        if (d == 1)
            exchangeCells(r, c, r + 1, c, MouseTile);
        else if (d == -1)
            exchangeCells(r, c, r - 1, c, MouseTile);
    } else if (r == EmptyRow) {
        MoveCount = MoveCount + 1;
        const int d = EmptyCol - c;
        if (d == 1)
            exchangeCells(r, c, r, c + 1, MouseTile);
        else if (d == -1)
            exchangeCells(r, c, r, c - 1, MouseTile);
    }
    CheckCompletion();
    ShowMoveCount();
}

void Picture1_KeyDown(int, int KeyCode)
{
    FindEmptyCell();
    KeyTile = BoardCells[EmptyRow][EmptyCol];
    const int er = EmptyRow;
    const int ec = EmptyCol;
    int mr = -1;
    int mc = -1;
    if (KeyCode == platform::KeyUp && er != 3) {
        mr = er + 1;
        mc = ec;
    } else if (KeyCode == platform::KeyDown && er != 0) {
        mr = er - 1;
        mc = ec;
    } else if (KeyCode == platform::KeyLeft && ec != 3) {
        mr = er;
        mc = ec + 1;
    } else if (KeyCode == platform::KeyRight && ec != 0) {
        mr = er;
        mc = ec - 1;
    }
    if (mr >= 0) {
        MoveCount = MoveCount + 1;
        exchangeCells(er, ec, mr, mc, KeyTile);
    }
    CheckCompletion();
    ShowMoveCount();
}

} // namespace BoardEvents
