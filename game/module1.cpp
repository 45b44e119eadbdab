#include "module1.h"

namespace Module1 {

CellTable BoardCells;
CellTable SolvedCells;
CellTable DealPool;
qint16 DealIndex = 0;

qint16 EmptyRow = 0;
qint16 EmptyCol = 0;

double ClockSeconds = 0;
double ClockMinutes = 0;
double MoveCount = 0;

QString MouseTile;
QString KeyTile;
qint16 MatchCount = 0;

double FinishSeconds = 0;

QString PictureSetPrefix;
QString PictureSetSource;

void ResetState()
{
    for (CellTable* table : {&BoardCells, &SolvedCells, &DealPool})
        for (auto& row : *table)
            for (QString& cell : row)
                cell.clear();
    DealIndex = EmptyRow = EmptyCol = MatchCount = 0;
    ClockSeconds = ClockMinutes = MoveCount = FinishSeconds = 0;
    MouseTile.clear();
    KeyTile.clear();
    PictureSetPrefix.clear();
    PictureSetSource.clear();
    ResetRecordState();
}

} // namespace Module1
