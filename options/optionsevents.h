#pragma once

class QWidget;

// What the options window does. Enter is OK and Escape is "Mégsem", unless
// a button or a thumbnail with the focus takes the key itself.
namespace OptionsEvents {

// Fills in the help text as the window loads.
void Form_Load();

// Enter and Escape; true when the key was used.
bool Form_KeyDown(int qtKey);

// The close box of `Form` discards the window as "Mégsem" does, when it is
// still the loaded one.
void Form_Unload(const QWidget* Form);

// OK: copies the pending set's pieces over the current ones, deals a new
// game and hides the window; the board takes the keys. When a piece cannot
// be read or written it says so and leaves the pieces, the game and the
// window as they were.
void Command1_Click();

// "Mégsem": closes the window, the board takes the keys; the pending choice stays.
void Command2_Click();

// Notes set `Index` as the pending choice and shows its title in the status line.
void Picture3_Click(int Index);

// Writes the status line for the tab now selected.
void SSTab1_Click();

} // namespace OptionsEvents
