#include "boardmodel.h"

#include "appfolder.h"

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

QString ImagePath(int k)
{
    return platform::AppFilePath(QString::number(k) + QStringLiteral(".jpg"));
}

QString BlankImagePath()
{
    return ImagePath(16);
}

} // namespace Module1
