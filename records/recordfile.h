#pragma once

#include "recordstate.h"
#include <QByteArray>
#include <QList>

// The record file "scores.txt" beside the executable, read into the record
// table and the record list's rows.
namespace Module1 {

// Reads the file, sorts it by time into the table and appends the best ten
// to the record list's rows. A file that is there but cannot be read
// is reported once and is not saved over for the rest of the run.
void LoadRecords();

// As LoadRecords, from lines already in memory.
void LoadRecordLines(const QList<QByteArray>& lines);

// The record list's rows as the file's lines: name, time, name, ...
QList<QByteArray> RecordFileLines();

// Writes the record list's rows to the file. A failure is reported
// once until a save succeeds again; the rows stay as they are either way.
// Refused without a word after an unreadable file.
bool SaveRecords();

// Saves at an end the player did not choose (a signal, a lost display), when
// the lists were ever loaded, with the record the entry window still holds.
void SaveRecordsAtEnd();

} // namespace Module1
