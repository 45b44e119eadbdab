#pragma once

#include <QtGlobal>

namespace Module1 {
// Letter keys typed into the name box since the start or the last "Mégsem".
extern qint16 NameLetters;
} // namespace Module1

// What the record-entry window does.
namespace RecordEntry {

// Counts the letters A-Z and a-z; the ninth closes the name box.
void Text1_KeyPress(int keyAscii);

// "Rendben": stores the name and the time, saves, reloads and shows the list.
void Command1_Click();

// "Mégsem": an empty name box to start the name again.
void Command2_Click();

} // namespace RecordEntry
