#pragma once

#include <QString>

struct BoardControls;
struct HighControls;
struct HightabControls;
struct OptionsControls;

// What a screen reader needs of the game's windows beyond their looks: roles,
// names, and the events that let a player hear each move and the end. The
// windows are known by their controls.
namespace accessibility {

// Gives the windows and the controls of the game their roles; once, before
// the first window is made.
void Install();

// Names the controls of a freshly made window.
void Describe(BoardControls& window);
void Describe(HighControls& window);
void Describe(HightabControls& window);
void Describe(OptionsControls& window);

// What the smiling face says when the picture is whole.
QString CompletionText(const QString& clock, double moves);

} // namespace accessibility
