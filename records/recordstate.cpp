#include "recordstate.h"

#include "recordrows.h"

namespace Module1 {

RecordText RecordTexts[RecordSlots];
double RecordSeconds[RecordSlots] = {};
qint16 LastRecord = -1;
QString RecordLine;
RecordText SwapText;
bool RecordSaveFailureReported = false;
bool RecordFileUnreadable = false;
qint16 NameLetters = 0;

void ResetRecordState()
{
    for (int i = 0; i < RecordSlots; ++i) {
        RecordTexts[i] = {};
        RecordSeconds[i] = 0;
    }
    LastRecord = -1;
    RecordLine.clear();
    SwapText = {};
    RecordSaveFailureReported = false;
    RecordFileUnreadable = false;
    NameLetters = 0;
    ForgetRecordRows();
}

} // namespace Module1
