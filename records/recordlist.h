#pragma once

// What the record-list window does.
namespace RecordList {

// "Rendben" and the close box: the window hides; its lists keep their rows.
void Command1_Click();

// "Törlés": empties the list and the record file.
void Command2_Click();

// A name and its time are always selected together.
void List1_Click();
void List2_Click();

} // namespace RecordList
