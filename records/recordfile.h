#pragma once

#include <QString>
#include <QtGlobal>

// The record table and the record file "scores.txt" beside the executable.
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

// Reads the file, sorts it by time into the table and appends the best ten
// to the record-list window's lists.
void LoadRecords();

// Writes the record-list window's lists to the file.
void SaveRecords();

} // namespace Module1
