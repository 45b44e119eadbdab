#include "records/recordfile.h"

namespace Module1 {

RecordText RecordTexts[RecordSlots];
double RecordSeconds[RecordSlots] = {};
qint16 LastRecord = -1;
QString RecordLine;
RecordText SwapText;

void LoadRecords()
{
}

void SaveRecords()
{
}

} // namespace Module1
