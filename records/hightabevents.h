#pragma once

// What the record-list window does. Its lists are the records of the running
// game, so it is only ever hidden, never closed.
namespace HightabEvents {

// The lists take the records loaded before the window was made.
void Form_Load();

// Each showing starts in the names, where Space and Enter lose nothing.
void Form_Activate();

// Enter and Escape hide the window as "Rendben" does, whichever control has
// the focus; true when the key was used.
bool Form_KeyDown(int qtKey);

// The close box only hides the window, as "Rendben" does; true: the window stays.
bool Form_QueryUnload();

// "Rendben": the window hides, its lists keep their rows, the board takes the keys.
void Command1_Click();

// "Törlés": empties the list and the record file.
void Command2_Click();

// A name and its time are always selected together.
void List1_Click();
void List2_Click();

} // namespace HightabEvents
