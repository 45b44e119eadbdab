#pragma once

#include <QStringList>

// Sends each step to whatever widget has the keyboard focus at that moment,
// as a player's keys go: "<Enter>", "<Escape>", "<Space>", "<Tab>",
// "<Backtab>" and the arrows "<Left>", "<Right>", "<Up>", "<Down>" are one
// key each; any other step is typed character by character. Window
// activations that are due land before each key. A step with no focus
// anywhere fails the test.
void PressKeys(const QStringList& steps);

// The active window's class name, or "none".
QString ActiveWindowName();
