#pragma once

#include "recordstate.h"

#include <optional>

// What the record-entry window does. Enter stores the record as "Rendben"
// does; Escape and the close box leave without storing.
namespace HighEvents {

// Each showing starts with the keyboard in the name box, or in the time box
// while the name box is closed.
void Form_Activate();

// Enter and Escape anywhere but on a button; true when the key was used.
bool Form_KeyDown(int qtKey);

// The close box: the window only hides and the board takes the keys.
void Form_Unload();

// Counts the letters A-Z and a-z; the ninth closes the name box.
void Text1_KeyPress(int KeyAscii);

// "Rendben": stores the name and the time, saves, reloads and shows the list.
void Command1_Click();

// "Mégsem": an empty name box to start the name again.
void Command2_Click();

// The record of a window still open, as "Rendben" would store it but named
// "Névtelen" when the name box is empty; none once the player stored it or
// left without storing. Changes no window.
std::optional<Module1::RecordText> UnconfirmedRecord();

} // namespace HighEvents
