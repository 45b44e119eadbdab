#pragma once

#include <QString>

class board;
class high;
class hightab;
class options;

// What a screen reader needs of the game's windows beyond their looks: roles,
// names, and the events that let a player hear each move and the end.
namespace ui {

// Gives the windows and the controls of the game their roles; once, before
// the first window is made.
void InstallAccessibility();

// Names the controls of a freshly made window; returns the window.
board* Describe(board* window);
high* Describe(high* window);
hightab* Describe(hightab* window);
options* Describe(options* window);

// What the smiling face says when the picture is whole.
QString CompletionText(const QString& clock, double moves);

} // namespace ui
