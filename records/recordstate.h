#pragma once

#include <QString>
#include <QtGlobal>

// The part of the game's shared state that belongs to the records: the
// record table as the file was last read, and the name box's letter count.
namespace Module1 {

constexpr int RecordSlots = 15;

struct RecordText {
    QString Name;
    QString Time; // the clock text, "mm : ss"
};

extern RecordText RecordTexts[RecordSlots];
extern double RecordSeconds[RecordSlots]; // 0 marks a free slot
extern qint16 LastRecord;                 // slots filled by the latest load, minus 1
extern QString RecordLine;
extern RecordText SwapText;

extern bool RecordSaveFailureReported; // set by a failed save, cleared by the next good one
extern bool RecordFileUnreadable;      // the file is there but could not be read: never overwritten

// Letter keys typed into the name box since the start or the last "Mégsem".
extern qint16 NameLetters;

// Everything above, and the record list's rows, as a fresh start of the
// program finds them.
void ResetRecordState();

} // namespace Module1
